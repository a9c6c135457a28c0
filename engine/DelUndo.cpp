#include "DelUndo.h"

#include "TinctoView.h"

#include <new>

CDelUndo::CDelUndo(CTinctoView* pView, char cChar) : CUndo(pView, cChar), m_strDeleted(CString(cChar))
{
    if (cChar == '\r')
        m_strDeleted = "\r\n";
}

CDelUndo* CDelUndo::Create(CTinctoView* pView, char cChar)
{
    CDelUndo* pUndo = new (std::nothrow) CDelUndo(pView, cChar);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CDelUndo::Describe() const
{
    return "delete " + CUndo::Describe();
}

void CDelUndo::Undo()
{
    if (!BeginUndo())
        return;
    Select(m_lStart, m_lStart);
    CString strSaved = m_strSelText;
    if (m_strSelText.IsEmpty())
        m_strSelText = m_strDeleted;
    PasteText();
    m_strSelText = strSaved;
    // Delete leaves the caret where it was.
    Select(m_lStart, m_lStart);
}

void CDelUndo::Redo()
{
    if (!BeginRedo())
        return;
    if (!m_strSelText.IsEmpty())
        Select(m_lStart, m_lEnd);
    else
        Select(m_lStart, m_lStart + m_strDeleted.GetLength());
    SendClear();
}
