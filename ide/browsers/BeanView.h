// CBeanView: the Beans page of the project window: the folders and beans of
// the bean index; a bean expands into "Properties", "Events" (only with
// listener interfaces) and "Methods", a listener into its events. A double
// click on a property shows its accessors. The commands of the Beans menu
// run here.
#pragma once

#include "WinTypes.h"

#include <QTreeWidget>
#include <functional>

class CBeanDoc;
class CTreeFolder;
class CTreeItem;
class CVarObject;

class CBeanView : public QTreeWidget {
    Q_OBJECT
public:
    enum EItemKind { ITEM_FOLDER = 1, ITEM_BEAN, ITEM_PROPERTIES, ITEM_EVENTS, ITEM_METHODS, ITEM_MEMBER };
    enum : UINT { ID_ADD_FOLDER = 32957, ID_ADD_BEAN = 32954, ID_DELETE = 32956 };

    // doc (not owned) must outlive the view.
    explicit CBeanView(CBeanDoc& doc, QWidget* pParent = nullptr);

    // Shows the index again: folders and beans, the root expanded.
    void Refresh();
    // The menu commands; FALSE when nothing was done.
    BOOL OnAddFolder();
    BOOL OnAddBean();
    BOOL OnDelete();
    BOOL Execute(UINT nId);
    // The item showing pNode (a folder or bean of the index); null if none.
    QTreeWidgetItem* ItemOf(const CTreeItem* pNode) const;

    static int KindOf(QTreeWidgetItem* pItem);
    // The index node of a folder or bean item; null for others.
    static CTreeItem* NodeOf(QTreeWidgetItem* pItem);
    // The model object of a member item; null for others.
    static CVarObject* ObjectOf(QTreeWidgetItem* pItem);

    // Shows the property dialog (default: modal CBeanPropDialog); tests replace it.
    std::function<void(QTreeWidgetItem* pItem)> m_fnShowProperty;
    // Called before every command so that the page can be brought to the front.
    std::function<void()> m_fnShowPage;

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;

private:
    void AddFolderItems(QTreeWidgetItem* pParent, CTreeFolder* pFolder);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* pParent, const QString& strText, int nKind, void* pData, bool bLazy);
    void Populate(QTreeWidgetItem* pItem);
    void OnDoubleClicked(QTreeWidgetItem* pItem);
    CTreeFolder* SelectedFolder() const;

    CBeanDoc& m_doc;
};
