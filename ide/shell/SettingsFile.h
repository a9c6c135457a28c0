// CSettingsFile: writes to the settings file that skip keys already holding
// the value. Every write of the settings file rewrites the whole file, so
// saving dozens of unchanged settings at each close would mean dozens of
// rewrites; the file's contents end up the same either way.
#pragma once

#include "String.h"

class CProfile;

class CSettingsFile {
public:
    // Sets the key unless it is present with exactly this value; the value
    // ends at its first line break. FALSE when the file could not be written.
    static BOOL WriteString(CProfile& profile, const char* pszSection, const char* pszKey, const char* pszValue);
    // The same with the decimal text of nValue.
    static BOOL WriteInt(CProfile& profile, const char* pszSection, const char* pszKey, int nValue);
    // Removes the key when present; FALSE when the file could not be written.
    static BOOL DeleteKey(CProfile& profile, const char* pszSection, const char* pszKey);
};
