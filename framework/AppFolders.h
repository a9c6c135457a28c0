// CAppFolders: where the program keeps its settings and its data files.
#pragma once

#include "String.h"

class CAppFolders {
public:
    // Settings folder (home of "mosk.ini"): $MOSK_CONFIG_DIR, else
    // $XDG_CONFIG_HOME/mosk, else ~/.config/mosk. No trailing slash.
    static CString GetSettingsFolder();
    // Per-user data folder (index files, shipped helper files): $MOSK_DATA_DIR,
    // else $XDG_DATA_HOME/mosk, else ~/.local/share/mosk. No trailing slash.
    static CString GetDataFolder();
    // Creates the folder and its parents; TRUE when it exists afterwards.
    static BOOL EnsureFolder(const char* pszPath);
};
