#include "Undo.h"

#include "RichEditCtrl.h"
#include "TinctoView.h"
#include "UserInterface.h"

CUndo::CUndo(CTinctoView* pView, char cChar)
    : m_pView(pView), m_bInit(TRUE), m_bOverwrite(CTinctoView::m_bIns), m_lStart(0), m_lEnd(0), m_cChar(cChar),
      m_nState(0)
{
    CRichEditCtrl* pCtrl = pView->GetEditCtrl();
    LONG nStart, nEnd;
    pCtrl->GetSel(nStart, nEnd);
    m_lStart = nStart;
    m_lEnd = nEnd;
    if (m_lStart < m_lEnd)
        m_bInit = pCtrl->GetTextRange(m_lStart, m_lEnd, m_strSelText) > 0;
}

CUndo::CUndo(CTinctoView* pView, long lStart, long lEnd, char cChar)
    : m_pView(pView), m_bInit(TRUE), m_bOverwrite(CTinctoView::m_bIns), m_lStart(lStart), m_lEnd(lEnd),
      m_cChar(cChar), m_nState(0)
{
    if (m_lStart < m_lEnd)
        m_bInit = pView->GetEditCtrl()->GetTextRange(m_lStart, m_lEnd, m_strSelText) > 0;
}

void CUndo::ReportNoMemory()
{
    AfxMessageBox("Error allocating memory for undo buffer!!!", MB_OK | MB_ICONSTOP);
}

CString CUndo::Describe() const
{
    CString str;
    str.Format("%ld-%ld sel=\"%s\" char=%d state=%d%s", m_lStart, m_lEnd, m_strSelText.c_str(),
               static_cast<int>(static_cast<unsigned char>(m_cChar)), m_nState, m_bOverwrite ? " overwrite" : "");
    return str;
}

BOOL CUndo::BeginUndo()
{
    if (!m_bInit || !CanUndo())
        return FALSE;
    m_nState = 1;
    return TRUE;
}

BOOL CUndo::BeginRedo()
{
    if (!m_bInit || !CanRedo())
        return FALSE;
    m_nState = 2;
    return TRUE;
}

void CUndo::Select(long lStart, long lEnd)
{
    m_pView->GetEditCtrl()->SetSel(lStart < 0 ? 0 : lStart, lEnd < 0 ? 0 : lEnd);
}

void CUndo::SendChar(UINT nChar)
{
    m_pView->SendMessage(WM_CHAR, nChar, 0);
}

void CUndo::SendBackspace()
{
    m_pView->SendMessage(WM_KEYDOWN, VK_BACK, 0);
    m_pView->SendMessage(WM_CHAR, VK_BACK, 0);
    m_pView->SendMessage(WM_KEYUP, VK_BACK, 0);
}

void CUndo::SendClear()
{
    m_pView->SendMessage(WM_CLEAR, 0, 0);
}

void CUndo::TypeOrPaste(const CString& strText)
{
    if (strText.GetLength() == 1 && !CTinctoView::m_bIns && static_cast<unsigned char>(strText[0]) >= 0x20
        && strText[0] != 0x7F) {
        SendChar(static_cast<unsigned char>(strText[0]));
        return;
    }
    if (strText == "\r\n" && !CTinctoView::m_bIns) {
        SendChar('\r');
        return;
    }
    m_pView->InsertText(strText);
}

void CUndo::PasteText()
{
    m_pView->InsertText(m_strSelText);
}

void CUndo::PasteChar()
{
    CString strText = m_strSelText;
    if (m_cChar == '\r')
        strText += "\r\n";
    else if (m_cChar)
        strText += m_cChar;
    m_pView->InsertText(strText);
}
