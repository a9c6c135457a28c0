// The main window with a project made in a temporary folder: "Demo.mosk"
// holding a parsed Java source with a class, an interface and an import,
// an HTML page, a text file and a folder "Lib" with one more source.
#pragma once

#include "FrameFixture.h"

class CProjectDoc;
class CProjectView;
class CTreeItem;
class QTreeWidgetItem;

class ProjectViewTest : public FrameTest {
protected:
    // Starts the program and makes the project (open, saved).
    void StartWithProject();
    CProjectDoc& Doc() const;
    CProjectView& View() const;
    // The shown item with the text, expanding what it takes to insert it; null if none.
    QTreeWidgetItem* Item(const char* pszText) const;
    // Makes pszText's item current; false when there is none.
    bool Select(const char* pszText) const;
    // Expands every shown item, inserting their children.
    void ExpandAll() const;
    // Types pszText into the label editor open on the tree and commits it
    // with Enter; false when no editor is open.
    bool TypeIntoEditor(const char* pszText) const;

    CString m_strProject, m_strMain, m_strPage, m_strNotes, m_strHelper;
};
