#include "ReplaceAllUndo.h"

#include "RichEditCtrl.h"
#include "TinctoView.h"

#include <new>

CReplaceAllUndo::CReplaceAllUndo(CTinctoView* pView, const char* pszFind, const char* pszReplace)
    : CUndo(pView, 0), m_strFind(pszFind), m_strReplace(pszReplace)
{
}

CReplaceAllUndo* CReplaceAllUndo::Create(CTinctoView* pView, const char* pszFind, const char* pszReplace)
{
    CReplaceAllUndo* pUndo = new (std::nothrow) CReplaceAllUndo(pView, pszFind, pszReplace);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CReplaceAllUndo::Describe() const
{
    CString str;
    str.Format("replace-all \"%s\"->\"%s\" count=%d ", m_strFind.c_str(), m_strReplace.c_str(), GetCount());
    return str + CUndo::Describe();
}

void CReplaceAllUndo::AddUndo()
{
    LONG nStart, nEnd;
    m_pView->GetEditCtrl()->GetSel(nStart, nEnd);
    m_Positions.Add(static_cast<DWORD>(nStart));
}

void CReplaceAllUndo::Undo()
{
    if (!BeginUndo())
        return;
    CRichEditCtrl* pCtrl = m_pView->GetEditCtrl();
    pCtrl->SetRedraw(FALSE);
    for (int i = GetCount() - 1; i >= 0; --i) {
        long lAt = static_cast<long>(m_Positions[i]);
        Select(lAt, lAt + m_strReplace.GetLength());
        m_pView->InsertText(m_strFind);
    }
    pCtrl->SetRedraw(TRUE);
}

void CReplaceAllUndo::Redo()
{
    if (!BeginRedo())
        return;
    CRichEditCtrl* pCtrl = m_pView->GetEditCtrl();
    pCtrl->SetRedraw(FALSE);
    for (int i = 0; i < GetCount(); ++i) {
        long lAt = static_cast<long>(m_Positions[i]);
        Select(lAt, lAt + m_strFind.GetLength());
        if (m_strReplace.IsEmpty())
            SendClear();
        else
            m_pView->InsertText(m_strReplace);
    }
    pCtrl->SetRedraw(TRUE);
}
