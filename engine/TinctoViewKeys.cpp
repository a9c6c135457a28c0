// CTinctoView: the message path and the editing behaviour around the
// control: what the view does with each key and clipboard message before
// and after the control handles it, automatic indentation, tabs, brace
// matching, commenting out lines, paste, drag and drop, and replace.
#include "TinctoView.h"

#include "BKSpaceUndo.h"
#include "CaretMotion.h"
#include "CharUndo.h"
#include "DelUndo.h"
#include "Document.h"
#include "Keywords.h"
#include "ReplaceAllUndo.h"
#include "RichEditCtrl.h"
#include "UserInterface.h"

#include <algorithm>
#include <cstring>

namespace {

// Characters the control inserts for a character message.
bool IsTypedChar(WPARAM wParam)
{
    return wParam == '\r' || wParam == '\t' || (wParam >= 0x20 && wParam != 0x7F && wParam <= 0x10FFFF);
}

}  // namespace

// ---- The window procedure

LRESULT CTinctoView::SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (!m_pEditCtrl)
        return 0;
    if (PreProcessMsg(nMessage, wParam, lParam)) {
        if (nMessage == WM_KEYDOWN || nMessage == WM_CHAR)
            UpdateCursorPosition();
        return 0;
    }
    BOOL bToControl = nMessage != WM_PASTE;
    if (nMessage == WM_CHAR && wParam == '\t') {
        if (IsShift()) {
            OnShiftTab();
            UpdateCursorPosition();
            return 0;
        }
        LONG nEnd;
        m_pEditCtrl->GetSel(m_lTabPos, nEnd);
        if (m_bSpaceForTab) {
            InsertSpaceForTab();
            bToControl = FALSE;
        }
    }
    LRESULT lResult = 0;
    if (bToControl) {
        m_pEditCtrl->SetOverwrite(m_bIns);
        lResult = m_pEditCtrl->SendMessage(nMessage, wParam, lParam);
        m_pEditCtrl->SetOverwrite(m_bIns);
    }
    if (bToControl || nMessage == WM_PASTE)
        PostProcessMsg(nMessage, wParam, lParam);
    if (nMessage == WM_CHAR && wParam == '\r' && !m_bIns)
        AutoIndent();
    if (nMessage == WM_CHAR && (wParam == '{' || wParam == '}') && m_bSmartIndent)
        AutoIndentBrace();
    if (nMessage == WM_SETFOCUS || nMessage == WM_KEYDOWN || nMessage == WM_CHAR || nMessage == WM_LBUTTONDOWN)
        UpdateCursorPosition();
    OnMessage(nMessage, wParam, lParam);
    return lResult;
}

// ---- Before the control

BOOL CTinctoView::PreProcessMsg(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    m_bParseLine = FALSE;
    m_bParsePrevLine = FALSE;
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);

    if (nMessage == EM_PASTESPECIAL || nMessage == WM_DROPFILES)
        return TRUE;
    if (nMessage == WM_KEYDOWN && IsControl() && (wParam == 'Z' || wParam == 'Y')) {
        (wParam == 'Z' ? m_bCtrlZ : m_bCtrlY) = TRUE;
        return TRUE;
    }
    if (nMessage == WM_KEYUP && (wParam == 'Z' || wParam == 'Y')) {
        BOOL& bPending = wParam == 'Z' ? m_bCtrlZ : m_bCtrlY;
        if (!bPending)
            return FALSE;
        bPending = FALSE;
        if (IsControl())
            wParam == 'Z' ? OnUndo() : OnRedo();
        return TRUE;
    }
    if (nMessage == WM_UNDO || nMessage == EM_UNDO) {
        OnUndo();
        return TRUE;
    }
    if (nMessage == EM_REDO) {
        OnRedo();
        return TRUE;
    }

    if (nMessage == WM_CUT || nMessage == WM_CLEAR) {
        if (m_bReadOnly)
            return TRUE;
        if (nStart >= nEnd)
            return FALSE;
        int nFirstLine = m_pEditCtrl->LineFromChar(nStart);
        // A cut from inside a line up to and including a line end keeps the
        // line end (the whole CR LF: the control never splits it).
        if (nMessage == WM_CUT && nStart != m_pEditCtrl->LineIndex(nFirstLine) && nEnd >= 2) {
            CString strTail;
            m_pEditCtrl->GetTextRange(nEnd - 2, nEnd, strTail);
            if (strTail == "\r\n" && nEnd - 2 > nStart) {
                nEnd -= 2;
                m_pEditCtrl->SetSel(nStart, nEnd);
            }
        }
        AddUndo(nMessage, wParam, lParam, 0, FALSE);
        m_Block.Reset();
        m_Patterns.PreProcessCut(this, m_Block, m_bParseLine);
        // The hooks count lines from 1, as for Enter, Backspace and Delete:
        // the lines between the first and the last go, the last one and
        // those below move up onto the first.
        int nLastLine = m_pEditCtrl->LineFromChar(nEnd);
        if (nLastLine > nFirstLine) {
            if (nLastLine - nFirstLine > 1)
                DeleteBookmarks(nFirstLine + 2, nLastLine);
            UpdateBookmarkPos(nLastLine + 1, -(nLastLine - nFirstLine), 0);
        }
        GetEditBuffer(nStart, nEnd);
        return FALSE;
    }

    if (nMessage == WM_PASTE) {
        if (m_bReadOnly)
            return TRUE;
        m_lPasteStart = nStart;
        PasteHelper(nMessage, wParam, lParam);
        return FALSE;
    }

    if (nMessage == WM_KEYDOWN && wParam == VK_TAB && IsControl()) {
        OnCtrlTab();
        return TRUE;
    }

    BOOL bMultiLine = nStart < nEnd && m_pEditCtrl->LineFromChar(nStart) != m_pEditCtrl->LineFromChar(nEnd);
    if (nMessage == WM_CHAR && (!IsControl() || m_bUndoing || m_bRedoing)) {
        if (m_bReadOnly)
            return TRUE;
        if (!IsTypedChar(wParam))
            return FALSE;
        if (wParam == '\r' && m_bIns) {
            int nLine = m_pEditCtrl->LineFromChar(m_pEditCtrl->GetCaret());
            LONG nNext = m_pEditCtrl->LineIndex(nLine + 1);
            if (nNext >= 0)
                m_pEditCtrl->SetSel(nNext, nNext);
            return TRUE;
        }
        if (wParam == '\t' && bMultiLine) {
            BlockIndent(IsShift());
            return TRUE;
        }
        if (wParam == '\r') {
            UpdateBookmarkPos(m_pEditCtrl->LineFromChar(nStart) + 1, 1, 0);
            m_pEditCtrl->GetTextRange(nStart, nEnd, m_strSelText);
        } else if (!(wParam == '\t' && (IsShift() || m_bSpaceForTab))) {
            // Spaces for a tab and Shift+Tab record their own steps (or none).
            ReadCurrentLine();
            char cChar = static_cast<char>(wParam < 0x80 ? wParam : 0);
            CString strOverwritten;
            if (m_bIns) {
                // The step keeps what the character replaced: the selection,
                // or the character overwritten (none at a line end).
                cChar = 0;
                if (nStart == nEnd && m_CurLine.GetLCharIndex() < m_CurLine.GetLength())
                    m_pEditCtrl->GetTextRange(nStart, CCaretMotion::Next(*m_pEditCtrl, nStart), strOverwritten);
            }
            CUndo* pUndo = AddUndo(WM_CHAR, wParam, lParam, cChar, TRUE);
            if (pUndo && !strOverwritten.IsEmpty() && pUndo->GetSelText().IsEmpty())
                pUndo->SetSelText(strOverwritten);
        }
        if (wParam == '\t' && (IsShift() || m_bSpaceForTab))
            return FALSE;
        if (nStart < nEnd) {
            m_Block.Reset();
            if (m_Patterns.PreProcessReplace(this, m_Block, m_bParseLine))
                return FALSE;
        }
        if (m_bIns && nStart == nEnd) {
            ReadCurrentLine();
            m_Patterns.CheckForOverWritePattern(this, m_CurLine, m_Block, m_bParseLine);
        }
        return FALSE;
    }

    if (nMessage == WM_KEYDOWN) {
        if (wParam == VK_TAB && bMultiLine)
            return TRUE;
        if (wParam == VK_HOME && !IsControl() && !IsShift()) {
            SmartHome();
            return TRUE;
        }
        if (wParam == VK_INSERT && !IsControl() && !IsShift()) {
            m_bIns = !m_bIns;
            SetInsert(!m_bIns);
            return FALSE;
        }
        if (wParam == VK_BACK || wParam == VK_DELETE) {
            if (m_bReadOnly)
                return TRUE;
            ReadCurrentLine();
            int nColumn = m_CurLine.GetLCharIndex();
            LONG nLength = m_pEditCtrl->GetTextLength();
            if (nStart == nEnd && ((wParam == VK_BACK && nStart == 0) || (wParam == VK_DELETE && nStart >= nLength)))
                return FALSE;  // nothing to delete
            char cChar = 0;
            CString strDeleted;
            if (nStart == nEnd) {
                LONG nFrom = wParam == VK_BACK ? CCaretMotion::Previous(*m_pEditCtrl, nStart) : nStart;
                LONG nTo = wParam == VK_BACK ? nStart : CCaretMotion::Next(*m_pEditCtrl, nStart);
                m_pEditCtrl->GetTextRange(nFrom, nTo, strDeleted);
                cChar = strDeleted.IsEmpty() ? 0 : strDeleted[0];
                BOOL bMerge = wParam == VK_BACK ? nColumn == 0 : nColumn >= m_CurLine.GetLength();
                if (bMerge) {
                    BOOL bGoOn = wParam == VK_BACK
                        ? m_Patterns.CheckForBackSpaceLineMerger(this, m_CurLine, m_bParseLine)
                        : m_Patterns.CheckForDelLineMerger(this, m_CurLine, m_bParseLine);
                    if (!bGoOn) {
                        CUndo* pUndo = AddUndo(WM_KEYDOWN, wParam, lParam, '\r', FALSE);
                        (void)pUndo;
                        return FALSE;
                    }
                }
            }
            CUndo* pUndo = AddUndo(WM_KEYDOWN, wParam, lParam, cChar, FALSE);
            if (pUndo && !strDeleted.IsEmpty()) {
                if (wParam == VK_BACK)
                    static_cast<CBKSpaceUndo*>(pUndo)->SetDeleted(strDeleted);
                else
                    static_cast<CDelUndo*>(pUndo)->SetDeleted(strDeleted);
            }
            m_Block.Reset();
            if (nStart == nEnd)
                m_Patterns.CheckBSDelPatternMakeBreak(this, static_cast<UINT>(wParam), m_CurLine, m_Block, m_bParseLine);
            else
                m_Patterns.PreProcessCut(this, m_Block, m_bParseLine);
            return FALSE;
        }
    }
    return FALSE;
}

// ---- After the control

void CTinctoView::PostProcessMsg(UINT nMessage, WPARAM wParam, LPARAM /*lParam*/)
{
    if (nMessage == WM_CHAR && wParam != VK_ESCAPE) {
        if (m_bReadOnly)
            return;
        ReadCurrentLine();
        if (wParam == '\r') {
            CUndo* pUndo = AddUndo(WM_CHAR, '\r', 0, '\r', FALSE);
            if (pUndo)
                pUndo->SetSelText(m_strSelText);
            m_strSelText.Empty();
        }
        m_Patterns.CheckForBreakInPattern(this, static_cast<UINT>(wParam), m_CurLine, m_Block, m_bParseLine);
        long lCaret = m_CurLine.GetCursor();
        if (CarryOutRequests(lCaret, TRUE))
            return;
        if (wParam == '\r') {
            BOOL bDone = m_Patterns.OnReturn(this, m_CurLine, m_Block, m_bParseLine);
            CarryOutRequests(lCaret, FALSE);
            if (!bDone && m_CurLine.GetLine() > 0) {
                CEditorLine prev(this, m_CurLine.GetLine() - 1);
                KeywordAt(&prev, prev.GetLine(), static_cast<int>(prev.GetIndex() + prev.GetLength()));
            }
            ShowCursor(static_cast<int>(lCaret));
            return;
        }
        m_Patterns.CheckForMakePatterns(this, static_cast<UINT>(wParam), m_CurLine);
        ReadCurrentLine();
        lCaret = m_CurLine.GetCursor();
        KeywordAt(&m_CurLine, m_CurLine.GetLine(), static_cast<int>(lCaret));
        BOOL bDelimiter = wParam < 0x80 && GetLanguage()->IsDelimiter(static_cast<char>(wParam), FALSE);
        if (bDelimiter && wParam != '\t' && wParam != VK_BACK && lCaret > m_CurLine.GetIndex())
            KeywordAt(&m_CurLine, m_CurLine.GetLine(), static_cast<int>(lCaret - 1));
        if (wParam == '\t' && m_lTabPos >= m_CurLine.GetIndex())
            KeywordAt(&m_CurLine, m_CurLine.GetLine(), static_cast<int>(m_lTabPos));
        ShowCursor(static_cast<int>(lCaret));
        return;
    }

    if (nMessage == WM_KEYDOWN) {
        if (!m_bParseLine && !m_bParsePrevLine && !m_Block.GetType() && wParam != VK_DELETE)
            return;
        ReadCurrentLine();
        CarryOutRequests(m_CurLine.GetCursor(), FALSE);
        if (wParam == VK_DELETE) {
            ReadCurrentLine();
            KeywordAt(&m_CurLine, m_CurLine.GetLine(), static_cast<int>(m_CurLine.GetCursor()));
        }
        return;
    }

    if (nMessage == WM_PASTE || nMessage == WM_CUT || nMessage == WM_CLEAR) {
        if (m_bReadOnly)
            return;
        BOOL bPaste = nMessage == WM_PASTE;
        int nPasteLines = 0;
        if (bPaste) {
            if (m_Block.GetType() == 0)
                return;  // the clipboard held no text
            nPasteLines = CountLines(m_strBuffer);
            if (m_Block.GetType() == 4) {
                ColorizePasteBuffer();
                m_Block.Reset();
            } else {
                m_pEditCtrl->ReplaceSel(m_strBuffer);
                m_strBuffer.Empty();
            }
        }
        long lCaret = m_pEditCtrl->GetCaret();
        ReadCurrentLine();
        CarryOutRequests(lCaret, FALSE);
        if (bPaste) {
            ReadCurrentLine();
            if (m_CurLine.FindTextA("//") >= 0 || m_CurLine.FindTextA("\"") >= 0)
                ParseLine(&m_CurLine, lCaret);
            int nStartLine = m_pEditCtrl->LineFromChar(m_lPasteStart);
            CEditorLine startLine(this, nStartLine);
            KeywordAt(&startLine, nStartLine, static_cast<int>(m_lPasteStart));
            ReadCurrentLine();
            KeywordAt(&m_CurLine, m_CurLine.GetLine(), static_cast<int>(lCaret));
            ShowCursor(static_cast<int>(lCaret));
            if (nPasteLines > 0 && !m_bInBlockEdit)
                UpdateBookmarkPos(nStartLine + 1, nPasteLines, 0);
        } else if (m_pEditCtrl->GetTextLength() == 0 && m_lfCurrent.lfFaceName[0]) {
            SetDefaultFont(m_lfCurrent, 0, -1);
        }
    }
}

// Carries out the recolouring the pattern hooks asked for: the previous
// line, the caret's line and the pending block. With bLineReplacesBlock a
// recoloured line drops the pending block. TRUE when anything was recoloured.
BOOL CTinctoView::CarryOutRequests(long lCaret, BOOL bLineReplacesBlock)
{
    BOOL bDone = FALSE;
    if (m_bParsePrevLine && m_CurLine.GetLine() > 0) {
        CEditorLine prev(this, m_CurLine.GetLine() - 1);
        ParseLine(&prev, lCaret);
    }
    m_bParsePrevLine = FALSE;
    if (m_bParseLine) {
        m_bParseLine = FALSE;
        if (bLineReplacesBlock)
            m_Block.Reset();
        ParseLine(&m_CurLine, lCaret);
        bDone = TRUE;
    }
    if (m_Block.GetType()) {
        CBlock block = m_Block;
        m_Block.Reset();
        m_Patterns.ParseBlock(this, &block, static_cast<int>(lCaret));
        ShowCursor(static_cast<int>(lCaret));
        bDone = TRUE;
    }
    return bDone;
}

// ---- Paste and inserted text

BOOL CTinctoView::PasteHelper(UINT /*nMessage*/, WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CString strText;
    m_Block.Reset();
    if (!CUserInterface::Get().GetClipboardText(strText) || strText.IsEmpty())
        return FALSE;
    if (m_bSpaceForTab)
        InsertSpaceForTab(strText);
    PreparePaste(strText);
    return TRUE;
}

void CTinctoView::PreparePaste(const CString& strText)
{
    m_strBuffer = strText;
    AddPasteUndo(m_strBuffer);
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);
    m_Block.Reset();
    if (!m_Patterns.PreProcessPaste(this, m_Block, m_bParseLine)) {
        m_Block.SetType(4);
        m_Block.SetStart(nStart);
        m_Block.SetEnd(nStart + m_strBuffer.GetLength());
    }
    if (m_bParseLine) {
        m_bParseLine = FALSE;
        LONG nLineStart = m_pEditCtrl->LineIndex(m_pEditCtrl->LineFromChar(nStart));
        if (m_Block.GetType() == 4)
            m_Block.SetType(3);
        if (m_Block.GetStart() > nLineStart)
            m_Block.SetStart(nLineStart);
    }
    m_Block.SetLength(m_strBuffer.GetLength());
    m_Block.SetCursor(nStart);
}

void CTinctoView::InsertText(const char* pszText, int /*nLines*/)
{
    if (!m_pEditCtrl)
        return;
    CString strText(pszText);
    if (strText.IsEmpty()) {
        SendMessage(WM_CLEAR, 0, 0);
        return;
    }
    // The path of a paste, with the text given instead of the clipboard's.
    m_bParseLine = FALSE;
    m_bParsePrevLine = FALSE;
    LONG nStart, nEnd;
    m_pEditCtrl->GetSel(nStart, nEnd);
    m_lPasteStart = nStart;
    PreparePaste(strText);
    PostProcessMsg(WM_PASTE, 0, 0);
    UpdateCursorPosition();
}

int CTinctoView::CountLines(const char* pszText) const
{
    int nLines = 0;
    for (const char* p = pszText; *p; ++p) {
        if (*p == '\n' || (*p == '\r' && p[1] != '\n'))
            ++nLines;
    }
    return nLines;
}
