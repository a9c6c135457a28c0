// CFindInFilesDlg: the dialog of "Find in Files": the text to find and the
// list of files to search, filled with "Add Files" (a file dialog), the
// open project's Java files and emptied of its selected entries with
// "Remove". OK is enabled only while there is a text and at least one file.
#pragma once

#include "StringArray.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;

class CFindInFilesDlg : public QDialog {
    Q_OBJECT
public:
    // projectFiles: every file of the open project (empty, and bProjectOpen
    // FALSE, without one); pszFilter: the file dialog's filter.
    CFindInFilesDlg(const CStringArray& projectFiles, BOOL bProjectOpen, const char* pszFilter,
                    QWidget* pParent = nullptr);

    // The search text and the files, in list order (after OK).
    CString GetText() const;
    CStringArray GetFiles() const;

    // Appends pszPath when it exists and is not listed yet (exact comparison); TRUE when added.
    BOOL AddFile(const char* pszPath);
    // "Add Files": the file dialog, then every chosen file as AddFile says.
    void OnAddFiles();
    // The project button: every ".java" file (any case) of the project not yet listed.
    void OnAddProjectFiles();
    // "Remove": the selected entries go.
    void OnRemove();

    QLineEdit* GetTextField() const { return m_pText; }
    QListWidget* GetList() const { return m_pList; }
    QPushButton* GetOkButton() const { return m_pOk; }
    QPushButton* GetProjectButton() const { return m_pProject; }
    QPushButton* GetRemoveButton() const { return m_pRemove; }

protected:
    void showEvent(QShowEvent* pEvent) override;

private:
    void UpdateButtons();

    CStringArray m_projectFiles;
    CString m_strFilter;
    QLineEdit* m_pText;
    QListWidget* m_pList;
    QPushButton* m_pOk;
    QPushButton* m_pProject;
    QPushButton* m_pRemove;
};
