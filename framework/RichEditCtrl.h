// CRichEditCtrl: the model of a rich-edit control (version 1 behaviour).
// The text's line ends are always CR LF and count as two characters;
// positions are byte indices. Every character has a format (colour, bold,
// italic, underline, face, size), stored as runs of indices into a table of
// distinct formats. Rich text streams in through an edit-stream callback;
// plain text streams in and out the same way. A display follows the model
// through IRichEditObserver; the model never calls a widget.
//
// A position between the CR and the LF of a line end is never used: the
// start of a range moves back before the CR and the end of a non-empty
// range moves on past the LF, so that no edit can split a line end.
#pragma once

#include "CharFormatTable.h"
#include "FormatRuns.h"
#include "GapBuffer.h"
#include "LineTable.h"
#include "MessageTarget.h"
#include "String.h"

#include <vector>

class IRichEditObserver;
class CTextPiece;

class CRichEditCtrl : public IMessageTarget {
public:
    CRichEditCtrl();
    CRichEditCtrl(const CRichEditCtrl&) = delete;
    CRichEditCtrl& operator=(const CRichEditCtrl&) = delete;

    // Observers (not owned) hear of every change after it was applied.
    void AddObserver(IRichEditObserver* pObserver);
    void RemoveObserver(IRichEditObserver* pObserver);

    // ---- Text
    LONG GetTextLength() const { return m_text.GetLength(); }
    // The whole text.
    void GetWindowText(CString& strText) const;
    CString GetWindowText() const;
    // Replaces the whole text (line ends converted) in the default format;
    // caret at 0, modified flag cleared.
    void SetWindowText(const char* pszText);
    // Text of [nFirst, nLast) (clamped; nLast -1: to the end); returns its length.
    LONG GetTextRange(LONG nFirst, LONG nLast, CString& strText) const;

    // ---- Selection
    // Start and end of the selection, start <= end.
    void GetSel(LONG& nStart, LONG& nEnd) const;
    void GetSel(CHARRANGE& cr) const { GetSel(cr.cpMin, cr.cpMax); }
    // Selects [nStart, nEnd) with the caret at nEnd. (0, -1) selects all; a
    // negative end means the text's end; a negative start removes the
    // selection, leaving the caret at the end of the old one. Positions clamp
    // to the text.
    void SetSel(LONG nStart, LONG nEnd);
    void SetSel(const CHARRANGE& cr) { SetSel(cr.cpMin, cr.cpMax); }
    // Position of the caret (the active end of the selection).
    LONG GetCaret() const { return m_nActive; }
    CString GetSelText() const;

    // ---- Lines (counted from 0)
    // Number of lines: 1 for an empty text; a text ending in CR LF has an
    // empty last line.
    int GetLineCount() const { return static_cast<int>(m_lines.GetLineCount()); }
    // Line holding character nIndex (clamped to the text); -1: the line of
    // the selection's start.
    int LineFromChar(LONG nIndex = -1) const;
    // Position of the first character of nLine; -1: the caret's line. -1
    // when the line does not exist.
    int LineIndex(int nLine = -1) const;
    // Length without line end of the line holding character nIndex (clamped
    // to the text). -1: the number of unselected characters on the lines
    // the selection touches (the caret's line length when it is empty).
    int LineLength(int nIndex = -1) const;
    // Copies line nLine, with its CR LF when it has one, to pszBuffer (at
    // most nMaxLength bytes, no terminator); returns the count, 0 for a
    // line that does not exist.
    int GetLine(int nLine, char* pszBuffer, int nMaxLength) const;

    // ---- Character formats
    // Format new text starts in; returns the mask of its attributes.
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    // Sets the attributes named by cf.dwMask of the default format (text
    // already there keeps its formats).
    BOOL SetDefaultCharFormat(const CHARFORMAT& cf);
    // Format of the first character of [nStart, nEnd) (the insertion
    // format at nStart when empty); returns, also in cf.dwMask, the mask of
    // the attributes that are the same over the whole range.
    DWORD GetCharFormat(LONG nStart, LONG nEnd, CHARFORMAT& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    // Sets the attributes named by cf.dwMask over [nStart, nEnd).
    BOOL SetCharFormat(LONG nStart, LONG nEnd, const CHARFORMAT& cf);
    // Same over the selection; on an empty selection it sets the format the
    // next inserted text takes.
    BOOL SetSelectionCharFormat(const CHARFORMAT& cf);

    // ---- Find
    // Finds pFind->lpstrText in pFind->chrg. FR_DOWN: forwards from cpMin to
    // cpMax (-1: the end); otherwise backwards from cpMin (-1: the end) down
    // to cpMax (-1: the start). FR_MATCHCASE compares case; FR_WHOLEWORD
    // wants no letter, digit or '_' on either side. Returns the start of the
    // match, filling chrgText, or -1 (chrgText -1, -1).
    LONG FindText(DWORD dwFlags, FINDTEXTEX* pFind) const;

    // ---- Edits
    // Replaces the selection by pszText (line ends converted); the new text
    // takes the insertion format; the caret ends after it. Works on a
    // read-only control (it is the program's edit, not the user's).
    void ReplaceSel(const char* pszText, BOOL bCanUndo = FALSE);
    // User edits through the clipboard seam; refused when read-only.
    void Clear();
    void Cut();
    void Copy() const;
    void Paste();
    BOOL GetModify() const { return m_bModified; }
    void SetModify(BOOL bModified = TRUE) { m_bModified = bModified; }
    // Read-only refuses the user's edits; programmatic edits and streams work.
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { m_bReadOnly = bReadOnly; return TRUE; }
    BOOL GetReadOnly() const { return m_bReadOnly; }

    // ---- Window messages: the control's own handling of keys, characters,
    // the clipboard and the mouse (see MessageTarget.h).
    LRESULT SendMessage(UINT nMessage, WPARAM wParam, LPARAM lParam) override;
    void BeginDrag() override;
    void EndDrag() override;
    BOOL DropText(LONG nPos, const char* pszText, BOOL bCopy) override;
    // Overwrite mode: typed characters replace the one at the caret (VK_INSERT toggles it).
    BOOL GetOverwrite() const { return m_bOverwrite; }
    void SetOverwrite(BOOL bOverwrite) { m_bOverwrite = bOverwrite; }
    // Columns between tab stops, for moving the caret up and down (the widget sets it).
    void SetTabColumns(int nColumns) { m_nTabColumns = nColumns < 1 ? 1 : nColumns; }
    int GetTabColumns() const { return m_nTabColumns; }
    // Lines one page key moves (the widget sets it from its height).
    void SetPageLines(int nLines) { m_nPageLines = nLines < 1 ? 1 : nLines; }
    // Selects [nAnchor, nActive) keeping the caret at nActive (which may lie before nAnchor).
    void SetSelAnchored(LONG nAnchor, LONG nActive)
    {
        m_nGoalColumn = -1;
        SetSelection(nAnchor, nActive);
    }
    LONG GetAnchor() const { return m_nAnchor; }

    // ---- Display state, kept for the widget that paints the control
    // Line shown at the top, counted from 0.
    int GetFirstVisibleLine() const { return static_cast<int>(m_nFirstVisibleLine); }
    // Scrolls by nLines (negative: up), keeping the first visible line within
    // the text. nChars (horizontal scrolling) is left to the widget.
    BOOL LineScroll(int nLines, int nChars = 0);
    // Reports the line the widget really shows at the top (clamped).
    void SetFirstVisibleLine(int nLine);
    // Asks the widget to bring the caret into view.
    void ScrollCaret();
    // Hides or shows the selection's highlight.
    void HideSelection(BOOL bHide, BOOL bPerm = FALSE);
    BOOL IsSelectionHidden() const { return m_bHideSelection; }
    // With redraw off the widget need not paint; observers hear when it is
    // switched on again.
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetRedraw() const { return m_bRedraw; }
    // Sets the background (bSysColor: the system's window colour); returns
    // the previous colour.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    COLORREF GetBackgroundColor() const { return m_crBackground; }
    BOOL IsSystemBackground() const { return m_bSysBackground; }
    // Tab stops (PFM_TABSTOPS: cTabCount stops in rgxTabs, twips, at most
    // MAX_TAB_STOPS) for the whole text; other paragraph attributes are not kept.
    BOOL SetParaFormat(const PARAFORMAT& pf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;

    // ---- Streams
    // Streams text in through es.pfnCallback: SF_RTF or SF_TEXT, with
    // SFF_SELECTION replacing the selection (caret after the new text, the
    // modified flag set) instead of the whole text (caret at 0, the flag
    // cleared). A non-zero callback result stops the stream and is stored in
    // es.dwError; what was read until then is kept. Returns the number of
    // characters inserted.
    LONG StreamIn(int nFormat, EDITSTREAM& es);
    // Streams the whole text, or with SFF_SELECTION the selection, out as
    // plain text (SF_TEXT) in chunks of the transfer size. Returns the
    // number of bytes the callback took.
    LONG StreamOut(int nFormat, EDITSTREAM& es);
    // The next StreamIn brings about nBytes of text: room is made for it at once.
    void SetStreamInHint(LONG nBytes) { m_nStreamInHint = nBytes < 0 ? 0 : nBytes; }
    // Size of the transfer buffer offered to stream callbacks (at least 1).
    void SetTransferSize(LONG nSize) { m_nTransferSize = nSize < 1 ? 1 : nSize; }
    LONG GetTransferSize() const { return m_nTransferSize; }

    // Bytes held by the model's structures (text, line table, runs, formats).
    size_t GetMemoryUsage() const;
    // Text, line table, format runs and selection as text, for tests.
    CString Dump() const;
    // Format-table index of the character at nPos in [0, GetTextLength()).
    int GetFormatIndexAt(LONG nPos) const { return m_runs.GetFormatAt(nPos); }
    // Format runs over [nStart, nEnd), clipped to it, appended to runs as
    // packed items (CFormatRuns::RunLength / RunFormat), for painting.
    void GetFormatRuns(LONG nStart, LONG nEnd, std::vector<DWORD>& runs) const { m_runs.GetRuns(nStart, nEnd, runs); }
    const CCharFormatTable& GetFormatTable() const { return m_formats; }

private:
    // Removes [nStart, nEnd) and inserts piece there (taking its text); the
    // caret ends at nCaret, -1: after the new text.
    void ReplaceRange(LONG nStart, LONG nEnd, CTextPiece& piece, LONG nCaret = -1);
    void SetSelection(LONG nAnchor, LONG nActive);
    LONG SnapBack(LONG nPos) const;
    // Clamps a range to the text: an end below 0 or past the text is its end,
    // the start lies in [0, end].
    void ClampRange(LONG& nStart, LONG& nEnd) const;
    LONG SnapForward(LONG nPos) const;
    // Format a character inserted at nPos takes (replacing up to nEnd): the
    // one set on the empty selection (when bUseSetFormat), else that of the
    // character before, else of the character after, else the default.
    CHARFORMAT InsertionFormat(LONG nPos, LONG nEnd, bool bUseSetFormat = true) const;
    void CompactFormatsIfFull();
    bool IsWordChar(LONG nPos) const;
    void NotifyText(LONG nPos, LONG nRemoved, LONG nInserted);
    void NotifyFormat(LONG nStart, LONG nEnd);
    void NotifySelection();
    void NotifyDisplay();
    void OnChar(UINT nChar);
    void OnKeyDown(UINT nKey);
    void MoveCaretTo(LONG nPos, BOOL bExtend, BOOL bKeepGoal = FALSE);
    void DeleteRange(LONG nStart, LONG nEnd);

    CGapBuffer m_text;
    CLineTable m_lines;
    CFormatRuns m_runs;
    CCharFormatTable m_formats;
    CHARFORMAT m_cfDefault;
    CHARFORMAT m_cfInsert;          // set on an empty selection, valid while m_bHasInsertFormat
    bool m_bHasInsertFormat = false;
    LONG m_nAnchor = 0;
    LONG m_nActive = 0;
    BOOL m_bModified = FALSE;
    BOOL m_bReadOnly = FALSE;
    LONG m_nTransferSize = 4096;
    LONG m_nStreamInHint = 0;
    LONG m_nFirstVisibleLine = 0;
    BOOL m_bHideSelection = FALSE;
    BOOL m_bRedraw = TRUE;
    BOOL m_bSysBackground = TRUE;
    COLORREF m_crBackground = RGB(255, 255, 255);
    std::vector<LONG> m_tabStops;
    BOOL m_bOverwrite = FALSE;
    int m_nTabColumns = 8;
    int m_nPageLines = 20;
    int m_nGoalColumn = -1;         // column kept while the caret moves up and down
    LONG m_nMouseAnchor = 0;
    LONG m_nDragStart = -1;         // selection being dragged out of the control
    LONG m_nDragEnd = -1;
    std::vector<IRichEditObserver*> m_observers;
};
