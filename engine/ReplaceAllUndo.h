// CReplaceAllUndo: every replacement of one replace-all, undone and redone
// as one step. Positions are kept in full width.
#pragma once

#include "DWordArray.h"
#include "Undo.h"

class CReplaceAllUndo : public CUndo {
public:
    CReplaceAllUndo(CTinctoView* pView, const char* pszFind, const char* pszReplace);
    // Null (after telling the user) when memory runs out.
    static CReplaceAllUndo* Create(CTinctoView* pView, const char* pszFind, const char* pszReplace);

    // Records the selection start, where the next replacement happens.
    void AddUndo();
    int GetCount() const { return static_cast<int>(m_Positions.GetSize()); }

    void Undo() override;
    void Redo() override;
    CString Describe() const override;

private:
    CString m_strFind;
    CString m_strReplace;
    CDWordArray m_Positions;
};
