// The Info menu: Add Folder, Add File(s) and Delete on the help tree's page.
#include "MainFrameCommands.h"

#include "MainFrame.h"
#include "MainFrameHelpTree.h"

void CMainFrameCommands::OnHelpTreeCommand(UINT nId)
{
    m_frame.GetHelpTree().OnCommand(nId);
}
