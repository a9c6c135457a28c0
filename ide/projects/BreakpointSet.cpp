#include "BreakpointSet.h"

#include "Archive.h"

#include <algorithm>

BOOL CBreakpointSet::Add(const char* pszClass, WORD nLine)
{
    for (const CBreakpoint& entry : m_entries)
        if (entry.m_nLine == nLine && entry.m_strClass == pszClass)
            return FALSE;
    m_entries.push_back({CString(pszClass), nLine});
    return TRUE;
}

BOOL CBreakpointSet::Remove(WORD nLine, CString& strClass)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->m_nLine == nLine) {
            strClass = it->m_strClass;
            m_entries.erase(it);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CBreakpointSet::Has(WORD nLine) const
{
    for (const CBreakpoint& entry : m_entries)
        if (entry.m_nLine == nLine)
            return TRUE;
    return FALSE;
}

void CBreakpointSet::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_entries.size());
        for (const CBreakpoint& entry : m_entries)
            ar << entry.m_strClass << entry.m_nLine;
        return;
    }
    // Each entry takes at least a length byte and a WORD.
    DWORD nCount = ar.ReadBoundedCount(3);
    for (DWORD i = 0; i < nCount; ++i) {
        CBreakpoint entry;
        ar >> entry.m_strClass >> entry.m_nLine;
        m_entries.push_back(entry);
    }
}

void CBreakpointSet::DumpTo(CString& strOut, int nIndent) const
{
    for (const CBreakpoint& entry : m_entries) {
        CString str;
        str.Format("%s:%u\n", entry.m_strClass.c_str(), static_cast<unsigned>(entry.m_nLine));
        strOut += CString(' ', nIndent) + str;
    }
}

BOOL CBreakpointSet::MoveLines(int nFrom, int nDelta)
{
    if (nDelta == 0)
        return FALSE;
    BOOL bChanged = FALSE;
    for (CBreakpoint& entry : m_entries) {
        if (entry.m_nLine < nFrom)
            continue;
        entry.m_nLine = static_cast<WORD>(std::clamp(entry.m_nLine + nDelta, 1, 65535));
        bChanged = TRUE;
    }
    // Lines that met keep their first entry.
    std::vector<CBreakpoint> kept;
    for (const CBreakpoint& entry : m_entries) {
        bool bTaken = std::any_of(kept.begin(), kept.end(),
                                  [&](const CBreakpoint& k) { return k.m_nLine == entry.m_nLine; });
        if (!bTaken)
            kept.push_back(entry);
    }
    m_entries.swap(kept);
    return bChanged;
}
