#include "TreeItem.h"

#include "Archive.h"
#include "ProjectFolder.h"
#include "ProjectImage.h"
#include "ProjectRootFolder.h"

MOSK_IMPLEMENT_SERIAL(CTreeItem, CObject, 1)

void CTreeItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strLabel;
    else
        ar >> m_strLabel;
}

void CTreeItem::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += GetRuntimeClass()->m_lpszClassName;
    strOut += " \"" + m_strLabel + "\"\n";
}

BOOL CTreeItem::AddChild(CTreeItem*, BOOL)
{
    return FALSE;
}

BOOL CTreeItem::RemoveChild(CTreeItem*)
{
    return FALSE;
}

int CTreeItem::GetImage() const
{
    return PROJIMG_NONE;
}

CProjectFolder* CTreeItem::GetProjectFolder() const
{
    for (const CTreeItem* p = this; p; p = p->m_pParent)
        if (p->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolder)))
            return const_cast<CProjectFolder*>(static_cast<const CProjectFolder*>(p));
    return nullptr;
}

CProjectRootFolder* CTreeItem::GetRoot() const
{
    for (const CTreeItem* p = this; p; p = p->m_pParent)
        if (p->IsKindOf(MOSK_RUNTIME_CLASS(CProjectRootFolder)))
            return const_cast<CProjectRootFolder*>(static_cast<const CProjectRootFolder*>(p));
    return nullptr;
}
