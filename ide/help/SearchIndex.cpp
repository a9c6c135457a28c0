#include "SearchIndex.h"

#include "HelpProgress.h"
#include "IndexLoader.h"
#include "IndexReader.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void PutDword(std::string& strOut, size_t nOffset, DWORD nValue)
{
    for (int i = 0; i < 4; ++i)
        strOut[nOffset + static_cast<size_t>(i)] = static_cast<char>((nValue >> (8 * i)) & 0xFF);
}

// Writes the bytes to a temporary file beside pszPath and renames it over the file.
BOOL WriteWhole(const char* pszPath, const std::string& strData)
{
    CString strTemp;
    strTemp.Format("%s.tmp%d", pszPath, static_cast<int>(getpid()));
    int fd = ::open(strTemp, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return FALSE;
    const char* p = strData.data();
    size_t nLeft = strData.size();
    while (nLeft > 0) {
        ssize_t n = ::write(fd, p, nLeft);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ::close(fd);
            ::unlink(strTemp);
            return FALSE;
        }
        p += n;
        nLeft -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(strTemp, pszPath) != 0) {
        ::unlink(strTemp);
        return FALSE;
    }
    return TRUE;
}

// The whole file into strData; FALSE when it cannot be read.
BOOL ReadWholeFile(const char* pszPath, std::string& strData)
{
    std::FILE* pFile = std::fopen(pszPath, "rb");
    if (!pFile)
        return FALSE;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pFile)) > 0)
        strData.append(buffer, n);
    BOOL bOk = !std::ferror(pFile);
    std::fclose(pFile);
    return bOk;
}

} // namespace

CSearchIndex::CSearchIndex(const CStringArray& helpDirs, BOOL bUserIndex, BOOL bThreaded)
    : m_helpDirs(helpDirs), m_bThreaded(bThreaded), m_bUserIndex(bUserIndex)
{
}

CSearchIndex::~CSearchIndex() { AbortLoad(); }

BOOL CSearchIndex::IsLoading() const { return m_pLoader && m_pLoader->IsLoading(); }

BOOL CSearchIndex::Load(const char* pszPath, std::function<void()> pfnDone)
{
    if (IsLoading())
        return TRUE;
    m_pLoader.reset();
    m_pReader.reset();
    m_strPath = pszPath;
    m_keywords.RemoveAll();
    m_nEntryCount = 0;
    struct stat st {};
    if (stat(pszPath, &st) != 0) {
        // No index file yet: an empty index, nothing to report.
        if (pfnDone)
            pfnDone();
        return TRUE;
    }
    if (!m_bThreaded) {
        BOOL bAborted = FALSE;
        BOOL bOk = CIndexLoader::ReadKeywords(pszPath, m_keywords, nullptr, bAborted);
        if (bOk && OpenReader())
            m_pReader->ReadCount(m_nEntryCount);
        if (pfnDone)
            pfnDone();
        return bOk;
    }
    m_pLoader = CIndexLoader::Start(pszPath, std::move(pfnDone));
    if (!m_pLoader) {
        AfxMessageBox("Error creating a thread to load the index...");
        return FALSE;
    }
    return TRUE;
}

void CSearchIndex::TakeLoadedTable()
{
    if (!m_pLoader || m_pLoader->IsLoading())
        return;
    if (m_pLoader->HasFailed() && !m_pLoader->IsAborted())
        AfxMessageBox("Error loading Index in a thread.");
    m_keywords = m_pLoader->GetTable();
    m_pLoader.reset();
    m_nEntryCount = 0;
    if (m_keywords.GetCount() > 0 && OpenReader())
        m_pReader->ReadCount(m_nEntryCount);
}

BOOL CSearchIndex::WaitForLoad(int nTimeoutMs)
{
    if (!m_pLoader)
        return TRUE;
    if (m_pLoader->IsLoading()) {
        CUserInterface& ui = CUserInterface::Get();
        ui.SetWaitCursor(TRUE);
        ui.SetStatusText("Waiting for Help Index to load...");
        BOOL bFinished = m_pLoader->Wait(nTimeoutMs);
        ui.SetWaitCursor(FALSE);
        if (!bFinished) {
            AfxMessageBox("Error loading User Help content !!!");
            return FALSE;
        }
        ui.SetStatusText("Done");
    }
    TakeLoadedTable();
    return TRUE;
}

BOOL CSearchIndex::AbortLoad(int nTimeoutMs)
{
    if (!m_pLoader)
        return TRUE;
    m_pLoader->Abort();
    BOOL bFinished = m_pLoader->Wait(nTimeoutMs);
    // A thread that did not finish keeps its own share of the record.
    m_pLoader.reset();
    return bFinished;
}

BOOL CSearchIndex::OpenReader()
{
    if (m_pReader)
        return TRUE;
    auto pReader = std::make_unique<CIndexReader>();
    if (m_strPath.IsEmpty() || !pReader->Open(m_strPath))
        return FALSE;
    m_pReader = std::move(pReader);
    return TRUE;
}

BOOL CSearchIndex::ReadKeywordEntries(int nKeyword, CArrayT<CSearchEntry>& entries)
{
    entries.RemoveAll();
    if (nKeyword < 0 || nKeyword >= m_keywords.GetCount() || !OpenReader())
        return FALSE;
    const CString& strKeyword = m_keywords.GetKeyword(nKeyword);
    if (!m_pReader->Seek(m_keywords.GetPosition(nKeyword)))
        return FALSE;
    CSearchEntry entry;
    while (!m_pReader->AtEnd()) {
        if (!m_pReader->ReadEntry(entry))
            return entries.GetSize() > 0;
        if (CompareKeywords(entry.m_strKeyword, strKeyword) != 0)
            break;
        entries.Add(entry);
    }
    return TRUE;
}

BOOL CSearchIndex::ListTopics(int nKeyword, CStringArray& displays, CStringArray& addresses)
{
    displays.RemoveAll();
    addresses.RemoveAll();
    CArrayT<CSearchEntry> entries;
    if (!ReadKeywordEntries(nKeyword, entries))
        return FALSE;
    std::set<std::string> seen;
    for (int i = 0; i < entries.GetSize(); ++i) {
        CString strAddress = entries[i].GetAddress(m_helpDirs);
        if (!seen.insert(strAddress.str()).second)
            continue;
        addresses.Add(strAddress);
        displays.Add(entries[i].GetDisplayText());
    }
    return TRUE;
}

BOOL CSearchIndex::LoadList()
{
    m_list.clear();
    if (!OpenReader()) {
        // A missing file is an empty index.
        struct stat st {};
        return stat(m_strPath, &st) != 0;
    }
    DWORD nCount = 0;
    if (!m_pReader->ReadCount(nCount)) {
        AfxMessageBox("Error reading search index file !!!");
        return FALSE;
    }
    CSearchEntry entry;
    auto hint = m_list.end();
    for (DWORD i = 0; i < nCount; ++i) {
        if (!m_pReader->ReadEntry(entry)) {
            m_list.clear();
            AfxMessageBox("Error reading search index file !!!");
            return FALSE;
        }
        hint = std::next(m_list.insert(hint, entry));
    }
    m_bChanged = FALSE;
    return TRUE;
}

BOOL CSearchIndex::AddEntry(const CSearchEntry& entry, BOOL bReport)
{
    auto it = m_list.lower_bound(entry);
    if (it != m_list.end() && CompareKeywords(it->m_strKeyword, entry.m_strKeyword) == 0 && it->IsSame(entry)) {
        if (bReport)
            AfxMessageBox("Error adding an index !!!");
        return FALSE;
    }
    m_list.insert(it, entry);
    m_bChanged = TRUE;
    return TRUE;
}

BOOL CSearchIndex::RemoveEntry(const CSearchEntry& entry)
{
    auto range = m_list.equal_range(entry);
    for (auto it = range.first; it != range.second; ++it) {
        if (it->IsSame(entry)) {
            m_list.erase(it);
            m_bChanged = TRUE;
            return TRUE;
        }
    }
    return FALSE;
}

void CSearchIndex::Clear()
{
    if (!m_list.empty())
        m_bChanged = TRUE;
    m_list.clear();
}

BOOL CSearchIndex::Save(const char* pszPath, BOOL bAppend, CHelpProgress* pProgress)
{
    CUserInterface& ui = CUserInterface::Get();
    ui.SetStatusText("Wait, Saving the help Indices...");
    if (!WriteList(pszPath, bAppend, pProgress)) {
        AfxMessageBox("Error saving search index !!!");
        return FALSE;
    }
    ui.SetStatusText("Wait, Saving the help Indices...Done");
    return TRUE;
}

BOOL CSearchIndex::WriteList(const char* pszPath, BOOL bAppend, CHelpProgress* pProgress)
{
    BOOL bProgress = pProgress && m_list.size() > 100;
    if (bProgress)
        pProgress->Begin(static_cast<int>(m_list.size()));

    std::string strData(4, '\0');
    DWORD nCount = static_cast<DWORD>(m_list.size());
    BOOL bOk = TRUE;
    std::string strOld;
    if (bAppend && ReadWholeFile(pszPath, strOld)) {
        // The old entries are kept as they are, once every one of them reads.
        CIndexReader reader;
        reader.OpenMemory(strOld.data(), strOld.size());
        DWORD nOld = 0;
        bOk = reader.ReadCount(nOld);
        CSearchEntry entry;
        for (DWORD i = 0; i < nOld && bOk; ++i)
            bOk = reader.ReadEntry(entry);
        if (bOk) {
            strData.append(strOld, 4, reader.GetPosition() - 4);
            nCount += nOld;
        }
    }
    if (bOk) {
        for (const CSearchEntry& entry : m_list) {
            entry.AppendStored(strData);
            if (bProgress)
                pProgress->Step();
        }
        PutDword(strData, 0, nCount);
        // The reader of the old file goes before the file is replaced.
        if (m_strPath == pszPath)
            m_pReader.reset();
        bOk = WriteWhole(pszPath, strData);
    }
    if (bProgress)
        pProgress->End();
    return bOk;
}

BOOL CSearchIndex::SaveChanged(CHelpProgress* pProgress)
{
    if (m_strPath.IsEmpty() || !Save(m_strPath, FALSE, pProgress))
        return FALSE;
    m_bChanged = FALSE;
    AbortLoad();
    m_pReader.reset();
    BOOL bAborted = FALSE;
    if (!CIndexLoader::ReadKeywords(m_strPath, m_keywords, nullptr, bAborted))
        return FALSE;
    m_nEntryCount = static_cast<DWORD>(m_list.size());
    return TRUE;
}

int CSearchIndex::Tidy()
{
    int nDropped = 0;
    m_documentFiles.RemoveAll();
    std::set<std::string> present, missing;
    auto runStart = m_list.begin();
    for (auto it = m_list.begin(); it != m_list.end();) {
        if (CompareKeywords(runStart->m_strKeyword, it->m_strKeyword) != 0)
            runStart = it;
        BOOL bRepeat = FALSE;
        for (auto earlier = runStart; earlier != it && !bRepeat; ++earlier)
            bRepeat = earlier->IsSame(*it);
        if (bRepeat) {
            it = m_list.erase(it);
            ++nDropped;
            continue;
        }
        CString strFile = it->GetAddress(m_helpDirs);
        int nHash = strFile.Find('#');
        if (nHash >= 0)
            strFile = strFile.Left(nHash);
        BOOL bExists;
        if (present.count(strFile.str()))
            bExists = TRUE;
        else if (missing.count(strFile.str()))
            bExists = FALSE;
        else {
            struct stat st {};
            bExists = stat(strFile, &st) == 0 && S_ISREG(st.st_mode);
            (bExists ? present : missing).insert(strFile.str());
            if (bExists)
                m_documentFiles.Add(strFile);
        }
        if (bExists) {
            ++it;
        } else {
            BOOL bRunStart = it == runStart;
            it = m_list.erase(it);
            if (bRunStart)
                runStart = it;
            ++nDropped;
        }
    }
    if (nDropped)
        m_bChanged = TRUE;
    return nDropped;
}

CString CSearchIndex::Dump() const
{
    CString strOut, strLine;
    strLine.Format("count %u, keywords %d, list %zu\n", m_nEntryCount, m_keywords.GetCount(), m_list.size());
    strOut += strLine;
    strOut += m_keywords.Dump();
    for (const CSearchEntry& entry : m_list) {
        strOut += entry.Dump();
        strOut += '\n';
    }
    return strOut;
}
