// CProgramRunState: the record of the one program run in the output window
// (interpreter, applet viewer, RMI compiler, archive tool): the two pipes,
// the process and the flags shared with its waiter and reader threads.
// Zeroed at each start.
#pragma once

#include "String.h"
#include "WindowHandle.h"

#include <atomic>
#include <sys/types.h>

class CProgramRunState {
public:
    CProgramRunState() { Clear(); }
    CProgramRunState(const CProgramRunState&) = delete;
    CProgramRunState& operator=(const CProgramRunState&) = delete;

    // Every field back to zero / -1 / null.
    void Clear();
    // One line per field, for tests.
    CString Dump() const;

    int m_nInputRead;                // standard-input pipe, child's end; -1 when none
    int m_nInputWrite;               // parent's end, where the input window writes
    int m_nOutputRead;               // standard-output pipe, parent's end
    int m_nOutputWrite;              // child's end, for standard output and standard error
    std::atomic<pid_t> m_nProcess;   // 0 when none (cleared before it is reaped)
    std::atomic<BOOL> m_bBusy;       // the child runs: another process is using the output window
    std::atomic<BOOL> m_bCloseAfterExit;  // ask the main window to close when the child has ended
    std::atomic<BOOL> m_bUserAbort;  // Stop Run, or Yes to the close question
    CWindowHandle m_hMainFrame;      // receiver of output chunks
    CWindowHandle m_hInputWindow;    // the program input window; closed when the child ends
    std::atomic<int> m_nExitCode;           // the program's exit status, 102 after Stop Run; -1 while running
};
