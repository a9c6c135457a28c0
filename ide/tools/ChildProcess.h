// CChildProcess: a reusable child process for user commands and the GUI
// builder, with optional input and output redirection. With redirected
// output the command line and then everything the child writes goes to the
// target window as WM_OUTPUT_CHUNK chunks, ended by "Process Exit...", and
// the owner is told on the UI thread afterwards. Any number may run side
// by side; those with redirected output are in the live list while they
// exist and have been started.
#pragma once

#include "RunningProcess.h"
#include "String.h"
#include "WindowHandle.h"

#include <memory>

class CChildProcessOwner;
struct CChildRun;

class CChildProcess : public IRunningProcess {
public:
    // Redirect-output is set exactly when target is an existing window.
    CChildProcess(const char* pszCommandLine, const char* pszWorkingDir, const CWindowHandle& target = CWindowHandle());
    // Terminates a running child, leaves the live list.
    ~CChildProcess() override;
    CChildProcess(const CChildProcess&) = delete;
    CChildProcess& operator=(const CChildProcess&) = delete;

    // Redirect-output exactly when target is a window.
    void SetTargetWindow(const CWindowHandle& target);
    // Starts the command line. FALSE after a message box ("Error executing the command %s", or a
    // pipe error), or when this object's child still runs (no box). pOwner null: the default owner.
    BOOL Start(CChildProcessOwner* pOwner = nullptr);
    // Ends a running child (SIGTERM, SIGKILL after a grace period), clears running, leaves the live list.
    void Terminate() override;
    // The child has been started and has not ended (or been terminated).
    BOOL IsRunning() const override;
    // With redirect-input: all nCount bytes to the child's standard input; FALSE when not possible.
    BOOL WriteInput(const char* pBytes, int nCount);

    // Started objects with redirected output that still exist.
    static int GetLiveCount();
    // The owner used when Start is given none (not owned; null: none).
    static void SetDefaultOwner(CChildProcessOwner* pOwner);

    BOOL m_bRedirectInput = FALSE, m_bRedirectOutput = FALSE;
    CString m_strCommandLine, m_strWorkingDir;
    WORD m_nShowWindow = 5;

private:
    void EndRun();
    void LeaveLiveList();

    CWindowHandle m_target;
    std::shared_ptr<CChildRun> m_pRun;   // the latest run, shared with its threads
    BOOL m_bInLiveList = FALSE;
};
