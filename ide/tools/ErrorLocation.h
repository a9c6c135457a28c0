// CErrorLocation: the place a line of tool output points at, as read by
// CErrorLine: a file name as the line writes it, a 1-based line number and,
// for a stack-trace line, the class whose method is named there.
#pragma once

#include "String.h"

class CErrorLocation {
public:
    // Back to "no location".
    void Reset();
    // "file=... line=N" and, for a stack trace, " class=...", for tests.
    CString Dump() const;

    CString m_strFile;   // compiler form: the text before the colon; stack trace: "Name.java"
    int m_nLine = 0;     // 1-based
    CString m_strClass;  // stack trace: "pkg.Foo" (outer class, no module); may be empty
    BOOL m_bStackTrace = FALSE;
};
