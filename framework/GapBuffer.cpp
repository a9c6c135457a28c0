#include "GapBuffer.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>

CGapBuffer::~CGapBuffer()
{
    std::free(m_pBuf);
}

LONG CGapBuffer::SlackFor(LONG nLength)
{
    return std::max<LONG>(4096, nLength / 8);
}

void CGapBuffer::MoveGap(LONG nPos) const
{
    assert(nPos >= 0 && nPos <= GetLength());
    if (nPos == m_nGapStart)
        return;
    LONG nGap = m_nGapEnd - m_nGapStart;
    if (nPos < m_nGapStart)
        std::memmove(m_pBuf + nPos + nGap, m_pBuf + nPos, static_cast<size_t>(m_nGapStart - nPos));
    else
        std::memmove(m_pBuf + m_nGapStart, m_pBuf + m_nGapEnd, static_cast<size_t>(nPos - m_nGapStart));
    m_nGapStart = nPos;
    m_nGapEnd = nPos + nGap;
}

void CGapBuffer::Reallocate(LONG nGap)
{
    // The gap goes to the end, where realloc can grow or shrink it in place.
    LONG nLength = GetLength();
    MoveGap(nLength);
    char* pBuf = static_cast<char*>(std::realloc(m_pBuf, static_cast<size_t>(nLength + nGap)));
    if (!pBuf)
        throw std::bad_alloc();
    m_pBuf = pBuf;
    m_nCapacity = nLength + nGap;
    m_nGapEnd = m_nCapacity;
}

void CGapBuffer::Copy(LONG nPos, LONG nCount, char* pDest) const
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetLength());
    LONG nGap = m_nGapEnd - m_nGapStart;
    if (nPos < m_nGapStart) {
        LONG nFront = std::min(nCount, m_nGapStart - nPos);
        std::memcpy(pDest, m_pBuf + nPos, static_cast<size_t>(nFront));
        pDest += nFront;
        nPos += nFront;
        nCount -= nFront;
    }
    if (nCount > 0)
        std::memcpy(pDest, m_pBuf + nPos + nGap, static_cast<size_t>(nCount));
}

const char* CGapBuffer::GetContiguous(LONG nPos, LONG nCount) const
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetLength());
    if (!m_pBuf)
        return "";
    if (nPos < m_nGapStart && nPos + nCount > m_nGapStart) {
        // The gap splits the range: move it to whichever end is nearer.
        if (m_nGapStart - nPos < nPos + nCount - m_nGapStart)
            MoveGap(nPos);
        else
            MoveGap(nPos + nCount);
    }
    return nPos < m_nGapStart ? m_pBuf + nPos : m_pBuf + nPos + (m_nGapEnd - m_nGapStart);
}

void CGapBuffer::Insert(LONG nPos, const char* pch, LONG nCount)
{
    assert(nPos >= 0 && nPos <= GetLength() && nCount >= 0);
    if (nCount == 0)
        return;
    if (m_nGapEnd - m_nGapStart < nCount)
        Reallocate(nCount + SlackFor(GetLength() + nCount));
    MoveGap(nPos);
    std::memcpy(m_pBuf + m_nGapStart, pch, static_cast<size_t>(nCount));
    m_nGapStart += nCount;
}

void CGapBuffer::Adopt(char* pText, LONG nLength, LONG nCapacity)
{
    std::free(m_pBuf);
    m_pBuf = pText;
    m_nCapacity = nCapacity;
    m_nGapStart = nLength;
    m_nGapEnd = nCapacity;
    LONG nSlack = SlackFor(nLength);
    if (nCapacity - nLength > 2 * nSlack)
        Reallocate(nSlack);  // too much spare room
}

void CGapBuffer::Delete(LONG nPos, LONG nCount)
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetLength());
    if (nCount == 0)
        return;
    MoveGap(nPos);
    m_nGapEnd += nCount;
    LONG nLength = GetLength();
    if (nLength == 0)
        RemoveAll();
    else if (m_nGapEnd - m_nGapStart > 2 * nLength + 65536)
        Reallocate(SlackFor(nLength));
}

void CGapBuffer::RemoveAll()
{
    std::free(m_pBuf);
    m_pBuf = nullptr;
    m_nCapacity = 0;
    m_nGapStart = 0;
    m_nGapEnd = 0;
}
