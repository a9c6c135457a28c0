#include "AppProjectHost.h"

#include "JavaIDEApp.h"
#include "ToolCommands.h"

CProjectSettings CAppProjectHost::GetSettings() const
{
    CProjectSettings settings;
    settings.m_bParseAllFiles = m_app.m_EditorSettings.m_bParseAllFiles;
    settings.m_bCloseProjectFiles = m_app.m_EditorSettings.m_bCloseProjectFiles;
    settings.m_bParseOnSave = m_app.m_EditorSettings.m_bParseOnSave;
    settings.m_strBrowserPath = m_app.m_DirSettings.m_strBrowserPath;
    return settings;
}

void CAppProjectHost::CompileFile(const char* pszPath)
{
    if (CToolCommands* pCommands = m_app.GetToolCommands())
        pCommands->OnTreeCompile(pszPath);
}

void CAppProjectHost::WriteOutput(const char* pszText)
{
    if (CToolCommands* pCommands = m_app.GetToolCommands())
        pCommands->WriteOutput(pszText);
}
