// CBreakpointSet: the breakpoints of one source file, keyed by the file's
// base name: a list of (class name, 1-based line) entries. Stored as a
// DWORD count and each entry as a string and a WORD.
#pragma once

#include "String.h"

#include <vector>

class CArchive;

struct CBreakpoint {
    CString m_strClass;  // the class the line belongs to (package-qualified)
    WORD m_nLine = 0;    // 1-based
};

class CBreakpointSet {
public:
    explicit CBreakpointSet(const char* pszKey) : m_strKey(pszKey) {}

    // Appends an entry; FALSE when that class and line are already there.
    BOOL Add(const char* pszClass, WORD nLine);
    // Removes the first entry at nLine; TRUE and its class in strClass when found.
    BOOL Remove(WORD nLine, CString& strClass);
    // TRUE when an entry is at nLine.
    BOOL Has(WORD nLine) const;
    // Entries at or after nFrom move by nDelta lines (kept within 1..65535);
    // an entry that lands on a line already holding one is dropped. TRUE
    // when anything changed.
    BOOL MoveLines(int nFrom, int nDelta);
    int GetCount() const { return static_cast<int>(m_entries.size()); }
    const std::vector<CBreakpoint>& GetEntries() const { return m_entries; }
    const CString& GetKey() const { return m_strKey; }
    // Stores the count and the entries, or reads them (appending).
    void Serialize(CArchive& ar);
    // Appends one line per entry ("Class:line") at nIndent.
    void DumpTo(CString& strOut, int nIndent) const;

private:
    CString m_strKey;
    std::vector<CBreakpoint> m_entries;
};
