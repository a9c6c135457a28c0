// CCaretMotion: where the caret goes in a rich-edit control's text when it
// moves by characters, lines or words. Characters are whole UTF-8 sequences
// and a line end (CR LF) is one step; columns count tabs to the next
// multiple of the tab size.
#pragma once

#include "String.h"

class CRichEditCtrl;

class CCaretMotion {
public:
    // Position after the character at nPos; from a line's end, the next
    // line's start. The text's end stays where it is.
    static LONG Next(const CRichEditCtrl& ctrl, LONG nPos);
    // Position before the character ending at nPos; from a line's start, the
    // previous line's end. Position 0 stays.
    static LONG Previous(const CRichEditCtrl& ctrl, LONG nPos);
    // Start and end (before its CR LF) of the line holding nPos.
    static LONG LineStart(const CRichEditCtrl& ctrl, LONG nPos);
    static LONG LineEnd(const CRichEditCtrl& ctrl, LONG nPos);
    // Column of nPos on its line.
    static int ColumnAt(const CRichEditCtrl& ctrl, LONG nPos, int nTabSize);
    // Position nearest to column nColumn on the line nLines below nPos's line
    // (above when negative), the line clamped to the text.
    static LONG LineMove(const CRichEditCtrl& ctrl, LONG nPos, int nLines, int nColumn, int nTabSize);
    // The word around nPos (letters, digits, '_' and non-ASCII characters),
    // else the word ending at nPos, else the one character at nPos; an
    // empty range at a line end.
    static void WordAt(const CRichEditCtrl& ctrl, LONG nPos, LONG& nStart, LONG& nEnd);
    // Start of the word before nPos (skipping blanks and line ends first);
    // end of the word at nPos followed by its blanks. Ctrl+Left / Ctrl+Right.
    static LONG WordLeft(const CRichEditCtrl& ctrl, LONG nPos);
    static LONG WordRight(const CRichEditCtrl& ctrl, LONG nPos);
    // Text of line nLine without its line end.
    static CString LineText(const CRichEditCtrl& ctrl, int nLine);
};
