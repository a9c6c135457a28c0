// CProgramRunner: runs one program (interpreter, applet viewer, RMI
// compiler, archive tool) with its output in the output window. The child's
// standard output and error share one pipe that a reader thread hands to
// the main frame chunk by chunk (WM_OUTPUT_CHUNK, sent, at most
// OUTPUT_PEEK_SIZE bytes each, in order), ending with "Application Exit...";
// its standard input is a second pipe fed by WriteInput. The pipes are
// closed once the last chunk has been handed over.
#pragma once

#include "WinTypes.h"

#include <memory>

class CProgramRunState;
class CWindowHandle;
class IRunOutput;
struct CProgramRun;

class CProgramRunner {
public:
    explicit CProgramRunner(CProgramRunState& record);   // the application's record, not owned
    ~CProgramRunner();                                     // terminates a running child; does not block
    CProgramRunner(const CProgramRunner&) = delete;
    CProgramRunner& operator=(const CProgramRunner&) = delete;

    // Shows the pane, clears it, spawns with stdin/stdout/stderr pipes, writes "<cmdline>\n", starts
    // waiter + reader. FALSE when a run is busy or the start failed (the long "Error executing a JAVA
    // program..." text written).
    BOOL Start(const char* pszCommandLine, const char* pszWorkingDir, const CWindowHandle& frame, IRunOutput* pOutput);
    // Stop Run: user-abort, terminate (exit code 102 reported in the record).
    void Stop();
    // Close-after-exit + terminate; the waiter posts WM_CLOSE to the frame.
    void RequestCloseAfterExit();
    // The input window's Send: all nCount bytes to the program's standard input.
    // FALSE when no run takes input or the write failed.
    BOOL WriteInput(const char* pBytes, int nCount);
    // The waiter posts this window WM_CLOSE when the child ends.
    void SetInputWindow(const CWindowHandle& window);
    // The busy flag, or the previous run's reader not yet finished.
    BOOL IsBusy() const;

    // The text written when the program could not be started.
    static const char* CannotStartText();

private:
    CProgramRunState& m_record;
    std::shared_ptr<CProgramRun> m_pRun;   // the latest run, shared with its threads
};
