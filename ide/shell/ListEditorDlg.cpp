#include "ListEditorDlg.h"

#include "UserInterface.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CListEditorDlg::CListEditorDlg(const QString& strTitle, const QStringList& entries, QWidget* pParent)
    : QDialog(pParent)
    , m_pList(new QListWidget(this))
{
    setWindowTitle(strTitle);
    for (const QString& strEntry : entries)
        AddEntry(strEntry, false);
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);

    auto* pBrowse = new QPushButton(tr("&Browse..."), this);
    auto* pAdd = new QPushButton(tr("&Add"), this);
    m_pEdit = new QPushButton(tr("&Edit"), this);
    m_pRemove = new QPushButton(tr("&Remove"), this);
    m_pUp = new QPushButton(tr("Move &Up"), this);
    m_pDown = new QPushButton(tr("Move &Down"), this);
    pBrowse->setObjectName(QStringLiteral("browse"));
    pAdd->setObjectName(QStringLiteral("add"));
    m_pEdit->setObjectName(QStringLiteral("edit"));
    m_pRemove->setObjectName(QStringLiteral("remove"));
    m_pUp->setObjectName(QStringLiteral("up"));
    m_pDown->setObjectName(QStringLiteral("down"));
    for (QPushButton* pButton : {pBrowse, pAdd, m_pEdit, m_pRemove, m_pUp, m_pDown})
        pButton->setAutoDefault(false);
    connect(pBrowse, &QPushButton::clicked, this, &CListEditorDlg::OnBrowse);
    connect(pAdd, &QPushButton::clicked, this, &CListEditorDlg::OnAdd);
    connect(m_pEdit, &QPushButton::clicked, this, &CListEditorDlg::OnEdit);
    connect(m_pRemove, &QPushButton::clicked, this, &CListEditorDlg::OnRemove);
    connect(m_pUp, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(m_pDown, &QPushButton::clicked, this, [this] { OnMove(1); });
    connect(m_pList, &QListWidget::currentRowChanged, this, &CListEditorDlg::UpdateButtons);

    auto* pButtons = new QVBoxLayout;
    for (QPushButton* pButton : {pBrowse, pAdd, m_pEdit, m_pRemove, m_pUp, m_pDown})
        pButtons->addWidget(pButton);
    pButtons->addStretch();
    auto* pRow = new QHBoxLayout;
    pRow->addWidget(m_pList, 1);
    pRow->addLayout(pButtons);
    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pRow);
    pLayout->addWidget(pBox);
    resize(520, 300);
    UpdateButtons();
}

bool CListEditorDlg::Run(QWidget* pParent, const QString& strTitle, QStringList& entries)
{
    CListEditorDlg dlg(strTitle, entries, pParent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    entries = dlg.GetEntries();
    return true;
}

QStringList CListEditorDlg::GetEntries() const
{
    QStringList entries;
    for (int i = 0; i < m_pList->count(); ++i) {
        QString strEntry = m_pList->item(i)->text().trimmed();
        if (!strEntry.isEmpty())
            entries.append(strEntry);
    }
    return entries;
}

void CListEditorDlg::AddEntry(const QString& strEntry, bool bEdit)
{
    auto* pItem = new QListWidgetItem(strEntry, m_pList);
    pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    if (bEdit) {
        m_pList->setCurrentItem(pItem);
        m_pList->editItem(pItem);
    }
}

void CListEditorDlg::OnBrowse()
{
    QListWidgetItem* pCurrent = m_pList->currentItem();
    QByteArray start = pCurrent ? pCurrent->text().toUtf8() : QByteArray();
    CString strFolder;
    if (!CUserInterface::Get().GetFolderName(windowTitle().toUtf8().constData(), start.constData(), strFolder))
        return;
    AddEntry(QString::fromUtf8(strFolder.c_str()), false);
    m_pList->setCurrentRow(m_pList->count() - 1);
}

void CListEditorDlg::OnAdd()
{
    AddEntry(QString(), true);
}

void CListEditorDlg::OnEdit()
{
    if (QListWidgetItem* pCurrent = m_pList->currentItem())
        m_pList->editItem(pCurrent);
}

void CListEditorDlg::OnRemove()
{
    int nRow = m_pList->currentRow();
    if (nRow < 0)
        return;
    delete m_pList->takeItem(nRow);
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(qMin(nRow, m_pList->count() - 1));
    UpdateButtons();
}

void CListEditorDlg::OnMove(int nBy)
{
    int nRow = m_pList->currentRow();
    int nTo = nRow + nBy;
    if (nRow < 0 || nTo < 0 || nTo >= m_pList->count())
        return;
    QListWidgetItem* pItem = m_pList->takeItem(nRow);
    m_pList->insertItem(nTo, pItem);
    m_pList->setCurrentRow(nTo);
}

void CListEditorDlg::UpdateButtons()
{
    int nRow = m_pList->currentRow();
    m_pEdit->setEnabled(nRow >= 0);
    m_pRemove->setEnabled(nRow >= 0);
    m_pUp->setEnabled(nRow > 0);
    m_pDown->setEnabled(nRow >= 0 && nRow + 1 < m_pList->count());
}
