// CFrameProjectViewHost: the main window's answers to the project tree
// view: the root option dialogs, the user commands of the file and project
// menus, the jump to a source line, and the enabling of the tree's
// commands while tools and programs run.
#pragma once

#include "ProjectViewHost.h"

#include <functional>

class CMainFrame;

class CFrameProjectViewHost : public CProjectViewHost {
public:
    // frame (not owned) must outlive the host.
    explicit CFrameProjectViewHost(CMainFrame& frame) : m_frame(frame) {}

    void EditRootOptions(UINT nID) override;
    std::vector<CProjectViewMenuItem> GetUserCommands(BOOL bProjectMenu) override;
    BOOL RunUserCommand(UINT nID, const char* pszPath) override;
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override;
    // Compile only without a tool or program run; the project commands as
    // the Project menu's rules; the resource commands when a handler is set.
    BOOL IsCommandEnabled(UINT nID) override;
    BOOL OnResourceCommand(UINT nID, CTreeItem* pNode) override;
    BOOL EditDesign(const char* pszPath, const char* pszName, BOOL bFrame) override;

    // The GUI builder's handler of the resource commands (32992 to 33009).
    void SetResourceHandler(std::function<BOOL(UINT, CTreeItem*)> fnHandler) { m_fnResource = std::move(fnHandler); }
    // The GUI builder's start for a resource file opened from the tree (a
    // double click on a ".res" item); without one the double click does nothing.
    void SetResourceEditor(std::function<void(const char*)> fnEditor) { m_fnEditor = std::move(fnEditor); }
    void EditResource(const char* pszPath) { if (m_fnEditor) m_fnEditor(pszPath); }
    // The GUI builder's start for one design of a resource file (a design node opened).
    void SetDesignEditor(std::function<BOOL(const char*, const char*, BOOL)> fnEditor) { m_fnDesign = std::move(fnEditor); }

private:
    CMainFrame& m_frame;
    std::function<BOOL(UINT, CTreeItem*)> m_fnResource;
    std::function<void(const char*)> m_fnEditor;
    std::function<BOOL(const char*, const char*, BOOL)> m_fnDesign;
};
