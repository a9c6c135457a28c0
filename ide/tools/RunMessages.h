// Window messages the tool, program and child-process runs exchange with the
// main frame and output windows, and the chunk record a reader hands over.
#pragma once

#include "WinTypes.h"

enum : UINT {
    WM_COMPILE_DONE = 1124,  // tool-run waiter -> main frame; wParam 0 or 101; lParam CToolRunState*
    WM_COMPILE_NEXT = 1125,  // compiler completion -> main frame: Rebuild All goes on; lParam CToolRunState*
    WM_OUTPUT_CHUNK = 1126,  // reader -> target window, SENT (reader waits); lParam COutputChunk*
    WM_JAVADOC_DONE = 1128,  // documentation-run waiter -> main frame; as WM_COMPILE_DONE
    WM_JAVADOC_NEXT = 1131,  // documentation completion -> main frame: Javadoc All goes on
};

constexpr WPARAM RUN_USER_ABORT = 101;     // wParam of a completion after Stop Build / exit
constexpr WPARAM RUN_WAIT_TIMEOUT = 258;
constexpr int OUTPUT_PEEK_SIZE = 1049;     // most bytes a reader hands over at once
constexpr int TOOL_STOP_EXIT_CODE = 101;   // exit code a tool run reports after Stop Build
constexpr int PROGRAM_STOP_EXIT_CODE = 102;  // exit code a program run reports after Stop Run

// One chunk of child output; the bytes are NUL-terminated after m_nCount.
struct COutputChunk {
    DWORD m_nZero = 0;
    DWORD m_nCount = 0;
    const char* m_pBytes = nullptr;
};
