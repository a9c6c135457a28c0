#include "IndexLoader.h"

#include "IndexReader.h"

#include <chrono>
#include <system_error>
#include <thread>

BOOL CIndexLoader::ReadKeywords(const char* pszPath, CKeywordTable& table, const std::atomic<bool>* pAbort,
                                BOOL& bAborted)
{
    table.RemoveAll();
    bAborted = FALSE;
    CIndexReader reader;
    DWORD nCount = 0;
    if (!reader.Open(pszPath) || !reader.ReadCount(nCount))
        return FALSE;
    CSearchEntry entry;
    for (DWORD i = 0; i < nCount; ++i) {
        if (pAbort && pAbort->load(std::memory_order_relaxed)) {
            bAborted = TRUE;
            return TRUE;
        }
        if (!reader.ReadEntry(entry)) {
            table.RemoveAll();
            return FALSE;
        }
        table.AddIfNew(entry.m_strKeyword, entry.m_nFilePos);
    }
    return TRUE;
}

std::shared_ptr<CIndexLoader> CIndexLoader::Start(const char* pszPath, std::function<void()> pfnDone)
{
    auto pLoader = std::make_shared<CIndexLoader>();
    pLoader->m_strPath = pszPath;
    pLoader->m_pfnDone = std::move(pfnDone);
    pLoader->m_bLoading = true;
    try {
        std::thread([pLoader] { pLoader->Run(); }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return pLoader;
}

void CIndexLoader::Run()
{
    BOOL bAborted = FALSE;
    if (!ReadKeywords(m_strPath, m_table, &m_bAbort, bAborted))
        m_bFailed = true;
    m_bAborted = bAborted != FALSE;
    m_bDone = true;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_bLoading = false;
    }
    m_finished.notify_all();
    if (m_pfnDone)
        m_pfnDone();
}

BOOL CIndexLoader::Wait(int nTimeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_finished.wait_for(lock, std::chrono::milliseconds(nTimeoutMs), [this] { return !m_bLoading.load(); });
}
