// CProjectView: the Project page of the project window: a tree control over
// the project list's nodes. Each item carries its node; the children of a
// node are inserted when it is first expanded. Under a parsed source the
// groups "Imports", "Classes" and "Interfaces" show the parse result, and
// under a resource file the groups "Dialogs" and "Frames" its designs. The
// context menu is the node's sub-menu of the project menus (with the user
// commands), the Delete key removes the node, a double click opens what
// the node stands for, labels of files and folders can be edited, and class
// items are dragged as project-class tokens. The commands go to the
// project tree commands; what needs the main window goes to the view host.
#pragma once

#include "ProjectClassNode.h"
#include "ProjectViewHost.h"

#include <QTreeWidget>

#include <memory>
#include <set>

class CDragToken;
class CProjectDoc;
class CProjectFileItem;
class CVarContainer;
class QMenu;
class QMimeData;

class CProjectView : public QTreeWidget {
    Q_OBJECT
public:
    // What an item stands for.
    enum EItemKind { KIND_NODE, KIND_GROUP, KIND_CLASS, KIND_IMPORT, KIND_DESIGN };

    explicit CProjectView(QWidget* pParent = nullptr);
    ~CProjectView() override;

    // Shows pDoc's tree (not owned; null shows nothing).
    void SetDocument(CProjectDoc* pDoc);
    CProjectDoc* GetDocument() const { return m_pDoc; }
    // The main window's answers (not owned; null: the defaults).
    void SetViewHost(CProjectViewHost* pHost) { m_pHost = pHost ? pHost : &m_defaultHost; }

    // --- What the project list tells its views.
    // The whole tree again, expanded where the nodes were.
    void RefreshAll();
    // pNode's label and picture, and its children when they are shown.
    void RefreshNode(CTreeItem* pNode);
    // pNode and its subtree are about to be destroyed.
    void NodeDeleted(CTreeItem* pNode);
    // Selects pNode (showing it; the open project's node also expands) and,
    // with bEdit, starts editing its label.
    void SelectNode(CTreeItem* pNode, BOOL bEdit);

    // --- Commands.
    // Runs a context-menu command on the current item; FALSE when it did not apply or did nothing.
    BOOL OnCommand(UINT nID);
    // The context menu of pItem as entries: the node's sub-menu, the user
    // commands, or a class item's commands; empty for items without one.
    std::vector<CProjectViewMenuItem> GetMenuItems(QTreeWidgetItem* pItem) const;
    // The context menu of pItem built with its entries enabled by the host (owned by the caller).
    QMenu* BuildContextMenu(QTreeWidgetItem* pItem);
    // The Delete key on the current item.
    BOOL DeleteCurrent();
    // A double click on pItem (with Control held, a resource's GUI builder runs with its output captured).
    BOOL OpenItem(QTreeWidgetItem* pItem);

    // --- Items and nodes.
    CTreeItem* NodeOf(const QTreeWidgetItem* pItem) const;
    QTreeWidgetItem* ItemOf(const CTreeItem* pNode) const;
    static int KindOf(const QTreeWidgetItem* pItem);
    // The class or interface of a class item in the file's present parse result; null for other items.
    CVarContainer* ClassOf(const QTreeWidgetItem* pItem) const;
    // The file item a group, class, import or design item lies under; null for others.
    CProjectFileItem* FileOf(const QTreeWidgetItem* pItem) const;
    // The node a resource command on pItem works on: the node of a node item,
    // the resource item above a design group or design.
    CTreeItem* ResourceTargetOf(const QTreeWidgetItem* pItem) const;
    // The name of the design a design item shows.
    static CString DesignNameOf(const QTreeWidgetItem* pItem);
    CTreeItem* GetSelectedNode() const { return NodeOf(currentItem()); }
    // The picture kind (EProjectImage) an item shows.
    static int ImageOf(const QTreeWidgetItem* pItem);
    // The drag data of pItem: for a class item the text of a new project-class
    // token, which pToken then owns (it must live until the drop is over);
    // null for other items.
    QMimeData* CreateDragData(const QTreeWidgetItem* pItem, std::unique_ptr<CDragToken>& pToken) const;
    BOOL IsSorted(const CTreeItem* pNode) const { return m_sorted.count(pNode) != 0; }
    // The shown items, one per line, indented by level: text, picture kind,
    // "+" for an item whose children are not inserted yet.
    CString Dump() const;

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void startDrag(Qt::DropActions supportedActions) override;
    // Remembers the label an edit starts from.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent) override;

private:
    CProjectClassNode ClassNodeOf(const QTreeWidgetItem* pItem) const;
    QTreeWidgetItem* InsertNode(QTreeWidgetItem* pParent, CTreeItem* pNode);
    void UpdateItem(QTreeWidgetItem* pItem, CTreeItem* pNode);
    // Inserts the children of pItem once.
    void Populate(QTreeWidgetItem* pItem);
    void InsertGroups(QTreeWidgetItem* pItem, CProjectFileItem* pFile);
    // The "Dialogs" and "Frames" groups of a resource file, read from the file.
    void InsertDesigns(QTreeWidgetItem* pItem, CProjectFileItem* pFile);
    // A design item's label was edited: the design is renamed in its file.
    void OnDesignEdited(QTreeWidgetItem* pItem);
    // Removes the child items of pItem (their nodes forget them).
    void RemoveChildItems(QTreeWidgetItem* pItem);
    // Expands what the nodes say was expanded, below pItem.
    void RestoreExpansion(QTreeWidgetItem* pItem);
    static void ForgetItems(CTreeItem* pNode, BOOL bSelf);
    void ForgetSorted(const CTreeItem* pNode);
    void OnItemChanged(QTreeWidgetItem* pItem, int nColumn);
    void OnItemExpanded(QTreeWidgetItem* pItem);
    void OnItemCollapsed(QTreeWidgetItem* pItem);

    CProjectDoc* m_pDoc = nullptr;
    CProjectViewHost m_defaultHost;
    CProjectViewHost* m_pHost = &m_defaultHost;
    std::set<const CTreeItem*> m_sorted;   // folders shown in alphabetical order
    QString m_strEditStart;                // the label when the latest edit began
    int m_nUpdating = 0;                   // item changes made here, not by the user's editing
};
