// CTextPiece: text on its way into a rich-edit control, collected with its
// format runs and its line lengths so that the control can insert it in one
// edit. Its line ends are always CR LF. The bytes live in one malloc block
// that grows with realloc (large blocks are then remapped, not copied) and
// that the control can take over without a copy.
#pragma once

#include "WinTypes.h"

#include <cstring>
#include <vector>

class CTextPiece {
public:
    CTextPiece() = default;
    ~CTextPiece();
    CTextPiece(const CTextPiece&) = delete;
    CTextPiece& operator=(const CTextPiece&) = delete;

    // Format-table index of the text appended next.
    void SetFormat(int nFormat) { m_nFormat = nFormat; }
    int GetFormat() const { return m_nFormat; }
    // Appends nCount bytes that hold no CR, LF or NUL.
    void AppendText(const char* pch, LONG nCount)
    {
        if (nCount <= 0)
            return;
        if (m_nLength + nCount > m_nCapacity)
            Grow(nCount);
        if (nCount == 1)
            m_pText[m_nLength] = *pch;
        else
            std::memcpy(m_pText + m_nLength, pch, static_cast<size_t>(nCount));
        m_nLength += nCount;
        AddToRuns(nCount);
        m_bAfterCR = false;
    }
    void AppendChar(char ch) { AppendText(&ch, 1); }
    // Appends a CR LF line end.
    void AppendLineBreak();
    // Appends plain text: CR LF, a lone CR and a lone LF each become one CR LF
    // (a CR at the end of one call pairs with an LF at the start of the
    // next); NUL bytes are dropped.
    void AppendPlain(const char* pch, LONG nCount);

    // Makes room for about nBytes of text (and its lines and runs) at once,
    // so that a large stream does not grow the piece step by step.
    void Reserve(LONG nBytes);

    LONG GetLength() const { return m_nLength; }
    const char* GetText() const { return m_pText; }
    // Hands the malloc block of the text over (the caller frees it); the
    // piece keeps its runs and lines but no text any more.
    char* DetachText(LONG& nCapacity);
    // Packed format runs (see CFormatRuns) covering the text.
    const std::vector<DWORD>& Runs() const { return m_runs; }
    // Lengths, with their CR LF, of the lines that end inside the piece; the
    // text after the last of them is GetTailLength() bytes.
    const std::vector<DWORD>& LineLengths() const { return m_lines; }
    LONG GetTailLength() const { return m_nLength - m_nLineStart; }

private:
    void Grow(LONG nMore);
    void AddToRuns(LONG nCount)
    {
        if (!m_runs.empty() && static_cast<int>(m_runs.back() >> 16) == m_nFormat &&
            (m_runs.back() & 0xFFFF) + static_cast<DWORD>(nCount) <= 0xFFFF)
            m_runs.back() += static_cast<DWORD>(nCount);
        else
            AddRun(nCount);
    }
    void AddRun(LONG nCount);

    char* m_pText = nullptr;
    LONG m_nLength = 0;
    LONG m_nCapacity = 0;
    std::vector<DWORD> m_runs;
    std::vector<DWORD> m_lines;
    LONG m_nLineStart = 0;
    int m_nFormat = 0;
    bool m_bAfterCR = false;
};
