// CDirectoriesDlg: the Directories dialog (Customize, Directories...): the
// JDK program, source and documentation folders, each an editable drop-down
// list with a list editor, and the browser, bean kit documentation, server
// kit documentation and program folder fields with their browse buttons.
// OK goes through CJavaIDEApp::ApplyDirectoriesDialog: a path that does
// not exist is reported and keeps the dialog open.
#pragma once

#include "DirSettings.h"

#include <QDialog>

class CJavaIDEApp;
class QComboBox;
class QLineEdit;

class CDirectoriesDlg : public QDialog {
    Q_OBJECT
public:
    enum EList { LIST_EXE, LIST_SOURCE, LIST_DOC, LIST_COUNT };
    enum EField { FIELD_BROWSER, FIELD_BEAN_DOC, FIELD_JSDK_DOC, FIELD_PROGRAM, FIELD_COUNT };

    CDirectoriesDlg(CJavaIDEApp& app, QWidget* pParent = nullptr);

    // Runs the dialog modally; TRUE when OK stored the folders.
    static BOOL Run(QWidget* pParent, CJavaIDEApp& app);

    // What OK hands to the application: the fields, the lists' texts and their entries.
    CDirSettings::CDialogValues GetValues() const;
    QComboBox* GetList(int nList) const { return m_pLists[nList]; }
    QLineEdit* GetField(int nField) const { return m_pFields[nField]; }

    // The list editor of a drop-down list (titled "Edit Java Bin Path", ...).
    void EditList(int nList);
    // The browse button of a field: a file dialog for the browser, folder pickers for the others.
    void Browse(int nField);

    // Stores the folders through the application; the dialog closes only when they were taken.
    void accept() override;

private:
    static QStringList Entries(const QComboBox* pList);
    void FillList(int nList, const QStringList& entries, const QString& strCurrent);

    CJavaIDEApp& m_app;
    QComboBox* m_pLists[LIST_COUNT];
    QLineEdit* m_pFields[FIELD_COUNT];
};
