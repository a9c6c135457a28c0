// CGapBuffer: the bytes of a text with a movable gap at the edit point, so
// that a run of edits near one place costs time proportional to the edit,
// not to the text. The storage is one malloc block (grown with realloc), so
// that a block filled elsewhere can be taken over without a copy.
#pragma once

#include "WinTypes.h"

#include <cstddef>

class CGapBuffer {
public:
    CGapBuffer() = default;
    ~CGapBuffer();
    CGapBuffer(const CGapBuffer&) = delete;
    CGapBuffer& operator=(const CGapBuffer&) = delete;

    // Length of the text in bytes.
    LONG GetLength() const { return m_nCapacity - (m_nGapEnd - m_nGapStart); }
    // Byte at nPos in [0, GetLength()).
    char GetAt(LONG nPos) const { return m_pBuf[nPos < m_nGapStart ? nPos : nPos + (m_nGapEnd - m_nGapStart)]; }
    // Copies nCount bytes from nPos on to pDest; the range must exist.
    void Copy(LONG nPos, LONG nCount, char* pDest) const;
    // Pointer to nCount contiguous bytes from nPos on (the gap is moved out of
    // the way); valid until the next change of the buffer.
    const char* GetContiguous(LONG nPos, LONG nCount) const;

    // Inserts nCount bytes of pch at nPos in [0, GetLength()].
    void Insert(LONG nPos, const char* pch, LONG nCount);
    // Replaces the whole contents by the malloc block pText (taken over)
    // holding nLength bytes in nCapacity.
    void Adopt(char* pText, LONG nLength, LONG nCapacity);
    // Removes nCount bytes from nPos on; the range must exist.
    void Delete(LONG nPos, LONG nCount);
    void RemoveAll();

    // Bytes held by the buffer's storage.
    size_t GetMemoryUsage() const { return sizeof(*this) + static_cast<size_t>(m_nCapacity); }

private:
    void MoveGap(LONG nPos) const;
    void Reallocate(LONG nGap);
    static LONG SlackFor(LONG nLength);

    // [0, m_nGapStart) and [m_nGapEnd, m_nCapacity) hold the text.
    mutable char* m_pBuf = nullptr;
    LONG m_nCapacity = 0;
    mutable LONG m_nGapStart = 0;
    mutable LONG m_nGapEnd = 0;
};
