// Window messages of the tool and program runs, and the chunk record a
// reader hands over with WM_OUTPUT_CHUNK.
#pragma once

#include "WinTypes.h"

enum : UINT {
    WM_COMPILE_DONE = 1124,  // tool-run waiter -> main frame; wParam 0 or 101; lParam CToolRunState*
    WM_COMPILE_NEXT = 1125,  // compiler completion -> main frame: Rebuild All goes on; lParam CToolRunState*
    WM_OUTPUT_CHUNK = 1126,  // reader -> target window, SENT (reader waits); lParam COutputChunk*
    WM_JAVADOC_DONE = 1128,
    WM_JAVADOC_NEXT = 1131,
};
constexpr WPARAM RUN_USER_ABORT = 101;     // wParam of a completion after Stop Build / exit
constexpr WPARAM RUN_WAIT_TIMEOUT = 258;
constexpr int OUTPUT_PEEK_SIZE = 1049;     // most bytes a reader hands over at once
struct COutputChunk { DWORD m_nZero = 0; DWORD m_nCount = 0; const char* m_pBytes = nullptr; }; // bytes NUL-terminated after m_nCount
