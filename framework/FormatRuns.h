// CFormatRuns: the character formats of a text as runs of equal format, each
// run an item of 16 bits of length and 16 bits of format-table index, kept in
// a chunked sequence. A run longer than 65535 characters is stored as several
// items; neighbouring items of one format are merged whenever they fit.
#pragma once

#include "LengthSequence.h"

class CFormatRuns {
public:
    static constexpr LONG MAX_RUN = 0xFFFF;

    static DWORD Pack(LONG nLength, int nFormat) { return static_cast<DWORD>(nLength) | (static_cast<DWORD>(nFormat) << 16); }
    static LONG RunLength(DWORD dwRun) { return static_cast<LONG>(dwRun & 0xFFFF); }
    static int RunFormat(DWORD dwRun) { return static_cast<int>(dwRun >> 16); }
    // Appends the items for nLength characters of nFormat to runs, merging
    // with its last item when that has the same format.
    static void AppendRun(std::vector<DWORD>& runs, LONG nLength, int nFormat);

    // Number of characters covered.
    LONG GetLength() const { return m_seq.GetTotal(); }
    // Number of stored items.
    LONG GetItemCount() const { return m_seq.GetCount(); }
    // Format index of the character at nPos in [0, GetLength()).
    int GetFormatAt(LONG nPos) const;
    // Runs covering [nStart, nEnd), clipped to it and merged, appended to runs.
    void GetRuns(LONG nStart, LONG nEnd, std::vector<DWORD>& runs) const;

    // Inserts the packed runs of pRuns (covering their lengths) at nPos; they
    // must be as AppendRun leaves them (no empty item, neighbours of one
    // format merged as far as they fit).
    void Insert(LONG nPos, const DWORD* pRuns, LONG nRuns);
    // Inserts nLength characters of nFormat at nPos.
    void Insert(LONG nPos, LONG nLength, int nFormat);
    // Removes the formats of [nPos, nPos + nLength).
    void Delete(LONG nPos, LONG nLength);
    // Gives every character of [nStart, nEnd) the format map[old format]
    // (the old one where map holds -1 or has no entry).
    void Remap(LONG nStart, LONG nEnd, const std::vector<int>& map);
    void RemoveAll() { m_seq.RemoveAll(); }

    size_t GetMemoryUsage() const { return m_seq.GetMemoryUsage(); }

private:
    // Replaces items [nFirst, nFirst + nCount) by the runs of logical,
    // merged and split to item size.
    void Rebuild(LONG nFirst, LONG nCount, const std::vector<DWORD>& logical);

    CLengthSequence m_seq{0xFFFF};
};
