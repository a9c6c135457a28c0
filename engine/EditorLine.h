// CEditorLine: a copy of one line of a view's control (at most 2000
// characters, without its line end), with the caret's column when the line
// was read at the caret. The pattern rules and the editing keys work on it.
#pragma once

#include "String.h"
#include "WinTypes.h"

class CRichEditCtrl;
class CTinctoView;

class CEditorLine {
public:
    enum { MAX_LINE = 2000 };

    CEditorLine();
    explicit CEditorLine(CTinctoView* pView);
    // Reads line nLine of the view's control.
    CEditorLine(CTinctoView* pView, int nLine);
    CEditorLine(const CEditorLine&) = default;
    CEditorLine& operator=(const CEditorLine&) = default;

    void SetView(CTinctoView* pView);
    // Reads line nLine (-1: the caret's line, keeping the caret position;
    // otherwise the caret is taken as the line's start). Returns the length.
    int ReadLine(int nLine = -1);
    // Column of the first occurrence of pszText, searching only columns
    // before nEnd when nEnd lies within the line; -1 if absent.
    int FindTextA(const char* pszText, int nEnd = -1) const;

    char* GetBuffer(int nColumn = 0) { return m_szText + nColumn; }
    const char* GetText() const { return m_szText; }
    char operator[](int nColumn) const { return GetChar(nColumn); }
    // Character at nColumn; 0 outside the line.
    char GetChar(int nColumn) const;
    // Character before the caret (0 at the line start) and at the caret.
    char PrevChar() const { return GetChar(GetLCharIndex() - 1); }
    char GetCursorChar() const { return GetChar(GetLCharIndex()); }
    int GetLength() const { return m_nLength; }
    // Position of the line's first character.
    long GetIndex() const { return m_lLineIndex; }
    // Caret column (caret position minus line start).
    int GetLCharIndex() const { return static_cast<int>(m_lCursor - m_lLineIndex); }
    long GetCursor() const { return m_lCursor; }
    int GetLine() const { return m_nLine; }
    BOOL IsRead() const { return m_bRead; }
    void ResetRead() { m_bRead = FALSE; }
    // Line number, start, caret, length and text on one line, for tests.
    CString Dump() const;

private:
    CTinctoView* m_pView;
    CRichEditCtrl* m_pCtrl;
    char m_szText[MAX_LINE + 4];
    int m_nLength;
    long m_lCursor;
    int m_nLine;
    long m_lLineIndex;
    BOOL m_bRead;
};
