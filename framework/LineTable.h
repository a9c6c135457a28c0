// CLineTable: the lengths of the lines of a text whose line ends are CR LF,
// each length with its CR LF (the last line has none and may be empty), in
// a chunked sequence so that line <-> position look-ups and edits do not
// cost time proportional to the text.
#pragma once

#include "LengthSequence.h"

class CLineTable {
public:
    CLineTable();

    // Number of lines, at least 1.
    LONG GetLineCount() const { return m_seq.GetCount(); }
    // Length of the whole text.
    LONG GetTextLength() const { return m_seq.GetTotal(); }
    // Line holding position nPos in [0, GetTextLength()].
    LONG LineFromChar(LONG nPos) const;
    // Position of the first character of nLine in [0, GetLineCount()).
    LONG LineStart(LONG nLine) const { return m_seq.GetStart(nLine); }
    // Length of nLine with its CR LF.
    LONG LineLengthWithEnd(LONG nLine) const { return m_seq.GetLength(nLine); }
    // Length of nLine without its CR LF.
    LONG LineLength(LONG nLine) const;

    // Text was inserted at nPos: the complete lines of lines (lengths with
    // their CR LF) and then nTail bytes without a line end.
    void Insert(LONG nPos, const std::vector<DWORD>& lines, LONG nTail);
    // nCount bytes at nPos were removed; neither end lies inside a CR LF.
    void Delete(LONG nPos, LONG nCount);
    void RemoveAll();

    size_t GetMemoryUsage() const { return m_seq.GetMemoryUsage(); }

private:
    CLengthSequence m_seq;
};
