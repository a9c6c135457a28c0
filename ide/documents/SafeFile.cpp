#include "SafeFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WriteAllBytes(int nFd, const char* pData, size_t nLength)
{
    while (nLength > 0) {
        ssize_t n = write(nFd, pData, nLength);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        pData += n;
        nLength -= static_cast<size_t>(n);
    }
    return true;
}

CString FolderOf(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('/');
    if (nSlash < 0)
        return ".";
    return nSlash == 0 ? CString("/") : strPath.Left(nSlash);
}

}  // namespace

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
    CString strPath(pszPath);
    for (int nHops = 0; nHops < 40; ++nHops) {
        struct stat st {};
        if (lstat(strPath, &st) != 0 || !S_ISLNK(st.st_mode))
            return strPath;
        char szTarget[PATH_MAX];
        ssize_t n = readlink(strPath, szTarget, sizeof szTarget - 1);
        if (n <= 0)
            return strPath;
        CString strTarget(szTarget, static_cast<int>(n));
        strPath = strTarget[0] == '/' ? strTarget : FolderOf(strPath) + "/" + strTarget;
    }
    return strPath;
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
    CString strTarget = ResolveLinks(pszPath);
    struct stat st {};
    BOOL bExists = stat(strTarget, &st) == 0;
    if (bExists && !S_ISREG(st.st_mode)) {
        strError = "not a regular file";
        return FALSE;
    }
    // A file this user may not write is left alone, even when its folder
    // would allow replacing it.
    if (bExists && ((st.st_mode & 0222) == 0 || access(strTarget, W_OK) != 0)) {
        strError = std::strerror(EACCES);
        return FALSE;
    }
    CString strTemp = FolderOf(strTarget) + "/." + strTarget.Mid(strTarget.ReverseFind('/') + 1) + ".mosk-XXXXXX";
    int nFd = mkostemp(strTemp.str().data(), O_CLOEXEC);
    if (nFd < 0) {
        strError = std::strerror(errno);
        return FALSE;
    }
    if (bExists) {
        // The owner is kept where this user may (otherwise the file becomes
        // ours), then the permissions, which a change of owner may clear.
        int nOwnerKept = fchown(nFd, st.st_uid, st.st_gid);
        (void)nOwnerKept;
        fchmod(nFd, st.st_mode & 07777);
    } else {
        mode_t nMask = umask(0);
        umask(nMask);
        fchmod(nFd, 0666 & ~nMask);
    }
    bool bWritten = WriteAllBytes(nFd, pData, nLength) && fsync(nFd) == 0;
    int nError = errno;
    if (close(nFd) != 0 && bWritten) {
        bWritten = false;
        nError = errno;
    }
    if (bWritten && rename(strTemp, strTarget) != 0) {
        bWritten = false;
        nError = errno;
    }
    if (!bWritten) {
        unlink(strTemp);
        strError = std::strerror(nError ? nError : EIO);
        return FALSE;
    }
    // The new name is made durable with the folder.
    int nDir = open(FolderOf(strTarget), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nDir >= 0) {
        fsync(nDir);
        close(nDir);
    }
    return TRUE;
}
