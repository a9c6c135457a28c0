// CToolRunner: runs the compiler or the documentation tool, one run at a
// time. The child writes its standard output and error into a redirect file
// (standard input is /dev/null); a waiter thread posts the completion
// message (WM_COMPILE_DONE / WM_JAVADOC_DONE, wParam 0, or RUN_USER_ABORT
// after Stop Build or an exit request, lParam the record) to the main frame,
// followed by WM_CLOSE when the main window asked to close. The completion
// handler takes the file's text with TakeRedirectText and clears the
// record's running flag when it has finished.
//
// When the child cannot be started, the output window gets
//   "Unable to start the command line: <command line>\n<reason>\n"
// where the reason names the missing program, the missing working folder or
// the system's error.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <memory>

class CToolRunState;
class CWindowHandle;
class IRunOutput;
struct CToolRun;

class CToolRunner {
public:
    explicit CToolRunner(CToolRunState& record);   // the application's record, not owned
    ~CToolRunner();                                 // kills a running child; does not block on threads
    CToolRunner(const CToolRunner&) = delete;
    CToolRunner& operator=(const CToolRunner&) = delete;

    // Redirect file (temp folder, prefix "tmp", fallback /tmp/java.out or /tmp/java.doc by nCompletionMsg),
    // spawn, "<cmdline>...\n" written, waiter started. FALSE when a run is active (nothing done) or when
    // nothing started (the reason was written to pOutput: "Error creating redirect file. Cannot compile."
    // or the cannot-start text above). The record's sequence flag is kept; every other field is reset.
    BOOL Start(const char* pszCommandLine, const char* pszWorkingDir, const char* pszSourcePath,
               int nContinuation, UINT nCompletionMsg, const CWindowHandle& frame, IRunOutput* pOutput);
    // Stop Build: user-abort, SIGTERM then SIGKILL; the completion comes with 101.
    void Stop();
    // The main window is closing: exit-requested + abort; the waiter posts WM_CLOSE after the completion.
    void RequestExit();
    // The record's running flag.
    BOOL IsActive() const;
    // For the completion handlers: the redirect file's whole text; closes and deletes the file.
    // FALSE when it could not be read or held (strText empty).
    BOOL TakeRedirectText(CString& strText);

    // The text written when the command line could not be started.
    static CString CannotStartText(const char* pszCommandLine, const char* pszReason);

private:
    void CloseRedirectFile();

    CToolRunState& m_record;
    std::shared_ptr<CToolRun> m_pRun;   // the latest run, shared with its waiter
};
