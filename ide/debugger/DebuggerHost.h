// CDebuggerHost: what the debugger asks of the rest of the program: the
// debug output page, the output window, the source windows (the stop's
// line shown and cleared, files opened at a line), the project's files
// and the package index. The main window supplies the implementation;
// every operation has a harmless default so that tests override only what
// they watch.
#pragma once

#include "String.h"

class CClassIndex;

class CDebuggerHost {
public:
    virtual ~CDebuggerHost() = default;

    // The debug output page: text appended at its end; emptied.
    virtual void WriteDebugOutput(const char* pszText) {}
    virtual void ClearDebugOutput() {}
    // The output window.
    virtual void WriteOutput(const char* pszText) {}
    // The output row and the debug page are made visible.
    virtual void ShowOutputPane() {}
    virtual void ShowDebugWindow() {}

    // The source of the class pszClass ("p.Hello", "Outer$Inner") in the
    // project; empty when the project has none.
    virtual CString FindClassSource(const char* pszClass) { return CString(); }
    // The stop is shown in the source window of the class (opened when
    // needed): the debugger glyph and the caret on line nLine. FALSE when
    // the project does not know the class (nothing is shown then).
    virtual BOOL ShowStop(const char* pszClass, int nLine) { return FALSE; }
    // The stop shown last is cleared from its source window.
    virtual void ClearStop() {}
    // Opens pszPath at 1-based line nLine, marking the line; FALSE when it cannot.
    virtual BOOL OpenFileAtLine(const char* pszPath, int nLine) { return FALSE; }
    // The package index; null when there is none.
    virtual const CClassIndex* GetClassIndex() { return nullptr; }
    // The JDK source folder of the settings (empty: none).
    virtual CString GetSourceFolder() { return CString(); }
    // The project's file whose name and extension are pszFileName; empty when none.
    virtual CString FindProjectFile(const char* pszFileName) { return CString(); }

    // The debugger window's state changed (a chunk was handled, a command sent): commands' enabled states follow.
    virtual void DebuggerChanged() {}
    // The debugger run has ended (its process and threads are gone or going).
    virtual void DebuggerEnded() {}
    // The close of the main window that waited for the debugger goes on.
    virtual void CloseMainWindow() {}
};
