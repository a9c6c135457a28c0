// CAtomicFile: the program's one way of replacing a file's contents. The
// bytes go to a temporary file in the target's own folder, which is flushed
// to the disk and renamed over the target only when whole, so a reader
// always finds the old file or the new one, never a part of either. A
// symbolic link is followed and its target replaced; the replaced file keeps
// its permissions (and its owner where this user may keep it).
#pragma once

#include "String.h"

#include <cstddef>

class CAtomicFile {
public:
    // Called before each write call with the bytes written so far; tests
    // use it to stop or kill the writer in mid-file. FALSE fails the write.
    using FaultHook = BOOL (*)(size_t nWrittenSoFar);

    CAtomicFile() = default;
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    // An uncommitted temporary file is removed; the target is untouched.
    ~CAtomicFile();

    // Starts replacing pszPath; FALSE and the reason (an errno text) in
    // strError when the target may not be written or no temporary file can
    // be made there.
    BOOL Open(const char* pszPath, CString& strError);
    // Appends nLength bytes; FALSE once any write has failed.
    BOOL Write(const void* pData, size_t nLength);
    // Flushes, closes and renames the temporary file over the target, then
    // flushes the folder; FALSE, the target unchanged and the reason in
    // strError when any step (or an earlier Write) failed.
    BOOL Commit(CString& strError);
    // Drops the temporary file; the target stays as it was.
    void Abort();
    // The file being replaced once links are followed; empty before Open.
    const CString& GetTarget() const { return m_strTarget; }

    // Open, Write and Commit in one call.
    static BOOL WriteFile(const char* pszPath, const void* pData, size_t nLength, CString& strError);
    // The file a path names once every link is followed (the path itself
    // when it names no link); a missing file at the end of a link is allowed.
    static CString ResolveLinks(const char* pszPath);
    // Renames pszFrom to pszTo in one step that never replaces an existing
    // pszTo (EEXIST then, even when pszTo appeared a moment ago); FALSE and
    // errno set on failure.
    static BOOL RenameNoReplace(const char* pszFrom, const char* pszTo);
    // Installs (or, with null, removes) the write fault hook.
    static void SetFaultHook(FaultHook pfnHook);

private:
    CString m_strTarget;
    CString m_strTemp;
    int m_nFd = -1;
    int m_nError = 0;      // the first failure's errno; 0 while all is well
    size_t m_nWritten = 0;
};
