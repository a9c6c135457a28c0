#include "ResourceCommands.h"

#include "GuiBuilderResources.h"
#include "Project.h"
#include "ProjectFolder.h"
#include "ProjectMenu.h"
#include "ProjectVirtualFolder.h"
#include "ResourceFileItem.h"

namespace {

enum ETarget { TARGET_NONE, TARGET_PROJECT, TARGET_FOLDER, TARGET_PROJECT_OR_FOLDER, TARGET_RESOURCE };

ETarget TargetOf(UINT nID)
{
    switch (nID) {
    case ID_RESOURCE_ADD_DIALOG:
    case ID_RESOURCE_ADD_FRAME:
        return TARGET_PROJECT;
    case ID_RESOURCE_FOLDER_ADD_DIALOG:
    case ID_RESOURCE_FOLDER_ADD_FRAME:
        return TARGET_FOLDER;
    case ID_RESOURCE_PASTE:
        return TARGET_PROJECT_OR_FOLDER;
    case ID_RESOURCE_GROUP_ADD_DIALOG:
    case ID_RESOURCE_GROUP_ADD_FRAME:
    case ID_RESOURCE_DELETE_DIALOG:
    case ID_RESOURCE_DELETE_FRAME:
    case ID_RESOURCE_DELETE:
    case ID_RESOURCE_RENAME_DIALOG:
    case ID_RESOURCE_RENAME_FRAME:
    case ID_RESOURCE_RENAME:
    case ID_RESOURCE_MAKE_COPY:
    case ID_RESOURCE_COPY:
        return TARGET_RESOURCE;
    default:
        return TARGET_NONE;
    }
}

BOOL IsProjectNode(const CProject& project, const CTreeItem* pNode)
{
    return pNode && project.IsOpen() && pNode == project.GetNode();
}

BOOL IsFolder(const CProject& project, const CTreeItem* pNode)
{
    return pNode && pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectVirtualFolder)) && project.Owns(pNode);
}

} // namespace

BOOL CResourceCommands::IsRename(UINT nID)
{
    return nID == ID_RESOURCE_RENAME_DIALOG || nID == ID_RESOURCE_RENAME_FRAME || nID == ID_RESOURCE_RENAME;
}

BOOL CResourceCommands::AppliesTo(UINT nID, const CProject& project, const CTreeItem* pNode)
{
    switch (TargetOf(nID)) {
    case TARGET_PROJECT:
        return IsProjectNode(project, pNode);
    case TARGET_FOLDER:
        return IsFolder(project, pNode);
    case TARGET_PROJECT_OR_FOLDER:
        return IsProjectNode(project, pNode) || IsFolder(project, pNode);
    case TARGET_RESOURCE:
        return pNode && pNode->IsKindOf(MOSK_RUNTIME_CLASS(CResourceFileItem)) && project.Owns(pNode);
    default:
        return FALSE;
    }
}

BOOL CResourceCommands::OnCommand(UINT nID, CProject& project, CTreeItem* pNode)
{
    if (!AppliesTo(nID, project, pNode) || IsRename(nID))
        return FALSE;
    auto* pResource = dynamic_cast<CResourceFileItem*>(pNode);
    switch (nID) {
    case ID_RESOURCE_ADD_DIALOG:
    case ID_RESOURCE_FOLDER_ADD_DIALOG:
        return CGuiBuilderResources::NewResource(project, static_cast<CTreeFolder*>(pNode), FALSE);
    case ID_RESOURCE_ADD_FRAME:
    case ID_RESOURCE_FOLDER_ADD_FRAME:
        return CGuiBuilderResources::NewResource(project, static_cast<CTreeFolder*>(pNode), TRUE);
    case ID_RESOURCE_GROUP_ADD_DIALOG:
        return CGuiBuilderResources::NewResource(project, pResource->GetParent(), FALSE);
    case ID_RESOURCE_GROUP_ADD_FRAME:
        return CGuiBuilderResources::NewResource(project, pResource->GetParent(), TRUE);
    case ID_RESOURCE_DELETE_DIALOG:
    case ID_RESOURCE_DELETE_FRAME:
    case ID_RESOURCE_DELETE:
        return project.RemoveFileItem(pResource, FALSE);
    case ID_RESOURCE_MAKE_COPY:
        return CGuiBuilderResources::MakeCopy(pResource->GetPathName(), project, pResource->GetParent());
    case ID_RESOURCE_COPY:
        return CGuiBuilderResources::CopyToClipboard(pResource->GetPathName(),
                                                     pResource->GetResourceKind() == RESOURCE_FRAME);
    case ID_RESOURCE_PASTE:
        return CGuiBuilderResources::Paste(project, static_cast<CTreeFolder*>(pNode));
    default:
        return FALSE;
    }
}
