#include "RmiDlg.h"

#include "RmiOptions.h"

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

using R = CRmiOptions;

struct CSwitch {
    const char* pszName;
    const char* pszText;
    int R::*pnValue;
};

const CSwitch s_switches[] = {
    {"classPath", "Use project &class path", &R::m_bClassPath},
    {"debug", "&Debug (-debug)", &R::m_bDebug},
    {"debugTables", "Debug &tables (-g)", &R::m_bDebugTables},
    {"depend", "D&epend (-depend)", &R::m_bDepend},
    {"keepGenerated", "&Keep generated (-keepgenerated)", &R::m_bKeepGenerated},
    {"noWarnings", "&No warnings (-nowarn)", &R::m_bNoWarnings},
    {"noWrite", "No w&rite (-nowrite)", &R::m_bNoWrite},
    {"optimize", "O&ptimize (-O)", &R::m_bOptimize},
    {"show", "&Show (-show)", &R::m_bShow},
    {"verbose", "&Verbose (-verbose)", &R::m_bVerbose},
};

struct CSwitchText {
    const char* pszName;
    const char* pszText;
    int R::*pnValue;
    CString R::*pstrValue;
};

const CSwitchText s_texts[] = {
    {"outputDir", "&Output directory (-d)", &R::m_bOutputDir, &R::m_strOutputDir},
    {"skeletonDir", "S&keleton directory", &R::m_bSkeletonDir, &R::m_strSkeletonDir},
    {"stubDir", "St&ub directory (-dstub)", &R::m_bStubDir, &R::m_strStubDir},
    {"custom", "C&ustom options", &R::m_bCustom, &R::m_strCustomOptions},
};

} // namespace

CRmiDlg::CRmiDlg(const CRmiOptions& options, std::function<BOOL(const CRmiOptions&)> fnOK, QWidget* pParent)
    : QDialog(pParent), m_fnOK(std::move(fnOK))
{
    setWindowTitle(QStringLiteral("RMI Compile"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    auto* pGrid = new QGridLayout;
    int nRow = 0, nColumn = 0;
    for (const CSwitch& sw : s_switches) {
        auto* pCheck = new QCheckBox(QString::fromUtf8(sw.pszText));
        pCheck->setObjectName(QString::fromUtf8(sw.pszName));
        pCheck->setChecked(options.*(sw.pnValue) != 0);
        m_switches.emplace_back(pCheck, sw.pnValue);
        pGrid->addWidget(pCheck, nRow, nColumn);
        if (++nColumn == 2) {
            nColumn = 0;
            ++nRow;
        }
    }
    if (nColumn)
        ++nRow;
    for (const CSwitchText& st : s_texts) {
        auto* pCheck = new QCheckBox(QString::fromUtf8(st.pszText));
        pCheck->setObjectName(QString::fromUtf8(st.pszName) + QStringLiteral("On"));
        pCheck->setChecked(options.*(st.pnValue) != 0);
        m_switches.emplace_back(pCheck, st.pnValue);
        auto* pEdit = new QLineEdit(QString::fromUtf8((options.*(st.pstrValue)).c_str()));
        pEdit->setObjectName(QString::fromUtf8(st.pszName));
        m_texts.emplace_back(pEdit, st.pstrValue);
        pGrid->addWidget(pCheck, nRow, 0);
        pGrid->addWidget(pEdit, nRow, 1);
        ++nRow;
    }
    m_pClass = new QLineEdit;
    m_pClass->setObjectName(QStringLiteral("className"));
    m_pClass->setPlaceholderText(QStringLiteral("package.RemoteClass"));
    auto* pAdd = new QPushButton(QStringLiteral("&Add"));
    auto* pRemove = new QPushButton(QStringLiteral("Re&move"));
    connect(pAdd, &QPushButton::clicked, this, [this] { AddClass(); });
    connect(pRemove, &QPushButton::clicked, this, [this] { RemoveSelected(); });
    m_pClasses = new QListWidget;
    m_pClasses->setObjectName(QStringLiteral("classes"));
    m_pClasses->setSelectionMode(QAbstractItemView::ExtendedSelection);
    for (int i = 0; i < options.m_arrClasses.GetSize(); ++i)
        m_pClasses->addItem(QString::fromUtf8(options.m_arrClasses[i].c_str()));
    auto* pClassRow = new QHBoxLayout;
    pClassRow->addWidget(m_pClass, 1);
    pClassRow->addWidget(pAdd);
    pClassRow->addWidget(pRemove);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(new QLabel(QStringLiteral("Classes:")));
    pLayout->addLayout(pClassRow);
    pLayout->addWidget(m_pClasses, 1);
    pLayout->addWidget(pButtons);
}

CRmiDlg::~CRmiDlg() = default;

void CRmiDlg::GetOptions(CRmiOptions& options) const
{
    for (const auto& [pCheck, pnValue] : m_switches)
        options.*pnValue = pCheck->isChecked();
    for (const auto& [pEdit, pstrValue] : m_texts)
        options.*pstrValue = CString(pEdit->text().trimmed().toUtf8().constData());
    options.m_arrClasses.RemoveAll();
    for (int i = 0; i < m_pClasses->count(); ++i)
        options.m_arrClasses.Add(CString(m_pClasses->item(i)->text().toUtf8().constData()));
}

void CRmiDlg::accept()
{
    CRmiOptions options;
    GetOptions(options);
    if (m_fnOK && !m_fnOK(options))
        return;
    QDialog::accept();
}

void CRmiDlg::AddClass()
{
    QString strClass = m_pClass->text().trimmed();
    if (strClass.isEmpty())
        return;
    m_pClasses->addItem(strClass);
    m_pClass->clear();
}

void CRmiDlg::RemoveSelected()
{
    qDeleteAll(m_pClasses->selectedItems());
}
