#include "SearchEntry.h"

#include "HelpAddress.h"
#include "StringArray.h"

#include <cstring>

namespace {

char LowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }

void AppendDword(std::string& strOut, DWORD nValue)
{
    char bytes[4] = {static_cast<char>(nValue & 0xFF), static_cast<char>((nValue >> 8) & 0xFF),
                     static_cast<char>((nValue >> 16) & 0xFF), static_cast<char>((nValue >> 24) & 0xFF)};
    strOut.append(bytes, 4);
}

void AppendCounted(std::string& strOut, const CString& str)
{
    AppendDword(strOut, static_cast<DWORD>(str.GetLength()));
    strOut.append(str.str());
}

// Index of the help directory that is exactly strFolder (non-empty entries only); -1 when none.
int FindHelpDir(const CStringArray& helpDirs, const CString& strFolder)
{
    if (strFolder.IsEmpty())
        return -1;
    for (int i = 0; i < helpDirs.GetSize(); ++i)
        if (helpDirs[i] == strFolder)
            return i;
    return -1;
}

} // namespace

int CompareKeywords(const char* pszA, const char* pszB)
{
    for (;; ++pszA, ++pszB) {
        unsigned char ca = static_cast<unsigned char>(LowerAscii(*pszA));
        unsigned char cb = static_cast<unsigned char>(LowerAscii(*pszB));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CSearchEntry CSearchEntry::FromAddress(const char* pszAddress, const CStringArray& helpDirs)
{
    CSearchEntry entry;
    CString strPath = CHelpAddress::StripFileScheme(pszAddress);
    int nHash = strPath.Find('#');
    if (nHash >= 0) {
        entry.m_strAnchor = strPath.Mid(nHash + 1);
        strPath = strPath.Left(nHash);
    }
    CString strFolder = CHelpAddress::GetFolder(strPath);
    CString strName = CHelpAddress::GetFileName(strPath);
    int nDot = strName.ReverseFind('.');
    CString strBase = nDot >= 0 ? strName.Left(nDot) : strName;
    int nDir = FindHelpDir(helpDirs, strFolder);
    if (nDir >= 0) {
        entry.m_nDirNumber = static_cast<DWORD>(nDir + 1);
        entry.m_strFile = strBase;
        entry.m_nExtCode = (nDot >= 0 && strName.Mid(nDot).CompareNoCase(".html") == 0) ? EXT_HTML : EXT_HTM;
    } else {
        entry.m_nDirNumber = 0;
        entry.m_strFile = strPath;
        entry.m_nExtCode = EXT_NONE;
    }
    if (!entry.m_strAnchor.IsEmpty() && entry.m_strAnchor != "_top_") {
        int nParen = entry.m_strAnchor.Find('(');
        entry.m_strKeyword = nParen >= 0 ? entry.m_strAnchor.Left(nParen) : entry.m_strAnchor;
    } else if (nDir < 0 && entry.m_strAnchor.IsEmpty()) {
        entry.m_strKeyword = strBase;
    } else {
        entry.m_strKeyword = entry.m_strFile;
    }
    return entry;
}

const char* CSearchEntry::GetExtension() const
{
    switch (m_nExtCode) {
    case EXT_HTML:
        return ".html";
    case EXT_HTM:
        return ".htm";
    default:
        return "";
    }
}

CString CSearchEntry::GetAddress(const CStringArray& helpDirs) const
{
    CString strAddress;
    if (m_nDirNumber != 0) {
        if (m_nDirNumber <= static_cast<DWORD>(helpDirs.GetSize()))
            strAddress = helpDirs[static_cast<int>(m_nDirNumber - 1)];
        strAddress += '/';
    }
    strAddress += m_strFile;
    strAddress += GetExtension();
    if (!m_strAnchor.IsEmpty()) {
        strAddress += '#';
        strAddress += m_strAnchor;
    }
    return strAddress;
}

CString CSearchEntry::GetDisplayText() const
{
    CString strName = CHelpAddress::GetFileName(m_strFile + GetExtension());
    int nHash = strName.Find('#');
    if (nHash >= 0)
        strName = strName.Left(nHash);
    for (const char* pszExt : {".html", ".htm"}) {
        int nLen = static_cast<int>(std::strlen(pszExt));
        if (strName.GetLength() >= nLen && strName.Right(nLen).CompareNoCase(pszExt) == 0) {
            strName = strName.Left(strName.GetLength() - nLen);
            break;
        }
    }
    if (!m_strAnchor.IsEmpty()) {
        strName += '.';
        strName += m_strAnchor;
    }
    return strName;
}

BOOL CSearchEntry::IsSame(const CSearchEntry& other) const
{
    return m_nDirNumber == other.m_nDirNumber && m_strAnchor.CompareNoCase(other.m_strAnchor) == 0 &&
           m_strFile.CompareNoCase(other.m_strFile) == 0 && m_strKeyword.CompareNoCase(other.m_strKeyword) == 0;
}

size_t CSearchEntry::GetStoredSize() const
{
    return 20 + static_cast<size_t>(m_strFile.GetLength() + m_strAnchor.GetLength() + m_strKeyword.GetLength());
}

void CSearchEntry::AppendStored(std::string& strOut) const
{
    AppendDword(strOut, m_nDirNumber);
    AppendCounted(strOut, m_strFile);
    AppendDword(strOut, m_nExtCode);
    AppendCounted(strOut, m_strAnchor);
    AppendCounted(strOut, m_strKeyword);
}

CString CSearchEntry::Dump() const
{
    CString strLine;
    strLine.Format("%s | %u | %s | %u | %s", m_strKeyword.c_str(), m_nDirNumber, m_strFile.c_str(), m_nExtCode,
                   m_strAnchor.c_str());
    return strLine;
}
