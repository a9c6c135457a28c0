#include "FrameProjectViewHost.h"

#include "GuiBuilderResources.h"
#include "Command.h"
#include "CommandsDoc.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "ProjectDoc.h"
#include "ProjectMenu.h"
#include "ToolCommands.h"

void CFrameProjectViewHost::EditRootOptions(UINT nID)
{
    m_frame.GetCommands().EditToolOptions(nID, TRUE);
}

std::vector<CProjectViewMenuItem> CFrameProjectViewHost::GetUserCommands(BOOL bProjectMenu)
{
    std::vector<CProjectViewMenuItem> items;
    CCommandsDoc* pCommands = m_frame.GetApp().GetCommandsDoc();
    if (!pCommands)
        return items;
    for (int nIndex : pCommands->GetMenuCommands(bProjectMenu))
        items.push_back({CCommandsDoc::GetMenuCommandId(nIndex, bProjectMenu), pCommands->GetAt(nIndex)->m_strName});
    return items;
}

BOOL CFrameProjectViewHost::RunUserCommand(UINT nID, const char* pszPath)
{
    return m_frame.GetApp().RunUserCommand(nID, pszPath);
}

BOOL CFrameProjectViewHost::OpenFileAtLine(const char* pszPath, int nLine)
{
    return m_frame.OpenFileAtLine(pszPath, nLine);
}

BOOL CFrameProjectViewHost::IsCommandEnabled(UINT nID)
{
    const CJavaIDEApp& app = m_frame.GetApp();
    BOOL bRun = app.m_ToolRun.m_bRunning || app.m_ProgramRun.m_bBusy;
    switch (nID) {
    case ID_PROJECT_COMPILE:
        return m_frame.GetToolCommands().IsCommandEnabled(CToolCommands::ID_TREE_COMPILE);
    case ID_PROJECT_OPEN_NODE:
    case ID_PROJECT_CLOSE_NODE:
        // Opening and closing a project while a tool works on it would pull its files away.
        return !bRun;
    case ID_PROJECT_ROOT_COMPILER:
        return !app.m_ToolRun.m_bRunning;
    case ID_PROJECT_ROOT_INTERPRETER:
        return !bRun;
    default:
        break;
    }
    if (nID >= FIRST_RESOURCE_COMMAND && nID <= LAST_RESOURCE_COMMAND) {
        if (!m_fnResource)
            return FALSE;
        // Paste waits for the clipboard to name a resource file.
        return nID != ID_RESOURCE_PASTE || CGuiBuilderResources::CanPaste();
    }
    return TRUE;
}

BOOL CFrameProjectViewHost::OnResourceCommand(UINT nID, CTreeItem* pNode)
{
    return m_fnResource && m_fnResource(nID, pNode);
}

BOOL CFrameProjectViewHost::EditDesign(const char* pszPath, const char* pszName, BOOL bFrame)
{
    return m_fnDesign && m_fnDesign(pszPath, pszName, bFrame);
}
