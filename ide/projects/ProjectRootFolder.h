// CProjectRootFolder: the root of the project tree, "Mosk Projects"; its
// children are the listed projects. Knows the project list it belongs to.
#pragma once

#include "TreeFolder.h"

class CProjectDoc;

class CProjectRootFolder : public CTreeFolder {
    MOSK_DECLARE_SERIAL(CProjectRootFolder)
public:
    CProjectRootFolder() = default;
    explicit CProjectRootFolder(const char* pszLabel) : CTreeFolder(pszLabel) {}

    int GetContextMenu() const override;
    int GetImage() const override;

    CProjectDoc* m_pDoc = nullptr;  // the project list (not owned, not stored)
};
