// CHTMLClient: what the help view needs of the component that displays
// HTML: loading a document, moving in its own history, the address it
// shows, the links of the page, the address a followed link asks for,
// fonts per element, colours and image loading. The Qt view supplies one
// over its text browser; tests supply a recording one.
#pragma once

#include "String.h"

class CHTMLClient {
public:
    // Element numbers of SetElementSize: 7 heading 1 down to 2 heading 6, 1 normal text.
    enum { ELEMENT_NORMAL = 1, ELEMENT_HEADING6 = 2, ELEMENT_HEADING1 = 7 };

    virtual ~CHTMLClient() = default;
    // Loads a document (a path, "#" and an anchor allowed); 0 on success.
    virtual int Load(const char* pszAddress) = 0;
    virtual void Forward() = 0;
    virtual void Back() = 0;
    // The address shown now.
    virtual CString GetLocation() const = 0;
    virtual int GetLinkCount() const = 0;
    // The address of link nIndex, in page order.
    virtual CString GetLink(int nIndex) const = 0;
    virtual void SetAutoload(BOOL bAutoload) = 0;
    virtual void SetColors(COLORREF clrBack, COLORREF clrText, COLORREF clrLink) = 0;
    enum { FONT_HEADING, FONT_NORMAL, FONT_FIXED };
    virtual CString GetFontFace(int nFont) const = 0;
    virtual void SetFontFace(int nFont, const char* pszFace) = 0;
    virtual void SetElementSize(int nElement, int nPoints) = 0;
};
