// CProjectViewHost: what the project tree view asks of the main window
// beyond the project list's own host: the root option dialogs, the user
// commands offered on file and project menus, the jump to a source line,
// the enabling of the menu entries while tools run, and the resource
// commands of the GUI builder. Every operation has a harmless default.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <vector>

class CTreeItem;

// One entry of a menu the view builds; nID 0 is a separator.
struct CProjectViewMenuItem {
    UINT nID = 0;
    CString strText;
};

class CProjectViewHost {
public:
    // User commands of file menus (49510..49519) and project menus (49520..49529).
    static constexpr UINT FIRST_USER_COMMAND = 49510;
    static constexpr UINT LAST_USER_COMMAND = 49529;
    // Commands of the GUI builder's resources.
    static constexpr UINT FIRST_RESOURCE_COMMAND = 32992;
    static constexpr UINT LAST_RESOURCE_COMMAND = 33009;

    virtual ~CProjectViewHost() = default;

    // The global-default option dialog of command nID (33012 interpreter,
    // 33013 compiler, 33014 javadoc).
    virtual void EditRootOptions(UINT nID) {}
    // The user commands offered on a file item's menu (bProjectMenu FALSE,
    // numbers 49510..) or a project node's menu (49520..), in menu order.
    virtual std::vector<CProjectViewMenuItem> GetUserCommands(BOOL bProjectMenu) { return {}; }
    // Runs user command nID with pszPath as its context; FALSE when it did not start.
    virtual BOOL RunUserCommand(UINT nID, const char* pszPath) { return FALSE; }
    // Opens pszPath (an editor window) with the caret on line nLine (1-based);
    // FALSE when it cannot be opened.
    virtual BOOL OpenFileAtLine(const char* pszPath, int nLine) { return FALSE; }
    // Whether a tree command is enabled now (FALSE while a run forbids it).
    virtual BOOL IsCommandEnabled(UINT nID) { return TRUE; }
    // The GUI builder's commands (32992 to 33009) on pNode; FALSE when not handled.
    virtual BOOL OnResourceCommand(UINT nID, CTreeItem* pNode) { return FALSE; }
    // Opening a design node: the GUI builder for the design pszName (a frame
    // when bFrame) of the resource file pszPath; FALSE when it did not start.
    virtual BOOL EditDesign(const char* pszPath, const char* pszName, BOOL bFrame) { return FALSE; }
};
