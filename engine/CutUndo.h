// CCutUndo: a cut or clear of a selection, or the source of a moving drag.
#pragma once

#include "Undo.h"

class CCutUndo : public CUndo {
public:
    explicit CCutUndo(CTinctoView* pView);
    CCutUndo(CTinctoView* pView, long lStart, long lEnd, char cChar);
    // Null (after telling the user) when memory runs out.
    static CCutUndo* Create(CTinctoView* pView);
    static CCutUndo* Create(CTinctoView* pView, long lStart, long lEnd, char cChar);

    void Undo() override;
    void Redo() override;
    CString Describe() const override;
};
