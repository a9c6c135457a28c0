// CStopParser: reads the debugger's answers: where a stop ("Breakpoint
// hit", "Step completed", "Exception occurred", the stop after failed
// deferred breakpoints) says the program is, in the current form
// ("thread=main", p.Hello.main(), line=9 bci=3) or the classic one
// (Hello.main (Hello:9)); whether an answer has come to its end (a prompt);
// and what a breakpoint answer means. Text may come in pieces split
// anywhere, and the debugged program's own output may be mixed into it.
#pragma once

#include "String.h"

struct CDebuggerStop {
    CString m_strClass;       // "p.Hello", "Outer$Inner"; the text before the method's last "."
    int m_nLine = 0;          // as the debugger says (-1 inside native code)
    BOOL m_bException = FALSE;
    int m_nEnd = 0;           // offset just past the position's text
};

class CStopParser {
public:
    enum EResult {
        STOP_NONE,      // no stop begins in the text
        STOP_PARTIAL,   // a stop begins but its position has not arrived yet
        STOP_FOUND,
    };

    // Looks for the first stop in strText. With STOP_PARTIAL and STOP_FOUND
    // nStart is where its first marker begins.
    static EResult FindStop(const CString& strText, CDebuggerStop& stop, int& nStart);
    // Bytes at the end of strText worth keeping when no stop was found:
    // the longest end that may be the start of a marker.
    static int KeepTail(const CString& strText);

    // TRUE when strText ends with a prompt: "> " or a thread's "main[1] ".
    static BOOL EndsWithPrompt(const CString& strText);
    // The answer to "stop at" says the breakpoint is (or will be) set.
    static BOOL IsBreakpointSet(const CString& strAnswer);
    // The answer to "clear" says the breakpoint is gone.
    static BOOL IsBreakpointCleared(const CString& strAnswer);
    // The answer to "stop at" says the line has no code.
    static BOOL IsNoCode(const CString& strAnswer);
    // A deferred breakpoint that failed at class load: its "Class:line" in
    // strPlace and the offset after its line; FALSE when none (or its line is not whole yet).
    static BOOL FindDeferredFailure(const CString& strText, CString& strPlace, int& nEnd);
};
