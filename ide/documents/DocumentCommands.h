// Command numbers of the source windows' menus, tool bar buttons and
// accelerators. The main window's command table routes these to the active
// source view. Numbers shared with the main menu keep the main menu's value.
#pragma once

#include "WinTypes.h"

enum : UINT {
    ID_FILE_CLOSE = 57602,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT = 57607,
    ID_EDIT_CLEAR = 57632,
    ID_EDIT_COPY = 57634,
    ID_EDIT_CUT = 57635,
    ID_EDIT_FIND = 57636,
    ID_EDIT_PASTE = 57637,
    ID_EDIT_REPLACE = 57641,
    ID_EDIT_SELECT_ALL = 57642,
    ID_EDIT_UNDO = 57643,
    ID_EDIT_REDO = 57644,
    ID_VIEW_COMPILE = 32773,        // "&Compile...\tF7" (Build Compile)
    ID_VIEW_BREAKPOINT = 32848,     // "&BreakPoint Set/UnSet\tF9"
    ID_VIEW_JAVADOC = 32938,        // "JavaDoc"
    ID_VIEW_ADD_TO_PROJECT = 32968, // "Add &To Project"
    ID_VIEW_BOOKMARK = 33100,       // "Book&Mark\tCtrl+F2"
    ID_VIEW_NEXT_BOOKMARK = 33101,  // "Next BookMark\tShift+F2"
    ID_VIEW_GOTO = 33102,           // "&Goto...\tCtrl+G"
    ID_VIEW_LOOKUP_WORD = 33103,    // context menu: look the word up in the package view
    ID_VIEW_FIND_WORD = 33104,      // context menu: find the word
    ID_VIEW_BLOCK_COMMENT = 118,    // comment out / in the selected lines
    ID_BUILD_RUN = 32873,           // "Run (F4)": the main window's command, offered on the context menu
    ID_CLASS_POPUP_FIRST = 50001,   // the class popup's items
    ID_CLASS_POPUP_LAST = 51000,
};
