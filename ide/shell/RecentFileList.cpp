#include "RecentFileList.h"

#include "PathName.h"
#include "Profile.h"
#include "SettingsFile.h"

#include <algorithm>

namespace {

constexpr int MAX_ENTRIES = 16;

CString KeyOf(int nIndex)
{
    CString strKey;
    strKey.Format("File%d", nIndex + 1);
    return strKey;
}

}  // namespace

CRecentFileList::CRecentFileList(int nSize) : m_nSize(1)
{
    SetSize(nSize);
}

void CRecentFileList::SetSize(int nSize)
{
    m_nSize = std::clamp(nSize, 1, MAX_ENTRIES);
    if (m_entries.GetSize() > m_nSize)
        m_entries.SetSize(m_nSize);
}

void CRecentFileList::Read(CProfile& profile)
{
    m_entries.RemoveAll();
    for (int i = 0; i < m_nSize; ++i) {
        CString strPath = profile.GetString(SECTION, KeyOf(i), "");
        if (strPath.IsEmpty())
            break;
        BOOL bListed = FALSE;
        for (int j = 0; j < m_entries.GetSize(); ++j)
            bListed = bListed || m_entries[j] == strPath;
        if (!bListed && !CPathName(strPath).HasExtension(".mosk"))
            m_entries.Add(strPath);
    }
}

BOOL CRecentFileList::Write(CProfile& profile) const
{
    BOOL bOk = TRUE;
    for (int i = 0; i < MAX_ENTRIES; ++i) {
        BOOL bWritten = i < m_entries.GetSize() ? CSettingsFile::WriteString(profile, SECTION, KeyOf(i), m_entries[i])
                                                : CSettingsFile::DeleteKey(profile, SECTION, KeyOf(i));
        bOk = bOk && bWritten;
    }
    return bOk;
}

void CRecentFileList::Add(const char* pszPath)
{
    CString strPath(pszPath ? pszPath : "");
    if (strPath.IsEmpty() || CPathName(strPath).HasExtension(".mosk"))
        return;
    for (int i = 0; i < m_entries.GetSize(); ++i)
        if (m_entries[i] == strPath) {
            m_entries.RemoveAt(i);
            break;
        }
    m_entries.InsertAt(0, strPath);
    if (m_entries.GetSize() > m_nSize)
        m_entries.SetSize(m_nSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < m_entries.GetSize())
        m_entries.RemoveAt(nIndex);
}

CString CRecentFileList::Dump() const
{
    CString strOut, strLine;
    for (int i = 0; i < m_entries.GetSize(); ++i) {
        strLine.Format("%d %s\n", i + 1, m_entries[i].c_str());
        strOut += strLine;
    }
    return strOut;
}
