// CProjectFolderBase: a folder that belongs to a project and knows it.
#pragma once

#include "TreeFolder.h"

class CProjectFolderBase : public CTreeFolder {
    MOSK_DECLARE_SERIAL(CProjectFolderBase)
public:
    CProjectFolderBase() = default;
    explicit CProjectFolderBase(const char* pszLabel) : CTreeFolder(pszLabel) {}

    CProject* GetProject() const override { return m_pProject; }
    void SetProject(CProject* pProject) override;

protected:
    CProject* m_pProject = nullptr;  // not owned, not stored
};
