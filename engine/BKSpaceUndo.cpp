#include "BKSpaceUndo.h"

#include "TinctoView.h"

#include <new>

CBKSpaceUndo::CBKSpaceUndo(CTinctoView* pView, char cChar) : CUndo(pView, cChar), m_strDeleted(CString(cChar))
{
    if (cChar == '\r')
        m_strDeleted = "\r\n";
}

CBKSpaceUndo* CBKSpaceUndo::Create(CTinctoView* pView, char cChar)
{
    CBKSpaceUndo* pUndo = new (std::nothrow) CBKSpaceUndo(pView, cChar);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CBKSpaceUndo::Describe() const
{
    return "backspace " + CUndo::Describe();
}

void CBKSpaceUndo::Undo()
{
    if (!BeginUndo())
        return;
    if (!m_strSelText.IsEmpty()) {
        Select(m_lStart, m_lStart);
        PasteText();
        return;
    }
    long lAt = m_lStart - m_strDeleted.GetLength();
    Select(lAt, lAt);
    if (m_strDeleted == "\r\n")
        m_pView->InsertText(m_strDeleted);  // typing Enter would also indent
    else
        TypeOrPaste(m_strDeleted);
}

void CBKSpaceUndo::Redo()
{
    if (!BeginRedo())
        return;
    if (!m_strSelText.IsEmpty())
        Select(m_lStart, m_lEnd);
    else
        Select(m_lStart - m_strDeleted.GetLength(), m_lStart);
    SendClear();
}
