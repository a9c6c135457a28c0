#include "ProjectTreeCommands.h"

#include "GuiBuilderResources.h"
#include "PathName.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectHost.h"
#include "ProjectMenu.h"
#include "ProjectVirtualFolder.h"
#include "ResourceFileItem.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <sys/stat.h>

namespace {

BOOL IsFile(const char* pszPath)
{
    struct stat st;
    return ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

CProjectFileItem* AsFileItem(CTreeItem* pNode)
{
    return pNode && pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)) ? static_cast<CProjectFileItem*>(pNode)
                                                                          : nullptr;
}

} // namespace

BOOL CProjectTreeCommands::OnCommand(UINT nID, CTreeItem* pSelected)
{
    CProject& project = m_doc.GetProject();
    CProjectFileItem* pFile = AsFileItem(pSelected);
    switch (nID) {
    case ID_PROJECT_DELETE_FILE:
        return pFile && project.RemoveFileItem(pFile, FALSE);
    case ID_PROJECT_MAIN_CLASS:
        return pFile && project.ToggleMainClass(pFile);
    case ID_PROJECT_MAIN_HTML:
        return pFile && project.ToggleMainHtml(pFile);
    case ID_PROJECT_BROWSE: {
        if (!pFile)
            return FALSE;
        CString strBrowser = m_doc.GetHost().GetSettings().m_strBrowserPath;
        if (strBrowser.IsEmpty()) {
            AfxMessageBox("Please select browser path under options directories to browse this file !!!",
                          MB_ICONEXCLAMATION);
            return FALSE;
        }
        m_doc.GetHost().BrowseFile(strBrowser, pFile->GetPathName());
        return TRUE;
    }
    case ID_PROJECT_COMPILE:
        if (!pFile)
            return FALSE;
        if (!m_doc.GetHost().SaveDocumentIfModified(pFile->GetPathName()))
            return FALSE;
        m_doc.GetHost().CompileFile(pFile->GetPathName());
        return TRUE;
    case ID_PROJECT_PARSE:
        return pFile && project.ParseFile(pFile->GetPathName(), TRUE);
    case ID_PROJECT_CLOSE_NODE:
        return m_doc.CloseProject();
    case ID_PROJECT_OPEN_NODE:
        if (!pSelected || !pSelected->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolder)))
            return FALSE;
        return m_doc.OpenProjectFile(pSelected->GetPathName());
    case ID_PROJECT_DELETE_PROJECT:
        if (!pSelected || !pSelected->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolder)))
            return FALSE;
        return m_doc.DeleteProjectNode(static_cast<CProjectFolder*>(pSelected));
    case ID_PROJECT_ADD_FOLDER:
        return pSelected && pSelected->IsFolder() &&
               project.AddFolder(static_cast<CTreeFolder*>(pSelected)) != nullptr;
    case ID_PROJECT_DELETE_FOLDER:
        if (!pSelected || !pSelected->IsKindOf(MOSK_RUNTIME_CLASS(CProjectVirtualFolder)))
            return FALSE;
        return project.DeleteFolder(static_cast<CProjectVirtualFolder*>(pSelected));
    case ID_PROJECT_ADD_FILE:
        return AddFiles(pSelected) > 0;
    case ID_PROJECT_ADD_PROJECT:
        return AddProject();
    default:
        return FALSE;
    }
}

BOOL CProjectTreeCommands::GenericDelete(CTreeItem* pSelected)
{
    if (!pSelected || !pSelected->CanDelete())
        return FALSE;
    return pSelected->DeleteFromProject();
}

BOOL CProjectTreeCommands::OnDoubleClick(CTreeItem* pSelected)
{
    if (!pSelected)
        return FALSE;
    switch (pSelected->GetDoubleClickAction()) {
    case TREE_DBLCLK_OPEN_DOCUMENT: {
        CString strPath = pSelected->GetPathName();
        if (CPathName(strPath).HasExtension(".mosk"))
            return m_doc.OpenProjectFile(strPath);
        m_doc.GetHost().OpenDocument(strPath);
        return TRUE;
    }
    case TREE_DBLCLK_OPEN_PROJECT:
        return m_doc.OpenProjectFile(pSelected->GetPathName());
    case TREE_DBLCLK_EDIT_RESOURCE:
        m_doc.GetHost().EditResource(pSelected->GetPathName());
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CProjectTreeCommands::OnLabelEdited(CTreeItem* pSelected, const char* pszText)
{
    if (!pSelected || !pszText)
        return FALSE;
    // A resource's design is named after its file and follows it.
    if (pSelected->IsKindOf(MOSK_RUNTIME_CLASS(CResourceFileItem)))
        return CGuiBuilderResources::RenameResourceItem(m_doc.GetProject(), AsFileItem(pSelected), pszText);
    if (CProjectFileItem* pFile = AsFileItem(pSelected))
        return m_doc.GetProject().RenameFileItem(pFile, pszText);
    if (pSelected->IsKindOf(MOSK_RUNTIME_CLASS(CProjectVirtualFolder)))
        return m_doc.GetProject().RenameFolder(static_cast<CProjectVirtualFolder*>(pSelected), pszText);
    return FALSE;
}

int CProjectTreeCommands::AddFiles(CTreeItem* pFolder)
{
    CProject& project = m_doc.GetProject();
    if (!pFolder || !pFolder->IsFolder() || !project.Owns(pFolder))
        return 0;
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add File", "java", "Java Files (*.java)|*.java|All Files (*.*)|*.*||",
                                            m_doc.m_strLastFolder, OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, paths))
        return 0;
    int nAdded = 0;
    for (int i = 0; i < paths.GetSize(); ++i) {
        m_doc.m_strLastFolder = CPathName(paths[i]).GetDriveFolder();
        if (IsFile(paths[i]) && project.AddFile(paths[i], static_cast<CTreeFolder*>(pFolder)))
            ++nAdded;
    }
    return nAdded;
}

BOOL CProjectTreeCommands::AddProject()
{
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add Project", "mosk", "Mosk Files (*.mosk)|*.mosk|All Files (*.*)|*.*||",
                                            "", OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, paths) ||
        paths.IsEmpty() || !IsFile(paths[0]))
        return FALSE;
    return m_doc.AddProjectNode(paths[0]);
}
