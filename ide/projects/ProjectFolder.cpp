#include "ProjectFolder.h"

#include "Archive.h"
#include "PathName.h"
#include "ProjectDoc.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"
#include "ProjectRootFolder.h"

MOSK_IMPLEMENT_SERIAL(CProjectFolder, CProjectFolderBase, 1)

void CProjectFolder::Serialize(CArchive& ar)
{
    CProjectFolderBase::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_strPath;
    } else {
        ar >> m_strPath;
        m_strPath = CPathName::ToSlashes(m_strPath);
    }
}

void CProjectFolder::DumpTo(CString& strOut, int nIndent) const
{
    CString strMore = " path=\"" + m_strPath + "\"";
    if (m_bLoaded)
        strMore += " loaded";
    if (m_bCurrent)
        strMore += " current";
    DumpHead(strOut, nIndent, strMore);
    DumpChildren(strOut, nIndent + 2);
}

BOOL CProjectFolder::DeleteFromProject()
{
    CProjectRootFolder* pRoot = GetRoot();
    if (!pRoot || !pRoot->m_pDoc)
        return FALSE;
    return pRoot->m_pDoc->DeleteProjectNode(this);
}

int CProjectFolder::GetContextMenu() const
{
    return m_bCurrent ? SUBMENU_OPEN_PROJECT : SUBMENU_PROJECT;
}

int CProjectFolder::GetDoubleClickAction() const
{
    return m_bCurrent ? TREE_DBLCLK_EXPAND : TREE_DBLCLK_OPEN_PROJECT;
}

int CProjectFolder::GetImage() const
{
    return m_bCurrent ? PROJIMG_OPEN_PROJECT : PROJIMG_PROJECT;
}
