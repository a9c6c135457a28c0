// IJavaIDEViewFrame: what a source view asks of the window that shows it:
// bringing it to the top, maximising it, repainting the glyph margin, the
// Go To and Find dialogs, and delivering the messages the view posted to
// itself. The document window implements it; headless views have none.
#pragma once

#include "WinTypes.h"

class IJavaIDEViewFrame {
public:
    virtual ~IJavaIDEViewFrame() = default;

    // The window becomes the active document window.
    virtual void BringToTop() = 0;
    // The window fills the document area.
    virtual void MaximizeFrame() = 0;
    // The margin glyphs are painted again.
    virtual void RedrawMargin() = 0;
    // The view posted itself a message: DeliverPostedMessages should run soon,
    // from the event loop.
    virtual void MessagePosted() = 0;
    // The view wants its paint-time work (OnPaint) done soon.
    virtual void PaintRequested() = 0;
    // The Go To dialog: TRUE and the 1-based line on OK.
    virtual BOOL AskGotoLine(int& nLine) = 0;
    // The find (or find and replace) dialog opens with pszText to search for.
    virtual void ShowFindDialog(const char* pszText, BOOL bReplace) = 0;
    // The window closes (asking to save first).
    virtual void CloseFrame() = 0;
    // Prints the view's text (the print dialog first); FALSE when cancelled or failed.
    virtual BOOL PrintDocument() = 0;
};
