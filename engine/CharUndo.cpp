#include "CharUndo.h"

#include "RichEditCtrl.h"
#include "TextColumns.h"
#include "TinctoView.h"

#include <new>

namespace {

CString TypedText(UINT nChar)
{
    CString str;
    if (nChar == '\r')
        str = "\r\n";
    else
        CTextColumns::AppendUtf8(str, static_cast<char32_t>(nChar));
    return str;
}

}  // namespace

CCharUndo::CCharUndo(CTinctoView* pView, char cChar, UINT nTypedChar)
    : CUndo(pView, cChar), m_nCount(1), m_strTyped(TypedText(nTypedChar)), m_nTypedChar(nTypedChar)
{
}

CCharUndo* CCharUndo::Create(CTinctoView* pView, char cChar, UINT nTypedChar)
{
    CCharUndo* pUndo = new (std::nothrow) CCharUndo(pView, cChar, nTypedChar);
    if (!pUndo)
        ReportNoMemory();
    return pUndo;
}

CString CCharUndo::Describe() const
{
    CString str;
    str.Format("char typed=\"%s\" count=%d ", IsEnter() ? "\\r\\n" : m_strTyped.c_str(), m_nCount);
    return str + CUndo::Describe();
}

BOOL CCharUndo::CanMerge(long lCaret) const
{
    CLanguage* pLanguage = m_pView->GetLanguage();
    return m_nState == 0 && !m_bOverwrite && m_strSelText.IsEmpty() && !IsEnter() && m_nTypedChar < 0x80
        && !pLanguage->IsDelimiter(static_cast<char>(m_nTypedChar), FALSE)
        && lCaret == m_lStart + m_strTyped.GetLength();
}

void CCharUndo::AppendChar(UINT nChar)
{
    ++m_nCount;
    ++m_lEnd;
    m_strTyped += TypedText(nChar);
}

void CCharUndo::Undo()
{
    if (!BeginUndo())
        return;
    if (m_bOverwrite) {
        // The typed character took the place of m_cChar (none at a line end).
        Select(m_lStart, m_lStart + m_strTyped.GetLength());
        if (!m_strSelText.IsEmpty() || m_cChar)
            PasteChar();
        else
            SendClear();
        Select(m_lStart, m_lStart);
        return;
    }
    if (IsEnter()) {
        Select(m_lStart, m_lStart);
        SendBackspace();
    } else {
        Select(m_lStart, m_lStart + m_strTyped.GetLength());
        SendClear();
    }
    if (!m_strSelText.IsEmpty()) {
        long lAt = IsEnter() ? m_lStart - 2 : m_lStart;
        Select(lAt, lAt);
        PasteText();
    }
}

void CCharUndo::Redo()
{
    if (!BeginRedo())
        return;
    long lAt = IsEnter() ? m_lStart - 2 : m_lStart;
    if (m_bOverwrite) {
        CString strOld;
        if (!m_strSelText.IsEmpty())
            strOld = m_strSelText;
        else if (m_cChar)
            strOld = CString(m_cChar);
        Select(m_lStart, m_lStart + strOld.GetLength());
        CString strSaved = m_strSelText;
        m_strSelText = m_strTyped;
        PasteText();
        m_strSelText = strSaved;
        return;
    }
    Select(lAt, lAt + m_strSelText.GetLength());
    TypeOrPaste(m_strTyped);
}
