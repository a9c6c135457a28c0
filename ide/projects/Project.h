// CProject: the settings document of the open project (one instance; opening
// another project re-reads the same object): main class and main HTML file,
// the tool options, the breakpoints, the file list, and the ".mosk" file
// (versions 1 to 12 read, 12 written). Also the operations on the project's
// files and folders that the project tree offers.
#pragma once

#include "BreakpointSet.h"
#include "MapStringToPtr.h"
#include "Object.h"
#include "StringList.h"
#include "ToolOptions.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CProjectFileItem;
class CProjectFolder;
class CProjectHost;
class CProjectVirtualFolder;
class CTreeFolder;
class CTreeItem;

class CProject : public CObject {
    MOSK_DECLARE_DYNAMIC(CProject)
public:
    // pHost (not owned, must outlive the project) answers for the rest of the program.
    explicit CProject(CProjectHost& host);
    ~CProject() override;
    CProject(const CProject&) = delete;
    CProject& operator=(const CProject&) = delete;

    // The ".mosk" layout (version 12 written); reading applies the fix-ups of
    // older versions and reads the tree into the node set by the caller.
    void Serialize(CArchive& ar) override;
    // Every field by name, the breakpoints and the file list; the tree is
    // the node's own dump.
    void DumpTo(CString& strOut, int nIndent) const override;

    // Opens the project of pNode (new: creates an empty file); FALSE with the
    // message shown when that fails; the project is then closed.
    BOOL Open(CProjectFolder* pNode, BOOL bNew);
    // Closes the open project, asking to save it (and, by setting, closing its
    // files); FALSE when the user cancelled. TRUE when nothing was open.
    BOOL Close();
    // Makes pNode's project current without the open sequence: reads its
    // file, sets open, clears modified; FALSE with the message shown on failure.
    BOOL ReadSettings(CProjectFolder* pNode);
    // Reads the project file pszPath into this object and pNode (not null)
    // without messages; FALSE and strError when it is missing, unreadable,
    // malformed or of an unknown version. The file is never written.
    BOOL ReadFile(const char* pszPath, CProjectFolder* pNode, CString& strError);
    // The same over bytes that were read from pszPath.
    BOOL ReadBytes(const std::string& strData, const char* pszPath, CProjectFolder* pNode, CString& strError);
    // Writes the open project to its own path (temporary file, then rename);
    // FALSE with the message shown on failure.
    BOOL Save();
    // Saves every modified editor document of a project file, then the project
    // when modified; FALSE when a save failed.
    BOOL SaveAll();
    // Every field back to its default; the project is closed.
    void Reset();

    BOOL IsOpen() const { return m_bOpen; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }
    // Set by the last read when the file no longer lies where it was written.
    BOOL IsMoved() const { return m_bMoved; }
    // Path of the ".mosk" file; empty when closed.
    const CString& GetPathName() const { return m_strPathName; }
    // Base name of the project file.
    const CString& GetName() const { return m_strName; }
    // The project's tree node (owned by the tree); null when closed.
    CProjectFolder* GetNode() const { return m_pNode; }
    // What the project asks of the rest of the program.
    CProjectHost& GetHost() const { return m_host; }
    // TRUE when pNode lies under the open project's node.
    BOOL Owns(const CTreeItem* pNode) const;

    // Full paths of the project's files in compile order.
    const CStringList& GetFileList() const { return m_FileList; }
    int GetFileCount() const { return m_FileList.GetCount(); }
    // TRUE when the file list holds exactly pszPath.
    BOOL HasFile(const char* pszPath) const { return m_FileList.Find(CString(pszPath)) != nullptr; }
    // Full path of the main class file / main HTML file: the first listed file
    // whose name and extension equal the setting exactly; empty if none.
    CString GetMainClassPath() const { return FindListedFile(m_strMainClass); }
    CString GetMainHtmlPath() const { return FindListedFile(m_strMainHtml); }
    // The bean manifest of the main class: output folder, base name, ".mft";
    // empty when closed or without a main class; with bCheck also when that
    // path is not a file of the project.
    CString GetManifestPath(BOOL bCheck) const;
    // The file item of pszPath under the project's node; null if none.
    CProjectFileItem* FindFileItem(const char* pszPath) const;

    // Adds a file (created empty when missing) at the head of the file list
    // and as an item of pFolder (null: the project's node); FALSE with the
    // message shown when it is the project's own file or already listed.
    BOOL AddFile(const char* pszPath, CTreeFolder* pFolder = nullptr);
    // Removes a file item of this project from the list and the tree and
    // destroys it; bAskDiskDelete: first asks whether to delete the file
    // from the disk as well. FALSE when the item is not this project's.
    BOOL RemoveFileItem(CProjectFileItem* pItem, BOOL bAskDiskDelete);
    // Renames the file on disk and in the project to pszNewName (a name with
    // extension, no folder); FALSE with the message shown when refused.
    BOOL RenameFileItem(CProjectFileItem* pItem, const char* pszNewName);
    // Makes the item's file the main class / main HTML file, or clears the
    // setting when it already is; FALSE for other kinds of file.
    BOOL ToggleMainClass(CProjectFileItem* pItem);
    BOOL ToggleMainHtml(CProjectFileItem* pItem);
    // Adds a folder labelled "Folder" under pParent (a folder of this
    // project); the new folder, or null.
    CProjectVirtualFolder* AddFolder(CTreeFolder* pParent);
    // Gives a folder of this project a new label; FALSE when empty.
    BOOL RenameFolder(CProjectVirtualFolder* pFolder, const char* pszLabel);
    // Removes a folder and every file under it from the project (the files stay on disk).
    BOOL DeleteFolder(CProjectVirtualFolder* pFolder);
    // The editor saved pszPath: its needs-compile mark is set.
    void OnFileSaved(const char* pszPath);
    // A compile of pszPath printed nothing: its mark is cleared.
    void OnFileCompiled(const char* pszPath);

    // Parses every listed file in order (status texts; a progress bar unless
    // bQuiet; bNotify: read errors in message boxes). The count parsed.
    int ParseAllFiles(BOOL bNotify, BOOL bQuiet);
    // Parses one file and keeps the result in its item; FALSE when it could not be read.
    BOOL ParseFile(const char* pszPath, BOOL bNotify);

    // Breakpoints, keyed by the base name of pszPath. Add: FALSE when that
    // class and line are there already. Remove: TRUE when found.
    BOOL AddBreakpoint(const char* pszPath, const char* pszClass, WORD nLine);
    BOOL RemoveBreakpoint(const char* pszPath, WORD nLine);
    BOOL HasBreakpoint(const char* pszPath, WORD nLine) const;
    void RemoveAllBreakpoints(const char* pszPath);
    // The breakpoints of pszPath at or after line nFrom move by nDelta lines
    // (the editor inserted or removed lines); TRUE and modified when any moved.
    BOOL MoveBreakpoints(const char* pszPath, int nFrom, int nDelta);
    void ClearBreakpoints();
    // The set of a file base name; null if none.
    const CBreakpointSet* GetBreakpointSet(const char* pszKey) const;
    const std::map<CString, std::unique_ptr<CBreakpointSet>>& GetBreakpoints() const { return m_breakpoints; }

    DWORD m_nVersion = 0;          // as read; 12 once opened or saved
    CString m_strMainClass;        // file name with extension, no folder
    CString m_strMainHtml;
    CString m_strProjectDir;       // folder of the ".mosk" file, with trailing "/"
    CToolOptions m_options;
    CMapStringToPtr m_ClassMap;    // class and interface names to their file items (not stored)
    CString m_strExecFile;         // where the debugger last stopped (not stored)
    int m_nExecLine = 0;

private:
    void ReadBlocks(CArchive& ar, DWORD nVersion);
    void WriteBlocks(CArchive& ar);
    void SerializeBreakpoints(CArchive& ar);
    void ReadProjectTree(CArchive& ar);
    void ReadChildren(CArchive& ar, CTreeFolder* pFolder, int nDepth);
    void WriteSubtree(CArchive& ar, CTreeFolder* pFolder);
    void ApplyReadFixups(DWORD nVersion);
    void ConvertOldFileList();
    void DeleteNodeChildren(CTreeFolder* pFolder);
    void ForgetItem(const CTreeItem* pItem);
    void ForgetFile(const CString& strPath);
    CString FindListedFile(const CString& strName) const;
    // The folder of the file being read or written.
    CString GetFileFolder() const;

    CProjectHost& m_host;
    CString m_strPathName;
    CString m_strName;
    CString m_strPrevTitle;
    CStringList m_FileList;
    std::map<CString, std::unique_ptr<CBreakpointSet>> m_breakpoints;
    CProjectFolder* m_pNode = nullptr;
    BOOL m_bOpen = FALSE;
    BOOL m_bModified = FALSE;
    BOOL m_bMoved = FALSE;
};
