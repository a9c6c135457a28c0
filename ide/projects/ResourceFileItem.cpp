#include "ResourceFileItem.h"

#include "ArchiveFile.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"

#include <string>

MOSK_IMPLEMENT_SERIAL(CResourceFileItem, CProjectFileItem, VERSIONABLE_SCHEMA | 2)

int CResourceFileItem::GetContextMenu() const
{
    if (!CanDelete())
        return SUBMENU_OTHER_FILE;
    switch (GetResourceKind()) {
    case RESOURCE_DIALOG:
        return SUBMENU_RESOURCE_DIALOG;
    case RESOURCE_FRAME:
        return SUBMENU_RESOURCE_FRAME;
    default:
        return SUBMENU_RESOURCE;
    }
}

int CResourceFileItem::GetDoubleClickAction() const
{
    return TREE_DBLCLK_EDIT_RESOURCE;
}

int CResourceFileItem::GetImage() const
{
    return GetResourceKind() == RESOURCE_FRAME ? PROJIMG_RES_FRAME : PROJIMG_RES_DIALOG;
}

int CResourceFileItem::GetResourceKind() const
{
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(m_strLabel, strData, strError))
        return RESOURCE_NONE;
    size_t nDialog = strData.find("Begin Dialog");
    size_t nFrame = strData.find("Begin Frame");
    if (nDialog == std::string::npos && nFrame == std::string::npos)
        return RESOURCE_NONE;
    return nFrame < nDialog ? RESOURCE_FRAME : RESOURCE_DIALOG;
}
