#include "EditorDlg.h"

#include "JavaIDEApp.h"
#include "UserInterface.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

const char* const s_numberLabels[CEditorDlg::NUMBER_COUNT] = {
    "&Tab width (characters):",
    "Recent &items on menus:",
    "Recent &files list length:",
    "&Undo buffer size:",
};

const char* const s_switchLabels[CEditorDlg::SWITCH_COUNT] = {
    "Insert &spaces for tabs", "&Auto expand",    "&Menu tool tips",  "&Beep",
    "Smart i&ndent",           "&Parse on save", "Parse a&ll files", "&Close project files",
};

} // namespace

CEditorDlg::CEditorDlg(CJavaIDEApp& app, QWidget* pParent)
    : QDialog(pParent)
    , m_app(app)
{
    setWindowTitle(tr("Editor"));
    const CEditorSettings::CDialogValues values = app.m_EditorSettings.GetDialogValues();
    const int numbers[NUMBER_COUNT] = {values.nTabWidth, values.nMenuItems, values.nMRULength, values.nUndoBufferSize};
    const BOOL switches[SWITCH_COUNT] = {values.bTabSpaces,   values.bAutoExpand,  values.bMenuTooltip,
                                         values.bBeep,        values.bSmartIndent, values.bParseOnSave,
                                         values.bParseAllFiles, values.bCloseProjectFiles};

    // Digits only; the ranges are checked on OK so that the user learns them.
    auto* pDigits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), this);
    auto* pForm = new QFormLayout;
    for (int i = 0; i < NUMBER_COUNT; ++i) {
        m_pNumbers[i] = new QLineEdit(QString::number(numbers[i]), this);
        m_pNumbers[i]->setValidator(pDigits);
        m_pNumbers[i]->setMaximumWidth(80);
        pForm->addRow(tr(s_numberLabels[i]), m_pNumbers[i]);
    }
    auto* pGroup = new QGroupBox(tr("Options"), this);
    auto* pGrid = new QGridLayout(pGroup);
    for (int i = 0; i < SWITCH_COUNT; ++i) {
        m_pSwitches[i] = new QCheckBox(tr(s_switchLabels[i]), pGroup);
        m_pSwitches[i]->setChecked(switches[i]);
        pGrid->addWidget(m_pSwitches[i], i / 2, i % 2);
    }

    auto* pBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(pBox, &QDialogButtonBox::accepted, this, &CEditorDlg::accept);
    connect(pBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pForm);
    pLayout->addWidget(pGroup);
    pLayout->addWidget(pBox);
}

BOOL CEditorDlg::Run(QWidget* pParent, CJavaIDEApp& app)
{
    CEditorDlg dlg(app, pParent);
    return dlg.exec() == QDialog::Accepted;
}

BOOL CEditorDlg::GetValues(CEditorSettings::CDialogValues& values)
{
    int numbers[NUMBER_COUNT];
    for (int i = 0; i < NUMBER_COUNT; ++i) {
        bool bOk = false;
        numbers[i] = m_pNumbers[i]->text().trimmed().toInt(&bOk);
        if (!bOk) {
            AfxMessageBox("Please enter an integer.", MB_OK | MB_ICONEXCLAMATION);
            SelectNumber(i);
            return FALSE;
        }
    }
    values.nTabWidth = numbers[NUMBER_TAB_WIDTH];
    values.nMenuItems = numbers[NUMBER_MENU_ITEMS];
    values.nMRULength = numbers[NUMBER_MRU_LENGTH];
    values.nUndoBufferSize = numbers[NUMBER_UNDO_SIZE];
    BOOL* switches[SWITCH_COUNT] = {&values.bTabSpaces,   &values.bAutoExpand,  &values.bMenuTooltip,
                                    &values.bBeep,        &values.bSmartIndent, &values.bParseOnSave,
                                    &values.bParseAllFiles, &values.bCloseProjectFiles};
    for (int i = 0; i < SWITCH_COUNT; ++i)
        *switches[i] = m_pSwitches[i]->isChecked() ? TRUE : FALSE;
    return TRUE;
}

void CEditorDlg::SelectNumber(int nNumber)
{
    m_pNumbers[nNumber]->setFocus();
    m_pNumbers[nNumber]->selectAll();
}

void CEditorDlg::accept()
{
    CEditorSettings::CDialogValues values;
    if (!GetValues(values))
        return;
    int nOutside = CEditorSettings::FindOutOfRange(values);
    if (!m_app.ApplyEditorDialog(values)) {
        if (nOutside >= 0)
            SelectNumber(nOutside);
        return;
    }
    QDialog::accept();
}
