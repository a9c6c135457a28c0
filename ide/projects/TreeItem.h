// CTreeItem: a node of the project tree: the root, a project, a folder or a
// file. Every node is an archived object (schema 1); the node operations
// are virtual and answer for the node's kind.
#pragma once

#include "Object.h"

class CProject;
class CProjectFolder;
class CProjectRootFolder;
class CTreeFolder;

// What a double click on a node does.
enum ETreeDoubleClick {
    TREE_DBLCLK_NONE,
    TREE_DBLCLK_EXPAND,         // folders: expand or collapse
    TREE_DBLCLK_OPEN_DOCUMENT,  // files: the application's open-file path (".mosk" opens as a project)
    TREE_DBLCLK_OPEN_PROJECT,   // listed projects: open the project
    TREE_DBLCLK_EDIT_RESOURCE   // resource files: the GUI builder
};

class CTreeItem : public CObject {
    MOSK_DECLARE_SERIAL(CTreeItem)
public:
    CTreeItem() = default;
    explicit CTreeItem(const char* pszLabel) : m_strLabel(pszLabel) {}
    CTreeItem(const CTreeItem&) = delete;
    CTreeItem& operator=(const CTreeItem&) = delete;

    // Stored: the label.
    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    // Appends pChild (which it then owns); FALSE, and pChild not taken, for
    // nodes that hold no children. bInsert: the view shows it at once.
    virtual BOOL AddChild(CTreeItem* pChild, BOOL bInsert);
    // Detaches pChild (the caller owns it again); FALSE when not a child.
    virtual BOOL RemoveChild(CTreeItem* pChild);
    // TRUE when the generic delete may remove this node.
    virtual BOOL CanDelete() const { return FALSE; }
    // Removes the node from its project or list; the node may be destroyed
    // (do not use it after TRUE). FALSE when nothing happened.
    virtual BOOL DeleteFromProject() { return FALSE; }
    // Full path of the file or project file the node stands for; empty for others.
    virtual CString GetPathName() const { return CString(); }
    virtual BOOL IsFolder() const { return FALSE; }
    // The text the tree shows.
    virtual CString GetShownLabel() const { return m_strLabel; }
    // Sub-menu of the context menu resource for this node, -1 for none.
    virtual int GetContextMenu() const { return -1; }
    // One of ETreeDoubleClick.
    virtual int GetDoubleClickAction() const { return TREE_DBLCLK_NONE; }
    // One of EProjectImage.
    virtual int GetImage() const;
    // TRUE when the node shows an expand button before it is populated.
    virtual BOOL HasExpandButton() const { return FALSE; }
    // Fills the node's children when it is first expanded.
    virtual void Populate() { m_bPopulated = TRUE; }
    // The project the node belongs to (set when it is added under a project); null if none.
    virtual CProject* GetProject() const { return nullptr; }
    // Gives the node (and its subtree) pProject.
    virtual void SetProject(CProject* pProject) {}

    // The folder holding this node; null for a node not in a tree.
    CTreeFolder* GetParent() const { return m_pParent; }
    // The project node this node lies under, or the node itself when it is one; null if none.
    CProjectFolder* GetProjectFolder() const;
    // The root above this node; null when the node is not under one.
    CProjectRootFolder* GetRoot() const;

    CString m_strLabel;         // folders: the shown name; files: the full path
    void* m_hItem = nullptr;    // the view's item once inserted
    BOOL m_bExpanded = FALSE;
    BOOL m_bPopulated = FALSE;

protected:
    friend class CTreeFolder;
    CTreeFolder* m_pParent = nullptr;
};
