#include "ScratchIndexDlg.h"

#include "StringArray.h"
#include "UserInterface.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString ToQString(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }

} // namespace

CScratchIndexDlg::CScratchIndexDlg(std::vector<CSearchEntry>& entries, const CStringArray& helpDirs,
                                   QWidget* pParent)
    : QDialog(pParent), m_entries(entries)
{
    setWindowTitle(QStringLiteral("New Search Indices"));
    auto* pLayout = new QVBoxLayout(this);
    m_pList = new QTreeWidget;
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({QStringLiteral("Keyword"), QStringLiteral("Address")});
    m_pList->setRootIsDecorated(false);
    m_pList->setUniformRowHeights(true);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<int>(entries.size()));
    for (const CSearchEntry& entry : entries)
        items << new QTreeWidgetItem(QStringList{ToQString(entry.m_strKeyword), ToQString(entry.GetAddress(helpDirs))});
    m_pList->addTopLevelItems(items);
    m_pList->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    pLayout->addWidget(m_pList, 1);

    auto* pEdit = new QHBoxLayout;
    pEdit->addWidget(new QLabel(QStringLiteral("&Keyword:")));
    m_pKeyword = new QLineEdit;
    pEdit->addWidget(m_pKeyword, 1);
    m_pChange = new QPushButton(QStringLiteral("C&hange"));
    m_pChange->setAutoDefault(false);
    pEdit->addWidget(m_pChange);
    pLayout->addLayout(pEdit);
    static_cast<QLabel*>(pEdit->itemAt(0)->widget())->setBuddy(m_pKeyword);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QTreeWidget::currentItemChanged, this, [this] { OnSelectionChanged(); });
    connect(m_pChange, &QPushButton::clicked, this, [this] { OnChangeKeyword(); });
    m_pKeyword->installEventFilter(this);
    if (!entries.empty())
        m_pList->setCurrentItem(m_pList->topLevelItem(0));
    OnSelectionChanged();
    resize(560, 400);
}

void CScratchIndexDlg::OnSelectionChanged()
{
    int nRow = m_pList->currentItem() ? m_pList->indexOfTopLevelItem(m_pList->currentItem()) : -1;
    BOOL bSelected = nRow >= 0 && nRow < static_cast<int>(m_entries.size());
    m_pKeyword->setText(bSelected ? ToQString(m_entries[static_cast<size_t>(nRow)].m_strKeyword) : QString());
    m_pKeyword->setEnabled(bSelected);
    m_pChange->setEnabled(bSelected);
}

void CScratchIndexDlg::OnChangeKeyword()
{
    QTreeWidgetItem* pItem = m_pList->currentItem();
    int nRow = pItem ? m_pList->indexOfTopLevelItem(pItem) : -1;
    if (nRow < 0 || nRow >= static_cast<int>(m_entries.size()))
        return;
    QString strKeyword = m_pKeyword->text().trimmed();
    if (strKeyword.isEmpty()) {
        CUserInterface::Get().Beep();
        m_pKeyword->setText(ToQString(m_entries[static_cast<size_t>(nRow)].m_strKeyword));
        return;
    }
    QByteArray bytes = strKeyword.toUtf8();
    m_entries[static_cast<size_t>(nRow)].m_strKeyword = CString(bytes.constData(), static_cast<int>(bytes.size()));
    pItem->setText(0, strKeyword);
}

bool CScratchIndexDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // Enter in the keyword field changes the keyword; it does not end the dialog.
    if (pWatched == m_pKeyword && pEvent->type() == QEvent::KeyPress) {
        int nKey = static_cast<QKeyEvent*>(pEvent)->key();
        if (nKey == Qt::Key_Return || nKey == Qt::Key_Enter) {
            OnChangeKeyword();
            return true;
        }
    }
    return QDialog::eventFilter(pWatched, pEvent);
}
