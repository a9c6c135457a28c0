// CProfile: a private-profile settings file ("[Section]" lines and
// "key=value" lines). Sections and keys compare without regard to case;
// missing keys give the caller's default; integer reads take the leading
// digits. Every write rewrites the file through a temporary file, so an
// interrupted write never leaves a half-written settings file.
#pragma once

#include "String.h"

#include <ctime>
#include <vector>

class CProfile {
public:
    explicit CProfile(const char* pszPath);

    // The program's own settings file, "mosk.ini" in the settings folder.
    static CProfile& App();

    const CString& GetPath() const { return m_strPath; }

    // Integer value of the key: optional '-' and the leading decimal digits
    // (0 when the value starts otherwise); nDefault when the key is missing.
    int GetInt(const char* pszSection, const char* pszKey, int nDefault);
    // Value of the key without surrounding white space; pszDefault when missing.
    CString GetString(const char* pszSection, const char* pszKey, const char* pszDefault);
    // TRUE when the key is present in the section.
    BOOL HasKey(const char* pszSection, const char* pszKey);

    // Sets the key (adds section and key when missing); a null value removes
    // the key, a null key removes the whole section. FALSE when the file
    // cannot be written; the file on disk is then unchanged.
    BOOL WriteString(const char* pszSection, const char* pszKey, const char* pszValue);
    BOOL WriteInt(const char* pszSection, const char* pszKey, int nValue);

    // Names of the sections / of the keys of a section, in file order.
    std::vector<CString> GetSectionNames();
    std::vector<CString> GetKeyNames(const char* pszSection);

private:
    void Refresh();
    int FindSection(const char* pszSection) const;
    int FindKey(int nSectionLine, const char* pszKey) const;
    BOOL Save();

    CString m_strPath;
    std::vector<CString> m_lines;
    bool m_bLoaded = false;
    time_t m_mtime = 0;
    long m_mtimeNsec = 0;
    long long m_size = -1;
};
