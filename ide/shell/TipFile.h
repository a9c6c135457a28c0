// CTipFile: the tips of the day, one tip a line in "tips.txt". The place
// of the next tip is kept as a byte offset ("FilePos" in section "Tip")
// together with the file's time stamp ("TimeStamp"): a file that changed
// since the position was stored is read from its start again. Empty lines
// and lines whose first non-blank character is ';' are not tips. Reading
// wraps from the end of the file to its start.
#pragma once

#include "String.h"

#include <string>

class CProfile;

class CTipFile {
public:
    // Text shown in place of a tip when the file cannot be read.
    static const char* const s_pszMissingText;
    // Text shown in place of a tip when the file holds none.
    static const char* const s_pszNoTipsText;

    explicit CTipFile(const char* pszPath);

    // Reads the file and the stored position; a time stamp that differs from
    // the stored one is stored and the position starts at 0. FALSE when the
    // file cannot be read (NextTip then gives the missing-file text).
    BOOL Open(CProfile& profile);
    BOOL IsOpen() const { return m_bOpen; }
    // The first tip at or after the position (wrapping at the end); the
    // position moves past it. The missing-file or no-tips text when there is none.
    CString NextTip();
    // Writes the position as "FilePos"; FALSE when the settings file could not be written.
    BOOL SavePosition(CProfile& profile) const;
    // Byte offset of the line the next tip is looked for from.
    int GetPosition() const { return m_nPos; }
    const CString& GetPath() const { return m_strPath; }
    // Time stamp text of the file as stored in "TimeStamp"; empty when it cannot be read.
    static CString TimeStampOf(const char* pszPath);

    // Path, open state, position and the number of tips, one per line.
    CString Dump() const;

private:
    // The tip on the line starting at nStart (empty when it is none); nNext gets the next line's start.
    CString TipOnLine(int nStart, int& nNext) const;
    int CountTips() const;

    CString m_strPath;
    std::string m_strText;
    BOOL m_bOpen = FALSE;
    int m_nPos = 0;
};
