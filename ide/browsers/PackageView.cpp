#include "PackageView.h"

#include "BrowserHost.h"
#include "BrowserImages.h"
#include "ClassIntrospectionQueue.h"
#include "DragToken.h"
#include "IndexSource.h"
#include "IntrospectionDialog.h"
#include "PackageObject.h"
#include "PkgDoc.h"
#include "StringArray.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"

#include <QContextMenuEvent>
#include <QDrag>
#include <QInputDialog>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <memory>

namespace {

constexpr int ROLE_KIND = Qt::UserRole;
constexpr int ROLE_DATA = Qt::UserRole + 1;
constexpr int ROLE_FILLED = Qt::UserRole + 2;

BOOL s_bDragging = FALSE;

QString Text(const CString& str) { return QString::fromUtf8(str.c_str()); }

QString DisplayText(const CVarObject* pObject)
{
    CString strText;
    pObject->GetDisplayText(strText);
    return Text(strText);
}

} // namespace

CPackageView::CPackageView(CPkgDoc& doc, QWidget* pParent) : QTreeWidget(pParent), m_doc(doc)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setAccessibleName(QStringLiteral("Packages"));
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QTreeWidget::itemExpanded, this, &CPackageView::OnExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CPackageView::OnCollapsed);
    // A double click is the item's: a source opens, or the item expands.
    setExpandsOnDoubleClick(false);
    m_fnAskName = [this](const QString& strTitle) {
        bool bOk = false;
        QString strName = QInputDialog::getText(this, strTitle, tr("Name:"), QLineEdit::Normal, QString(), &bOk);
        return bOk ? strName.trimmed() : QString();
    };
    Refresh();
}

CPackageView::~CPackageView() = default;

BOOL CPackageView::IsDragging() { return s_bDragging; }

int CPackageView::KindOf(QTreeWidgetItem* pItem) { return pItem ? pItem->data(0, ROLE_KIND).toInt() : 0; }

CVarObject* CPackageView::ObjectOf(QTreeWidgetItem* pItem)
{
    int nKind = KindOf(pItem);
    if (nKind != ITEM_CLASS && nKind != ITEM_INTERFACE && nKind != ITEM_MEMBER)
        return nullptr;
    return static_cast<CVarObject*>(pItem->data(0, ROLE_DATA).value<void*>());
}

QTreeWidgetItem* CPackageView::AddItem(QTreeWidgetItem* pParent, const QString& strText, int nKind, void* pData,
                                       bool bLazy)
{
    auto* pItem = new QTreeWidgetItem(QStringList(strText));
    pItem->setData(0, ROLE_KIND, nKind);
    pItem->setData(0, ROLE_DATA, QVariant::fromValue(pData));
    pItem->setData(0, ROLE_FILLED, !bLazy);
    if (bLazy)
        pItem->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    if (nKind == ITEM_ROOT || nKind == ITEM_PACKAGE)
        pItem->setIcon(0, CBrowserImages::Folder(false));
    else if (nKind == ITEM_CLASSES || nKind == ITEM_INTERFACES)
        pItem->setIcon(0, CBrowserImages::Folder(false));
    else if (pData)
        pItem->setIcon(0, CBrowserImages::Image(static_cast<CVarObject*>(pData)->GetImage()));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (pData && (nKind == ITEM_CLASS || nKind == ITEM_INTERFACE || nKind == ITEM_MEMBER))
        flags |= Qt::ItemIsDragEnabled;
    pItem->setFlags(flags);
    if (pParent)
        pParent->addChild(pItem);
    else
        addTopLevelItem(pItem);
    return pItem;
}

void CPackageView::Refresh()
{
    clear();
    m_pRoot = AddItem(nullptr, QStringLiteral("Packages"), ITEM_ROOT, nullptr, false);
    for (CPackageObject* pPackage : m_doc.GetPackages())
        AddItem(m_pRoot, Text(pPackage->m_strPackageName), ITEM_PACKAGE, pPackage, true);
    m_pRoot->setExpanded(true);
}

void CPackageView::AddMembers(QTreeWidgetItem* pParent, CVarContainer* pContainer)
{
    for (POSITION pos = pContainer->m_Fields.GetHeadPosition(); pos;) {
        CVarObject* pField = pContainer->m_Fields.GetNext(pos);
        AddItem(pParent, DisplayText(pField), ITEM_MEMBER, pField, false);
    }
    for (POSITION pos = pContainer->m_Methods.GetHeadPosition(); pos;) {
        CVarObject* pMethod = pContainer->m_Methods.GetNext(pos);
        AddItem(pParent, DisplayText(pMethod), ITEM_MEMBER, pMethod, false);
    }
}

void CPackageView::Populate(QTreeWidgetItem* pItem)
{
    if (pItem->data(0, ROLE_FILLED).toBool())
        return;
    pItem->setData(0, ROLE_FILLED, true);
    void* pData = pItem->data(0, ROLE_DATA).value<void*>();
    switch (KindOf(pItem)) {
    case ITEM_PACKAGE:
        AddItem(pItem, QStringLiteral("Classes"), ITEM_CLASSES, pData, true);
        AddItem(pItem, QStringLiteral("Interfaces"), ITEM_INTERFACES, pData, true);
        break;
    case ITEM_CLASSES: {
        auto* pPackage = static_cast<CPackageObject*>(pData);
        for (POSITION pos = pPackage->m_Classes.GetHeadPosition(); pos;) {
            CVarClass* pClass = pPackage->m_Classes.GetNext(pos);
            AddItem(pItem, DisplayText(pClass), ITEM_CLASS, pClass, true);
        }
        break;
    }
    case ITEM_INTERFACES: {
        auto* pPackage = static_cast<CPackageObject*>(pData);
        for (POSITION pos = pPackage->m_Interfaces.GetHeadPosition(); pos;) {
            CVarInterface* pInterface = pPackage->m_Interfaces.GetNext(pos);
            AddItem(pItem, DisplayText(pInterface), ITEM_INTERFACE, pInterface, true);
        }
        break;
    }
    case ITEM_CLASS:
    case ITEM_INTERFACE:
        AddMembers(pItem, static_cast<CVarContainer*>(pData));
        break;
    default:
        break;
    }
    if (pItem->childCount() == 0)
        pItem->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void CPackageView::mouseDoubleClickEvent(QMouseEvent* pEvent)
{
    // Handled here whole, also while a drag could begin from the first click.
    if (pEvent->button() == Qt::LeftButton) {
        QTreeWidgetItem* pItem = itemAt(pEvent->position().toPoint());
        if (pItem)
            setCurrentItem(pItem);
        OpenItem(pItem);
    }
}

BOOL CPackageView::OpenItem(QTreeWidgetItem* pItem)
{
    if (!pItem)
        return FALSE;
    int nKind = KindOf(pItem);
    QTreeWidgetItem* pClassItem = nKind == ITEM_MEMBER ? pItem->parent() : pItem;
    QTreeWidgetItem* pPackageItem = pClassItem && pClassItem->parent() ? pClassItem->parent()->parent() : nullptr;
    CVarObject* pObject = ObjectOf(pItem);
    CVarObject* pClass = ObjectOf(pClassItem);
    if ((nKind == ITEM_CLASS || nKind == ITEM_INTERFACE || nKind == ITEM_MEMBER) && pObject && pClass &&
        KindOf(pPackageItem) == ITEM_PACKAGE && m_fnSourceFolder && m_fnOpenSource) {
        auto* pPackage = static_cast<CPackageObject*>(pPackageItem->data(0, ROLE_DATA).value<void*>());
        CString strPath = CIndexSource::FindSource(m_fnSourceFolder(), pPackage->m_strPackageName, pClass->m_strName);
        if (!strPath.IsEmpty()) {
            int nLine = CIndexSource::FindDeclarationLine(strPath, pObject->m_strName, pObject->m_nStartLine,
                                                          nKind != ITEM_MEMBER);
            if (m_fnOpenSource(strPath, nLine))
                return TRUE;
        }
    }
    if (pItem->childIndicatorPolicy() == QTreeWidgetItem::ShowIndicator || pItem->childCount() > 0)
        pItem->setExpanded(!pItem->isExpanded());
    return FALSE;
}

void CPackageView::OnExpanded(QTreeWidgetItem* pItem)
{
    Populate(pItem);
    int nKind = KindOf(pItem);
    if (nKind == ITEM_ROOT || nKind == ITEM_PACKAGE || nKind == ITEM_CLASSES || nKind == ITEM_INTERFACES)
        pItem->setIcon(0, CBrowserImages::Folder(true));
}

void CPackageView::OnCollapsed(QTreeWidgetItem* pItem)
{
    int nKind = KindOf(pItem);
    if (nKind == ITEM_ROOT || nKind == ITEM_PACKAGE || nKind == ITEM_CLASSES || nKind == ITEM_INTERFACES)
        pItem->setIcon(0, CBrowserImages::Folder(false));
}

BOOL CPackageView::FindType(const char* pszName, BOOL bInterface)
{
    if (!pszName || !*pszName)
        return FALSE;
    for (int i = 0; i < m_pRoot->childCount(); i++) {
        QTreeWidgetItem* pPackageItem = m_pRoot->child(i);
        auto* pPackage = static_cast<CPackageObject*>(pPackageItem->data(0, ROLE_DATA).value<void*>());
        CVarObject* pFound = bInterface ? static_cast<CVarObject*>(pPackage->FindInterface(pszName))
                                        : static_cast<CVarObject*>(pPackage->FindClass(pszName));
        if (!pFound)
            continue;
        pPackageItem->setExpanded(true);
        QTreeWidgetItem* pFolder = pPackageItem->child(bInterface ? 1 : 0);
        pFolder->setExpanded(true);
        for (int j = 0; j < pFolder->childCount(); j++)
            if (ObjectOf(pFolder->child(j)) == pFound) {
                setCurrentItem(pFolder->child(j));
                scrollToItem(pFolder->child(j));
                break;
            }
        return TRUE;
    }
    return FALSE;
}

BOOL CPackageView::LookUp(const char* pszWord)
{
    if (m_fnShowPage)
        m_fnShowPage();
    return FindType(pszWord, FALSE) || FindType(pszWord, TRUE);
}

BOOL CPackageView::OnFind(BOOL bInterface)
{
    if (m_fnShowPage)
        m_fnShowPage();
    QString strName = m_fnAskName(bInterface ? tr("Find Interface") : tr("Find Class"));
    if (strName.isEmpty())
        return FALSE;
    return FindType(strName.toUtf8().constData(), bInterface);
}

BOOL CPackageView::OnAddUpdate()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CStringArray arrPaths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add Package", "java",
                                            "Java Files (*.java)|*.java|All Files (*.*)|*.*||", "",
                                            OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, arrPaths))
        return FALSE;
    return m_doc.AddSourceFiles(arrPaths);
}

BOOL CPackageView::OnAddClass()
{
    if (m_fnShowPage)
        m_fnShowPage();
    CStringArray arrPaths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add Class to Package", "class",
                                            "Class Files (*.class)|*.class|All Files (*.*)|*.*||", "",
                                            OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, arrPaths)
        || arrPaths.GetSize() == 0)
        return FALSE;
    m_doc.GetHost().ClearOutput();
    CClassIntrospectionQueue queue(m_doc, arrPaths);
    CIntrospectionDialog dialog(queue, this);
    dialog.exec();
    return queue.Finish();
}

BOOL CPackageView::OnDelete()
{
    if (m_fnShowPage)
        m_fnShowPage();
    QTreeWidgetItem* pItem = currentItem();
    if (KindOf(pItem) != ITEM_PACKAGE)
        return FALSE;
    return m_doc.DeletePackage(pItem->text(0).toUtf8().constData());
}

void CPackageView::SubmenuNames(QTreeWidgetItem* pItem, std::vector<QString>& classes,
                                std::vector<QString>& interfaces) const
{
    CVarObject* pObject = ObjectOf(pItem);
    int nKind = KindOf(pItem);
    if (nKind == ITEM_CLASS) {
        auto* pClass = static_cast<CVarClass*>(pObject);
        if (!pClass->m_strParent.IsEmpty())
            classes.push_back(Text(pClass->m_strParent));
        for (int i = 0; i < pClass->m_Interfaces.GetSize(); i++)
            interfaces.push_back(Text(pClass->m_Interfaces[i]));
    } else if (nKind == ITEM_INTERFACE) {
        auto* pInterface = static_cast<CVarInterface*>(pObject);
        if (!pInterface->m_strParent.IsEmpty())
            interfaces.push_back(Text(pInterface->m_strParent));
    }
}

std::vector<std::pair<UINT, QString>> CPackageView::GetMenuEntries(QTreeWidgetItem* pItem) const
{
    std::vector<std::pair<UINT, QString>> entries = {
        {ID_ADD_UPDATE, QStringLiteral("&Add/Update...")},
        {ID_ADD_CLASS, QStringLiteral("Add Class...")},
    };
    if (KindOf(pItem) == ITEM_PACKAGE)
        entries.push_back({ID_DELETE, QStringLiteral("&Delete")});
    entries.push_back({0, QString()});
    entries.push_back({ID_FIND_CLASS, QStringLiteral("Find &Class...")});
    entries.push_back({ID_FIND_INTERFACE, QStringLiteral("Find &Interface...")});
    std::vector<QString> classes, interfaces;
    SubmenuNames(pItem, classes, interfaces);
    for (size_t i = 0; i < classes.size() && ID_CLASS_FIRST + i <= ID_CLASS_LAST; i++)
        entries.push_back({static_cast<UINT>(ID_CLASS_FIRST + i), "Classes/" + classes[i]});
    for (size_t i = 0; i < interfaces.size() && ID_INTERFACE_FIRST + i <= ID_INTERFACE_LAST; i++)
        entries.push_back({static_cast<UINT>(ID_INTERFACE_FIRST + i), "Interfaces/" + interfaces[i]});
    return entries;
}

BOOL CPackageView::Execute(UINT nId)
{
    switch (nId) {
    case ID_ADD_UPDATE:
        return OnAddUpdate();
    case ID_ADD_CLASS:
        return OnAddClass();
    case ID_DELETE:
        return OnDelete();
    case ID_FIND_CLASS:
        return OnFindClass();
    case ID_FIND_INTERFACE:
        return OnFindInterface();
    default:
        break;
    }
    m_menuClasses.clear();
    m_menuInterfaces.clear();
    SubmenuNames(currentItem(), m_menuClasses, m_menuInterfaces);
    if (nId >= ID_CLASS_FIRST && nId <= ID_CLASS_LAST && nId - ID_CLASS_FIRST < m_menuClasses.size())
        return FindType(m_menuClasses[nId - ID_CLASS_FIRST].toUtf8().constData(), FALSE);
    if (nId >= ID_INTERFACE_FIRST && nId <= ID_INTERFACE_LAST && nId - ID_INTERFACE_FIRST < m_menuInterfaces.size())
        return FindType(m_menuInterfaces[nId - ID_INTERFACE_FIRST].toUtf8().constData(), TRUE);
    return FALSE;
}

void CPackageView::contextMenuEvent(QContextMenuEvent* pEvent)
{
    QTreeWidgetItem* pItem = itemAt(pEvent->pos());
    if (pItem)
        setCurrentItem(pItem);
    QMenu menu(this);
    QMenu* pClasses = nullptr;
    QMenu* pInterfaces = nullptr;
    for (const auto& entry : GetMenuEntries(currentItem())) {
        if (entry.first == 0) {
            menu.addSeparator();
            continue;
        }
        QMenu* pInto = &menu;
        QString strText = entry.second;
        if (strText.startsWith(QStringLiteral("Classes/"))) {
            if (!pClasses)
                pClasses = menu.addMenu(QStringLiteral("Classes"));
            pInto = pClasses;
            strText = strText.mid(8);
        } else if (strText.startsWith(QStringLiteral("Interfaces/"))) {
            if (!pInterfaces)
                pInterfaces = menu.addMenu(QStringLiteral("Interfaces"));
            pInto = pInterfaces;
            strText = strText.mid(11);
        }
        UINT nId = entry.first;
        pInto->addAction(strText, this, [this, nId] { Execute(nId); });
    }
    menu.exec(pEvent->globalPos());
}

void CPackageView::startDrag(Qt::DropActions)
{
    CVarObject* pObject = ObjectOf(currentItem());
    if (!pObject)
        return;
    std::unique_ptr<CDragToken> pToken(pObject->MakeDragToken());
    if (!pToken)
        return;
    auto* pData = new QMimeData;
    pData->setText(Text(pToken->GetText()));
    QDrag drag(this);
    drag.setMimeData(pData);
    s_bDragging = TRUE;
    drag.exec(Qt::CopyAction);
    s_bDragging = FALSE;
}
