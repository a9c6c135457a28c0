#include "OutputText.h"

#include "ErrorLine.h"
#include "ErrorLocation.h"
#include "OutputNavigator.h"
#include "PathName.h"

#include <cstring>
#include <string>
#include <unistd.h>

namespace {

// What Find Next / Previous Error look for.
constexpr const char ERROR_MARK[] = ".java:";
constexpr LONG ERROR_MARK_LENGTH = sizeof ERROR_MARK - 1;

} // namespace

COutputText::COutputText() = default;

COutputText::~COutputText() = default;

void COutputText::Write(const char* pszText)
{
    if (pszText)
        Write(pszText, static_cast<int>(std::strlen(pszText)));
}

void COutputText::Write(const char* pch, int nCount)
{
    if (!pch || nCount <= 0)
        return;
    // The control turns every CR, LF and CR LF into one CR LF; an LF whose
    // CR came at the end of the previous write already has its line end.
    if (pch[0] == '\n' && m_nEndAfterCR >= 0 && m_nEndAfterCR == m_edit.GetTextLength()) {
        ++pch;
        --nCount;
    }
    std::string strText;
    if (std::memchr(pch, '\0', static_cast<size_t>(nCount))) {
        strText.reserve(static_cast<size_t>(nCount));
        for (int i = 0; i < nCount; ++i) {
            if (pch[i])
                strText += pch[i];
        }
    } else {
        strText.assign(pch, static_cast<size_t>(nCount));
    }
    LONG nEnd = m_edit.GetTextLength();
    m_edit.SetSel(nEnd, nEnd);
    if (!strText.empty())
        m_edit.ReplaceSel(strText.c_str());
    m_edit.ScrollCaret();
    m_nEndAfterCR = !strText.empty() && strText.back() == '\r' ? m_edit.GetTextLength() : -1;
}

void COutputText::Clear()
{
    m_edit.SetWindowText("");
    m_nEndAfterCR = -1;
}

CString COutputText::GetText() const
{
    return m_edit.GetWindowText();
}

void COutputText::GetText(CString& strText) const
{
    m_edit.GetWindowText(strText);
}

// ---- Navigation

BOOL COutputText::OnDoubleClick(LONG nPos)
{
    return NavigateToLine(m_edit.LineFromChar(nPos < 0 ? 0 : nPos));
}

BOOL COutputText::NavigateToLine(int nLine)
{
    if (!m_pNavigator || nLine < 0 || nLine >= m_edit.GetLineCount())
        return FALSE;
    char szLine[CErrorLine::MAX_LINE_LENGTH + 1];
    int nCount = m_edit.GetLine(nLine, szLine, CErrorLine::MAX_LINE_LENGTH);
    szLine[nCount] = '\0';
    CErrorLocation location;
    if (!CErrorLine::Parse(szLine, location))
        return FALSE;
    CString strPath;
    if (!location.m_strClass.IsEmpty()) {
        CString strSource = m_pNavigator->FindClassSource(location.m_strClass);
        if (!strSource.IsEmpty() && !ResolvePath(strSource, strPath))
            strPath.Empty();
    }
    if (strPath.IsEmpty() && !ResolvePath(location.m_strFile, strPath))
        return FALSE;
    return m_pNavigator->OpenFileAtLine(strPath, location.m_nLine);
}

BOOL COutputText::ResolvePath(const CString& strName, CString& strPath) const
{
    CString strFolder = m_strBaseFolder;
    if (strFolder.IsEmpty()) {
        char szDir[CPathName::MAX_PATH_LENGTH + 1];
        if (::getcwd(szDir, sizeof szDir))
            strFolder = szDir;
    }
    return CPathName::MakeAbsolute(strName, strFolder, strPath);
}

LONG COutputText::FindErrorMark(BOOL bForward) const
{
    LONG nStart, nEnd;
    m_edit.GetSel(nStart, nEnd);
    FINDTEXTEX find {};
    find.lpstrText = ERROR_MARK;
    if (bForward) {
        // A mark starting at an empty selection counts as after it; a
        // selected mark (the one found last time) does not.
        find.chrg.cpMin = nStart == nEnd ? nStart : nStart + 1;
        find.chrg.cpMax = -1;
        return m_edit.FindText(FR_DOWN | FR_MATCHCASE, &find);
    }
    // Backwards the match must end by cpMin: any mark starting before the
    // selection start ends by nStart + ERROR_MARK_LENGTH - 1.
    if (nStart == 0)
        return -1;
    find.chrg.cpMin = nStart + ERROR_MARK_LENGTH - 1;
    find.chrg.cpMax = 0;
    return m_edit.FindText(FR_MATCHCASE, &find);
}

BOOL COutputText::SelectErrorMark(BOOL bForward)
{
    LONG nFound = FindErrorMark(bForward);
    if (nFound < 0)
        return FALSE;
    m_edit.SetSel(nFound, nFound + ERROR_MARK_LENGTH);
    m_edit.ScrollCaret();
    OnDoubleClick(nFound);
    return TRUE;
}

BOOL COutputText::FindNextError()
{
    return SelectErrorMark(TRUE);
}

BOOL COutputText::FindPreviousError()
{
    return SelectErrorMark(FALSE);
}

BOOL COutputText::CanFindNextError() const
{
    return FindErrorMark(TRUE) >= 0;
}

BOOL COutputText::CanFindPreviousError() const
{
    return FindErrorMark(FALSE) >= 0;
}

void COutputText::SetCaretToStart()
{
    m_edit.SetSel(0, 0);
    m_edit.ScrollCaret();
}

// ---- Messages

LRESULT COutputText::SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = m_edit.SendMessage(nMessage, wParam, lParam);
    if (nMessage == WM_LBUTTONDBLCLK)
        OnDoubleClick(static_cast<LONG>(lParam));
    return lResult;
}

CString COutputText::Dump() const
{
    CString strText = GetText();
    CString strDump = "text: ";
    for (int i = 0; i < strText.GetLength(); ++i) {
        unsigned char ch = static_cast<unsigned char>(strText[i]);
        switch (ch) {
        case '\r': strDump += "\\r"; break;
        case '\n': strDump += "\\n"; break;
        case '\t': strDump += "\\t"; break;
        case '\\': strDump += "\\\\"; break;
        default:
            if (ch < 0x20 || ch == 0x7F) {
                CString strHex;
                strHex.Format("\\x%02X", ch);
                strDump += strHex;
            } else {
                strDump += static_cast<char>(ch);
            }
        }
    }
    LONG nStart, nEnd;
    m_edit.GetSel(nStart, nEnd);
    CString strSel;
    strSel.Format("\nsel: %ld-%ld caret %ld\nbase: ", static_cast<long>(nStart), static_cast<long>(nEnd),
                  static_cast<long>(m_edit.GetCaret()));
    return strDump + strSel + m_strBaseFolder;
}
