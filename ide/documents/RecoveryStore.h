// CRecoveryStore: the unsaved text of open documents, kept in files of the
// data folder's "recovery" folder so that a crash, a kill or a power cut
// loses at most the last few seconds of typing. Each file holds one
// document: a header naming the document's path (or its title when it has
// none), the time it was written and the text's length, then the text byte
// for byte. A file belongs to the process that wrote it (its number is in
// the file name); files of processes that no longer run are what the next
// start offers to restore.
#pragma once

#include "String.h"

#include <string>
#include <vector>

class CRecoveryStore {
public:
    struct CEntry {
        CString m_strFile;   // the recovery file
        CString m_strPath;   // the document's path; empty for an untitled one
        CString m_strTitle;  // the window title of an untitled document
        long long m_nTime = 0;  // seconds since 1970 when the text was written
        std::string m_strText;
        int m_nProcess = 0;  // the process that wrote it
    };

    // A store in pszFolder (created when first written); the data folder's
    // "recovery" folder when null.
    explicit CRecoveryStore(const char* pszFolder = nullptr);

    const CString& GetFolder() const { return m_strFolder; }
    // Writes (replaces) this process's file of a document; FALSE and the
    // reason in strError when it cannot be written.
    BOOL Write(const char* pszPath, const char* pszTitle, const std::string& strText, long long nTime,
               CString& strError);
    // Removes this process's files of every document not named in keys
    // (GetKey of each document still unsaved).
    void RemoveAllBut(const std::vector<CString>& keys);
    // Removes this process's files.
    void RemoveOwn();
    // The files left by processes that no longer run, oldest first (then by
    // path, untitled documents first, then by title); files
    // that cannot be read are left alone and not listed.
    std::vector<CEntry> FindOrphans() const;
    // Removes one file of FindOrphans.
    static void Remove(const CEntry& entry);

    // The name part that stands for a document: its path, else its title.
    static CString GetKey(const char* pszPath, const char* pszTitle);
    // Reads one recovery file; FALSE when it is not one (or is cut short).
    static BOOL Read(const char* pszFile, CEntry& entry);
    // The file's text for a document (header and text).
    static std::string Format(const char* pszPath, const char* pszTitle, const std::string& strText,
                              long long nTime);
    // The store as text, one line per file of FindOrphans: "path|title|time|length".
    CString Dump() const;

private:
    CString FileOf(const CString& strKey) const;

    CString m_strFolder;
    int m_nProcess;
};
