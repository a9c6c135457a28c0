// CBreakpointListDlg: the Breakpoint List of the open project: every
// breakpoint with its file, class and line; Delete removes the chosen ones
// from the project (a running debugger clears them too).
#pragma once

#include "WinTypes.h"

#include <QDialog>

class CProject;
class QPushButton;
class QTreeWidget;

class CBreakpointListDlg : public QDialog {
    Q_OBJECT
public:
    // project (not owned) must outlive the dialog.
    explicit CBreakpointListDlg(CProject& project, QWidget* pParent = nullptr);

    // Fills the list from the project's breakpoints.
    void Fill();
    // Removes the selected entries from the project; the number removed.
    int DeleteSelected();
    QTreeWidget* GetList() const { return m_pList; }

private:
    CProject& m_project;
    QTreeWidget* m_pList;
    QPushButton* m_pDelete;
};
