#include "PasteUndo.h"

#include "TinctoView.h"

#include <new>

CPasteUndo::CPasteUndo(CTinctoView* pView, const char* pszText, long lLength, unsigned nLines)
    : CUndo(pView, 0), m_lLength(lLength), m_strText(pszText), m_nLines(nLines)
{
}

CPasteUndo* CPasteUndo::Create(CTinctoView* pView, const char* pszText, long lLength, unsigned nLines)
{
    CPasteUndo* pUndo = new (std::nothrow) CPasteUndo(pView, pszText, lLength, nLines);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CPasteUndo::Describe() const
{
    CString str;
    str.Format("paste length=%ld lines=%u ", m_lLength, m_nLines);
    return str + CUndo::Describe();
}

void CPasteUndo::Undo()
{
    if (!BeginUndo())
        return;
    Select(m_lStart, m_lStart + m_lLength);
    SendClear();
    if (!m_strSelText.IsEmpty()) {
        Select(m_lStart, m_lStart);
        PasteText();
    }
}

void CPasteUndo::Redo()
{
    if (!BeginRedo())
        return;
    Select(m_lStart, m_lEnd);
    if (m_strText.IsEmpty()) {
        SendClear();
        return;
    }
    m_pView->InsertText(m_strText, static_cast<int>(m_nLines));
}
