// Helpers of the application tests: a temporary folder that is the
// program's settings and data folder, with a "mosk.ini" written from text.
#pragma once

#include "AppFolders.h"
#include "Profile.h"
#include "TempFolder.h"

#include <string>

class CSettingsFolder {
public:
    CSettingsFolder()
    {
        m_folder.SetAsAppFolders();
        CAppFolders::EnsureFolder(m_folder.File("config"));
    }
    // Writes "mosk.ini" in the settings folder; returns the profile over it.
    CProfile& WriteIni(const std::string& strText)
    {
        m_folder.Write("config/mosk.ini", strText);
        return CProfile::App();
    }
    std::string ReadIni() const { return ReadWholeFile(m_folder.File("config/mosk.ini")); }
    CString ConfigFile(const char* pszName) const { return m_folder.File("config") + "/" + pszName; }
    CString DataFolder() const { return m_folder.File("data"); }
    const CTempFolder& Folder() const { return m_folder; }

private:
    CTempFolder m_folder;
};
