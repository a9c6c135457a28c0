#include "ProjectRootFolder.h"

#include "ProjectImage.h"
#include "ProjectMenu.h"

MOSK_IMPLEMENT_SERIAL(CProjectRootFolder, CTreeFolder, 1)

int CProjectRootFolder::GetContextMenu() const
{
    return SUBMENU_ROOT;
}

int CProjectRootFolder::GetImage() const
{
    return PROJIMG_ROOT;
}
