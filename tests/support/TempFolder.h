// CTempFolder: a fresh folder under $TMPDIR for one test, removed with its
// contents at destruction. SetAsAppFolders points the settings and data
// folders of the program at sub-folders of it for its lifetime.
#pragma once

#include "String.h"

class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const CString& Path() const { return m_strPath; }
    // Path of a file inside the folder.
    CString File(const char* pszName) const { return m_strPath + "/" + pszName; }
    // Writes a file inside the folder; returns its path.
    CString Write(const char* pszName, const std::string& contents) const;
    // Redirects $MOSK_CONFIG_DIR and $MOSK_DATA_DIR into this folder.
    void SetAsAppFolders();

private:
    CString m_strPath;
    bool m_bSetEnv = false;
    CString m_strOldConfig, m_strOldData;
    bool m_bHadConfig = false, m_bHadData = false;
};

// Whole contents of a file; empty when it cannot be read.
std::string ReadWholeFile(const char* pszPath);
