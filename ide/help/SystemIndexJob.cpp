#include "SystemIndexJob.h"

#include "SearchIndex.h"

#include <system_error>

CSystemIndexJob::CSystemIndexJob(const CStringArray& helpDirs, const char* pszDocDir, const char* pszOutPath)
    : m_helpDirs(helpDirs), m_strDocDir(pszDocDir), m_strOutPath(pszOutPath)
{
}

CSystemIndexJob::~CSystemIndexJob() { Abort(); }

BOOL CSystemIndexJob::Start(CHelpProgress* pProgress, std::function<void()> fnEnded)
{
    if (m_thread.joinable() || m_bRunning)
        return FALSE;
    m_bRunning = true;
    try {
        m_thread = std::thread(&CSystemIndexJob::Run, this, pProgress, std::move(fnEnded));
    } catch (const std::system_error&) {
        m_bRunning = false;
        m_strError = "Error creating a thread to build the index...";
        return FALSE;
    }
    return TRUE;
}

void CSystemIndexJob::Abort()
{
    m_bAbort = true;
    Join();
}

void CSystemIndexJob::Join()
{
    if (m_thread.joinable() && m_thread.get_id() != std::this_thread::get_id())
        m_thread.join();
}

void CSystemIndexJob::Run(CHelpProgress* pProgress, std::function<void()> fnEnded)
{
    CSearchIndex index(m_helpDirs, FALSE, FALSE);
    CString strError;
    BOOL bBuilt = CSystemIndexBuilder::Build(m_strDocDir, index, m_stats, strError, &m_bAbort, pProgress);
    if (m_bAbort) {
        m_bAborted = true;
    } else if (!bBuilt) {
        m_strError = strError;
    } else if (!index.WriteList(m_strOutPath, FALSE, m_bAbort ? nullptr : pProgress)) {
        m_strError.Format("Cannot write %s", m_strOutPath.c_str());
    } else {
        m_bSucceeded = true;
    }
    m_bRunning = false;
    if (fnEnded)
        fnEnded();
}
