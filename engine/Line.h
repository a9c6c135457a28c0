// CLine: a light view of one line inside a larger text buffer.
#pragma once

class CLine {
public:
    // The line starting at pText: its length counts the characters before
    // the first CR or LF (or the end), plus the CR of a CR LF pair. nStart is
    // the line's position. Null when memory fails. The caller owns the result.
    static CLine* Create(const char* pText, int nStart);

    const char* GetLineBuffer() const { return m_pLineBuffer; }
    unsigned GetLength() const { return m_nLength; }
    void SetStart(unsigned nStart) { m_nStart = nStart; }
    unsigned GetStart() const { return m_nStart; }

private:
    const char* m_pLineBuffer = nullptr;
    unsigned m_nLength = 0;
    unsigned m_nStart = 0;
};
