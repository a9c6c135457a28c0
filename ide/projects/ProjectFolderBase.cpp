#include "ProjectFolderBase.h"

MOSK_IMPLEMENT_SERIAL(CProjectFolderBase, CTreeFolder, 1)

void CProjectFolderBase::SetProject(CProject* pProject)
{
    m_pProject = pProject;
    for (CTreeItem* pChild : m_children)
        pChild->SetProject(pProject);
}
