// IMessageTarget: what a widget painting a rich-edit control sends its
// input to. The control itself handles messages the way a plain rich-edit
// control does; a colouring view puts its own processing around that.
#pragma once

#include "WinTypes.h"

class IMessageTarget {
public:
    virtual ~IMessageTarget() = default;
    // Handles one window message (WM_*, EM_*; mouse messages carry a
    // character position in lParam); returns the message's result.
    virtual LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) = 0;
    // A drag of the current selection starts in this window.
    virtual void BeginDrag() = 0;
    // The drag that started here ended (dropped anywhere or cancelled).
    virtual void EndDrag() = 0;
    // Text was dropped at character position nPos; bCopy: the user asked for
    // a copy (Ctrl held), otherwise text dragged from this window moves.
    // FALSE when the drop was refused (read-only).
    virtual BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) = 0;
};
