// CCommandsDoc: the user's commands in their order, kept in the file
// "user.cmd": DWORD version (1), DWORD number of commands, then each command
// as a tagged object of class "CCommand". Loaded at start-up, edited with the
// Commands dialog, saved when the dialog is confirmed.
#pragma once

#include "Object.h"

#include <memory>
#include <vector>

class CCommand;

class CCommandsDoc : public CObject {
public:
    static constexpr DWORD CURRENT_VERSION = 1;
    // First command numbers of the file-item and project-node menus; each menu holds at most MENU_COMMANDS.
    static constexpr UINT FIRST_FILE_COMMAND_ID = 49510;
    static constexpr UINT FIRST_PROJECT_COMMAND_ID = 49520;
    static constexpr int MENU_COMMANDS = 10;

    CCommandsDoc();
    ~CCommandsDoc() override;
    CCommandsDoc(const CCommandsDoc&) = delete;
    CCommandsDoc& operator=(const CCommandsDoc&) = delete;

    // Version, count and the commands. Loading replaces the list; a version
    // other than 1 or a malformed stream raises CArchiveException.
    void Serialize(CArchive& ar) override;
    // The version line and each command's fields.
    void DumpTo(CString& strOut, int nIndent) const override;

    // Reads pszPath. A missing file gives an empty list and TRUE (nothing to
    // load yet) unless bMissingIsError. On any failure strError says why and
    // the list is unchanged.
    BOOL Load(const char* pszPath, CString& strError, BOOL bMissingIsError = FALSE);
    // Writes the list to pszPath through a temporary file in the same
    // folder; on failure strError says why and the old file is unchanged.
    BOOL Save(const char* pszPath, CString& strError);

    DWORD GetVersion() const { return m_dwVersion; }
    int GetCount() const { return static_cast<int>(m_commands.size()); }
    // Command at nIndex in [0, GetCount()); owned by the document.
    CCommand* GetAt(int nIndex) const;
    // Appends pCommand (taking ownership); returns its index.
    int Add(CCommand* pCommand);
    // Deletes the command at nIndex in [0, GetCount()).
    void RemoveAt(int nIndex);
    // Deletes every command.
    void RemoveAll();

    // Indices of the commands offered on a file item's (bProjectMenu FALSE)
    // or a project node's menu: among the first ten of the list, those that
    // have a name, a command text and the menu's switch; in list order.
    std::vector<int> GetMenuCommands(BOOL bProjectMenu) const;
    // Menu command number of the command at nIndex (0..9): 49510 + nIndex, or 49520 + nIndex.
    static UINT GetMenuCommandId(int nIndex, BOOL bProjectMenu);
    // The command a menu number chooses; null when the number is outside the
    // menu's range or names no command offered on that menu.
    CCommand* FindMenuCommand(UINT nId, BOOL bProjectMenu) const;

private:
    DWORD m_dwVersion = CURRENT_VERSION;
    std::vector<std::unique_ptr<CCommand>> m_commands;
};
