// CJavaIDEViewHost: what a source document and its view ask of the rest of
// the program: the status bar, the other document windows, the output
// window, the tool runs, the open project, the user commands, the debugger
// and the browsers. The main window supplies the implementation; every
// operation has a harmless default so that documents run headless in tests.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <vector>

class CDragToken;
class CJavaIDEView;
class CProjectDoc;
class CVarContainer;
class CVarObject;

// Settings a view applies when it is created and when the options change.
struct CViewSettings {
    LOGFONT m_lfEditor{};        // the editor font
    int m_nTabSize = 8;          // "Tabsize": four times the tab width in characters
    BOOL m_bParseOnSave = TRUE;  // "ParseOnSave"
};

class CJavaIDEViewHost {
public:
    virtual ~CJavaIDEViewHost() = default;

    // The editor settings in force now.
    virtual CViewSettings GetViewSettings() { return CViewSettings(); }

    // Status bar: the caret's 1-based line and column in the active view.
    virtual void SetCursorPos(long nLine, int nColumn) {}
    // Status bar INS / OVR; every other open view is switched to the same mode.
    virtual void SetInsertMode(CJavaIDEView* pFrom, BOOL bInsert) {}
    // Ctrl+Tab: the next document window becomes active.
    virtual void ActivateNextDocument() {}
    // Escape: the docked output panes are hidden.
    virtual void HideOutputPanes() {}
    // The path was opened or saved under a new name: it heads the recent-file list.
    virtual void AddToRecentFileList(const char* pszPath) {}

    // The output window.
    virtual void ClearOutput() {}
    virtual void WriteOutput(const char* pszText) {}

    // TRUE while a tool run owns the output window or a build runs.
    virtual BOOL IsToolBusy() { return FALSE; }
    // Starts the compile / documentation run for pszPath; FALSE when nothing started.
    virtual BOOL StartCompile(const char* pszPath) { return FALSE; }
    virtual BOOL StartJavadoc(const char* pszPath) { return FALSE; }

    // The project list document with the open project; null when there is none.
    virtual CProjectDoc* GetProjectDoc() { return nullptr; }
    // The project tree shows the project again (a file was added, classes changed).
    virtual void RefreshProjectTree() {}

    // TRUE when the user commands hold one named "checkout" (any case).
    virtual BOOL HasCheckoutCommand() { return FALSE; }
    // Runs the "checkout" user command with pszPath as its argument.
    virtual void RunCheckoutCommand(const char* pszPath) {}

    // TRUE while the debugger runs.
    virtual BOOL IsDebuggerActive() { return FALSE; }
    // The breakpoints of the project changed: the debugger window shows them again.
    virtual void BreakpointsChanged() {}
    // A word of the source was double-clicked while the debugger runs: at a break it prints the variable.
    virtual void PrintVariable(const char* pszName) {}
    // TRUE while a drag that started in one of the browser views is under way.
    virtual BOOL IsBrowserDragSource() { return FALSE; }
    // Context menu "look up": the package view looks pszWord up as a class, then an interface.
    virtual void LookUpWord(const char* pszWord) {}
    // Context menu "find": the find dialog opens with pszWord (used when the
    // view's own window has no find dialog).
    virtual void FindWord(const char* pszWord) {}

    // A token dragged from a browser was dropped at 1-based nLine of pView;
    // pClass is the class or interface of the view's text at that line (null
    // when none; it lives only during the call). The class wizard inserts its code; FALSE when nothing was
    // inserted.
    virtual BOOL InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine)
    {
        return FALSE;
    }

    // The methods of pClass's ancestors that may be overridden, for the class
    // popup's "Override" submenu (they live while the package index is unchanged).
    virtual std::vector<CVarObject*> GetOverridableMethods(CVarContainer* pClass) { return {}; }

    // A command of the main window that a source window offers too (Run on
    // the context menu); the main window carries it out.
    virtual void ExecuteMainCommand(UINT nId) {}
    // TRUE when that command is enabled now.
    virtual BOOL IsMainCommandEnabled(UINT nId) { return FALSE; }
};
