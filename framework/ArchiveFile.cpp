#include "ArchiveFile.h"

#include "Archive.h"
#include "AtomicFile.h"
#include "Object.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

CString SystemError(const char* pszWhat, const char* pszPath)
{
    CString str;
    str.Format("%s %s: %s", pszWhat, pszPath, std::strerror(errno));
    return str;
}

} // namespace

BOOL CArchiveFile::ReadWholeFile(const char* pszPath, std::string& strData, CString& strError)
{
    strData.clear();
    int fd = ::open(pszPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        strError = SystemError("Cannot open", pszPath);
        return FALSE;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        strData.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            strError = SystemError("Cannot read", pszPath);
            ::close(fd);
            return FALSE;
        }
        if (n == 0)
            break;
        strData.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return TRUE;
}

BOOL CArchiveFile::WriteWholeFile(const char* pszPath, const std::string& strData, CString& strError)
{
    CString strReason;
    if (!CAtomicFile::WriteFile(pszPath, strData.data(), strData.size(), strReason)) {
        strError.Format("Cannot write %s: %s", pszPath, strReason.c_str());
        return FALSE;
    }
    return TRUE;
}

BOOL CArchiveFile::Load(const char* pszPath, const std::function<void(CArchive&)>& fnRead, CString& strError)
{
    std::string strData;
    if (!ReadWholeFile(pszPath, strData, strError))
        return FALSE;
    try {
        CArchive ar(strData.data(), strData.size());
        fnRead(ar);
    } catch (const CArchiveException& e) {
        strError = e.GetMessage();
        return FALSE;
    } catch (const std::bad_alloc&) {
        strError = "Not enough memory to read the file";
        return FALSE;
    }
    return TRUE;
}

BOOL CArchiveFile::Save(const char* pszPath, const std::function<void(CArchive&)>& fnWrite, CString& strError)
{
    CArchive ar;
    try {
        fnWrite(ar);
    } catch (const CArchiveException& e) {
        strError = e.GetMessage();
        return FALSE;
    } catch (const std::bad_alloc&) {
        strError = "Not enough memory to write the file";
        return FALSE;
    }
    return WriteWholeFile(pszPath, ar.GetData(), strError);
}

BOOL CArchiveFile::LoadObject(const char* pszPath, CObject& object, CString& strError)
{
    return Load(pszPath, [&object](CArchive& ar) { object.Serialize(ar); }, strError);
}

BOOL CArchiveFile::SaveObject(const char* pszPath, CObject& object, CString& strError)
{
    return Save(pszPath, [&object](CArchive& ar) { object.Serialize(ar); }, strError);
}
