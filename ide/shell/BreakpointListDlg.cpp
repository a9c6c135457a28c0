#include "BreakpointListDlg.h"

#include "PathName.h"
#include "Project.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <utility>
#include <vector>

namespace {

// The project file a breakpoint key (a base name) stands for; the key itself when none is listed.
CString PathOfKey(const CProject& project, const CString& strKey)
{
    const CStringList& files = project.GetFileList();
    for (POSITION pos = files.GetHeadPosition(); pos;) {
        const CString& strPath = files.GetNext(pos);
        if (CPathName(strPath).GetBaseName() == strKey)
            return strPath;
    }
    return strKey;
}

} // namespace

CBreakpointListDlg::CBreakpointListDlg(CProject& project, QWidget* pParent) : QDialog(pParent), m_project(project)
{
    setWindowTitle(QStringLiteral("Breakpoint List"));
    m_pList = new QTreeWidget;
    m_pList->setRootIsDecorated(false);
    m_pList->setHeaderLabels({QStringLiteral("File"), QStringLiteral("Class"), QStringLiteral("Line")});
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pDelete = new QPushButton(QStringLiteral("&Delete"));
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Close);
    pButtons->addButton(m_pDelete, QDialogButtonBox::ActionRole);
    connect(m_pDelete, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this,
            [this] { m_pDelete->setEnabled(!m_pList->selectedItems().isEmpty()); });
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList);
    pLayout->addWidget(pButtons);
    resize(480, 300);
    Fill();
}

void CBreakpointListDlg::Fill()
{
    m_pList->clear();
    for (const auto& [strKey, pSet] : m_project.GetBreakpoints()) {
        CString strPath = PathOfKey(m_project, strKey);
        for (const CBreakpoint& entry : pSet->GetEntries()) {
            auto* pItem = new QTreeWidgetItem(m_pList);
            pItem->setText(0, QString::fromUtf8(CPathName::FileNameOf(strPath).c_str()));
            pItem->setToolTip(0, QString::fromUtf8(strPath.c_str()));
            pItem->setData(0, Qt::UserRole, QString::fromUtf8(strPath.c_str()));
            pItem->setText(1, QString::fromUtf8(entry.m_strClass.c_str()));
            pItem->setText(2, QString::number(entry.m_nLine));
        }
    }
    m_pList->header()->resizeSections(QHeaderView::ResizeToContents);
    m_pDelete->setEnabled(false);
}

int CBreakpointListDlg::DeleteSelected()
{
    std::vector<std::pair<QByteArray, WORD>> chosen;
    for (QTreeWidgetItem* pItem : m_pList->selectedItems())
        chosen.emplace_back(pItem->data(0, Qt::UserRole).toString().toUtf8(),
                            static_cast<WORD>(pItem->text(2).toUInt()));
    int nRemoved = 0;
    for (const auto& [path, nLine] : chosen)
        if (m_project.RemoveBreakpoint(path.constData(), nLine))
            ++nRemoved;
    Fill();
    return nRemoved;
}
