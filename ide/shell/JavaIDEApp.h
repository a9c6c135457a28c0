// CJavaIDEApp: the application object, one per run of the program. It owns
// the settings, the fonts, the user commands document, the index-file
// paths and the records of the three kinds of child process, and it owns
// the order of start-up (InitInstance, steps 1 to 15) and of the checks made
// when the main window closes (CanCloseMainFrame). Steps that need windows,
// the project list or another subsystem are virtual hooks that the program's
// subclass fills; the index files other than "user.cmd" are loaded by
// loaders those subsystems register with SetIndexLoader.
#pragma once

#include "DebuggerRunState.h"
#include "DirSettings.h"
#include "EditorSettings.h"
#include "ProgramRunState.h"
#include "ToolRunState.h"
#include "WinTypes.h"

#include <functional>
#include <memory>

class CCommandsDoc;
class CProfile;
class CSystemColors;

class CAppProjectHost;
class CProjectDoc;
class CSearchIndex;
class CToolCommands;
struct CCommandLaunch;

class CJavaIDEApp {
public:
    enum EIndexFile {
        INDEX_PROJECT_LIST,   // "mosk.proj"
        INDEX_COMMANDS,       // "user.cmd"
        INDEX_PACKAGES,       // "mosk.pkg"
        INDEX_HELP_TREE,      // "mosk.hpg"
        INDEX_SYSTEM_SEARCH,  // "mosk.ipg"
        INDEX_USER_SEARCH,    // "user.ipg"
        INDEX_BEANS,          // "mosk.bns"
        INDEX_COUNT
    };
    static constexpr int STARTUP_STEP_COUNT = 15;
    // Exit codes a close gives a running tool and a running program.
    static constexpr int TOOL_ABORT_EXIT_CODE = 101;
    static constexpr int PROGRAM_ABORT_EXIT_CODE = 102;

    // Loads one index file from its resolved path (which may not exist: the
    // loader then starts empty); FALSE aborts start-up after the loader has
    // told the user why.
    using IndexLoader = std::function<BOOL(CJavaIDEApp& app, const CString& strPath)>;

    // System colours come from colors (not owned; must outlive the object).
    explicit CJavaIDEApp(const CSystemColors& colors);
    CJavaIDEApp();
    virtual ~CJavaIDEApp();
    CJavaIDEApp(const CJavaIDEApp&) = delete;
    CJavaIDEApp& operator=(const CJavaIDEApp&) = delete;

    // The application object alive now (the latest constructed); null when none.
    static CJavaIDEApp* Get();

    // Start-up, steps 1 to 15 in order; pszCommandLineFile is the file named
    // on the command line (null or empty: none). FALSE when a step failed
    // (GetFailedStep names it); the program then ends.
    BOOL InitInstance(const char* pszCommandLineFile);
    // Number (1..15) of the step that made InitInstance fail; 0 when none did.
    int GetFailedStep() const { return m_nFailedStep; }
    // Releases what the application object owns; returns the exit code (0).
    int ExitInstance();
    // The close checks of the main window, in order; TRUE when the window may
    // close (the settings have then been saved), FALSE when the close is cancelled.
    BOOL CanCloseMainFrame();

    // Reads the directory settings (may show the first-run information and
    // the Directories dialog) and builds the help directory list.
    void LoadDirSettings();
    BOOL SaveDirSettings();
    void LoadEditorSettings();
    BOOL SaveEditorSettings();
    // Both settings objects, as the close does; FALSE when the file could not be written.
    BOOL SaveSettings();
    // Rebuilds the help directory list after the folders changed.
    void RebuildHelpDirs();

    // OK of the Directories dialog: CDirSettings::ApplyDialog; FALSE keeps the dialog open.
    BOOL ApplyDirectoriesDialog(const CDirSettings::CDialogValues& values);
    // OK of the Editor dialog: stores the values (FALSE, nothing stored, when
    // one is out of range), sets the engine's tab switch, applies them to the
    // open views, says when the undo size takes effect only at the next
    // start, and saves the editor settings at once.
    BOOL ApplyEditorDialog(const CEditorSettings::CDialogValues& values);
    // OK of the Font command: face and height become the editor font's (weight 400) and reach the views.
    void ApplyEditorFont(const char* pszFace, int nHeight);

    // Path of an index file (resolved once step 12 has run).
    const CString& GetIndexPath(int nIndex) const;
    void SetIndexPath(int nIndex, const char* pszPath);
    // File name of an index file ("mosk.proj", ...).
    static const char* GetIndexFileName(int nIndex);
    // Registers the loader of an index file other than "user.cmd".
    void SetIndexLoader(int nIndex, IndexLoader fnLoader);
    // Sets the seven paths to ProgramPath, "/" and each name when ProgramPath names an existing folder.
    void SetIndexPathsFromProgramPath();

    // Fills the output, editor and dialog font descriptions for a screen of nLogPixelsY dots per inch.
    void BuildFonts(int nLogPixelsY);

    // Moves a pending settings file into place: when pszFolder holds a file
    // "mosk", it replaces "mosk.ini" there. TRUE when it was moved.
    static BOOL MigrateSettingsFile(const char* pszFolder);
    // Resolves an index path: kept when it names an existing file; else the
    // same file name in pszCurrentFolder replaces it when that file exists
    // or when the path was empty (pszName is the name then).
    static void ResolveIndexPath(CString& strPath, const char* pszName, const char* pszCurrentFolder);
    // Copies the shipped files (classes.zip, tips.txt, keyboard.txt) from
    // pszFrom into pszTo where they are missing there or older; returns how many were copied.
    static int CopyShippedFiles(const char* pszFrom, const char* pszTo);

    // The user commands document (owned; null before step 12).
    CCommandsDoc* GetCommandsDoc() const { return m_pCommandsDoc; }
    // The project list document (owned; null before step 8).
    CProjectDoc* GetProjectDoc() const { return m_pProjectDoc.get(); }
    // Runs the user command of menu command nId (49510.. on a file item with
    // pszPath the file, 49520.. on a project node with pszPath its ".mosk"),
    // with the open project's data; fnStart starts the process it builds.
    // FALSE when it did not start.
    BOOL RunUserCommand(UINT nId, const char* pszPath, const std::function<BOOL(const CCommandLaunch&)>& fnStart);
    // The same, started by the registered tool commands (a plain process, or
    // an MDI output window when the command captures its output); FALSE
    // when none are registered.
    BOOL RunUserCommand(UINT nId, const char* pszPath);
    // The main frame's tool commands (not owned; null when none); they
    // register themselves while they live. The close checks and the project
    // tree's Compile go through them.
    void SetToolCommands(CToolCommands* pCommands) { m_pToolCommands = pCommands; }
    CToolCommands* GetToolCommands() const { return m_pToolCommands; }
    // The settings file all settings go through.
    CProfile& GetProfile() const;

    // --- The help search indices ("mosk.ipg", "user.ipg"; JavaIDEAppHelp.cpp).
    // Both are loaded on their threads in step 12 and waited for at close.
    CSearchIndex* GetSystemIndex() const { return m_pSystemIndex.get(); }
    CSearchIndex* GetUserIndex() const { return m_pUserIndex.get(); }
    const CSystemColors& GetSystemColors() const { return m_colors; }

    CDirSettings m_DirSettings;
    CEditorSettings m_EditorSettings;
    LOGFONT m_lfOutput;       // "Courier", 10 points, weight 400
    LOGFONT m_lfEditor;       // face and height from the settings, weight 400
    LOGFONT m_lfDialog;       // "ms sans serif", 8 points, weight 400
    BOOL m_bSystemVersion = FALSE;  // the platform is one the views' special cases are written for
    CToolRunState m_ToolRun;
    CProgramRunState m_ProgramRun;
    CDebuggerRunState m_DebuggerRun;
    CString m_strCommandLineFile;   // the file named on the command line

protected:
    // Hooks of the start-up steps. Each returns FALSE to abort start-up
    // (after telling the user why); the defaults do what the headless core can.
    virtual BOOL EnableSplash();                      // step 2
    virtual BOOL InitPlatform();                      // step 3: sets the system-version flag
    virtual void LoadRecentFileList(int nLength);     // step 5: the recent-file list, nLength entries
    virtual BOOL ShowFirstRunInfo(BOOL& bDontShowAgain);  // step 5: the first-run information
    virtual void ShowDirectoriesDialog();             // step 5: the Directories dialog
    virtual CString GetShippedFilesFolder();          // step 5: where the shipped files are; empty: none
    virtual BOOL UpdateGuiBuilderSettings();          // step 6: the GUI builder's settings and the class path check
    virtual BOOL CreateMainFrameObject();             // step 7: the frame object, its layout, the tree icons
    virtual int GetScreenLogPixelsY();                // step 7: dots per inch of the screen (96)
    virtual BOOL CreateProjectList();                 // step 8: the project list document
    virtual std::unique_ptr<CAppProjectHost> CreateProjectHost();  // step 8: what the projects ask of the program
    virtual BOOL LoadMainFrame();                     // step 8: the main frame window
    virtual BOOL CreateConsole();                     // step 9: nothing here (no console for children)
    virtual BOOL CreateDocumentTemplates();           // step 10
    virtual BOOL CreateHelpSearchDialog();            // step 12, after the help tree
    virtual BOOL ShowMainFrame();                     // step 13: bars, splitters, show
    virtual BOOL OpenDocumentFile(const char* pszPath);   // step 14: any file but a project
    virtual BOOL OpenProject(const char* pszPath);        // step 14: a ".mosk" file
    virtual void ShowTipOfTheDay();                   // step 15, when "Tip" is set
    virtual void FinishMainWindow();                  // step 15: splash gone, drops allowed

    // Hooks of the options commands.
    virtual void ApplyEditorSettingsToViews();        // the Editor dialog's values reach the open views
    virtual void ApplyEditorFontToViews();            // m_lfEditor reaches the views and the output window

    // Hooks of the close checks.
    virtual void TerminateToolRun(int nExitCode);     // default: the tool commands end the run (else SIGTERM)
    virtual void TerminateProgramRun(int nExitCode);  // default: the tool commands end the program (else SIGTERM)
    virtual BOOL ConfirmDebuggerKill();               // the debugger's own question; TRUE to go on
    virtual void SendDebuggerExit();                  // the debugger's exit command
    virtual CString GetOpenProjectPath();             // empty when no project is open
    virtual BOOL SaveModifiedProject();               // asks to save a modified project; FALSE: cancelled
    virtual void WaitForSearchIndexLoaders();
    virtual BOOL IsMainWindowMinimised();
    virtual void SaveMainFrameLayout();
    // Releases the shared objects of the other subsystems (ExitInstance).
    virtual void ReleaseSharedObjects();

private:
    BOOL RunStartupStep(int nStep);
    BOOL LoadIndexFiles();
    BOOL LoadCommands(const CString& strPath);
    void OpenCommandLineFile();
    void RegisterHelpIndexLoaders();

    const CSystemColors& m_colors;
    CToolCommands* m_pToolCommands = nullptr;
    CCommandsDoc* m_pCommandsDoc = nullptr;
    std::unique_ptr<CAppProjectHost> m_pProjectHost;
    std::unique_ptr<CProjectDoc> m_pProjectDoc;
    CString m_strIndexPaths[INDEX_COUNT];
    IndexLoader m_loaders[INDEX_COUNT];
    int m_nFailedStep = 0;
    std::unique_ptr<CSearchIndex> m_pSystemIndex;
    std::unique_ptr<CSearchIndex> m_pUserIndex;
};
