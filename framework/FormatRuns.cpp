#include "FormatRuns.h"

#include <algorithm>
#include <cassert>

void CFormatRuns::AppendRun(std::vector<DWORD>& runs, LONG nLength, int nFormat)
{
    if (nLength <= 0)
        return;
    if (!runs.empty() && RunFormat(runs.back()) == nFormat) {
        LONG nRoom = MAX_RUN - RunLength(runs.back());
        LONG nTake = std::min(nRoom, nLength);
        runs.back() += static_cast<DWORD>(nTake);
        nLength -= nTake;
    }
    while (nLength > 0) {
        LONG nTake = std::min(MAX_RUN, nLength);
        runs.push_back(Pack(nTake, nFormat));
        nLength -= nTake;
    }
}

int CFormatRuns::GetFormatAt(LONG nPos) const
{
    assert(nPos >= 0 && nPos < GetLength());
    LONG nStart;
    return RunFormat(m_seq.GetAt(m_seq.FindIndex(nPos, nStart)));
}

void CFormatRuns::GetRuns(LONG nStart, LONG nEnd, std::vector<DWORD>& runs) const
{
    nStart = std::max<LONG>(nStart, 0);
    nEnd = std::min(nEnd, GetLength());
    if (nStart >= nEnd)
        return;
    LONG nItemStart;
    LONG i = m_seq.FindIndex(nStart, nItemStart);
    LONG nLast = m_seq.FindIndex(nEnd - 1, nItemStart);
    std::vector<DWORD> items;
    m_seq.CopyItems(i, nLast - i + 1, items);
    LONG nAt = m_seq.GetStart(i);
    for (DWORD dwItem : items) {
        LONG nFrom = std::max(nAt, nStart);
        LONG nTo = std::min(nAt + RunLength(dwItem), nEnd);
        AppendRun(runs, nTo - nFrom, RunFormat(dwItem));
        nAt += RunLength(dwItem);
    }
}

void CFormatRuns::Rebuild(LONG nFirst, LONG nCount, const std::vector<DWORD>& logical)
{
    std::vector<DWORD> items;
    items.reserve(logical.size());
    for (DWORD dwRun : logical)
        AppendRun(items, RunLength(dwRun), RunFormat(dwRun));
    m_seq.Replace(nFirst, nCount, items.data(), static_cast<LONG>(items.size()));
}

void CFormatRuns::Insert(LONG nPos, const DWORD* pRuns, LONG nRuns)
{
    assert(nPos >= 0 && nPos <= GetLength());
    if (nRuns <= 0)
        return;
    if (m_seq.GetCount() == 0) {
        // Runs collected with AppendRun are merged and item-sized already.
        m_seq.Replace(0, 0, pRuns, nRuns);
        return;
    }
    LONG nStart;
    LONG k = m_seq.FindIndex(nPos, nStart);
    // The window is the item holding nPos and the one before it, so that the
    // new runs merge with either neighbour.
    LONG nFirst = k > 0 ? k - 1 : k;
    std::vector<DWORD> window;
    m_seq.CopyItems(nFirst, k - nFirst + 1, window);
    DWORD dwSplit = window.back();
    window.pop_back();
    LONG nLeft = nPos - nStart;
    std::vector<DWORD> logical(window);
    AppendRun(logical, nLeft, RunFormat(dwSplit));
    for (LONG i = 0; i < nRuns; ++i)
        AppendRun(logical, RunLength(pRuns[i]), RunFormat(pRuns[i]));
    AppendRun(logical, RunLength(dwSplit) - nLeft, RunFormat(dwSplit));
    Rebuild(nFirst, k - nFirst + 1, logical);
}

void CFormatRuns::Insert(LONG nPos, LONG nLength, int nFormat)
{
    std::vector<DWORD> runs;
    AppendRun(runs, nLength, nFormat);
    Insert(nPos, runs.data(), static_cast<LONG>(runs.size()));
}

void CFormatRuns::Delete(LONG nPos, LONG nLength)
{
    assert(nPos >= 0 && nLength >= 0 && nPos + nLength <= GetLength());
    if (nLength == 0)
        return;
    LONG nStartI, nStartJ;
    LONG i = m_seq.FindIndex(nPos, nStartI);
    LONG j = m_seq.FindIndex(nPos + nLength - 1, nStartJ);
    LONG nFirst = i > 0 ? i - 1 : i;
    LONG nLast = j + 1 < m_seq.GetCount() ? j + 1 : j;
    std::vector<DWORD> logical;
    if (nFirst < i)
        logical.push_back(m_seq.GetAt(nFirst));
    DWORD dwI = m_seq.GetAt(i);
    DWORD dwJ = m_seq.GetAt(j);
    AppendRun(logical, nPos - nStartI, RunFormat(dwI));
    AppendRun(logical, nStartJ + RunLength(dwJ) - (nPos + nLength), RunFormat(dwJ));
    if (nLast > j)
        AppendRun(logical, RunLength(m_seq.GetAt(nLast)), RunFormat(m_seq.GetAt(nLast)));
    Rebuild(nFirst, nLast - nFirst + 1, logical);
}

void CFormatRuns::Remap(LONG nStart, LONG nEnd, const std::vector<int>& map)
{
    nStart = std::max<LONG>(nStart, 0);
    nEnd = std::min(nEnd, GetLength());
    if (nStart >= nEnd)
        return;
    LONG nStartI, nStartJ;
    LONG i = m_seq.FindIndex(nStart, nStartI);
    LONG j = m_seq.FindIndex(nEnd - 1, nStartJ);
    LONG nFirst = i > 0 ? i - 1 : i;
    LONG nLast = j + 1 < m_seq.GetCount() ? j + 1 : j;
    std::vector<DWORD> items;
    m_seq.CopyItems(nFirst, nLast - nFirst + 1, items);
    std::vector<DWORD> logical;
    logical.reserve(items.size() + 2);
    LONG nAt = m_seq.GetStart(nFirst);
    for (DWORD dwItem : items) {
        LONG nLength = RunLength(dwItem);
        int nOld = RunFormat(dwItem);
        int nNew = nOld < static_cast<int>(map.size()) && map[static_cast<size_t>(nOld)] >= 0
                       ? map[static_cast<size_t>(nOld)]
                       : nOld;
        LONG nFrom = std::clamp(nStart, nAt, nAt + nLength);
        LONG nTo = std::clamp(nEnd, nAt, nAt + nLength);
        AppendRun(logical, nFrom - nAt, nOld);
        AppendRun(logical, nTo - nFrom, nNew);
        AppendRun(logical, nAt + nLength - nTo, nOld);
        nAt += nLength;
    }
    Rebuild(nFirst, nLast - nFirst + 1, logical);
}
