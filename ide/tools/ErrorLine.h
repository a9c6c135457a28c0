// CErrorLine: reads one line of compiler or interpreter output and finds
// the source position it reports. Two forms are known:
//   "name:line:..."                      compiler messages (a leading drive
//                                        letter "C:" is skipped over)
//   "\tat pkg.Foo.main(Foo.java:5)"      exception stack traces
// Pure text work: resolving names to files is left to the caller.
#pragma once

#include "WinTypes.h"

class CErrorLocation;

class CErrorLine {
public:
    // Only this many characters of a line are looked at.
    static constexpr int MAX_LINE_LENGTH = 3000;

    // Reads pszLine (up to its first CR, LF or NUL, at most MAX_LINE_LENGTH
    // characters). TRUE and location filled when it names a file and a line
    // number >= 1; FALSE (location reset) otherwise.
    static BOOL Parse(const char* pszLine, CErrorLocation& location);
};
