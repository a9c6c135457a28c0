#include "LineTable.h"

#include <cassert>

CLineTable::CLineTable()
{
    RemoveAll();
}

void CLineTable::RemoveAll()
{
    m_seq.RemoveAll();
    DWORD dwEmpty = 0;
    m_seq.Replace(0, 0, &dwEmpty, 1);
}

LONG CLineTable::LineFromChar(LONG nPos) const
{
    LONG nStart;
    return m_seq.FindIndex(nPos, nStart);
}

LONG CLineTable::LineLength(LONG nLine) const
{
    LONG nLength = m_seq.GetLength(nLine);
    return nLine + 1 < m_seq.GetCount() ? nLength - 2 : nLength;
}

void CLineTable::Insert(LONG nPos, const std::vector<DWORD>& lines, LONG nTail)
{
    assert(nPos >= 0 && nPos <= GetTextLength());
    LONG nStart;
    LONG nLine = m_seq.FindIndex(nPos, nStart);
    LONG nOld = m_seq.GetLength(nLine);
    LONG nBefore = nPos - nStart;
    if (lines.empty()) {
        m_seq.SetAt(nLine, static_cast<DWORD>(nOld + nTail));
        return;
    }
    std::vector<DWORD> items(lines);
    items.front() += static_cast<DWORD>(nBefore);
    items.push_back(static_cast<DWORD>(nTail + nOld - nBefore));
    m_seq.Replace(nLine, 1, items.data(), static_cast<LONG>(items.size()));
}

void CLineTable::Delete(LONG nPos, LONG nCount)
{
    assert(nPos >= 0 && nCount >= 0 && nPos + nCount <= GetTextLength());
    if (nCount == 0)
        return;
    LONG nStartI, nStartJ;
    LONG i = m_seq.FindIndex(nPos, nStartI);
    LONG j = m_seq.FindIndex(nPos + nCount, nStartJ);
    LONG nJoined = (nPos - nStartI) + (m_seq.GetLength(j) - (nPos + nCount - nStartJ));
    DWORD dwJoined = static_cast<DWORD>(nJoined);
    m_seq.Replace(i, j - i + 1, &dwJoined, 1);
}
