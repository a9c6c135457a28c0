#include "ChildProcess.h"

#include "CallReceiver.h"
#include "ChildProcessOwner.h"
#include "OutputReader.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "RunThreads.h"
#include "UserInterface.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <mutex>
#include <set>
#include <unistd.h>

// The state one run shares with its waiter and reader. pObject is cleared
// when the object is destroyed, so the owner is never handed a dead object.
struct CChildRun {
    CProcessHandle process;
    std::mutex mutex;
    CChildProcess* pObject = nullptr;
    CChildProcessOwner* pOwner = nullptr;
    int fdOutputRead = -1;
    int fdInputWrite = -1;
    std::atomic<BOOL> bRunning{FALSE};      // cleared by the waiter or by Terminate
    std::atomic<BOOL> bChildAlive{TRUE};    // cleared by the waiter only
};

namespace {

std::mutex g_liveMutex;
std::set<CChildProcess*> g_live;
CChildProcessOwner* g_pDefaultOwner = nullptr;

void CloseFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

} // namespace

CChildProcess::CChildProcess(const char* pszCommandLine, const char* pszWorkingDir, const CWindowHandle& target)
    : m_strCommandLine(pszCommandLine), m_strWorkingDir(pszWorkingDir)
{
    SetTargetWindow(target);
}

CChildProcess::~CChildProcess()
{
    EndRun();
    if (m_pRun) {
        std::lock_guard<std::mutex> lock(m_pRun->mutex);
        m_pRun->pObject = nullptr;
    }
    LeaveLiveList();
}

void CChildProcess::SetTargetWindow(const CWindowHandle& target)
{
    m_target = target;
    m_bRedirectOutput = target.IsWindow();
}

BOOL CChildProcess::Start(CChildProcessOwner* pOwner)
{
    if (IsRunning())
        return FALSE;
    int fdsOut[2] = {-1, -1};
    int fdsIn[2] = {-1, -1};
    if (m_bRedirectOutput && ::pipe2(fdsOut, O_CLOEXEC) != 0) {
        AfxMessageBox("Error creating a pipe for output redirection...");
        return FALSE;
    }
    if (m_bRedirectInput && ::pipe2(fdsIn, O_CLOEXEC) != 0) {
        AfxMessageBox("Error creating a pipe for input redirection...");
        CloseFd(fdsOut[0]);
        CloseFd(fdsOut[1]);
        return FALSE;
    }
    if (fdsIn[1] >= 0)
        ::fcntl(fdsIn[1], F_SETFL, O_NONBLOCK);

    // Without redirection the child reads nothing and writes where this
    // program's own output goes.
    const int fdNull = m_bRedirectInput ? -1 : CProcessSpawner::OpenNullInput();
    const int fdStdin = m_bRedirectInput ? fdsIn[0] : fdNull;
    const int fdStdout = m_bRedirectOutput ? fdsOut[1] : STDOUT_FILENO;
    const int fdStderr = m_bRedirectOutput ? fdsOut[1] : STDERR_FILENO;
    pid_t nPid = 0;
    CString strError;
    const BOOL bStarted = fdStdin >= 0 && CProcessSpawner::Spawn(m_strCommandLine, m_strWorkingDir, fdStdin, fdStdout,
                                                                  fdStderr, nPid, strError);
    int fdNullCopy = fdNull;
    CloseFd(fdNullCopy);
    CloseFd(fdsIn[0]);
    CloseFd(fdsOut[1]);
    auto pRun = std::make_shared<CChildRun>();
    // Started but not watchable counts as not started: the child was killed.
    if (!bStarted || !pRun->process.Attach(nPid)) {
        CloseFd(fdsIn[1]);
        CloseFd(fdsOut[0]);
        CString strText;
        strText.Format("Error executing the command %s", m_strCommandLine.c_str());
        AfxMessageBox(strText);
        return FALSE;
    }
    pRun->pObject = this;
    pRun->pOwner = pOwner ? pOwner : g_pDefaultOwner;
    pRun->fdOutputRead = fdsOut[0];
    pRun->fdInputWrite = fdsIn[1];
    pRun->bRunning = TRUE;
    m_pRun = pRun;

    // The waiter runs with or without redirection: it is what reaps the child.
    if (!CRunThreads::Start([pRun]() {
            pRun->process.Wait();
            pRun->bRunning = FALSE;
            pRun->bChildAlive = FALSE;
            std::lock_guard<std::mutex> lock(pRun->mutex);
            CloseFd(pRun->fdInputWrite);
        })) {
        pRun->process.Terminate();
        pRun->process.Wait();
        pRun->bRunning = FALSE;
        CloseFd(pRun->fdInputWrite);
        CloseFd(pRun->fdOutputRead);
        return FALSE;
    }
    if (!m_bRedirectOutput)
        return TRUE;

    const CWindowHandle target = m_target;
    COutputReader::SendText(target, m_strCommandLine + "\n");
    CCallReceiver* pReceiver = CCallReceiver::ForApplication();
    const BOOL bReader = CRunThreads::Start([pRun, target, pReceiver]() {
        COutputReader::Pump(pRun->fdOutputRead, target, pRun->bChildAlive);
        COutputReader::SendText(target, "Process Exit...");
        {
            std::lock_guard<std::mutex> lock(pRun->mutex);
            CloseFd(pRun->fdOutputRead);
            CloseFd(pRun->fdInputWrite);
        }
        // The owner hears of the end on the UI thread, where it may delete
        // the object; this thread no longer touches it.
        if (pReceiver && QCoreApplication::instance()) {
            pReceiver->Post(
                [pRun]() {
                    CChildProcess* pObject;
                    CChildProcessOwner* pOwner;
                    {
                        std::lock_guard<std::mutex> lock(pRun->mutex);
                        pObject = pRun->pObject;
                        pOwner = pRun->pOwner;
                    }
                    if (pObject && pOwner)
                        pOwner->OnProcessEnded(pObject);
                });
        }
    });
    if (!bReader) {
        // No reader: the output would fill the pipe and stall the child.
        std::lock_guard<std::mutex> lock(pRun->mutex);
        CloseFd(pRun->fdOutputRead);
        return TRUE;
    }
    std::lock_guard<std::mutex> lock(g_liveMutex);
    g_live.insert(this);
    m_bInLiveList = TRUE;
    return TRUE;
}

void CChildProcess::Terminate()
{
    EndRun();
    LeaveLiveList();
}

void CChildProcess::EndRun()
{
    if (m_pRun && m_pRun->bRunning) {
        m_pRun->process.Terminate();
        m_pRun->bRunning = FALSE;
    }
}

void CChildProcess::LeaveLiveList()
{
    if (!m_bInLiveList)
        return;
    std::lock_guard<std::mutex> lock(g_liveMutex);
    g_live.erase(this);
    m_bInLiveList = FALSE;
}

BOOL CChildProcess::IsRunning() const
{
    return m_pRun && m_pRun->bRunning;
}

BOOL CChildProcess::WriteInput(const char* pBytes, int nCount)
{
    if (!m_bRedirectInput || !m_pRun)
        return FALSE;
    std::lock_guard<std::mutex> lock(m_pRun->mutex);
    return CProcessSpawner::WriteAll(m_pRun->fdInputWrite, pBytes, nCount);
}

int CChildProcess::GetLiveCount()
{
    std::lock_guard<std::mutex> lock(g_liveMutex);
    return static_cast<int>(g_live.size());
}

void CChildProcess::SetDefaultOwner(CChildProcessOwner* pOwner)
{
    g_pDefaultOwner = pOwner;
}
