// CFrameDebuggerHost: the main window's answers to the debugger: the debug
// page, the output pane, the source windows that show the stop (opened
// when needed, the debugger glyph and the caret on the line), and the
// project's files that a class or a stack line names.
#pragma once

#include "DebuggerHost.h"

class CDebugOutput;
class CMainFrame;
class CProject;

class CFrameDebuggerHost : public CDebuggerHost {
public:
    // frame and page (not owned) must outlive the host.
    CFrameDebuggerHost(CMainFrame& frame, CDebugOutput& page);

    void WriteDebugOutput(const char* pszText) override;
    void ClearDebugOutput() override;
    void WriteOutput(const char* pszText) override;
    void ShowOutputPane() override;
    void ShowDebugWindow() override;
    // The project's ".java" file named after the class's outer class, in the
    // package's folder when several have that name.
    CString FindClassSource(const char* pszClass) override;
    BOOL ShowStop(const char* pszClass, int nLine) override;
    void ClearStop() override;
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override;
    CString GetSourceFolder() override;
    CString FindProjectFile(const char* pszFileName) override;
    // The package index, for Stepover Packages.
    const CClassIndex* GetClassIndex() override;
    void DebuggerChanged() override;
    void DebuggerEnded() override;
    void CloseMainWindow() override;

    // A double click on a line of the debug page: the source position it
    // names opens, from the project's files or else the JDK source folder.
    BOOL OpenLinePosition(const char* pszLine);

private:
    CProject* GetOpenProject() const;

    CMainFrame& m_frame;
    CDebugOutput& m_page;
};
