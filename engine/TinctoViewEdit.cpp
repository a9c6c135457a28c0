// CTinctoView: editing commands: automatic indentation, tabs, block indent,
// commenting out, smart Home, brace matching, words, drag and drop and
// replace.
#include "TinctoView.h"

#include "CaretMotion.h"
#include "KeyState.h"
#include "ReplaceAllUndo.h"
#include "RichEditCtrl.h"
#include "UserInterface.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

}  // namespace

// ---- Indentation and tabs

void CTinctoView::AutoIndent()
{
    if (m_bUndoing || m_bRedoing || !m_pEditCtrl)
        return;
    int nLine = m_pEditCtrl->LineFromChar(m_pEditCtrl->GetCaret());
    if (nLine < 1)
        return;
    CString strPrev = CCaretMotion::LineText(*m_pEditCtrl, nLine - 1);
    CString strIndent;
    int i = 0;
    for (; i < strPrev.GetLength() && IsBlank(strPrev[i]); ++i) {
        if (strPrev[i] == '\t' && m_bSpaceForTab)
            strIndent += m_strTabSpaces;
        else
            strIndent += strPrev[i];
    }
    if (m_bSmartIndent && strPrev.GetLength() > 0) {
        char chLast = strPrev[strPrev.GetLength() - 1];
        if (chLast == '{' || chLast == ')' || chLast == ':')
            strIndent += m_bSpaceForTab ? m_strTabSpaces : CString('\t');
    }
    if (strIndent.IsEmpty())
        return;
    InsertText(strIndent);
}

void CTinctoView::AutoIndentBrace()
{
    if (m_bUndoing || m_bRedoing || !m_pEditCtrl)
        return;
    ReadCurrentLine();
    int nLength = m_CurLine.GetLength();
    int nColumn = m_CurLine.GetLCharIndex();
    if (nLength < 2 || nColumn != nLength)
        return;
    char chBrace = m_CurLine.GetChar(nLength - 1);
    if (chBrace != '{' && chBrace != '}')
        return;
    for (int i = 0; i < nLength - 1; ++i)
        if (!IsBlank(m_CurLine.GetChar(i)))
            return;
    CString strIndent(m_CurLine.GetText(), nLength - 1);
    if (strIndent[strIndent.GetLength() - 1] == '\t')
        strIndent = strIndent.Left(strIndent.GetLength() - 1);
    else if (m_bSpaceForTab && strIndent.GetLength() > m_strTabSpaces.GetLength())
        strIndent = strIndent.Left(strIndent.GetLength() - m_strTabSpaces.GetLength());
    else
        return;
    long lStart = m_CurLine.GetIndex();
    m_pEditCtrl->SetSel(lStart, lStart + nLength - 1);
    if (strIndent.IsEmpty())
        SendMessage(WM_CLEAR, 0, 0);
    else
        InsertText(strIndent);
    LONG nAfter = lStart + strIndent.GetLength() + 1;
    m_pEditCtrl->SetSel(nAfter, nAfter);
}

void CTinctoView::InsertSpaceForTab()
{
    InsertText(m_strTabSpaces);
}

void CTinctoView::InsertSpaceForTab(CString& str)
{
    CString strOut;
    for (int i = 0; i < str.GetLength(); ++i) {
        if (str[i] == '\t')
            strOut += m_strTabSpaces;
        else
            strOut += str[i];
    }
    str = strOut;
}

void CTinctoView::OnShiftTab()
{
    LONG nCaret = m_pEditCtrl->GetCaret();
    int nLine = m_pEditCtrl->LineFromChar(nCaret);
    LONG nLineStart = m_pEditCtrl->LineIndex(nLine);
    if (nCaret <= nLineStart)
        return;
    CString strBefore;
    m_pEditCtrl->GetTextRange(nCaret - 1, nCaret, strBefore);
    LONG nTo;
    if (strBefore == "\t") {
        nTo = nCaret - 1;
    } else {
        int nColumn = CCaretMotion::ColumnAt(*m_pEditCtrl, nCaret, m_nTabSize);
        int nBack = nColumn % m_nTabSize;
        if (nBack == 0)
            nBack = m_nTabSize;
        nTo = std::max<LONG>(nLineStart, nCaret - nBack);
    }
    m_pEditCtrl->SetSel(nTo, nTo);
}

void CTinctoView::SmartHome()
{
    BOOL bWasModified = IsDocModified();
    LONG nCaret = m_pEditCtrl->GetCaret();
    int nLine = m_pEditCtrl->LineFromChar(nCaret);
    LONG nLineStart = m_pEditCtrl->LineIndex(nLine);
    CString strLine = CCaretMotion::LineText(*m_pEditCtrl, nLine);
    int nFirst = 0;
    while (nFirst < strLine.GetLength() && IsBlank(strLine[nFirst]))
        ++nFirst;
    LONG nTo = nCaret == nLineStart + nFirst ? nLineStart : nLineStart + nFirst;
    m_pEditCtrl->SetSel(nTo, nTo);
    m_pEditCtrl->ScrollCaret();
    KeepUnmodified(bWasModified);
}

// Replaces lines nFirstLine..nLastLine (whole, without the last line end)
// by strText and selects them again.
void CTinctoView::ReplaceLines(int nFirstLine, int nLastLine, const CString& strText)
{
    LONG nStart = m_pEditCtrl->LineIndex(nFirstLine);
    LONG nLastStart = m_pEditCtrl->LineIndex(nLastLine);
    LONG nEnd = nLastStart + m_pEditCtrl->LineLength(nLastStart);
    m_pEditCtrl->SetSel(nStart, nEnd);
    m_bInBlockEdit = TRUE;
    if (strText.IsEmpty())
        SendMessage(WM_CLEAR, 0, 0);
    else
        InsertText(strText);
    m_bInBlockEdit = FALSE;
    LONG nNewLast = m_pEditCtrl->LineIndex(nLastLine);
    m_pEditCtrl->SetSel(nStart, nNewLast + m_pEditCtrl->LineLength(nNewLast));
}

void CTinctoView::BlockIndent(BOOL bOutdent)
{
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);
    int nFirstLine = m_pEditCtrl->LineFromChar(nStart);
    int nLastLine = m_pEditCtrl->LineFromChar(std::max<LONG>(nStart, nEnd - 2));
    CString strText;
    for (int nLine = nFirstLine; nLine <= nLastLine; ++nLine) {
        CString strLine = CCaretMotion::LineText(*m_pEditCtrl, nLine);
        if (!bOutdent) {
            strLine = "\t" + strLine;
        } else if (!strLine.IsEmpty() && strLine[0] == '\t') {
            strLine = strLine.Mid(1);
        } else {
            int nSpaces = 0;
            while (nSpaces < m_nTabSize && nSpaces < strLine.GetLength() && strLine[nSpaces] == ' ')
                ++nSpaces;
            strLine = strLine.Mid(nSpaces);
        }
        if (nLine > nFirstLine)
            strText += "\n";
        strText += strLine;
    }
    ReplaceLines(nFirstLine, nLastLine, strText);
}

void CTinctoView::OnBlockComment()
{
    if (!m_pEditCtrl || m_bReadOnly)
        return;
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);
    int nFirstLine = m_pEditCtrl->LineFromChar(nStart);
    int nLastLine = m_pEditCtrl->LineFromChar(std::max<LONG>(nStart, nEnd - 2));
    if (nLastLine <= nFirstLine)
        return;
    CString strText;
    for (int nLine = nFirstLine; nLine <= nLastLine; ++nLine) {
        CString strLine = CCaretMotion::LineText(*m_pEditCtrl, nLine);
        if (strLine.GetLength() >= 2 && strLine[0] == '/' && strLine[1] == '/')
            strLine = strLine.Mid(2);
        else
            strLine = "//" + strLine;
        if (nLine > nFirstLine)
            strText += "\n";
        strText += strLine;
    }
    ReplaceLines(nFirstLine, nLastLine, strText);
}

// ---- Words

int CTinctoView::GetWordAt(CEditorLine* pLine, int nPos, int& nStart, int& nEnd)
{
    CLanguage* pLanguage = GetLanguage();
    int nColumn = nPos - static_cast<int>(pLine->GetIndex());
    int nLength = std::min(pLine->GetLength(), static_cast<int>(CEditorLine::MAX_LINE));
    nColumn = std::clamp(nColumn, 0, nLength);
    // A full stop belongs to a word while the word so far is a number.
    auto isNumberStart = [&](int nFrom) {
        char ch = pLine->GetChar(nFrom);
        return ch >= '0' && ch <= '9';
    };
    nStart = nColumn;
    while (nStart > 0) {
        char ch = pLine->GetChar(nStart - 1);
        if (!pLanguage->IsDelimiter(ch, FALSE))
            --nStart;
        else if (ch == '.' && nStart > 1 && isNumberStart(nStart - 2))
            --nStart;
        else
            break;
    }
    nEnd = nColumn;
    BOOL bNumber = nStart < nLength && isNumberStart(nStart);
    while (nEnd < nLength && !pLanguage->IsDelimiter(pLine->GetChar(nEnd), bNumber))
        ++nEnd;
    return nEnd - nStart;
}

void CTinctoView::GetWordAtCursor(CString& strWord, BOOL bSelect)
{
    if (!m_pEditCtrl)
        return;
    ReadCurrentLine();
    int nStart, nEnd;
    if (GetWordAt(&m_CurLine, static_cast<int>(m_CurLine.GetCursor()), nStart, nEnd) <= 0)
        return;
    strWord = CString(m_CurLine.GetText() + nStart, nEnd - nStart);
    if (bSelect)
        m_pEditCtrl->SetSel(m_CurLine.GetIndex() + nStart, m_CurLine.GetIndex() + nEnd);
}

void CTinctoView::KeywordAt(CEditorLine* pLine, int /*nLine*/, int nPos)
{
    int nStart, nEnd;
    long lLine = pLine->GetIndex();
    if (GetWordAt(pLine, nPos, nStart, nEnd) <= 0) {
        // No word: only the character before the position may need normal text.
        int nColumn = nPos - static_cast<int>(lLine);
        if (nColumn <= 0 || nColumn > pLine->GetLength())
            return;
        char ch = pLine->GetChar(nColumn - 1);
        if (m_Patterns.CheckPatternChar(this, ch, nPos - 1))
            return;
        if (!IsFormat(nPos - 1, nPos, &m_NormalTxt, FALSE))
            ColorizeText(nPos - 1, nPos, &m_NormalTxt, FALSE);
        return;
    }
    int nWordStart = static_cast<int>(lLine) + nStart;
    int nWordEnd = static_cast<int>(lLine) + nEnd;
    if (m_Patterns.IsBlockFormat(this, nWordStart, nWordEnd) || IsFormat(nWordStart, nWordEnd, &m_LineCommentTxt, FALSE)) {
        // Comment or string text stays so unless the mark that made it is gone.
        if (m_Patterns.CheckForStringCharPatternUndo(this, pLine, nWordStart, nWordEnd))
            return;
        if (m_Patterns.CheckForCommentCharPatternUndo(this, pLine, nWordStart, nWordEnd))
            ColorizeBuffer(nWordStart, -1, TRUE);
        return;
    }
    // The tokenizer colours the word exactly as a whole recolouring would;
    // the blanks after it take normal text, so typing goes on in it.
    while (nEnd < pLine->GetLength() && IsBlank(pLine->GetChar(nEnd)))
        ++nEnd;
    ColorizeBuffer(nWordStart, static_cast<int>(lLine) + nEnd, TRUE);
}

// ---- Brace matching

void CTinctoView::FindBraceParenthesisPair()
{
    if (!m_pEditCtrl)
        return;
    LONG nCaret = m_pEditCtrl->GetCaret();
    auto bracketAt = [&](LONG nPos) -> char {
        if (nPos < 0 || nPos >= m_pEditCtrl->GetTextLength())
            return 0;
        CString str;
        m_pEditCtrl->GetTextRange(nPos, nPos + 1, str);
        char ch = str.IsEmpty() ? 0 : str[0];
        if (ch != '(' && ch != ')' && ch != '{' && ch != '}')
            return 0;
        if (m_Patterns.IsBlockFormat(this, nPos, nPos + 1) || IsFormat(nPos, nPos + 1, &m_LineCommentTxt, FALSE))
            return 0;
        return ch;
    };
    LONG nAt = nCaret;
    char ch = bracketAt(nAt);
    if (!ch) {
        nAt = nCaret - 1;
        ch = bracketAt(nAt);
    }
    if (!ch)
        return;
    m_pEditCtrl->SetSel(nAt, nAt);
    CUserInterface::Get().SetWaitCursor(TRUE);
    switch (ch) {
    case '{': FindNextChar('}', '{', 1); break;
    case '}': FindNextChar('{', '}', 2); break;
    case '(': FindNextChar(')', '(', 1); break;
    default: FindNextChar('(', ')', 2); break;
    }
    CUserInterface::Get().SetWaitCursor(FALSE);
}

void CTinctoView::FindNextChar(char chTarget, char chOwn, int nDirection)
{
    LONG nFrom = m_pEditCtrl->GetCaret();
    int nLine = m_pEditCtrl->LineFromChar(nFrom);
    int nDepth = 0;
    int nLineCount = m_pEditCtrl->GetLineCount();
    BOOL bFirst = TRUE;
    while (nLine >= 0 && nLine < nLineCount) {
        LONG nLineStart = m_pEditCtrl->LineIndex(nLine);
        CString strLine = CCaretMotion::LineText(*m_pEditCtrl, nLine);
        int nLength = strLine.GetLength();
        int nColumn;
        if (nDirection == 1)
            nColumn = bFirst ? static_cast<int>(nFrom - nLineStart) + 1 : 0;
        else
            nColumn = bFirst ? static_cast<int>(nFrom - nLineStart) - 1 : nLength - 1;
        bFirst = FALSE;
        for (; nColumn >= 0 && nColumn < nLength; nColumn += nDirection == 1 ? 1 : -1) {
            char ch = strLine[nColumn];
            if (ch != chTarget && ch != chOwn)
                continue;
            LONG nPos = nLineStart + nColumn;
            if (m_Patterns.IsBlockFormat(this, nPos, nPos + 1) || IsFormat(nPos, nPos + 1, &m_LineCommentTxt, FALSE))
                continue;
            if (ch == chOwn) {
                ++nDepth;
            } else if (nDepth > 0) {
                --nDepth;
            } else {
                m_pEditCtrl->SetSel(nPos, nPos);
                m_pEditCtrl->ScrollCaret();
                return;
            }
        }
        nLine += nDirection == 1 ? 1 : -1;
    }
}

// ---- Drag and drop

void CTinctoView::BeginDrag()
{
    m_bDragSource = FALSE;
    if (!m_pEditCtrl)
        return;
    m_pEditCtrl->GetSel(m_lDragStart, m_lDragEnd);
    m_bDragSource = m_lDragEnd - m_lDragStart > 1;
}

void CTinctoView::EndDrag()
{
    m_bDragSource = FALSE;
    m_lDragStart = m_lDragEnd = -1;
}

BOOL CTinctoView::DropText(LONG nPos, const char* pszText, BOOL bCopy)
{
    if (!m_pEditCtrl || m_bReadOnly || !pszText || !*pszText)
        return FALSE;
    nPos = std::clamp<LONG>(nPos, 0, m_pEditCtrl->GetTextLength());
    // The view the text was dragged from, when it is one of ours.
    CTinctoView* pSource = nullptr;
    for (POSITION pos = m_pViewList.GetHeadPosition(); pos;) {
        CTinctoView* pView = static_cast<CTinctoView*>(m_pViewList.GetNext(pos));
        if (pView->m_bDragSource) {
            pSource = pView;
            break;
        }
    }
    if (pSource == this && nPos >= m_lDragStart && nPos <= m_lDragEnd) {
        EndDrag();
        return FALSE;  // dropped onto itself
    }
    if (pSource && !bCopy) {
        LONG nSourceStart = pSource->m_lDragStart, nSourceEnd = pSource->m_lDragEnd;
        pSource->m_pEditCtrl->SetSel(nSourceStart, nSourceEnd);
        pSource->SendMessage(WM_CLEAR, 0, 0);
        if (pSource == this && nPos > nSourceEnd)
            nPos -= nSourceEnd - nSourceStart;
    }
    if (pSource)
        pSource->EndDrag();
    m_pEditCtrl->SetSel(nPos, nPos);
    LONG nBefore = m_pEditCtrl->GetTextLength();
    InsertText(pszText);
    m_pEditCtrl->SetSel(nPos, nPos + (m_pEditCtrl->GetTextLength() - nBefore));
    return TRUE;
}

// ---- Replace

void CTinctoView::OnReplaceSel(const char* pszFind, BOOL /*bNext*/, BOOL bCase, BOOL /*bWord*/, const char* pszReplace)
{
    if (!m_pEditCtrl || m_bReadOnly)
        return;
    CString strSel = m_pEditCtrl->GetSelText();
    CString strFind(pszFind);
    BOOL bMatch = bCase ? strSel == strFind : strSel.CompareNoCase(strFind) == 0;
    if (!bMatch)
        return;
    CString strReplace(pszReplace ? pszReplace : "");
    if (strReplace.IsEmpty())
        SendMessage(WM_CLEAR, 0, 0);
    else
        InsertText(strReplace);
}

int CTinctoView::OnReplaceAll(const char* pszFind, const char* pszReplace, BOOL bCase, BOOL bWord)
{
    if (!m_pEditCtrl || m_bReadOnly || !pszFind || !*pszFind)
        return 0;
    CString strFind(pszFind);
    CString strReplace(pszReplace ? pszReplace : "");
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);
    LONG nRangeEnd = -1;
    if (nStart < nEnd && m_pEditCtrl->GetSelText().CompareNoCase(strFind) != 0) {
        nRangeEnd = nEnd;
    } else {
        nStart = 0;
    }
    CReplaceAllUndo* pUndo = static_cast<CReplaceAllUndo*>(AddReplaceUndo(pszFind, strReplace));
    CUserInterface::Get().SetWaitCursor(TRUE);
    m_pEditCtrl->HideSelection(TRUE);
    m_bReplaceAll = TRUE;
    BOOL bWasUndoing = m_bUndoing;
    m_bUndoing = TRUE;  // the single replacements record no steps of their own
    DWORD dwFlags = FR_DOWN | (bCase ? FR_MATCHCASE : 0) | (bWord ? FR_WHOLEWORD : 0);
    int nCount = 0;
    LONG nFrom = nStart;
    for (;;) {
        FINDTEXTEX ft{{nFrom, nRangeEnd}, pszFind, {-1, -1}};
        if (m_pEditCtrl->FindText(dwFlags, &ft) < 0)
            break;
        m_pEditCtrl->SetSel(ft.chrgText.cpMin, ft.chrgText.cpMax);
        if (pUndo)
            pUndo->AddUndo();
        LONG nBefore = m_pEditCtrl->GetTextLength();
        if (strReplace.IsEmpty())
            SendMessage(WM_CLEAR, 0, 0);
        else
            InsertText(strReplace);
        LONG nDelta = m_pEditCtrl->GetTextLength() - nBefore;
        if (nRangeEnd >= 0)
            nRangeEnd += nDelta;
        nFrom = ft.chrgText.cpMin + (ft.chrgText.cpMax - ft.chrgText.cpMin) + nDelta;
        ++nCount;
    }
    m_bUndoing = bWasUndoing;
    m_bReplaceAll = FALSE;
    m_pEditCtrl->HideSelection(FALSE);
    CUserInterface::Get().SetWaitCursor(FALSE);
    if (nCount > 0)
        OnReplaceAllCountDisplay(nCount);
    else
        CUserInterface::Get().Beep();  // nothing found
    return nCount;
}
