#include "SectionReplacer.h"

#include "AtomicFile.h"
#include "MarkerData.h"
#include "ParseBuffer.h"
#include "StreamBuffer.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// Closes a descriptor when it goes out of scope.
class CFileDescriptor {
public:
    explicit CFileDescriptor(int fd) : m_fd(fd) {}
    ~CFileDescriptor()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// Appends the rest of the file to strText; false on a read error. Throws std::bad_alloc.
bool ReadAll(int fd, std::string& strText)
{
    char chunk[65536];
    for (;;) {
        ssize_t nRead = read(fd, chunk, sizeof(chunk));
        if (nRead < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (nRead == 0)
            return true;
        strText.append(chunk, static_cast<size_t>(nRead));
    }
}

} // namespace

CSectionReplacer::CSectionReplacer(const CString& strBegin, const CString& strEnd)
    : m_strBegin(strBegin), m_strEnd(strEnd), m_nPrefixEnd(0), m_nSuffixStart(0)
{
}

int CSectionReplacer::FindSection(const char* pText, long lLength)
{
    CStreamBuffer buffer(pText, lLength);
    CMarkerData begin(m_strBegin);
    CParseBuffer(&buffer).ParseBuffer(&begin);
    if (!begin.IsFound())
        return BeginNotFound;
    CMarkerData end(m_strEnd);
    CParseBuffer(&buffer).ParseBuffer(&end);
    if (!end.IsFound())
        return EndNotFound;
    if (end.GetMarkerStart() <= begin.GetMarkerEnd())
        return EndBeforeBegin;

    const int nLength = static_cast<int>(lLength);
    // The section begins on the line after the begin marker's comment, so
    // whatever that comment says after the marker stays part of it. The scan
    // starts on the marker's last character, which is the line end itself
    // when the marker ends with one.
    int nAfterLine = begin.GetMarkerEnd();
    while (nAfterLine < nLength && !IsLineEnd(pText[nAfterLine]))
        ++nAfterLine;
    if (nAfterLine < nLength) {
        if (pText[nAfterLine] == '\r' && nAfterLine + 1 < nLength && pText[nAfterLine + 1] == '\n')
            ++nAfterLine;
        ++nAfterLine;
    }
    int nFirst = nAfterLine;
    while (nFirst < nLength && IsBlank(pText[nFirst]))
        ++nFirst;
    int nLast = end.GetMarkerStart() - 1;
    while (nLast >= 0 && IsBlank(pText[nLast]))
        --nLast;

    if (nFirst > nLast) {
        // Only white space between the markers: insert after the begin
        // marker's line and keep that white space once.
        m_nPrefixEnd = nAfterLine;
        m_nSuffixStart = nAfterLine;
    } else {
        m_nPrefixEnd = nFirst;
        m_nSuffixStart = nLast + 1;
    }
    return Replaced;
}

int CSectionReplacer::ReplaceInFile(const CString& strPath, const CString& strNewText)
{
    // Work on the file a symbolic link points to, so the link stays a link.
    std::unique_ptr<char, decltype(&std::free)> pReal(realpath(strPath, nullptr), &std::free);
    if (!pReal)
        return CannotOpen;
    const std::string strRealPath(pReal.get());

    CFileDescriptor file(open(strRealPath.c_str(), O_RDWR | O_CLOEXEC));
    if (file.Get() < 0)
        return CannotOpen;
    struct stat st {};
    if (fstat(file.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        return CannotOpen;
    // A file without any write permission is read-only even for the superuser.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return CannotOpen;
    // The tokenizer indexes with int.
    if (st.st_size >= INT_MAX)
        return NoMemory;

    std::string strText;
    try {
        strText.reserve(static_cast<size_t>(st.st_size) + 1);
        if (!ReadAll(file.Get(), strText))
            return CannotOpen;
    } catch (const std::bad_alloc&) {
        return NoMemory;
    }
    if (strText.size() >= static_cast<size_t>(INT_MAX))
        return NoMemory;

    int nCode = FindSection(strText.data(), static_cast<long>(strText.size()));
    if (nCode != Replaced)
        return nCode;
    return WriteReplacement(strRealPath, strText, strNewText) ? Replaced : Failed;
}

BOOL CSectionReplacer::WriteReplacement(const std::string& strRealPath, const std::string& strText,
                                        const CString& strNewText)
{
    CAtomicFile file;
    CString strError;
    if (!file.Open(strRealPath.c_str(), strError))
        return FALSE;
    const size_t nSuffixStart = static_cast<size_t>(m_nSuffixStart);
    file.Write(strText.data(), static_cast<size_t>(m_nPrefixEnd));
    file.Write(strNewText.c_str(), static_cast<size_t>(strNewText.GetLength()));
    file.Write(strText.data() + nSuffixStart, strText.size() - nSuffixStart);
    return file.Commit(strError);
}
