#include "LengthSequence.h"

#include <algorithm>
#include <cassert>

CLengthSequence::CLengthSequence(DWORD dwLengthMask) : m_dwMask(dwLengthMask)
{
}

size_t CLengthSequence::LocateIndex(LONG nIndex, LONG& nLocal, LONG& nPos) const
{
    assert(!m_chunks.empty());
    size_t c = m_nHintChunk;
    LONG nFirst = m_nHintIndex;
    LONG nStart = m_nHintPos;
    if (c >= m_chunks.size()) {
        c = 0;
        nFirst = 0;
        nStart = 0;
    }
    while (nIndex < nFirst && c > 0) {
        --c;
        nFirst -= static_cast<LONG>(m_chunks[c].items.size());
        nStart -= m_chunks[c].nTotal;
    }
    while (c + 1 < m_chunks.size() && nIndex >= nFirst + static_cast<LONG>(m_chunks[c].items.size())) {
        nFirst += static_cast<LONG>(m_chunks[c].items.size());
        nStart += m_chunks[c].nTotal;
        ++c;
    }
    m_nHintChunk = c;
    m_nHintIndex = nFirst;
    m_nHintPos = nStart;
    nLocal = nIndex - nFirst;
    nPos = nStart;
    return c;
}

DWORD CLengthSequence::GetAt(LONG nIndex) const
{
    assert(nIndex >= 0 && nIndex < m_nCount);
    LONG nLocal, nPos;
    size_t c = LocateIndex(nIndex, nLocal, nPos);
    return m_chunks[c].items[static_cast<size_t>(nLocal)];
}

LONG CLengthSequence::FindIndex(LONG nPos, LONG& nStart) const
{
    nStart = 0;
    if (m_nCount == 0)
        return -1;
    size_t c = m_nHintChunk;
    LONG nFirst = m_nHintIndex;
    LONG nChunkPos = m_nHintPos;
    if (c >= m_chunks.size()) {
        c = 0;
        nFirst = 0;
        nChunkPos = 0;
    }
    while (nPos < nChunkPos && c > 0) {
        --c;
        nFirst -= static_cast<LONG>(m_chunks[c].items.size());
        nChunkPos -= m_chunks[c].nTotal;
    }
    while (c + 1 < m_chunks.size() && nPos >= nChunkPos + m_chunks[c].nTotal) {
        nFirst += static_cast<LONG>(m_chunks[c].items.size());
        nChunkPos += m_chunks[c].nTotal;
        ++c;
    }
    m_nHintChunk = c;
    m_nHintIndex = nFirst;
    m_nHintPos = nChunkPos;

    const std::vector<DWORD>& items = m_chunks[c].items;
    LONG nAt = nChunkPos;
    for (size_t i = 0; i < items.size(); ++i) {
        LONG nLength = static_cast<LONG>(items[i] & m_dwMask);
        if (nPos < nAt + nLength || i + 1 == items.size()) {
            nStart = nAt;
            return nFirst + static_cast<LONG>(i);
        }
        nAt += nLength;
    }
    assert(false && "empty chunk");
    return -1;
}

LONG CLengthSequence::GetStart(LONG nIndex) const
{
    assert(nIndex >= 0 && nIndex <= m_nCount);
    if (m_nCount == 0)
        return 0;
    LONG nLocal, nPos;
    size_t c = LocateIndex(nIndex, nLocal, nPos);
    return nPos + SumLengths(m_chunks[c].items.data(), nLocal);
}

void CLengthSequence::CopyItems(LONG nFirst, LONG nCount, std::vector<DWORD>& items) const
{
    assert(nFirst >= 0 && nCount >= 0 && nFirst + nCount <= m_nCount);
    if (nCount == 0)
        return;
    LONG nLocal, nPos;
    size_t c = LocateIndex(nFirst, nLocal, nPos);
    while (nCount > 0) {
        const std::vector<DWORD>& chunk = m_chunks[c].items;
        LONG nTake = std::min(nCount, static_cast<LONG>(chunk.size()) - nLocal);
        items.insert(items.end(), chunk.begin() + nLocal, chunk.begin() + nLocal + nTake);
        nCount -= nTake;
        nLocal = 0;
        ++c;
    }
}

LONG CLengthSequence::SumLengths(const DWORD* pItems, LONG nCount) const
{
    LONG nSum = 0;
    for (LONG i = 0; i < nCount; ++i)
        nSum += static_cast<LONG>(pItems[i] & m_dwMask);
    return nSum;
}

void CLengthSequence::Replace(LONG nFirst, LONG nRemove, const DWORD* pItems, LONG nInsert)
{
    assert(nFirst >= 0 && nRemove >= 0 && nInsert >= 0 && nFirst + nRemove <= m_nCount);
    if (nRemove == 0 && nInsert == 0)
        return;
    if (m_chunks.empty())
        m_chunks.emplace_back();
    LONG nLocal, nPos;
    size_t c = LocateIndex(nFirst, nLocal, nPos);
    ResetHint();

    size_t k = c;
    LONG nAt = nLocal;
    LONG nLeft = nRemove;
    while (nLeft > 0) {
        assert(k < m_chunks.size());
        SChunk& chunk = m_chunks[k];
        LONG nTake = std::min(nLeft, static_cast<LONG>(chunk.items.size()) - nAt);
        LONG nLength = SumLengths(chunk.items.data() + nAt, nTake);
        chunk.items.erase(chunk.items.begin() + nAt, chunk.items.begin() + nAt + nTake);
        chunk.nTotal -= nLength;
        m_nTotal -= nLength;
        m_nCount -= nTake;
        nLeft -= nTake;
        nAt = 0;
        ++k;
    }
    // Chunks after c emptied by the removal go; they lie in (c, k).
    if (k > c + 1) {
        auto itFirst = m_chunks.begin() + static_cast<std::ptrdiff_t>(c + 1);
        auto itEnd = m_chunks.begin() + static_cast<std::ptrdiff_t>(k);
        m_chunks.erase(std::remove_if(itFirst, itEnd, [](const SChunk& s) { return s.items.empty(); }), itEnd);
    }
    if (nInsert > 0) {
        LONG nLength = SumLengths(pItems, nInsert);
        m_nTotal += nLength;
        m_nCount += nInsert;
        SChunk& chunk = m_chunks[c];
        if (chunk.items.size() + static_cast<size_t>(nInsert) <= MAX_CHUNK) {
            chunk.items.insert(chunk.items.begin() + nLocal, pItems, pItems + nInsert);
            chunk.nTotal += nLength;
        } else {
            InsertMany(c, nLocal, pItems, nInsert);
        }
    }
    if (m_chunks[c].items.empty())
        m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(c));

    if (c < m_chunks.size() && m_chunks[c].items.size() > MAX_CHUNK)
        SplitChunk(c);
    else
        MergeSmall(c);
    if (m_nCount == 0)
        RemoveAll();
}

void CLengthSequence::InsertMany(size_t nChunk, LONG nLocal, const DWORD* pItems, LONG nInsert)
{
    // The items after nLocal move out; chunk nChunk is filled up to the
    // split size with new items, and the rest (new items, then the moved
    // ones) goes into new chunks of that size, each copied once.
    SChunk& chunk = m_chunks[nChunk];
    std::vector<DWORD> tail(chunk.items.begin() + nLocal, chunk.items.end());
    chunk.items.resize(static_cast<size_t>(nLocal));
    LONG nTail = static_cast<LONG>(tail.size());
    LONG nAll = nInsert + nTail;
    auto itemAt = [&](LONG i) { return i < nInsert ? pItems[i] : tail[static_cast<size_t>(i - nInsert)]; };
    LONG nNext = 0;
    std::vector<SChunk> added;
    SChunk* pFill = &chunk;
    while (nNext < nAll) {
        LONG nRoom = SPLIT_CHUNK - static_cast<LONG>(pFill->items.size());
        if (nRoom <= 0) {
            added.emplace_back();
            added.back().items.reserve(std::min<size_t>(SPLIT_CHUNK, static_cast<size_t>(nAll - nNext)));
            pFill = &added.back();
            continue;
        }
        LONG nTake = std::min(nRoom, nAll - nNext);
        if (nNext + nTake <= nInsert) {
            pFill->items.insert(pFill->items.end(), pItems + nNext, pItems + nNext + nTake);
        } else {
            for (LONG i = nNext; i < nNext + nTake; ++i)
                pFill->items.push_back(itemAt(i));
        }
        nNext += nTake;
    }
    chunk.nTotal = SumLengths(chunk.items.data(), static_cast<LONG>(chunk.items.size()));
    for (SChunk& piece : added)
        piece.nTotal = SumLengths(piece.items.data(), static_cast<LONG>(piece.items.size()));
    m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunk + 1), std::make_move_iterator(added.begin()),
                    std::make_move_iterator(added.end()));
}

void CLengthSequence::SplitChunk(size_t nChunk)
{
    std::vector<DWORD> all;
    all.swap(m_chunks[nChunk].items);
    size_t nSize = all.size();
    size_t nPieces = (nSize + SPLIT_CHUNK - 1) / SPLIT_CHUNK;
    size_t nPer = (nSize + nPieces - 1) / nPieces;
    std::vector<SChunk> pieces(nPieces);
    size_t nAt = 0;
    for (SChunk& piece : pieces) {
        size_t nTake = std::min(nPer, nSize - nAt);
        piece.items.assign(all.begin() + static_cast<std::ptrdiff_t>(nAt),
                           all.begin() + static_cast<std::ptrdiff_t>(nAt + nTake));
        piece.nTotal = SumLengths(piece.items.data(), static_cast<LONG>(nTake));
        nAt += nTake;
    }
    m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunk));
    m_chunks.insert(m_chunks.begin() + static_cast<std::ptrdiff_t>(nChunk),
                    std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end()));
}

void CLengthSequence::MergeSmall(size_t nChunk)
{
    // Joins a small chunk with a neighbour so that deletions cannot leave a
    // long tail of near-empty chunks.
    for (size_t a : {nChunk, nChunk - 1}) {
        if (a >= m_chunks.size() || a + 1 >= m_chunks.size())
            continue;
        SChunk& left = m_chunks[a];
        SChunk& right = m_chunks[a + 1];
        if (left.items.size() + right.items.size() > MAX_CHUNK)
            continue;
        if (left.items.size() >= MIN_CHUNK && right.items.size() >= MIN_CHUNK)
            continue;
        left.items.insert(left.items.end(), right.items.begin(), right.items.end());
        left.nTotal += right.nTotal;
        m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(a + 1));
    }
}

void CLengthSequence::RemoveAll()
{
    std::vector<SChunk>().swap(m_chunks);
    m_nCount = 0;
    m_nTotal = 0;
    ResetHint();
}

size_t CLengthSequence::GetMemoryUsage() const
{
    size_t nBytes = sizeof(*this) + m_chunks.capacity() * sizeof(SChunk);
    for (const SChunk& chunk : m_chunks)
        nBytes += chunk.items.capacity() * sizeof(DWORD);
    return nBytes;
}
