// CProjectSettings: the application settings the projects consult, handed
// over by the application object through CProjectHost::GetSettings.
#pragma once

#include "String.h"

struct CProjectSettings {
    BOOL m_bParseAllFiles = FALSE;      // parse every file when a project opens
    BOOL m_bCloseProjectFiles = FALSE;  // close a project's editor windows with the project
    BOOL m_bParseOnSave = TRUE;         // when off, file menus offer "&Parse..."
    CString m_strBrowserPath;           // external browser; empty when none is chosen
};
