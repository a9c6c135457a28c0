#include "JavaParser.h"

#include "FileObject.h"
#include "JavaParseData.h"
#include "UserInterface.h"
#include "VarClass.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {

// Reads a whole regular file. On failure returns FALSE with the reason.
BOOL ReadWholeFile(const char* pszPath, std::string& strText, long long& nTime, CString& strError)
{
    struct stat st;
    if (stat(pszPath, &st) != 0) {
        strError = std::strerror(errno);
        return FALSE;
    }
    if (!S_ISREG(st.st_mode)) {
        strError = S_ISDIR(st.st_mode) ? "is a folder" : "is not a regular file";
        return FALSE;
    }
    // The tokenizer counts positions in int.
    if (st.st_size >= INT_MAX) {
        strError = "is too large";
        return FALSE;
    }
    FILE* pFile = std::fopen(pszPath, "rb");
    if (!pFile) {
        strError = std::strerror(errno);
        return FALSE;
    }
    strText.resize(static_cast<size_t>(st.st_size));
    size_t nRead = strText.empty() ? 0 : std::fread(strText.data(), 1, strText.size(), pFile);
    BOOL bError = std::ferror(pFile) != 0;
    std::fclose(pFile);
    if (bError) {
        strError = "read error";
        return FALSE;
    }
    strText.resize(nRead);
    nTime = static_cast<long long>(st.st_mtim.tv_sec);
    return TRUE;
}

void ShowOpenError(const char* pszPath)
{
    CString strText;
    strText.Format("Error opening the file %s for parsing !!!", pszPath);
    AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
}

BOOL FileExists(const CString& strPath)
{
    struct stat st;
    return stat(strPath, &st) == 0 && S_ISREG(st.st_mode);
}

CString JoinSourcePath(const CString& strDir, const char* pszPackage, const char* pszClass)
{
    CString strPath = strDir;
    if (!strPath.IsEmpty() && strPath[strPath.GetLength() - 1] != '/')
        strPath += '/';
    CString strPackage(pszPackage ? pszPackage : "");
    strPackage.Replace('.', '/');
    if (!strPackage.IsEmpty())
        strPath += strPackage + "/";
    return strPath + (pszClass ? pszClass : "") + ".java";
}

} // namespace

CFileObject* CJavaParser::ParseText(const char* pText, long lLength)
{
    CJavaParseData data(pText, lLength);
    if (!data.Run())
        return nullptr;
    return data.DetachResult();
}

CFileObject* CJavaParser::ParseFile(const char* pszPath, CString& strError)
{
    std::string strText;
    long long nTime = 0;
    if (!ReadWholeFile(pszPath, strText, nTime, strError))
        return nullptr;
    CFileObject* pFile = ParseText(strText.data(), static_cast<long>(strText.size()));
    if (pFile)
        pFile->m_nLastWriteTime = nTime;
    else
        strError = "out of memory";
    return pFile;
}

CFileObject* CJavaParser::ParseFile(const char* pszPath)
{
    CString strError;
    std::string strText;
    long long nTime = 0;
    if (!ReadWholeFile(pszPath, strText, nTime, strError)) {
        ShowOpenError(pszPath);
        return nullptr;
    }
    CFileObject* pFile = ParseText(strText.data(), static_cast<long>(strText.size()));
    if (pFile)
        pFile->m_nLastWriteTime = nTime;
    return pFile;
}

CFileObject* CJavaParser::ParseIntrospectionFile(const char* pszPath)
{
    CString strError;
    std::string strText;
    long long nTime = 0;
    if (!ReadWholeFile(pszPath, strText, nTime, strError)) {
        ShowOpenError(pszPath);
        return nullptr;
    }
    if (strText.empty())
        return nullptr;
    return ParseText(strText.data(), static_cast<long>(strText.size()));
}

BOOL CJavaParser::HasMainMethod(const CVarClass* pClass)
{
    for (POSITION pos = pClass->m_Methods.GetHeadPosition(); pos;) {
        const CVarObject* pMethod = pClass->m_Methods.GetNext(pos);
        if (pMethod->m_strName == "main" && pMethod->m_bStatic)
            return TRUE;
    }
    return FALSE;
}

CVarClass* CJavaParser::FindMainClass(const CFileObject* pFile)
{
    for (POSITION pos = pFile->m_Classes.GetHeadPosition(); pos;) {
        CVarClass* pClass = pFile->m_Classes.GetNext(pos);
        if (HasMainMethod(pClass))
            return pClass;
    }
    return nullptr;
}

CString CJavaParser::GetSourcePath(const char* pszPackage, const char* pszClass, const char* pszSourceDir,
                                   const char* pszClassPath)
{
    CString strFirst = JoinSourcePath(pszSourceDir ? pszSourceDir : "", pszPackage, pszClass);
    if (FileExists(strFirst))
        return strFirst;
    CString strRest(pszClassPath ? pszClassPath : "");
    while (!strRest.IsEmpty()) {
        int nColon = strRest.Find(':');
        CString strEntry = nColon < 0 ? strRest : strRest.Left(nColon);
        strRest = nColon < 0 ? CString() : strRest.Mid(nColon + 1);
        if (strEntry.IsEmpty())
            continue;
        CString strPath = JoinSourcePath(strEntry, pszPackage, pszClass);
        if (FileExists(strPath))
            return strPath;
    }
    return strFirst;
}
