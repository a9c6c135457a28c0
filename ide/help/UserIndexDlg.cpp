#include "UserIndexDlg.h"

#include "HelpBrowser.h"
#include "ScratchIndexDlg.h"
#include "StringArray.h"
#include "UserIndexEditor.h"
#include "UserInterface.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString ToQString(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }

} // namespace

CUserIndexDlg::CUserIndexDlg(CUserIndexEditor& editor, QWidget* pParent) : QDialog(pParent), m_editor(editor)
{
    setWindowTitle(QStringLiteral("User Index"));
    m_fnRunScratch = [](CScratchIndexDlg& dialog) { return dialog.exec(); };
    auto* pLayout = new QHBoxLayout(this);
    m_pList = new QTreeWidget;
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({QStringLiteral("Keyword"), QStringLiteral("Address")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    m_pList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    pLayout->addWidget(m_pList, 1);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical);
    m_pAdd = pButtons->addButton(QStringLiteral("&Add..."), QDialogButtonBox::ActionRole);
    m_pRemove = pButtons->addButton(QStringLiteral("&Remove"), QDialogButtonBox::ActionRole);
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pAdd, &QPushButton::clicked, this, [this] { OnAdd(); });
    connect(m_pRemove, &QPushButton::clicked, this, [this] { OnRemove(); });
    connect(m_pList, &QTreeWidget::currentItemChanged, this,
            [this] { m_pRemove->setEnabled(m_pList->currentItem() != nullptr); });
    Refill();
    resize(620, 420);
}

void CUserIndexDlg::Refill()
{
    m_pList->clear();
    m_shown.assign(m_editor.GetEntries().begin(), m_editor.GetEntries().end());
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(m_shown.size()));
    for (const CSearchEntry& entry : m_shown)
        items << new QTreeWidgetItem(QStringList{ToQString(entry.m_strKeyword), ToQString(m_editor.GetAddress(entry))});
    m_pList->addTopLevelItems(items);
    if (!items.isEmpty())
        m_pList->setCurrentItem(items.first());
    m_pRemove->setEnabled(!items.isEmpty());
}

void CUserIndexDlg::OnAdd()
{
    CUserInterface& ui = CUserInterface::Get();
    CStringArray paths;
    if (!ui.GetFileNames(TRUE, "Select File to Add", "",
                         "HTML Files (*.html;*.htm)|*.html;*.htm|Help Files (*.hlp)|*.hlp|All Files (*.*)|*.*||", "",
                         OFN_FILEMUSTEXIST | OFN_HIDEREADONLY, paths) ||
        paths.IsEmpty())
        return;
    const CString& strPage = paths[0];
    if (!CUserIndexEditor::CheckPage(strPage))
        return;
    ui.SetStatusText("Wait, adding search indices...");
    CHelpBrowser* pBrowser = m_fnOpenPage ? m_fnOpenPage(strPage) : nullptr;
    if (!pBrowser)
        return;
    CStringArray links;
    pBrowser->CollectLinks(links, m_pProgress);
    std::vector<CSearchEntry> scratch;
    m_editor.MakeScratch(strPage, links, scratch);
    ui.SetStatusText("Done...");
    // The side window came forward; the dialog goes back on top of it.
    raise();
    activateWindow();
    CScratchIndexDlg dialog(scratch, m_editor.GetHelpDirs(), this);
    if (m_fnRunScratch(dialog) != QDialog::Accepted)
        return;
    m_editor.AddEntries(scratch);
    ui.SetStatusText("Wait, reloading all the indices...");
    Refill();
    ui.SetStatusText("Done");
}

void CUserIndexDlg::OnRemove()
{
    QTreeWidgetItem* pItem = m_pList->currentItem();
    int nRow = pItem ? m_pList->indexOfTopLevelItem(pItem) : -1;
    if (nRow < 0 || nRow >= static_cast<int>(m_shown.size()))
        return;
    if (!m_editor.RemoveEntry(m_shown[static_cast<size_t>(nRow)]))
        return;
    m_shown.erase(m_shown.begin() + nRow);
    delete pItem;
    m_pRemove->setEnabled(m_pList->currentItem() != nullptr);
}

void CUserIndexDlg::accept()
{
    if (m_editor.Accept(m_pProgress))
        QDialog::accept();
}

void CUserIndexDlg::reject()
{
    if (m_editor.Cancel(m_pProgress))
        QDialog::reject();
}
