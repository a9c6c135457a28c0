#include "RecoveryStore.h"

#include "AppFolders.h"
#include "AtomicFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char MAGIC[] = "Mosk recovery 1\n";
const char SUFFIX[] = ".recover";

// A short stable name for a key (FNV-1a, 64 bits, in hex).
CString HashOf(const CString& strKey)
{
    unsigned long long nHash = 1469598103934665603ULL;
    for (unsigned char ch : strKey.str()) {
        nHash ^= ch;
        nHash *= 1099511628211ULL;
    }
    CString str;
    str.Format("%016llx", nHash);
    return str;
}

bool IsRunning(int nProcess)
{
    if (nProcess <= 0)
        return false;
    return kill(nProcess, 0) == 0 || errno == EPERM;
}

// The number of the process that wrote a file name "<pid>-<hash>.recover"; 0 when not one.
int ProcessOf(const char* pszName)
{
    size_t nLength = std::strlen(pszName);
    size_t nSuffix = sizeof SUFFIX - 1;
    if (nLength <= nSuffix || std::strcmp(pszName + nLength - nSuffix, SUFFIX) != 0)
        return 0;
    char* pEnd = nullptr;
    long n = std::strtol(pszName, &pEnd, 10);
    if (pEnd == pszName || *pEnd != '-' || n <= 0 || n > 0x7FFFFFFF)
        return 0;
    return static_cast<int>(n);
}

// One header line "name: value"; FALSE when the text at nPos is not that line.
bool ReadHeader(const std::string& strData, size_t& nPos, const char* pszName, std::string& strValue)
{
    size_t nNameLength = std::strlen(pszName);
    if (strData.compare(nPos, nNameLength, pszName) != 0 || strData.compare(nPos + nNameLength, 2, ": ") != 0)
        return false;
    size_t nEnd = strData.find('\n', nPos);
    if (nEnd == std::string::npos)
        return false;
    strValue = strData.substr(nPos + nNameLength + 2, nEnd - nPos - nNameLength - 2);
    nPos = nEnd + 1;
    return true;
}

}  // namespace

CRecoveryStore::CRecoveryStore(const char* pszFolder)
    : m_strFolder(pszFolder ? CString(pszFolder) : CAppFolders::GetDataFolder() + "/recovery"),
      m_nProcess(static_cast<int>(getpid()))
{
}

CString CRecoveryStore::GetKey(const char* pszPath, const char* pszTitle)
{
    CString strPath(pszPath ? pszPath : "");
    return strPath.IsEmpty() ? "untitled:" + CString(pszTitle ? pszTitle : "") : "path:" + strPath;
}

CString CRecoveryStore::FileOf(const CString& strKey) const
{
    CString str;
    str.Format("%s/%d-%s%s", m_strFolder.c_str(), m_nProcess, HashOf(strKey).c_str(), SUFFIX);
    return str;
}

std::string CRecoveryStore::Format(const char* pszPath, const char* pszTitle, const std::string& strText,
                                   long long nTime)
{
    // Paths and titles hold no line feed here; one that does is cut there.
    auto line = [](const char* psz) {
        std::string str(psz ? psz : "");
        return str.substr(0, str.find('\n'));
    };
    std::string strOut = MAGIC;
    strOut += "path: " + line(pszPath) + "\n";
    strOut += "title: " + line(pszTitle) + "\n";
    strOut += "time: " + std::to_string(nTime) + "\n";
    strOut += "length: " + std::to_string(strText.size()) + "\n\n";
    strOut += strText;
    return strOut;
}

BOOL CRecoveryStore::Write(const char* pszPath, const char* pszTitle, const std::string& strText, long long nTime,
                           CString& strError)
{
    if (!CAppFolders::EnsureFolder(m_strFolder)) {
        strError = "cannot make the folder " + m_strFolder;
        return FALSE;
    }
    // The text may be the user's private source: only the user reads it.
    chmod(m_strFolder, 0700);
    std::string strData = Format(pszPath, pszTitle, strText, nTime);
    return CAtomicFile::WriteFile(FileOf(GetKey(pszPath, pszTitle)), strData.data(), strData.size(), strError);
}

BOOL CRecoveryStore::Read(const char* pszFile, CEntry& entry)
{
    int fd = open(pszFile, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return FALSE;
    std::string strData;
    char buf[65536];
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        strData.append(buf, static_cast<size_t>(n));
    }
    close(fd);
    if (strData.compare(0, sizeof MAGIC - 1, MAGIC) != 0)
        return FALSE;
    size_t nPos = sizeof MAGIC - 1;
    std::string strPath, strTitle, strTime, strLength;
    if (!ReadHeader(strData, nPos, "path", strPath) || !ReadHeader(strData, nPos, "title", strTitle) ||
        !ReadHeader(strData, nPos, "time", strTime) || !ReadHeader(strData, nPos, "length", strLength) ||
        strData.compare(nPos, 1, "\n") != 0)
        return FALSE;
    ++nPos;
    char* pEnd = nullptr;
    errno = 0;
    unsigned long long nLength = std::strtoull(strLength.c_str(), &pEnd, 10);
    if (strLength.empty() || *pEnd || errno || nLength != strData.size() - nPos)
        return FALSE;
    entry.m_strFile = pszFile;
    entry.m_strPath = strPath.c_str();
    entry.m_strTitle = strTitle.c_str();
    entry.m_nTime = std::strtoll(strTime.c_str(), nullptr, 10);
    entry.m_strText = strData.substr(nPos);
    const char* pszName = std::strrchr(pszFile, '/');
    entry.m_nProcess = ProcessOf(pszName ? pszName + 1 : pszFile);
    return TRUE;
}

void CRecoveryStore::RemoveAllBut(const std::vector<CString>& keys)
{
    std::vector<CString> keep;
    for (const CString& strKey : keys)
        keep.push_back(FileOf(strKey));
    DIR* pDir = opendir(m_strFolder);
    if (!pDir)
        return;
    while (dirent* pEntry = readdir(pDir)) {
        if (ProcessOf(pEntry->d_name) != m_nProcess)
            continue;
        CString strFile = m_strFolder + "/" + pEntry->d_name;
        if (std::find(keep.begin(), keep.end(), strFile) == keep.end())
            unlink(strFile);
    }
    closedir(pDir);
}

void CRecoveryStore::RemoveOwn()
{
    RemoveAllBut({});
}

std::vector<CRecoveryStore::CEntry> CRecoveryStore::FindOrphans() const
{
    std::vector<CEntry> entries;
    DIR* pDir = opendir(m_strFolder);
    if (!pDir)
        return entries;
    while (dirent* pEntry = readdir(pDir)) {
        int nProcess = ProcessOf(pEntry->d_name);
        if (nProcess == 0 || nProcess == m_nProcess || IsRunning(nProcess))
            continue;
        CEntry entry;
        if (Read(m_strFolder + "/" + pEntry->d_name, entry))
            entries.push_back(std::move(entry));
    }
    closedir(pDir);
    std::sort(entries.begin(), entries.end(), [](const CEntry& a, const CEntry& b) {
        if (a.m_nTime != b.m_nTime)
            return a.m_nTime < b.m_nTime;
        if (a.m_strPath != b.m_strPath)
            return a.m_strPath < b.m_strPath;
        return a.m_strTitle != b.m_strTitle ? a.m_strTitle < b.m_strTitle : a.m_strFile < b.m_strFile;
    });
    return entries;
}

void CRecoveryStore::Remove(const CEntry& entry)
{
    if (!entry.m_strFile.IsEmpty())
        unlink(entry.m_strFile);
}

CString CRecoveryStore::Dump() const
{
    CString strOut;
    for (const CEntry& entry : FindOrphans()) {
        CString strLine;
        strLine.Format("%s|%s|%lld|%zu\n", entry.m_strPath.c_str(), entry.m_strTitle.c_str(), entry.m_nTime,
                       entry.m_strText.size());
        strOut += strLine;
    }
    return strOut;
}
