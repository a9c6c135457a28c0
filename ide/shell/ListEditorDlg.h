// CListEditorDlg: edits a list of folders (the JDK program, source or
// documentation folders the Directories dialog offers): add a folder picked
// in the folder dialog, add an empty entry to type in, edit, remove, and
// move entries up and down. Empty entries are dropped on OK.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class CListEditorDlg : public QDialog {
    Q_OBJECT
public:
    CListEditorDlg(const QString& strTitle, const QStringList& entries, QWidget* pParent = nullptr);

    // Runs the dialog on entries; TRUE and the edited list in entries on OK.
    static bool Run(QWidget* pParent, const QString& strTitle, QStringList& entries);

    // The entries as they stand, empty ones left out.
    QStringList GetEntries() const;
    QListWidget* GetList() const { return m_pList; }

    // The buttons' actions, on the current entry.
    void OnBrowse();
    void OnAdd();
    void OnEdit();
    void OnRemove();
    void OnMove(int nBy);

private:
    void UpdateButtons();
    void AddEntry(const QString& strEntry, bool bEdit);

    QListWidget* m_pList;
    QPushButton* m_pEdit;
    QPushButton* m_pRemove;
    QPushButton* m_pUp;
    QPushButton* m_pDown;
};
