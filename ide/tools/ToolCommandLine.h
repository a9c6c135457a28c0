// CToolCommandLine: the command lines of the JDK tools (compiler,
// documentation tool, interpreter, debugger, applet viewer, archive tool,
// RMI compiler) built from the project's and the global option fields.
// Pure text work: no files are read and nothing is parsed.
//
// Option sources: the caller passes the project's options, or null when
// only the global defaults count. With both, a switch is on when either is
// on; a valued switch takes the project's value when the project's switch
// is on, else the global value.
#pragma once

#include "String.h"

class CJarOptions;
class CProject;
class CRmiOptions;
class CToolOptions;

class CToolCommandLine {
public:
    // The JDK folder with "/" added; "" when pszExePath is empty or null (tools found through PATH).
    static CString JdkPrefix(const char* pszExePath);
    // The command of a JDK tool in that folder, quoted when the path has a space.
    static CString JdkProgram(const char* pszExePath, const char* pszTool);
    // TRUE when the JDK of pszExePath (PATH when empty) has the program pszTool.
    static BOOL HasJdkProgram(const char* pszExePath, const char* pszTool);
    // str in double quotes when it holds a blank, else str unchanged.
    static CString QuoteIfSpaced(const CString& str);
    // str without its trailing "/" when it is at least 4 characters long.
    static CString TrimOutputDir(const CString& str);

    // The compiler's command line up to the file argument (the caller appends
    // the file name or "*.java").
    static CString Compiler(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath);
    // The documentation tool's command line up to the file argument (a file name or ".").
    static CString Javadoc(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath);
    // The interpreter's whole command line for strClass (may be empty);
    // program arguments only with a project and a class. The memory and GC
    // switches are written as today's virtual machines take them; switches
    // they no longer take are left out and named in *pstrLeftOut ("" when none).
    static CString Interpreter(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath,
                               const CString& strClass, CString* pstrLeftOut = nullptr);
    // FALSE when the options ask the documentation tool for a document type it no longer writes (MIF).
    static BOOL IsDocTypeSupported(const CToolOptions* pProject, const CToolOptions& global);
    // The debugger's whole command line for strClass, with the project's program arguments.
    static CString Debugger(const CToolOptions& project, const CToolOptions& global, const char* pszExePath,
                            const CString& strClass);
    // The applet viewer's whole command line for the page strPageFileName
    // (its name is used, quoted when spaced); bDebug counts only with a project.
    static CString AppletViewer(const CToolOptions* pProject, const CToolOptions& global, const char* pszExePath,
                                BOOL bDebug, const CString& strPageFileName);
    // The archive tool's whole command line; run it in options.GetWorkingDir().
    static CString Jar(const CJarOptions& options, const char* pszExePath);
    // The RMI compiler's whole command line; strClassPath is the effective
    // compiler class path (EffectiveCompilerClassPath), used when the class-path switch is on.
    static CString Rmic(const CRmiOptions& options, const CString& strClassPath, const char* pszExePath);

    // The compiler class path in force: the project's when its switch is on,
    // else the global one when its switch is on, else empty. pProject may be null.
    static CString EffectiveCompilerClassPath(const CProject* pProject, const CToolOptions& global);
    // The compiler output directory in force (same rule), untrimmed; empty when none.
    static CString EffectiveOutputDir(const CProject& project, const CToolOptions& global);
};
