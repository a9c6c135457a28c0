// CGapBuffer: the bytes of a text with a movable gap at the edit point, so
// that a run of edits near one place costs time proportional to the edit,
// not to the text.
#pragma once

#include "WinTypes.h"

#include <vector>

class CGapBuffer {
public:
    // Length of the text in bytes.
    LONG GetLength() const { return static_cast<LONG>(m_buf.size()) - (m_nGapEnd - m_nGapStart); }
    // Byte at nPos in [0, GetLength()).
    char GetAt(LONG nPos) const
    {
        return m_buf[static_cast<size_t>(nPos < m_nGapStart ? nPos : nPos + (m_nGapEnd - m_nGapStart))];
    }
    // Copies nCount bytes from nPos on to pDest; the range must exist.
    void Copy(LONG nPos, LONG nCount, char* pDest) const;
    // Pointer to nCount contiguous bytes from nPos on (the gap is moved out of
    // the way); valid until the next change of the buffer.
    const char* GetContiguous(LONG nPos, LONG nCount) const;

    // Inserts nCount bytes of pch at nPos in [0, GetLength()].
    void Insert(LONG nPos, const char* pch, LONG nCount);
    // Makes text (taken over, left empty) the whole contents.
    void Adopt(std::vector<char>& text);
    // Removes nCount bytes from nPos on; the range must exist.
    void Delete(LONG nPos, LONG nCount);
    void RemoveAll();

    // Bytes held by the buffer's storage.
    size_t GetMemoryUsage() const { return sizeof(*this) + m_buf.capacity(); }

private:
    void MoveGap(LONG nPos) const;
    void Reallocate(LONG nGap);
    static LONG SlackFor(LONG nLength);

    // [0, m_nGapStart) and [m_nGapEnd, size) hold the text.
    mutable std::vector<char> m_buf;
    mutable LONG m_nGapStart = 0;
    mutable LONG m_nGapEnd = 0;
};
