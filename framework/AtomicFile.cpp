#include "AtomicFile.h"

#include <atomic>
#include <cassert>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<CAtomicFile::FaultHook> s_pfnFaultHook { nullptr };

CString FolderOf(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('/');
    if (nSlash < 0)
        return ".";
    return nSlash == 0 ? CString("/") : strPath.Left(nSlash);
}

CString ErrorText(int nError)
{
    return std::strerror(nError ? nError : EIO);
}

}  // namespace

CAtomicFile::~CAtomicFile()
{
    Abort();
}

void CAtomicFile::SetFaultHook(FaultHook pfnHook)
{
    s_pfnFaultHook = pfnHook;
}

CString CAtomicFile::ResolveLinks(const char* pszPath)
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

BOOL CAtomicFile::Open(const char* pszPath, CString& strError)
{
    assert(m_nFd < 0);
    m_strTarget = ResolveLinks(pszPath);
    m_nError = 0;
    m_nWritten = 0;
    struct stat st {};
    BOOL bExists = stat(m_strTarget, &st) == 0;
    if (bExists && !S_ISREG(st.st_mode)) {
        strError = "not a regular file";
        return FALSE;
    }
    // A file this user may not write is left alone, even when its folder
    // would allow replacing it.
    if (bExists && ((st.st_mode & 0222) == 0 || access(m_strTarget, W_OK) != 0)) {
        strError = ErrorText(EACCES);
        return FALSE;
    }
    int nSlash = m_strTarget.ReverseFind('/');
    m_strTemp = FolderOf(m_strTarget) + "/." + m_strTarget.Mid(nSlash + 1) + ".mosk-XXXXXX";
    m_nFd = mkostemp(m_strTemp.str().data(), O_CLOEXEC);
    if (m_nFd < 0) {
        strError = ErrorText(errno);
        m_strTemp.Empty();
        return FALSE;
    }
    if (bExists) {
        // The owner goes first where this user may keep it (otherwise the
        // file becomes ours), then the permissions, which a change of owner
        // may clear.
        [[maybe_unused]] int nOwnerKept = fchown(m_nFd, st.st_uid, st.st_gid);
        fchmod(m_nFd, st.st_mode & 07777);
    } else {
        mode_t nMask = umask(0);
        umask(nMask);
        fchmod(m_nFd, 0666 & ~nMask);
    }
    return TRUE;
}

BOOL CAtomicFile::Write(const void* pData, size_t nLength)
{
    if (m_nFd < 0 || m_nError != 0)
        return FALSE;
    const char* p = static_cast<const char*>(pData);
    while (nLength > 0) {
        FaultHook pfnHook = s_pfnFaultHook;
        if (pfnHook && !pfnHook(m_nWritten)) {
            m_nError = EIO;
            return FALSE;
        }
        ssize_t n = write(m_nFd, p, nLength);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_nError = n < 0 ? errno : ENOSPC;
            return FALSE;
        }
        p += n;
        nLength -= static_cast<size_t>(n);
        m_nWritten += static_cast<size_t>(n);
    }
    return TRUE;
}

BOOL CAtomicFile::Commit(CString& strError)
{
    if (m_nFd < 0) {
        strError = ErrorText(m_nError ? m_nError : EBADF);
        return FALSE;
    }
    if (m_nError == 0 && fsync(m_nFd) != 0)
        m_nError = errno;
    if (close(m_nFd) != 0 && m_nError == 0)
        m_nError = errno;
    m_nFd = -1;
    if (m_nError == 0 && rename(m_strTemp, m_strTarget) != 0)
        m_nError = errno;
    if (m_nError != 0) {
        strError = ErrorText(m_nError);
        unlink(m_strTemp);
        m_strTemp.Empty();
        return FALSE;
    }
    m_strTemp.Empty();
    // The new name is made durable with the folder.
    int nDir = open(FolderOf(m_strTarget), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nDir >= 0) {
        fsync(nDir);
        close(nDir);
    }
    return TRUE;
}

void CAtomicFile::Abort()
{
    if (m_nFd >= 0) {
        close(m_nFd);
        m_nFd = -1;
    }
    if (!m_strTemp.IsEmpty()) {
        unlink(m_strTemp);
        m_strTemp.Empty();
    }
}

BOOL CAtomicFile::WriteFile(const char* pszPath, const void* pData, size_t nLength, CString& strError)
{
    CAtomicFile file;
    if (!file.Open(pszPath, strError))
        return FALSE;
    file.Write(pData, nLength);
    return file.Commit(strError);
}

BOOL CAtomicFile::RenameNoReplace(const char* pszFrom, const char* pszTo)
{
    if (renameat2(AT_FDCWD, pszFrom, AT_FDCWD, pszTo, RENAME_NOREPLACE) == 0)
        return TRUE;
    if (errno != EINVAL && errno != ENOSYS)
        return FALSE;
    // A file system without the flag: a hard link is refused just the same
    // when the name exists; a folder is moved without the guarantee.
    struct stat st {};
    if (lstat(pszFrom, &st) != 0)
        return FALSE;
    if (S_ISDIR(st.st_mode)) {
        if (access(pszTo, F_OK) == 0) {
            errno = EEXIST;
            return FALSE;
        }
        return rename(pszFrom, pszTo) == 0;
    }
    if (link(pszFrom, pszTo) != 0)
        return FALSE;
    return unlink(pszFrom) == 0;
}
