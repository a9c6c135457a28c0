// CRecentFileList: the File menu's list of recently opened files, newest
// first, at most a fixed number of entries ("MRULength"), kept in section
// "Recent File List" of the settings file as "File1", "File2", ... Project
// files (".mosk", any case) are never entered.
#pragma once

#include "StringArray.h"

class CProfile;

class CRecentFileList {
public:
    static constexpr const char* SECTION = "Recent File List";

    // nSize: the most entries kept (at least 1, at most 16).
    explicit CRecentFileList(int nSize = 8);

    // Sets the length; entries beyond it are dropped.
    void SetSize(int nSize);
    int GetSize() const { return m_nSize; }
    // Reads "File1" to "File<size>"; empty values end the list.
    void Read(CProfile& profile);
    // Writes the entries and removes the keys of empty places; FALSE when the file could not be written.
    BOOL Write(CProfile& profile) const;

    // Puts pszPath at the head (moving it when listed); a ".mosk" file or an empty path is ignored.
    void Add(const char* pszPath);
    // Removes entry nIndex (0: newest).
    void Remove(int nIndex);
    int GetCount() const { return static_cast<int>(m_entries.GetSize()); }
    const CString& Get(int nIndex) const { return m_entries[nIndex]; }

    // The entries, one per line, numbered from 1.
    CString Dump() const;

private:
    int m_nSize;
    CStringArray m_entries;
};
