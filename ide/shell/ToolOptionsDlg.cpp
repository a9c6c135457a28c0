#include "ToolOptionsDlg.h"

#include "ListEditorDlg.h"
#include "ToolOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

using O = CToolOptions;

// One row of a dialog's table.
struct CField {
    enum EKind {
        CHECK,         // a switch
        SWITCH_TEXT,   // a switch and its text
        SWITCH_COMBO,  // a switch and its text with a history
        TEXT,          // a text alone
        DOC_TYPE       // HTML or MIF
    };
    EKind nKind;
    const char* pszKey;      // object names: pszKey for the text, pszKey + "On" for the switch
    const char* pszLabel;
    int O::*pnValue;
    CString O::*pstrValue;
    CStringArray O::*parrHistory;
    const char* pszEditButton;  // the list editor's button on the history; null: none
};

constexpr CField Check(const char* pszKey, const char* pszLabel, int O::*pn)
{
    return {CField::CHECK, pszKey, pszLabel, pn, nullptr, nullptr, nullptr};
}
constexpr CField SwitchText(const char* pszKey, const char* pszLabel, int O::*pn, CString O::*pstr)
{
    return {CField::SWITCH_TEXT, pszKey, pszLabel, pn, pstr, nullptr, nullptr};
}
constexpr CField SwitchCombo(const char* pszKey, const char* pszLabel, int O::*pn, CString O::*pstr,
                             CStringArray O::*parr, const char* pszEdit = nullptr)
{
    return {CField::SWITCH_COMBO, pszKey, pszLabel, pn, pstr, parr, pszEdit};
}
constexpr CField Text(const char* pszKey, const char* pszLabel, CString O::*pstr)
{
    return {CField::TEXT, pszKey, pszLabel, nullptr, pstr, nullptr, nullptr};
}

const CField s_compiler[] = {
    SwitchCombo("classPath", "&Class path", &O::m_bCompClassPath, &O::m_strCompClassPath, &O::m_arrCompClassPathHistory,
                "Edit ClassPath..."),
    SwitchCombo("outputDir", "&Output directory", &O::m_bCompOutputDir, &O::m_strCompOutputDir,
                &O::m_arrCompOutputDirHistory),
    Check("debug", "&Debug information (-g)", &O::m_bCompDebug),
    Check("noWarnings", "&No warnings (-nowarn)", &O::m_bCompNoWarnings),
    Check("optimize", "O&ptimize (-O)", &O::m_bCompOptimize),
    Check("verbose", "&Verbose (-verbose)", &O::m_bCompVerbose),
    Check("deprecation", "D&eprecation (-deprecation)", &O::m_bCompDeprecation),
    SwitchCombo("extraOptions", "E&xtra options", &O::m_bCompExtraOptions, &O::m_strCompExtraOptions,
                &O::m_arrCompExtraOptionsHistory),
    SwitchText("otherCompiler", "Use o&ther compiler", &O::m_bCompUseOther, &O::m_strCompOtherCommand),
};

const CField s_interpreterHead[] = {
    SwitchCombo("classPath", "&Class path", &O::m_bInterpClassPath, &O::m_strInterpClassPath,
                &O::m_arrInterpClassPathHistory, "Edit ClassPath..."),
    Check("cs", "Check &source (-cs)", &O::m_bInterpCs),
    SwitchText("mx", "Maximum heap (-m&x)", &O::m_bInterpMx, &O::m_strInterpMx),
    SwitchText("ms", "Initial heap (-m&s)", &O::m_bInterpMs, &O::m_strInterpMs),
    Check("noAsyncGc", "No asynchronous &GC (-noasyncgc)", &O::m_bInterpNoAsyncGc),
    Check("verboseGc", "Verbose G&C (-verbosegc)", &O::m_bInterpVerboseGc),
    SwitchText("oss", "Java stack size (-&oss)", &O::m_bInterpOss, &O::m_strInterpOss),
    SwitchText("ss", "Native stack size (-ss)", &O::m_bInterpSs, &O::m_strInterpSs),
    Check("verbose", "&Verbose (-verbose)", &O::m_bInterpVerbose),
    Check("verify", "Verif&y all (-verify)", &O::m_bInterpVerify),
    Check("noVerify", "&No verification (-noverify)", &O::m_bInterpNoVerify),
    Check("verifyRemote", "Verify &remote (-verifyremote)", &O::m_bInterpVerifyRemote),
    SwitchText("define", "&Property (-D)", &O::m_bInterpD, &O::m_strInterpD),
};
const CField s_interpreterProject[] = {
    SwitchCombo("programArgs", "Program &arguments", &O::m_bInterpProgramArgs, &O::m_strInterpProgramArgs,
                &O::m_arrProgramArgsHistory, "Edit Commandline Options..."),
    SwitchText("otherMain", "Other &main class", &O::m_bInterpOtherMain, &O::m_strInterpOtherMain),
};
const CField s_interpreterGlobal[] = {
    SwitchText("extraOptions", "E&xtra options", &O::m_bInterpExtraOptions, &O::m_strInterpExtraOptions),
    SwitchText("otherInterpreter", "Use o&ther interpreter", &O::m_bInterpUseOther, &O::m_strInterpOtherCommand),
};

const CField s_javadocHead[] = {
    SwitchCombo("classPath", "&Class path", &O::m_bDocClassPath, &O::m_strDocClassPath, &O::m_arrDocClassPathHistory,
                "Edit ClassPath..."),
    SwitchCombo("outputDir", "&Output directory", &O::m_bDocOutputDir, &O::m_strDocOutputDir,
                &O::m_arrDocOutputDirHistory),
    {CField::DOC_TYPE, "docType", "Document type", &O::m_nDocType, nullptr, nullptr, nullptr},
    Check("version", "&Version (-version)", &O::m_bDocVersion),
    Check("author", "&Author (-author)", &O::m_bDocAuthor),
    Check("noIndex", "No &index (-noindex)", &O::m_bDocNoIndex),
    Check("noTree", "No &tree (-notree)", &O::m_bDocNoTree),
    Check("noDeprecated", "No &deprecated (-nodeprecated)", &O::m_bDocNoDeprecated),
};
const CField s_javadocProject[] = {
    Text("extraOptions", "E&xtra options", &O::m_strDocExtraOptions),
};
const CField s_javadocGlobal[] = {
    SwitchText("extraOptions", "E&xtra options", &O::m_bDocExtraOptions, &O::m_strDocExtraOptions),
};

template <size_t N>
void Append(std::vector<const CField*>& fields, const CField (&table)[N])
{
    for (const CField& field : table)
        fields.push_back(&field);
}

QString ToQt(const CString& str)
{
    return QString::fromUtf8(str.c_str());
}

CString Mine(const QString& str)
{
    return CString(str.toUtf8().constData());
}

} // namespace

struct CToolOptionsDlg::CRow {
    const CField* pField = nullptr;
    QCheckBox* pSwitch = nullptr;
    QLineEdit* pText = nullptr;
    QComboBox* pCombo = nullptr;
};

CToolOptionsDlg::CToolOptionsDlg(ETool nTool, BOOL bGlobal, CToolOptions& options, QWidget* pParent)
    : QDialog(pParent), m_nTool(nTool), m_bGlobal(bGlobal), m_options(options)
{
    setWindowTitle(GetTitle(nTool, bGlobal));
    Build();
    Load();
}

CToolOptionsDlg::~CToolOptionsDlg() = default;

QString CToolOptionsDlg::GetTitle(ETool nTool, BOOL bGlobal)
{
    static const char* const s_names[] = {"Compiler Options", "Interpreter Options", "Javadoc Options"};
    QString strName = QString::fromUtf8(s_names[nTool]);
    return bGlobal ? QStringLiteral("Root ") + strName : strName;
}

BOOL CToolOptionsDlg::ToolOfCommand(UINT nID, ETool& nTool)
{
    switch (nID) {
    case 32834: case 33013: nTool = TOOL_COMPILER; return TRUE;
    case 32838: case 33012: nTool = TOOL_INTERPRETER; return TRUE;
    case 32939: case 33014: nTool = TOOL_JAVADOC; return TRUE;
    default: return FALSE;
    }
}

void CToolOptionsDlg::Build()
{
    std::vector<const CField*> fields;
    switch (m_nTool) {
    case TOOL_COMPILER:
        Append(fields, s_compiler);
        break;
    case TOOL_INTERPRETER:
        Append(fields, s_interpreterHead);
        if (m_bGlobal)
            Append(fields, s_interpreterGlobal);
        else
            Append(fields, s_interpreterProject);
        break;
    case TOOL_JAVADOC:
        Append(fields, s_javadocHead);
        if (m_bGlobal)
            Append(fields, s_javadocGlobal);
        else
            Append(fields, s_javadocProject);
        break;
    }
    auto* pGrid = new QGridLayout;
    int nRow = 0;
    for (const CField* pField : fields) {
        CRow row;
        row.pField = pField;
        QString strKey = QString::fromUtf8(pField->pszKey);
        switch (pField->nKind) {
        case CField::CHECK:
            row.pSwitch = new QCheckBox(QString::fromUtf8(pField->pszLabel));
            row.pSwitch->setObjectName(strKey);
            pGrid->addWidget(row.pSwitch, nRow, 0, 1, 3);
            break;
        case CField::SWITCH_TEXT:
        case CField::SWITCH_COMBO:
            row.pSwitch = new QCheckBox(QString::fromUtf8(pField->pszLabel));
            row.pSwitch->setObjectName(strKey + QStringLiteral("On"));
            pGrid->addWidget(row.pSwitch, nRow, 0);
            if (pField->nKind == CField::SWITCH_TEXT) {
                row.pText = new QLineEdit;
                row.pText->setObjectName(strKey);
                pGrid->addWidget(row.pText, nRow, 1);
            } else {
                row.pCombo = new QComboBox;
                row.pCombo->setEditable(true);
                row.pCombo->setInsertPolicy(QComboBox::NoInsert);
                row.pCombo->setObjectName(strKey);
                row.pCombo->setMinimumContentsLength(30);
                pGrid->addWidget(row.pCombo, nRow, 1);
                if (pField->pszEditButton) {
                    auto* pButton = new QPushButton(QString::fromUtf8(pField->pszEditButton));
                    pButton->setObjectName(strKey + QStringLiteral("Edit"));
                    const char* pszKey = pField->pszKey;
                    connect(pButton, &QPushButton::clicked, this, [this, pszKey] { EditHistory(pszKey); });
                    pGrid->addWidget(pButton, nRow, 2);
                }
            }
            break;
        case CField::TEXT:
            pGrid->addWidget(new QLabel(QString::fromUtf8(pField->pszLabel)), nRow, 0);
            row.pText = new QLineEdit;
            row.pText->setObjectName(strKey);
            pGrid->addWidget(row.pText, nRow, 1);
            break;
        case CField::DOC_TYPE: {
            pGrid->addWidget(new QLabel(QString::fromUtf8(pField->pszLabel)), nRow, 0);
            auto* pTypes = new QHBoxLayout;
            m_pHtml = new QRadioButton(QStringLiteral("&HTML"));
            m_pHtml->setObjectName(QStringLiteral("docTypeHtml"));
            m_pMif = new QRadioButton(QStringLiteral("&MIF"));
            m_pMif->setObjectName(QStringLiteral("docTypeMif"));
            pTypes->addWidget(m_pHtml);
            pTypes->addWidget(m_pMif);
            pTypes->addStretch();
            pGrid->addLayout(pTypes, nRow, 1);
            break;
        }
        }
        m_rows.push_back(row);
        ++nRow;
    }
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pGrid);
    pLayout->addWidget(pButtons);
}

void CToolOptionsDlg::FillCombo(QComboBox* pCombo, const CRow& row)
{
    pCombo->clear();
    const CStringArray& history = m_options.*(row.pField->parrHistory);
    for (int i = 0; i < history.GetSize(); ++i)
        pCombo->addItem(ToQt(history[i]));
}

void CToolOptionsDlg::Load()
{
    for (CRow& row : m_rows) {
        const CField& field = *row.pField;
        if (field.nKind == CField::DOC_TYPE) {
            (m_options.*(field.pnValue) == 2 ? m_pMif : m_pHtml)->setChecked(true);
            continue;
        }
        if (row.pSwitch)
            row.pSwitch->setChecked(m_options.*(field.pnValue) != 0);
        if (row.pText)
            row.pText->setText(ToQt(m_options.*(field.pstrValue)));
        if (row.pCombo) {
            FillCombo(row.pCombo, row);
            row.pCombo->setEditText(ToQt(m_options.*(field.pstrValue)));
        }
    }
}

void CToolOptionsDlg::accept()
{
    for (CRow& row : m_rows) {
        const CField& field = *row.pField;
        if (field.nKind == CField::DOC_TYPE) {
            m_options.*(field.pnValue) = m_pMif->isChecked() ? 2 : 1;
            continue;
        }
        if (row.pSwitch)
            m_options.*(field.pnValue) = row.pSwitch->isChecked() ? TRUE : FALSE;
        if (row.pText)
            m_options.*(field.pstrValue) = Mine(row.pText->text().trimmed());
        if (row.pCombo) {
            CString strText = Mine(row.pCombo->currentText().trimmed());
            m_options.*(field.pstrValue) = strText;
            if (!strText.IsEmpty()) {
                // The newest text heads the history, once.
                CStringArray& history = m_options.*(field.parrHistory);
                for (int i = history.GetSize() - 1; i >= 0; --i)
                    if (history[i] == strText)
                        history.RemoveAt(i);
                history.InsertAt(0, strText);
                while (history.GetSize() > MAX_HISTORY)
                    history.RemoveAt(history.GetSize() - 1);
            }
        }
    }
    QDialog::accept();
}

void CToolOptionsDlg::EditHistory(const char* pszKey)
{
    for (CRow& row : m_rows) {
        if (!row.pCombo || qstrcmp(row.pField->pszKey, pszKey) != 0)
            continue;
        CStringArray& history = m_options.*(row.pField->parrHistory);
        QStringList entries;
        for (int i = 0; i < history.GetSize(); ++i)
            entries << ToQt(history[i]);
        if (!CListEditorDlg::Run(this, row.pSwitch ? row.pSwitch->text().remove(QLatin1Char('&')) : QString(), entries))
            return;
        history.RemoveAll();
        for (const QString& strEntry : entries)
            history.Add(Mine(strEntry));
        FillCombo(row.pCombo, row);
        if (row.pCombo->count() > 0)
            row.pCombo->setCurrentIndex(0);
        return;
    }
}

QCheckBox* CToolOptionsDlg::GetSwitch(const char* pszKey) const
{
    return findChild<QCheckBox*>(QString::fromUtf8(pszKey));
}

QComboBox* CToolOptionsDlg::GetCombo(const char* pszKey) const
{
    return findChild<QComboBox*>(QString::fromUtf8(pszKey));
}

QLineEdit* CToolOptionsDlg::GetText(const char* pszKey) const
{
    // A combo's own line edit has no object name, so this finds only the text fields.
    return findChild<QLineEdit*>(QString::fromUtf8(pszKey));
}

QRadioButton* CToolOptionsDlg::GetDocType(int nType) const
{
    return nType == 2 ? m_pMif : m_pHtml;
}

std::vector<const char*> CToolOptionsDlg::GetKeys() const
{
    std::vector<const char*> keys;
    for (const CRow& row : m_rows)
        keys.push_back(row.pField->pszKey);
    return keys;
}
