#include "PathName.h"

#include <cctype>
#include <vector>

namespace {

// Length of a leading drive ("C:"), 0 when none.
int DriveLength(const CString& str)
{
    if (str.GetLength() >= 2 && std::isalpha(static_cast<unsigned char>(str[0])) && str[1] == ':')
        return 2;
    return 0;
}

// The non-empty components of a "/"-separated folder.
std::vector<CString> Components(const CString& strFolder)
{
    std::vector<CString> parts;
    int nStart = 0;
    int nLength = strFolder.GetLength();
    while (nStart <= nLength) {
        int nSlash = strFolder.Find('/', nStart);
        if (nSlash < 0)
            nSlash = nLength;
        if (nSlash > nStart)
            parts.push_back(strFolder.Mid(nStart, nSlash - nStart));
        nStart = nSlash + 1;
    }
    return parts;
}

} // namespace

void CPathName::SetPath(const char* pszPath)
{
    m_strPath = ToSlashes(pszPath);
    int nDrive = DriveLength(m_strPath);
    m_strDrive = m_strPath.Left(nDrive);
    CString strRest = m_strPath.Mid(nDrive);
    int nSlash = strRest.ReverseFind('/');
    m_strFolder = strRest.Left(nSlash + 1);
    CString strName = strRest.Mid(nSlash + 1);
    int nDot = strName.ReverseFind('.');
    if (nDot < 0) {
        m_strBaseName = strName;
        m_strExtension.Empty();
    } else {
        m_strBaseName = strName.Left(nDot);
        m_strExtension = strName.Mid(nDot);
    }
}

CString CPathName::ToSlashes(const char* pszText)
{
    CString str(pszText);
    str.Replace('\\', '/');
    return str;
}

CString CPathName::Normalize(const char* pszPath)
{
    CString strPath = ToSlashes(pszPath);
    if (strPath.IsEmpty() || strPath[0] != '/')
        return strPath;
    std::vector<CString> parts;
    for (const CString& strPart : Components(strPath)) {
        if (strPart == ".")
            continue;
        if (strPart == "..") {
            if (!parts.empty())
                parts.pop_back();
            continue;
        }
        parts.push_back(strPart);
    }
    if (parts.empty())
        return CString("/");
    CString strOut;
    for (const CString& strPart : parts)
        strOut += "/" + strPart;
    if (strPath[strPath.GetLength() - 1] == '/')
        strOut += '/';
    return strOut;
}

CString CPathName::MakeRelative(const char* pszPath, const char* pszDir)
{
    CPathName file(pszPath);
    CString strDir = ToSlashes(pszDir);
    int nDirDrive = DriveLength(strDir);
    CString strDirFolder = strDir.Mid(nDirDrive);
    if (file.m_strDrive.CompareNoCase(strDir.Left(nDirDrive)) != 0 || file.m_strFolder.IsEmpty() ||
        file.m_strFolder[0] != '/' || strDirFolder.IsEmpty() || strDirFolder[0] != '/')
        return file.m_strPath;

    std::vector<CString> dirParts = Components(strDirFolder);
    std::vector<CString> fileParts = Components(file.m_strFolder);
    size_t nCommon = 0;
    while (nCommon < dirParts.size() && nCommon < fileParts.size() && dirParts[nCommon] == fileParts[nCommon])
        ++nCommon;
    CString strOut;
    for (size_t i = nCommon; i < dirParts.size(); ++i)
        strOut += "../";
    for (size_t i = nCommon; i < fileParts.size(); ++i)
        strOut += fileParts[i] + "/";
    strOut += file.GetFileName();
    // The folder itself: an empty text would read back as no path at all.
    return strOut.IsEmpty() ? CString("./") : strOut;
}

BOOL CPathName::MakeAbsolute(const char* pszText, const char* pszFolder, CString& strResult)
{
    CString strText = ToSlashes(pszText);
    CString strFolder = ToSlashes(pszFolder);
    if (strText.IsEmpty() || DriveLength(strText) > 0)
        return FALSE;
    CString strFull;
    if (strText[0] == '/')
        strFull = strText;
    else {
        if (strFolder.IsEmpty() || strFolder[0] != '/')
            return FALSE;
        strFull = strFolder;
        if (strFull[strFull.GetLength() - 1] != '/')
            strFull += '/';
        strFull += strText;
    }
    strFull = Normalize(strFull);
    if (strFull.GetLength() > MAX_PATH_LENGTH)
        return FALSE;
    strResult = strFull;
    return TRUE;
}
