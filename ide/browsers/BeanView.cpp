#include "BeanView.h"

#include "BeanDoc.h"
#include "BeanEvent.h"
#include "BeanIntrospectionQueue.h"
#include "BeanItem.h"
#include "BeanListenInterface.h"
#include "BeanObject.h"
#include "BeanProp.h"
#include "BeanPropDialog.h"
#include "BrowserHost.h"
#include "BrowserImages.h"
#include "IntrospectionDialog.h"
#include "StringArray.h"
#include "TreeFolder.h"
#include "UserInterface.h"

#include <QContextMenuEvent>
#include <QMenu>

namespace {

constexpr int ROLE_KIND = Qt::UserRole;
constexpr int ROLE_DATA = Qt::UserRole + 1;
constexpr int ROLE_FILLED = Qt::UserRole + 2;

QString Text(const CString& str) { return QString::fromUtf8(str.c_str()); }

QString DisplayText(const CVarObject* pObject)
{
    CString strText;
    pObject->GetDisplayText(strText);
    return Text(strText);
}

} // namespace

CBeanView::CBeanView(CBeanDoc& doc, QWidget* pParent) : QTreeWidget(pParent), m_doc(doc)
{
    setHeaderHidden(true);
    setAccessibleName(QStringLiteral("Beans"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* pItem) {
        Populate(pItem);
        if (KindOf(pItem) == ITEM_FOLDER)
            pItem->setIcon(0, CBrowserImages::Folder(true));
    });
    connect(this, &QTreeWidget::itemCollapsed, this, [](QTreeWidgetItem* pItem) {
        if (KindOf(pItem) == ITEM_FOLDER)
            pItem->setIcon(0, CBrowserImages::Folder(false));
    });
    // A folder's label edited in place becomes its name.
    connect(this, &QTreeWidget::itemChanged, this, [this](QTreeWidgetItem* pItem) {
        auto* pFolder = dynamic_cast<CTreeFolder*>(NodeOf(pItem));
        QByteArray strText = pItem->text(0).trimmed().toUtf8();
        if (!pFolder || strText.isEmpty() || pFolder->m_strLabel == strText.constData())
            return;
        pFolder->m_strLabel = strText.constData();
        m_doc.Save();
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* pItem) { OnDoubleClicked(pItem); });
    m_fnShowProperty = [this](QTreeWidgetItem* pItem) {
        CBeanPropDialog dialog(*static_cast<CBeanProp*>(ObjectOf(pItem)), this);
        dialog.exec();
    };
    Refresh();
}

int CBeanView::KindOf(QTreeWidgetItem* pItem) { return pItem ? pItem->data(0, ROLE_KIND).toInt() : 0; }

CTreeItem* CBeanView::NodeOf(QTreeWidgetItem* pItem)
{
    int nKind = KindOf(pItem);
    return nKind == ITEM_FOLDER || nKind == ITEM_BEAN ? static_cast<CTreeItem*>(pItem->data(0, ROLE_DATA).value<void*>())
                                                      : nullptr;
}

CVarObject* CBeanView::ObjectOf(QTreeWidgetItem* pItem)
{
    return KindOf(pItem) == ITEM_MEMBER ? static_cast<CVarObject*>(pItem->data(0, ROLE_DATA).value<void*>()) : nullptr;
}

QTreeWidgetItem* CBeanView::AddItem(QTreeWidgetItem* pParent, const QString& strText, int nKind, void* pData, bool bLazy)
{
    auto* pItem = new QTreeWidgetItem(QStringList(strText));
    pItem->setData(0, ROLE_KIND, nKind);
    pItem->setData(0, ROLE_DATA, QVariant::fromValue(pData));
    pItem->setData(0, ROLE_FILLED, !bLazy);
    if (bLazy)
        pItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (nKind == ITEM_FOLDER || nKind == ITEM_PROPERTIES || nKind == ITEM_EVENTS || nKind == ITEM_METHODS)
        pItem->setIcon(0, CBrowserImages::Folder(false));
    else if (nKind == ITEM_BEAN)
        pItem->setIcon(0, CBrowserImages::Image(static_cast<CBeanItem*>(pData)->GetBean()->GetImage()));
    else if (pData)
        pItem->setIcon(0, CBrowserImages::Image(static_cast<CVarObject*>(pData)->GetImage()));
    if (pParent)
        pParent->addChild(pItem);
    else
        addTopLevelItem(pItem);
    return pItem;
}

void CBeanView::AddFolderItems(QTreeWidgetItem* pParent, CTreeFolder* pFolder)
{
    for (int i = 0; i < pFolder->GetChildCount(); i++) {
        CTreeItem* pChild = pFolder->GetChild(i);
        if (auto* pBean = dynamic_cast<CBeanItem*>(pChild)) {
            AddItem(pParent, DisplayText(pBean->GetBean()), ITEM_BEAN, pBean, true);
        } else if (auto* pSub = dynamic_cast<CTreeFolder*>(pChild)) {
            QTreeWidgetItem* pItem = AddItem(pParent, Text(pSub->m_strLabel), ITEM_FOLDER, pSub, false);
            AddFolderItems(pItem, pSub);
        }
    }
}

void CBeanView::Refresh()
{
    clear();
    QTreeWidgetItem* pRoot = AddItem(nullptr, Text(m_doc.GetRoot()->m_strLabel), ITEM_FOLDER, m_doc.GetRoot(), false);
    AddFolderItems(pRoot, m_doc.GetRoot());
    pRoot->setExpanded(true);
}

void CBeanView::Populate(QTreeWidgetItem* pItem)
{
    if (pItem->data(0, ROLE_FILLED).toBool())
        return;
    pItem->setData(0, ROLE_FILLED, true);
    void* pData = pItem->data(0, ROLE_DATA).value<void*>();
    switch (KindOf(pItem)) {
    case ITEM_BEAN: {
        CBeanObject* pBean = static_cast<CBeanItem*>(pData)->GetBean();
        AddItem(pItem, QStringLiteral("Properties"), ITEM_PROPERTIES, pBean, true);
        if (!pBean->m_Listeners.IsEmpty())
            AddItem(pItem, QStringLiteral("Events"), ITEM_EVENTS, pBean, true);
        AddItem(pItem, QStringLiteral("Methods"), ITEM_METHODS, pBean, true);
        break;
    }
    case ITEM_PROPERTIES:
    case ITEM_METHODS: {
        auto* pBean = static_cast<CBeanObject*>(pData);
        CVarList& list = KindOf(pItem) == ITEM_PROPERTIES ? pBean->m_Fields : pBean->m_Methods;
        for (POSITION pos = list.GetHeadPosition(); pos;) {
            CVarObject* pObject = list.GetNext(pos);
            AddItem(pItem, DisplayText(pObject), ITEM_MEMBER, pObject, false);
        }
        break;
    }
    case ITEM_EVENTS: {
        auto* pBean = static_cast<CBeanObject*>(pData);
        for (POSITION pos = pBean->m_Listeners.GetHeadPosition(); pos;) {
            CBeanListenInterface* pListener = pBean->m_Listeners.GetNext(pos);
            QTreeWidgetItem* pListenerItem = AddItem(pItem, DisplayText(pListener), ITEM_MEMBER, pListener, false);
            for (POSITION p = pListener->m_Events.GetHeadPosition(); p;) {
                CBeanEvent* pEvent = pListener->m_Events.GetNext(p);
                AddItem(pListenerItem, DisplayText(pEvent), ITEM_MEMBER, pEvent, false);
            }
        }
        break;
    }
    default:
        break;
    }
}

void CBeanView::OnDoubleClicked(QTreeWidgetItem* pItem)
{
    if (dynamic_cast<CBeanProp*>(ObjectOf(pItem)) && m_fnShowProperty)
        m_fnShowProperty(pItem);
}

QTreeWidgetItem* CBeanView::ItemOf(const CTreeItem* pNode) const
{
    for (QTreeWidgetItemIterator it(const_cast<CBeanView*>(this)); *it; ++it)
        if (NodeOf(*it) == pNode)
            return *it;
    return nullptr;
}

CTreeFolder* CBeanView::SelectedFolder() const
{
    QTreeWidgetItem* pItem = currentItem();
    return KindOf(pItem) == ITEM_FOLDER ? static_cast<CTreeFolder*>(NodeOf(pItem)) : nullptr;
}

BOOL CBeanView::OnAddFolder()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CTreeFolder* pParent = SelectedFolder();
    CTreeFolder* pFolder = m_doc.AddFolder(pParent);
    if (!pFolder)
        return FALSE;
    if (QTreeWidgetItem* pItem = ItemOf(pFolder)) {
        pItem->parent()->setExpanded(true);
        setCurrentItem(pItem);
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
        editItem(pItem);
    }
    return TRUE;
}

BOOL CBeanView::OnAddBean()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CTreeFolder* pFolder = SelectedFolder();
    if (!pFolder)
        return FALSE;
    CStringArray arrPaths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Select File", "java",
                                            "Jar Files (*.jar)|*.jar|Class Files (*.class)|*.class|All Files (*.*)|*.*||",
                                            "", OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, arrPaths))
        return FALSE;
    CBeanIntrospectionQueue queue(m_doc, arrPaths);
    CIntrospectionDialog dialog(queue, this);
    dialog.exec();
    int nAdded = queue.Finish(pFolder);
    if (QTreeWidgetItem* pItem = ItemOf(pFolder))
        pItem->setExpanded(true);
    return nAdded > 0;
}

BOOL CBeanView::OnDelete()
{
    if (m_fnShowPage)
        m_fnShowPage();
    return m_doc.DeleteItem(NodeOf(currentItem()));
}

BOOL CBeanView::Execute(UINT nId)
{
    switch (nId) {
    case ID_ADD_FOLDER:
        return OnAddFolder();
    case ID_ADD_BEAN:
        return OnAddBean();
    case ID_DELETE:
        return OnDelete();
    }
    return FALSE;
}

void CBeanView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    if (QTreeWidgetItem* pItem = itemAt(pEvent->pos()))
        setCurrentItem(pItem);
    QMenu menu(this);
    menu.addAction(QStringLiteral("Add &Folder..."), this, [this] { OnAddFolder(); });
    menu.addAction(QStringLiteral("&Add Bean..."), this, [this] { OnAddBean(); });
    menu.addAction(QStringLiteral("&Delete"), this, [this] { OnDelete(); });
    menu.exec(pEvent->globalPos());
}
