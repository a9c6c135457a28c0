// CMainFrame: the program's main window. Its client area is split into a
// fixed workspace: the main splitter's upper row holds the project window
// beside the document area, its lower row the output pane beside the debug
// output. Around it: the menus and accelerators of the command table, the
// three tool bars (which float and dock), and the status bar with the
// message pane, the caret position and the insert mode. The layout is read
// from the settings at start-up and written back at close, where the close
// checks of the application run before the window goes. The window is the
// host of the source views and of the tool commands' document questions.
#pragma once

#include "DocumentWindows.h"
#include "JavaIDEViewHost.h"
#include "MainFrameLayout.h"
#include "ProjectFrame.h"

#include <QFont>
#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>

class CDebugController;
class CDebugOutput;
class CFrameDebuggerHost;
class CFrameDocumentHost;
class CFrameProjectViewHost;
class CProjectView;
class CMainFrameBrowsers;
class CMainFrameHelpTree;
class CJavaIDEApp;
class CMainFrameCommands;
class CProfile;
class CRecentFileList;
class CRichEditWidget;
class CToolCommands;
class QDockWidget;
class QLabel;
class QMdiArea;
class QSplitter;
class QTabWidget;
class CDocumentRecovery;
class QToolBar;

class CMainFrame : public QMainWindow, public CJavaIDEViewHost {
    Q_OBJECT
public:
    // app and recent (not owned) must outlive the window.
    CMainFrame(CJavaIDEApp& app, CRecentFileList& recent, QWidget* pParent = nullptr);
    ~CMainFrame() override;

    // --- Layout.
    // Start-up: reads the layout keys (before the window shows).
    void ReadLayout(CProfile& profile);
    // Start-up: window place, bars, splitters as read; shows the window.
    void RestoreLayoutAndShow();
    // Close: the layout keys of the window as it is now.
    void SaveLayout(CProfile& profile);
    const CMainFrameLayout& GetLayout() const { return m_layout; }

    // --- Documents.
    // Opens the file in a document window, or activates the one showing it;
    // false after telling the user why it cannot. A ".mosk" file opens as the project.
    bool OpenFile(const QString& strPath);
    // Opens an empty untitled document.
    CDocumentWindow* NewFile();
    // Opens or activates pszPath and puts the caret on line nLine, marked; FALSE when it cannot be opened.
    BOOL OpenFileAtLine(const char* pszPath, int nLine);
    // The document window in front, null when there is none.
    CDocumentWindow* GetActiveSourceFrame() const;
    CDocumentWindows& GetDocumentWindows() const { return *m_pDocuments; }
    // The keeper of the documents' unsaved text.
    CDocumentRecovery& GetRecovery() const { return *m_pRecovery; }
    // Routes a view command (DocumentCommands.h) to the active source window.
    BOOL RouteViewCommand(UINT nId);
    BOOL IsViewCommandEnabled(UINT nId);

    // --- Panes and toggles.
    void ToggleOutput();
    void ToggleDebug();
    // Floats the docked project window into its frame, or docks it back.
    void ToggleProject();
    BOOL IsOutputShown() const { return m_layout.m_bOutput; }
    BOOL IsDebugShown() const { return m_bDebugShown; }
    BOOL IsProjectDocked() const { return m_layout.m_bProject; }
    // Makes the output row visible (the tool commands' ShowOutputPane).
    void ShowOutputPane();
    // Shows and activates the floating project frame; FALSE while docked.
    BOOL ActivateProjectFrame();
    CProjectFrame* GetProjectFrame() const { return m_pProjectFrame; }

    // --- Bars (CMainFrameLayout::BAR_*; the status bar separately).
    void ShowBar(int nBar, BOOL bShow);
    BOOL IsBarShown(int nBar) const { return m_bBarShown[nBar]; }
    void ShowStatusBar(BOOL bShow);
    BOOL IsStatusBarShown() const { return m_bStatusShown; }
    QDockWidget* GetBarDock(int nBar) const { return m_pBarDocks[nBar]; }
    QToolBar* GetToolBar(int nBar) const { return m_pToolBars[nBar]; }

    // --- Pieces, for the commands and tests.
    QMdiArea* GetMdiArea() const { return m_pMdiArea; }
    QSplitter* GetMainSplitter() const { return m_pMainSplit; }
    QSplitter* GetUpperSplitter() const { return m_pUpperSplit; }
    QSplitter* GetLowerSplitter() const { return m_pLowerSplit; }
    QTabWidget* GetProjectWindow() const { return m_pProjectWnd; }
    // The Project page of the project window (the project tree).
    CProjectView* GetProjectView() const { return m_pProjectView; }
    CFrameProjectViewHost& GetProjectViewHost() const { return *m_pProjectViewHost; }
    CRichEditWidget* GetOutputPane() const { return m_pOutputPane; }
    QWidget* GetDebugOutput() const { return m_pDebugOutput; }
    QLabel* GetPositionPane() const { return m_pPositionPane; }
    QLabel* GetInsertPane() const { return m_pInsertPane; }
    CMainFrameCommands& GetCommands() const { return *m_pCommands; }
    CToolCommands& GetToolCommands() const { return *m_pTools; }
    CJavaIDEApp& GetApp() const { return m_app; }
    CRecentFileList& GetRecentFiles() const { return m_recent; }

    // --- Debugger: the debug page, its host and the program's debugger runs.
    CDebugOutput* GetDebugPage() const { return m_pDebugPage; }
    CDebugController& GetDebugController() const { return *m_pDebugController; }
    CFrameDebuggerHost& GetDebuggerHost() const { return *m_pDebuggerHost; }

    // The editor font and tab stops of the settings reach every open view, the output font the output pane.
    void ApplyEditorSettings();
    // The editor font of the settings as the widgets draw it.
    QFont GetEditorFont() const;

    // The title without the active document ("Mosk", or "Mosk - project"); the
    // window's title adds " - " and the active document's title.
    void SetBaseTitle(const QString& strTitle);
    void UpdateTitle();

    // Status bar panes from the active source view (also run by the idle timer).
    void UpdateStatusPanes();

    // CJavaIDEViewHost.
    CViewSettings GetViewSettings() override;
    void SetCursorPos(long nLine, int nColumn) override;
    void SetInsertMode(CJavaIDEView* pFrom, BOOL bInsert) override;
    void ActivateNextDocument() override;
    void HideOutputPanes() override;
    void AddToRecentFileList(const char* pszPath) override;
    void ClearOutput() override;
    void WriteOutput(const char* pszText) override;
    BOOL IsToolBusy() override;
    BOOL StartCompile(const char* pszPath) override;
    BOOL StartJavadoc(const char* pszPath) override;
    CProjectDoc* GetProjectDoc() override;
    BOOL IsDebuggerActive() override;
    // A double click on a word of a source window: at a break the debugger prints it.
    void PrintVariable(const char* pszName) override;
    BOOL HasCheckoutCommand() override;
    void RunCheckoutCommand(const char* pszPath) override;
    void ExecuteMainCommand(UINT nId) override;
    BOOL IsMainCommandEnabled(UINT nId) override;

    // Package and bean browsers (MainFrameBrowsers.cpp): the pages, the
    // editor's look-up, and browser items dropped on source views.
    CMainFrameBrowsers& GetBrowsers() const { return *m_pBrowsers; }
    void LookUpWord(const char* pszWord) override;
    BOOL IsBrowserDragSource() override;
    BOOL InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine) override;
    std::vector<CVarObject*> GetOverridableMethods(CVarContainer* pClass) override;

    // The help tree "mosk.hpg" and its page, the last of the project window (MainFrameHelpTree.cpp).
    CMainFrameHelpTree& GetHelpTree() const { return *m_pHelpTree; }

protected:
    // The close checks of the application first; "No" to any keeps the window.
    void closeEvent(QCloseEvent* pEvent) override;
    // With MOSK_STARTUP_TRACE=1 the first paint prints "mosk: first paint at <unix ms>" (start-up timing).
    bool event(QEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

private:
    void CreateClientArea();
    void CreateDebugger();
    void CreateBars();
    void CreateStatusBar();
    void ApplyBarLayout(int nBar);
    void StoreBarLayout(int nBar);
    void ApplySplitterSizes();
    void FloatProject();
    void DockProject();
    // The project frame closes: its place goes to "ProjWnd", the window docks again.
    void OnProjectFrameClosing();
    void OnIdle();

    CJavaIDEApp& m_app;
    CRecentFileList& m_recent;
    CMainFrameLayout m_layout;
    QSplitter* m_pMainSplit = nullptr;
    QSplitter* m_pUpperSplit = nullptr;
    QSplitter* m_pLowerSplit = nullptr;
    QTabWidget* m_pProjectWnd = nullptr;
    CProjectView* m_pProjectView = nullptr;                 // page "Project"
    std::unique_ptr<CFrameProjectViewHost> m_pProjectViewHost;
    QMdiArea* m_pMdiArea = nullptr;
    CRichEditWidget* m_pOutputPane = nullptr;
    QWidget* m_pDebugOutput = nullptr;      // the debug page
    CDebugOutput* m_pDebugPage = nullptr;
    std::unique_ptr<CFrameDebuggerHost> m_pDebuggerHost;
    std::unique_ptr<CDebugController> m_pDebugController;
    QPointer<CProjectFrame> m_pProjectFrame;
    QDockWidget* m_pBarDocks[CMainFrameLayout::BAR_COUNT] = {};
    QToolBar* m_pToolBars[CMainFrameLayout::BAR_COUNT] = {};
    BOOL m_bBarShown[CMainFrameLayout::BAR_COUNT] = {};
    BOOL m_bStatusShown = TRUE;
    BOOL m_bDebugShown = FALSE;
    QLabel* m_pPositionPane = nullptr;
    QLabel* m_pInsertPane = nullptr;
    std::unique_ptr<CDocumentWindows> m_pDocuments;
    std::unique_ptr<CFrameDocumentHost> m_pDocumentHost;
    std::unique_ptr<CToolCommands> m_pTools;
    bool m_bPainted = false;
    QString m_strBaseTitle = QStringLiteral("Mosk");
    std::unique_ptr<CMainFrameCommands> m_pCommands;
    std::unique_ptr<CMainFrameBrowsers> m_pBrowsers;   // package and bean browsers
    std::unique_ptr<CMainFrameHelpTree> m_pHelpTree;   // the help tree's page
    QTimer m_idleTimer;
    std::unique_ptr<CDocumentRecovery> m_pRecovery;
    bool m_bClosed = false;      // the close checks passed: later close requests just close
    bool m_bSplittersSet = false;
};
