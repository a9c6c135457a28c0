// CEditorDlg: the Editor dialog (Customize, Editor...): tab width, the
// recent-items count of the menus, the recent-file list length, the undo
// buffer size and the editor's switches. OK goes through
// CJavaIDEApp::ApplyEditorDialog; a number outside its range is reported
// and keeps the dialog open with that field selected.
#pragma once

#include "EditorSettings.h"

#include <QDialog>

class CJavaIDEApp;
class QCheckBox;
class QLineEdit;

class CEditorDlg : public QDialog {
    Q_OBJECT
public:
    enum ENumber { NUMBER_TAB_WIDTH, NUMBER_MENU_ITEMS, NUMBER_MRU_LENGTH, NUMBER_UNDO_SIZE, NUMBER_COUNT };
    enum ESwitch {
        SWITCH_TAB_SPACES,
        SWITCH_AUTO_EXPAND,
        SWITCH_MENU_TOOLTIP,
        SWITCH_BEEP,
        SWITCH_SMART_INDENT,
        SWITCH_PARSE_ON_SAVE,
        SWITCH_PARSE_ALL_FILES,
        SWITCH_CLOSE_PROJECT_FILES,
        SWITCH_COUNT
    };

    CEditorDlg(CJavaIDEApp& app, QWidget* pParent = nullptr);

    // Runs the dialog modally; TRUE when OK stored the values.
    static BOOL Run(QWidget* pParent, CJavaIDEApp& app);

    QLineEdit* GetNumber(int nNumber) const { return m_pNumbers[nNumber]; }
    QCheckBox* GetSwitch(int nSwitch) const { return m_pSwitches[nSwitch]; }
    // The values of the fields; FALSE (and the field selected) when a number field does not hold a number.
    BOOL GetValues(CEditorSettings::CDialogValues& values);

    // Stores the values through the application; the dialog closes only when they were taken.
    void accept() override;

private:
    void SelectNumber(int nNumber);

    CJavaIDEApp& m_app;
    QLineEdit* m_pNumbers[NUMBER_COUNT];
    QCheckBox* m_pSwitches[SWITCH_COUNT];
};
