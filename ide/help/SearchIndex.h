// CSearchIndex: a keyword search index ("mosk.ipg" for the system
// documentation, "user.ipg" for the user's documents). The file keeps the
// entries sorted by keyword (without regard to case); in memory the index
// holds its keyword table (each distinct keyword and the file position of
// its first entry), read by a background loader at start-up, and, while
// an index is built or changed, the sorted list of its entries.
#pragma once

#include "ArrayT.h"
#include "KeywordTable.h"
#include "SearchEntry.h"

#include <functional>
#include <memory>
#include <set>

class CHelpProgress;
class CIndexLoader;
class CIndexReader;
class CStringArray;

class CSearchIndex {
public:
    // Time a wait for a loader may take, at use and at exit.
    static constexpr int LOAD_WAIT_MS = 20000;

    struct CKeywordLess {
        bool operator()(const CSearchEntry& a, const CSearchEntry& b) const
        {
            return CompareKeywords(a.m_strKeyword, b.m_strKeyword) < 0;
        }
    };
    using CEntryList = std::multiset<CSearchEntry, CKeywordLess>;

    // helpDirs (not owned) is the help directory list the directory numbers name.
    CSearchIndex(const CStringArray& helpDirs, BOOL bUserIndex, BOOL bThreaded);
    // Aborts a running load and waits for it (at most the exit wait).
    ~CSearchIndex();
    CSearchIndex(const CSearchIndex&) = delete;
    CSearchIndex& operator=(const CSearchIndex&) = delete;

    BOOL IsUserIndex() const { return m_bUserIndex; }
    const CString& GetPath() const { return m_strPath; }
    void SetPath(const char* pszPath) { m_strPath = pszPath; }
    const CStringArray& GetHelpDirs() const { return m_helpDirs; }

    // --- Loading the keyword table.
    // Loads pszPath: on a thread when the index is threaded (pfnDone is then
    // called on that thread at the end, the table is taken by WaitForLoad),
    // else at once (pfnDone called before returning). A load already running
    // is left alone. FALSE when the thread could not start
    // ("Error creating a thread to load the index...") or, unthreaded, the file could not be read.
    BOOL Load(const char* pszPath, std::function<void()> pfnDone = {});
    // Before the table is used: waits up to nTimeoutMs for a running load with
    // the wait cursor and "Waiting for Help Index to load..."; on timeout says
    // "Error loading User Help content !!!" and answers FALSE; "Done" otherwise.
    BOOL WaitForLoad(int nTimeoutMs = LOAD_WAIT_MS);
    // At exit: sets the abort flag and waits up to nTimeoutMs; FALSE on timeout.
    BOOL AbortLoad(int nTimeoutMs = LOAD_WAIT_MS);
    BOOL IsLoading() const;
    // The keyword table (after WaitForLoad).
    const CKeywordTable& GetKeywords() const { return m_keywords; }
    int GetEntryCount() const { return static_cast<int>(m_nEntryCount); }

    // --- Reading entries of the file.
    // The entries of keyword nKeyword of the table, from its first entry
    // while the keyword is the same without regard to case.
    BOOL ReadKeywordEntries(int nKeyword, CArrayT<CSearchEntry>& entries);
    // The topics of keyword nKeyword: each distinct document address with its display text.
    BOOL ListTopics(int nKeyword, CStringArray& displays, CStringArray& addresses);
    // Reads every entry of the file into the list (replacing it); FALSE on a read error.
    BOOL LoadList();

    // --- The sorted list.
    // Inserts before the first entry whose keyword is not less; refused
    // (FALSE, and "Error adding an index !!!" when bReport) when that first
    // entry has the same keyword and is the same entry.
    BOOL AddEntry(const CSearchEntry& entry, BOOL bReport = TRUE);
    // Removes the entry of the list that is the same as entry; FALSE when none.
    BOOL RemoveEntry(const CSearchEntry& entry);
    // Empties the list.
    void Clear();
    const CEntryList& GetList() const { return m_list; }
    BOOL IsChanged() const { return m_bChanged; }
    void SetChanged(BOOL bChanged) { m_bChanged = bChanged; }

    // --- Saving.
    // Writes the list to pszPath with the status texts and, beyond 100
    // entries, the progress bar. In append mode the entries already in the
    // file are kept and the list's entries follow them (the count is their
    // sum). The file is replaced as a whole, never left half-written. FALSE
    // after "Error saving search index !!!".
    BOOL Save(const char* pszPath, BOOL bAppend, CHelpProgress* pProgress = nullptr);
    // The writing of Save without status texts or messages (what a worker
    // thread uses); FALSE when the file could not be written.
    BOOL WriteList(const char* pszPath, BOOL bAppend, CHelpProgress* pProgress = nullptr);
    // Saves a changed index to its path and reloads its keyword table.
    BOOL SaveChanged(CHelpProgress* pProgress = nullptr);

    // The tidy step of the user index: entries whose document file is
    // missing are dropped, and so are repeats of an entry that the insert
    // rule let through (it compares only the first entry of a keyword); the
    // list of document files is rebuilt. Returns the number of entries dropped.
    int Tidy();
    const CStringArray& GetDocumentFiles() const { return m_documentFiles; }

    // The keyword table and the list, one line each, for tests and tools.
    CString Dump() const;

private:
    void TakeLoadedTable();
    BOOL OpenReader();

    CEntryList m_list;
    CString m_strPath;
    std::unique_ptr<CIndexReader> m_pReader;
    DWORD m_nEntryCount = 0;
    CKeywordTable m_keywords;
    CStringArray m_documentFiles;
    std::shared_ptr<CIndexLoader> m_pLoader;
    const CStringArray& m_helpDirs;
    BOOL m_bThreaded;
    BOOL m_bUserIndex;
    BOOL m_bChanged = FALSE;
};
