#include "Profile.h"

#include "AppFolders.h"
#include "AtomicFile.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CString Trimmed(const CString& str)
{
    CString s(str);
    s.Trim();
    return s;
}

bool IsSectionLine(const CString& line, CString* pName)
{
    CString s = Trimmed(line);
    if (s.GetLength() < 2 || s[0] != '[')
        return false;
    int nClose = s.Find(']');
    if (nClose < 0)
        return false;
    if (pName)
        *pName = Trimmed(s.Mid(1, nClose - 1));
    return true;
}

bool SplitKeyLine(const CString& line, CString* pKey, CString* pValue)
{
    CString s = Trimmed(line);
    if (s.IsEmpty() || s[0] == ';' || s[0] == '[')
        return false;
    int nEq = s.Find('=');
    if (nEq < 0)
        return false;
    if (pKey)
        *pKey = Trimmed(s.Left(nEq));
    if (pValue)
        *pValue = Trimmed(s.Mid(nEq + 1));
    return true;
}

} // namespace

CProfile::CProfile(const char* pszPath)
    : m_strPath(pszPath)
{
}

CProfile& CProfile::App()
{
    static CProfile s_profile("");
    CString strPath = CAppFolders::GetSettingsFolder() + "/mosk.ini";
    if (s_profile.m_strPath != strPath) {
        s_profile.m_strPath = strPath;
        s_profile.m_bLoaded = false;
    }
    return s_profile;
}

void CProfile::Refresh()
{
    struct stat st;
    bool bExists = stat(m_strPath, &st) == 0;
    long long size = bExists ? static_cast<long long>(st.st_size) : -1;
    time_t mtime = bExists ? st.st_mtim.tv_sec : 0;
    long nsec = bExists ? st.st_mtim.tv_nsec : 0;
    if (m_bLoaded && size == m_size && mtime == m_mtime && nsec == m_mtimeNsec)
        return;
    m_lines.clear();
    if (bExists) {
        std::ifstream in(m_strPath.c_str(), std::ios::binary);
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            m_lines.emplace_back(line);
        }
    }
    m_bLoaded = true;
    m_size = size;
    m_mtime = mtime;
    m_mtimeNsec = nsec;
}

int CProfile::FindSection(const char* pszSection) const
{
    CString strName;
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (IsSectionLine(m_lines[i], &strName) && strName.CompareNoCase(pszSection) == 0)
            return static_cast<int>(i);
    return -1;
}

int CProfile::FindKey(int nSectionLine, const char* pszKey) const
{
    CString strKey;
    for (size_t i = static_cast<size_t>(nSectionLine) + 1; i < m_lines.size(); ++i) {
        if (IsSectionLine(m_lines[i], nullptr))
            break;
        if (SplitKeyLine(m_lines[i], &strKey, nullptr) && strKey.CompareNoCase(pszKey) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

BOOL CProfile::HasKey(const char* pszSection, const char* pszKey)
{
    Refresh();
    int nSection = FindSection(pszSection);
    return nSection >= 0 && FindKey(nSection, pszKey) >= 0;
}

CString CProfile::GetString(const char* pszSection, const char* pszKey, const char* pszDefault)
{
    Refresh();
    int nSection = FindSection(pszSection);
    int nKey = nSection >= 0 ? FindKey(nSection, pszKey) : -1;
    if (nKey < 0)
        return CString(pszDefault);
    CString strValue;
    SplitKeyLine(m_lines[static_cast<size_t>(nKey)], nullptr, &strValue);
    return strValue;
}

int CProfile::GetInt(const char* pszSection, const char* pszKey, int nDefault)
{
    if (!HasKey(pszSection, pszKey))
        return nDefault;
    CString strValue = GetString(pszSection, pszKey, "");
    const char* p = strValue;
    bool bNegative = false;
    if (*p == '-') {
        bNegative = true;
        ++p;
    }
    unsigned int nValue = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        nValue = nValue * 10u + static_cast<unsigned int>(*p - '0');
    // Negated in unsigned arithmetic: "-2147483648" is INT_MIN, and larger
    // values wrap as they always have instead of overflowing an int.
    return static_cast<int>(bNegative ? 0u - nValue : nValue);
}

BOOL CProfile::WriteString(const char* pszSection, const char* pszKey, const char* pszValue)
{
    Refresh();
    std::vector<CString> saved = m_lines;
    int nSection = FindSection(pszSection);
    if (!pszKey) {
        if (nSection < 0)
            return TRUE;
        size_t nEnd = static_cast<size_t>(nSection) + 1;
        while (nEnd < m_lines.size() && !IsSectionLine(m_lines[nEnd], nullptr))
            ++nEnd;
        m_lines.erase(m_lines.begin() + nSection, m_lines.begin() + static_cast<long>(nEnd));
    } else if (!pszValue) {
        int nKey = nSection >= 0 ? FindKey(nSection, pszKey) : -1;
        if (nKey < 0)
            return TRUE;
        m_lines.erase(m_lines.begin() + nKey);
    } else {
        CString strLine = CString(pszKey) + "=" + pszValue;
        if (nSection < 0) {
            if (!m_lines.empty() && !Trimmed(m_lines.back()).IsEmpty())
                m_lines.emplace_back("");
            m_lines.push_back(CString("[") + pszSection + "]");
            m_lines.push_back(strLine);
        } else {
            int nKey = FindKey(nSection, pszKey);
            if (nKey >= 0) {
                m_lines[static_cast<size_t>(nKey)] = strLine;
            } else {
                // After the last key line of the section, before trailing blank lines.
                size_t nInsert = static_cast<size_t>(nSection) + 1;
                for (size_t i = nInsert; i < m_lines.size() && !IsSectionLine(m_lines[i], nullptr); ++i)
                    if (!Trimmed(m_lines[i]).IsEmpty())
                        nInsert = i + 1;
                m_lines.insert(m_lines.begin() + static_cast<long>(nInsert), strLine);
            }
        }
    }
    if (!Save()) {
        m_lines = saved;
        return FALSE;
    }
    return TRUE;
}

BOOL CProfile::WriteInt(const char* pszSection, const char* pszKey, int nValue)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return WriteString(pszSection, pszKey, strValue);
}

BOOL CProfile::Save()
{
    CString strFolder = m_strPath.Left(m_strPath.ReverseFind('/'));
    if (!strFolder.IsEmpty() && !CAppFolders::EnsureFolder(strFolder))
        return FALSE;
    std::string text;
    for (const CString& line : m_lines) {
        text += line.str();
        text += '\n';
    }
    CString strError;
    if (!CAtomicFile::WriteFile(m_strPath, text.data(), text.size(), strError))
        return FALSE;
    m_bLoaded = false;
    return TRUE;
}

std::vector<CString> CProfile::GetSectionNames()
{
    Refresh();
    std::vector<CString> names;
    CString strName;
    for (const CString& line : m_lines)
        if (IsSectionLine(line, &strName))
            names.push_back(strName);
    return names;
}

std::vector<CString> CProfile::GetKeyNames(const char* pszSection)
{
    Refresh();
    std::vector<CString> names;
    int nSection = FindSection(pszSection);
    if (nSection < 0)
        return names;
    CString strKey;
    for (size_t i = static_cast<size_t>(nSection) + 1; i < m_lines.size() && !IsSectionLine(m_lines[i], nullptr); ++i)
        if (SplitKeyLine(m_lines[i], &strKey, nullptr))
            names.push_back(strKey);
    return names;
}
