// CCommandsDlg: Customize > Commands...: the user commands' list and, for
// the selected one, its name, command, arguments, start-up directory and
// the four switches (use the IDE's class path, capture the output, on the
// file menu, on the project menu). The macro buttons open the picker
// (CMacroPickerDlg), whose choice goes into the field at the caret. The
// dialog edits copies; OK hands them back.
#pragma once

#include "Command.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The macro picker: the macros for the arguments, or only the two folder
// macros for the start-up directory; the first entry is preselected.
class CMacroPickerDlg : public QDialog {
    Q_OBJECT
public:
    CMacroPickerDlg(BOOL bStartupDir, QWidget* pParent = nullptr);
    QListWidget* GetList() const { return m_pList; }
    // The chosen macro ("<File Path>"...); empty when none is selected.
    QString GetChoice() const;

private:
    QListWidget* m_pList;
};

class CCommandsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CCommandsDlg(const std::vector<CCommand>& commands, QWidget* pParent = nullptr);

    // The commands as edited (after OK).
    const std::vector<CCommand>& GetCommands() const { return m_commands; }
    // A new command named "New Command", selected.
    void OnAdd();
    // The selected command goes.
    void OnRemove();
    // Inserts pszMacro at the caret of the arguments (or start-up directory) field.
    void InsertMacro(BOOL bStartupDir, const QString& strMacro);
    // The picker for the arguments or the start-up directory; its choice is inserted.
    void OnPickMacro(BOOL bStartupDir);

    QListWidget* GetList() const { return m_pList; }
    QLineEdit* GetNameField() const { return m_pName; }
    QLineEdit* GetCommandField() const { return m_pCommand; }
    QLineEdit* GetArgumentsField() const { return m_pArguments; }
    QLineEdit* GetStartupField() const { return m_pStartup; }
    QCheckBox* GetSwitch(int nSwitch) const { return m_pSwitches[nSwitch]; }
    enum { SWITCH_CLASSPATH, SWITCH_CAPTURE, SWITCH_FILE_MENU, SWITCH_PROJECT_MENU, SWITCH_COUNT };

    void accept() override;

private:
    void ShowCommand(int nIndex);
    void StoreCommand();

    std::vector<CCommand> m_commands;
    int m_nShown = -1;
    QListWidget* m_pList;
    QLineEdit* m_pName;
    QLineEdit* m_pCommand;
    QLineEdit* m_pArguments;
    QLineEdit* m_pStartup;
    QCheckBox* m_pSwitches[SWITCH_COUNT];
    QPushButton* m_pRemove;
};
