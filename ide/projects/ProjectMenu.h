// The project tree's commands and context menus as data: the command
// numbers, and the sub-menus of context menu resource 254, one per kind of
// node. The tree view builds its menus from these tables.
#pragma once

#include "WinTypes.h"

#include <vector>

class CTreeItem;
struct CProjectSettings;

enum EProjectCommand : UINT {
    ID_PROJECT_DELETE_FILE = 32808,
    ID_PROJECT_MAIN_CLASS = 32815,
    ID_PROJECT_MAIN_HTML = 32831,
    ID_PROJECT_BROWSE = 32879,
    ID_PROJECT_COMPILE = 32881,
    ID_PROJECT_PARSE = 32888,
    ID_PROJECT_OPEN_NODE = 32980,
    ID_PROJECT_CLOSE_NODE = 32981,
    ID_PROJECT_DELETE_PROJECT = 32982,
    ID_PROJECT_ADD_FOLDER = 32983,
    ID_PROJECT_DELETE_FOLDER = 32984,
    ID_PROJECT_ADD_FILE = 32985,
    ID_PROJECT_RENAME_FILE = 32986,
    ID_PROJECT_ADD_PROJECT = 32987,
    ID_PROJECT_ROOT_INTERPRETER = 33012,
    ID_PROJECT_ROOT_COMPILER = 33013,
    ID_PROJECT_ROOT_JAVADOC = 33014,
    ID_PROJECT_ALPHABETICAL = 33018,
    // Resource commands of the tree menus (handled with the GUI builder).
    ID_RESOURCE_ADD_DIALOG = 32992,        // the open project's node
    ID_RESOURCE_DELETE_DIALOG = 32993,     // a resource holding a dialog
    ID_RESOURCE_RENAME_DIALOG = 32994,
    ID_RESOURCE_GROUP_ADD_DIALOG = 32995,  // the "Dialogs" group: beside the resource
    ID_RESOURCE_ADD_FRAME = 32996,
    ID_RESOURCE_DELETE_FRAME = 32997,      // a resource holding a frame
    ID_RESOURCE_RENAME_FRAME = 32998,
    ID_RESOURCE_GROUP_ADD_FRAME = 32999,   // the "Frames" group
    ID_RESOURCE_FOLDER_ADD_DIALOG = 33002, // a folder made by the user
    ID_RESOURCE_FOLDER_ADD_FRAME = 33003,
    ID_RESOURCE_DELETE = 33004,            // a resource without a design
    ID_RESOURCE_RENAME = 33005,
    ID_RESOURCE_MAKE_COPY = 33006,         // any resource
    ID_RESOURCE_COPY = 33007,
    ID_RESOURCE_PASTE = 33009,             // the open project's node and its folders
    // Project and File menu commands of the main window.
    ID_PROJECT_NEW = 32801,
    ID_PROJECT_OPEN = 32784,
    ID_PROJECT_CLOSE = 32785,
    ID_PROJECT_SAVE = 32877,
    ID_PROJECT_PARSE_ALL = 32967,
    ID_FILE_SAVE_ALL = 32935,
    ID_FILE_ADD_TO_PROJECT = 32968,
    // Ranges offered by class nodes.
    ID_CLASS_COMMAND_FIRST = 48001,
    ID_CLASS_COMMAND_LAST = 49000,
    ID_CLASS_ACTION_FIRST = 49001,
    ID_CLASS_ACTION_LAST = 49100
};

// Sub-menus of the context menu resource, by kind of node.
enum EProjectSubMenu {
    SUBMENU_ROOT = 0,          // "Mosk Projects"
    SUBMENU_PROJECT = 1,       // a listed project that is not open
    SUBMENU_OPEN_PROJECT = 2,  // the open project
    SUBMENU_OTHER_FILE = 3,    // a file of a project that is not open
    SUBMENU_FILE = 4,          // a file of the open project
    SUBMENU_FOLDER = 5,        // a folder made by the user
    SUBMENU_RESOURCE = 6,      // a resource file of the open project without a design
    SUBMENU_RESOURCE_DIALOG = 7,  // one whose first design is a dialog
    SUBMENU_RESOURCE_FRAME = 8,   // one whose first design is a frame
    SUBMENU_DIALOGS = 9,       // the "Dialogs" group under a resource of the open project
    SUBMENU_FRAMES = 10,       // the "Frames" group
    SUBMENU_COUNT
};

// One menu entry; nID 0 is a separator.
struct CProjectMenuItem {
    UINT nID;
    const char* pszText;
};

class CProjectMenu {
public:
    static constexpr UINT CONTEXT_MENU_RESOURCE = 254;

    // The entries of sub-menu nSubMenu (0 <= nSubMenu < SUBMENU_COUNT).
    static std::vector<CProjectMenuItem> GetSubMenu(int nSubMenu);
    // The context menu of pNode: its sub-menu, headed by "&Parse..." for file
    // items when parse on save is off; empty for nodes without one.
    static std::vector<CProjectMenuItem> GetNodeMenu(const CTreeItem& node, const CProjectSettings& settings);
    // The command's short name (its status text's), null for unknown numbers.
    static const char* GetCommandName(UINT nID);
};
