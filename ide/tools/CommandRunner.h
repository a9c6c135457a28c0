// CCommandRunner: runs a user command in a context: builds the command line
// and the working directory with the macros expanded, sets "CLASSPATH" to
// the IDE's interpreter class path around the start when the command asks
// for it, and hands what is to be started to the starter. Problems are
// told through the message-box seam.
#pragma once

#include "String.h"

#include <functional>

class CCommand;
class CCommandRunContext;

// What a run hands to the starter.
struct CCommandLaunch {
    CString m_strCommandLine;   // command text, " ", expanded arguments (trailing blanks cut when captured)
    CString m_strWorkingDir;    // expanded start-up directory; empty: the current directory
    BOOL m_bCaptureOutput = FALSE;  // run in an output window with redirected output
    CString m_strTitle;         // title of the output window (the command line) when captured
};

class CCommandRunner {
public:
    // Starts a launch; TRUE when the process started. Runs while "CLASSPATH" is set for it.
    using Starter = std::function<BOOL(const CCommandLaunch&)>;

    enum EResult {
        RUN_STARTED,       // the starter started it
        RUN_START_FAILED,  // the starter reported failure
        RUN_NOTHING,       // empty command text: nothing to do
        RUN_BAD_VARIABLE   // a "<" without ">": the message was shown, nothing ran
    };

    // Builds the launch of command in context without starting anything.
    // RUN_BAD_VARIABLE after showing "Bad variable in the arguments !!!" or
    // "Bad variable in the startup directory !!!"; RUN_NOTHING for an empty
    // command text; otherwise RUN_STARTED meaning launch is ready.
    static EResult BuildLaunch(const CCommand& command, const CCommandRunContext& context, CCommandLaunch& launch);
    // Builds the launch and starts it through fnStart, with "CLASSPATH" set
    // to the open project's interpreter class path around the call when the
    // command uses the IDE class path; the variable is put back afterwards.
    static EResult Run(const CCommand& command, const CCommandRunContext& context, const Starter& fnStart);
};
