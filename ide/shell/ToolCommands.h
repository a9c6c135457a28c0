// CToolCommands: the main frame's commands that run the JDK tools and the
// user's program, and the window-message handlers that carry those runs to
// their end: compile and document one file, all files at once or one file
// after another (Rebuild All, JavaDoc All), run the project's program in
// the output window with its input window, the archive and RMI tools, the
// default HTML page and the bean manifest, and the start of user commands
// (plainly or with their output in an MDI output window). It owns the
// output window's model and the two runners over the application's run
// records. Lives on the user-interface thread.
#pragma once

#include "MessageWindow.h"
#include "OutputWnd.h"
#include "RunOutput.h"
#include "String.h"

#include <functional>
#include <memory>
#include <vector>

class CChildProcess;
class CJarOptions;
class CJavaIDEApp;
class CMDIOutputFrame;
class CProgramInputModel;
class CProgramRunner;
class CProject;
class CProjectDoc;
class CRmiOptions;
class CToolDocumentHost;
class CToolOptions;
class CToolRunner;
class CToolRunState;
struct CCommandLaunch;

class CToolCommands : public CMessageWindow, public IRunOutput {
public:
    // Command numbers of the menus, tool bars and the project tree.
    enum : UINT {
        ID_BUILD_COMPILE = 32773,        // Compile (F7) in a source window
        ID_STOP_BUILD = 32800,
        ID_REBUILD_ALL = 32809,
        ID_STOP_RUN = 32842,
        ID_INPUT_WINDOW = 32869,
        ID_RUN = 32873,                  // Run (F4)
        ID_TREE_COMPILE = 32881,         // Compile in the project tree's context menu
        ID_ADD_DEFAULT_HTML = 32882,
        ID_COMPILE_MAIN_FILE = 32937,
        ID_JAVADOC = 32938,
        ID_COMPILE_ALL_JAVA = 32955,     // Compile(*.java)
        ID_JAVADOC_ALL = 32969,
        ID_TOGGLE_COMPILER = 32974,
        ID_JAVADOC_FOLDER = 33015,
        ID_ADD_MANIFEST = 33025,
        ID_MAKE_BEAN = 33026,
        ID_MAKE_JAR = 33027,
        ID_RMI_COMPILE = 33028,
    };

    // app and host (not owned) must outlive the object. Construct on the UI thread.
    CToolCommands(CJavaIDEApp& app, CToolDocumentHost& host);
    ~CToolCommands() override;
    CToolCommands(const CToolCommands&) = delete;
    CToolCommands& operator=(const CToolCommands&) = delete;

    // Runs the command nId (an ID_ above other than the dialog openers);
    // FALSE when nId is not one of these commands or it is disabled now.
    BOOL OnCommand(UINT nId);
    // Whether command nId is enabled now; FALSE for numbers not handled here.
    BOOL IsCommandEnabled(UINT nId);

    // --- Compiler and documentation runs.
    void OnCompile();               // save the active document, compile it
    void OnCompileMainFile();
    void OnCompileAllJava();        // save the project's documents, compile all sources at once
    void OnRebuildAll();            // one run per ".java" file, in file-list order
    void OnTreeCompile(const char* pszPath);  // the project tree's Compile of one file
    void OnJavadoc();
    void OnJavadocAll();
    void OnJavadocFolder();         // asks for the folder
    void OnStopBuild();
    void OnToggleCompiler();
    BOOL CanCompile();              // the active document is ".java" (any case) and nothing runs
    BOOL CanCompileMainFile();
    BOOL CanBuildAll();             // Compile(*.java), Rebuild All, JavaDoc All
    BOOL CanStopBuild();
    BOOL CanToggleCompiler();
    BOOL CanJavadoc() { return CanCompile(); }

    // Compiles pszPath (bAllFiles: pszPath is the argument over the project
    // directory, the path is not a file) with the option source the path
    // calls for; nothing when a tool run is active. FALSE when nothing started.
    BOOL Compile(const char* pszPath, int nContinuation, BOOL bAllFiles);
    // Documents pszPath / every source of pszFolder (empty: the project
    // directory); nothing while a tool run is active. FALSE when nothing started.
    BOOL Document(const char* pszPath, int nContinuation);
    BOOL DocumentFolder(const char* pszFolder);

    // --- Program runs.
    void OnRun();                   // Run (F4)
    void OnStopRun();
    void OnInputWindow();           // creates the input window when needed and shows it
    BOOL CanRun();
    BOOL CanStopRun();
    // Starts a program run of pszCommandLine in pszWorkingDir (empty: the
    // current directory); FALSE when one is running or the start failed.
    BOOL StartProgramRun(const char* pszCommandLine, const char* pszWorkingDir);
    // A run of a tool the later JDKs dropped (rmic, appletviewer): when it
    // cannot start and the JDK lacks the tool, the output window says so.
    BOOL StartDroppedToolRun(const char* pszTool, const char* pszCommandLine, const char* pszWorkingDir);

    // --- Project files.
    void OnAddDefaultHtml();
    void OnAddManifestFile();
    BOOL CanAddDefaultHtml();
    BOOL CanAddManifestFile();
    BOOL CanMakeBean();

    // --- Archive and RMI tools. The dialogs open with these values.
    // The archive dialog's values from the settings (Make Jar).
    void GetJarSettings(CJarOptions& options) const;
    // The archive dialog preset for a bean of the open project (Make Bean).
    void GetBeanPreset(CJarOptions& options) const;
    void GetRmiSettings(CRmiOptions& options) const;
    // OK of the archive / RMI dialog: the values go to the settings, then the
    // tool runs in the output window. FALSE when another run holds the
    // output window (after saying so) or the start failed.
    BOOL OnJarOK(const CJarOptions& options);
    BOOL OnRmiOK(const CRmiOptions& options);

    // --- User commands.
    // The starter of CJavaIDEApp::RunUserCommand: a plain child process, or
    // with capture an MDI output window titled with the command line that
    // shows the redirected output. FALSE when the start failed (the window
    // is then gone).
    BOOL StartUserCommand(const CCommandLaunch& launch);
    // Closes an MDI output window of a user command: asks first while its
    // process runs; FALSE when the user kept it.
    BOOL CloseOutputFrame(CMDIOutputFrame* pFrame);
    int GetOutputFrameCount() const { return static_cast<int>(m_frames.size()); }
    // The MDI output window nIndex (0 .. count - 1), oldest first.
    CMDIOutputFrame* GetOutputFrame(int nIndex) const;

    // --- Close of the main window.
    // The main window's close during a run: the tool run ends as aborted and
    // the program is terminated; the close request arrives when they are gone.
    void RequestToolExit();
    void RequestProgramExit();
    // Called for the close request (WM_CLOSE) the runners post when a run
    // ended that the main window's close had waited for.
    void SetCloseHandler(std::function<void()> fnClose) { m_fnClose = std::move(fnClose); }

    // IRunOutput.
    void WriteOutput(const char* pszText) override;
    void ShowOutputPane() override;
    void ClearOutput() override;
    // Called when ShowOutputPane is asked for (the main window makes the row visible).
    void SetShowPaneHandler(std::function<void()> fnShow) { m_fnShowPane = std::move(fnShow); }

    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    COutputWnd& GetOutputWnd() { return m_output; }
    CToolRunner& GetToolRunner() { return *m_pToolRunner; }
    CProgramRunner& GetProgramRunner() { return *m_pProgramRunner; }
    // The input window's model; null until Input Window was chosen.
    CProgramInputModel* GetInputModel() const { return m_pInput.get(); }

    // Handlers of the run messages, public for the main window's message map.
    void OnCompileDone(WPARAM wParam, CToolRunState* pRecord);
    void OnJavadocDone(WPARAM wParam, CToolRunState* pRecord);
    void OnCompileNext(CToolRunState* pRecord);
    void OnJavadocNext(CToolRunState* pRecord);

    // The state of the runs, the MDI output windows and the input window, one line each.
    CString Dump() const;

    // Counts for tests and the status bar: shows of the output pane so far.
    int GetShowPaneCount() const { return m_nShowPane; }

private:

    CProjectDoc* GetProjectDoc() const;
    // The open project; null when none is open.
    CProject* GetOpenProject() const;
    const CToolOptions& GetGlobalOptions() const;
    const char* GetExePath() const;
    BOOL IsToolRunActive() const;
    BOOL IsProgramRunActive() const;
    // Compile or JavaDoc of the active source document, saved first.
    void RunActiveDocument(BOOL bJavadoc);
    // Rebuild All / JavaDoc All from the first file of the list.
    void StartSequence(BOOL bJavadoc);
    // A completion message: the report, then the end of the run or the next file.
    void OnToolRunDone(WPARAM wParam, BOOL bJavadoc);
    // A continuation message: the next file of the sequence, unless it was stopped.
    void OnToolRunNext(BOOL bJavadoc);
    // The walk of Rebuild All / JavaDoc All from position nPosition (1-based; 0: none).
    void ContinueSequence(int nPosition, BOOL bJavadoc);
    // A stop asked for between two files of a sequence ends it; TRUE then.
    BOOL StoppedBetweenFiles(BOOL bJavadoc);
    // Ends a tool run: running cleared, beep, the sequence's closing line.
    void FinishToolRun(BOOL bJavadoc);
    // The report of a finished compile or documentation run.
    void ReportToolRun(WPARAM wParam, BOOL bJavadoc);
    BOOL StartToolRun(const CString& strCommandLine, const CString& strWorkingDir, const char* pszSourcePath,
                      int nContinuation, UINT nCompletionMsg);
    void RunApplication(CProject& project);
    // One output line naming the interpreter switches left out of a run.
    void ReportLeftOutSwitches(const CString& strLeftOut);
    // TRUE, with the reason in the output window, when the options ask for a
    // document type the documentation tool no longer writes.
    BOOL RefuseUnsupportedDocType(const CToolOptions* pProject);
    void RunApplet(CProject& project);
    void OnOutputChunk(const char* pBytes, DWORD nCount);
    // Drops plain user-command processes that have ended.
    void PrunePlainProcesses();

    CJavaIDEApp& m_app;
    CToolDocumentHost& m_host;
    COutputWnd m_output;
    std::unique_ptr<CToolRunner> m_pToolRunner;
    std::unique_ptr<CProgramRunner> m_pProgramRunner;
    std::unique_ptr<CProgramInputModel> m_pInput;
    std::vector<std::unique_ptr<CMDIOutputFrame>> m_frames;
    std::vector<std::unique_ptr<CChildProcess>> m_plainProcesses;
    std::function<void()> m_fnClose;
    std::function<void()> m_fnShowPane;
    int m_nShowPane = 0;
};
