// CPackageView: the Packages page of the project window. The tree has the
// root "Packages", one item per package of the index with the folders
// "Classes" and "Interfaces", the classes and interfaces under those and
// their members below; every level is filled when it is first expanded.
// The root and package items show a closed folder that opens when
// expanded. Classes, interfaces and methods are dragged onto source views
// as drag tokens. The commands of the Packages menu and of the item
// context menus run here. A double click on a class, interface or member
// opens the class's source from the JDK source folder at its declaration.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <QTreeWidget>
#include <functional>

class CPkgDoc;
class CVarContainer;
class CVarObject;

class CPackageView : public QTreeWidget {
    Q_OBJECT
public:
    // What an item stands for (its Qt::UserRole value).
    enum EItemKind { ITEM_ROOT = 1, ITEM_PACKAGE, ITEM_CLASSES, ITEM_INTERFACES, ITEM_CLASS, ITEM_INTERFACE, ITEM_MEMBER };
    // Command numbers of the menus.
    enum : UINT {
        ID_ADD_UPDATE = 32894, ID_ADD_CLASS = 32895, ID_DELETE = 32899, ID_FIND_CLASS = 32896,
        ID_FIND_INTERFACE = 32897, ID_CLASS_FIRST = 49101, ID_CLASS_LAST = 49200, ID_INTERFACE_FIRST = 49201,
        ID_INTERFACE_LAST = 49300
    };

    // doc (not owned) must outlive the view.
    explicit CPackageView(CPkgDoc& doc, QWidget* pParent = nullptr);
    ~CPackageView() override;

    // Shows the index again: the root and its packages, nothing expanded below.
    void Refresh();
    // Find: the first package in tree order holding the class (bInterface:
    // the interface) pszName; its package and folder are expanded and the
    // item selected. FALSE when none holds it.
    BOOL FindType(const char* pszName, BOOL bInterface);
    // The editor's look-up of a word: as a class, then as an interface.
    BOOL LookUp(const char* pszWord);

    // The menu commands; FALSE when nothing was done.
    BOOL OnAddUpdate();
    BOOL OnAddClass();
    BOOL OnDelete();
    BOOL OnFindClass() { return OnFind(FALSE); }
    BOOL OnFindInterface() { return OnFind(TRUE); }
    // A command of a menu by number (the submenus' numbers included).
    BOOL Execute(UINT nId);

    // The context menu's entries for an item: (number, text) pairs, 0 for a
    // separator; the submenus' entries have texts "Classes/NAME" and "Interfaces/NAME".
    std::vector<std::pair<UINT, QString>> GetMenuEntries(QTreeWidgetItem* pItem) const;

    // Asks the name for Find (default: an input dialog titled pszTitle); empty when cancelled.
    std::function<QString(const QString& strTitle)> m_fnAskName;
    // Called before every command so that the page can be brought to the front.
    std::function<void()> m_fnShowPage;
    // The folder the sources of the index's classes are looked for in (null: none).
    std::function<CString()> m_fnSourceFolder;
    // Opens a source at a 1-based line; FALSE when it could not (null: nothing opens).
    std::function<BOOL(const CString& strPath, int nLine)> m_fnOpenSource;

    // A double click on pItem: a class, interface or member opens its
    // source; an item without one expands or collapses. TRUE when a source opened.
    BOOL OpenItem(QTreeWidgetItem* pItem);

    // The item's object (package items: null), and its kind.
    static CVarObject* ObjectOf(QTreeWidgetItem* pItem);
    static int KindOf(QTreeWidgetItem* pItem);
    // TRUE while a drag begun here runs.
    static BOOL IsDragging();

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;

private:
    BOOL OnFind(BOOL bInterface);
    // Fills an item's children the first time it is expanded.
    void Populate(QTreeWidgetItem* pItem);
    void OnExpanded(QTreeWidgetItem* pItem);
    void OnCollapsed(QTreeWidgetItem* pItem);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* pParent, const QString& strText, int nKind, void* pData, bool bLazy);
    void AddMembers(QTreeWidgetItem* pParent, CVarContainer* pContainer);
    // The names the class and interface submenus list for an item.
    void SubmenuNames(QTreeWidgetItem* pItem, std::vector<QString>& classes, std::vector<QString>& interfaces) const;

    CPkgDoc& m_doc;
    QTreeWidgetItem* m_pRoot = nullptr;
    std::vector<QString> m_menuClasses, m_menuInterfaces;  // names behind the submenu numbers
};
