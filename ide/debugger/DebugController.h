// CDebugController: the program's debugger runs. It starts a redirected
// run (the compile-debug question, the debugger window and its process,
// the introduction lines) or a console run in a terminal emulator, asks
// the kill confirmation of Stop Debug and of the close checks, and
// carries the menu commands to the debugger window. As the frame window of
// its runs it takes the last line of a run ("\nApplication Exit...\n") and
// the close request that a close of the main window waited for. Lives on
// the user-interface thread.
#pragma once

#include "BreakpointSet.h"
#include "DebuggerRun.h"
#include "MessageWindow.h"

#include <memory>
#include <vector>

class CDebugger;
class CDebuggerHost;
class CDebuggerRunState;

class CDebugController : public CMessageWindow {
public:
    // record and host (not owned) must outlive the object.
    CDebugController(CDebuggerRunState& record, CDebuggerHost& host);
    ~CDebugController() override;

    // Runs the command line under the debugger with its input and output
    // in pipes. Without bCompileDebug the user is asked first whether to go
    // on. FALSE when nothing started (the reason is in the output window).
    BOOL StartRedirected(const char* pszCommandLine, const char* pszWorkingDir, int nMode, BOOL bCompileDebug,
                         std::vector<CBreakpoint> initial);
    // Runs the command line in a terminal emulator where the user types;
    // FALSE (and the output window says why) when none exists or it did not start.
    BOOL StartConsole(const char* pszCommandLine, const char* pszWorkingDir, int nMode);
    // The kill confirmation; Yes terminates the debugger and gives TRUE.
    BOOL ConfirmKill();
    // Stop Debug: the confirmation, then "exit".
    void StopDebug();
    // The exit command of the close checks.
    void SendExit();

    // A debugger process exists.
    BOOL IsActive() const;
    // The window of the redirected run; null when none.
    CDebugger* GetDebugger() const { return m_pDebugger.get(); }
    CDebuggerRun& GetRun() { return m_run; }

    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    CDebuggerRunState& m_record;
    CDebuggerHost& m_host;
    CDebuggerRun m_run;
    std::unique_ptr<CDebugger> m_pDebugger;
};
