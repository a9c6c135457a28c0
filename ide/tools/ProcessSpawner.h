// CProcessSpawner: starts a child process from a command line. The line is
// split into arguments the way a Windows command line is (blanks separate,
// double quotes group, backslashes escape only before a quote), the program
// is looked up in PATH unless it contains "/", and the child gets the given
// descriptors as its standard input, output and error and no other
// descriptor of this process.
#pragma once

#include "String.h"

#include <sys/types.h>
#include <vector>

class CProcessSpawner {
public:
    // Splits a command line into arguments: runs of spaces and tabs separate;
    // a double quote starts or ends a quoted part (blanks in it are kept);
    // inside quotes "" is a literal quote; 2n backslashes before a quote give
    // n backslashes and the quote acts, 2n+1 give n backslashes and a literal
    // quote; other backslashes are literal. "" alone is an empty argument.
    static std::vector<CString> SplitCommandLine(const char* pszCommandLine);
    // The full path of pszProgram: itself when it contains "/", otherwise the
    // first executable regular file of that name in $PATH (an empty entry
    // means the current folder); empty when not found.
    static CString FindProgram(const char* pszProgram);

    // Starts the command line in pszWorkingDir (null or empty: the current
    // folder) with nStdin, nStdout, nStderr as descriptors 0, 1, 2 (each
    // must be open). TRUE and the child's pid on success; FALSE and a
    // one-line reason in strError (no process started) otherwise. With
    // bNewGroup the child leads a process group of its own (numbered by its
    // pid), so that it and the processes it starts can be ended together.
    static BOOL Spawn(const char* pszCommandLine, const char* pszWorkingDir, int nStdin, int nStdout, int nStderr,
                      pid_t& nPid, CString& strError, BOOL bNewGroup = FALSE);

    static constexpr int WRITE_STALL_MS = 2000;
    // Writes all nCount bytes to fd, retrying short writes; a reader that has
    // gone away gives FALSE, never SIGPIPE. On a non-blocking fd a pipe that
    // stays full for WRITE_STALL_MS gives FALSE.
    static BOOL WriteAll(int fd, const char* pBytes, int nCount);
    // Opens /dev/null for reading, close-on-exec; -1 on failure.
    static int OpenNullInput();
};
