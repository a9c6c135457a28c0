#include "FindInFiles.h"

#include "UserInterface.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

inline char LowerAscii(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }

// Reads the whole file; FALSE when it cannot be opened or read.
BOOL ReadFileBytes(const char* pszPath, std::string& strData)
{
    int fd = ::open(pszPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return FALSE;
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        return FALSE;
    }
    strData.resize(static_cast<size_t>(st.st_size));
    size_t nRead = 0;
    for (;;) {
        if (nRead == strData.size())
            strData.resize(strData.size() + 65536);
        ssize_t n = ::read(fd, strData.data() + nRead, strData.size() - nRead);
        if (n < 0) {
            ::close(fd);
            return FALSE;
        }
        if (n == 0)
            break;
        nRead += static_cast<size_t>(n);
    }
    strData.resize(nRead);
    ::close(fd);
    return TRUE;
}

BOOL Exists(const char* pszPath)
{
    struct stat st {};
    return stat(pszPath, &st) == 0;
}

} // namespace

void CFindInFiles::SearchText(const char* pszPath, const char* pData, size_t nSize, const char* pszText,
                              std::string& strOut)
{
    size_t nNeedle = std::strlen(pszText);
    if (nNeedle == 0 || nSize == 0)
        return;
    // The control's text holds no NUL bytes.
    std::string strClean;
    if (std::memchr(pData, '\0', nSize)) {
        strClean.reserve(nSize);
        for (size_t i = 0; i < nSize; ++i)
            if (pData[i] != '\0')
                strClean += pData[i];
        pData = strClean.data();
        nSize = strClean.size();
    }
    std::string strNeedle(pszText, nNeedle);
    for (char& ch : strNeedle)
        ch = LowerAscii(ch);
    thread_local std::vector<char> lowered;
    lowered.resize(nSize);
    {
        // Branch-free, so that the compiler can do many bytes at once.
        const unsigned char* pIn = reinterpret_cast<const unsigned char*>(pData);
        unsigned char* pOut = reinterpret_cast<unsigned char*>(lowered.data());
        for (size_t i = 0; i < nSize; ++i)
            pOut[i] = static_cast<unsigned char>(pIn[i] + ((static_cast<unsigned char>(pIn[i] - 'A') < 26) << 5));
    }
    // Without a CR the line ends are the LFs, which memchr finds quickly.
    const bool bHasCR = std::memchr(pData, '\r', nSize) != nullptr;

    const char* pLow = lowered.data();
    size_t nLine = 0;       // line of nCounted
    size_t nCounted = 0;    // line ends before this offset are counted
    size_t nLineStart = 0;  // start of line nLine
    size_t nFrom = 0;
    char szNumber[16];
    while (nFrom + nNeedle <= nSize) {
        const void* pHit = memmem(pLow + nFrom, nSize - nFrom, strNeedle.data(), nNeedle);
        if (!pHit)
            break;
        size_t nHit = static_cast<size_t>(static_cast<const char*>(pHit) - pLow);
        // Count the line ends up to the hit.
        if (!bHasCR) {
            while (const void* pLF = std::memchr(pData + nCounted, '\n', nHit - nCounted)) {
                nCounted = static_cast<size_t>(static_cast<const char*>(pLF) - pData) + 1;
                ++nLine;
                nLineStart = nCounted;
            }
            nCounted = nHit;
        }
        for (; nCounted < nHit; ++nCounted) {
            char ch = pData[nCounted];
            if (ch == '\r' || ch == '\n') {
                if (ch == '\r' && nCounted + 1 < nSize && pData[nCounted + 1] == '\n')
                    ++nCounted;
                ++nLine;
                nLineStart = nCounted + 1;
            }
        }
        size_t nEnd = nHit;
        if (!bHasCR) {
            const void* pLF = std::memchr(pData + nHit, '\n', nSize - nHit);
            nEnd = pLF ? static_cast<size_t>(static_cast<const char*>(pLF) - pData) : nSize;
        }
        while (nEnd < nSize && pData[nEnd] != '\r' && pData[nEnd] != '\n')
            ++nEnd;
        size_t nLength = nEnd - nLineStart;
        if (nLength > LINE_BUFFER)
            nLength = LINE_BUFFER;
        strOut.append(pszPath);
        int nDigits = std::snprintf(szNumber, sizeof szNumber, ":%zu:  ", nLine + 1);
        strOut.append(szNumber, static_cast<size_t>(nDigits));
        strOut.append(pData + nLineStart, nLength);
        strOut += '\n';
        nFrom = nHit + 1;
    }
}

void CFindInFiles::Search(const char* pszText, const CStringArray& files, std::string& strOut)
{
    strOut += "Wait, Searching...\n";
    std::string strData;
    for (int i = 0; i < files.GetSize(); ++i) {
        const CString& strPath = files[i];
        if (!Exists(strPath))
            continue;
        strOut += "\nSearching file -";
        strOut += strPath.str();
        strOut += '\n';
        if (!ReadFileBytes(strPath, strData)) {
            CString strMessage;
            strMessage.Format("Error opening the file %s for parsing !!!", strPath.c_str());
            AfxMessageBox(strMessage);
            continue;
        }
        SearchText(strPath, strData.data(), strData.size(), pszText, strOut);
    }
}

BOOL CFindInFiles::ParseResultLine(const char* pszLine, CString& strPath, int& nLine)
{
    const char* pColon = std::strchr(pszLine, ':');
    if (!pColon)
        return FALSE;
    if (!(pColon[1] >= '0' && pColon[1] <= '9')) {
        pColon = std::strchr(pColon + 1, ':');
        if (!pColon)
            return FALSE;
    }
    const char* p = pColon + 1;
    if (!(*p >= '0' && *p <= '9'))
        return FALSE;
    long nValue = 0;
    while (*p >= '0' && *p <= '9' && nValue < 100000000)
        nValue = nValue * 10 + (*p++ - '0');
    if (*p != ':' || pColon == pszLine || nValue < 1)
        return FALSE;
    strPath = CString(pszLine, static_cast<int>(pColon - pszLine));
    nLine = static_cast<int>(nValue);
    return TRUE;
}
