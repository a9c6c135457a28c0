#include "JarDlg.h"

#include "JarOptions.h"
#include "UserInterface.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString ToQt(const CString& str)
{
    return QString::fromUtf8(str.c_str());
}

CString Mine(const QString& str)
{
    return CString(str.trimmed().toUtf8().constData());
}

QCheckBox* NewCheck(const char* pszText, const char* pszName, BOOL bOn)
{
    auto* pCheck = new QCheckBox(QString::fromUtf8(pszText));
    pCheck->setObjectName(QString::fromUtf8(pszName));
    pCheck->setChecked(bOn);
    return pCheck;
}

QLineEdit* NewText(const CString& strText, const char* pszName)
{
    auto* pEdit = new QLineEdit(ToQt(strText));
    pEdit->setObjectName(QString::fromUtf8(pszName));
    return pEdit;
}

} // namespace

CJarDlg::CJarDlg(const QString& strTitle, const CJarOptions& options, std::function<BOOL(const CJarOptions&)> fnOK,
                 QWidget* pParent)
    : QDialog(pParent), m_fnOK(std::move(fnOK))
{
    setWindowTitle(strTitle);
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    m_pOutput = NewText(options.m_strOutputFile, "outputFile");
    m_pSpecify = NewCheck("Specify &archive file (f)", "specifyArchive", options.m_bSpecifyArchive);
    m_pManifestOn = NewCheck("Include &manifest (m)", "includeManifest", options.m_bIncludeManifest);
    m_pManifest = NewText(options.m_strManifestFile, "manifestFile");
    m_pCreate = NewCheck("&Create (c)", "create", options.m_bCreate);
    m_pVerbose = NewCheck("&Verbose (v)", "verbose", options.m_bVerbose);
    m_pNoManifestEntries = NewCheck("&No manifest entries (M)", "noManifestEntries", options.m_bNoManifestEntries);
    m_pNoCompression = NewCheck("No com&pression (0)", "noCompression", options.m_bNoCompression);
    m_pCustom = NewCheck("C&ustom options", "custom", options.m_bCustom);
    m_pCustomOptions = NewText(options.m_strCustomOptions, "customOptions");
    m_pFiles = new QListWidget;
    m_pFiles->setObjectName(QStringLiteral("files"));
    m_pFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < options.m_arrFiles.GetSize(); ++i) {
        auto* pItem = new QListWidgetItem(ToQt(options.m_arrFiles[i]), m_pFiles);
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    }

    auto* pGrid = new QGridLayout;
    pGrid->addWidget(new QLabel(QStringLiteral("&Output file:")), 0, 0);
    pGrid->addWidget(m_pOutput, 0, 1);
    pGrid->addWidget(m_pSpecify, 1, 0, 1, 2);
    pGrid->addWidget(m_pManifestOn, 2, 0);
    pGrid->addWidget(m_pManifest, 2, 1);
    pGrid->addWidget(m_pCreate, 3, 0);
    pGrid->addWidget(m_pVerbose, 3, 1);
    pGrid->addWidget(m_pNoManifestEntries, 4, 0);
    pGrid->addWidget(m_pNoCompression, 4, 1);
    pGrid->addWidget(m_pCustom, 5, 0);
    pGrid->addWidget(m_pCustomOptions, 5, 1);
    auto* pAdd = new QPushButton(QStringLiteral("Add &Files..."));
    auto* pRemove = new QPushButton(QStringLiteral("&Remove"));
    connect(pAdd, &QPushButton::clicked, this, [this] { AddFiles(); });
    connect(pRemove, &QPushButton::clicked, this, [this] { RemoveSelected(); });
    auto* pFileButtons = new QVBoxLayout;
    pFileButtons->addWidget(pAdd);
    pFileButtons->addWidget(pRemove);
    pFileButtons->addStretch();
    auto* pFileRow = new QHBoxLayout;
    pFileRow->addWidget(m_pFiles, 1);
    pFileRow->addLayout(pFileButtons);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(new QLabel(QStringLiteral("Files:")));
    pLayout->addLayout(pFileRow, 1);
    pLayout->addWidget(pButtons);
}

CJarDlg::~CJarDlg() = default;

void CJarDlg::GetOptions(CJarOptions& options) const
{
    options.m_strOutputFile = Mine(m_pOutput->text());
    options.m_bSpecifyArchive = m_pSpecify->isChecked();
    options.m_bIncludeManifest = m_pManifestOn->isChecked();
    options.m_strManifestFile = Mine(m_pManifest->text());
    options.m_bCreate = m_pCreate->isChecked();
    options.m_bVerbose = m_pVerbose->isChecked();
    options.m_bNoManifestEntries = m_pNoManifestEntries->isChecked();
    options.m_bNoCompression = m_pNoCompression->isChecked();
    options.m_bCustom = m_pCustom->isChecked();
    options.m_strCustomOptions = Mine(m_pCustomOptions->text());
    options.m_arrFiles.RemoveAll();
    for (int i = 0; i < m_pFiles->count(); ++i) {
        CString strFile = Mine(m_pFiles->item(i)->text());
        if (!strFile.IsEmpty())
            options.m_arrFiles.Add(strFile);
    }
}

void CJarDlg::accept()
{
    CJarOptions options;
    GetOptions(options);
    if (m_fnOK && !m_fnOK(options))
        return;
    QDialog::accept();
}

int CJarDlg::AddFiles()
{
    CStringArray paths;
    if (!CUserInterface::Get().GetFileNames(TRUE, "Add Files", "class", "Class Files (*.class)|*.class|All Files (*.*)|*.*||",
                                            "", OFN_HIDEREADONLY | OFN_ALLOWMULTISELECT, paths))
        return 0;
    for (int i = 0; i < paths.GetSize(); ++i) {
        auto* pItem = new QListWidgetItem(ToQt(paths[i]), m_pFiles);
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    }
    return paths.GetSize();
}

void CJarDlg::RemoveSelected()
{
    qDeleteAll(m_pFiles->selectedItems());
}
