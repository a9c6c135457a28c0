#include "DirectoriesDlg.h"

#include "JavaIDEApp.h"
#include "ListEditorDlg.h"
#include "StringArray.h"
#include "UserInterface.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString ToQt(const CString& str)
{
    return QString::fromUtf8(str.c_str());
}

CString FromQt(const QString& str)
{
    return CString(str.trimmed().toUtf8().constData());
}

QStringList ToList(const CStringArray& arr)
{
    QStringList list;
    for (int i = 0; i < arr.GetSize(); ++i)
        list.append(ToQt(arr[i]));
    return list;
}

CStringArray ToArray(const QStringList& list)
{
    CStringArray arr;
    for (const QString& str : list)
        arr.Add(FromQt(str));
    return arr;
}

struct CListInfo {
    const char* pszLabel;
    const char* pszEditorTitle;
};
const CListInfo s_lists[CDirectoriesDlg::LIST_COUNT] = {
    {"Java &program folder (JDK bin):", "Edit Java Bin Path"},
    {"Java &source folder:", "Edit Java Source Path"},
    {"Java &documentation folder:", "Edit Java Doc Path"},
};

struct CFieldInfo {
    const char* pszLabel;
    const char* pszBrowseTitle;  // folder picker title; the browser uses a file dialog
};
const CFieldInfo s_fields[CDirectoriesDlg::FIELD_COUNT] = {
    {"&Browser program:", "Browser program File"},
    {"Java &Bean documentation folder:", "Select Java Bean Documents Directory"},
    {"Java Server SDK documentation &folder:", "Select Java Server SDK Documents Directory"},
    {"&Mosk program folder:", "Select Mosk program Directory"},
};

const char* const s_pszBrowserFilter = "Exe Files (*.exe)|*.exe|All Files (*.*)|*.*||";

} // namespace

CDirectoriesDlg::CDirectoriesDlg(CJavaIDEApp& app, QWidget* pParent)
    : QDialog(pParent)
    , m_app(app)
{
    setWindowTitle(tr("Directories"));
    const CDirSettings& dirs = app.m_DirSettings;
    auto* pForm = new QFormLayout;

    const CStringArray* arrays[LIST_COUNT] = {&dirs.m_ExePaths, &dirs.m_SrcPaths, &dirs.m_DocPaths};
    const CString* currents[LIST_COUNT] = {&dirs.m_strExePath, &dirs.m_strSourcePath, &dirs.m_strDocPath};
    for (int i = 0; i < LIST_COUNT; ++i) {
        m_pLists[i] = new QComboBox(this);
        m_pLists[i]->setEditable(true);
        m_pLists[i]->setInsertPolicy(QComboBox::NoInsert);
        m_pLists[i]->setMinimumContentsLength(40);
        m_pLists[i]->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        FillList(i, ToList(*arrays[i]), ToQt(*currents[i]));
        auto* pEdit = new QPushButton(tr("&Edit..."), this);
        pEdit->setAutoDefault(false);
        pEdit->setToolTip(QString::fromUtf8(s_lists[i].pszEditorTitle));
        connect(pEdit, &QPushButton::clicked, this, [this, i] { EditList(i); });
        auto* pRow = new QHBoxLayout;
        pRow->addWidget(m_pLists[i], 1);
        pRow->addWidget(pEdit);
        pForm->addRow(tr(s_lists[i].pszLabel), pRow);
    }

    const CString* values[FIELD_COUNT] = {&dirs.m_strBrowserPath, &dirs.m_strBeanDocPath, &dirs.m_strJSDKDocPath,
                                          &dirs.m_strProgramPath};
    for (int i = 0; i < FIELD_COUNT; ++i) {
        m_pFields[i] = new QLineEdit(ToQt(*values[i]), this);
        auto* pBrowse = new QPushButton(QStringLiteral("..."), this);
        pBrowse->setAutoDefault(false);
        pBrowse->setToolTip(QString::fromUtf8(s_fields[i].pszBrowseTitle));
        connect(pBrowse, &QPushButton::clicked, this, [this, i] { Browse(i); });
        auto* pRow = new QHBoxLayout;
        pRow->addWidget(m_pFields[i], 1);
        pRow->addWidget(pBrowse);
        pForm->addRow(tr(s_fields[i].pszLabel), pRow);
    }

    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pBox, &QDialogButtonBox::accepted, this, &CDirectoriesDlg::accept);
    connect(pBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pBox);
}

BOOL CDirectoriesDlg::Run(QWidget* pParent, CJavaIDEApp& app)
{
    CDirectoriesDlg dlg(app, pParent);
    return dlg.exec() == QDialog::Accepted;
}

void CDirectoriesDlg::FillList(int nList, const QStringList& entries, const QString& strCurrent)
{
    QComboBox* pList = m_pLists[nList];
    pList->clear();
    pList->addItems(entries);
    int nSelection = CDirSettings::FindSelection(ToArray(entries), FromQt(strCurrent));
    if (nSelection >= 0) {
        pList->setCurrentIndex(nSelection);
    } else {
        // A folder that is not among the entries still shows: OK must not drop it.
        pList->setCurrentIndex(-1);
        pList->setEditText(strCurrent);
    }
}

QStringList CDirectoriesDlg::Entries(const QComboBox* pList)
{
    QStringList entries;
    for (int i = 0; i < pList->count(); ++i)
        entries.append(pList->itemText(i));
    return entries;
}

CDirSettings::CDialogValues CDirectoriesDlg::GetValues() const
{
    CDirSettings::CDialogValues values;
    values.strBrowserPath = FromQt(m_pFields[FIELD_BROWSER]->text());
    values.strBeanDocPath = FromQt(m_pFields[FIELD_BEAN_DOC]->text());
    values.strJSDKDocPath = FromQt(m_pFields[FIELD_JSDK_DOC]->text());
    values.strProgramPath = FromQt(m_pFields[FIELD_PROGRAM]->text());
    CString* selected[LIST_COUNT] = {&values.strExePath, &values.strSourcePath, &values.strDocPath};
    CStringArray* lists[LIST_COUNT] = {&values.exePaths, &values.srcPaths, &values.docPaths};
    for (int i = 0; i < LIST_COUNT; ++i) {
        QString strText = m_pLists[i]->currentText().trimmed();
        *selected[i] = FromQt(strText);
        QStringList entries = Entries(m_pLists[i]);
        // A folder typed into the list's field joins the list.
        if (!strText.isEmpty() && !entries.contains(strText))
            entries.append(strText);
        *lists[i] = ToArray(entries);
    }
    return values;
}

void CDirectoriesDlg::EditList(int nList)
{
    QComboBox* pList = m_pLists[nList];
    QString strCurrent = pList->currentText().trimmed();
    QStringList entries = Entries(pList);
    if (!CListEditorDlg::Run(this, QString::fromUtf8(s_lists[nList].pszEditorTitle), entries))
        return;
    FillList(nList, entries, entries.contains(strCurrent) || entries.isEmpty() ? strCurrent : entries.first());
}

void CDirectoriesDlg::Browse(int nField)
{
    QLineEdit* pField = m_pFields[nField];
    QByteArray current = pField->text().trimmed().toUtf8();
    CUserInterface& ui = CUserInterface::Get();
    if (nField == FIELD_BROWSER) {
        QByteArray folder = QFileInfo(pField->text().trimmed()).path().toUtf8();
        CStringArray paths;
        if (ui.GetFileNames(TRUE, s_fields[nField].pszBrowseTitle, "", s_pszBrowserFilter,
                            current.isEmpty() ? "" : folder.constData(), OFN_FILEMUSTEXIST | OFN_HIDEREADONLY,
                            paths)
            && paths.GetSize() > 0)
            pField->setText(ToQt(paths[0]));
        return;
    }
    CString strFolder;
    if (ui.GetFolderName(s_fields[nField].pszBrowseTitle, current.constData(), strFolder))
        pField->setText(ToQt(strFolder));
}

void CDirectoriesDlg::accept()
{
    if (m_app.ApplyDirectoriesDialog(GetValues()))
        QDialog::accept();
}
