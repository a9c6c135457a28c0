// CBrowserOptions: the help view's settings as the Browser options dialog
// edits them (the application keeps them with the editor settings).
#pragma once

#include "String.h"

struct CBrowserOptions {
    BOOL bAutoload = TRUE;
    COLORREF clrBack = RGB(255, 255, 255);
    COLORREF clrText = RGB(0, 0, 0);
    COLORREF clrLink = RGB(0, 0, 255);
    CString strFontHeading, strFontNormal, strFontFixed;   // empty: taken from the view
    int nHeader[6] = {24, 18, 14, 12, 10, 8};               // "Header1".."Header6"
    int nDefaultSize = 12;                                   // "DefaultSize"

    // Sizes are accepted from 6 to 72.
    static BOOL IsSizeValid(int nSize) { return nSize >= 6 && nSize <= 72; }
};
