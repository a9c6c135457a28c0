#include "ProjectView.h"

#include "DragToken.h"
#include "FileObject.h"
#include "ProjectClassNode.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectHost.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"
#include "ProjectRootFolder.h"
#include "ProjectTreeCommands.h"
#include "ProjectTreeImages.h"
#include "ProjectVirtualFolder.h"
#include "ResourceCommands.h"
#include "ResourceFile.h"
#include "ResourceFileItem.h"
#include "GuiBuilderResources.h"
#include "KeyState.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInterface.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <functional>
#include <memory>

namespace {

enum EItemRole { ROLE_POINTER = Qt::UserRole + 1, ROLE_KIND, ROLE_IMAGE, ROLE_POPULATED, ROLE_NAME, ROLE_MENU };

template <class T>
T* PointerOf(const QTreeWidgetItem* pItem)
{
    return pItem ? reinterpret_cast<T*>(pItem->data(0, ROLE_POINTER).value<quintptr>()) : nullptr;
}

QString Text(const CString& str)
{
    return QString::fromUtf8(str.c_str());
}

// Marks item changes made by the view itself, which are no label edits.
struct CUpdateGuard {
    explicit CUpdateGuard(int& n) : m_n(n) { ++m_n; }
    ~CUpdateGuard() { --m_n; }
    int& m_n;
};

} // namespace

CProjectView::CProjectView(QWidget* pParent) : QTreeWidget(pParent)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setAccessibleName(QStringLiteral("Project"));
    setExpandsOnDoubleClick(false);
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemChanged, this, &CProjectView::OnItemChanged);
    connect(this, &QTreeWidget::itemExpanded, this, &CProjectView::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CProjectView::OnItemCollapsed);
}

CProjectView::~CProjectView()
{
    if (m_pDoc && m_pDoc->GetRoot())
        ForgetItems(m_pDoc->GetRoot(), TRUE);
}

void CProjectView::SetDocument(CProjectDoc* pDoc)
{
    if (m_pDoc == pDoc)
        return;
    if (m_pDoc && m_pDoc->GetRoot())
        ForgetItems(m_pDoc->GetRoot(), TRUE);
    m_pDoc = pDoc;
    m_sorted.clear();
    RefreshAll();
}

// ---------------------------------------------------------------------------
// Items

CTreeItem* CProjectView::NodeOf(const QTreeWidgetItem* pItem) const
{
    return KindOf(pItem) == KIND_NODE ? PointerOf<CTreeItem>(pItem) : nullptr;
}

QTreeWidgetItem* CProjectView::ItemOf(const CTreeItem* pNode) const
{
    return pNode ? static_cast<QTreeWidgetItem*>(pNode->m_hItem) : nullptr;
}

int CProjectView::KindOf(const QTreeWidgetItem* pItem)
{
    return pItem ? pItem->data(0, ROLE_KIND).toInt() : -1;
}

int CProjectView::ImageOf(const QTreeWidgetItem* pItem)
{
    return pItem ? pItem->data(0, ROLE_IMAGE).toInt() : PROJIMG_NONE;
}

CVarContainer* CProjectView::ClassOf(const QTreeWidgetItem* pItem) const
{
    return KindOf(pItem) == KIND_CLASS ? ClassNodeOf(pItem).FindCurrentClass() : nullptr;
}

CProjectClassNode CProjectView::ClassNodeOf(const QTreeWidgetItem* pItem) const
{
    QByteArray name = pItem->text(0).toUtf8();
    return CProjectClassNode(FileOf(pItem), name.constData(), ImageOf(pItem) == PROJIMG_INTERFACE);
}

CTreeItem* CProjectView::ResourceTargetOf(const QTreeWidgetItem* pItem) const
{
    if (CTreeItem* pNode = NodeOf(pItem))
        return pNode;
    CProjectFileItem* pFile = FileOf(pItem);
    return pFile && pFile->IsKindOf(MOSK_RUNTIME_CLASS(CResourceFileItem)) ? pFile : nullptr;
}

CString CProjectView::DesignNameOf(const QTreeWidgetItem* pItem)
{
    return pItem ? CString(pItem->data(0, ROLE_NAME).toString().toUtf8().constData()) : CString();
}

CProjectFileItem* CProjectView::FileOf(const QTreeWidgetItem* pItem) const
{
    for (const QTreeWidgetItem* p = pItem; p; p = p->parent()) {
        if (KindOf(p) != KIND_NODE)
            continue;
        CTreeItem* pNode = NodeOf(p);
        if (p == pItem || !pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)))
            return nullptr;
        return static_cast<CProjectFileItem*>(pNode);
    }
    return nullptr;
}

void CProjectView::ForgetItems(CTreeItem* pNode, BOOL bSelf)
{
    if (bSelf)
        pNode->m_hItem = nullptr;
    if (pNode->IsFolder()) {
        CTreeFolder* pFolder = static_cast<CTreeFolder*>(pNode);
        for (int i = 0; i < pFolder->GetChildCount(); ++i)
            ForgetItems(pFolder->GetChild(i), TRUE);
    }
}

void CProjectView::ForgetSorted(const CTreeItem* pNode)
{
    m_sorted.erase(pNode);
    if (pNode->IsFolder()) {
        const CTreeFolder* pFolder = static_cast<const CTreeFolder*>(pNode);
        for (int i = 0; i < pFolder->GetChildCount(); ++i)
            ForgetSorted(pFolder->GetChild(i));
    }
}

void CProjectView::UpdateItem(QTreeWidgetItem* pItem, CTreeItem* pNode)
{
    CUpdateGuard guard(m_nUpdating);
    int nImage = pNode->GetImage();
    pItem->setText(0, Text(pNode->GetShownLabel()));
    pItem->setData(0, ROLE_IMAGE, nImage);
    pItem->setIcon(0, CProjectTreeImages::GetIcon(nImage));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    BOOL bFile = pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem));
    if ((bFile || pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectVirtualFolder))) && pNode->CanDelete())
        flags |= Qt::ItemIsEditable;
    pItem->setFlags(flags);
    // A parsed file shows groups only when its parse found something.
    const CFileObject* pObject = bFile ? static_cast<CProjectFileItem*>(pNode)->GetFileObject() : nullptr;
    BOOL bGroups = pObject && !(pObject->m_Imports.IsEmpty() && pObject->m_Classes.IsEmpty() &&
                                pObject->m_Interfaces.IsEmpty());
    BOOL bChildren = pNode->HasExpandButton() ||
                     (pNode->IsFolder() && static_cast<CTreeFolder*>(pNode)->GetChildCount() > 0) || bGroups;
    pItem->setChildIndicatorPolicy(bChildren ? QTreeWidgetItem::ShowIndicator
                                             : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

QTreeWidgetItem* CProjectView::InsertNode(QTreeWidgetItem* pParent, CTreeItem* pNode)
{
    CUpdateGuard guard(m_nUpdating);
    auto* pItem = new QTreeWidgetItem;
    pItem->setData(0, ROLE_POINTER, QVariant::fromValue(reinterpret_cast<quintptr>(pNode)));
    pItem->setData(0, ROLE_KIND, KIND_NODE);
    UpdateItem(pItem, pNode);
    pNode->m_hItem = pItem;
    if (pParent)
        pParent->addChild(pItem);
    else
        addTopLevelItem(pItem);
    return pItem;
}

void CProjectView::Populate(QTreeWidgetItem* pItem)
{
    if (!pItem || pItem->data(0, ROLE_POPULATED).toBool())
        return;
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode)
        return;
    CUpdateGuard guard(m_nUpdating);
    pItem->setData(0, ROLE_POPULATED, true);
    pNode->Populate();
    if (pNode->IsFolder()) {
        CTreeFolder* pFolder = static_cast<CTreeFolder*>(pNode);
        QList<QTreeWidgetItem*> items;
        auto add = [&](CTreeItem* pChild) {
            auto* pChildItem = new QTreeWidgetItem;
            pChildItem->setData(0, ROLE_POINTER, QVariant::fromValue(reinterpret_cast<quintptr>(pChild)));
            pChildItem->setData(0, ROLE_KIND, KIND_NODE);
            UpdateItem(pChildItem, pChild);
            pChild->m_hItem = pChildItem;
            items.append(pChildItem);
        };
        if (IsSorted(pNode)) {
            for (CTreeItem* pChild : pFolder->GetSortedChildren())
                add(pChild);
        } else {
            for (int i = 0; i < pFolder->GetChildCount(); ++i)
                add(pFolder->GetChild(i));
        }
        // One insertion for the whole folder keeps large folders quick to open.
        pItem->addChildren(items);
    } else if (pNode->IsKindOf(MOSK_RUNTIME_CLASS(CResourceFileItem))) {
        InsertDesigns(pItem, static_cast<CProjectFileItem*>(pNode));
    } else if (pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem))) {
        InsertGroups(pItem, static_cast<CProjectFileItem*>(pNode));
    }
}

void CProjectView::InsertDesigns(QTreeWidgetItem* pItem, CProjectFileItem* pFile)
{
    CResourceFile file;
    if (!file.Read(pFile->GetPathName()))
        return;
    BOOL bOwn = pFile->CanDelete();
    for (BOOL bFrame : {FALSE, TRUE}) {
        QTreeWidgetItem* pGroup = nullptr;
        for (const CResourceFile::CDesign& design : file.GetDesigns()) {
            if (design.bFrame != bFrame)
                continue;
            if (!pGroup) {
                pGroup = new QTreeWidgetItem(pItem, QStringList(QString::fromUtf8(bFrame ? "Frames" : "Dialogs")));
                pGroup->setData(0, ROLE_KIND, KIND_GROUP);
                pGroup->setData(0, ROLE_IMAGE, PROJIMG_GROUP);
                pGroup->setData(0, ROLE_MENU, bOwn ? (bFrame ? SUBMENU_FRAMES : SUBMENU_DIALOGS) : -1);
                pGroup->setIcon(0, CProjectTreeImages::GetIcon(PROJIMG_GROUP));
                pGroup->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            }
            int nImage = bFrame ? PROJIMG_RES_FRAME : PROJIMG_RES_DIALOG;
            auto* pDesign = new QTreeWidgetItem(pGroup, QStringList(Text(design.strName)));
            pDesign->setData(0, ROLE_KIND, KIND_DESIGN);
            pDesign->setData(0, ROLE_IMAGE, nImage);
            pDesign->setData(0, ROLE_NAME, Text(design.strName));
            pDesign->setIcon(0, CProjectTreeImages::GetIcon(nImage));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (bOwn)
                flags |= Qt::ItemIsEditable;
            pDesign->setFlags(flags);
        }
    }
}

void CProjectView::OnDesignEdited(QTreeWidgetItem* pItem)
{
    CProjectFileItem* pFile = FileOf(pItem);
    CString strOld = DesignNameOf(pItem);
    QByteArray text = pItem->text(0).trimmed().toUtf8();
    CString strNew = text.constData();
    BOOL bFrame = ImageOf(pItem) == PROJIMG_RES_FRAME;
    BOOL bRenamed = FALSE;
    if (pFile && !strNew.IsEmpty() && strNew != strOld) {
        // The design is found again by kind and name: the file may have changed since it was shown.
        CResourceFile file;
        int nIndex = -1;
        if (file.Read(pFile->GetPathName()))
            for (size_t i = 0; i < file.GetDesigns().size() && nIndex < 0; ++i)
                if (file.GetDesigns()[i].bFrame == bFrame && file.GetDesigns()[i].strName == strOld)
                    nIndex = static_cast<int>(i);
        if (nIndex < 0)
            AfxMessageBox("Invalid resource file object !!!", MB_ICONEXCLAMATION);
        else
            bRenamed = CGuiBuilderResources::RenameDesign(pFile->GetPathName(), nIndex, strNew);
    }
    CUpdateGuard guard(m_nUpdating);
    if (bRenamed)
        pItem->setData(0, ROLE_NAME, Text(strNew));
    pItem->setText(0, bRenamed ? Text(strNew) : Text(strOld));
}

void CProjectView::InsertGroups(QTreeWidgetItem* pItem, CProjectFileItem* pFile)
{
    CFileObject* pObject = pFile->GetFileObject();
    if (!pObject)
        return;
    auto group = [&](const char* pszName, const CVarList& list, int nKind, int nImage) {
        if (list.IsEmpty())
            return;
        auto* pGroup = new QTreeWidgetItem(pItem, QStringList(QString::fromUtf8(pszName)));
        pGroup->setData(0, ROLE_KIND, KIND_GROUP);
        pGroup->setData(0, ROLE_IMAGE, PROJIMG_GROUP);
        pGroup->setIcon(0, CProjectTreeImages::GetIcon(PROJIMG_GROUP));
        pGroup->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CVarObject* pObj = list.GetNext(pos);
            auto* pChild = new QTreeWidgetItem(pGroup, QStringList(Text(pObj->GetName())));
            pChild->setData(0, ROLE_KIND, nKind);
            pChild->setData(0, ROLE_IMAGE, nImage);
            pChild->setIcon(0, CProjectTreeImages::GetIcon(nImage));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (nKind == KIND_CLASS)
                flags |= Qt::ItemIsDragEnabled;
            pChild->setFlags(flags);
        }
    };
    group("Imports", pObject->m_Imports, KIND_IMPORT, PROJIMG_IMPORT);
    group("Classes", pObject->m_Classes, KIND_CLASS, PROJIMG_CLASS);
    group("Interfaces", pObject->m_Interfaces, KIND_CLASS, PROJIMG_INTERFACE);
}

void CProjectView::RemoveChildItems(QTreeWidgetItem* pItem)
{
    CUpdateGuard guard(m_nUpdating);
    if (CTreeItem* pNode = NodeOf(pItem))
        ForgetItems(pNode, FALSE);
    qDeleteAll(pItem->takeChildren());
    pItem->setData(0, ROLE_POPULATED, false);
}

void CProjectView::RestoreExpansion(QTreeWidgetItem* pItem)
{
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode || !pNode->m_bExpanded)
        return;
    Populate(pItem);
    if (!pItem->isExpanded())
        pItem->setExpanded(true);
    for (int i = 0; i < pItem->childCount(); ++i)
        RestoreExpansion(pItem->child(i));
}

// ---------------------------------------------------------------------------
// What the project list tells its views

void CProjectView::RefreshAll()
{
    CTreeItem* pSelected = GetSelectedNode();
    {
        CUpdateGuard guard(m_nUpdating);
        if (m_pDoc && m_pDoc->GetRoot())
            ForgetItems(m_pDoc->GetRoot(), TRUE);
        clear();
    }
    CProjectRootFolder* pRoot = m_pDoc ? m_pDoc->GetRoot() : nullptr;
    if (!pRoot)
        return;
    QTreeWidgetItem* pRootItem = InsertNode(nullptr, pRoot);
    pRoot->m_bExpanded = TRUE;
    RestoreExpansion(pRootItem);
    if (QTreeWidgetItem* pItem = ItemOf(pSelected); pItem && pSelected)
        setCurrentItem(pItem);
}

void CProjectView::RefreshNode(CTreeItem* pNode)
{
    QTreeWidgetItem* pItem = ItemOf(pNode);
    if (!pItem)
        return;
    CTreeItem* pSelected = GetSelectedNode();
    QTreeWidgetItem* pCurrent = currentItem();
    BOOL bCurrentBelow = FALSE;
    for (QTreeWidgetItem* p = pCurrent ? pCurrent->parent() : nullptr; p; p = p->parent())
        bCurrentBelow = bCurrentBelow || p == pItem;
    UpdateItem(pItem, pNode);
    if (pItem->data(0, ROLE_POPULATED).toBool()) {
        RemoveChildItems(pItem);
        if (pNode->m_bExpanded || pItem->isExpanded()) {
            pNode->m_bExpanded = TRUE;
            RestoreExpansion(pItem);
        }
    } else if (pNode->m_bExpanded) {
        RestoreExpansion(pItem);
    }
    if (bCurrentBelow) {
        if (QTreeWidgetItem* pAgain = ItemOf(pSelected); pAgain && pSelected)
            setCurrentItem(pAgain);
        else
            setCurrentItem(pItem);
    }
}

void CProjectView::NodeDeleted(CTreeItem* pNode)
{
    ForgetSorted(pNode);
    QTreeWidgetItem* pItem = ItemOf(pNode);
    ForgetItems(pNode, TRUE);
    if (!pItem)
        return;
    CUpdateGuard guard(m_nUpdating);
    delete pItem;
}

void CProjectView::SelectNode(CTreeItem* pNode, BOOL bEdit)
{
    // The items of the parents come first.
    std::vector<CTreeItem*> chain;
    for (CTreeItem* p = pNode; p; p = p->GetParent())
        chain.push_back(p);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        QTreeWidgetItem* pItem = ItemOf(*it);
        if (!pItem)
            return;
        if (*it != pNode) {
            Populate(pItem);
            pItem->setExpanded(true);
        }
    }
    QTreeWidgetItem* pItem = ItemOf(pNode);
    setCurrentItem(pItem);
    // A project just opened shows its files.
    if (pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFolder)) && static_cast<CProjectFolder*>(pNode)->m_bCurrent)
        pItem->setExpanded(true);
    scrollToItem(pItem);
    if (bEdit && (pItem->flags() & Qt::ItemIsEditable))
        editItem(pItem);
}

void CProjectView::OnItemExpanded(QTreeWidgetItem* pItem)
{
    Populate(pItem);
    if (CTreeItem* pNode = NodeOf(pItem))
        pNode->m_bExpanded = TRUE;
}

void CProjectView::OnItemCollapsed(QTreeWidgetItem* pItem)
{
    if (CTreeItem* pNode = NodeOf(pItem))
        pNode->m_bExpanded = FALSE;
}

void CProjectView::OnItemChanged(QTreeWidgetItem* pItem, int)
{
    if (m_nUpdating || !m_pDoc)
        return;
    if (KindOf(pItem) == KIND_DESIGN) {
        OnDesignEdited(pItem);
        return;
    }
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode)
        return;
    QString strText = pItem->text(0);
    QString strLabel = Text(pNode->GetShownLabel());
    if (strText == strLabel)
        return;
    if (strLabel != m_strEditStart) {
        // The node was renamed while an editor stood open on it: the model's name wins.
        UpdateItem(pItem, pNode);
        return;
    }
    CProjectTreeCommands commands(*m_pDoc);
    QByteArray text = strText.trimmed().toUtf8();
    if (!commands.OnLabelEdited(pNode, text.constData())) {
        // Refused: the item shows the name it has.
        if (ItemOf(pNode) == pItem)
            UpdateItem(pItem, pNode);
    }
}

// ---------------------------------------------------------------------------
// Commands

std::vector<CProjectViewMenuItem> CProjectView::GetMenuItems(QTreeWidgetItem* pItem) const
{
    std::vector<CProjectViewMenuItem> items;
    if (KindOf(pItem) == KIND_CLASS)
        return ClassNodeOf(pItem).GetMenu();
    if (KindOf(pItem) == KIND_GROUP && pItem->data(0, ROLE_MENU).isValid()) {
        for (const CProjectMenuItem& item : CProjectMenu::GetSubMenu(pItem->data(0, ROLE_MENU).toInt()))
            items.push_back({item.nID, item.pszText ? CString(item.pszText) : CString()});
        return items;
    }
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode || !m_pDoc)
        return items;
    for (const CProjectMenuItem& item : CProjectMenu::GetNodeMenu(*pNode, m_pDoc->GetHost().GetSettings()))
        items.push_back({item.nID, item.pszText ? CString(item.pszText) : CString()});
    int nMenu = pNode->GetContextMenu();
    BOOL bFileMenu = nMenu == SUBMENU_FILE || nMenu == SUBMENU_OTHER_FILE;
    BOOL bProjectMenu = nMenu == SUBMENU_PROJECT || nMenu == SUBMENU_OPEN_PROJECT;
    if (bFileMenu || bProjectMenu) {
        std::vector<CProjectViewMenuItem> commands = m_pHost->GetUserCommands(bProjectMenu);
        if (!commands.empty()) {
            items.push_back({0, CString()});
            items.insert(items.end(), commands.begin(), commands.end());
        }
    }
    return items;
}

QMenu* CProjectView::BuildContextMenu(QTreeWidgetItem* pItem)
{
    std::vector<CProjectViewMenuItem> items = GetMenuItems(pItem);
    if (items.empty())
        return nullptr;
    auto* pMenu = new QMenu(this);
    for (const CProjectViewMenuItem& item : items) {
        if (item.nID == 0) {
            pMenu->addSeparator();
            continue;
        }
        QAction* pAction = pMenu->addAction(Text(item.strText));
        pAction->setData(item.nID);
        BOOL bEnabled = m_pHost->IsCommandEnabled(item.nID);
        // A resource command is offered only on the kind of node it works on.
        if (bEnabled && item.nID >= CProjectViewHost::FIRST_RESOURCE_COMMAND &&
            item.nID <= CProjectViewHost::LAST_RESOURCE_COMMAND)
            bEnabled = m_pDoc && CResourceCommands::AppliesTo(item.nID, m_pDoc->GetProject(), ResourceTargetOf(pItem));
        pAction->setEnabled(bEnabled);
        if (const char* pszName = CProjectMenu::GetCommandName(item.nID))
            pAction->setStatusTip(QString::fromUtf8(pszName));
    }
    return pMenu;
}

BOOL CProjectView::OnCommand(UINT nID)
{
    QTreeWidgetItem* pItem = currentItem();
    if (KindOf(pItem) == KIND_CLASS) {
        CString strPath;
        int nLine = 0;
        if (!ClassNodeOf(pItem).OnCommand(nID, strPath, nLine))
            return FALSE;
        return m_pHost->OpenFileAtLine(strPath, nLine);
    }
    CTreeItem* pNode = NodeOf(pItem);
    if (!m_pDoc)
        return FALSE;
    switch (nID) {
    case ID_PROJECT_RENAME_FILE:
        if (!pNode || !pNode->IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)) || !(pItem->flags() & Qt::ItemIsEditable))
            return FALSE;
        editItem(pItem);
        return TRUE;
    case ID_PROJECT_ALPHABETICAL:
        if (!pNode || !pNode->IsFolder())
            return FALSE;
        m_sorted.insert(pNode);
        pNode->m_bExpanded = TRUE;
        RefreshNode(pNode);
        return TRUE;
    case ID_PROJECT_ROOT_INTERPRETER:
    case ID_PROJECT_ROOT_COMPILER:
    case ID_PROJECT_ROOT_JAVADOC:
        m_pHost->EditRootOptions(nID);
        return TRUE;
    default:
        break;
    }
    if (nID >= CProjectViewHost::FIRST_USER_COMMAND && nID <= CProjectViewHost::LAST_USER_COMMAND)
        return pNode && m_pHost->RunUserCommand(nID, pNode->GetPathName());
    if (nID >= CProjectViewHost::FIRST_RESOURCE_COMMAND && nID <= CProjectViewHost::LAST_RESOURCE_COMMAND) {
        CTreeItem* pTarget = ResourceTargetOf(pItem);
        if (!m_pHost->IsCommandEnabled(nID) || !CResourceCommands::AppliesTo(nID, m_pDoc->GetProject(), pTarget))
            return FALSE;
        // The renames edit the resource item's label; the edit's end renames file and design.
        if (CResourceCommands::IsRename(nID)) {
            QTreeWidgetItem* pResourceItem = ItemOf(pTarget);
            if (!pResourceItem || !(pResourceItem->flags() & Qt::ItemIsEditable))
                return FALSE;
            setCurrentItem(pResourceItem);
            editItem(pResourceItem);
            return TRUE;
        }
        return m_pHost->OnResourceCommand(nID, pTarget);
    }
    CProjectTreeCommands commands(*m_pDoc);
    return commands.OnCommand(nID, pNode);
}

BOOL CProjectView::DeleteCurrent()
{
    CTreeItem* pNode = GetSelectedNode();
    if (!pNode || !m_pDoc)
        return FALSE;
    CProjectTreeCommands commands(*m_pDoc);
    return commands.GenericDelete(pNode);
}

BOOL CProjectView::OpenItem(QTreeWidgetItem* pItem)
{
    if (!pItem)
        return FALSE;
    setCurrentItem(pItem);
    if (KindOf(pItem) == KIND_CLASS)
        return OnCommand(CProjectClassNode::ID_CLASS_GOTO);
    if (KindOf(pItem) == KIND_DESIGN) {
        CProjectFileItem* pFile = FileOf(pItem);
        return pFile && m_pHost->EditDesign(pFile->GetPathName(), DesignNameOf(pItem), ImageOf(pItem) == PROJIMG_RES_FRAME);
    }
    CTreeItem* pNode = NodeOf(pItem);
    if (!pNode || pNode->GetDoubleClickAction() == TREE_DBLCLK_EXPAND ||
        pNode->GetDoubleClickAction() == TREE_DBLCLK_NONE) {
        pItem->setExpanded(!pItem->isExpanded());
        return TRUE;
    }
    if (!m_pDoc)
        return FALSE;
    CProjectTreeCommands commands(*m_pDoc);
    return commands.OnDoubleClick(pNode);
}

void CProjectView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QTreeWidgetItem* pItem = pEvent->reason() == QContextMenuEvent::Mouse ? itemAt(pEvent->pos()) : currentItem();
    if (!pItem)
        return;
    setCurrentItem(pItem);
    std::unique_ptr<QMenu> pMenu(BuildContextMenu(pItem));
    if (!pMenu)
        return;
    QPoint at = pEvent->reason() == QContextMenuEvent::Mouse ? pEvent->globalPos()
                                                             : viewport()->mapToGlobal(visualItemRect(pItem).center());
    QAction* pChosen = pMenu->exec(at);
    if (pChosen)
        OnCommand(pChosen->data().toUInt());
}

void CProjectView::keyPressEvent(QKeyEvent* pEvent)
{
    if (pEvent->key() == Qt::Key_Delete && state() != QAbstractItemView::EditingState) {
        DeleteCurrent();
        return;
    }
    if ((pEvent->key() == Qt::Key_Return || pEvent->key() == Qt::Key_Enter) &&
        state() != QAbstractItemView::EditingState) {
        CKeyState::SetDown(VK_CONTROL, (pEvent->modifiers() & Qt::ControlModifier) != 0);
        OpenItem(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(pEvent);
}

void CProjectView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    // Handled here whole: opening a project rebuilds the items under the mouse.
    if (pEvent->button() == Qt::LeftButton) {
        // The opening asks whether Control is held (a captured GUI builder run).
        CKeyState::SetDown(VK_CONTROL, (pEvent->modifiers() & Qt::ControlModifier) != 0);
        OpenItem(itemAt(pEvent->position().toPoint()));
    }
}

QMimeData* CProjectView::CreateDragData(const QTreeWidgetItem* pItem, std::unique_ptr<CDragToken>& pToken) const
{
    CVarContainer* pClass = ClassOf(pItem);
    if (!pClass)
        return nullptr;
    pToken.reset(pClass->MakeProjectDragToken());
    if (!pToken)
        return nullptr;
    auto* pData = new QMimeData;
    pData->setText(Text(pToken->GetText()));
    return pData;
}

void CProjectView::startDrag(Qt::DropActions)
{
    std::unique_ptr<CDragToken> pToken;
    QMimeData* pData = CreateDragData(currentItem(), pToken);
    if (!pData)
        return;
    auto* pDrag = new QDrag(this);
    pDrag->setMimeData(pData);
    pDrag->setPixmap(currentItem()->icon(0).pixmap(16, 16));
    // The drop happens inside exec, while the token lives.
    pDrag->exec(Qt::CopyAction);
}

bool CProjectView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent)
{
    QString strStart = index.data(Qt::DisplayRole).toString();
    bool bEditing = QTreeWidget::edit(index, trigger, pEvent);
    if (bEditing)
        m_strEditStart = strStart;
    return bEditing;
}

CString CProjectView::Dump() const
{
    CString strOut;
    std::function<void(const QTreeWidgetItem*, int)> dump = [&](const QTreeWidgetItem* pItem, int nLevel) {
        strOut += CString(std::string(static_cast<size_t>(nLevel) * 2, ' ').c_str());
        strOut += pItem->text(0).toUtf8().constData();
        CString strMore;
        strMore.Format(" [%d]", ImageOf(pItem));
        strOut += strMore;
        if (pItem->childCount() == 0 && pItem->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator)
            strOut += " +";
        strOut += "\n";
        for (int i = 0; i < pItem->childCount(); ++i)
            dump(pItem->child(i), nLevel + 1);
    };
    for (int i = 0; i < topLevelItemCount(); ++i)
        dump(topLevelItem(i), 0);
    return strOut;
}
