// CLengthSequence: a sequence of 32-bit items, each carrying a length in the
// bits of a mask, kept in chunks of at most a few thousand items with the sum
// of lengths per chunk. Look-ups by index or by position and edits cost time
// proportional to the number of chunks plus one chunk, never to the whole
// sequence. Serves the line table (an item is one line's length) and the
// format runs (an item packs a run length and a format index).
#pragma once

#include "WinTypes.h"

#include <vector>

class CLengthSequence {
public:
    // dwLengthMask selects the bits of an item that hold its length.
    explicit CLengthSequence(DWORD dwLengthMask = 0xFFFFFFFFu);

    // Number of items.
    LONG GetCount() const { return m_nCount; }
    // Sum of the lengths of all items.
    LONG GetTotal() const { return m_nTotal; }
    // Item at nIndex in [0, GetCount()).
    DWORD GetAt(LONG nIndex) const;
    // Length part of the item at nIndex.
    LONG GetLength(LONG nIndex) const { return static_cast<LONG>(GetAt(nIndex) & m_dwMask); }
    // Index of the item holding position nPos in [0, GetTotal()]: the first
    // item whose end lies beyond nPos, else the last item. Its start goes to
    // nStart. -1 (and nStart 0) when the sequence is empty.
    LONG FindIndex(LONG nPos, LONG& nStart) const;
    // Sum of the lengths of the items before nIndex, nIndex in [0, GetCount()].
    LONG GetStart(LONG nIndex) const;
    // Appends nCount items from nFirst on to items; the range must exist.
    void CopyItems(LONG nFirst, LONG nCount, std::vector<DWORD>& items) const;

    // Replaces nRemove items from nFirst on by the nInsert items of pItems
    // (not kept); nFirst in [0, GetCount()], nFirst + nRemove <= GetCount().
    void Replace(LONG nFirst, LONG nRemove, const DWORD* pItems, LONG nInsert);
    void SetAt(LONG nIndex, DWORD dwItem) { Replace(nIndex, 1, &dwItem, 1); }
    void RemoveAll();

    // Bytes held by the sequence's storage.
    size_t GetMemoryUsage() const;

    enum { MAX_CHUNK = 2048, SPLIT_CHUNK = 1024, MIN_CHUNK = 256 };

private:
    struct SChunk {
        std::vector<DWORD> items;
        LONG nTotal = 0;
    };
    // Chunk holding item nIndex (nIndex == count: the last chunk, at its end);
    // the index within the chunk goes to nLocal, the chunk's start to nPos.
    size_t LocateIndex(LONG nIndex, LONG& nLocal, LONG& nPos) const;
    LONG SumLengths(const DWORD* pItems, LONG nCount) const;
    void SplitChunk(size_t nChunk);
    void InsertMany(size_t nChunk, LONG nLocal, const DWORD* pItems, LONG nInsert);
    void MergeSmall(size_t nChunk);
    void ResetHint() const { m_nHintChunk = 0; m_nHintIndex = 0; m_nHintPos = 0; }

    std::vector<SChunk> m_chunks;
    DWORD m_dwMask;
    LONG m_nCount = 0;
    LONG m_nTotal = 0;
    // The chunk found last, with its first item index and start position:
    // sequential look-ups start from it.
    mutable size_t m_nHintChunk = 0;
    mutable LONG m_nHintIndex = 0;
    mutable LONG m_nHintPos = 0;
};
