#include "HelpAddress.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

int HexValue(char ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'a' && ch <= 'f')
        return ch - 'a' + 10;
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return -1;
}

} // namespace

CString CHelpAddress::StripFileScheme(const char* pszAddress)
{
    CString str(pszAddress);
    if (str.GetLength() >= 5 && str.Left(5).CompareNoCase("file:") == 0) {
        str = str.Mid(5);
        if (str.Left(3) == "///")
            str = str.Mid(2);
    }
    return str;
}

CString CHelpAddress::GetFilePart(const char* pszAddress)
{
    CString str = StripFileScheme(pszAddress);
    int nHash = str.Find('#');
    return nHash >= 0 ? str.Left(nHash) : str;
}

CString CHelpAddress::GetAnchor(const char* pszAddress)
{
    CString str(pszAddress);
    int nHash = str.Find('#');
    return nHash >= 0 ? str.Mid(nHash + 1) : CString();
}

CString CHelpAddress::GetFolder(const char* pszPath)
{
    CString str(pszPath);
    str.Replace('\\', '/');
    int nSlash = str.ReverseFind('/');
    if (nSlash < 0)
        return CString();
    return nSlash == 0 ? CString("/") : str.Left(nSlash);
}

CString CHelpAddress::GetFileName(const char* pszPath)
{
    CString str(pszPath);
    str.Replace('\\', '/');
    int nSlash = str.ReverseFind('/');
    return nSlash >= 0 ? str.Mid(nSlash + 1) : str;
}

BOOL CHelpAddress::IsForeignScheme(const char* pszAddress)
{
    // A scheme is letters, digits, "+", "-" or "." before a ":" and before any "/" or "#".
    const char* p = pszAddress;
    if (!std::isalpha(static_cast<unsigned char>(*p)))
        return FALSE;
    while (std::isalnum(static_cast<unsigned char>(*p)) || *p == '+' || *p == '-' || *p == '.')
        ++p;
    if (*p != ':')
        return FALSE;
    size_t nLen = static_cast<size_t>(p - pszAddress);
    return !(nLen == 4 && strncasecmp(pszAddress, "file", 4) == 0);
}

CString CHelpAddress::DecodePercent(const char* psz)
{
    CString strOut;
    for (const char* p = psz; *p; ++p) {
        int nHigh, nLow;
        if (*p == '%' && (nHigh = HexValue(p[1])) >= 0 && (nLow = HexValue(p[2])) >= 0) {
            strOut += static_cast<char>(nHigh * 16 + nLow);
            p += 2;
        } else {
            strOut += *p;
        }
    }
    return strOut;
}

CString CHelpAddress::Normalize(const char* pszPath)
{
    CString strPath(pszPath);
    strPath.Replace('\\', '/');
    BOOL bAbsolute = strPath.Left(1) == "/";
    std::vector<std::string> steps;
    size_t nLeadingUp = 0;
    const std::string& s = strPath.str();
    size_t nStart = 0;
    while (nStart <= s.size()) {
        size_t nEnd = s.find('/', nStart);
        if (nEnd == std::string::npos)
            nEnd = s.size();
        std::string step = s.substr(nStart, nEnd - nStart);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
            else if (!bAbsolute)
                ++nLeadingUp;
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
        nStart = nEnd + 1;
    }
    std::string out = bAbsolute ? "/" : "";
    for (size_t i = 0; i < nLeadingUp; ++i)
        out += "../";
    for (size_t i = 0; i < steps.size(); ++i) {
        if (i)
            out += '/';
        out += steps[i];
    }
    return CString(out);
}

CString CHelpAddress::ResolveLink(const char* pszPagePath, const char* pszLink)
{
    CString strLink(pszLink);
    strLink.Trim();
    if (IsForeignScheme(strLink))
        return CString();
    strLink = StripFileScheme(strLink);
    CString strAnchor;
    int nHash = strLink.Find('#');
    if (nHash >= 0) {
        strAnchor = DecodePercent(strLink.Mid(nHash + 1));
        strLink = strLink.Left(nHash);
    }
    int nQuery = strLink.Find('?');
    if (nQuery >= 0)
        strLink = strLink.Left(nQuery);
    strLink = DecodePercent(strLink);
    CString strPath;
    if (strLink.IsEmpty())
        strPath = GetFilePart(pszPagePath);
    else if (strLink.Left(1) == "/" || strLink.Left(1) == "\\")
        strPath = strLink;
    else {
        CString strFolder = GetFolder(GetFilePart(pszPagePath));
        strPath = strFolder.IsEmpty() ? strLink : strFolder + "/" + strLink;
    }
    CString strAddress = Normalize(strPath);
    if (nHash >= 0 && !strAnchor.IsEmpty()) {
        strAddress += '#';
        strAddress += strAnchor;
    }
    return strAddress;
}
