// CDebuggerRunState: the record of the debugger run: its two pipes, its
// process, the windows told about it and the flags shared with its waiter
// and reader threads. Cleared at start-up with the ready flag set: while
// it is 0 (the debugger is still loading) the program does not close.
#pragma once

#include "String.h"

#include <atomic>
#include <sys/types.h>

class CDebuggerRunState {
public:
    CDebuggerRunState() { Clear(); }
    CDebuggerRunState(const CDebuggerRunState&) = delete;
    CDebuggerRunState& operator=(const CDebuggerRunState&) = delete;

    // Every field back to zero / -1 / null, and the ready flag set.
    void Clear();
    // One line per field, for tests.
    CString Dump() const;

    int m_nInputRead;                // standard-input pipe; the parent's end takes the commands
    int m_nInputWrite;
    int m_nOutputRead;               // standard-output pipe
    int m_nOutputWrite;
    pid_t m_nProcess;                // 0 when none
    long m_nThreadId;                // the debugger process's main thread, 0 when none
    void* m_pMainFrame;              // receiver of output text and of the final close
    void* m_pDebuggerWindow;         // receiver of output chunks; null when none
    std::atomic<BOOL> m_bRunning;    // a debugger process exists
    std::atomic<BOOL> m_bCloseAfterExit;
    std::atomic<BOOL> m_bAborted;
    std::atomic<BOOL> m_bReady;      // 0 from the start of a run until its first stop; 1 otherwise
    BOOL m_bCloseHandles;            // the reader closes the four pipe ends when it ends
    int m_nMode;                     // the caller's mode value
};
