#include "ProgramRunner.h"

#include "OutputReader.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "ProgramRunState.h"
#include "RunMessages.h"
#include "RunOutput.h"
#include "RunThreads.h"
#include "String.h"

#include <fcntl.h>
#include <mutex>
#include <unistd.h>

// The state one run shares with its waiter and reader. The record is
// reached through it only while the runner exists; the descriptors are
// closed by the reader once it has handed over the last chunk.
struct CProgramRun {
    CProcessHandle process;
    std::mutex mutex;
    CProgramRunState* pRecord = nullptr;
    CWindowHandle input;              // the input window, closed when the child ends
    int fdOutputRead = -1;
    int fdInputWrite = -1;
    std::atomic<BOOL> bChildAlive{TRUE};
    std::atomic<BOOL> bReaderDone{FALSE};
};

namespace {

void ClosePair(int fds[2])
{
    for (int i = 0; i < 2; ++i)
        if (fds[i] >= 0)
            ::close(fds[i]);
    fds[0] = fds[1] = -1;
}

} // namespace

CProgramRunner::CProgramRunner(CProgramRunState& record) : m_record(record)
{
}

CProgramRunner::~CProgramRunner()
{
    if (m_pRun) {
        std::lock_guard<std::mutex> lock(m_pRun->mutex);
        m_pRun->pRecord = nullptr;
        m_pRun->process.Terminate();
    }
    // The run's threads no longer report here: the record is left idle.
    m_record.m_nProcess = 0;
    m_record.m_bBusy = FALSE;
    m_record.m_nOutputRead = m_record.m_nInputWrite = -1;
}

const char* CProgramRunner::CannotStartText()
{
    return "Error executing a JAVA program. Please check the following - \n"
           "1. JDK is installed and \\jdk\\bin is in the system path or it is set under Options/Directory in Mosk. \n"
           "2. If you are trying to run the app or applet please make sure current directory (\".\") is in the CLASSPATH.\n"
           "3. If you are trying to run an app please make sure the main class file is properly identified under Mosk.\n"
           "4. If you are trying to run an applet please make sure the main HTML file is properly identified under Mosk.\n"
           "Please refer to Mosk documentation on setting main class file or main HTML file.";
}

BOOL CProgramRunner::Start(const char* pszCommandLine, const char* pszWorkingDir, const CWindowHandle& frame,
                           IRunOutput* pOutput)
{
    if (IsBusy())
        return FALSE;
    if (pOutput) {
        pOutput->ShowOutputPane();
        pOutput->ClearOutput();
    }
    // The last run's threads must not write into the record once it is reset.
    if (m_pRun) {
        {
            std::lock_guard<std::mutex> lock(m_pRun->mutex);
            m_pRun->pRecord = nullptr;
        }
        // Dropped after the unlock: the last reference takes the mutex with it.
        m_pRun.reset();
    }
    m_record.Clear();

    int fdsOut[2] = {-1, -1};
    int fdsIn[2] = {-1, -1};
    if (::pipe2(fdsOut, O_CLOEXEC) != 0 && pOutput)
        pOutput->WriteOutput("Error setting standard output handle\n");
    if (::pipe2(fdsIn, O_CLOEXEC) != 0 && pOutput)
        pOutput->WriteOutput("Error setting standard input handle\n");
    // A program that reads no input must not block the input window's Send.
    if (fdsIn[1] >= 0)
        ::fcntl(fdsIn[1], F_SETFL, O_NONBLOCK);

    pid_t nPid = 0;
    CString strError;
    BOOL bStarted = fdsOut[0] >= 0 && fdsIn[0] >= 0 &&
                    CProcessSpawner::Spawn(pszCommandLine, pszWorkingDir, fdsIn[0], fdsOut[1], fdsOut[1], nPid, strError);
    // The child's ends live on in the child only, so that its end of output
    // shows as a hang-up and no later child inherits them.
    if (fdsIn[0] >= 0)
        ::close(fdsIn[0]);
    if (fdsOut[1] >= 0)
        ::close(fdsOut[1]);
    fdsIn[0] = fdsOut[1] = -1;
    if (!bStarted) {
        ClosePair(fdsOut);
        ClosePair(fdsIn);
        if (pOutput)
            pOutput->WriteOutput(CannotStartText());
        return FALSE;
    }

    auto pRun = std::make_shared<CProgramRun>();
    if (!pRun->process.Attach(nPid)) {
        // Started, but nothing could watch it: it was killed, and did not run.
        ClosePair(fdsOut);
        ClosePair(fdsIn);
        if (pOutput)
            pOutput->WriteOutput(CannotStartText());
        return FALSE;
    }
    pRun->pRecord = &m_record;
    pRun->fdOutputRead = fdsOut[0];
    pRun->fdInputWrite = fdsIn[1];
    m_pRun = pRun;

    m_record.m_bUserAbort = FALSE;
    m_record.m_bBusy = TRUE;
    m_record.m_bCloseAfterExit = FALSE;
    if (pOutput) {
        pOutput->ClearOutput();
        pOutput->WriteOutput(CString(pszCommandLine) + "\n");
    }
    m_record.m_nProcess = nPid;
    m_record.m_hMainFrame = frame;
    m_record.m_nOutputRead = fdsOut[0];
    m_record.m_nInputWrite = fdsIn[1];
    m_record.m_hInputWindow = CWindowHandle();

    CWindowHandle target = frame;
    const BOOL bWaiter = CRunThreads::Start([pRun, target]() {
        const int nStatus = pRun->process.Wait();
        CWindowHandle input;
        {
            std::lock_guard<std::mutex> lock(pRun->mutex);
            if (CProgramRunState* pRecord = pRun->pRecord) {
                pRecord->m_nProcess = 0;
                pRecord->m_nExitCode = pRecord->m_bUserAbort ? PROGRAM_STOP_EXIT_CODE : nStatus;
                if (pRecord->m_bCloseAfterExit)
                    target.PostMessage(WM_CLOSE, 0, 0);
                pRecord->m_bBusy = FALSE;
                pRecord->m_hInputWindow = CWindowHandle();
            }
            input = pRun->input;
            pRun->input = CWindowHandle();
        }
        pRun->bChildAlive = FALSE;
        if (input.IsWindow())
            input.PostMessage(WM_CLOSE, 0, 0);
    });
    const BOOL bReader = bWaiter && CRunThreads::Start([pRun, target]() {
        COutputReader::Pump(pRun->fdOutputRead, target, pRun->bChildAlive);
        COutputReader::SendText(target, "Application Exit...");
        std::lock_guard<std::mutex> lock(pRun->mutex);
        ::close(pRun->fdOutputRead);
        if (pRun->fdInputWrite >= 0)
            ::close(pRun->fdInputWrite);
        pRun->fdOutputRead = pRun->fdInputWrite = -1;
        if (CProgramRunState* pRecord = pRun->pRecord)
            pRecord->m_nOutputRead = pRecord->m_nInputWrite = -1;
        pRun->bReaderDone = TRUE;
    });
    if (!bReader) {
        // Without both threads the run cannot be carried through: end it here.
        std::lock_guard<std::mutex> lock(pRun->mutex);
        pRun->process.Terminate();
        if (!bWaiter)
            pRun->process.Wait();
        ::close(pRun->fdOutputRead);
        ::close(pRun->fdInputWrite);
        pRun->fdOutputRead = pRun->fdInputWrite = -1;
        pRun->bReaderDone = TRUE;
        m_record.m_nOutputRead = m_record.m_nInputWrite = -1;
        if (!bWaiter)
            m_record.m_bBusy = FALSE;
        return FALSE;
    }
    return TRUE;
}

void CProgramRunner::Stop()
{
    if (!m_pRun || !m_record.m_bBusy)
        return;
    m_record.m_bUserAbort = TRUE;
    m_pRun->process.Terminate();
}

void CProgramRunner::RequestCloseAfterExit()
{
    if (!m_pRun || !m_record.m_bBusy)
        return;
    m_record.m_bCloseAfterExit = TRUE;
    m_pRun->process.Terminate();
}

BOOL CProgramRunner::WriteInput(const char* pBytes, int nCount)
{
    if (!m_pRun)
        return FALSE;
    // The reader closes the descriptor under the same lock.
    std::lock_guard<std::mutex> lock(m_pRun->mutex);
    return CProcessSpawner::WriteAll(m_pRun->fdInputWrite, pBytes, nCount);
}

void CProgramRunner::SetInputWindow(const CWindowHandle& window)
{
    if (!m_pRun)
        return;
    std::lock_guard<std::mutex> lock(m_pRun->mutex);
    if (m_pRun->process.HasEnded() || !m_pRun->pRecord || !m_pRun->pRecord->m_bBusy)
        return;   // the child has ended: nothing will close the window
    m_pRun->input = window;
    m_record.m_hInputWindow = window;
}

BOOL CProgramRunner::IsBusy() const
{
    return m_record.m_bBusy || (m_pRun && !m_pRun->bReaderDone);
}
