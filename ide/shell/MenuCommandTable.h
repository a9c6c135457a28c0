// CMenuCommandTable: every command of the main window's menus in one table:
// the menu it sits in, its text with the "&" mnemonic, its accelerator, its
// command number, the handler that runs it and the rule that enables it.
// The main window builds its menus, tool bars and accelerators from it. A
// command whose handler is null belongs to a part of the program that is
// not there yet: it shows, disabled. The three tool bars list their
// buttons by command number in tables of their own.
#pragma once

#include "String.h"
#include "WinTypes.h"

class CMainFrameCommands;

struct CMenuCommand {
    using Handler = void (CMainFrameCommands::*)(UINT nId);
    using Rule = BOOL (CMainFrameCommands::*)(UINT nId);

    enum : UINT {
        SEPARATOR_BEFORE = 1,  // a separator line above the item
        ACCEL_SHOWN = 2,       // the accelerator is only shown: the editor handles the key itself
    };

    const char* m_pszMenu;   // "&File"; a submenu as "&Build/&Debug"
    const char* m_pszText;   // "&New"
    const char* m_pszAccel;  // "Ctrl+N" in the key names of the menus; null: none
    UINT m_nId;
    Handler m_pfnHandler;    // null: not available yet, always disabled
    Rule m_pfnEnabled;       // null (with a handler): always enabled
    Rule m_pfnChecked;       // null: not a check item
    UINT m_nFlags;
};

// A tool bar button: a command, its tool tip and the picture it shows.
struct CToolButton {
    enum EPicture {
        PIC_NEW, PIC_OPEN, PIC_SAVE, PIC_SAVE_ALL, PIC_CUT, PIC_COPY, PIC_PASTE, PIC_UNDO, PIC_REDO, PIC_PRINT,
        PIC_FIND, PIC_COMPILE, PIC_BUILD, PIC_STOP_BUILD, PIC_RUN, PIC_STOP_RUN, PIC_OUTPUT, PIC_PROJECT,
        PIC_STEP, PIC_STEP_OVER, PIC_CONTINUE, PIC_EXIT_DEBUG, PIC_LOCALS, PIC_THREADS, PIC_WHERE, PIC_CLASS,
        PIC_INTERFACE, PIC_SEARCH, PIC_BACK, PIC_FORWARD, PIC_HISTORY, PIC_SEPARATOR,
    };
    UINT m_nId;           // 0 with PIC_SEPARATOR
    const char* m_pszTip; // tool tip and accessible name
    EPicture m_nPicture;
};

class CMenuCommandTable {
public:
    // Recent-file entries of the File menu: 57616 and the 15 numbers after it.
    static constexpr UINT ID_FILE_MRU_FIRST = 57616;
    static constexpr UINT ID_FILE_MRU_LAST = 57631;

    // The whole table in menu order; nCount receives its length.
    static const CMenuCommand* GetCommands(int& nCount);
    // The first entry of command nId; null when the table has none.
    static const CMenuCommand* Find(UINT nId);
    // The buttons of a bar (CMainFrameLayout::BAR_TOOL, BAR_DEBUG, BAR_BROWSER).
    static const CToolButton* GetToolButtons(int nBar, int& nCount);
    // Title of a bar ("Toolbar", "Debug Bar", "Browser Bar").
    static const char* GetBarTitle(int nBar);
    // pszText without its "&" mnemonic marks ("&&" stays one "&").
    static CString StripMnemonic(const char* pszText);
    // Every entry as "menu|text|accelerator|number|available", one per line.
    static CString Dump();
};
