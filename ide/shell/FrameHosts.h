// The main window's answers to the tool commands (CFrameDocumentHost) and
// to the projects (CFrameProjectHost): saving and finding the source
// documents, the jump from an output line to a source line, the main
// window's title and the output pane.
#pragma once

#include "AppProjectHost.h"
#include "ToolDocumentHost.h"

#include <QPointer>

class CMainFrame;
class CProjectView;

class CFrameDocumentHost : public CToolDocumentHost {
public:
    // frame (not owned) must outlive the host.
    explicit CFrameDocumentHost(CMainFrame& frame);

    BOOL SaveActiveDocument() override;
    BOOL SaveAllModified() override;
    BOOL SaveDocumentIfModified(const char* pszPath) override;
    CString GetActiveDocumentPath() override;
    // Opens or activates the file and puts the caret on the line, marked.
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override;
    // A captured user command's output window opens in the document area.
    void ShowOutputFrame(CMDIOutputFrame* pFrame) override;
    void OutputFrameClosing(CMDIOutputFrame* pFrame) override;
    // The project tree's page is the one shown in the project window.
    BOOL IsProjectPageCurrent() override;
    // The open project's file pictures (main class, needs-compile marks) are drawn again.
    void RefreshProjectImages() override;

private:
    CMainFrame& m_frame;
};

class CFrameProjectHost : public CAppProjectHost {
public:
    // app (not owned) must outlive the host; the frame may go first (the host then does what the default does).
    CFrameProjectHost(const CJavaIDEApp& app, CMainFrame& frame);

    void SetMainTitle(const char* pszTitle) override;
    BOOL CloseDocument(const char* pszPath) override;
    BOOL SaveDocumentIfModified(const char* pszPath) override;
    void OpenDocument(const char* pszPath) override;
    // The project tree view follows the project list.
    void RefreshViews() override;
    void RefreshNode(CTreeItem* pNode) override;
    void NodeDeleted(CTreeItem* pNode) override;
    void SelectNode(CTreeItem* pNode, BOOL bEdit) override;
    // The progress bar of Parse All, in the status bar.
    void BeginProgress(int nMax) override;
    void StepProgress() override;
    void EndProgress() override;
    // F9 while the debugger runs: the breakpoint is set or cleared there too.
    void DebuggerSetBreakpoint(const char* pszClass, WORD nLine) override;
    void DebuggerClearBreakpoint(const char* pszClass, WORD nLine) override;
    // The GUI builder for a resource of the open project (the browsers' part of the window).
    void EditResource(const char* pszPath) override;

private:
    // The tree view, showing the application's project list; null when the window is gone.
    CProjectView* GetView() const;

    const CJavaIDEApp& m_app;
    QPointer<CMainFrame> m_pFrame;
};
