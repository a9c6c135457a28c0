// IRichEditObserver: what a display of a CRichEditCtrl hears about changes of
// the model, after the model has applied them. The model never calls a
// widget; a widget implements this and repaints or scrolls as it sees fit.
#pragma once

#include "WinTypes.h"

class IRichEditObserver {
public:
    virtual ~IRichEditObserver() = default;
    // nRemoved characters at nPos were replaced by nInserted new ones (which
    // come with their own formats).
    virtual void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) {}
    // The formats of the characters in [nStart, nEnd) changed.
    virtual void OnFormatChanged(LONG nStart, LONG nEnd) {}
    // The selection is now [nStart, nEnd) with the caret at nCaret.
    virtual void OnSelectionChanged(LONG nStart, LONG nEnd, LONG nCaret) {}
    // Display state changed: first visible line, selection hiding, redraw,
    // background colour or tab stops.
    virtual void OnDisplayChanged() {}
    // The caret should be scrolled into view.
    virtual void OnScrollCaret() {}
};
