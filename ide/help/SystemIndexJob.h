// CSystemIndexJob: builds the system search index ("mosk.ipg") from the
// documentation's index pages on a thread of its own, so the main window
// goes on while it runs. The thread makes the entries into an index of its
// own and writes the file only when every page was read and no abort came:
// an aborted build leaves no file, a finished one replaces it as a whole.
// The user-interface thread starts the job, may abort it (the close does)
// and reads the result once the job has ended.
#pragma once

#include "StringArray.h"
#include "SystemIndexBuilder.h"

#include <atomic>
#include <functional>
#include <thread>

class CHelpProgress;

class CSystemIndexJob {
public:
    // helpDirs is copied: the thread never reads the program's own list.
    CSystemIndexJob(const CStringArray& helpDirs, const char* pszDocDir, const char* pszOutPath);
    // Aborts a running build and waits for its thread.
    ~CSystemIndexJob();
    CSystemIndexJob(const CSystemIndexJob&) = delete;
    CSystemIndexJob& operator=(const CSystemIndexJob&) = delete;

    // Starts the thread. pProgress (not owned, may be null, must outlive the
    // job) is stepped from the thread; fnEnded (may be empty) is called on
    // the thread as its last act. FALSE when a build already ran or the
    // thread could not start.
    BOOL Start(CHelpProgress* pProgress, std::function<void()> fnEnded = {});
    // Asks the thread to stop after the page it reads and waits for it to end.
    void Abort();
    // Waits for the thread to end (returns at once when none runs).
    void Join();

    BOOL IsRunning() const { return m_bRunning; }
    // After the end: TRUE when the file was written.
    BOOL Succeeded() const { return m_bSucceeded; }
    BOOL WasAborted() const { return m_bAborted; }
    // After the end: why the build failed (empty when it did not, or was aborted).
    const CString& GetError() const { return m_strError; }
    const CSystemIndexBuilder::CStats& GetStats() const { return m_stats; }
    const CString& GetOutPath() const { return m_strOutPath; }

private:
    void Run(CHelpProgress* pProgress, std::function<void()> fnEnded);

    const CStringArray m_helpDirs;
    const CString m_strDocDir;
    const CString m_strOutPath;
    std::atomic<bool> m_bAbort{false};
    std::atomic<bool> m_bRunning{false};
    std::atomic<bool> m_bSucceeded{false};
    std::atomic<bool> m_bAborted{false};
    CString m_strError;                   // written by the thread before m_bRunning clears
    CSystemIndexBuilder::CStats m_stats;  // likewise
    std::thread m_thread;
};
