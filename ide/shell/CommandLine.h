// CCommandLine: what the program was asked to do by its arguments:
//   mosk [--new-instance] [+LINE] [FILE[:LINE]]
//   mosk --help | --version
// A FILE:LINE whose whole text names an existing file is that file. "--"
// makes every later argument a file name. The arguments of the GUI toolkit
// are taken out before the parse that decides (see IsToolkitOption).
#pragma once

#include "String.h"

#include <vector>

class CCommandLine {
public:
    enum EAction {
        ACTION_START,    // start (or hand the file to the running program)
        ACTION_HELP,     // print the usage, exit 0
        ACTION_VERSION,  // print the version, exit 0
        ACTION_ERROR,    // print the error and the usage hint, exit EXIT_USAGE
    };
    static constexpr int EXIT_USAGE = 2;

    // Parses the arguments that follow the program's name. The first of
    // --help, --version or a faulty argument decides the action.
    void Parse(const std::vector<CString>& args);
    // The same from main's argument vector (argv[0] is skipped).
    void Parse(int argc, const char* const* argv);

    EAction GetAction() const { return m_nAction; }
    // The file to open; empty when none was named.
    const CString& GetFile() const { return m_strFile; }
    // Line to show (1-based); 0 when none was given.
    int GetLine() const { return m_nLine; }
    // TRUE when --new-instance asks not to hand the file to a running program.
    BOOL IsNewInstance() const { return m_bNewInstance; }
    // Why the arguments were refused ("unknown option '--x'"); empty unless ACTION_ERROR.
    const CString& GetError() const { return m_strError; }
    // The argument that was refused; empty unless ACTION_ERROR.
    const CString& GetBadArgument() const { return m_strBadArgument; }

    // The text --help prints.
    static CString GetUsage();
    // The text --version prints: program name and version.
    static CString GetVersionText();
    // The program's version ("0.1").
    static const char* GetVersion();
    // TRUE for an option the GUI toolkit takes itself ("-platform", "--style", ...).
    static BOOL IsToolkitOption(const char* pszArgument);

    // Action, file, line, flags and error, one per line.
    CString Dump() const;

private:
    BOOL SetFile(const CString& strArgument, int nPendingLine);
    void Fail(const CString& strArgument, const char* pszWhy);

    EAction m_nAction = ACTION_START;
    CString m_strFile;
    int m_nLine = 0;
    BOOL m_bNewInstance = FALSE;
    CString m_strError;
    CString m_strBadArgument;
};
