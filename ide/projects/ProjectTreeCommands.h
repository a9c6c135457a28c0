// CProjectTreeCommands: what the project tree's context-menu commands, the
// Delete key and a double click do to the selected node. The tree view
// forwards them here; questions and file dialogs go through the
// user-interface seam.
#pragma once

#include "WinTypes.h"

class CProjectDoc;
class CTreeItem;

class CProjectTreeCommands {
public:
    // pDoc (not owned) must outlive the object.
    explicit CProjectTreeCommands(CProjectDoc& doc) : m_doc(doc) {}

    // Runs command nID (EProjectCommand) on pSelected (may be null); FALSE
    // when the command does not apply to the node or did nothing. pSelected
    // may be destroyed by delete commands.
    BOOL OnCommand(UINT nID, CTreeItem* pSelected);
    // The Delete key: removes the node according to its kind; FALSE when nothing happened.
    BOOL GenericDelete(CTreeItem* pSelected);
    // A double click: opens the file or project the node stands for.
    BOOL OnDoubleClick(CTreeItem* pSelected);
    // The label of a file or folder was edited to pszText; FALSE when refused.
    BOOL OnLabelEdited(CTreeItem* pSelected, const char* pszText);
    // Add File: a file dialog in the last used folder; every chosen file that
    // exists is added to pFolder. The number added.
    int AddFiles(CTreeItem* pFolder);
    // Add Project: a file dialog for an existing ".mosk" file that is then listed.
    BOOL AddProject();

private:
    CProjectDoc& m_doc;
};
