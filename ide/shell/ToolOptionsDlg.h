// CToolOptionsDlg: the compiler, interpreter and javadoc option dialogs, for
// the open project or for the global defaults of the project list. Each
// dialog is a table of fields over CToolOptions: switches, switches with a
// text or a combo box whose drop-down list is the field's history, the
// document type. A class path or program-arguments combo has a button that
// edits its history in the list editor. OK writes the fields back and puts
// each combo's text at the top of its history.
#pragma once

#include "WinTypes.h"

#include <QDialog>

#include <vector>

class CToolOptions;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class CToolOptionsDlg : public QDialog {
    Q_OBJECT
public:
    enum ETool { TOOL_COMPILER, TOOL_INTERPRETER, TOOL_JAVADOC };
    // Entries a history keeps.
    static constexpr int MAX_HISTORY = 10;

    // A dialog over options (not owned; written on OK only); bGlobal: the
    // global defaults' fields, else the project's.
    CToolOptionsDlg(ETool nTool, BOOL bGlobal, CToolOptions& options, QWidget* pParent = nullptr);
    ~CToolOptionsDlg() override;

    // The dialog's title: "Compiler Options", "Root Interpreter Options", ...
    static QString GetTitle(ETool nTool, BOOL bGlobal);
    // The tool of a command: 32834/33013 compiler, 32838/33012 interpreter,
    // 32939/33014 javadoc; FALSE for other numbers.
    static BOOL ToolOfCommand(UINT nID, ETool& nTool);

    // OK: the fields go to the options, the combo texts to their histories.
    void accept() override;
    // The list editor on the history of the combo named pszKey; the combo is refilled.
    void EditHistory(const char* pszKey);

    // The widgets by field key (the keys are the widgets' object names); null when the dialog has none.
    QCheckBox* GetSwitch(const char* pszKey) const;
    QComboBox* GetCombo(const char* pszKey) const;
    QLineEdit* GetText(const char* pszKey) const;
    QRadioButton* GetDocType(int nType) const;
    // The keys of every switch, text and combo of this dialog, in table order.
    std::vector<const char*> GetKeys() const;

private:
    struct CRow;
    void Build();
    void Load();
    void FillCombo(QComboBox* pCombo, const CRow& row);

    ETool m_nTool;
    BOOL m_bGlobal;
    CToolOptions& m_options;
    std::vector<CRow> m_rows;
    QRadioButton* m_pHtml = nullptr;
    QRadioButton* m_pMif = nullptr;
};
