// CCharacterOffsets: the text of a rich-edit control as a reader sees it,
// for screen readers: characters are decoded UTF-8 code points (a byte
// that starts no valid sequence is a character of its own), and every
// line end (CR LF in the control) is one '\n'. It keeps its own copy of
// the text, follows the control's edits, and maps the control's byte
// positions to character offsets and back.
#pragma once

#include "WinTypes.h"

#include <string>
#include <vector>

class CRichEditCtrl;

class CCharacterOffsets {
public:
    enum class EBoundary { Character, Word, Line, All };

    // Takes the whole text of ctrl.
    void Reset(const CRichEditCtrl& ctrl);
    // Follows an edit of ctrl (nRemoved bytes at nPos became nInserted):
    // nChar is the character offset of the edit, removed and inserted the
    // texts that went and came. False when the copy had lost step with the
    // control; it is then taken anew and the texts are empty.
    bool Apply(const CRichEditCtrl& ctrl, LONG nPos, LONG nRemoved, LONG nInserted, int& nChar,
               std::u32string& removed, std::u32string& inserted);

    // Number of characters.
    int GetCount() const;
    // Character offset of byte position nPos (clamped); a position inside a
    // character (or between CR and LF) counts as that character's start.
    int CharFromPos(LONG nPos) const;
    // Byte position of character offset nChar (clamped to [0, GetCount()]).
    LONG PosFromChar(int nChar) const;
    // Characters [nStart, nEnd) (clamped; nEnd -1: to the end).
    std::u32string Text(int nStart, int nEnd) const;
    // The segment holding character nOffset: the character; a word (letters,
    // digits, '_' and non-ASCII), a run of blanks or one other character,
    // never across a line end; the line with its '\n'; or the whole text.
    // At the end of the text: an empty range there, except that the last
    // line is the line there.
    void Segment(EBoundary boundary, int nOffset, int& nStart, int& nEnd) const;

    // Offsets of the line starts (the first is 0), for tests.
    std::vector<int> LineStarts() const;

private:
    void Index() const;
    // Bytes of the character at nPos of the copy (a CR LF is one of 2).
    int CharBytes(size_t nPos) const;
    // Line (0-based) holding character nChar.
    size_t LineOfChar(int nChar) const;

    std::string m_text;
    mutable bool m_bIndexed = false;
    mutable std::vector<LONG> m_lineBytes;   // byte position of each line's start
    mutable std::vector<int> m_lineChars;    // character offset of each line's start
    mutable int m_nCount = 0;
};
