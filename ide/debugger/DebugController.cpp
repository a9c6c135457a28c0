#include "DebugController.h"

#include "Debugger.h"
#include "DebuggerHost.h"
#include "DebuggerRunState.h"
#include "RunMessages.h"
#include "UserInterface.h"

CDebugController::CDebugController(CDebuggerRunState& record, CDebuggerHost& host)
    : m_record(record), m_host(host), m_run(record)
{
}

CDebugController::~CDebugController()
{
    DestroyWindow();
    m_pDebugger.reset();
}

BOOL CDebugController::IsActive() const
{
    return m_record.m_bRunning;
}

BOOL CDebugController::StartRedirected(const char* pszCommandLine, const char* pszWorkingDir, int nMode,
                                       BOOL bCompileDebug, std::vector<CBreakpoint> initial)
{
    if (IsActive() || !m_run.IsFinished())
        return FALSE;
    if (!bCompileDebug &&
        AfxMessageBox("This project does not have the compile debug option set. Please select YES to continue with "
                      "DEBUG otherwise select NO to cancel DEBUG.",
                      MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    m_host.ShowOutputPane();
    m_host.ClearDebugOutput();
    m_pDebugger.reset();
    CDebuggerRun* pRun = &m_run;
    auto pDebugger = std::make_unique<CDebugger>(
        m_host, &m_record, [pRun](const char* pszCommand) { return pRun->Send(pszCommand); }, std::move(initial));
    CDebuggerHost* pHost = &m_host;
    pDebugger->SetChangeHandler([pHost] { pHost->DebuggerChanged(); });
    CString strError;
    if (!m_run.StartRedirected(pszCommandLine, pszWorkingDir, nMode, pDebugger->GetHandle(), GetHandle(),
                               strError)) {
        m_host.WriteOutput(strError);
        m_host.WriteOutput(CString("\nThe debugger could not be started: ") + pszCommandLine + "\n");
        return FALSE;
    }
    m_record.m_pMainFrame = this;
    m_record.m_pDebuggerWindow = pDebugger.get();
    m_pDebugger = std::move(pDebugger);
    m_host.WriteDebugOutput(CString(pszCommandLine) + "\n");
    m_host.WriteDebugOutput("--------------------------------------------\n");
    m_host.WriteDebugOutput("Double click on a variable in the source\n");
    m_host.WriteDebugOutput("window at a break or step to check its value\n");
    m_host.WriteDebugOutput("--------------------------------------------\n");
    m_host.ShowDebugWindow();
    return TRUE;
}

BOOL CDebugController::StartConsole(const char* pszCommandLine, const char* pszWorkingDir, int nMode)
{
    if (IsActive() || !m_run.IsFinished())
        return FALSE;
    m_host.ShowOutputPane();
    CString strTerminal = CDebuggerRun::FindTerminal();
    if (strTerminal.IsEmpty()) {
        m_host.WriteOutput("No terminal emulator was found to run the debugger in: set TERMINAL to one, or "
                           "install x-terminal-emulator.\n");
        return FALSE;
    }
    CString strError;
    if (!m_run.StartConsole(strTerminal, pszCommandLine, pszWorkingDir, nMode, GetHandle(), strError)) {
        m_host.WriteOutput(strError + "\n");
        return FALSE;
    }
    m_pDebugger.reset();
    m_record.m_pMainFrame = this;
    m_record.m_pDebuggerWindow = nullptr;
    m_host.WriteOutput(CString(pszCommandLine) + "\n");
    m_host.WriteOutput("Type exit at '>' prompt to exit JDB debugger...\n");
    return TRUE;
}

BOOL CDebugController::ConfirmKill()
{
    if (AfxMessageBox("Select YES to kill the debugger otherwise select NO. Please note you may have to kill some "
                      "tasks manually from the system task list if you kill the debugger.",
                      MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return FALSE;
    m_run.Terminate();
    return TRUE;
}

void CDebugController::StopDebug()
{
    if (!IsActive() || !ConfirmKill())
        return;
    SendExit();
}

void CDebugController::SendExit()
{
    if (m_pDebugger)
        m_pDebugger->Exit();
}

LRESULT CDebugController::OnWindowMessage(UINT nMsg, WPARAM, LPARAM lParam)
{
    switch (nMsg) {
    case WM_OUTPUT_CHUNK:
        // The last line of a run: its debugger window is closed by now.
        if (const auto* pChunk = reinterpret_cast<const COutputChunk*>(lParam))
            m_host.WriteDebugOutput(CString(pChunk->m_pBytes, static_cast<int>(pChunk->m_nCount)));
        m_record.m_pDebuggerWindow = nullptr;
        m_pDebugger.reset();
        m_host.DebuggerEnded();
        return 1;
    case WM_CLOSE:
        m_host.CloseMainWindow();
        return 1;
    default:
        return 0;
    }
}
