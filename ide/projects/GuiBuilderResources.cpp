#include "GuiBuilderResources.h"

#include "ArchiveFile.h"
#include "Project.h"
#include "ProjectFileItem.h"
#include "ProjectHost.h"
#include "ResourceFile.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

BOOL HasResExtension(const CString& strPath)
{
    int nSlash = strPath.ReverseFind('/');
    int nDot = strPath.ReverseFind('.');
    return nDot > nSlash && strPath.Mid(nDot + 1).CompareNoCase("res") == 0;
}

CString BaseName(const CString& strPath)
{
    CString strName = strPath.Mid(strPath.ReverseFind('/') + 1);
    int nDot = strName.ReverseFind('.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

// Copies pszFrom to pszTo; fails when pszTo exists.
BOOL CopyNew(const char* pszFrom, const char* pszTo)
{
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszFrom, strData, strError))
        return FALSE;
    int fd = ::open(pszTo, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return FALSE;
    BOOL bOk = ::write(fd, strData.data(), strData.size()) == static_cast<ssize_t>(strData.size());
    bOk = ::close(fd) == 0 && bOk;
    if (!bOk)
        ::unlink(pszTo);
    return bOk;
}

} // namespace

void CGuiBuilderResources::RefreshItem(CProject& project, const char* pszPath)
{
    if (CProjectFileItem* pItem = project.FindFileItem(pszPath))
        project.GetHost().RefreshNode(pItem);
}

CString CGuiBuilderResources::ProposeName(const CProject& project, BOOL bFrame)
{
    const char* pszKind = bFrame ? "Frame" : "Dialog";
    for (int n = 1; n <= 99; n++) {
        CString strName;
        strName.Format("%s%d", pszKind, n);
        CString strPath = project.m_strProjectDir + strName + ".res";
        if (!FileExists(strPath) && !project.HasFile(strPath))
            return strName;
    }
    return CString(pszKind) + "1";
}

BOOL CGuiBuilderResources::NewResource(CProject& project, CTreeFolder* pFolder, BOOL bFrame)
{
    CStringArray arrPaths;
    CString strStart = project.m_strProjectDir + ProposeName(project, bFrame);
    if (!CUserInterface::Get().GetFileNames(FALSE, bFrame ? "New Frame" : "New Dialog", "res",
                                            "Mosk Resource Files (*.res)|*.res|All Files (*.*)|*.*||", strStart,
                                            OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY, arrPaths)
        || arrPaths.GetSize() == 0)
        return FALSE;
    CString strPath = arrPaths[0];
    if (!HasResExtension(strPath)) {
        CString strText;
        strText.Format("Mosk resources must have %s extension !!!", "res");
        AfxMessageBox(strText, MB_ICONEXCLAMATION);
        return FALSE;
    }
    CString strError;
    if (!CArchiveFile::WriteWholeFile(strPath, CResourceFile::HEADER, strError)) {
        AfxMessageBox("Error creating new file !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!project.AddFile(strPath, pFolder))
        return FALSE;
    std::string strText;
    if (!CArchiveFile::ReadWholeFile(strPath, strText, strError)) {
        CString strMessage;
        strMessage.Format("Error opening file %s for editing", strPath.c_str());
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    strText += "\n\n";
    strText += CResourceFile::BlockText(BaseName(strPath), bFrame).str();
    if (!CArchiveFile::WriteWholeFile(strPath, strText, strError)) {
        CString strMessage;
        strMessage.Format("Error opening file %s for editing", strPath.c_str());
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return FALSE;
    }
    RefreshItem(project, strPath);
    return TRUE;
}

BOOL CGuiBuilderResources::RenameDesignAfterFile(const char* pszPath)
{
    CResourceFile file;
    if (!file.Read(pszPath) || !file.GetFirstDesign()) {
        AfxMessageBox("Invalid resource file object !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    int nIndex = static_cast<int>(file.GetFirstDesign() - &file.GetDesigns().front());
    if (!file.RenameDesign(nIndex, BaseName(pszPath))) {
        AfxMessageBox("Error renaming the object !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}

BOOL CGuiBuilderResources::MakeCopy(const char* pszSource, CProject& project, CTreeFolder* pFolder)
{
    CString strBase = BaseName(pszSource);
    CString strPath = project.m_strProjectDir + strBase + ".res";
    for (int n = 1; project.HasFile(strPath); n++) {
        CString strName;
        strName.Format("%s%d.res", strBase.c_str(), n);
        strPath = project.m_strProjectDir + strName;
    }
    if (!CopyNew(pszSource, strPath)) {
        AfxMessageBox("Error making a copy of the file !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    if (!project.AddFile(strPath, pFolder)) {
        ::unlink(strPath);
        return FALSE;
    }
    if (!RenameDesignAfterFile(strPath))
        AfxMessageBox("Error setting the name of the resource. May not be able to edit the resource !!!",
                      MB_ICONEXCLAMATION);
    RefreshItem(project, strPath);
    return TRUE;
}

BOOL CGuiBuilderResources::CopyToClipboard(const char* pszPath, BOOL bFrame)
{
    return CUserInterface::Get().SetClipboardText(CString(bFrame ? "Frame:" : "Dialog:") + pszPath);
}

BOOL CGuiBuilderResources::NamesResource(const CString& strText, CString& strPath)
{
    int nPrefix = strText.Left(7).CompareNoCase("Dialog:") == 0 ? 7 : strText.Left(6).CompareNoCase("Frame:") == 0 ? 6 : 0;
    if (nPrefix == 0)
        return FALSE;
    strPath = strText.Mid(nPrefix).Left(260);
    return HasResExtension(strPath) && FileExists(strPath);
}

BOOL CGuiBuilderResources::CanPaste()
{
    CString strText, strPath;
    return CUserInterface::Get().GetClipboardText(strText) && NamesResource(strText, strPath);
}

BOOL CGuiBuilderResources::Paste(CProject& project, CTreeFolder* pFolder)
{
    CString strText, strPath;
    if (!CUserInterface::Get().GetClipboardText(strText) || !NamesResource(strText, strPath))
        return FALSE;
    return MakeCopy(strPath, project, pFolder);
}

BOOL CGuiBuilderResources::RenameResourceItem(CProject& project, CProjectFileItem* pItem, const char* pszNewName)
{
    if (!project.RenameFileItem(pItem, pszNewName))
        return FALSE;
    BOOL bRenamed = RenameDesignAfterFile(pItem->GetPathName());
    RefreshItem(project, pItem->GetPathName());
    return bRenamed;
}

BOOL CGuiBuilderResources::RenameDesign(const char* pszPath, int nDesign, const char* pszNewName)
{
    CString strName(pszNewName);
    if (strName.FindOneOf(" \t\r\n") >= 0) {
        AfxMessageBox("Invalid Name. No Spaces allowed in the name.", MB_ICONEXCLAMATION);
        return FALSE;
    }
    // A quote would end the name early and leave the rest on the design's line.
    if (strName.IsEmpty() || strName.Find('"') >= 0) {
        AfxMessageBox("Invalid Name. No quotes allowed in the name.", MB_ICONEXCLAMATION);
        return FALSE;
    }
    CResourceFile file;
    if (!file.Read(pszPath) || !file.RenameDesign(nDesign, strName)) {
        AfxMessageBox("Error renaming the object !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    return TRUE;
}
