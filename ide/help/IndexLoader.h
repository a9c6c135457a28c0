// CIndexLoader: the record of one background load of a search index. The
// loader thread owns it while the loading flag is set: it reads the file,
// fills the keyword table, checks the abort flag after every entry, and
// sets the done flag at the end. The user-interface thread only sets the
// abort flag, waits (with a time limit) and takes the table after the wait.
// The record is shared with the thread, so a thread still running after a
// timed-out wait never touches freed memory.
#pragma once

#include "KeywordTable.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

class CIndexLoader {
public:
    // The message by which the help search dialog is told that a load ended.
    static constexpr UINT WM_INDEX_LOADED = 1345;

    // Reads the keyword table of the file synchronously; pAbort (may be null)
    // stops the reading early. FALSE and the table emptied on a read error.
    static BOOL ReadKeywords(const char* pszPath, CKeywordTable& table, const std::atomic<bool>* pAbort,
                             BOOL& bAborted);

    // Starts a thread loading pszPath; pfnDone (may be empty) is called on
    // that thread when the load ends. Null when the thread could not start.
    static std::shared_ptr<CIndexLoader> Start(const char* pszPath, std::function<void()> pfnDone);

    // Waits until the thread has finished or nTimeoutMs passed; TRUE when finished.
    BOOL Wait(int nTimeoutMs);
    // Asks the thread to stop at the next entry.
    void Abort() { m_bAbort = true; }

    BOOL IsLoading() const { return m_bLoading; }
    BOOL IsDone() const { return m_bDone; }
    BOOL IsAborted() const { return m_bAborted; }
    // TRUE when the reading failed (the table is then empty).
    BOOL HasFailed() const { return m_bFailed; }
    // The keyword table, once the wait has returned TRUE.
    CKeywordTable& GetTable() { return m_table; }

private:
    void Run();

    CKeywordTable m_table;
    std::atomic<bool> m_bAbort{false};
    std::atomic<bool> m_bLoading{false};
    std::atomic<bool> m_bDone{false};
    std::atomic<bool> m_bAborted{false};
    std::atomic<bool> m_bFailed{false};
    CString m_strPath;
    std::function<void()> m_pfnDone;
    std::mutex m_mutex;
    std::condition_variable m_finished;
};
