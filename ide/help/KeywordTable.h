// CKeywordTable: the distinct keywords of a loaded search index in file
// order, each with the file position of its first entry. Keywords that
// differ only in letter case share one row (the first spelling).
#pragma once

#include "DWordArray.h"
#include "StringArray.h"

class CKeywordTable {
public:
    int GetCount() const { return m_keywords.GetSize(); }
    const CString& GetKeyword(int nIndex) const { return m_keywords[nIndex]; }
    DWORD GetPosition(int nIndex) const { return m_positions[nIndex]; }

    // Appends a row when pszKeyword differs, without regard to case, from the last one; TRUE when it did.
    BOOL AddIfNew(const CString& strKeyword, DWORD nPos);
    void RemoveAll();
    // Index of the first keyword that begins with pszPrefix without regard
    // to case; -1 when none. An empty prefix gives the first keyword.
    int FindPrefix(const char* pszPrefix) const;

    // One "keyword position" line per row.
    CString Dump() const;

private:
    CStringArray m_keywords;
    CDWordArray m_positions;
    BOOL m_bSorted = TRUE;   // rows in ascending keyword order (a well-made file)
};
