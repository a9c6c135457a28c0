// CProjectHost: what the projects ask of the rest of the program: the
// settings, the main window's title and controls, the project view, the
// editor documents, the debugger, the output window and the progress bar.
// The application object supplies an implementation; every operation has a
// harmless default so that tests and tools override only what they watch.
#pragma once

#include "ProjectSettings.h"
#include "String.h"

class CTreeItem;

class CProjectHost {
public:
    virtual ~CProjectHost() = default;

    // The application settings in force now.
    virtual CProjectSettings GetSettings() const { return CProjectSettings(); }
    // The main window's title.
    virtual CString GetMainTitle() const { return m_strTitle; }
    virtual void SetMainTitle(const char* pszTitle) { m_strTitle = pszTitle; }
    // The project views show the whole tree again.
    virtual void RefreshViews() {}
    // The main window updates the controls that depend on the open project.
    virtual void RefreshProjectControls() {}
    // A node's label, picture or children changed.
    virtual void RefreshNode(CTreeItem* pNode) {}
    // pNode (and its subtree) is about to be destroyed: views drop their items.
    virtual void NodeDeleted(CTreeItem* pNode) {}
    // The project view selects pNode, and starts editing its label when bEdit.
    virtual void SelectNode(CTreeItem* pNode, BOOL bEdit) {}

    // Closes the editor window of pszPath if one is open, asking to save it
    // when modified; FALSE when the user cancelled.
    virtual BOOL CloseDocument(const char* pszPath) { return TRUE; }
    // Saves the editor document of pszPath when it is open and modified;
    // FALSE when that failed.
    virtual BOOL SaveDocumentIfModified(const char* pszPath) { return TRUE; }
    // Opens pszPath the way a double click asks for: an editor, or the GUI
    // builder for a resource file.
    virtual void OpenDocument(const char* pszPath) {}
    virtual void EditResource(const char* pszPath) {}
    // Compiles pszPath with the open project's options.
    virtual void CompileFile(const char* pszPath) {}
    // Starts the browser pszBrowser on pszPath.
    virtual void BrowseFile(const char* pszBrowser, const char* pszPath) {}
    // The source window of pszPath repaints its breakpoint marks.
    virtual void RepaintSource(const char* pszPath) {}

    // A running debugger sets or clears a breakpoint (no-op when none runs).
    virtual void DebuggerSetBreakpoint(const char* pszClass, WORD nLine) {}
    virtual void DebuggerClearBreakpoint(const char* pszClass, WORD nLine) {}

    // Appends text to the output window.
    virtual void WriteOutput(const char* pszText) {}
    // The progress bar: shown with a range of 0 to nMax, stepped, hidden.
    virtual void BeginProgress(int nMax) {}
    virtual void StepProgress() {}
    virtual void EndProgress() {}

protected:
    CString m_strTitle = "Mosk";
};
