#include "ProjectMenu.h"

#include "ProjectFileItem.h"
#include "ProjectSettings.h"

#include <cstddef>
#include <iterator>

namespace {

const CProjectMenuItem s_root[] = {
    {ID_PROJECT_ADD_PROJECT, "&Add Project..."},
    {0, nullptr},
    {ID_PROJECT_ROOT_INTERPRETER, "&Interpreter Options..."},
    {ID_PROJECT_ROOT_COMPILER, "&Compiler Options..."},
    {ID_PROJECT_ROOT_JAVADOC, "&Javadoc Options..."},
    {0, nullptr},
    {ID_PROJECT_ALPHABETICAL, "Display items in &Alphabetical order"},
};
const CProjectMenuItem s_project[] = {
    {ID_PROJECT_OPEN_NODE, "&Open Project"},
    {ID_PROJECT_DELETE_PROJECT, "&Delete Project"},
};
const CProjectMenuItem s_openProject[] = {
    {ID_PROJECT_ADD_FILE, "Add &File..."},
    {ID_PROJECT_ADD_FOLDER, "Add F&older"},
    {ID_RESOURCE_ADD_DIALOG, "Add &Dialog"},
    {ID_RESOURCE_ADD_FRAME, "Add F&rame"},
    {ID_RESOURCE_PASTE, "&Paste Resource"},
    {0, nullptr},
    {ID_PROJECT_CLOSE_NODE, "&Close Project"},
    {0, nullptr},
    {ID_PROJECT_ALPHABETICAL, "Display items in &Alphabetical order"},
};
const CProjectMenuItem s_otherFile[] = {
    {ID_PROJECT_BROWSE, "&Browse"},
};
const CProjectMenuItem s_file[] = {
    {ID_PROJECT_COMPILE, "&Compile"},
    {ID_PROJECT_MAIN_CLASS, "&Main class File"},
    {ID_PROJECT_MAIN_HTML, "Main &HTML"},
    {ID_PROJECT_BROWSE, "&Browse"},
    {0, nullptr},
    {ID_PROJECT_RENAME_FILE, "&Rename File"},
    {ID_PROJECT_DELETE_FILE, "&Delete File"},
};
const CProjectMenuItem s_folder[] = {
    {ID_PROJECT_ADD_FILE, "Add &File..."},
    {ID_PROJECT_ADD_FOLDER, "Add F&older"},
    {ID_RESOURCE_FOLDER_ADD_DIALOG, "Add &Dialog"},
    {ID_RESOURCE_FOLDER_ADD_FRAME, "Add F&rame"},
    {ID_RESOURCE_PASTE, "&Paste Resource"},
    {0, nullptr},
    {ID_PROJECT_DELETE_FOLDER, "D&elete"},
    {0, nullptr},
    {ID_PROJECT_ALPHABETICAL, "Display items in &Alphabetical order"},
};
const CProjectMenuItem s_resource[] = {
    {ID_RESOURCE_MAKE_COPY, "&Make Copy"},
    {ID_RESOURCE_COPY, "&Copy"},
    {0, nullptr},
    {ID_RESOURCE_RENAME, "&Rename"},
    {ID_RESOURCE_DELETE, "&Delete"},
};
const CProjectMenuItem s_resourceDialog[] = {
    {ID_RESOURCE_MAKE_COPY, "&Make Copy"},
    {ID_RESOURCE_COPY, "&Copy"},
    {0, nullptr},
    {ID_RESOURCE_RENAME_DIALOG, "&Rename Dialog"},
    {ID_RESOURCE_DELETE_DIALOG, "&Delete Dialog"},
};
const CProjectMenuItem s_resourceFrame[] = {
    {ID_RESOURCE_MAKE_COPY, "&Make Copy"},
    {ID_RESOURCE_COPY, "&Copy"},
    {0, nullptr},
    {ID_RESOURCE_RENAME_FRAME, "&Rename Frame"},
    {ID_RESOURCE_DELETE_FRAME, "&Delete Frame"},
};
const CProjectMenuItem s_dialogs[] = {
    {ID_RESOURCE_GROUP_ADD_DIALOG, "Add &Dialog"},
};
const CProjectMenuItem s_frames[] = {
    {ID_RESOURCE_GROUP_ADD_FRAME, "Add F&rame"},
};

struct CSubMenu {
    const CProjectMenuItem* pItems;
    size_t nCount;
};

const CSubMenu s_subMenus[SUBMENU_COUNT] = {
    {s_root, std::size(s_root)},
    {s_project, std::size(s_project)},
    {s_openProject, std::size(s_openProject)},
    {s_otherFile, std::size(s_otherFile)},
    {s_file, std::size(s_file)},
    {s_folder, std::size(s_folder)},
    {s_resource, std::size(s_resource)},
    {s_resourceDialog, std::size(s_resourceDialog)},
    {s_resourceFrame, std::size(s_resourceFrame)},
    {s_dialogs, std::size(s_dialogs)},
    {s_frames, std::size(s_frames)},
};

struct CCommandName {
    UINT nID;
    const char* pszName;
};

const CCommandName s_names[] = {
    {ID_PROJECT_DELETE_FILE, "Delete File"},
    {ID_PROJECT_MAIN_CLASS, "Main class File selection"},
    {ID_PROJECT_MAIN_HTML, "Main HTML"},
    {ID_PROJECT_BROWSE, "Browse"},
    {ID_PROJECT_COMPILE, "Compile"},
    {ID_PROJECT_PARSE, "Parse..."},
    {ID_PROJECT_CLOSE_NODE, "Close Project"},
    {ID_PROJECT_OPEN_NODE, "Open project"},
    {ID_PROJECT_DELETE_PROJECT, "Delete Project"},
    {ID_PROJECT_ADD_FOLDER, "Add Folder"},
    {ID_PROJECT_DELETE_FOLDER, "Delete"},
    {ID_PROJECT_ADD_FILE, "Add File"},
    {ID_PROJECT_RENAME_FILE, "Rename File"},
    {ID_PROJECT_ADD_PROJECT, "Add Project"},
    {ID_PROJECT_ROOT_INTERPRETER, "Root Interpreter Options"},
    {ID_PROJECT_ROOT_COMPILER, "Root Compiler Options"},
    {ID_PROJECT_ROOT_JAVADOC, "Root Javadoc Options"},
    {ID_PROJECT_ALPHABETICAL, "Alphabetical Order"},
    {ID_RESOURCE_ADD_DIALOG, "Add Dialog"},
    {ID_RESOURCE_DELETE_DIALOG, "Delete Dialog"},
    {ID_RESOURCE_RENAME_DIALOG, "Rename Dialog"},
    {ID_RESOURCE_GROUP_ADD_DIALOG, "Add Dialog"},
    {ID_RESOURCE_ADD_FRAME, "Add Frame"},
    {ID_RESOURCE_DELETE_FRAME, "Delete Frame"},
    {ID_RESOURCE_RENAME_FRAME, "Rename Frame"},
    {ID_RESOURCE_GROUP_ADD_FRAME, "Add Frame"},
    {ID_RESOURCE_FOLDER_ADD_DIALOG, "Add Dialog"},
    {ID_RESOURCE_FOLDER_ADD_FRAME, "Add Frame"},
    {ID_RESOURCE_DELETE, "Delete"},
    {ID_RESOURCE_RENAME, "Rename"},
    {ID_RESOURCE_MAKE_COPY, "Make Copy"},
    {ID_RESOURCE_COPY, "Copy"},
    {ID_RESOURCE_PASTE, "Paste Resource"},
};

} // namespace

std::vector<CProjectMenuItem> CProjectMenu::GetSubMenu(int nSubMenu)
{
    if (nSubMenu < 0 || nSubMenu >= SUBMENU_COUNT)
        return {};
    const CSubMenu& sub = s_subMenus[nSubMenu];
    return std::vector<CProjectMenuItem>(sub.pItems, sub.pItems + sub.nCount);
}

std::vector<CProjectMenuItem> CProjectMenu::GetNodeMenu(const CTreeItem& node, const CProjectSettings& settings)
{
    std::vector<CProjectMenuItem> items = GetSubMenu(node.GetContextMenu());
    if (!items.empty() && !settings.m_bParseOnSave && node.IsKindOf(MOSK_RUNTIME_CLASS(CProjectFileItem)))
        items.insert(items.begin(), CProjectMenuItem{ID_PROJECT_PARSE, "&Parse..."});
    return items;
}

const char* CProjectMenu::GetCommandName(UINT nID)
{
    for (const CCommandName& name : s_names)
        if (name.nID == nID)
            return name.pszName;
    return nullptr;
}
