#include "ProjectVirtualFolder.h"

#include "Project.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"

MOSK_IMPLEMENT_SERIAL(CProjectVirtualFolder, CProjectFolderBase, 1)

BOOL CProjectVirtualFolder::CanDelete() const
{
    return m_pProject && m_pProject->Owns(this);
}

BOOL CProjectVirtualFolder::DeleteFromProject()
{
    return CanDelete() && m_pProject->DeleteFolder(this);
}

int CProjectVirtualFolder::GetContextMenu() const
{
    return SUBMENU_FOLDER;
}

int CProjectVirtualFolder::GetImage() const
{
    return PROJIMG_FOLDER;
}
