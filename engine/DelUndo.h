// CDelUndo: a Delete; the character deleted (CR at a line end), or the
// selection it deleted.
#pragma once

#include "Undo.h"

class CDelUndo : public CUndo {
public:
    CDelUndo(CTinctoView* pView, char cChar);
    // Null (after telling the user) when memory runs out.
    static CDelUndo* Create(CTinctoView* pView, char cChar);
    // The bytes of the deleted character ("\r\n" for a line break).
    void SetDeleted(const CString& strDeleted) { m_strDeleted = strDeleted; }

    void Undo() override;
    void Redo() override;
    CString Describe() const override;

private:
    CString m_strDeleted;
};
