#include "IndexSource.h"

#include "ArchiveFile.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

BOOL IsFile(const std::string& strPath)
{
    struct stat st;
    return ::stat(strPath.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

BOOL IsWordChar(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_' ||
           ch == '$';
}

BOOL HasWord(const std::string& strLine, const std::string& strWord)
{
    for (size_t n = strLine.find(strWord); n != std::string::npos; n = strLine.find(strWord, n + 1)) {
        BOOL bStart = n == 0 || !IsWordChar(strLine[n - 1]);
        size_t nEnd = n + strWord.size();
        if (bStart && (nEnd >= strLine.size() || !IsWordChar(strLine[nEnd])))
            return TRUE;
    }
    return FALSE;
}

} // namespace

CString CIndexSource::FindSource(const char* pszFolder, const char* pszPackage, const char* pszClass)
{
    std::string strFolder = pszFolder ? pszFolder : "";
    std::string strClass = pszClass ? pszClass : "";
    if (strFolder.empty() || strClass.empty() || strClass.find('/') != std::string::npos)
        return CString();
    if (strFolder.back() != '/')
        strFolder += '/';
    std::string strPackage = pszPackage ? pszPackage : "";
    std::string strRelative;
    if (!strPackage.empty() && strPackage != "User") {
        std::replace(strPackage.begin(), strPackage.end(), '.', '/');
        strRelative = strPackage + "/";
    }
    strRelative += strClass + ".java";
    if (IsFile(strFolder + strRelative))
        return CString((strFolder + strRelative).c_str());
    // A module layout: FOLDER/java.base/java/lang/String.java.
    std::vector<std::string> modules;
    if (DIR* pDir = ::opendir(strFolder.c_str())) {
        while (dirent* pEntry = ::readdir(pDir))
            if (pEntry->d_name[0] != '.')
                modules.push_back(pEntry->d_name);
        ::closedir(pDir);
    }
    std::sort(modules.begin(), modules.end());
    for (const std::string& strModule : modules) {
        std::string strPath = strFolder + strModule + "/" + strRelative;
        if (IsFile(strPath))
            return CString(strPath.c_str());
    }
    return CString();
}

int CIndexSource::FindDeclarationLine(const char* pszPath, const char* pszName, int nHint, BOOL bType)
{
    std::string strText;
    CString strError;
    std::string strName = pszName ? pszName : "";
    if (strName.empty() || !CArchiveFile::ReadWholeFile(pszPath, strText, strError))
        return 1;
    std::vector<std::string> lines;
    for (size_t nStart = 0; nStart <= strText.size();) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        lines.push_back(strText.substr(nStart, nEnd - nStart));
        nStart = nEnd + 1;
    }
    // A type is declared where a keyword stands before its name; a member where its name stands.
    auto declares = [&](const std::string& strLine) {
        if (!bType)
            return HasWord(strLine, strName);
        for (const char* pszKeyword : {"class ", "interface ", "enum "})
            if (HasWord(strLine, pszKeyword + strName))
                return TRUE;
        return FALSE;
    };
    if (nHint >= 1 && nHint <= static_cast<int>(lines.size()) && declares(lines[nHint - 1]))
        return nHint;
    for (size_t i = 0; i < lines.size(); ++i)
        if (declares(lines[i]))
            return static_cast<int>(i) + 1;
    for (size_t i = 0; i < lines.size(); ++i)
        if (HasWord(lines[i], strName))
            return static_cast<int>(i) + 1;
    return 1;
}
