// CSearchEntry: one entry of a keyword search index: the anchor inside the
// page, the document's file (without extension when a help directory
// number is given, else the full path), the keyword, the directory number,
// the extension code (1 ".html", 2 ".htm", else none) and, in memory only,
// the place in its index file where the entry starts.
#pragma once

#include "String.h"

class CStringArray;

class CSearchEntry {
public:
    enum { EXT_NONE = 0, EXT_HTML = 1, EXT_HTM = 2 };

    CSearchEntry() = default;
    CSearchEntry(const char* pszAnchor, const char* pszFile, const char* pszKeyword, DWORD nDirNumber, DWORD nExtCode)
        : m_strAnchor(pszAnchor), m_strFile(pszFile), m_strKeyword(pszKeyword), m_nDirNumber(nDirNumber),
          m_nExtCode(nExtCode)
    {
    }

    // The entry a document address makes: "file:" dropped, the anchor after
    // "#", the folder looked up in helpDirs (directory number and the file
    // without extension when found, else 0 and the whole path) and the
    // keyword from the anchor (up to its first "("), else from the name.
    static CSearchEntry FromAddress(const char* pszAddress, const CStringArray& helpDirs);

    // The document address: the help directory and "/" (number not 0), the
    // file, the extension of the code, "#" and the anchor when there is one.
    CString GetAddress(const CStringArray& helpDirs) const;
    // The file name and extension, cut before any "#", without a trailing
    // ".html" or ".htm", then "." and the anchor when there is one.
    CString GetDisplayText() const;
    // ".html", ".htm" or "" for the extension code.
    const char* GetExtension() const;
    // Same anchor, file and keyword without regard to case, and same directory number.
    BOOL IsSame(const CSearchEntry& other) const;

    // Size of the entry in an index file.
    size_t GetStoredSize() const;
    // Appends the entry as stored in an index file to strOut.
    void AppendStored(std::string& strOut) const;

    // "keyword | dir | file | ext | anchor" on one line.
    CString Dump() const;

    CString m_strAnchor;
    CString m_strFile;
    CString m_strKeyword;
    DWORD m_nDirNumber = 0;
    DWORD m_nExtCode = EXT_NONE;
    DWORD m_nFilePos = 0;
};

// Keyword order of the index files: bytes compared with ASCII letters lowered.
int CompareKeywords(const char* pszA, const char* pszB);
