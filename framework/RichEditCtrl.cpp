#include "RichEditCtrl.h"

#include "CaretMotion.h"
#include "KeyState.h"
#include "RichEditObserver.h"
#include "TextColumns.h"
#include "RtfReader.h"
#include "TextPiece.h"
#include "UserInterface.h"

#include <algorithm>
#include <cassert>
#include <cstring>

namespace {

// dwError of a stream whose format or callback the control cannot serve.
constexpr DWORD STREAM_INVALID_ARGUMENT = 0x80070057;

char LowerAscii(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch + ('a' - 'A')) : ch;
}

}  // namespace

CRichEditCtrl::CRichEditCtrl()
{
    m_cfDefault = CHARFORMAT{};
    m_cfDefault.crTextColor = RGB(0, 0, 0);
    m_cfDefault.yHeight = 200;
    std::strcpy(m_cfDefault.szFaceName, "Courier New");
    m_cfDefault = CCharFormatTable::Normalized(m_cfDefault);
    m_cfInsert = m_cfDefault;
}

void CRichEditCtrl::AddObserver(IRichEditObserver* pObserver)
{
    assert(pObserver);
    if (std::find(m_observers.begin(), m_observers.end(), pObserver) == m_observers.end())
        m_observers.push_back(pObserver);
}

void CRichEditCtrl::RemoveObserver(IRichEditObserver* pObserver)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), pObserver), m_observers.end());
}

void CRichEditCtrl::NotifyText(LONG nPos, LONG nRemoved, LONG nInserted)
{
    std::vector<IRichEditObserver*> observers(m_observers);
    for (IRichEditObserver* pObserver : observers)
        pObserver->OnTextChanged(nPos, nRemoved, nInserted);
}

void CRichEditCtrl::NotifyFormat(LONG nStart, LONG nEnd)
{
    std::vector<IRichEditObserver*> observers(m_observers);
    for (IRichEditObserver* pObserver : observers)
        pObserver->OnFormatChanged(nStart, nEnd);
}

void CRichEditCtrl::NotifySelection()
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    std::vector<IRichEditObserver*> observers(m_observers);
    for (IRichEditObserver* pObserver : observers)
        pObserver->OnSelectionChanged(nStart, nEnd, m_nActive);
}

void CRichEditCtrl::NotifyDisplay()
{
    std::vector<IRichEditObserver*> observers(m_observers);
    for (IRichEditObserver* pObserver : observers)
        pObserver->OnDisplayChanged();
}

// ---- Text

void CRichEditCtrl::GetWindowText(CString& strText) const
{
    GetTextRange(0, -1, strText);
}

void CRichEditCtrl::ClampRange(LONG& nStart, LONG& nEnd) const
{
    LONG nLength = GetTextLength();
    if (nEnd < 0 || nEnd > nLength)
        nEnd = nLength;
    nStart = std::clamp<LONG>(nStart, 0, nEnd);
}

CString CRichEditCtrl::GetWindowText() const
{
    CString strText;
    GetWindowText(strText);
    return strText;
}

LONG CRichEditCtrl::GetTextRange(LONG nFirst, LONG nLast, CString& strText) const
{
    ClampRange(nFirst, nLast);
    std::string& str = strText.str();
    str.resize(static_cast<size_t>(nLast - nFirst));
    m_text.Copy(nFirst, nLast - nFirst, str.data());
    return nLast - nFirst;
}

void CRichEditCtrl::SetWindowText(const char* pszText)
{
    m_formats.RemoveAll();
    CTextPiece piece;
    piece.SetFormat(m_formats.Intern(m_cfDefault));
    if (pszText)
        piece.AppendPlain(pszText, static_cast<LONG>(std::strlen(pszText)));
    LONG nOld = GetTextLength();
    ReplaceRange(0, nOld, piece, 0);
    m_bModified = FALSE;
}

// ---- Selection

void CRichEditCtrl::GetSel(LONG& nStart, LONG& nEnd) const
{
    nStart = std::min(m_nAnchor, m_nActive);
    nEnd = std::max(m_nAnchor, m_nActive);
}

LONG CRichEditCtrl::SnapBack(LONG nPos) const
{
    if (nPos > 0 && nPos < GetTextLength() && m_text.GetAt(nPos - 1) == '\r')
        return nPos - 1;
    return nPos;
}

LONG CRichEditCtrl::SnapForward(LONG nPos) const
{
    if (nPos > 0 && nPos < GetTextLength() && m_text.GetAt(nPos - 1) == '\r')
        return nPos + 1;
    return nPos;
}

void CRichEditCtrl::SetSelection(LONG nAnchor, LONG nActive)
{
    LONG nLength = GetTextLength();
    nAnchor = std::clamp<LONG>(nAnchor, 0, nLength);
    nActive = std::clamp<LONG>(nActive, 0, nLength);
    if (nAnchor == nActive) {
        nAnchor = nActive = SnapBack(nActive);
    } else if (nAnchor < nActive) {
        nAnchor = SnapBack(nAnchor);
        nActive = SnapForward(nActive);
    } else {
        nActive = SnapBack(nActive);
        nAnchor = SnapForward(nAnchor);
    }
    if (nAnchor == m_nAnchor && nActive == m_nActive)
        return;
    m_nAnchor = nAnchor;
    m_nActive = nActive;
    m_bHasInsertFormat = false;
    NotifySelection();
}

void CRichEditCtrl::SetSel(LONG nStart, LONG nEnd)
{
    m_nGoalColumn = -1;   // a new place for the caret: Up and Down start from its column
    if (nStart < 0) {
        LONG nCaret = std::max(m_nAnchor, m_nActive);
        SetSelection(nCaret, nCaret);
        return;
    }
    if (nEnd < 0)
        nEnd = GetTextLength();
    SetSelection(nStart, nEnd);
}

CString CRichEditCtrl::GetSelText() const
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    CString str;
    GetTextRange(nStart, nEnd, str);
    return str;
}

// ---- Lines

int CRichEditCtrl::LineFromChar(LONG nIndex) const
{
    if (nIndex < 0)
        nIndex = std::min(m_nAnchor, m_nActive);
    return static_cast<int>(m_lines.LineFromChar(std::min(nIndex, GetTextLength())));
}

int CRichEditCtrl::LineIndex(int nLine) const
{
    if (nLine == -1)
        nLine = static_cast<int>(m_lines.LineFromChar(m_nActive));
    if (nLine < 0 || nLine >= GetLineCount())
        return -1;
    return static_cast<int>(m_lines.LineStart(nLine));
}

int CRichEditCtrl::LineLength(int nIndex) const
{
    if (nIndex >= 0) {
        LONG nLine = m_lines.LineFromChar(std::min<LONG>(nIndex, GetTextLength()));
        return static_cast<int>(m_lines.LineLength(nLine));
    }
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    LONG nFirst = m_lines.LineFromChar(nStart);
    LONG nLast = m_lines.LineFromChar(nEnd);
    LONG nBefore = nStart - m_lines.LineStart(nFirst);
    LONG nAfter = m_lines.LineStart(nLast) + m_lines.LineLength(nLast) - nEnd;
    return static_cast<int>(nBefore + std::max<LONG>(nAfter, 0));
}

int CRichEditCtrl::GetLine(int nLine, char* pszBuffer, int nMaxLength) const
{
    if (nLine < 0 || nLine >= GetLineCount() || !pszBuffer || nMaxLength <= 0)
        return 0;
    LONG nCount = std::min<LONG>(m_lines.LineLengthWithEnd(nLine), nMaxLength);
    m_text.Copy(m_lines.LineStart(nLine), nCount, pszBuffer);
    return static_cast<int>(nCount);
}

// ---- Character formats

DWORD CRichEditCtrl::GetDefaultCharFormat(CHARFORMAT& cf) const
{
    cf = m_cfDefault;
    return cf.dwMask;
}

BOOL CRichEditCtrl::SetDefaultCharFormat(const CHARFORMAT& cf)
{
    CCharFormatTable::Apply(m_cfDefault, cf, cf.dwMask);
    return TRUE;
}

CHARFORMAT CRichEditCtrl::InsertionFormat(LONG nPos, LONG nEnd, bool bUseSetFormat) const
{
    if (m_bHasInsertFormat && bUseSetFormat)
        return m_cfInsert;
    if (nPos > 0)
        return m_formats.GetAt(m_runs.GetFormatAt(nPos - 1));
    if (nEnd < GetTextLength())
        return m_formats.GetAt(m_runs.GetFormatAt(nEnd));
    return m_cfDefault;
}

DWORD CRichEditCtrl::GetCharFormat(LONG nStart, LONG nEnd, CHARFORMAT& cf) const
{
    ClampRange(nStart, nEnd);
    if (nStart == nEnd) {
        // At the caret the format set on the empty selection counts.
        bool bCaret = m_nAnchor == m_nActive && nStart == m_nActive;
        cf = InsertionFormat(nStart, nStart, bCaret);
        cf.dwMask = CCharFormatTable::SUPPORTED_MASK;
        return cf.dwMask;
    }
    std::vector<DWORD> runs;
    m_runs.GetRuns(nStart, nEnd, runs);
    cf = m_formats.GetAt(CFormatRuns::RunFormat(runs.front()));
    DWORD dwMask = CCharFormatTable::SUPPORTED_MASK;
    int nPrevious = CFormatRuns::RunFormat(runs.front());
    for (DWORD dwRun : runs) {
        int nFormat = CFormatRuns::RunFormat(dwRun);
        if (nFormat == nPrevious)
            continue;
        nPrevious = nFormat;
        dwMask &= CCharFormatTable::AgreeingMask(cf, m_formats.GetAt(nFormat));
    }
    cf.dwMask = dwMask;
    return dwMask;
}

DWORD CRichEditCtrl::GetSelectionCharFormat(CHARFORMAT& cf) const
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart == nEnd) {
        cf = InsertionFormat(nStart, nEnd);
        cf.dwMask = CCharFormatTable::SUPPORTED_MASK;
        return cf.dwMask;
    }
    return GetCharFormat(nStart, nEnd, cf);
}

void CRichEditCtrl::CompactFormatsIfFull()
{
    // Formats no character uses any more are dropped once the table nears
    // the 16-bit limit of the run items.
    if (m_formats.GetCount() < CCharFormatTable::MAX_FORMATS - 256)
        return;
    std::vector<DWORD> runs;
    m_runs.GetRuns(0, GetTextLength(), runs);
    std::vector<bool> used(static_cast<size_t>(m_formats.GetCount()), false);
    for (DWORD dwRun : runs)
        used[static_cast<size_t>(CFormatRuns::RunFormat(dwRun))] = true;
    std::vector<int> remap;
    m_formats.Compact(used, remap);
    m_runs.Remap(0, GetTextLength(), remap);
}

BOOL CRichEditCtrl::SetCharFormat(LONG nStart, LONG nEnd, const CHARFORMAT& cf)
{
    ClampRange(nStart, nEnd);
    DWORD dwMask = cf.dwMask & CCharFormatTable::SUPPORTED_MASK;
    if (nStart == nEnd || dwMask == 0)
        return TRUE;
    CompactFormatsIfFull();
    std::vector<DWORD> runs;
    m_runs.GetRuns(nStart, nEnd, runs);
    std::vector<int> map(static_cast<size_t>(m_formats.GetCount()), -1);
    for (DWORD dwRun : runs) {
        size_t nOld = static_cast<size_t>(CFormatRuns::RunFormat(dwRun));
        if (map[nOld] >= 0)
            continue;
        CHARFORMAT cfNew = m_formats.GetAt(static_cast<int>(nOld));
        CCharFormatTable::Apply(cfNew, cf, dwMask);
        map[nOld] = m_formats.Intern(cfNew);
    }
    m_runs.Remap(nStart, nEnd, map);
    NotifyFormat(nStart, nEnd);
    return TRUE;
}

BOOL CRichEditCtrl::SetSelectionCharFormat(const CHARFORMAT& cf)
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart == nEnd) {
        CHARFORMAT cfInsert = InsertionFormat(nStart, nEnd);
        CCharFormatTable::Apply(cfInsert, cf, cf.dwMask & CCharFormatTable::SUPPORTED_MASK);
        m_cfInsert = cfInsert;
        m_bHasInsertFormat = true;
        return TRUE;
    }
    return SetCharFormat(nStart, nEnd, cf);
}

// ---- Find

bool CRichEditCtrl::IsWordChar(LONG nPos) const
{
    if (nPos < 0 || nPos >= GetTextLength())
        return false;
    char ch = m_text.GetAt(nPos);
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_';
}

LONG CRichEditCtrl::FindText(DWORD dwFlags, FINDTEXTEX* pFind) const
{
    if (!pFind)
        return -1;
    pFind->chrgText.cpMin = pFind->chrgText.cpMax = -1;
    if (!pFind->lpstrText)
        return -1;
    LONG nFind = static_cast<LONG>(std::strlen(pFind->lpstrText));
    LONG nLength = GetTextLength();
    LONG nLow, nHigh;  // the match must lie in [nLow, nHigh)
    if (dwFlags & FR_DOWN) {
        nLow = std::clamp<LONG>(pFind->chrg.cpMin, 0, nLength);
        nHigh = pFind->chrg.cpMax < 0 ? nLength : std::min(pFind->chrg.cpMax, nLength);
    } else {
        nHigh = pFind->chrg.cpMin < 0 ? nLength : std::min(pFind->chrg.cpMin, nLength);
        nLow = std::clamp<LONG>(pFind->chrg.cpMax, 0, nLength);
    }
    if (nFind == 0 || nHigh - nLow < nFind)
        return -1;
    const char* pText = m_text.GetContiguous(nLow, nHigh - nLow);
    const char* pszFind = pFind->lpstrText;
    bool bMatchCase = (dwFlags & FR_MATCHCASE) != 0;
    auto matches = [&](LONG nAt) {
        const char* p = pText + nAt;
        if (bMatchCase) {
            if (std::memcmp(p, pszFind, static_cast<size_t>(nFind)) != 0)
                return false;
        } else {
            for (LONG i = 0; i < nFind; ++i) {
                if (LowerAscii(p[i]) != LowerAscii(pszFind[i]))
                    return false;
            }
        }
        if (dwFlags & FR_WHOLEWORD) {
            if (IsWordChar(nLow + nAt - 1) || IsWordChar(nLow + nAt + nFind))
                return false;
        }
        return true;
    };
    LONG nLast = nHigh - nLow - nFind;
    LONG nFound = -1;
    if (dwFlags & FR_DOWN) {
        for (LONG nAt = 0; nAt <= nLast && nFound < 0; ++nAt) {
            if (matches(nAt))
                nFound = nAt;
        }
    } else {
        for (LONG nAt = nLast; nAt >= 0 && nFound < 0; --nAt) {
            if (matches(nAt))
                nFound = nAt;
        }
    }
    if (nFound < 0)
        return -1;
    pFind->chrgText.cpMin = nLow + nFound;
    pFind->chrgText.cpMax = nLow + nFound + nFind;
    return nLow + nFound;
}

// ---- Edits

void CRichEditCtrl::ReplaceRange(LONG nStart, LONG nEnd, CTextPiece& piece, LONG nCaret)
{
    assert(nStart >= 0 && nStart <= nEnd && nEnd <= GetTextLength());
    LONG nRemoved = nEnd - nStart;
    LONG nInserted = piece.GetLength();
    if (nRemoved > 0) {
        m_text.Delete(nStart, nRemoved);
        m_lines.Delete(nStart, nRemoved);
        m_runs.Delete(nStart, nRemoved);
    }
    if (nInserted > 0) {
        m_lines.Insert(nStart, piece.LineLengths(), piece.GetTailLength());
        m_runs.Insert(nStart, piece.Runs().data(), static_cast<LONG>(piece.Runs().size()));
        if (m_text.GetLength() == 0) {
            LONG nCapacity;
            char* pText = piece.DetachText(nCapacity);
            m_text.Adopt(pText, nInserted, nCapacity);
        } else {
            m_text.Insert(nStart, piece.GetText(), nInserted);
        }
    }
    assert(m_lines.GetTextLength() == m_text.GetLength() && m_runs.GetLength() == m_text.GetLength());
    if (m_nFirstVisibleLine >= GetLineCount())
        m_nFirstVisibleLine = GetLineCount() - 1;
    LONG nNewCaret = nCaret < 0 ? nStart + nInserted : nCaret;
    m_nGoalColumn = -1;
    bool bSelectionMoves = m_nAnchor != nNewCaret || m_nActive != nNewCaret;
    m_nAnchor = m_nActive = nNewCaret;
    if (nRemoved > 0 || nInserted > 0) {
        m_bHasInsertFormat = false;
        NotifyText(nStart, nRemoved, nInserted);
    }
    if (bSelectionMoves || nRemoved > 0 || nInserted > 0) {
        m_bHasInsertFormat = false;
        NotifySelection();
    }
}

void CRichEditCtrl::ReplaceSel(const char* pszText, BOOL /*bCanUndo*/)
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    CompactFormatsIfFull();
    CTextPiece piece;
    piece.SetFormat(m_formats.Intern(InsertionFormat(nStart, nEnd)));
    if (pszText)
        piece.AppendPlain(pszText, static_cast<LONG>(std::strlen(pszText)));
    if (nStart == nEnd && piece.GetLength() == 0)
        return;
    ReplaceRange(nStart, nEnd, piece);
    m_bModified = TRUE;
}

void CRichEditCtrl::Clear()
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    if (m_bReadOnly || nStart == nEnd)
        return;
    CTextPiece empty;
    ReplaceRange(nStart, nEnd, empty);
    m_bModified = TRUE;
}

void CRichEditCtrl::Copy() const
{
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart < nEnd)
        CUserInterface::Get().SetClipboardText(GetSelText());
}

void CRichEditCtrl::Cut()
{
    if (m_bReadOnly)
        return;
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    if (nStart == nEnd || !CUserInterface::Get().SetClipboardText(GetSelText()))
        return;
    Clear();
}

void CRichEditCtrl::Paste()
{
    CString strText;
    if (m_bReadOnly || !CUserInterface::Get().GetClipboardText(strText))
        return;
    ReplaceSel(strText);
}

// ---- Display state

BOOL CRichEditCtrl::LineScroll(int nLines, int /*nChars*/)
{
    SetFirstVisibleLine(static_cast<int>(m_nFirstVisibleLine) + nLines);
    return TRUE;
}

void CRichEditCtrl::SetFirstVisibleLine(int nLine)
{
    LONG nFirst = std::clamp<LONG>(nLine, 0, GetLineCount() - 1);
    if (nFirst == m_nFirstVisibleLine)
        return;
    m_nFirstVisibleLine = nFirst;
    NotifyDisplay();
}

void CRichEditCtrl::ScrollCaret()
{
    std::vector<IRichEditObserver*> observers(m_observers);
    for (IRichEditObserver* pObserver : observers)
        pObserver->OnScrollCaret();
}

void CRichEditCtrl::HideSelection(BOOL bHide, BOOL /*bPerm*/)
{
    if (!bHide == !m_bHideSelection)
        return;
    m_bHideSelection = bHide ? TRUE : FALSE;
    NotifyDisplay();
}

void CRichEditCtrl::SetRedraw(BOOL bRedraw)
{
    if (!bRedraw == !m_bRedraw)
        return;
    m_bRedraw = bRedraw ? TRUE : FALSE;
    if (m_bRedraw)
        NotifyDisplay();
}

COLORREF CRichEditCtrl::SetBackgroundColor(BOOL bSysColor, COLORREF cr)
{
    COLORREF crOld = m_crBackground;
    m_bSysBackground = bSysColor ? TRUE : FALSE;
    if (!bSysColor)
        m_crBackground = cr;
    NotifyDisplay();
    return crOld;
}

BOOL CRichEditCtrl::SetParaFormat(const PARAFORMAT& pf)
{
    if (!(pf.dwMask & PFM_TABSTOPS))
        return TRUE;
    if (pf.cTabCount < 0 || pf.cTabCount > MAX_TAB_STOPS)
        return FALSE;
    m_tabStops.assign(pf.rgxTabs, pf.rgxTabs + pf.cTabCount);
    NotifyDisplay();
    return TRUE;
}

DWORD CRichEditCtrl::GetParaFormat(PARAFORMAT& pf) const
{
    PARAFORMAT out{};
    out.cbSize = sizeof(PARAFORMAT);
    out.dwMask = PFM_TABSTOPS;
    out.cTabCount = static_cast<short>(m_tabStops.size());
    std::copy(m_tabStops.begin(), m_tabStops.end(), out.rgxTabs);
    pf = out;
    return pf.dwMask;
}

// ---- Streams

LONG CRichEditCtrl::StreamIn(int nFormat, EDITSTREAM& es)
{
    es.dwError = 0;
    bool bRtf = (nFormat & SF_RTF) != 0;
    bool bSelection = (nFormat & SFF_SELECTION) != 0;
    if (!es.pfnCallback || (!bRtf && !(nFormat & SF_TEXT))) {
        es.dwError = STREAM_INVALID_ARGUMENT;
        return 0;
    }
    LONG nStart = 0, nEnd = GetTextLength();
    if (bSelection) {
        GetSel(nStart, nEnd);
        CompactFormatsIfFull();
    } else {
        // Every character is replaced, so no format of the old text stays.
        m_formats.RemoveAll();
    }

    CTextPiece piece;
    if (m_nStreamInHint > 0) {
        piece.Reserve(m_nStreamInHint);
        m_nStreamInHint = 0;
    }
    CHARFORMAT cfStart = bSelection && !bRtf ? InsertionFormat(nStart, nEnd) : m_cfDefault;
    piece.SetFormat(m_formats.Intern(cfStart));
    CRtfReader reader(m_formats, m_cfDefault, piece);
    std::vector<BYTE> buffer(static_cast<size_t>(m_nTransferSize));
    for (;;) {
        LONG cb = 0;
        DWORD dwResult = es.pfnCallback(es.dwCookie, buffer.data(), m_nTransferSize, &cb);
        if (dwResult != 0) {
            es.dwError = dwResult;
            break;
        }
        if (cb <= 0)
            break;
        cb = std::min(cb, m_nTransferSize);
        if (bRtf)
            reader.Feed(buffer.data(), cb);
        else
            piece.AppendPlain(reinterpret_cast<const char*>(buffer.data()), cb);
    }
    reader.Finish();

    LONG nInserted = piece.GetLength();
    ReplaceRange(nStart, nEnd, piece, bSelection ? -1 : 0);
    if (!bSelection)
        m_bModified = FALSE;
    else if (nInserted > 0 || nEnd > nStart)
        m_bModified = TRUE;
    return nInserted;
}

LONG CRichEditCtrl::StreamOut(int nFormat, EDITSTREAM& es)
{
    es.dwError = 0;
    if (!es.pfnCallback || (nFormat & SF_RTF) || !(nFormat & SF_TEXT)) {
        es.dwError = STREAM_INVALID_ARGUMENT;
        return 0;
    }
    LONG nStart = 0, nEnd = GetTextLength();
    if (nFormat & SFF_SELECTION)
        GetSel(nStart, nEnd);
    std::vector<BYTE> buffer(static_cast<size_t>(m_nTransferSize));
    LONG nAt = nStart;
    while (nAt < nEnd) {
        LONG nChunk = std::min(m_nTransferSize, nEnd - nAt);
        m_text.Copy(nAt, nChunk, reinterpret_cast<char*>(buffer.data()));
        LONG cb = 0;
        DWORD dwResult = es.pfnCallback(es.dwCookie, buffer.data(), nChunk, &cb);
        if (dwResult != 0) {
            es.dwError = dwResult;
            break;
        }
        if (cb <= 0)
            break;  // the callback takes nothing more
        nAt += std::min(cb, nChunk);
    }
    return nAt - nStart;
}

// ---- Diagnostics

size_t CRichEditCtrl::GetMemoryUsage() const
{
    return sizeof(*this) + m_text.GetMemoryUsage() + m_lines.GetMemoryUsage() + m_runs.GetMemoryUsage() +
           m_formats.GetMemoryUsage() + m_observers.capacity() * sizeof(IRichEditObserver*);
}

CString CRichEditCtrl::Dump() const
{
    CString strDump = "text \"";
    CString strText = GetWindowText();
    for (int i = 0; i < strText.GetLength(); ++i) {
        char ch = strText[i];
        if (ch == '\r')
            strDump += "\\r";
        else if (ch == '\n')
            strDump += "\\n";
        else if (ch == '\t')
            strDump += "\\t";
        else if (ch == '"' || ch == '\\')
            strDump += CString('\\') + ch;
        else
            strDump += ch;
    }
    strDump += "\"\nlines";
    for (LONG nLine = 0; nLine < m_lines.GetLineCount(); ++nLine) {
        CString strLine;
        strLine.Format(" %d+%d", static_cast<int>(m_lines.LineStart(nLine)),
                       static_cast<int>(m_lines.LineLengthWithEnd(nLine)));
        strDump += strLine;
    }
    strDump += "\nruns";
    std::vector<DWORD> runs;
    m_runs.GetRuns(0, GetTextLength(), runs);
    LONG nAt = 0;
    // Items split at the 16-bit length limit are shown as one run.
    for (size_t i = 0; i < runs.size();) {
        int nFormat = CFormatRuns::RunFormat(runs[i]);
        LONG nLength = 0;
        for (; i < runs.size() && CFormatRuns::RunFormat(runs[i]) == nFormat; ++i)
            nLength += CFormatRuns::RunLength(runs[i]);
        CString strRun;
        strRun.Format(" %d+%d {%s}", static_cast<int>(nAt), static_cast<int>(nLength),
                      CCharFormatTable::Describe(m_formats.GetAt(nFormat)).c_str());
        strDump += strRun;
        nAt += nLength;
    }
    CString strSel;
    strSel.Format("\nsel %d-%d caret %d", static_cast<int>(std::min(m_nAnchor, m_nActive)),
                  static_cast<int>(std::max(m_nAnchor, m_nActive)), static_cast<int>(m_nActive));
    strDump += strSel;
    return strDump;
}

// ---- Window messages

LRESULT CRichEditCtrl::SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    LONG nStart, nEnd;
    switch (nMessage) {
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CUT:
        Cut();
        ScrollCaret();
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_PASTE:
        Paste();
        ScrollCaret();
        return 0;
    case WM_CLEAR:
        Clear();
        return 0;
    case EM_SETSEL:
        SetSel(static_cast<LONG>(static_cast<LPARAM>(wParam)), static_cast<LONG>(lParam));
        return 0;
    case EM_GETSEL:
        GetSel(nStart, nEnd);
        if (wParam)
            *reinterpret_cast<LONG*>(wParam) = nStart;
        if (lParam)
            *reinterpret_cast<LONG*>(lParam) = nEnd;
        return nStart;
    case EM_REPLACESEL:
        ReplaceSel(reinterpret_cast<const char*>(lParam));
        return 0;
    case EM_LINEFROMCHAR:
        return LineFromChar(static_cast<LONG>(static_cast<LPARAM>(wParam)));
    case EM_LINEINDEX:
        return LineIndex(static_cast<int>(static_cast<LPARAM>(wParam)));
    case WM_LBUTTONDOWN:
        m_nGoalColumn = -1;
        m_nMouseAnchor = (wParam & MK_SHIFT) ? m_nAnchor : static_cast<LONG>(lParam);
        SetSelection(m_nMouseAnchor, static_cast<LONG>(lParam));
        return 0;
    case WM_MOUSEMOVE:
        if (wParam & MK_LBUTTON)
            SetSelection(m_nMouseAnchor, static_cast<LONG>(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        CCaretMotion::WordAt(*this, static_cast<LONG>(lParam), nStart, nEnd);
        m_nMouseAnchor = nStart;
        SetSelection(nStart, nEnd);
        return 0;
    default:
        // Focus, key-up, button-up and the undo messages need nothing from
        // the plain control.
        return 0;
    }
}

void CRichEditCtrl::DeleteRange(LONG nStart, LONG nEnd)
{
    if (nStart >= nEnd)
        return;
    CTextPiece empty;
    ReplaceRange(nStart, nEnd, empty);
    m_bModified = TRUE;
}

void CRichEditCtrl::OnChar(UINT nChar)
{
    if (m_bReadOnly)
        return;
    m_nGoalColumn = -1;
    if (nChar == '\r') {
        ReplaceSel("\r\n");
    } else if (nChar == '\t') {
        ReplaceSel("\t");
    } else if (nChar >= 0x20 && nChar != 0x7F && nChar <= 0x10FFFF) {
        LONG nStart, nEnd;
        GetSel(nStart, nEnd);
        if (m_bOverwrite && nStart == nEnd && nStart < CCaretMotion::LineEnd(*this, nStart))
            SetSelection(nStart, CCaretMotion::Next(*this, nStart));
        CString strChar;
        CTextColumns::AppendUtf8(strChar, static_cast<char32_t>(nChar));
        ReplaceSel(strChar);
    } else {
        return;  // other control characters (Backspace is a key-down) insert nothing
    }
    ScrollCaret();
}

void CRichEditCtrl::MoveCaretTo(LONG nPos, BOOL bExtend, BOOL bKeepGoal)
{
    if (!bKeepGoal)
        m_nGoalColumn = -1;
    SetSelection(bExtend ? m_nAnchor : nPos, nPos);
    ScrollCaret();
}

void CRichEditCtrl::OnKeyDown(UINT nKey)
{
    BOOL bShift = CKeyState::IsDown(VK_SHIFT);
    BOOL bControl = CKeyState::IsDown(VK_CONTROL);
    LONG nStart, nEnd;
    GetSel(nStart, nEnd);
    LONG nCaret = m_nActive;
    switch (nKey) {
    case VK_BACK:
    case VK_DELETE:
        if (m_bReadOnly)
            return;
        m_nGoalColumn = -1;
        if (nStart < nEnd)
            DeleteRange(nStart, nEnd);
        else if (nKey == VK_BACK)
            DeleteRange(CCaretMotion::Previous(*this, nCaret), nCaret);
        else
            DeleteRange(nCaret, CCaretMotion::Next(*this, nCaret));
        ScrollCaret();
        return;
    case VK_LEFT:
    case VK_RIGHT: {
        BOOL bLeft = nKey == VK_LEFT;
        LONG nTo;
        if (!bShift && nStart < nEnd && !bControl)
            nTo = bLeft ? nStart : nEnd;
        else if (bControl)
            nTo = bLeft ? CCaretMotion::WordLeft(*this, nCaret) : CCaretMotion::WordRight(*this, nCaret);
        else
            nTo = bLeft ? CCaretMotion::Previous(*this, nCaret) : CCaretMotion::Next(*this, nCaret);
        MoveCaretTo(nTo, bShift);
        return;
    }
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: {
        if (m_nGoalColumn < 0)
            m_nGoalColumn = CCaretMotion::ColumnAt(*this, nCaret, m_nTabColumns);
        int nLines = (nKey == VK_UP || nKey == VK_DOWN) ? 1 : m_nPageLines;
        if (nKey == VK_UP || nKey == VK_PRIOR)
            nLines = -nLines;
        if (nKey == VK_PRIOR || nKey == VK_NEXT)
            LineScroll(nLines);
        MoveCaretTo(CCaretMotion::LineMove(*this, nCaret, nLines, m_nGoalColumn, m_nTabColumns), bShift, TRUE);
        return;
    }
    case VK_HOME:
        MoveCaretTo(bControl ? 0 : CCaretMotion::LineStart(*this, nCaret), bShift);
        return;
    case VK_END:
        MoveCaretTo(bControl ? GetTextLength() : CCaretMotion::LineEnd(*this, nCaret), bShift);
        return;
    case VK_INSERT:
        if (!bShift && !bControl)
            m_bOverwrite = !m_bOverwrite;
        NotifySelection();  // the caret's shape follows the mode
        return;
    case 'A':
        if (bControl && !bShift)
            SetSelection(0, GetTextLength());
        return;
    default:
        return;
    }
}

void CRichEditCtrl::BeginDrag()
{
    GetSel(m_nDragStart, m_nDragEnd);
}

void CRichEditCtrl::EndDrag()
{
    m_nDragStart = m_nDragEnd = -1;
}

BOOL CRichEditCtrl::DropText(LONG nPos, const char* pszText, BOOL bCopy)
{
    if (m_bReadOnly || !pszText)
        return FALSE;
    nPos = std::clamp<LONG>(nPos, 0, GetTextLength());
    if (!bCopy && m_nDragStart >= 0 && m_nDragStart < m_nDragEnd) {
        if (nPos >= m_nDragStart && nPos <= m_nDragEnd) {
            EndDrag();
            return FALSE;  // dropped onto itself: nothing moves
        }
        DeleteRange(m_nDragStart, m_nDragEnd);
        if (nPos > m_nDragEnd)
            nPos -= m_nDragEnd - m_nDragStart;
    }
    EndDrag();
    SetSelection(nPos, nPos);
    LONG nBefore = GetTextLength();
    ReplaceSel(pszText);
    SetSelection(nPos, nPos + (GetTextLength() - nBefore));
    return TRUE;
}
