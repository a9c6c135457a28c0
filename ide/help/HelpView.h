// CHelpView: the Help page of the project window: the folders, documents
// and links of the help tree. A double click (or Enter) on a document
// shows it in the help window, on a link opens it in the external browser.
// The commands of the Info menu run here: Add Folder, Add File(s), Delete;
// the context menu adds Add URL and Edit URL. Folders and links are renamed
// in place.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <QTreeWidget>
#include <functional>

class CHelpDoc;
class CTreeFolder;
class CTreeItem;
class CURLItem;

class CHelpView : public QTreeWidget {
    Q_OBJECT
public:
    enum EItemKind { ITEM_FOLDER = 1, ITEM_DOCUMENT, ITEM_URL };
    enum : UINT { ID_ADD_FOLDER = 32909, ID_ADD_FILES = 32781, ID_DELETE = 32772 };

    // doc (not owned) must outlive the view.
    explicit CHelpView(CHelpDoc& doc, QWidget* pParent = nullptr);

    // Shows the tree again: every folder and item, the root expanded.
    void Refresh();
    // The menu commands; FALSE when nothing was done.
    BOOL OnAddFolder();
    BOOL OnAddFiles();
    BOOL OnAddURL();
    BOOL OnEditURL();
    BOOL OnDelete();
    BOOL Execute(UINT nId);
    // Opens the node of pItem: a document in the help window (a ".hlp" file
    // with the desktop's opener), a link in the external browser. FALSE when nothing opened.
    BOOL OpenItem(QTreeWidgetItem* pItem);
    // The item showing pNode; null if none.
    QTreeWidgetItem* ItemOf(const CTreeItem* pNode) const;

    static int KindOf(QTreeWidgetItem* pItem);
    // The tree node an item shows; null for none.
    static CTreeItem* NodeOf(QTreeWidgetItem* pItem);

    // Shows a document's address in the help window; TRUE when shown. The main window sets it.
    std::function<BOOL(const CString& strAddress)> m_fnShowAddress;
    // The external browser of the directory settings (empty: none set).
    std::function<CString()> m_fnBrowserPath;
    // Asks for a link's URL text, starting from strURL; FALSE when
    // cancelled (default: an input dialog); tests replace it.
    std::function<BOOL(CString& strURL)> m_fnAskURL;
    // Called before every command so that the page can be brought to the front.
    std::function<void()> m_fnShowPage;

protected:
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void AddFolderItems(QTreeWidgetItem* pParent, CTreeFolder* pFolder);
    QTreeWidgetItem* AddItem(QTreeWidgetItem* pParent, CTreeItem* pNode);
    // The new node's item shown, selected and (bEdit) put into label editing.
    void ShowNew(CTreeItem* pNode, bool bEdit);
    // The selected folder, or the folder of the selected item; null without a selection.
    CTreeFolder* TargetFolder() const;
    BOOL OpenExternal(const char* pszBrowser, const CString& strAddress);

    CHelpDoc& m_doc;
    bool m_bFilling = false;   // Refresh is making items: their changes are not renames
};
