#include "KeywordTable.h"

#include "SearchEntry.h"

#include <cstring>

namespace {

// TRUE when str begins with pszPrefix, letters compared without case.
BOOL HasPrefixNoCase(const CString& str, const char* pszPrefix, size_t nPrefix)
{
    if (static_cast<size_t>(str.GetLength()) < nPrefix)
        return FALSE;
    const char* psz = str.c_str();
    for (size_t i = 0; i < nPrefix; ++i) {
        char a = psz[i], b = pszPrefix[i];
        if (a >= 'A' && a <= 'Z')
            a = static_cast<char>(a + 32);
        if (b >= 'A' && b <= 'Z')
            b = static_cast<char>(b + 32);
        if (a != b)
            return FALSE;
    }
    return TRUE;
}

} // namespace

BOOL CKeywordTable::AddIfNew(const CString& strKeyword, DWORD nPos)
{
    int nCount = m_keywords.GetSize();
    if (nCount > 0) {
        int nOrder = CompareKeywords(m_keywords[nCount - 1], strKeyword);
        if (nOrder == 0)
            return FALSE;
        if (nOrder > 0)
            m_bSorted = FALSE;
    }
    m_keywords.Add(strKeyword);
    m_positions.Add(nPos);
    return TRUE;
}

void CKeywordTable::RemoveAll()
{
    m_keywords.RemoveAll();
    m_positions.RemoveAll();
    m_bSorted = TRUE;
}

int CKeywordTable::FindPrefix(const char* pszPrefix) const
{
    int nCount = m_keywords.GetSize();
    if (nCount == 0)
        return -1;
    size_t nPrefix = std::strlen(pszPrefix);
    if (nPrefix == 0)
        return 0;
    if (m_bSorted) {
        // The first row not less than the prefix is the first that can begin with it.
        int nLow = 0, nHigh = nCount;
        while (nLow < nHigh) {
            int nMid = nLow + (nHigh - nLow) / 2;
            if (CompareKeywords(m_keywords[nMid], pszPrefix) < 0)
                nLow = nMid + 1;
            else
                nHigh = nMid;
        }
        return nLow < nCount && HasPrefixNoCase(m_keywords[nLow], pszPrefix, nPrefix) ? nLow : -1;
    }
    for (int i = 0; i < nCount; ++i)
        if (HasPrefixNoCase(m_keywords[i], pszPrefix, nPrefix))
            return i;
    return -1;
}

CString CKeywordTable::Dump() const
{
    CString strOut, strLine;
    for (int i = 0; i < m_keywords.GetSize(); ++i) {
        strLine.Format("%s %u\n", m_keywords[i].c_str(), m_positions[i]);
        strOut += strLine;
    }
    return strOut;
}
