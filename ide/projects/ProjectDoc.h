// CProjectDoc: the project list "mosk.proj" (versions up to 104 read, 104
// written): the global defaults of the compiler, interpreter and
// documentation tool, the project tree's root with one node per listed
// project, the one CProject, and the node of the open project.
#pragma once

#include "Object.h"
#include "Project.h"
#include "ToolOptions.h"

#include <memory>
#include <string>

class CProjectFolder;
class CProjectHost;
class CProjectRootFolder;

class CProjectDoc : public CObject {
    MOSK_DECLARE_DYNAMIC(CProjectDoc)
public:
    // pHost (not owned, may be null for a default that does nothing) must outlive the document.
    explicit CProjectDoc(CProjectHost* pHost = nullptr);
    ~CProjectDoc() override;
    CProjectDoc(const CProjectDoc&) = delete;
    CProjectDoc& operator=(const CProjectDoc&) = delete;

    // The "mosk.proj" layout: version 104 written; older versions read.
    void Serialize(CArchive& ar) override;
    // Every stored field by name, then the tree.
    void DumpTo(CString& strOut, int nIndent) const override;

    // Start-up: reads pszPath, or starts an empty list when it does not exist;
    // an upgraded list is saved again at once. A file that cannot be read is
    // reported and left untouched; the list then starts empty without a path.
    BOOL Load(const char* pszPath);
    // Reads pszPath without messages (the document is replaced only on
    // success); FALSE and strError when missing, unreadable or malformed.
    BOOL ReadFile(const char* pszPath, CString& strError);
    // The same over bytes.
    BOOL ReadBytes(const std::string& strData, CString& strError);
    // Starts an empty list: root "Mosk Projects", default options, no path.
    void NewDocument();
    // Writes the list to its own path; FALSE with the message shown on failure.
    BOOL Save();
    // Save when modified, without asking.
    BOOL SaveModified();

    // Opens the project at pszPath (bNew: a new project file there), closing
    // the open one first; FALSE with the message shown when it fails.
    BOOL OpenProject(const char* pszPath, BOOL bNew);
    // Closes the open project; FALSE when the user cancelled.
    BOOL CloseProject();
    // Opens a ".mosk" file named on the command line or in the recent list;
    // "File %s not found !!!" when it is missing.
    BOOL OpenProjectFile(const char* pszPath);
    // Makes a listed project current without the open sequence (reads its settings).
    BOOL ReadProjectSettings(CProjectFolder* pNode);
    // The listed project of pszPath (exact comparison); null if none.
    CProjectFolder* FindProjectNode(const char* pszPath) const;
    // Lists the project file pszPath under the root and saves the list;
    // FALSE with "Project %s already exists in the tree !!!" when listed.
    BOOL AddProjectNode(const char* pszPath);
    // Removes a listed project that is not open and saves the list (the file stays).
    BOOL DeleteProjectNode(CProjectFolder* pNode);

    // Project menu and File menu commands (file dialogs through the user-interface seam).
    BOOL OnProjectNew();
    BOOL OnProjectOpen();
    BOOL OnProjectClose() { return CloseProject(); }
    BOOL OnProjectSave() { return m_project.IsOpen() && m_project.Save(); }
    BOOL OnFileSaveAll() { return m_project.SaveAll(); }
    int OnParseAll() { return m_project.ParseAllFiles(FALSE, TRUE); }
    // Adds the file of the active document to the open project.
    BOOL OnAddToProject(const char* pszPath) { return m_project.AddFile(pszPath, nullptr); }
    // Enabling: New and Open without a tool or program run; Close and the
    // build-all commands as the names say.
    BOOL CanOpenOrNew(BOOL bRunActive) const { return !bRunActive; }
    BOOL CanClose(BOOL bRunActive) const { return m_project.IsOpen() && !bRunActive; }
    BOOL CanSave() const { return m_project.IsOpen() && m_project.IsModified(); }
    BOOL CanBuildAll(BOOL bRunActive) const { return m_project.IsOpen() && m_project.GetFileCount() > 0 && !bRunActive; }

    CProject& GetProject() { return m_project; }
    const CProject& GetProject() const { return m_project; }
    CProjectRootFolder* GetRoot() const { return m_pRoot.get(); }
    // The open project's node; null when none is open.
    CProjectFolder* GetCurrentNode() const { return m_pCurrent; }
    CProjectHost& GetHost() const { return *m_pHost; }
    const CString& GetPathName() const { return m_strPathName; }
    BOOL IsModified() const { return m_bModified; }
    void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // The global interpreter class path and its switch (for user commands).
    const CString& GetInterpreterClassPath() const { return m_options.m_strInterpClassPath; }
    BOOL IsInterpreterClassPathOn() const { return m_options.m_bInterpClassPath; }

    CToolOptions m_options;       // the global defaults
    DWORD m_nVersion = 104;       // 104 once read or upgraded
    DWORD m_nReadVersion = 0;     // the version found in the file read (0: none read)
    BOOL m_bUpgraded = FALSE;     // an older file was read
    CString m_strLastFolder;      // where the Add File dialog starts

private:
    CProjectFolder* NewProjectNode(const char* pszPath) const;
    void ReadTree(CArchive& ar);

    std::unique_ptr<CProjectHost> m_pOwnHost;  // the default host when none was given
    CProjectHost* m_pHost;
    std::unique_ptr<CProjectRootFolder> m_pRoot;
    CProject m_project;
    CProjectFolder* m_pCurrent = nullptr;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
};
