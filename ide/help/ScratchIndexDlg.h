// CScratchIndexDlg: the entries a page's links made, before they go into
// the user index: keyword and address per line. The keyword of the
// selected entry can be edited; "Change" replaces the line in place. OK
// keeps the edited entries for the caller, Cancel drops them.
#pragma once

#include "SearchEntry.h"

#include <QDialog>

#include <vector>

class CStringArray;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class CScratchIndexDlg : public QDialog {
    Q_OBJECT
public:
    // entries and helpDirs (not owned) outlive the dialog; entries is edited in place.
    CScratchIndexDlg(std::vector<CSearchEntry>& entries, const CStringArray& helpDirs, QWidget* pParent = nullptr);

    // The selected line's keyword into the text field.
    void OnSelectionChanged();
    // The text field's keyword into the selected entry and its line; an empty text is refused.
    void OnChangeKeyword();

    QTreeWidget* GetList() const { return m_pList; }
    QLineEdit* GetKeywordField() const { return m_pKeyword; }
    QPushButton* GetChangeButton() const { return m_pChange; }

protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    std::vector<CSearchEntry>& m_entries;
    QTreeWidget* m_pList;
    QLineEdit* m_pKeyword;
    QPushButton* m_pChange;
};
