// CSafeFile: reading a whole text file and writing one so that a failed
// write never leaves a half-written file: the text goes to a temporary file
// in the same folder, is flushed to the disk and renamed over the file. A
// link is followed to the file it names; the file keeps its permissions.
#pragma once

#include "String.h"

#include <string>

class CSafeFile {
public:
    // The whole file into strText; FALSE and the reason in strError.
    static BOOL ReadAll(const char* pszPath, std::string& strText, CString& strError);
    // Replaces the file's contents by nLength bytes of pData (creating the
    // file when missing); FALSE, the file unchanged and the reason in strError.
    static BOOL Write(const char* pszPath, const char* pData, size_t nLength, CString& strError);
    // The file a path names once every link is followed (the path itself
    // when it names no link); a missing file at the end of a link is allowed.
    static CString ResolveLinks(const char* pszPath);
    // TRUE when the file exists and this user may not write it.
    static BOOL IsReadOnly(const char* pszPath);
    // Modification time in nanoseconds; 0 when the file cannot be examined.
    static long long ModificationTime(const char* pszPath);
};
