#include "HelpView.h"

#include "ExternalBrowser.h"
#include "HTMLItem.h"
#include "HelpDoc.h"
#include "StringArray.h"
#include "TreeFolder.h"
#include "URLItem.h"
#include "UserInterface.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>

namespace {

constexpr int ROLE_KIND = Qt::UserRole;
constexpr int ROLE_NODE = Qt::UserRole + 1;

QString Text(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }
CString FromText(const QString& str) { return CString(str.toUtf8().toStdString()); }

const char* const s_addFilter = "HTML Files (*.html;*.htm)|*.html;*.htm|"
                                "Java Files (*.java)|*.java|Txt Files (*.txt)|*.txt|"
                                "Help files (*.hlp)|*.hlp|All Files (*.*)|*.*||";

} // namespace

CHelpView::CHelpView(CHelpDoc& doc, QWidget* pParent) : QTreeWidget(pParent), m_doc(doc)
{
    setHeaderHidden(true);
    setAccessibleName(QStringLiteral("Help"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
    connect(this, &QTreeWidget::itemExpanded, this, [](QTreeWidgetItem* pItem) {
        if (KindOf(pItem) == ITEM_FOLDER)
            pItem->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirOpenIcon));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* pItem) {
        if (KindOf(pItem) == ITEM_FOLDER)
            pItem->setIcon(0, QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon));
    });
    // A label edited in place renames the folder or link; an empty one is put back.
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* pItem) {
        CTreeItem* pNode = NodeOf(pItem);
        if (m_bFilling || !pNode)
            return;
        m_doc.Rename(pNode, FromText(pItem->text(0)));
        QString strShown = Text(pNode->GetShownLabel());
        if (pItem->text(0) != strShown) {
            m_bFilling = true;
            pItem->setText(0, strShown);
            m_bFilling = false;
        }
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* pItem) { OpenItem(pItem); });
    m_fnAskURL = [this](CString& strURL) {
        bool bOk = false;
        QString strText = QInputDialog::getText(this, QStringLiteral("URL"), QStringLiteral("&URL:"),
                                                QLineEdit::Normal, Text(strURL), &bOk);
        if (!bOk)
            return FALSE;
        strURL = FromText(strText);
        return TRUE;
    };
    m_doc.SetReloadHandler([this] { Refresh(); });
    Refresh();
}

int CHelpView::KindOf(QTreeWidgetItem* pItem) { return pItem ? pItem->data(0, ROLE_KIND).toInt() : 0; }

CTreeItem* CHelpView::NodeOf(QTreeWidgetItem* pItem)
{
    return pItem ? static_cast<CTreeItem*>(pItem->data(0, ROLE_NODE).value<void*>()) : nullptr;
}

QTreeWidgetItem* CHelpView::AddItem(QTreeWidgetItem* pParent, CTreeItem* pNode)
{
    int nKind = pNode->IsFolder() ? ITEM_FOLDER : dynamic_cast<CURLItem*>(pNode) ? ITEM_URL : ITEM_DOCUMENT;
    auto* pItem = new QTreeWidgetItem(QStringList(Text(pNode->GetShownLabel())));
    pItem->setData(0, ROLE_KIND, nKind);
    pItem->setData(0, ROLE_NODE, QVariant::fromValue(static_cast<void*>(pNode)));
    QStyle* pStyle = QApplication::style();
    switch (nKind) {
    case ITEM_FOLDER:
        pItem->setIcon(0, pStyle->standardIcon(QStyle::SP_DirClosedIcon));
        break;
    case ITEM_URL:
        pItem->setIcon(0, pStyle->standardIcon(QStyle::SP_DriveNetIcon));
        break;
    default:
        pItem->setIcon(0, pStyle->standardIcon(QStyle::SP_FileIcon));
        pItem->setToolTip(0, Text(m_doc.GetAddress(*static_cast<CHTMLItem*>(pNode))));
        break;
    }
    if (nKind == ITEM_URL)
        pItem->setToolTip(0, Text(static_cast<CURLItem*>(pNode)->m_strURL));
    // Documents are named by their paths; folders and links take any name.
    if (nKind != ITEM_DOCUMENT)
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    if (pParent)
        pParent->addChild(pItem);
    else
        addTopLevelItem(pItem);
    return pItem;
}

void CHelpView::AddFolderItems(QTreeWidgetItem* pParent, CTreeFolder* pFolder)
{
    for (int i = 0; i < pFolder->GetChildCount(); i++) {
        CTreeItem* pChild = pFolder->GetChild(i);
        QTreeWidgetItem* pItem = AddItem(pParent, pChild);
        if (pChild->IsFolder())
            AddFolderItems(pItem, static_cast<CTreeFolder*>(pChild));
    }
}

void CHelpView::Refresh()
{
    m_bFilling = true;
    clear();
    QTreeWidgetItem* pRoot = AddItem(nullptr, m_doc.GetRoot());
    AddFolderItems(pRoot, m_doc.GetRoot());
    pRoot->setExpanded(true);
    m_bFilling = false;
}

QTreeWidgetItem* CHelpView::ItemOf(const CTreeItem* pNode) const
{
    for (QTreeWidgetItemIterator it(const_cast<CHelpView*>(this)); *it; ++it)
        if (NodeOf(*it) == pNode)
            return *it;
    return nullptr;
}

CTreeFolder* CHelpView::TargetFolder() const
{
    CTreeItem* pNode = NodeOf(currentItem());
    if (!pNode)
        return nullptr;
    return pNode->IsFolder() ? static_cast<CTreeFolder*>(pNode) : pNode->GetParent();
}

void CHelpView::ShowNew(CTreeItem* pNode, bool bEdit)
{
    QTreeWidgetItem* pParentItem = ItemOf(pNode->GetParent());
    if (!pParentItem)
        return;
    m_bFilling = true;
    QTreeWidgetItem* pItem = AddItem(pParentItem, pNode);
    m_bFilling = false;
    pParentItem->setExpanded(true);
    setCurrentItem(pItem);
    if (bEdit)
        editItem(pItem);
}

BOOL CHelpView::OnAddFolder()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CTreeItem* pNode = NodeOf(currentItem());
    if (!pNode || !pNode->IsFolder())
        return FALSE;
    CTreeFolder* pFolder = m_doc.AddFolder(static_cast<CTreeFolder*>(pNode));
    if (!pFolder)
        return FALSE;
    ShowNew(pFolder, true);
    return TRUE;
}

BOOL CHelpView::OnAddFiles()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CTreeFolder* pFolder = TargetFolder();
    if (!pFolder)
        return FALSE;
    CStringArray arrPaths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add File(s)", "html", s_addFilter, "",
                                            OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY, arrPaths))
        return FALSE;
    CTreeItem* pLast = nullptr;
    for (int i = 0; i < arrPaths.GetSize(); i++)
        if (CHTMLItem* pItem = m_doc.AddFile(pFolder, arrPaths[i])) {
            ShowNew(pItem, false);
            pLast = pItem;
        }
    return pLast != nullptr;
}

BOOL CHelpView::OnAddURL()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CTreeFolder* pFolder = TargetFolder();
    CString strURL;
    if (!pFolder || !m_fnAskURL || !m_fnAskURL(strURL))
        return FALSE;
    strURL.Trim();
    if (strURL.IsEmpty())
        return FALSE;
    CURLItem* pItem = m_doc.AddURL(pFolder, strURL);
    if (!pItem)
        return FALSE;
    ShowNew(pItem, true);
    return TRUE;
}

BOOL CHelpView::OnEditURL()
{
    auto* pLink = dynamic_cast<CURLItem*>(NodeOf(currentItem()));
    CString strURL = pLink ? pLink->m_strURL : CString();
    if (!pLink || !m_fnAskURL || !m_fnAskURL(strURL) || !m_doc.SetURL(pLink, strURL))
        return FALSE;
    currentItem()->setToolTip(0, Text(pLink->m_strURL));
    return TRUE;
}

BOOL CHelpView::OnDelete()
{
    if (m_fnShowPage)
        m_fnShowPage();
    QTreeWidgetItem* pItem = currentItem();
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode || pNode == m_doc.GetRoot())
        return FALSE;
    if (!m_doc.DeleteItem(pNode))
        return FALSE;
    delete pItem;   // the node is gone: so is the item that showed it
    return TRUE;
}

BOOL CHelpView::Execute(UINT nId)
{
    switch (nId) {
    case ID_ADD_FOLDER:
        return OnAddFolder();
    case ID_ADD_FILES:
        return OnAddFiles();
    case ID_DELETE:
        return OnDelete();
    }
    return FALSE;
}

BOOL CHelpView::OpenExternal(const char* pszBrowser, const CString& strAddress)
{
    CString strError;
    if (CExternalBrowser::Open(pszBrowser, strAddress, strError))
        return TRUE;
    CString strProgram = pszBrowser && *pszBrowser ? CString(pszBrowser) : CString(CExternalBrowser::DEFAULT_OPENER);
    AfxMessageBox("Cannot start " + strProgram + " !!!\n" + strError, MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}

BOOL CHelpView::OpenItem(QTreeWidgetItem* pItem)
{
    CTreeItem* pNode = NodeOf(pItem);
    if (auto* pLink = dynamic_cast<CURLItem*>(pNode)) {
        if (pLink->m_strURL.IsEmpty())
            return FALSE;
        CString strBrowser = m_fnBrowserPath ? m_fnBrowserPath() : CString();
        return OpenExternal(strBrowser, pLink->m_strURL);
    }
    auto* pDocument = dynamic_cast<CHTMLItem*>(pNode);
    if (!pDocument)
        return FALSE;
    CString strAddress = m_doc.GetAddress(*pDocument);
    // The help view shows pages and text; a Windows help file goes to the desktop.
    if (pDocument->IsHelpFile())
        return OpenExternal(nullptr, strAddress);
    return m_fnShowAddress && m_fnShowAddress(strAddress);
}

void CHelpView::keyPressEvent(QKeyEvent* pEvent)
{
    if (state() != QAbstractItemView::EditingState) {
        if (pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) {
            if (KindOf(currentItem()) != ITEM_FOLDER) {
                OpenItem(currentItem());
                return;
            }
        } else if (pEvent->key() == Qt::Key_Delete) {
            OnDelete();
            return;
        }
    }
    QTreeWidget::keyPressEvent(pEvent);
}

void CHelpView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (QTreeWidgetItem* pItem = itemAt(pEvent->pos()))
        setCurrentItem(pItem);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Add &Folder"), this, [this] { OnAddFolder(); });
    menu.addAction(QStringLiteral("Add F&ile(s)..."), this, [this] { OnAddFiles(); });
    menu.addAction(QStringLiteral("Add &URL..."), this, [this] { OnAddURL(); });
    if (KindOf(currentItem()) == ITEM_URL)
        menu.addAction(QStringLiteral("&Edit URL..."), this, [this] { OnEditURL(); });
    menu.addAction(QStringLiteral("&Delete"), this, [this] { OnDelete(); });
    menu.exec(pEvent->globalPos());
}
