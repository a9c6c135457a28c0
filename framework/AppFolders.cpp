#include "AppFolders.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

CString FromEnvironment(const char* pszOwn, const char* pszXdg, const char* pszFallback)
{
    const char* psz = std::getenv(pszOwn);
    if (psz && *psz)
        return CString(psz);
    psz = std::getenv(pszXdg);
    if (psz && *psz)
        return CString(psz) + "/mosk";
    const char* pszHome = std::getenv("HOME");
    return CString(pszHome && *pszHome ? pszHome : "/tmp") + pszFallback;
}

} // namespace

CString CAppFolders::GetSettingsFolder()
{
    return FromEnvironment("MOSK_CONFIG_DIR", "XDG_CONFIG_HOME", "/.config/mosk");
}

CString CAppFolders::GetDataFolder()
{
    return FromEnvironment("MOSK_DATA_DIR", "XDG_DATA_HOME", "/.local/share/mosk");
}

BOOL CAppFolders::EnsureFolder(const char* pszPath)
{
    CString strPath(pszPath);
    for (int i = 1; i <= strPath.GetLength(); ++i) {
        if (i == strPath.GetLength() || strPath[i] == '/') {
            CString strPart = strPath.Left(i);
            if (mkdir(strPart, 0755) != 0 && errno != EEXIST)
                return FALSE;
        }
    }
    struct stat st;
    return stat(strPath, &st) == 0 && S_ISDIR(st.st_mode);
}
