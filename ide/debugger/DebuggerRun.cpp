#include "DebuggerRun.h"

#include "DebuggerRunState.h"
#include "OutputReader.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "RunMessages.h"
#include "RunThreads.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <unistd.h>

// What one run shares with its threads. The record is reached through it
// only while the run object exists.
struct CDebuggerProcess {
    CProcessHandle process;
    std::mutex mutex;
    CDebuggerRunState* pRecord = nullptr;
    int fdOutputRead = -1;
    int fdInputWrite = -1;
    std::atomic<BOOL> bChildAlive{TRUE};
    std::atomic<BOOL> bWaiterDone{FALSE};
    std::atomic<BOOL> bReaderDone{TRUE};
};

namespace {

void (*g_pfnReadObserver)(const char*, int) = nullptr;

void ClosePair(int fds[2])
{
    for (int i = 0; i < 2; ++i)
        if (fds[i] >= 0)
            ::close(fds[i]);
    fds[0] = fds[1] = -1;
}

// The reader: chunks to the debugger window until the process has ended
// and the pipe is empty, then the close and the last line.
void ReadLoop(const std::shared_ptr<CDebuggerProcess>& pRun, const CWindowHandle& debugger,
              const CWindowHandle& frame)
{
    char buffer[OUTPUT_PEEK_SIZE + 1];
    const int fd = pRun->fdOutputRead;
    for (;;) {
        const BOOL bWasAlive = pRun->bChildAlive.load();
        const int nPeeked = COutputReader::Peek(fd);
        if (nPeeked > 0) {
            const int nRead = COutputReader::ReadPeeked(fd, buffer, nPeeked);
            if (nRead > 0) {
                buffer[nRead] = '\0';
                if (g_pfnReadObserver)
                    g_pfnReadObserver(buffer, nRead);
                COutputChunk chunk;
                chunk.m_nCount = static_cast<DWORD>(nRead);
                chunk.m_pBytes = buffer;
                debugger.SendMessage(WM_OUTPUT_CHUNK, 0, reinterpret_cast<LPARAM>(&chunk));
                continue;
            }
        }
        if (!bWasAlive)
            break;
        // Up to 10 ms for more; data wakes the poll at once.
        struct pollfd pfd = {fd, POLLIN, 0};
        const int n = ::poll(&pfd, 1, CDebuggerRun::POLL_MS);
        if (n > 0 && !(pfd.revents & POLLIN)) {
            const struct timespec wait = {0, CDebuggerRun::POLL_MS * 1000 * 1000};
            ::nanosleep(&wait, nullptr);
        }
    }
    debugger.SendMessage(WM_CLOSE, 0, 0);
    COutputReader::SendText(frame, "\nApplication Exit...\n");
    std::lock_guard<std::mutex> lock(pRun->mutex);
    ::close(pRun->fdOutputRead);
    if (pRun->fdInputWrite >= 0)
        ::close(pRun->fdInputWrite);
    pRun->fdOutputRead = pRun->fdInputWrite = -1;
    if (CDebuggerRunState* pRecord = pRun->pRecord)
        pRecord->m_nOutputRead = pRecord->m_nInputWrite = -1;
    pRun->bReaderDone = TRUE;
}

}  // namespace

CDebuggerRun::CDebuggerRun(CDebuggerRunState& record) : m_record(record)
{
}

void CDebuggerRun::SetReadObserver(void (*pfnObserver)(const char*, int))
{
    g_pfnReadObserver = pfnObserver;
}

CDebuggerRun::~CDebuggerRun()
{
    if (m_pRun) {
        std::lock_guard<std::mutex> lock(m_pRun->mutex);
        m_pRun->pRecord = nullptr;
        m_pRun->process.Terminate();
    }
    m_record.m_bRunning = FALSE;
    m_record.m_bReady = TRUE;
    m_record.m_nProcess = 0;
}

CString CDebuggerRun::FindTerminal()
{
    const char* pszTerminal = std::getenv("TERMINAL");
    if (pszTerminal && *pszTerminal) {
        CString strFound = CProcessSpawner::FindProgram(pszTerminal);
        if (!strFound.IsEmpty() && ::access(strFound, X_OK) == 0)
            return strFound;
    }
    return CProcessSpawner::FindProgram("x-terminal-emulator");
}

BOOL CDebuggerRun::StartRedirected(const char* pszCommandLine, const char* pszWorkingDir, int nMode,
                                   const CWindowHandle& debugger, const CWindowHandle& frame, CString& strError)
{
    return StartProcess(pszCommandLine, pszWorkingDir, nMode, TRUE, debugger, frame, strError);
}

BOOL CDebuggerRun::StartConsole(const char* pszTerminal, const char* pszCommandLine, const char* pszWorkingDir,
                                int nMode, const CWindowHandle& frame, CString& strError)
{
    CString strLine = CProcessSpawner::SplitCommandLine(pszTerminal).empty()
                          ? CString()
                          : CString("\"") + pszTerminal + "\" -e " + pszCommandLine;
    return StartProcess(strLine, pszWorkingDir, nMode, FALSE, CWindowHandle(), frame, strError);
}

BOOL CDebuggerRun::StartProcess(const char* pszCommandLine, const char* pszWorkingDir, int nMode, BOOL bRedirect,
                                const CWindowHandle& debugger, const CWindowHandle& frame, CString& strError)
{
    if (IsRunning() || (m_pRun && !IsFinished())) {
        strError = "A debugger run is active.";
        return FALSE;
    }
    if (m_pRun) {
        {
            std::lock_guard<std::mutex> lock(m_pRun->mutex);
            m_pRun->pRecord = nullptr;
        }
        // Dropped after the unlock: the last reference takes the mutex with it.
        m_pRun.reset();
    }
    int fdsOut[2] = {-1, -1};
    int fdsIn[2] = {-1, -1};
    int fdNull = -1;
    if (bRedirect) {
        if (::pipe2(fdsOut, O_CLOEXEC) != 0) {
            strError = "Error setting standard output handle\n";
            return FALSE;
        }
        if (::pipe2(fdsIn, O_CLOEXEC) != 0) {
            ClosePair(fdsOut);
            strError = "Error setting standard input handle\n";
            return FALSE;
        }
        // A debugger that reads no more must not block the user-interface thread.
        ::fcntl(fdsIn[1], F_SETFL, O_NONBLOCK);
    } else {
        fdNull = CProcessSpawner::OpenNullInput();
    }
    pid_t nPid = 0;
    const int fdIn = bRedirect ? fdsIn[0] : fdNull;
    const int fdOut = bRedirect ? fdsOut[1] : fdNull;
    // The debugger's error output goes to the same pipe, so that its complaints are seen.
    BOOL bStarted = fdIn >= 0 &&
                    CProcessSpawner::Spawn(pszCommandLine, pszWorkingDir, fdIn, bRedirect ? fdOut : 1,
                                           bRedirect ? fdOut : 2, nPid, strError, TRUE);
    if (fdNull >= 0)
        ::close(fdNull);
    if (fdsIn[0] >= 0)
        ::close(fdsIn[0]);
    if (fdsOut[1] >= 0)
        ::close(fdsOut[1]);
    fdsIn[0] = fdsOut[1] = -1;
    if (!bStarted) {
        ClosePair(fdsOut);
        ClosePair(fdsIn);
        if (strError.IsEmpty())
            strError = "The debugger could not be started.";
        return FALSE;
    }

    auto pRun = std::make_shared<CDebuggerProcess>();
    pRun->process.Attach(nPid, TRUE);
    pRun->pRecord = &m_record;
    pRun->fdOutputRead = fdsOut[0];
    pRun->fdInputWrite = fdsIn[1];
    pRun->bReaderDone = !bRedirect;
    m_pRun = pRun;

    m_record.m_bRunning = TRUE;
    m_record.m_bAborted = FALSE;
    m_record.m_bCloseAfterExit = FALSE;
    m_record.m_bReady = bRedirect ? FALSE : TRUE;
    m_record.m_nProcess = nPid;
    m_record.m_nThreadId = nPid;
    m_record.m_nInputWrite = fdsIn[1];
    m_record.m_nOutputRead = fdsOut[0];
    m_record.m_nMode = nMode;
    m_record.m_bCloseHandles = bRedirect;

    const CWindowHandle target = frame;
    const BOOL bWaiter = CRunThreads::Start([pRun, target]() {
        pRun->process.Wait();
        {
            std::lock_guard<std::mutex> lock(pRun->mutex);
            if (CDebuggerRunState* pRecord = pRun->pRecord) {
                pRecord->m_nProcess = 0;
                if (pRecord->m_bCloseAfterExit)
                    target.PostMessage(WM_CLOSE, 0, 0);
                pRecord->m_bRunning = FALSE;
                pRecord->m_bReady = TRUE;
            }
        }
        pRun->bChildAlive = FALSE;
        pRun->bWaiterDone = TRUE;
    });
    if (!bWaiter) {
        pRun->process.Terminate();
        pRun->process.Wait();
        pRun->bWaiterDone = TRUE;
    }
    if (!bRedirect)
        return bWaiter;
    const CWindowHandle window = debugger;
    const BOOL bReader = bWaiter && CRunThreads::Start([pRun, window, target]() { ReadLoop(pRun, window, target); });
    if (!bReader) {
        std::lock_guard<std::mutex> lock(pRun->mutex);
        pRun->process.Terminate();
        ::close(pRun->fdOutputRead);
        ::close(pRun->fdInputWrite);
        pRun->fdOutputRead = pRun->fdInputWrite = -1;
        pRun->bReaderDone = TRUE;
        m_record.m_nOutputRead = m_record.m_nInputWrite = -1;
        if (!bWaiter) {
            m_record.m_bRunning = FALSE;
            m_record.m_bReady = TRUE;
        }
        strError = "The debugger's threads could not be started.";
        return FALSE;
    }
    return TRUE;
}

BOOL CDebuggerRun::Send(const char* pszCommand)
{
    if (!m_pRun)
        return FALSE;
    CString strLine = CString(pszCommand) + "\n";
    // The reader closes the descriptor under the same lock.
    std::lock_guard<std::mutex> lock(m_pRun->mutex);
    return CProcessSpawner::WriteAll(m_pRun->fdInputWrite, strLine, strLine.GetLength());
}

void CDebuggerRun::Terminate()
{
    if (m_pRun)
        m_pRun->process.Terminate();
}

BOOL CDebuggerRun::IsRunning() const
{
    return m_pRun && !m_pRun->bWaiterDone;
}

BOOL CDebuggerRun::IsFinished() const
{
    return !m_pRun || (m_pRun->bWaiterDone && m_pRun->bReaderDone);
}

pid_t CDebuggerRun::GetPid() const
{
    return m_pRun ? m_pRun->process.GetPid() : 0;
}
