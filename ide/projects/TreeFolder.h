// CTreeFolder: a tree node with an ordered list of children, which it owns.
// Stored: the child count, then the label. While a file is read the stored
// count is kept as the number of children still to be read.
#pragma once

#include "TreeItem.h"

#include <vector>

class CTreeFolder : public CTreeItem {
    MOSK_DECLARE_SERIAL(CTreeFolder)
public:
    CTreeFolder() = default;
    explicit CTreeFolder(const char* pszLabel) : CTreeItem(pszLabel) {}
    ~CTreeFolder() override;

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    BOOL AddChild(CTreeItem* pChild, BOOL bInsert) override;
    BOOL RemoveChild(CTreeItem* pChild) override;
    BOOL IsFolder() const override { return TRUE; }
    int GetDoubleClickAction() const override { return TREE_DBLCLK_EXPAND; }

    int GetChildCount() const { return static_cast<int>(m_children.size()); }
    // Child nIndex, 0 <= nIndex < GetChildCount().
    CTreeItem* GetChild(int nIndex) const;
    // Destroys every child.
    void DeleteChildren();
    // The children ordered by label without regard to case, for the
    // alphabetical display; the stored order is not changed.
    std::vector<CTreeItem*> GetSortedChildren() const;
    // Every file node of the subtree, depth first in stored order.
    void CollectFiles(std::vector<CTreeItem*>& files) const;

    DWORD m_nPending = 0;  // children still to be read

protected:
    // The children's dumps at nIndent.
    void DumpChildren(CString& strOut, int nIndent) const;
    // The first line of the dump: class, label and what follows on the line.
    void DumpHead(CString& strOut, int nIndent, const CString& strMore) const;

    std::vector<CTreeItem*> m_children;
};
