// CProjectVirtualFolder: a folder the user made inside a project to group
// files and folders; it has no directory on disk.
#pragma once

#include "ProjectFolderBase.h"

class CProjectVirtualFolder : public CProjectFolderBase {
    MOSK_DECLARE_SERIAL(CProjectVirtualFolder)
public:
    CProjectVirtualFolder() : CProjectFolderBase("Folder") {}
    explicit CProjectVirtualFolder(const char* pszLabel) : CProjectFolderBase(pszLabel) {}

    // Only inside the open project.
    BOOL CanDelete() const override;
    // Removes the folder and every file under it from the project.
    BOOL DeleteFromProject() override;
    int GetContextMenu() const override;
    int GetImage() const override;
};
