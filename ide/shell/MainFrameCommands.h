// CMainFrameCommands: the handlers and enable rules the menu command table
// names, and the menus, tool bars and accelerators built from the table.
// Commands of the Build menu go to the tool commands, those of the Project
// menu to the project list document, the view commands to the active
// source window; the rest are the main window's own. The enabled state of
// the actions is brought up to date when a menu opens and on a short timer
// for the tool bar buttons.
#pragma once

#include "String.h"
#include "WinTypes.h"

#include <QObject>
#include <QPointer>

#include <map>
#include <memory>
#include <utility>
#include <vector>

class CMainFrame;
class CHTMLView;
class CHelpSearchDlg;
class CSearchView;
class CStatusBarProgress;
class CSystemIndexJob;
class CStringArray;
class QMdiSubWindow;
class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QToolBar;
class QWidget;
struct CMenuCommand;

class CMainFrameCommands : public QObject {
    Q_OBJECT
public:
    // frame (not owned) must outlive the object.
    explicit CMainFrameCommands(CMainFrame& frame);
    ~CMainFrameCommands() override;

    // Builds the menus of the table into pMenuBar, with their accelerators.
    void BuildMenus(QMenuBar* pMenuBar);
    // Fills a tool bar with the buttons of bar nBar.
    void BuildToolBar(QToolBar* pBar, int nBar);

    // Runs command nId when it is in the table, has a handler and is enabled now; FALSE otherwise.
    BOOL Execute(UINT nId);
    // Whether command nId is enabled now (FALSE for null handlers and numbers not in the table).
    BOOL IsEnabled(UINT nId);
    // Whether a check item is checked now; FALSE for items without a check.
    BOOL IsChecked(UINT nId);
    // Brings every action's enabled, checked and text state up to date.
    void UpdateActions();
    // The actions of command nId (menu item, tool bar button); empty when none.
    std::vector<QAction*> GetActions(UINT nId) const;
    // The tool bar buttons get their pictures (the window does it after its first paint).
    void LoadToolBarPictures();
    // The printer Print Setup set up (created on first use).
    QPrinter* GetPrinter() const { return m_pPrinter.get(); }
    // The menu of a title as written in the table ("&File", "&Build/&Debug"); null when none.
    QMenu* GetMenu(const char* pszPath) const;

    // --- Handlers and rules named by the table.
    void OnFileNew(UINT);
    void OnFileOpen(UINT);
    void OnFileSaveAll(UINT);
    void OnAddToProject(UINT);
    void OnPrintSetup(UINT);
    void OnRecentFile(UINT nId);
    void OnExit(UINT);
    BOOL CanSaveAll(UINT);
    BOOL CanAddToProject(UINT);
    BOOL HasRecentFiles(UINT);

    void OnViewCommand(UINT nId);     // to the active source window
    BOOL CanViewCommand(UINT nId);

    void OnToggleBar(UINT nId);       // Toolbar, Status Bar, Debug Bar, Browser Bar
    BOOL IsBarShown(UINT nId);
    void OnToggleOutput(UINT);
    BOOL IsOutputShown(UINT);
    void OnToggleDebug(UINT);
    BOOL IsDebugShown(UINT);
    void OnToggleProject(UINT);

    void OnProjectNew(UINT);
    void OnProjectOpen(UINT);
    void OnProjectClose(UINT);
    void OnProjectSave(UINT);
    void OnProjectParseAll(UINT);
    void OnProjectAddFile(UINT);
    BOOL CanProjectNewOrOpen(UINT);
    BOOL CanProjectClose(UINT);
    BOOL CanProjectSave(UINT);
    BOOL IsProjectOpen(UINT);

    void OnToolCommand(UINT nId);     // to the tool commands
    BOOL CanToolCommand(UINT nId);

    void OnWindowCascade(UINT);
    void OnWindowTile(UINT);
    void OnWindowArrangeIcons(UINT);
    void OnWindowProjectTab(UINT);
    BOOL CanProjectTab(UINT);

    // --- Project window and tool windows: the option dialogs of the project
    // and of the global defaults, the Breakpoint List, the input window, the
    // archive and RMI dialogs (MainFrameProjectCommands.cpp).
    void OnToolOptions(UINT nId);     // Compiler, Interpreter and Javadoc Options of the project
    BOOL CanToolOptions(UINT nId);
    // The option dialog of command nId (project or, bGlobal, root); OK marks
    // the project (the project list) modified. TRUE on OK.
    BOOL EditToolOptions(UINT nId, BOOL bGlobal);
    void OnBreakpointList(UINT);
    void OnInputWindow(UINT);
    void OnMakeJar(UINT);
    void OnMakeBean(UINT);
    void OnRmiCompile(UINT);
    // The open modeless dialogs, null when none (for tests).
    QWidget* GetInputDialog() const;
    QWidget* GetArchiveDialog() const;
    QWidget* GetRmiDialog() const;
    // --- Debugger (MainFrameDebugCommands.cpp).
    void OnDebugRun(UINT);            // Run (F5): "cont" while a debugger runs, else a run under the debugger
    void OnDebugCommand(UINT nId);    // Cont, Step, Step Over, Stepover Packages, Exit, Locals, Memory, Threads, Where All
    void OnJdbDebug(UINT);            // the debugger in a terminal emulator
    void OnStopDebug(UINT);
    BOOL CanDebugRun(UINT);
    BOOL CanDebugAtBreak(UINT);
    BOOL CanDebugExit(UINT);
    BOOL CanJdbDebug(UINT);
    BOOL IsDebuggerRunning(UINT);

    void OnKeyboardShortcuts(UINT);
    void OnDirectories(UINT);         // Customize: the option dialogs
    void OnFont(UINT);
    void OnEditorOptions(UINT);
    void OnTipOfTheDay(UINT);         // Help
    void OnAbout(UINT);

    // --- Find in Files and its results window (MainFrameFindCommands.cpp).
    void OnFindInFiles(UINT);
    void OnWindowSearch(UINT);        // brings the results window forward
    BOOL HasSearchResults(UINT);
    // Searches the files for pszText and shows the results (what OK of the dialog runs).
    void SearchFiles(const CString& strText, const CStringArray& files);
    // The results window; null before the first search and after it was closed.
    QMdiSubWindow* GetSearchFrame() const;
    CSearchView* GetSearchView() const;

    // --- The help windows (MainFrameHelpCommands.cpp).
    void OnHelpWindow(UINT);          // Window > Help Window: "Mosk Help" opened or brought forward
    void OnHelpNext(UINT);
    void OnHelpPrevious(UINT);
    BOOL HasHelpWindow(UINT);
    void OnHelpHistory(UINT);
    // The "Mosk Help" window's view (bTemporary FALSE) or the "Mosk Temp"
    // one's, created on first use with the browser settings, shown and in front.
    CHTMLView* OpenHelpWindow(BOOL bTemporary);
    // The view of a help window; null while it is not open.
    CHTMLView* GetHelpView(BOOL bTemporary) const;
    QMdiSubWindow* GetHelpFrame() const;
    void OnHelpSearch(UINT);          // the modeless help search dialog
    void OnColorOptions(UINT);        // Customize > Color... (MainFrameColorCommands.cpp)
    void OnCommandsDialog(UINT);      // Customize > Commands... (MainFrameColorCommands.cpp)
    // The help search dialog, created hidden on first use over the application's indices.
    CHelpSearchDlg* GetHelpSearchDialog();
    // --- Help options, the user index and the building of the system index
    // (MainFrameHelpOptions.cpp).
    void OnBrowserOptions(UINT);      // Customize > Browser...: the help view's options
    void OnUserIndex(UINT);           // Customize > User Index...: the user index dialog
    // The help windows take the browser settings again (Browser... OK).
    void ApplyBrowserOptions();
    // Start-up: when DocPath names documentation with index pages and the
    // system index file does not exist, offers to build it; TRUE when a build started.
    BOOL OfferSystemIndex();
    // Builds the system index on its thread, with the status bar's progress
    // bar; the index loads once the file is written. FALSE when a build runs already.
    BOOL StartSystemIndexBuild();
    // The last build (null when none started).
    CSystemIndexJob* GetSystemIndexJob() const { return m_pIndexJob.get(); }
    // The close: a running build is aborted and its thread waited for.
    void AbortSystemIndexBuild();
    // --- Package and bean browsers (MainFrameBrowserCommands.cpp).
    void OnPackageCommand(UINT nId);
    void OnBeanCommand(UINT nId);
    void OnAddResource(UINT nId);     // Project menu: Add Dialog, Add Frame
    // --- The help tree's page (MainFrameHelpTreeCommands.cpp).
    void OnHelpTreeCommand(UINT nId); // Info menu: Add Folder, Add File(s), Delete

private:
    void AddAction(QMenu* pMenu, const CMenuCommand& command);
    QMenu* MenuFor(QMenuBar* pMenuBar, const char* pszPath);
    void FillRecentFiles(QMenu* pMenu);
    BOOL IsRunActive() const;
    // The command line, working folder and breakpoints of a debugger run; FALSE when there is nothing to debug.
    BOOL GetDebugLaunch(BOOL bConsole, CString& strCommandLine, CString& strFolder) const;

    CMainFrame& m_frame;
    std::map<UINT, std::vector<QAction*>> m_actions;
    std::vector<std::pair<QPointer<QAction>, int>> m_pendingPictures;  // button, picture
    std::map<CString, QMenu*> m_menus;
    std::unique_ptr<QPrinter> m_pPrinter;   // the page set up by Print Setup
    QPointer<QWidget> m_pInputDialog;       // the program input window
    QPointer<QWidget> m_pArchiveDialog;     // Make Jar / Make Bean
    QPointer<QWidget> m_pRmiDialog;
    QPointer<QMdiSubWindow> m_pSearchFrame; // the Search Results window
    QPointer<QMdiSubWindow> m_pHelpFrame;   // "Mosk Help"
    QPointer<QMdiSubWindow> m_pTempFrame;   // "Mosk Temp"
    QPointer<CHelpSearchDlg> m_pHelpSearch; // the help search dialog
    // The system index build: the bar outlives the job whose thread steps it.
    std::unique_ptr<CStatusBarProgress> m_pIndexProgress;
    std::unique_ptr<CSystemIndexJob> m_pIndexJob;
    void SystemIndexBuilt();
};
