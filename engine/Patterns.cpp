#include "Patterns.h"

#include "Block.h"
#include "EditorLine.h"
#include "RichEditCtrl.h"
#include "TinctoView.h"

#include <algorithm>
#include <vector>

namespace {

// Backward scans read the control in pieces of this many bytes.
const LONG SCAN_CHUNK = 4096;

CRichEditCtrl* CtrlOf(CTinctoView* pView)
{
    return pView ? pView->GetEditCtrl() : nullptr;
}

void SetBlock(CBlock& block, int nType, long lStart)
{
    block.SetType(nType);
    block.SetStart(static_cast<int>(lStart));
}

// The two characters, side by side, make "//", "/*" or "*/".
bool IsMark(char chFirst, char chSecond)
{
    return (chFirst == '/' && (chSecond == '/' || chSecond == '*')) || (chFirst == '*' && chSecond == '/');
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

// Finds the nearest comment mark ("/*" or "*/") lying wholly before nPos,
// scanning backwards; returns its position (-1: none) and whether it opens.
LONG FindMarkBackwards(const CRichEditCtrl* pCtrl, LONG nPos, bool& bOpens)
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
            if ((ch == '*' && chNext == '/') || (ch == '/' && chNext == '*')) {
                bOpens = ch == '/';
                return i;
            }
        }
        chRight = p[0];
        nHigh = nLow;
    }
    return -1;
}

// What the tokenizer is inside of at a point of a line.
enum EState { NORMAL, BLOCK, LINE_COMMENT, STRING };

struct CScanState {
    EState m_nState = NORMAL;
    LONG m_lStart = 0;  // where the comment or string began
};

// Runs the tokenizer's pattern rules over nLength bytes of one line (pText
// at position lBase), entering in state st; returns the state after them.
// A mark is seen only when both its characters lie inside the bytes.
CScanState ScanLine(const char* pText, LONG nLength, LONG lBase, CScanState st)
{
    for (LONG i = 0; i < nLength; ++i) {
        char ch = pText[i];
        if (ch == '\r' || ch == '\n') {
            if (st.m_nState != BLOCK)
                st.m_nState = NORMAL;
            continue;
        }
        char chNext = i + 1 < nLength ? pText[i + 1] : 0;
        switch (st.m_nState) {
        case NORMAL:
            if (ch == '/' && chNext == '/') {
                st = {LINE_COMMENT, lBase + i};
                ++i;
            } else if (ch == '/' && chNext == '*') {
                // The end mark is looked for from the star on: "/*/" closes.
                st = {BLOCK, lBase + i};
            } else if (ch == '"' && (i == 0 || pText[i - 1] != '\\')) {
                st = {STRING, lBase + i};
            }
            break;
        case BLOCK:
            if (ch == '*' && chNext == '/') {
                st.m_nState = NORMAL;
                ++i;
            }
            break;
        case STRING:
            if (ch == '"' && pText[i - 1] != '\\' && lBase + i != st.m_lStart)
                st.m_nState = NORMAL;
            break;
        case LINE_COMMENT:
            break;
        }
    }
    return st;
}

LONG LineStartOf(const CRichEditCtrl* pCtrl, LONG nPos)
{
    LONG nStart = pCtrl->LineIndex(pCtrl->LineFromChar(nPos));
    return nStart < 0 || nStart > nPos ? nPos : nStart;
}

// Whether the line starting at lLineStart begins inside a block comment (and
// where that comment began). The nearest mark before it decides: none or a
// "*/" means no; a "/*" means whatever its whole line leaves open, that line
// being entered in the state worked out the same way further up.
CScanState StateAtLineStart(const CRichEditCtrl* pCtrl, LONG lLineStart)
{
    std::vector<LONG> lines;  // starts of the lines that hold the deciding "/*", nearest first
    LONG nPos = lLineStart;
    for (;;) {
        bool bOpens = false;
        LONG nMark = FindMarkBackwards(pCtrl, nPos, bOpens);
        if (nMark < 0 || !bOpens)
            break;
        nPos = LineStartOf(pCtrl, nMark);
        lines.push_back(nPos);
    }
    CScanState st;
    CString strLine;
    for (auto it = lines.rbegin(); it != lines.rend(); ++it) {
        LONG nEnd = *it + pCtrl->LineLength(*it);
        pCtrl->GetTextRange(*it, nEnd, strLine);
        st = ScanLine(strLine, strLine.GetLength(), *it, st);
        if (st.m_nState != BLOCK)
            st.m_nState = NORMAL;
    }
    return st;
}

// The state a character inserted at nPos would be in.
CScanState StateBefore(const CRichEditCtrl* pCtrl, LONG nPos)
{
    nPos = std::clamp<LONG>(nPos, 0, pCtrl->GetTextLength());
    LONG lLineStart = LineStartOf(pCtrl, nPos);
    CString strLine;
    pCtrl->GetTextRange(lLineStart, nPos, strLine);
    return ScanLine(strLine, strLine.GetLength(), lLineStart, StateAtLineStart(pCtrl, lLineStart));
}

// Recolours from lStart to the end of the line holding lEnd - 1. When that
// line holds a comment mark, the text below may change with it: if the next
// line now begins inside a block comment, or was coloured as one, the
// recolouring runs on to the end of the text.
void RecolourThrough(CTinctoView* pView, LONG lStart, LONG lEnd)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    LONG nLength = pCtrl->GetTextLength();
    if (lEnd < 0 || lEnd >= nLength) {
        pView->ColorizeBuffer(static_cast<int>(lStart), -1, TRUE);
        return;
    }
    LONG nLast = std::max(lStart, lEnd - 1);
    LONG nLineStart = LineStartOf(pCtrl, nLast);
    LONG nLineEnd = nLineStart + pCtrl->LineLength(nLast);
    LONG nNext = nLineEnd + 2;
    BOOL bOnward = FALSE;
    if (nNext <= nLength) {
        CString strLine;
        pCtrl->GetTextRange(nLineStart, nLineEnd, strLine);
        bOnward = (strLine.Find("/*") >= 0 || strLine.Find("*/") >= 0)
            && (StateAtLineStart(pCtrl, nNext).m_nState == BLOCK
                || HasColour(pView, nNext, nNext + 1, &CTinctoView::m_BlockCommentTxt));
    }
    pView->ColorizeBuffer(static_cast<int>(lStart), bOnward ? -1 : static_cast<int>(nLineEnd), TRUE);
}

// Asks for the line to be recoloured; a line holding "/*" may open or
// close a comment for the lines below, so then it asks for a block that
// runs from the line start through the next comment end.
void AskForLine(const CEditorLine& line, CBlock& block, int& bParseLine)
{
    if (line.FindTextA("/*") >= 0) {
        block.SetType(1);
        block.SetStart(static_cast<int>(line.GetIndex()));
    } else {
        bParseLine = TRUE;
    }
}

// Asks for the line that removing [nStart, nEnd) leaves to be recoloured;
// when the lines involved hold a comment mark, or the removal makes one
// where its ends meet, a block from the line start through the next
// comment end instead.
void AskForJoin(CTinctoView* pView, LONG nStart, LONG nEnd, CBlock& block, int& bParseLine)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    LONG nFirst = LineStartOf(pCtrl, nStart);
    LONG nLast = std::max(nEnd, nStart);
    LONG nLastEnd = LineStartOf(pCtrl, nLast) + pCtrl->LineLength(nLast);
    CString strLines;
    pCtrl->GetTextRange(nFirst, std::max(nLastEnd, nFirst), strLines);
    char chBefore = CharAt(pCtrl, nStart - 1);
    char chAfter = CharAt(pCtrl, nEnd);
    if (IsMark(chBefore, chAfter) || strLines.Find("/*") >= 0 || strLines.Find("*/") >= 0)
        SetBlock(block, 1, nFirst);
    else
        bParseLine = TRUE;
}

// The removed or replaced character (and its neighbours) make or break "//".
BOOL TouchesLineCommentMark(const CEditorLine& line, int nColumn)
{
    char ch = line[nColumn];
    return (ch == '/' && (line[nColumn - 1] == '/' || line[nColumn + 1] == '/'))
        || (line[nColumn - 1] == '/' && line[nColumn + 1] == '/');
}

// Recolours the line (and what it changes below), keeping the selection.
void RecolourLine(CTinctoView* pView, CEditorLine& line)
{
    RecolourThrough(pView, line.GetIndex(), line.GetIndex() + line.GetLength());
}

} // namespace

// ---- Queries

// TRUE when the tokenizer is in state nState just before nPosition; only a
// line holding pszMark before the position can be, so other lines need no scan.
static BOOL IsInLineState(CRichEditCtrl* pCtrl, int nPosition, const char* pszMark, int nState, long& lStart)
{
    CString strLine;
    LinePrefix(pCtrl, std::min<LONG>(nPosition, pCtrl->GetTextLength()), strLine);
    if (strLine.Find(pszMark) < 0)
        return FALSE;
    CScanState st = StateBefore(pCtrl, nPosition);
    if (st.m_nState != nState)
        return FALSE;
    lStart = st.m_lStart;
    return TRUE;
}

BOOL CPatterns::IsInLineComment(CTinctoView* pView, int nPosition, long& lStart)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nPosition < 0)
        return FALSE;
    return IsInLineState(pCtrl, nPosition, "//", LINE_COMMENT, lStart);
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
    return IsInLineState(pCtrl, nPosition, "\"", STRING, lStart);
}

BOOL CPatterns::IsInBlockComment(CTinctoView* pView, int nPosition, long& lStart)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || nPosition < 0)
        return FALSE;
    // The colours answer quickly where no comment can be, so that a long
    // text without comments is not read back to its start. Right after an
    // edit the character at the position may still have its old colour (it
    // may have just moved there), so the one before it counts as well.
    long lLineComment = 0;
    if (!HasColour(pView, nPosition, nPosition + 1, &CTinctoView::m_BlockCommentTxt)
        && !HasColour(pView, nPosition - 1, nPosition, &CTinctoView::m_BlockCommentTxt)
        && !IsInLineComment(pView, nPosition, lLineComment))
        return FALSE;
    CScanState st = StateBefore(pCtrl, nPosition);
    if (st.m_nState != BLOCK)
        return FALSE;
    lStart = st.m_lStart;
    return TRUE;
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
    // Blanks count by where they are, like any other character: a blank
    // typed after a string or a keyword is normal text.
    if (ch == '"' || ch == '*' || ch == '/' || ch == '\\')
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
    // Types 1 and 3 start reading at the start of the line: the tokenizer
    // needs what comes before on the line (a backslash before a quote, a
    // "//" or a string before a mark).
    if (pBlock->GetType() == 1 || pBlock->GetType() == 3)
        nStart = static_cast<int>(LineStartOf(pCtrl, nStart));
    switch (pBlock->GetType()) {
    case 1: {
        LONG nFound = FindForward(pCtrl, nCaret + 1, "*/");
        RecolourThrough(pView, nStart, nFound < 0 ? -1 : nFound + 2);
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
    // Like the tokenizer, look for the end from the star on: "/*/" is closed.
    LONG nFound = FindForward(pCtrl, lPosition + 1, "*/");
    LONG nEnd = nFound < 0 ? pCtrl->GetTextLength() : nFound + 2;
    pView->ColorizeText(static_cast<int>(lPosition), static_cast<int>(nEnd), &CTinctoView::m_BlockCommentTxt, TRUE);
    // With no end the comment runs to the end of the text, and so does what
    // is typed after it: only after an end does typing go on in normal text.
    if (nFound < 0)
        return;
    pView->ColorizeText(static_cast<int>(nEnd), static_cast<int>(nEnd), &CTinctoView::m_NormalTxt, TRUE);
    // What followed the mark on its line was read in the old state (a
    // string or line comment may have run over it); read it again.
    RecolourThrough(pView, nEnd, nEnd);
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
BOOL PreProcessSelection(CPatterns* pPatterns, CTinctoView* pView, CBlock& block, int& bParseLine, int nStringOffset,
                         BOOL bCut)
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
        AskForJoin(pView, nStart, nEnd, block, bParseLine);
    } else {
        CString strSel;
        pCtrl->GetTextRange(nStart, nEnd, strSel);
        if (strSel.Find("/*") >= 0) {
            SetBlock(block, 3, nStart);
        } else if (bCut) {
            // Words (and marks) on either side of the cut meet.
            AskForJoin(pView, nStart, nEnd, block, bParseLine);
        } else {
            // Typing over a line break, or over part of a mark, changes what
            // the lines read; so does typing over a mark or a quote, which
            // recolours the line. Over plain text the typed character itself
            // is checked after.
            int bLine = FALSE;
            AskForJoin(pView, nStart, nEnd, block, bLine);
            if (bLine && strSel.Find('\n') < 0) {
                if (strSel.FindOneOf("/*\"\\") < 0)
                    return FALSE;
                bParseLine = TRUE;
                return TRUE;
            }
            SetBlock(block, 1, LineStartOf(pCtrl, nStart));
        }
    }
    return TRUE;
}

} // namespace

BOOL CPatterns::PreProcessCut(CTinctoView* pView, CBlock& block, int& bParseLine)
{
    return PreProcessSelection(this, pView, block, bParseLine, 0, TRUE);
}

BOOL CPatterns::PreProcessReplace(CTinctoView* pView, CBlock& block, int& bParseLine)
{
    return PreProcessSelection(this, pView, block, bParseLine, 1, FALSE);
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
    // A paste right at a comment's end (s + 2 already past it) is inside it too.
    CScanState stAt = StateBefore(pCtrl, nStart);
    if (stAt.m_nState == BLOCK) {
        SetBlock(block, 3, stAt.m_lStart);
        return TRUE;
    }
    // A quote or backslash pasted over, or a backslash just before the paste
    // (it now escapes the pasted text instead), moves where the line's strings are.
    CString strReplaced;
    pCtrl->GetTextRange(nStart, nEnd, strReplaced);
    BOOL bEscapeMoves = CharAt(pCtrl, nStart - 1) == '\\';
    if (IsInLineComment(pView, nStart, lStart) || IsInStringText(pView, nStart, lStart)
        || strReplaced.FindOneOf("\"\\") >= 0 || bEscapeMoves)
        bParseLine = TRUE;
    const CString& strText = pView->GetBuffer();
    // Quotes, backslashes, slashes or stars pasted or pasted over can hide or
    // reveal a comment mark further along the line, and so change the lines below.
    {
        LONG nLineStart = LineStartOf(pCtrl, nStart);
        LONG nLineEnd = LineStartOf(pCtrl, nEnd) + pCtrl->LineLength(nEnd);
        CString strLine;
        pCtrl->GetTextRange(nLineStart, nLineEnd, strLine);
        if ((strLine.Find("/*") >= 0 || strLine.Find("*/") >= 0)
            && (strText.FindOneOf("\"\\/*") >= 0 || strReplaced.FindOneOf("\"\\/*") >= 0 || bEscapeMoves)) {
            SetBlock(block, 3, nLineStart);
            return TRUE;
        }
        // A mark split by the paste, or made where the pasted text meets its neighbours.
        int nLength = strText.GetLength();
        char chBefore = CharAt(pCtrl, nStart - 1);
        char chAfter = CharAt(pCtrl, nEnd);
        CString strAround;  // the text replaced, with a character on either side
        pCtrl->GetTextRange(std::max<LONG>(nStart - 1, 0), nEnd + 1, strAround);
        BOOL bBreaksMark = nEnd > nStart
            && (strAround.Find("/*") >= 0 || strAround.Find("*/") >= 0 || strAround.Find("//") >= 0);
        if (bBreaksMark || IsMark(chBefore, chAfter)
            || (nLength > 0 && (IsMark(chBefore, strText[0]) || IsMark(strText[nLength - 1], chAfter)))) {
            SetBlock(block, 3, nLineStart);
            return TRUE;
        }
    }
    int nOpen = strText.Find("/*");
    int nClose = strText.Find("*/");
    // The first end after the first opening does not close every comment
    // ("/*/ a /* b" ends open): read the text as the tokenizer does.
    BOOL bEndsOpen = ScanLine(strText, strText.GetLength(), 0, CScanState()).m_nState == BLOCK;
    if (!bEndsOpen && (nOpen < 0 || (nClose >= 0 && nClose >= nOpen))) {
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
    // The view recolours an asked-for line instead of looking at the typed
    // character, which may make a "/*" with its neighbour; so these ask for
    // a block from the line start through the next comment end.
    if (ch == '"' || ch == '\\' || (ch == '/' && line[c + 1] == '/') || (ch == '/' && line[c - 1] == '/')
        || (line[c - 1] == '/' && line[c - 2] == '/') || (line[c - 1] == '/' && line[c + 1] == '/')) {
        SetBlock(block, 1, line.GetIndex());
        return TRUE;
    }
    // Whether the "/*" lies inside a comment is read from the text: the
    // character before it may be a line end, coloured as the comment that
    // closed before it.
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (ch == '/' && line[c + 1] == '*' && StateBefore(pCtrl, p).m_nState != BLOCK) {
        SetBlock(block, 1, p - 1);
        return TRUE;
    }
    if (ch == '*' && line[c - 1] == '/' && StateBefore(pCtrl, p - 1).m_nState != BLOCK) {
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
    // A quote, a backslash, or what lies between a backslash and a quote
    // (the quote becomes escaped) changes where strings are.
    if (ch == '"' || ch == '\\' || (line[r - 1] == '\\' && line[r + 1] == '"')) {
        // The characters either side may meet as a comment mark, which
        // changes the lines below as well.
        if (IsMark(line[r - 1], line[r + 1]))
            SetBlock(block, 1, line.GetIndex());
        else if (!CheckForBlockPatternsInLine(pView, line, block))
            bParseLine = TRUE;
        return TRUE;
    }
    if (TouchesLineCommentMark(line, r)) {
        AskForLine(line, block, bParseLine);
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
    if ((ch == '*' && line[r - 1] == '/') || (line[r - 1] == '/' && line[r + 1] == '*')) {
        if (IsInBlockComment(pView, static_cast<int>(p - lBack), lStart))
            return FALSE;
        SetBlock(block, 1, p - 2);
        return TRUE;
    }
    // The star of "*/" goes, or what lay between '*' and '/'.
    if ((ch == '*' && line[r + 1] == '/') || (line[r - 1] == '*' && line[r + 1] == '/')) {
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
    // The line break goes either way, so the bookmarks below move up; and
    // the joined line is always recoloured: words, marks, strings and line
    // comments of the two lines meet.
    long p = line.GetCursor();
    pView->UpdateBookmarkPos(line.GetLine() + 1, -1, 0);
    AskForJoin(pView, p - 2, p, pView->GetBlock(), bParseLine);
    return FALSE;
}

BOOL CPatterns::CheckForDelLineMerger(CTinctoView* pView, CEditorLine& line, int& bParseLine)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    if (!pCtrl || line.GetLCharIndex() != line.GetLength() || line.GetLine() + 1 >= pCtrl->GetLineCount())
        return FALSE;
    long p = line.GetCursor();
    pView->UpdateBookmarkPos(line.GetLine() + 2, -1, 0);
    AskForJoin(pView, p, p + 2, pView->GetBlock(), bParseLine);
    return FALSE;
}

// ---- After an edit

void CPatterns::CheckForBreakInPattern(CTinctoView*, UINT nChar, CEditorLine& line, CBlock& block, int& bParseLine)
{
    // A block asked for before the edit (typing over a selection) already
    // recolours this line and what follows; asking for the line here would
    // replace it.
    if (block.GetType() != 0)
        return;
    // The line asked for before the edit (typing over a selection) may now
    // hold a comment mark, made by the typed character or uncovered by what
    // was typed over; then the lines below may change with it.
    if (bParseLine && (line.FindTextA("/*") >= 0 || line.FindTextA("*/") >= 0)) {
        bParseLine = FALSE;
        SetBlock(block, 1, line.GetIndex());
        return;
    }
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    char chBefore = line[c - 2];
    char chAfter = line[c];
    if (chBefore == '/' && chAfter == '/' && nChar != '*')
        AskForLine(line, block, bParseLine);
    else if (chBefore == '/' && chAfter == '*')
        SetBlock(block, 1, p - 2);
    else if (chBefore == '*' && chAfter == '/')
        SetBlock(block, 2, p - 1);
}

BOOL CPatterns::OnReturn(CTinctoView* pView, CEditorLine& line, CBlock& block, int& bParseLine)
{
    long p = line.GetCursor();
    if (HasColour(pView, p, p + 1, &CTinctoView::m_StringTxt)) {
        AskForLine(line, block, bParseLine);
        return TRUE;
    }
    if (!HasColour(pView, p, p + 1, &CTinctoView::m_BlockCommentTxt)) {
        // A word split by the line break may have been a keyword, a quote
        // may have lost its backslash.
        if (line.GetLength() > 0)
            AskForLine(line, block, bParseLine);
        return FALSE;
    }
    char chFirst = line[0];
    CEditorLine prev(pView, line.GetLine() - 1);
    char chLast = prev.IsRead() ? prev[prev.GetLength() - 1] : 0;
    if (chLast == '/' && chFirst == '/') {
        // Both halves of the "//" lose it.
        pView->ParseLine(&prev, p);
        AskForLine(line, block, bParseLine);
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
        AskForLine(line, block, bParseLine);
        return TRUE;
    }
    return FALSE;
}

void CPatterns::CheckForMakePatterns(CTinctoView* pView, UINT nChar, CEditorLine& line)
{
    CRichEditCtrl* pCtrl = CtrlOf(pView);
    int c = line.GetLCharIndex();
    long p = line.GetCursor();
    if (nChar == '/' && (line[c - 2] == '/' || line[c] == '/')) {
        RecolourLine(pView, line);
    } else if ((nChar == '*' && line[c - 2] == '/') || (nChar == '/' && line[c] == '*')) {
        // A "/*" opens a comment only where the tokenizer is in normal
        // text; a slash that ends a "*/" cannot begin one.
        // The slash must also stay a lone slash: the second of "//" is not.
        long lSlash = nChar == '*' ? p - 2 : p - 1;
        CScanState st = StateBefore(pCtrl, lSlash);
        if (st.m_nState == NORMAL && StateBefore(pCtrl, lSlash + 1).m_nState == NORMAL)
            OnBlockCommentBegin(pView, lSlash);
        else if (st.m_nState == BLOCK && CharAt(pCtrl, lSlash - 1) == '*')
            RecolourLine(pView, line);
        else if (nChar == '*' && line[c] == '/')
            OnBlockCommentEnd(pView, p + 1);  // inside a comment the star closes it with the next slash
    } else if (nChar == '*' && line[c] == '/') {
        OnBlockCommentEnd(pView, p + 1);
    } else if (nChar == '/' && line[c - 2] == '*') {
        OnBlockCommentEnd(pView, p);
    } else if (nChar == '"' || nChar == '\\' || (line[c - 2] == '\\' && line[c] == '"')) {
        // A quote or backslash, or a character that parts a backslash from
        // its quote, moves where strings are.
        RecolourLine(pView, line);
    } else if (nChar == VK_BACK && line[c - 1] == '*' && line[c] == '/') {
        OnBlockCommentEnd(pView, p + 1);
    }
    // A typed character takes the colour of its neighbour; where the
    // tokenizer reads it as plain normal text (no mark starts or ends with
    // it) it must be normal. A word is recoloured after this.
    if (nChar == VK_BACK || nChar == '\r' || c <= 0 || HasColour(pView, p - 1, p, &CTinctoView::m_NormalTxt))
        return;
    char ch = CharAt(pCtrl, p - 1);
    char chNext = CharAt(pCtrl, p);
    if (ch == '/' && (chNext == '/' || chNext == '*'))
        return;
    if (StateBefore(pCtrl, p - 1).m_nState == NORMAL && StateBefore(pCtrl, p).m_nState == NORMAL)
        pView->ColorizeText(static_cast<int>(p - 1), static_cast<int>(p), &CTinctoView::m_NormalTxt, TRUE);
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
    // The comment is gone only where the tokenizer now reads normal text: a
    // "*/" inside a line comment leaves the line comment in force.
    return StateBefore(pCtrl, nPosition).m_nState == NORMAL;
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
