// CDebuggerRun: the process of one debugger run. Redirected, the debugger's
// standard input and output are pipes: a reader thread polls the output
// every 10 ms and hands each chunk (at most OUTPUT_PEEK_SIZE bytes) to the
// debugger window with the synchronous WM_OUTPUT_CHUNK; once the process
// has ended and the pipe is drained it sends the window WM_CLOSE and the
// frame window "\nApplication Exit...\n". A waiter thread waits for the
// process, then clears running and sets ready in the record (and posts the
// frame WM_CLOSE when close-after-exit is set). In a console run the
// debugger runs in a terminal emulator and only the waiter exists. The
// debugger leads a process group of its own, so the program it starts
// ends with it: terminating sends the group SIGTERM, then SIGKILL.
#pragma once

#include "String.h"
#include "WindowHandle.h"

#include <memory>

class CDebuggerRunState;
struct CDebuggerProcess;

class CDebuggerRun {
public:
    static constexpr int POLL_MS = 10;

    explicit CDebuggerRun(CDebuggerRunState& record);   // the application's record, not owned
    ~CDebuggerRun();                                      // terminates a running debugger; does not block
    CDebuggerRun(const CDebuggerRun&) = delete;
    CDebuggerRun& operator=(const CDebuggerRun&) = delete;

    // Starts the command line in pszWorkingDir with pipes; chunks go to
    // debugger, the last text to frame. Sets running 1, ready 0, aborted
    // and close-after-exit 0. FALSE and a reason in strError when nothing started.
    BOOL StartRedirected(const char* pszCommandLine, const char* pszWorkingDir, int nMode,
                         const CWindowHandle& debugger, const CWindowHandle& frame, CString& strError);
    // Starts pszTerminal with "-e" and the command line (no pipes); the frame
    // gets WM_CLOSE after the end when close-after-exit is set.
    BOOL StartConsole(const char* pszTerminal, const char* pszCommandLine, const char* pszWorkingDir, int nMode,
                      const CWindowHandle& frame, CString& strError);
    // Writes one command line (the text and a line feed); FALSE when no
    // redirected run takes input or the write failed.
    BOOL Send(const char* pszCommand);
    // SIGTERM to the debugger's process group now, SIGKILL after the grace period.
    void Terminate();
    // A debugger process of this object runs.
    BOOL IsRunning() const;
    // The process and both threads of the last run are done.
    BOOL IsFinished() const;
    pid_t GetPid() const;

    // Called on the reader thread with every chunk as soon as it was read
    // from the pipe, before it is handed over (for timing; null: none).
    // Set it while no run is active.
    static void SetReadObserver(void (*pfnObserver)(const char* pBytes, int nCount));

    // The terminal emulator for console runs: $TERMINAL when it names a
    // program found in PATH, else x-terminal-emulator when found; empty when none.
    static CString FindTerminal();

private:
    BOOL StartProcess(const char* pszCommandLine, const char* pszWorkingDir, int nMode, BOOL bRedirect,
                      const CWindowHandle& debugger, const CWindowHandle& frame, CString& strError);

    CDebuggerRunState& m_record;
    std::shared_ptr<CDebuggerProcess> m_pRun;
};
