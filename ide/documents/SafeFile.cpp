#include "SafeFile.h"

#include "AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>


BOOL CSafeFile::ReadAll(const char* pszPath, std::string& strText, CString& strError)
{
    strText.clear();
    int nFd = open(pszPath, O_RDONLY | O_CLOEXEC);
    if (nFd < 0) {
        strError = std::strerror(errno);
        return FALSE;
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = read(nFd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            strError = std::strerror(errno);
            close(nFd);
            return FALSE;
        }
        if (n == 0)
            break;
        strText.append(buffer, static_cast<size_t>(n));
    }
    close(nFd);
    return TRUE;
}

CString CSafeFile::ResolveLinks(const char* pszPath)
{
    return CAtomicFile::ResolveLinks(pszPath);
}

BOOL CSafeFile::IsReadOnly(const char* pszPath)
{
    struct stat st {};
    if (stat(pszPath, &st) != 0)
        return FALSE;
    return (st.st_mode & 0222) == 0 || access(pszPath, W_OK) != 0;
}

long long CSafeFile::ModificationTime(const char* pszPath)
{
    struct stat st {};
    if (stat(pszPath, &st) != 0)
        return 0;
    return static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
}

BOOL CSafeFile::Write(const char* pszPath, const char* pData, size_t nLength, CString& strError)
{
    return CAtomicFile::WriteFile(pszPath, pData, nLength, strError);
}
