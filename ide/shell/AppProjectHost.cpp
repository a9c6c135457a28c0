#include "AppProjectHost.h"

#include "JavaIDEApp.h"

CProjectSettings CAppProjectHost::GetSettings() const
{
    CProjectSettings settings;
    settings.m_bParseAllFiles = m_app.m_EditorSettings.m_bParseAllFiles;
    settings.m_bCloseProjectFiles = m_app.m_EditorSettings.m_bCloseProjectFiles;
    settings.m_bParseOnSave = m_app.m_EditorSettings.m_bParseOnSave;
    settings.m_strBrowserPath = m_app.m_DirSettings.m_strBrowserPath;
    return settings;
}
