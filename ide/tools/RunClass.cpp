#include "RunClass.h"

#include "FileObject.h"
#include "JavaParser.h"
#include "PathName.h"
#include "Project.h"
#include "VarPackage.h"

#include <memory>

CString CRunClass::ClassToRun(const CProject& project)
{
    if (UsesOtherMainClass(project))
        return project.m_options.m_strInterpOtherMain;
    if (project.m_strMainClass.IsEmpty())
        return CString();
    CString strClass = CPathName::BaseNameOf(project.m_strMainClass);
    const CString strPath = project.GetMainClassPath();
    CString strPackage, strError;
    if (!strPath.IsEmpty() && PackageName(strPath, strPackage, strError) && !strPackage.IsEmpty())
        strClass = strPackage + "." + strClass;
    return strClass;
}

BOOL CRunClass::HasClassToRun(const CProject& project)
{
    return !ClassToRun(project).IsEmpty();
}

BOOL CRunClass::UsesOtherMainClass(const CProject& project)
{
    return project.m_options.m_bInterpOtherMain && !project.m_options.m_strInterpOtherMain.IsEmpty();
}

CString CRunClass::RunFolder(const CProject& project)
{
    // With the other-main-class switch on but no text, the main class file's
    // class runs; its folder is where that class can be found.
    if (UsesOtherMainClass(project))
        return CString();
    CString strFolder = CPathName(project.GetMainClassPath()).GetDriveFolder();
    if (strFolder.GetLength() > 1 && strFolder[strFolder.GetLength() - 1] == '/')
        strFolder = strFolder.Left(strFolder.GetLength() - 1);
    return strFolder;
}

BOOL CRunClass::PackageName(const char* pszJavaPath, CString& strPackage, CString& strError)
{
    strPackage.Empty();
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(pszJavaPath, strError));
    if (!pFile)
        return FALSE;
    if (pFile->m_pPackage)
        strPackage = pFile->m_pPackage->m_strName;
    return TRUE;
}

BOOL CRunClass::PackagePath(const char* pszJavaPath, CString& strPath, CString& strError)
{
    if (!PackageName(pszJavaPath, strPath, strError))
        return FALSE;
    strPath.Replace('.', '/');
    return TRUE;
}

CString CRunClass::FindMainClassFile(const CProject& project)
{
    const CStringList& files = project.GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;) {
        const CString& strPath = files.GetNext(pos);
        if (!CPathName(strPath).HasExtension(".java"))
            continue;
        CString strError;
        std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(strPath, strError));
        if (pFile && CJavaParser::FindMainClass(pFile.get()))
            return strPath;
    }
    return CString();
}

BOOL CRunClass::AdoptMainClassFile(CProject& project)
{
    const CString strPath = FindMainClassFile(project);
    if (strPath.IsEmpty())
        return FALSE;
    project.m_strMainClass = CPathName::FileNameOf(strPath);
    project.SetModifiedFlag();
    return TRUE;
}
