#include "FindInFilesDlg.h"

#include "UserInterface.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace {

QString FromBytes(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }

} // namespace

CFindInFilesDlg::CFindInFilesDlg(const CStringArray& projectFiles, BOOL bProjectOpen, const char* pszFilter,
                                 QWidget* pParent)
    : QDialog(pParent), m_projectFiles(projectFiles), m_strFilter(pszFilter)
{
    setWindowTitle(QStringLiteral("Find in Files"));
    auto* pLayout = new QGridLayout(this);
    pLayout->addWidget(new QLabel(QStringLiteral("Find what:")), 0, 0);
    m_pText = new QLineEdit;
    pLayout->addWidget(m_pText, 0, 1, 1, 2);
    pLayout->addWidget(new QLabel(QStringLiteral("In files:")), 1, 0, Qt::AlignTop);
    m_pList = new QListWidget;
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    pLayout->addWidget(m_pList, 1, 1, 4, 1);
    auto* pAdd = new QPushButton(QStringLiteral("Add Files..."));
    m_pProject = new QPushButton(QStringLiteral("Add Project Files"));
    m_pRemove = new QPushButton(QStringLiteral("Remove"));
    pLayout->addWidget(pAdd, 1, 2);
    pLayout->addWidget(m_pProject, 2, 2);
    pLayout->addWidget(m_pRemove, 3, 2);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_pOk = pButtons->button(QDialogButtonBox::Ok);
    pLayout->addWidget(pButtons, 5, 0, 1, 3);
    m_pProject->setEnabled(bProjectOpen);

    connect(pAdd, &QPushButton::clicked, this, &CFindInFilesDlg::OnAddFiles);
    connect(m_pProject, &QPushButton::clicked, this, &CFindInFilesDlg::OnAddProjectFiles);
    connect(m_pRemove, &QPushButton::clicked, this, &CFindInFilesDlg::OnRemove);
    connect(m_pText, &QLineEdit::textChanged, this, &CFindInFilesDlg::UpdateButtons);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, &CFindInFilesDlg::UpdateButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 320);
    UpdateButtons();
}

void CFindInFilesDlg::showEvent(QShowEvent* pEvent)
{
    QDialog::showEvent(pEvent);
    m_pText->setFocus();
}

CString CFindInFilesDlg::GetText() const
{
    QByteArray bytes = m_pText->text().toUtf8();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

CStringArray CFindInFilesDlg::GetFiles() const
{
    CStringArray files;
    for (int i = 0; i < m_pList->count(); ++i) {
        QByteArray bytes = m_pList->item(i)->data(Qt::UserRole).toByteArray();
        files.Add(CString(bytes.constData(), static_cast<int>(bytes.size())));
    }
    return files;
}

BOOL CFindInFilesDlg::AddFile(const char* pszPath)
{
    QByteArray path(pszPath);
    if (!QFileInfo::exists(QString::fromLocal8Bit(path)))
        return FALSE;
    for (int i = 0; i < m_pList->count(); ++i)
        if (m_pList->item(i)->data(Qt::UserRole).toByteArray() == path)
            return FALSE;
    // The entry keeps the path's bytes; the list shows them as text.
    auto* pItem = new QListWidgetItem(FromBytes(CString(pszPath)));
    pItem->setData(Qt::UserRole, path);
    m_pList->addItem(pItem);
    UpdateButtons();
    return TRUE;
}

void CFindInFilesDlg::OnAddFiles()
{
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add Files", "java", m_strFilter, "",
                                            OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, paths))
        return;
    for (int i = 0; i < paths.GetSize(); ++i)
        AddFile(paths[i]);
}

void CFindInFilesDlg::OnAddProjectFiles()
{
    for (int i = 0; i < m_projectFiles.GetSize(); ++i) {
        const CString& strPath = m_projectFiles[i];
        if (strPath.GetLength() >= 5 && strPath.Right(5).CompareNoCase(".java") == 0)
            AddFile(strPath);
    }
}

void CFindInFilesDlg::OnRemove()
{
    for (QListWidgetItem* pItem : m_pList->selectedItems())
        delete pItem;
    UpdateButtons();
}

void CFindInFilesDlg::UpdateButtons()
{
    m_pOk->setEnabled(!m_pText->text().isEmpty() && m_pList->count() > 0);
    m_pRemove->setEnabled(!m_pList->selectedItems().isEmpty());
}
