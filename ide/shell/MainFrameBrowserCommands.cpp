// The Packages and Beans menu commands of the main window.
#include "MainFrameCommands.h"

#include "MainFrame.h"
#include "MainFrameBrowsers.h"

void CMainFrameCommands::OnPackageCommand(UINT nId)
{
    m_frame.GetBrowsers().OnPackageCommand(nId);
}

void CMainFrameCommands::OnBeanCommand(UINT nId)
{
    m_frame.GetBrowsers().OnBeanCommand(nId);
}

void CMainFrameCommands::OnAddResource(UINT nId)
{
    m_frame.GetBrowsers().AddResource(nId == 33001);
}
