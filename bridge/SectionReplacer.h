// CSectionReplacer: rewrites the generated section of a Java source file,
// the text between a begin and an end marker comment, and keeps every other
// byte of the file. The markers are found with the tokenizer, so markers in
// strings and block comments do not count. The file is replaced through a
// temporary file in its folder, so it is either rewritten whole or left as it was.
#pragma once

#include "String.h"

#include <string>

struct stat;

class CSectionReplacer {
public:
    // Result codes of ReplaceInFile and FindSection.
    enum {
        Replaced = 0,
        CannotOpen = 1,      // missing, not a regular file, read-only, or unreadable
        NoMemory = 2,        // the contents cannot be held in memory
        BeginNotFound = 3,
        EndNotFound = 4,
        Failed = 5,          // the new file could not be written or put in place
        EndBeforeBegin = 6,  // the end marker does not follow the begin marker
    };

    // Both markers include their leading "//".
    CSectionReplacer(const CString& strBegin, const CString& strEnd);

    // Locates the section in lLength bytes of pText; on Replaced, GetPrefixEnd and GetSuffixStart are set.
    int FindSection(const char* pText, long lLength);
    // The bytes before this index stay in front of the new text.
    int GetPrefixEnd() const { return m_nPrefixEnd; }
    // The bytes from this index to the end stay behind the new text.
    int GetSuffixStart() const { return m_nSuffixStart; }

    // Puts strNewText in place of the section of the file; returns a result code and changes the file only on Replaced.
    int ReplaceInFile(const CString& strPath, const CString& strNewText);

private:
    // Replaces strRealPath's contents by the text with the section exchanged, in one step.
    BOOL WriteReplacement(const std::string& strRealPath, const std::string& strText, const CString& strNewText);

    CString m_strBegin;
    CString m_strEnd;
    int m_nPrefixEnd;
    int m_nSuffixStart;
};
