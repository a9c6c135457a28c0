#include "Patterns.h"

#include "Block.h"
#include "EditorLine.h"
#include "RichEditCtrl.h"
#include "TinctoView.h"

#include <algorithm>

namespace {

// Backward scans read the control in pieces of this many bytes.
const LONG SCAN_CHUNK = 4096;

CRichEditCtrl* CtrlOf(CTinctoView* pView)
{
    return pView ? pView->GetEditCtrl() : nullptr;
}

// Character at nPos of the control's text; 0 outside it.
char CharAt(const CRichEditCtrl* pCtrl, LONG nPos)
{
    if (!pCtrl || nPos < 0 || nPos >= pCtrl->GetTextLength())
        return 0;
    CString str;
    pCtrl->GetTextRange(nPos, nPos + 1, str);
    return str.GetLength() == 1 ? str[0] : 0;
}

// [nStart, nEnd) shows the format's colour (an empty range: the colour new
// text would take there). Reads the control directly, so the selection stays.
BOOL HasColour(CTinctoView* pView, LONG nStart, LONG nEnd, CTextFormat* pFormat)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nStart < 0)
        return FALSE;
    CHARFORMAT cf{};
    DWORD dwMask = pCtrl->GetCharFormat(nStart, nEnd, cf);
    return pFormat->IsFormat(cf, dwMask);
}

// The text from the start of nPos's line up to nPos; returns the line start.
LONG LinePrefix(const CRichEditCtrl* pCtrl, LONG nPos, CString& str)
{
    LONG nLineStart = pCtrl->LineIndex(pCtrl->LineFromChar(nPos));
    if (nLineStart < 0 || nLineStart > nPos)
        nLineStart = nPos;
    pCtrl->GetTextRange(nLineStart, nPos, str);
    return nLineStart;
}

// First occurrence of pszText at or after nFrom; -1 if none.
LONG FindForward(const CRichEditCtrl* pCtrl, LONG nFrom, const char* pszText)
{
    FINDTEXTEX ft{};
    ft.chrg.cpMin = std::max<LONG>(nFrom, 0);
    ft.chrg.cpMax = -1;
    ft.lpstrText = pszText;
    return pCtrl->FindText(FR_DOWN | FR_MATCHCASE, &ft);
}

// Scans backwards from the character before nPos for the nearest comment
// mark lying wholly before nPos: "/*" gives TRUE with lStart at its slash,
// "*/" gives FALSE, the start of the text gives FALSE. A "*/" whose star
// follows a slash ends a comment too: the tokenizer closes "/*/".
BOOL FindOpenerBackwards(const CRichEditCtrl* pCtrl, LONG nPos, long& lStart)
{
    CString strChunk;
    LONG nHigh = std::min(nPos, pCtrl->GetTextLength());
    char chRight = 0;  // the character at nHigh, when it lies before nPos
    while (nHigh > 0) {
        LONG nLow = std::max<LONG>(0, nHigh - SCAN_CHUNK);
        pCtrl->GetTextRange(nLow, nHigh, strChunk);
        const char* p = strChunk;
        for (LONG i = nHigh - 1; i >= nLow; --i) {
            char ch = p[i - nLow];
            char chNext = i + 1 < nHigh ? p[i + 1 - nLow] : chRight;
            if (i + 1 >= nPos)
                continue;
            if (ch == '*' && chNext == '/') {
                return FALSE;
            } else if (ch == '/' && chNext == '*') {
                lStart = i;
                return TRUE;
            }
        }
        chRight = p[0];
        nHigh = nLow;
    }
    return FALSE;
}

// The removed or replaced character (and its neighbours) make or break "//".
BOOL TouchesLineCommentMark(const CEditorLine& line, int nColumn)
{
    char ch = line[nColumn];
    return (ch == '/' && (line[nColumn - 1] == '/' || line[nColumn + 1] == '/'))
        || (line[nColumn - 1] == '/' && line[nColumn + 1] == '/');
}

void SetBlock(CBlock& block, int nType, long lStart)
{
    block.SetType(nType);
    block.SetStart(static_cast<int>(lStart));
}

// Recolours the line, keeping an empty selection where it is.
void RecolourLine(CTinctoView* pView, CEditorLine& line)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    LONG nStart, nEnd;
    pCtrl->GetSel(nStart, nEnd);
    pView->ParseLine(&line, nStart == nEnd ? nStart : -1);
}

} // namespace

// ---- Queries

BOOL CPatterns::IsInLineComment(CTinctoView* pView, int nPosition, long& lStart)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nPosition < 0)
        return FALSE;
    CString strLine;
    LONG nLineStart = LinePrefix(pCtrl, std::min<LONG>(nPosition, pCtrl->GetTextLength()), strLine);
    const char* p = strLine;
    for (int i = strLine.GetLength() - 2; i >= 0; --i) {
        if (p[i] == '/' && p[i + 1] == '/') {
            lStart = nLineStart + i;
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CPatterns::IsInStringText(CTinctoView* pView, int nPosition, long& lStart)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nPosition < 0)
        return FALSE;
    if (nPosition == 0 && CharAt(pCtrl, 0) == '"') {
        lStart = 0;
        return TRUE;
    }
    CString strLine;
    LONG nLineStart = LinePrefix(pCtrl, std::min<LONG>(nPosition, pCtrl->GetTextLength()), strLine);
    const char* p = strLine;
    int nQuotes = 0;
    int nLast = -1;
    for (int i = 0; i < strLine.GetLength(); ++i) {
        if (p[i] == '"' && (i == 0 || p[i - 1] != '\\')) {
            ++nQuotes;
            nLast = i;
        }
    }
    if (nQuotes % 2 == 0)
        return FALSE;
    lStart = nLineStart + nLast;
    return TRUE;
}

BOOL CPatterns::IsInBlockComment(CTinctoView* pView, int nPosition, long& lStart)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nPosition < 0)
        return FALSE;
    long lLineComment = 0;
    if (!HasColour(pView, nPosition, nPosition + 1, &CTinctoView::m_BlockCommentTxt)
        && !IsInLineComment(pView, nPosition, lLineComment))
        return FALSE;
    return FindOpenerBackwards(pCtrl, nPosition, lStart);
}

CTextFormat* CPatterns::IsInBlockPattern(CTinctoView* pView, int nPosition, long& lStart)
{
    if (IsInBlockComment(pView, nPosition, lStart))
        return &CTinctoView::m_BlockCommentTxt;
    if (IsInStringText(pView, nPosition, lStart))
        return &CTinctoView::m_StringTxt;
    lStart = nPosition;
    return &CTinctoView::m_NormalTxt;
}

BOOL CPatterns::IsBlockFormat(CTinctoView* pView, int nStart, int nEnd)
{
    return HasColour(pView, nStart, nEnd, &CTinctoView::m_BlockCommentTxt)
        || HasColour(pView, nStart, nEnd, &CTinctoView::m_StringTxt);
}

BOOL CPatterns::CheckPatternChar(CTinctoView* pView, char ch, int nPosition)
{
    if (ch == '\t' || ch == ' ' || ch == '"' || ch == '*' || ch == '/' || ch == '\\')
        return TRUE;
    long lStart = 0;
    return IsInBlockComment(pView, nPosition, lStart) || IsInLineComment(pView, nPosition, lStart)
        || IsInStringText(pView, nPosition, lStart);
}

BOOL CPatterns::CheckForBlockPatternsInLine(CTinctoView*, CEditorLine& line, CBlock& block)
{
    if (line.FindTextA("/*") < 0)
        return FALSE;
    SetBlock(block, 1, line.GetIndex());
    return TRUE;
}

// ---- Carrying out

void CPatterns::ParseBlock(CTinctoView* pView, CBlock* pBlock, int nCaret)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || !pBlock)
        return;
    int nStart = pBlock->GetStart();
    switch (pBlock->GetType()) {
    case 1: {
        LONG nFound = FindForward(pCtrl, nCaret + 1, "*/");
        pView->ColorizeBuffer(nStart, nFound < 0 ? -1 : static_cast<int>(nFound + 2), TRUE);
        break;
    }
    case 2: {
        long lComment = 0;
        if (!IsInBlockComment(pView, nStart, lComment))
            lComment = 0;
        pView->ColorizeBuffer(static_cast<int>(lComment), -1, TRUE);
        break;
    }
    case 3:
        pView->ColorizeBuffer(nStart, -1, TRUE);
        break;
    case 4:
        pView->ColorizeBuffer(nStart, pBlock->GetEnd(), TRUE);
        break;
    default:
        break;
    }
}

void CPatterns::OnBlockCommentBegin(CTinctoView* pView, long lPosition)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || lPosition < 0)
        return;
    LONG nFound = FindForward(pCtrl, lPosition + 2, "*/");
    LONG nEnd = nFound < 0 ? pCtrl->GetTextLength() : nFound + 2;
    pView->ColorizeText(static_cast<int>(lPosition), static_cast<int>(nEnd), &CTinctoView::m_BlockCommentTxt, TRUE);
    pView->ColorizeText(static_cast<int>(nEnd), static_cast<int>(nEnd), &CTinctoView::m_NormalTxt, TRUE);
}

void CPatterns::OnBlockCommentEnd(CTinctoView* pView, long lPosition)
{
    // lPosition is just after the "*/". Asking at its slash lets the scan
    // see a "/*" that shares the star ("/*/" is a whole comment).
    long lStart = 0;
    if (!IsInBlockComment(pView, static_cast<int>(lPosition - 1), lStart))
        return;
    if (!HasColour(pView, lStart, lPosition, &CTinctoView::m_BlockCommentTxt))
        pView->ColorizeText(static_cast<int>(lStart), static_cast<int>(lPosition), &CTinctoView::m_BlockCommentTxt,
                            TRUE);
    pView->ColorizeBuffer(static_cast<int>(lPosition), -1, TRUE);
}

// ---- Before an edit

namespace {

// Shared by cut and typing over a selection; nStringOffset is where after
// the selection's ends the string test looks.
BOOL PreProcessSelection(CPatterns* pPatterns, CTinctoView* pView, CBlock& block, int& bParseLine, int nStringOffset)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl)
        return FALSE;
    LONG nStart, nEnd;
    pCtrl->GetSel(nStart, nEnd);
    long lComment = 0;
    if (pPatterns->IsInBlockComment(pView, nStart + 2, lComment)) {
        SetBlock(block, 1, lComment);
    } else if (pPatterns->IsInBlockComment(pView, nEnd + 2, lComment)) {
        SetBlock(block, 1, nStart + (lComment - nEnd));
    } else if (pPatterns->IsInLineComment(pView, nStart + 2, lComment)
               || pPatterns->IsInLineComment(pView, nEnd + 2, lComment)
               || pPatterns->IsInStringText(pView, nStart + nStringOffset, lComment)
               || pPatterns->IsInStringText(pView, nEnd + nStringOffset, lComment)) {
        bParseLine = TRUE;
    } else {
        CString strSel;
        pCtrl->GetTextRange(nStart, nEnd, strSel);
        if (strSel.Find("/*") < 0)
            return FALSE;
        SetBlock(block, 3, nStart);
    }
    return TRUE;
}

} // namespace

BOOL CPatterns::PreProcessCut(CTinctoView* pView, CBlock& block, int& bParseLine)
{
    return PreProcessSelection(this, pView, block, bParseLine, 0);
}

BOOL CPatterns::PreProcessReplace(CTinctoView* pView, CBlock& block, int& bParseLine)
{
    return PreProcessSelection(this, pView, block, bParseLine, 1);
}

BOOL CPatterns::PreProcessPaste(CTinctoView* pView, CBlock& block, int& bParseLine)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl)
        return FALSE;
    LONG nStart, nEnd;
    pCtrl->GetSel(nStart, nEnd);
    long lStart = 0;
    if (IsInBlockComment(pView, nStart + 2, lStart)) {
        SetBlock(block, 3, lStart);
        return TRUE;
    }
    if (IsInLineComment(pView, nStart, lStart) || IsInStringText(pView, nStart, lStart))
        bParseLine = TRUE;
    const CString& strText = pView->GetBuffer();
    int nOpen = strText.Find("/*");
    int nClose = strText.Find("*/");
    if (nOpen < 0 || (nClose >= 0 && nClose >= nOpen)) {
        int nLength = strText.GetLength();
        if (nLength > 0 && strText[0] == '*' && CharAt(pCtrl, nStart - 1) == '/') {
            SetBlock(block, 3, nStart - 2);
            return TRUE;
        }
        if (!(nLength > 0 && strText[nLength - 1] == '/' && CharAt(pCtrl, nEnd) == '*'))
            return FALSE;
    }
    SetBlock(block, 3, nStart);
    return TRUE;
}

BOOL CPatterns::CheckForOverWritePattern(CTinctoView* pView, CEditorLine& line, CBlock& block, int& bParseLine)
{
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    char ch = line[c];
    if (ch == '"' || ch == '\\') {
        if (!CheckForBlockPatternsInLine(pView, line, block))
            bParseLine = TRUE;
        return TRUE;
    }
    if ((ch == '/' && line[c + 1] == '/') || (ch == '/' && line[c - 1] == '/')
        || (line[c - 1] == '/' && line[c - 2] == '/') || (line[c - 1] == '/' && line[c + 1] == '/')) {
        bParseLine = TRUE;
        return TRUE;
    }
    if (ch == '/' && line[c + 1] == '*' && !HasColour(pView, p - 1, p, &CTinctoView::m_BlockCommentTxt)) {
        SetBlock(block, 1, p - 1);
        return TRUE;
    }
    if (ch == '*' && line[c - 1] == '/' && !HasColour(pView, p - 2, p - 1, &CTinctoView::m_BlockCommentTxt)) {
        SetBlock(block, 1, p - 2);
        return TRUE;
    }
    if (ch == '/' && line[c - 1] == '*') {
        SetBlock(block, 2, p - 2);
        return TRUE;
    }
    if (ch == '*' && line[c + 1] == '/') {
        SetBlock(block, 2, p - 1);
        return TRUE;
    }
    return FALSE;
}

BOOL CPatterns::CheckBSDelPatternMakeBreak(CTinctoView* pView, UINT nKey, CEditorLine& line, CBlock& block,
                                           int& bParseLine)
{
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    BOOL bBack = nKey == VK_BACK;
    int r = bBack ? c - 1 : c;  // column of the character that goes
    if (r < 0 || r >= line.GetLength())
        return FALSE;
    char ch = line[r];
    long lStart = 0;
    if (ch == '"' || ch == '\\') {
        if (!CheckForBlockPatternsInLine(pView, line, block))
            bParseLine = TRUE;
        return TRUE;
    }
    if (TouchesLineCommentMark(line, r)) {
        bParseLine = TRUE;
        return TRUE;
    }
    // Whether a "/*" that goes lies inside another block comment is asked
    // just after its slash (Delete) or at it (Backspace), so that the
    // backward scan never meets the mark that is going away.
    long lBack = bBack ? 1 : 0;
    // The slash of "/*" goes.
    if (ch == '/' && line[r + 1] == '*') {
        if (IsInBlockComment(pView, static_cast<int>(p + 1 - lBack), lStart))
            return FALSE;
        SetBlock(block, 1, p - 1);
        return TRUE;
    }
    // The star of "/*" goes, or what lay between '/' and '*'.
    if ((ch == '*' && line[r - 1] == '/') || (!bBack && line[r - 1] == '/' && line[r + 1] == '*')) {
        if (IsInBlockComment(pView, static_cast<int>(p - lBack), lStart))
            return FALSE;
        SetBlock(block, 1, p - 2);
        return TRUE;
    }
    // The star of "*/" goes, or what lay between '*' and '/'.
    if ((ch == '*' && line[r + 1] == '/') || (!bBack && line[r - 1] == '*' && line[r + 1] == '/')) {
        SetBlock(block, 2, p - 1);
        return TRUE;
    }
    // The slash of "*/" goes.
    if (ch == '/' && line[r - 1] == '*') {
        SetBlock(block, 2, p - 2);
        return TRUE;
    }
    return FALSE;
}

BOOL CPatterns::CheckForBackSpaceLineMerger(CTinctoView* pView, CEditorLine& line, int& bParseLine)
{
    if (line.GetLCharIndex() != 0 || line.GetLine() == 0)
        return FALSE;
    long p = line.GetCursor();
    // p - 1 and p - 2 are the line end; p - 3 is the last character of the line above.
    long lStart = 0;
    if ((HasColour(pView, p - 3, p - 2, &CTinctoView::m_BlockCommentTxt)
         && !IsInBlockComment(pView, static_cast<int>(p - 4), lStart))
        || HasColour(pView, p - 3, p - 2, &CTinctoView::m_StringTxt)) {
        bParseLine = TRUE;
        return FALSE;
    }
    pView->UpdateBookmarkPos(line.GetLine() + 1, -1, 0);
    return TRUE;
}

BOOL CPatterns::CheckForDelLineMerger(CTinctoView* pView, CEditorLine& line, int& bParseLine)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || line.GetLCharIndex() != line.GetLength() || line.GetLine() + 1 >= pCtrl->GetLineCount())
        return FALSE;
    long p = line.GetCursor();
    long lStart = 0;
    if (IsInLineComment(pView, static_cast<int>(p), lStart) || IsInStringText(pView, static_cast<int>(p), lStart)) {
        bParseLine = TRUE;
        return FALSE;
    }
    pView->UpdateBookmarkPos(line.GetLine() + 2, -1, 0);
    return TRUE;
}

// ---- After an edit

void CPatterns::CheckForBreakInPattern(CTinctoView*, UINT nChar, CEditorLine& line, CBlock& block, int& bParseLine)
{
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    char chBefore = line[c - 2];
    char chAfter = line[c];
    if (chBefore == '/' && chAfter == '/' && nChar != '*')
        bParseLine = TRUE;
    else if (chBefore == '/' && chAfter == '*')
        SetBlock(block, 1, p - 2);
    else if (chBefore == '*' && chAfter == '/')
        SetBlock(block, 2, p - 1);
}

BOOL CPatterns::OnReturn(CTinctoView* pView, CEditorLine& line, CBlock& block, int& bParseLine)
{
    long p = line.GetCursor();
    if (HasColour(pView, p, p + 1, &CTinctoView::m_StringTxt)) {
        bParseLine = TRUE;
        return TRUE;
    }
    if (!HasColour(pView, p, p + 1, &CTinctoView::m_BlockCommentTxt))
        return FALSE;
    char chFirst = line[0];
    CEditorLine prev(pView, line.GetLine() - 1);
    char chLast = prev.IsRead() ? prev[prev.GetLength() - 1] : 0;
    if (chLast == '/' && chFirst == '/') {
        pView->ParseLine(&prev, p);
        return TRUE;
    }
    if (chLast == '/' && chFirst == '*') {
        pView->ParseLine(&prev, p);
        SetBlock(block, 1, p - 1);
        ParseBlock(pView, &block, static_cast<int>(p));
        block.SetType(0);
        return TRUE;
    }
    if (chLast == '*' && chFirst == '/') {
        SetBlock(block, 2, p - 1);
        ParseBlock(pView, &block, static_cast<int>(p));
        block.SetType(0);
        return TRUE;
    }
    long lStart = 0;
    if (!IsInBlockComment(pView, static_cast<int>(p), lStart)) {
        bParseLine = TRUE;
        return TRUE;
    }
    return FALSE;
}

void CPatterns::CheckForMakePatterns(CTinctoView* pView, UINT nChar, CEditorLine& line)
{
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    long lStart = 0;
    if (nChar == '/' && (line[c - 2] == '/' || line[c] == '/')) {
        RecolourLine(pView, line);
    } else if (nChar == '*' && line[c - 2] == '/') {
        if (!IsInStringText(pView, static_cast<int>(p - 2), lStart))
            OnBlockCommentBegin(pView, p - 2);
    } else if (nChar == '/' && line[c] == '*') {
        if (!IsInStringText(pView, static_cast<int>(p - 1), lStart))
            OnBlockCommentBegin(pView, p - 1);
    } else if (nChar == '*' && line[c] == '/') {
        if (!IsInStringText(pView, static_cast<int>(p), lStart))
            OnBlockCommentEnd(pView, p + 1);
    } else if (nChar == '/' && line[c - 2] == '*') {
        if (!IsInStringText(pView, static_cast<int>(p), lStart))
            OnBlockCommentEnd(pView, p);
    } else if (nChar == '"' || nChar == '\\') {
        RecolourLine(pView, line);
    } else if (nChar == VK_BACK && line[c - 1] == '*' && line[c] == '/') {
        if (!IsInStringText(pView, static_cast<int>(p), lStart))
            OnBlockCommentEnd(pView, p + 1);
    }
}

// ---- Undo of a character

namespace {

// Position of the nearest character before nPosition that is not a space,
// tab or line end; -1 when there is none.
LONG SkipBlanksBackwards(const CRichEditCtrl* pCtrl, LONG nPosition)
{
    CString strChunk;
    LONG nHigh = std::min(nPosition, pCtrl->GetTextLength());
    while (nHigh > 0) {
        LONG nLow = std::max<LONG>(0, nHigh - SCAN_CHUNK);
        pCtrl->GetTextRange(nLow, nHigh, strChunk);
        for (LONG i = nHigh - 1; i >= nLow; --i) {
            char ch = strChunk[static_cast<int>(i - nLow)];
            if (ch != ' ' && ch != '\t' && ch != '\r' && ch != '\n')
                return i;
        }
        nHigh = nLow;
    }
    return -1;
}

} // namespace

BOOL CPatterns::CheckForStringCharPatternUndo(CTinctoView* pView, CEditorLine* pLine, int nPosition, int)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || !pLine)
        return FALSE;
    LONG nFound = SkipBlanksBackwards(pCtrl, nPosition);
    if (nFound < 0 || CharAt(pCtrl, nFound) != '"' || CharAt(pCtrl, nFound - 1) == '\\')
        return FALSE;
    RecolourLine(pView, *pLine);
    return TRUE;
}

BOOL CPatterns::CheckForCommentCharPatternUndo(CTinctoView* pView, CEditorLine*, int nPosition, int)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl)
        return FALSE;
    LONG nFound = SkipBlanksBackwards(pCtrl, nPosition);
    if (nFound < 1 || CharAt(pCtrl, nFound) != '/' || CharAt(pCtrl, nFound - 1) != '*')
        return FALSE;
    long lStart = 0;
    return !IsInBlockComment(pView, nPosition, lStart);
}

// ---- Colour table and pattern starts

void CPatterns::AppendColorTable(CTinctoView*, CString& strTable, int& nIndex)
{
    CTinctoView::m_NormalTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_BlockCommentTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_LineCommentTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_StringTxt.AppendColorTable(strTable, nIndex);
}

CTextFormat* CPatterns::IsPatternStart(CTinctoView*, const char* pText, int nPosition, int nLength)
{
    char ch = pText[nPosition];
    if (ch == '/' && nPosition + 1 < nLength) {
        if (pText[nPosition + 1] == '/')
            return &CTinctoView::m_LineCommentTxt;
        if (pText[nPosition + 1] == '*')
            return &CTinctoView::m_BlockCommentTxt;
    }
    if (ch == '"' && (nPosition == 0 || pText[nPosition - 1] != '\\'))
        return &CTinctoView::m_StringTxt;
    return &CTinctoView::m_NormalTxt;
}
