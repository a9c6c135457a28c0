// CIndexReader: reads the entries of a search index file ("mosk.ipg",
// "user.ipg") one after another: the 32-bit entry count, then per entry the
// directory number, the counted file name, the extension code, the counted
// anchor and the counted keyword, all little-endian. A length that runs
// past the end of the file, or a file shorter than its count, is a read
// error, never a crash or a huge allocation.
#pragma once

#include "SearchEntry.h"

#include <cstdio>
#include <string>

class CIndexReader {
public:
    CIndexReader() = default;
    ~CIndexReader();
    CIndexReader(const CIndexReader&) = delete;
    CIndexReader& operator=(const CIndexReader&) = delete;

    // Opens the file for reading; FALSE when it cannot be opened.
    BOOL Open(const char* pszPath);
    // Reads from memory instead (not copied: pData must outlive the reader).
    void OpenMemory(const char* pData, size_t nSize);
    void Close();

    // Reads the entry count at offset 0; FALSE when the file is shorter than 4
    // bytes or the count cannot fit in the file.
    BOOL ReadCount(DWORD& nCount);
    // Moves to a file position (that of an entry); FALSE when outside the file.
    BOOL Seek(DWORD nPos);
    // Reads the entry at the present position and sets its m_nFilePos; FALSE at a truncated or bad entry.
    BOOL ReadEntry(CSearchEntry& entry);
    // TRUE when the present position is the end of the data.
    BOOL AtEnd() const { return m_nPos >= m_nSize; }
    DWORD GetPosition() const { return static_cast<DWORD>(m_nPos); }
    size_t GetSize() const { return m_nSize; }

    // The smallest size of an entry in a file (five 32-bit values).
    static constexpr size_t MIN_ENTRY_SIZE = 20;

private:
    BOOL ReadBytes(void* pOut, size_t nCount);
    BOOL ReadDword(DWORD& nValue);
    BOOL ReadCounted(CString& str);

    std::FILE* m_pFile = nullptr;
    const char* m_pData = nullptr;
    size_t m_nSize = 0;
    size_t m_nPos = 0;
};
