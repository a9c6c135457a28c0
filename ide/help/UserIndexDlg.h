// CUserIndexDlg: the User Index dialog over a CUserIndexEditor: the user
// index's entries (keyword and address), Add... (a page's links, shown in
// the side help window, become the entries of the scratch dialog), Remove,
// and OK and Cancel as the editor ends them.
#pragma once

#include "SearchEntry.h"

#include <QDialog>

#include <functional>
#include <vector>

class CHelpBrowser;
class CHelpProgress;
class CScratchIndexDlg;
class CUserIndexEditor;
class QPushButton;
class QTreeWidget;

class CUserIndexDlg : public QDialog {
    Q_OBJECT
public:
    // Shows a page in the side help window; the window's browser, or null when the page could not be shown.
    using PageOpener = std::function<CHelpBrowser*(const CString& strPage)>;
    // Runs the scratch dialog; QDialog::Accepted keeps its entries (tests drive the dialog here).
    using ScratchRunner = std::function<int(CScratchIndexDlg& dialog)>;

    // editor (not owned) has been opened and outlives the dialog.
    explicit CUserIndexDlg(CUserIndexEditor& editor, QWidget* pParent = nullptr);

    void SetPageOpener(PageOpener fn) { m_fnOpenPage = std::move(fn); }
    void SetScratchRunner(ScratchRunner fn) { m_fnRunScratch = std::move(fn); }
    // The status bar's progress bar (not owned, may be null) for the links and the save.
    void SetProgress(CHelpProgress* pProgress) { m_pProgress = pProgress; }

    // Add...: the file dialog, the page in the side window, its links into the scratch dialog.
    void OnAdd();
    // Removes the selected entry.
    void OnRemove();
    // Fills the list from the editor's entries.
    void Refill();
    // OK: tidies and saves a changed index; stays open when the save failed.
    void accept() override;
    // Cancel: asks about changes; stays open when the save asked for failed.
    void reject() override;

    QTreeWidget* GetList() const { return m_pList; }
    QPushButton* GetAddButton() const { return m_pAdd; }
    QPushButton* GetRemoveButton() const { return m_pRemove; }

private:
    CUserIndexEditor& m_editor;
    PageOpener m_fnOpenPage;
    ScratchRunner m_fnRunScratch;
    CHelpProgress* m_pProgress = nullptr;
    std::vector<CSearchEntry> m_shown;  // the entries of the list's lines, in order
    QTreeWidget* m_pList;
    QPushButton* m_pAdd;
    QPushButton* m_pRemove;
};
