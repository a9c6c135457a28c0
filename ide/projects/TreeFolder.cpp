#include "TreeFolder.h"

#include "Archive.h"

#include <algorithm>
#include <cassert>

MOSK_IMPLEMENT_SERIAL(CTreeFolder, CTreeItem, 1)

namespace {

// The least bytes one child record takes: a DWORD tag and a WORD object tag.
constexpr size_t MIN_CHILD_RECORD = 6;

} // namespace

CTreeFolder::~CTreeFolder()
{
    DeleteChildren();
}

void CTreeFolder::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_children.size());
    } else {
        DWORD nCount;
        ar >> nCount;
        ar.CheckCount(nCount, MIN_CHILD_RECORD);
        m_nPending = nCount;
    }
    CTreeItem::Serialize(ar);
}

void CTreeFolder::DumpHead(CString& strOut, int nIndent, const CString& strMore) const
{
    DumpIndent(strOut, nIndent);
    strOut += GetRuntimeClass()->m_lpszClassName;
    strOut += " \"" + m_strLabel + "\"" + strMore;
    if (m_nPending > 0) {
        CString str;
        str.Format(" pending=%u", m_nPending);
        strOut += str;
    }
    strOut += '\n';
}

void CTreeFolder::DumpTo(CString& strOut, int nIndent) const
{
    DumpHead(strOut, nIndent, CString());
    DumpChildren(strOut, nIndent + 2);
}

void CTreeFolder::DumpChildren(CString& strOut, int nIndent) const
{
    for (const CTreeItem* pChild : m_children)
        pChild->DumpTo(strOut, nIndent);
}

BOOL CTreeFolder::AddChild(CTreeItem* pChild, BOOL)
{
    assert(pChild && !pChild->m_pParent && pChild != this);
    m_children.push_back(pChild);
    pChild->m_pParent = this;
    // Nodes under a project belong to it; project nodes under the root keep their own.
    if (CProject* pProject = GetProject())
        pChild->SetProject(pProject);
    return TRUE;
}

BOOL CTreeFolder::RemoveChild(CTreeItem* pChild)
{
    auto it = std::find(m_children.begin(), m_children.end(), pChild);
    if (it == m_children.end())
        return FALSE;
    m_children.erase(it);
    pChild->m_pParent = nullptr;
    return TRUE;
}

CTreeItem* CTreeFolder::GetChild(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < GetChildCount());
    return m_children[static_cast<size_t>(nIndex)];
}

void CTreeFolder::DeleteChildren()
{
    std::vector<CTreeItem*> children;
    children.swap(m_children);
    for (CTreeItem* pChild : children)
        delete pChild;
}

std::vector<CTreeItem*> CTreeFolder::GetSortedChildren() const
{
    std::vector<CTreeItem*> sorted = m_children;
    std::stable_sort(sorted.begin(), sorted.end(), [](const CTreeItem* a, const CTreeItem* b) {
        return a->GetShownLabel().CompareNoCase(b->GetShownLabel()) < 0;
    });
    return sorted;
}

void CTreeFolder::CollectFiles(std::vector<CTreeItem*>& files) const
{
    for (CTreeItem* pChild : m_children) {
        if (pChild->IsFolder())
            static_cast<CTreeFolder*>(pChild)->CollectFiles(files);
        else if (!pChild->GetPathName().IsEmpty())
            files.push_back(pChild);
    }
}
