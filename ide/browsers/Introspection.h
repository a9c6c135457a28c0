// CIntrospection: one run of an introspection helper ("java DumpClass NAME
// OUT" or "java DumpBean NAME OUT") in the folder of the file it looks at,
// with its standard input and output on pipes. A thread reads what the
// helper writes and waits for its end; the user-interface thread collects
// that output with Poll. The output file is a new file made with mkstemp in
// the temporary folder; only when none can be made is the fixed name
// "/tmp/bean.txt" used, created without following a link planted there.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <memory>

class CBrowserHost;
struct CIntrospectionRun;

class CIntrospection {
public:
    // Exit code reported after Abort.
    static constexpr int ABORT_EXIT_CODE = 101;
    // The output file used when no temporary file can be made.
    static constexpr const char* FALLBACK_OUTPUT = "/tmp/bean.txt";

    explicit CIntrospection(CBrowserHost& host);  // host not owned
    // Ends a running helper and deletes the output file.
    ~CIntrospection();
    CIntrospection(const CIntrospection&) = delete;
    CIntrospection& operator=(const CIntrospection&) = delete;

    // Starts pszHelper ("DumpClass", "DumpBean") for pszPath. FALSE when a
    // run is still going (nothing done) or the helper could not be started
    // (strError says why; redirection errors also went to the output window).
    BOOL Start(const char* pszHelper, const char* pszPath, CString& strError);
    // Passes what the helper wrote since the last call to the output window;
    // TRUE once the helper has ended and all its output was passed on.
    BOOL Poll();
    // Polls until the helper has ended or nMilliseconds passed; TRUE when it ended.
    BOOL WaitForEnd(int nMilliseconds);
    // Terminates the running helper; its exit code is then ABORT_EXIT_CODE.
    void Abort();
    // TRUE between a successful Start and the end seen by Poll.
    BOOL IsRunning() const;
    // The helper's exit code once ended (-1 before).
    int GetExitCode() const;
    // TRUE when the helper ended with 0 and its output file exists.
    BOOL Succeeded() const;
    // The output file of the last run (empty before a start).
    const CString& GetOutputPath() const { return m_strOutputPath; }
    // Deletes the output file of the last run.
    void DeleteOutput();
    // The command line of the last start.
    const CString& GetCommandLine() const { return m_strCommandLine; }

    // The folder of the JDK's programs ("" : found through PATH), for every run.
    static void SetJdkFolder(const char* pszFolder);
    static const CString& GetJdkFolder();
    // Makes an empty output file: mkstemp in $TMPDIR (else /tmp) with prefix
    // "tmp", else the fallback name opened with O_NOFOLLOW. FALSE when neither works.
    static BOOL MakeOutputFile(CString& strPath);

private:
    CBrowserHost& m_host;
    std::shared_ptr<CIntrospectionRun> m_pRun;  // shared with the run's thread
    CString m_strOutputPath;
    CString m_strCommandLine;
    BOOL m_bEnded = FALSE;
};
