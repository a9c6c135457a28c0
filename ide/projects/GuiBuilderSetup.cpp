#include "GuiBuilderSetup.h"

#include "ArchiveFile.h"
#include "UserInterface.h"

#include <cstdlib>
#include <sys/stat.h>

namespace {

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

CString Lower(CString str)
{
    str.MakeLower();
    return str;
}

} // namespace

CString CGuiBuilderSetup::EscapeProperty(const char* pszValue)
{
    CString strOut;
    for (const char* p = pszValue; *p; ++p) {
        if (*p == '\\')
            strOut += '\\';
        strOut += *p;
    }
    return strOut;
}

BOOL CGuiBuilderSetup::UpdateMgbIni(const char* pszProgramFolder, const char* pszSettingsFolder)
{
    CString strPath = CString(pszProgramFolder) + "/MGB.INI";
    std::string strText;
    CString strError;
    if (!FileExists(strPath) || !CArchiveFile::ReadWholeFile(strPath, strText, strError))
        return FALSE;
    size_t nStart = 0;
    while (nStart < strText.size()) {
        size_t nEnd = strText.find('\n', nStart);
        if (strText.compare(nStart, 14, "DEFAULTMOSKINI") == 0)
            return FALSE;
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    strText += "\nDEFAULTMOSKINI=";
    strText += EscapeProperty(CString(pszSettingsFolder) + "/mosk.ini").str();
    strText += "\n";
    return CArchiveFile::WriteWholeFile(strPath, strText, strError);
}

CString CGuiBuilderSetup::MissingZipText(const char* pszZip)
{
    CString strText;
    strText.Format("Unable to find file %s. This file is essential for Mosk GUI builder to function properly. "
                   "Please set the program path under Options/Directory to Mosk directory and restart Mosk !!!",
                   pszZip);
    return strText;
}

BOOL CGuiBuilderSetup::EnsureClassPath(const char* pszProgramFolder, BOOL bReport)
{
    CString strZip = CString(pszProgramFolder) + "/classes.zip";
    if (!FileExists(strZip)) {
        if (bReport)
            AfxMessageBox(MissingZipText(strZip), MB_ICONEXCLAMATION);
        return FALSE;
    }
    const char* pszOld = std::getenv("CLASSPATH");
    CString strOld = pszOld ? CString(pszOld).Left(3000) : CString();
    CString strNew;
    if (strOld.IsEmpty())
        strNew = strZip;
    else if (Lower(strOld).Find(Lower(strZip)) < 0)
        strNew = strZip + ":" + strOld;
    else
        return TRUE;
    if (::setenv("CLASSPATH", strNew, 1) != 0) {
        CString strText;
        strText.Format("Error setting the environment variable. Please add the variable %s to CLASSPATH manually "
                       "and reboot the PC for it to take effect",
                       strZip.c_str());
        AfxMessageBox(strText, MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}
