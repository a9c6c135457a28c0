// CTextPiece: text on its way into a rich-edit control, collected with its
// format runs and its line lengths so that the control can insert it in one
// edit. Its line ends are always CR LF.
#pragma once

#include "WinTypes.h"

#include <vector>

class CTextPiece {
public:
    // Format-table index of the text appended next.
    void SetFormat(int nFormat) { m_nFormat = nFormat; }
    int GetFormat() const { return m_nFormat; }
    // Appends nCount bytes that hold no CR, LF or NUL.
    void AppendText(const char* pch, LONG nCount);
    void AppendChar(char ch) { AppendText(&ch, 1); }
    // Appends a CR LF line end.
    void AppendLineBreak();
    // Appends plain text: CR LF, a lone CR and a lone LF each become one CR LF
    // (a CR at the end of one call pairs with an LF at the start of the
    // next); NUL bytes are dropped.
    void AppendPlain(const char* pch, LONG nCount);

    LONG GetLength() const { return static_cast<LONG>(m_text.size()); }
    // The bytes; the control may take them over.
    std::vector<char>& Text() { return m_text; }
    const std::vector<char>& Text() const { return m_text; }
    // Packed format runs (see CFormatRuns) covering the text.
    const std::vector<DWORD>& Runs() const { return m_runs; }
    // Lengths, with their CR LF, of the lines that end inside the piece; the
    // text after the last of them is GetTailLength() bytes.
    const std::vector<DWORD>& LineLengths() const { return m_lines; }
    LONG GetTailLength() const { return GetLength() - m_nLineStart; }

private:
    std::vector<char> m_text;
    std::vector<DWORD> m_runs;
    std::vector<DWORD> m_lines;
    LONG m_nLineStart = 0;
    int m_nFormat = 0;
    bool m_bAfterCR = false;
};
