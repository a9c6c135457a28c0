#include "GapBuffer.h"

#include <algorithm>
#include <cassert>
#include <cstring>

LONG CGapBuffer::SlackFor(LONG nLength)
{
    return std::max<LONG>(4096, nLength / 8);
}

void CGapBuffer::MoveGap(LONG nPos) const
{
    assert(nPos >= 0 && nPos <= GetLength());
    if (nPos == m_nGapStart)
        return;
    char* p = m_buf.data();
    LONG nGap = m_nGapEnd - m_nGapStart;
    if (nPos < m_nGapStart) {
        // Bytes [nPos, gapStart) move behind the gap.
        LONG nMove = m_nGapStart - nPos;
        std::memmove(p + nPos + nGap, p + nPos, static_cast<size_t>(nMove));
    } else {
        // Bytes [gapEnd, gapEnd + (nPos - gapStart)) move in front of it.
        LONG nMove = nPos - m_nGapStart;
        std::memmove(p + m_nGapStart, p + m_nGapEnd, static_cast<size_t>(nMove));
    }
    m_nGapStart = nPos;
    m_nGapEnd = nPos + nGap;
}

void CGapBuffer::Reallocate(LONG nGap)
{
    // The gap stays where it is and gets nGap bytes.
    LONG nLength = GetLength();
    std::vector<char> buf(static_cast<size_t>(nLength + nGap));
    LONG nTail = static_cast<LONG>(m_buf.size()) - m_nGapEnd;
    std::memcpy(buf.data(), m_buf.data(), static_cast<size_t>(m_nGapStart));
    std::memcpy(buf.data() + m_nGapStart + nGap, m_buf.data() + m_nGapEnd, static_cast<size_t>(nTail));
    m_buf.swap(buf);
    m_nGapEnd = m_nGapStart + nGap;
}

void CGapBuffer::Copy(LONG nPos, LONG nCount, char* pDest) const
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetLength());
    LONG nGap = m_nGapEnd - m_nGapStart;
    if (nPos < m_nGapStart) {
        LONG nFront = std::min(nCount, m_nGapStart - nPos);
        std::memcpy(pDest, m_buf.data() + nPos, static_cast<size_t>(nFront));
        pDest += nFront;
        nPos += nFront;
        nCount -= nFront;
    }
    if (nCount > 0)
        std::memcpy(pDest, m_buf.data() + nPos + nGap, static_cast<size_t>(nCount));
}

const char* CGapBuffer::GetContiguous(LONG nPos, LONG nCount) const
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetLength());
    if (nPos < m_nGapStart && nPos + nCount > m_nGapStart) {
        // The gap splits the range: move it to whichever end is nearer.
        if (m_nGapStart - nPos < nPos + nCount - m_nGapStart)
            MoveGap(nPos);
        else
            MoveGap(nPos + nCount);
    }
    if (m_buf.empty())
        return "";
    return nPos < m_nGapStart || (nPos == m_nGapStart && nCount == 0)
               ? m_buf.data() + nPos
               : m_buf.data() + nPos + (m_nGapEnd - m_nGapStart);
}

void CGapBuffer::Insert(LONG nPos, const char* pch, LONG nCount)
{
    assert(nPos >= 0 && nPos <= GetLength() && nCount >= 0);
    if (nCount == 0)
        return;
    MoveGap(nPos);
    if (m_nGapEnd - m_nGapStart < nCount)
        Reallocate(nCount + SlackFor(GetLength() + nCount));
    std::memcpy(m_buf.data() + m_nGapStart, pch, static_cast<size_t>(nCount));
    m_nGapStart += nCount;
}

void CGapBuffer::Adopt(std::vector<char>& text)
{
    LONG nLength = static_cast<LONG>(text.size());
    LONG nSlack = SlackFor(nLength);
    if (text.capacity() > text.size() + static_cast<size_t>(nSlack) * 2) {
        // Too much spare room: keep a right-sized copy instead.
        std::vector<char> fit;
        fit.reserve(static_cast<size_t>(nLength + nSlack));
        fit.assign(text.begin(), text.end());
        text.swap(fit);
    }
    std::vector<char>().swap(m_buf);
    m_buf.swap(text);
    m_buf.resize(m_buf.capacity());
    m_nGapStart = nLength;
    m_nGapEnd = static_cast<LONG>(m_buf.size());
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
    std::vector<char>().swap(m_buf);
    m_nGapStart = 0;
    m_nGapEnd = 0;
}
