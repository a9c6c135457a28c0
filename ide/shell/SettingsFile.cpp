#include "SettingsFile.h"

#include "Profile.h"

BOOL CSettingsFile::WriteString(CProfile& profile, const char* pszSection, const char* pszKey, const char* pszValue)
{
    // A value is one line of the file: a line break would start a new key.
    CString strValue = CString(pszValue).SpanExcluding("\r\n");
    if (profile.HasKey(pszSection, pszKey) && profile.GetString(pszSection, pszKey, "") == strValue)
        return TRUE;
    return profile.WriteString(pszSection, pszKey, strValue);
}

BOOL CSettingsFile::WriteInt(CProfile& profile, const char* pszSection, const char* pszKey, int nValue)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return WriteString(profile, pszSection, pszKey, strValue);
}

BOOL CSettingsFile::DeleteKey(CProfile& profile, const char* pszSection, const char* pszKey)
{
    if (!profile.HasKey(pszSection, pszKey))
        return TRUE;
    return profile.WriteString(pszSection, pszKey, nullptr);
}
