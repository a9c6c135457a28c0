// CPatterns: the rules about comments and strings shared by every view:
// where one starts, and the order of their colour-table entries.
#pragma once

#include "String.h"

class CTextFormat;
class CTinctoView;

class CPatterns {
public:
    virtual ~CPatterns() = default;

    // Colour-table entries of normal text (index 0), block comment (1), line comment (2), string (3).
    virtual void AppendColorTable(CTinctoView* pView, CString& strTable, int& nIndex);
    // The shared format of the comment or string that starts at nPosition of
    // pText (nLength bytes), else the normal text format. Same rule for every language.
    virtual CTextFormat* IsPatternStart(CTinctoView* pView, const char* pText, int nPosition, int nLength);
};
