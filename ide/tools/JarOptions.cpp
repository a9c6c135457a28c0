#include "JarOptions.h"

#include "PathName.h"

namespace {

void DumpLine(CString& strOut, const char* pszName, const CString& strValue)
{
    strOut += CString(pszName) + " = " + strValue + "\n";
}

void DumpSwitch(CString& strOut, const char* pszName, BOOL bValue)
{
    DumpLine(strOut, pszName, bValue ? "1" : "0");
}

} // namespace

CString CJarOptions::GetWorkingDir() const
{
    CString strFolder = CPathName(m_strOutputFile).GetDriveFolder();
    if (strFolder.GetLength() > 1 && strFolder[strFolder.GetLength() - 1] == '/')
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return strFolder;
}

CString CJarOptions::Dump() const
{
    CString strOut;
    DumpLine(strOut, "output file", m_strOutputFile);
    DumpSwitch(strOut, "specify archive", m_bSpecifyArchive);
    DumpSwitch(strOut, "include manifest", m_bIncludeManifest);
    DumpLine(strOut, "manifest file", m_strManifestFile);
    DumpSwitch(strOut, "create", m_bCreate);
    DumpSwitch(strOut, "verbose", m_bVerbose);
    DumpSwitch(strOut, "no manifest entries", m_bNoManifestEntries);
    DumpSwitch(strOut, "no compression", m_bNoCompression);
    DumpSwitch(strOut, "custom", m_bCustom);
    DumpLine(strOut, "custom options", m_strCustomOptions);
    for (int i = 0; i < m_arrFiles.GetSize(); ++i)
        DumpLine(strOut, "file", m_arrFiles[i]);
    return strOut;
}
