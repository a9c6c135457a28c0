#include "EditorLine.h"

#include "RichEditCtrl.h"
#include "TinctoView.h"

#include <cstdio>
#include <cstring>

CEditorLine::CEditorLine()
    : m_pView(nullptr), m_pCtrl(nullptr), m_nLength(0), m_lCursor(0), m_nLine(0), m_lLineIndex(0), m_bRead(FALSE)
{
    m_szText[0] = '\0';
}

CEditorLine::CEditorLine(CTinctoView* pView) : CEditorLine()
{
    SetView(pView);
}

CEditorLine::CEditorLine(CTinctoView* pView, int nLine) : CEditorLine()
{
    SetView(pView);
    ReadLine(nLine);
}

void CEditorLine::SetView(CTinctoView* pView)
{
    m_pView = pView;
    m_pCtrl = pView ? pView->GetEditCtrl() : nullptr;
}

int CEditorLine::ReadLine(int nLine)
{
    m_bRead = FALSE;
    m_nLength = 0;
    m_szText[0] = '\0';
    // The control may have been bound to the view after SetView.
    if (m_pView)
        m_pCtrl = m_pView->GetEditCtrl();
    if (!m_pCtrl)
        return 0;
    if (nLine < 0) {
        LONG nStart, nEnd;
        m_pCtrl->GetSel(nStart, nEnd);
        m_nLine = m_pCtrl->LineFromChar(nStart);
        m_lLineIndex = m_pCtrl->LineIndex(m_nLine);
        m_lCursor = nStart;
    } else {
        int nIndex = m_pCtrl->LineIndex(nLine);
        if (nIndex < 0)
            return 0;
        m_nLine = nLine;
        m_lLineIndex = nIndex;
        m_lCursor = nIndex;
    }
    // Two more bytes than kept, so that a line of exactly MAX_LINE characters
    // still shows its CR LF and loses it whole.
    int nCount = m_pCtrl->GetLine(m_nLine, m_szText, MAX_LINE + 2);
    if (nCount >= 2 && m_szText[nCount - 2] == '\r' && m_szText[nCount - 1] == '\n')
        nCount -= 2;
    else if (nCount >= 1 && m_szText[nCount - 1] == '\r')
        nCount -= 1;  // the LF of a longer line was not read
    if (nCount > MAX_LINE)
        nCount = MAX_LINE;
    m_szText[nCount] = '\0';
    m_nLength = nCount;
    m_bRead = TRUE;
    return m_nLength;
}

int CEditorLine::FindTextA(const char* pszText, int nEnd) const
{
    if (!pszText || !*pszText)
        return -1;
    int nLimit = (nEnd >= 0 && nEnd <= m_nLength) ? nEnd : m_nLength;
    int nFind = static_cast<int>(std::strlen(pszText));
    for (int i = 0; i + nFind <= nLimit; ++i) {
        if (std::memcmp(m_szText + i, pszText, static_cast<size_t>(nFind)) == 0)
            return i;
    }
    return -1;
}

char CEditorLine::GetChar(int nColumn) const
{
    if (nColumn < 0 || nColumn >= m_nLength)
        return 0;
    return m_szText[nColumn];
}

CString CEditorLine::Dump() const
{
    char szHead[96];
    std::snprintf(szHead, sizeof(szHead), "line %d at %ld caret %ld length %d%s: ", m_nLine, m_lLineIndex,
                  m_lCursor, m_nLength, m_bRead ? "" : " (not read)");
    CString str(szHead);
    str += "\"";
    str += m_szText;
    str += "\"";
    return str;
}
