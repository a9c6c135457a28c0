#include "CommandsDlg.h"

#include "MacroExpander.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

QString ToQString(const CString& str) { return QString::fromUtf8(str.c_str(), str.GetLength()); }

CString ToCString(const QString& str)
{
    QByteArray bytes = str.toUtf8();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

} // namespace

CMacroPickerDlg::CMacroPickerDlg(BOOL bStartupDir, QWidget* pParent) : QDialog(pParent)
{
    setWindowTitle(QStringLiteral("Macros"));
    auto* pLayout = new QVBoxLayout(this);
    m_pList = new QListWidget;
    for (const CString& strMacro : CMacroExpander::GetPickerMacros(bStartupDir))
        m_pList->addItem(ToQString(strMacro));
    if (m_pList->count() > 0)
        m_pList->setCurrentRow(0);
    pLayout->addWidget(m_pList);
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons);
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

QString CMacroPickerDlg::GetChoice() const
{
    return m_pList->currentItem() ? m_pList->currentItem()->text() : QString();
}

CCommandsDlg::CCommandsDlg(const std::vector<CCommand>& commands, QWidget* pParent)
    : QDialog(pParent), m_commands(commands)
{
    setWindowTitle(QStringLiteral("Commands"));
    auto* pLayout = new QGridLayout(this);
    m_pList = new QListWidget;
    pLayout->addWidget(m_pList, 0, 0, 8, 1);
    auto* pAdd = new QPushButton(QStringLiteral("&Add"));
    m_pRemove = new QPushButton(QStringLiteral("&Remove"));
    auto* pListButtons = new QHBoxLayout;
    pListButtons->addWidget(pAdd);
    pListButtons->addWidget(m_pRemove);
    pLayout->addLayout(pListButtons, 8, 0);

    auto fnRow = [&](int nRow, const char* pszLabel, QLineEdit*& pField, QPushButton** ppPicker) {
        pLayout->addWidget(new QLabel(QString::fromUtf8(pszLabel)), nRow, 1);
        pField = new QLineEdit;
        pLayout->addWidget(pField, nRow, 2);
        if (ppPicker) {
            *ppPicker = new QPushButton(QStringLiteral(">"));
            (*ppPicker)->setToolTip(QStringLiteral("Macros"));
            pLayout->addWidget(*ppPicker, nRow, 3);
        }
    };
    QPushButton* pArgsPicker = nullptr;
    QPushButton* pDirPicker = nullptr;
    fnRow(0, "&Name:", m_pName, nullptr);
    fnRow(1, "&Command:", m_pCommand, nullptr);
    fnRow(2, "A&rguments:", m_pArguments, &pArgsPicker);
    fnRow(3, "&Startup directory:", m_pStartup, &pDirPicker);
    const char* pszSwitches[SWITCH_COUNT] = {"Use IDE &class path", "Ca&pture output", "On &file menu",
                                             "On pro&ject menu"};
    for (int i = 0; i < SWITCH_COUNT; ++i) {
        m_pSwitches[i] = new QCheckBox(QString::fromUtf8(pszSwitches[i]));
        pLayout->addWidget(m_pSwitches[i], 4 + i, 2);
    }
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pLayout->addWidget(pButtons, 9, 0, 1, 4);

    for (const CCommand& command : m_commands)
        m_pList->addItem(ToQString(command.m_strName));
    connect(m_pList, &QListWidget::currentRowChanged, this, [this](int nRow) {
        StoreCommand();
        ShowCommand(nRow);
    });
    connect(m_pName, &QLineEdit::textEdited, this, [this](const QString& strName) {
        if (QListWidgetItem* pItem = m_pList->item(m_nShown))
            pItem->setText(strName);
    });
    connect(pAdd, &QPushButton::clicked, this, &CCommandsDlg::OnAdd);
    connect(m_pRemove, &QPushButton::clicked, this, &CCommandsDlg::OnRemove);
    connect(pArgsPicker, &QPushButton::clicked, this, [this] { OnPickMacro(FALSE); });
    connect(pDirPicker, &QPushButton::clicked, this, [this] { OnPickMacro(TRUE); });
    connect(pButtons, &QDialogButtonBox::accepted, this, &CCommandsDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (!m_commands.empty())
        m_pList->setCurrentRow(0);
    else
        ShowCommand(-1);
}

void CCommandsDlg::ShowCommand(int nIndex)
{
    m_nShown = nIndex >= 0 && nIndex < static_cast<int>(m_commands.size()) ? nIndex : -1;
    static const CCommand s_empty;
    const CCommand& command = m_nShown >= 0 ? m_commands[static_cast<size_t>(m_nShown)] : s_empty;
    m_pName->setText(ToQString(command.m_strName));
    m_pCommand->setText(ToQString(command.m_strCommand));
    m_pArguments->setText(ToQString(command.m_strArguments));
    m_pStartup->setText(ToQString(command.m_strStartupDir));
    const BOOL bSwitches[SWITCH_COUNT] = {command.m_bUseIDEClassPath, command.m_bCaptureOutput,
                                          command.m_bOnFileMenu, command.m_bOnProjectMenu};
    for (int i = 0; i < SWITCH_COUNT; ++i) {
        m_pSwitches[i]->setChecked(bSwitches[i]);
        m_pSwitches[i]->setEnabled(m_nShown >= 0);
    }
    for (QLineEdit* pField : {m_pName, m_pCommand, m_pArguments, m_pStartup})
        pField->setEnabled(m_nShown >= 0);
    m_pRemove->setEnabled(m_nShown >= 0);
}

void CCommandsDlg::StoreCommand()
{
    if (m_nShown < 0 || m_nShown >= static_cast<int>(m_commands.size()))
        return;
    CCommand& command = m_commands[static_cast<size_t>(m_nShown)];
    command.m_strName = ToCString(m_pName->text());
    command.m_strCommand = ToCString(m_pCommand->text());
    command.m_strArguments = ToCString(m_pArguments->text());
    command.m_strStartupDir = ToCString(m_pStartup->text());
    command.m_bUseIDEClassPath = m_pSwitches[SWITCH_CLASSPATH]->isChecked();
    command.m_bCaptureOutput = m_pSwitches[SWITCH_CAPTURE]->isChecked();
    command.m_bOnFileMenu = m_pSwitches[SWITCH_FILE_MENU]->isChecked();
    command.m_bOnProjectMenu = m_pSwitches[SWITCH_PROJECT_MENU]->isChecked();
}

void CCommandsDlg::OnAdd()
{
    StoreCommand();
    CCommand command;
    command.m_strName = "New Command";
    m_commands.push_back(command);
    m_nShown = -1;
    m_pList->addItem(ToQString(command.m_strName));
    m_pList->setCurrentRow(m_pList->count() - 1);
    m_pName->setFocus();
    m_pName->selectAll();
}

void CCommandsDlg::OnRemove()
{
    if (m_nShown < 0)
        return;
    int nIndex = m_nShown;
    m_nShown = -1;  // nothing to store from the fields
    m_commands.erase(m_commands.begin() + nIndex);
    delete m_pList->takeItem(nIndex);
    ShowCommand(m_pList->currentRow());
}

void CCommandsDlg::InsertMacro(BOOL bStartupDir, const QString& strMacro)
{
    QLineEdit* pField = bStartupDir ? m_pStartup : m_pArguments;
    pField->insert(strMacro);
    pField->setFocus();
}

void CCommandsDlg::OnPickMacro(BOOL bStartupDir)
{
    CMacroPickerDlg picker(bStartupDir, this);
    if (picker.exec() == QDialog::Accepted && !picker.GetChoice().isEmpty())
        InsertMacro(bStartupDir, picker.GetChoice());
}

void CCommandsDlg::accept()
{
    StoreCommand();
    QDialog::accept();
}
