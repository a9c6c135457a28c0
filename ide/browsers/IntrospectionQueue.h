// CIntrospectionQueue: introspects a list of files one after the other, as
// the progress dialogs of Add Class and Add Bean show it. The dialog (or a
// command-line loop) calls Begin, then Poll until the state is no longer
// running; Cancel terminates the helper. Files that do not exist are
// skipped. Subclasses say which helper runs, what the output window shows
// and what becomes of a helper's output file.
#pragma once

#include "Introspection.h"
#include "StringArray.h"

class CBrowserHost;

class CIntrospectionQueue {
public:
    enum EState { STATE_RUNNING, STATE_DONE, STATE_CANCELLED };

    CIntrospectionQueue(CBrowserHost& host, const CStringArray& arrFiles);  // host not owned
    virtual ~CIntrospectionQueue();
    CIntrospectionQueue(const CIntrospectionQueue&) = delete;
    CIntrospectionQueue& operator=(const CIntrospectionQueue&) = delete;

    // Starts the first file; the state afterwards.
    int Begin();
    // Passes the helper's output on; when a helper has ended its output is
    // taken and the next file started. The state afterwards.
    int Poll();
    // Terminates the running helper (exit code 101); the state is cancelled.
    void Cancel();
    // Begin and Poll until the end, for runs without a dialog; the final state.
    int RunToEnd();

    int GetState() const { return m_nState; }
    // The dialog's caption for the file being introspected.
    const CString& GetCaption() const { return m_strCaption; }
    // Files whose helper ended (successfully or not).
    int GetFinishedCount() const { return m_nFinished; }

protected:
    // "DumpClass" or "DumpBean".
    virtual const char* GetHelperName() const = 0;
    // The caption's format, with %s for the file name.
    virtual const char* GetCaptionFormat() const = 0;
    // The output window when a helper started for pszPath.
    virtual void WriteStarted(const char* pszPath) = 0;
    // The output window when the helper could not start.
    virtual void WriteStartFailed() = 0;
    // The helper for pszPath succeeded: reads its output file.
    virtual void TakeOutput(const char* pszOutputPath, const char* pszPath) = 0;
    // TRUE when a file that fails ends the whole queue as cancelled.
    virtual BOOL StopsOnFailure() const { return TRUE; }

    CBrowserHost& m_host;

private:
    // Starts the next existing file; done when none is left.
    void StartNext();
    // The helper of the current file has ended.
    void FileEnded();

    CStringArray m_arrFiles;
    int m_nNext = 0;
    int m_nFinished = 0;
    CString m_strCurrent;
    CString m_strCaption;
    CIntrospection m_introspection;
    int m_nState = STATE_RUNNING;
};
