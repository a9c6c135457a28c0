#include "ToolRunner.h"

#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "RunMessages.h"
#include "RunOutput.h"
#include "RunThreads.h"
#include "ToolRunState.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

// The state one run shares with its waiter thread. The record is reached
// through it only while the runner exists.
struct CToolRun {
    CProcessHandle process;
    std::mutex mutex;
    CToolRunState* pRecord = nullptr;
};

namespace {

// Creates the redirect file: a unique "tmp" file in the temporary folder,
// else the fixed fallback. -1 when neither could be opened.
int CreateRedirectFile(UINT nCompletionMsg, CString& strPath)
{
    const char* pszTmp = std::getenv("TMPDIR");
    std::string strTemplate = std::string(pszTmp && *pszTmp ? pszTmp : "/tmp") + "/tmpXXXXXX";
    int fd = ::mkostemp(strTemplate.data(), O_CLOEXEC);
    if (fd >= 0) {
        strPath = CString(strTemplate);
        return fd;
    }
    strPath = nCompletionMsg == WM_JAVADOC_DONE ? "/tmp/java.doc" : "/tmp/java.out";
    // The fixed name sits in a folder everyone writes to: a link planted
    // there must not make the tool's output overwrite the file it points to.
    fd = ::open(strPath, O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        strPath.Empty();
    return fd;
}

} // namespace

CToolRunner::CToolRunner(CToolRunState& record) : m_record(record)
{
}

CToolRunner::~CToolRunner()
{
    if (m_pRun) {
        std::lock_guard<std::mutex> lock(m_pRun->mutex);
        m_pRun->pRecord = nullptr;
        m_pRun->process.Terminate();
    }
    // No completion will come: the record is left idle.
    CloseRedirectFile();
    m_record.m_nProcess = 0;
    m_record.m_bRunning = FALSE;
}

CString CToolRunner::CannotStartText(const char* pszCommandLine, const char* pszReason)
{
    return CString("Unable to start the command line: ") + pszCommandLine + "\n" + pszReason + "\n";
}

BOOL CToolRunner::Start(const char* pszCommandLine, const char* pszWorkingDir, const char* pszSourcePath,
                        int nContinuation, UINT nCompletionMsg, const CWindowHandle& frame, IRunOutput* pOutput)
{
    if (m_record.m_bRunning)
        return FALSE;
    CString strPath;
    const int fdRedirect = CreateRedirectFile(nCompletionMsg, strPath);
    if (fdRedirect < 0) {
        if (pOutput)
            pOutput->WriteOutput("Error creating redirect file. Cannot compile.");
        return FALSE;
    }

    CloseRedirectFile();   // a file the last completion did not take
    // The last run's waiter must not write into the record once it is reset.
    if (m_pRun) {
        {
            std::lock_guard<std::mutex> lock(m_pRun->mutex);
            m_pRun->pRecord = nullptr;
        }
        // Dropped after the unlock: the last reference takes the mutex with it.
        m_pRun.reset();
    }
    const BOOL bSequence = m_record.m_bSequence;
    m_record.Clear();
    m_record.m_bSequence = bSequence;

    pid_t nPid = 0;
    CString strError;
    const int fdNull = CProcessSpawner::OpenNullInput();
    BOOL bStarted = FALSE;
    if (fdNull < 0)
        strError = "/dev/null cannot be opened.";
    else
        bStarted = CProcessSpawner::Spawn(pszCommandLine, pszWorkingDir, fdNull, fdRedirect, fdRedirect, nPid, strError);
    if (fdNull >= 0)
        ::close(fdNull);
    if (!bStarted) {
        if (pOutput)
            pOutput->WriteOutput(CannotStartText(pszCommandLine, strError));
        ::close(fdRedirect);
        ::unlink(strPath);
        return FALSE;
    }

    auto pRun = std::make_shared<CToolRun>();
    if (!pRun->process.Attach(nPid)) {
        // Started, but nothing could watch it: it was killed, and did not run.
        if (pOutput)
            pOutput->WriteOutput(CannotStartText(pszCommandLine, "the started process cannot be watched."));
        ::close(fdRedirect);
        ::unlink(strPath);
        return FALSE;
    }
    pRun->pRecord = &m_record;
    m_pRun = pRun;

    m_record.m_bRunning = TRUE;
    m_record.m_bUserAbort = FALSE;
    if (pOutput)
        pOutput->WriteOutput(CString(pszCommandLine) + "...\n");
    m_record.m_nProcess = nPid;
    m_record.m_hMainFrame = frame;
    m_record.m_nContinuation = nContinuation;
    m_record.m_nRedirectFd = fdRedirect;
    m_record.m_strRedirectPath = strPath;
    m_record.m_bRedirectOpen = TRUE;
    m_record.m_strSourcePath = pszSourcePath ? pszSourcePath : "";

    CWindowHandle target = frame;
    const BOOL bThread = CRunThreads::Start([pRun, target, nCompletionMsg]() {
        const int nStatus = pRun->process.Wait();
        std::lock_guard<std::mutex> lock(pRun->mutex);
        CToolRunState* pRecord = pRun->pRecord;
        if (!pRecord)
            return;   // the runner is gone, and with it the completion handler
        pRecord->m_nProcess = 0;
        const BOOL bAbort = pRecord->m_bUserAbort || pRecord->m_bExitRequested;
        pRecord->m_nExitCode = bAbort ? TOOL_STOP_EXIT_CODE : nStatus;
        target.PostMessage(nCompletionMsg, bAbort ? RUN_USER_ABORT : 0, reinterpret_cast<LPARAM>(pRecord));
        if (pRecord->m_bExitRequested)
            target.PostMessage(WM_CLOSE, 0, 0);
    });
    if (!bThread) {
        // Without a waiter nobody could reap the child.
        pRun->process.Terminate();
        pRun->process.Wait();
        m_record.m_bRunning = FALSE;
        CloseRedirectFile();
        return FALSE;
    }
    return TRUE;
}

void CToolRunner::Stop()
{
    if (!m_pRun || !m_record.m_bRunning)
        return;
    m_record.m_bUserAbort = TRUE;
    m_pRun->process.Terminate();
}

void CToolRunner::RequestExit()
{
    if (!m_pRun || !m_record.m_bRunning)
        return;
    m_record.m_bExitRequested = TRUE;
    m_record.m_bUserAbort = TRUE;
    m_pRun->process.Terminate();
}

BOOL CToolRunner::IsActive() const
{
    return m_record.m_bRunning;
}

BOOL CToolRunner::TakeRedirectText(CString& strText)
{
    strText.Empty();
    const int fd = m_record.m_nRedirectFd;
    if (fd < 0)
        return FALSE;
    BOOL bOk = ::lseek(fd, 0, SEEK_SET) == 0;
    std::string str;
    char buffer[65536];
    while (bOk) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            bOk = FALSE;
        if (n <= 0)
            break;
        str.append(buffer, static_cast<size_t>(n));
    }
    CloseRedirectFile();
    if (bOk)
        strText = CString(std::move(str));
    return bOk;
}

void CToolRunner::CloseRedirectFile()
{
    if (m_record.m_nRedirectFd >= 0) {
        ::close(m_record.m_nRedirectFd);
        if (!m_record.m_strRedirectPath.IsEmpty())
            ::unlink(m_record.m_strRedirectPath);
    }
    m_record.m_nRedirectFd = -1;
    m_record.m_bRedirectOpen = FALSE;
    m_record.m_strRedirectPath.Empty();
}
