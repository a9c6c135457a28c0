// CToolRunState: the record of the one compile or documentation run: the
// redirect file the tool writes into, the process, and the flags the waiter
// thread and the user-interface thread share. Zeroed at each start.
#pragma once

#include "String.h"
#include "WindowHandle.h"

#include <atomic>
#include <sys/types.h>

class CToolRunState {
public:
    CToolRunState() { Clear(); }
    CToolRunState(const CToolRunState&) = delete;
    CToolRunState& operator=(const CToolRunState&) = delete;

    // Every field back to zero / empty / -1.
    void Clear();
    // One line per field, for tests.
    CString Dump() const;

    int m_nRedirectFd;               // the open redirect file, -1 when none
    CString m_strRedirectPath;       // its path
    std::atomic<pid_t> m_nProcess;   // the tool's process, 0 when none (cleared before it is reaped)
    std::atomic<BOOL> m_bRunning;    // from a successful start until the completion handler has finished
    BOOL m_bRedirectOpen;
    std::atomic<BOOL> m_bUserAbort;  // Stop Build, or Yes to the close question
    std::atomic<BOOL> m_bExitRequested;  // the main window wants to close when the run ends
    CWindowHandle m_hMainFrame;      // receiver of the completion message
    int m_nContinuation;             // next position in the file list for Rebuild All / Javadoc All; 0 for one file
    CString m_strSourcePath;         // the file being compiled; empty for runs over many files
    BOOL m_bSequence;                // a Rebuild All or Javadoc All sequence runs (kept by each start)
    std::atomic<int> m_nExitCode;           // the tool's exit status, 101 after Stop Build; -1 while running
};
