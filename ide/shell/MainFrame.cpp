#include "MainFrame.h"
#include "MainFrameBrowsers.h"
#include "MainFrameHelpTree.h"

#include "Command.h"
#include "DebugController.h"
#include "DebugOutput.h"
#include "Debugger.h"
#include "FrameDebuggerHost.h"
#include "CommandRunContext.h"
#include "CommandRunner.h"
#include "CommandsDoc.h"
#include "DocumentRecovery.h"
#include "DocumentWindows.h"
#include "FrameHosts.h"
#include "JavaIDEApp.h"
#include "JavaIDEView.h"
#include "MainFrameCommands.h"
#include "MenuCommandTable.h"
#include "OutputFrameWindow.h"
#include "PathName.h"
#include "ProjectDoc.h"
#include "ProjectFrame.h"
#include "FrameProjectViewHost.h"
#include "ProjectView.h"
#include "OutputPaneMenu.h"
#include "RecentFileList.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "TinctoView.h"
#include "ToolCommands.h"
#include "ToolRunner.h"
#include "ProgramRunner.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int IDLE_INTERVAL_MS = 250;

Qt::DockWidgetArea AreaOfDock(int nDock)
{
    switch (nDock) {
    case CMainFrameLayout::DOCK_LEFT: return Qt::LeftDockWidgetArea;
    case CMainFrameLayout::DOCK_RIGHT: return Qt::RightDockWidgetArea;
    case CMainFrameLayout::DOCK_BOTTOM: return Qt::BottomDockWidgetArea;
    default: return Qt::TopDockWidgetArea;
    }
}

int DockOfArea(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::TopDockWidgetArea: return CMainFrameLayout::DOCK_TOP;
    case Qt::RightDockWidgetArea: return CMainFrameLayout::DOCK_RIGHT;
    case Qt::BottomDockWidgetArea: return CMainFrameLayout::DOCK_BOTTOM;
    case Qt::LeftDockWidgetArea: return CMainFrameLayout::DOCK_LEFT;
    default: return 0;
    }
}

// The output font: the face of the description, monospace, its pixel height.
QFont OutputFont(const LOGFONT& lf)
{
    QFont font = CRichEditWidget::DefaultEditorFont(10);
    if (lf.lfFaceName[0]) {
        QFont wanted(QString::fromUtf8(lf.lfFaceName));
        wanted.setStyleHint(QFont::TypeWriter);
        if (QFontInfo(wanted).fixedPitch())
            font = wanted;
    }
    if (lf.lfHeight != 0)
        font.setPixelSize(std::abs(lf.lfHeight));
    return font;
}

}  // namespace

CMainFrame::CMainFrame(CJavaIDEApp& app, CRecentFileList& recent, QWidget* pParent)
    : QMainWindow(pParent), m_app(app), m_recent(recent)
{
    setWindowTitle(QStringLiteral("Mosk"));
    setAcceptDrops(true);
    m_pMdiArea = new QMdiArea;
    m_pMdiArea->setAccessibleName(QStringLiteral("Documents"));
    connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, [this] { UpdateTitle(); });
    m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pDocuments = std::make_unique<CDocumentWindows>(m_pMdiArea, this);
    m_pRecovery = std::make_unique<CDocumentRecovery>(m_pDocuments.get());
    m_pDocuments->SetNewWindowFont(GetEditorFont());
    m_pDocumentHost = std::make_unique<CFrameDocumentHost>(*this);
    m_pTools = std::make_unique<CToolCommands>(app, *m_pDocumentHost);
    m_pTools->SetShowPaneHandler([this] { ShowOutputPane(); });
    m_pTools->SetCloseHandler([this] { close(); });
    m_pCommands = std::make_unique<CMainFrameCommands>(*this);

    CreateClientArea();
    m_pBrowsers = std::make_unique<CMainFrameBrowsers>(*this, app);
    m_pHelpTree = std::make_unique<CMainFrameHelpTree>(*this, app);
    CreateDebugger();
    m_pCommands->BuildMenus(menuBar());
    CreateBars();
    CreateStatusBar();
    resize(m_layout.m_nMainSizeX, m_layout.m_nMainSizeY);

    connect(&m_idleTimer, &QTimer::timeout, this, &CMainFrame::OnIdle);
    m_idleTimer.start(IDLE_INTERVAL_MS);
}

CMainFrame::~CMainFrame()
{
    m_idleTimer.stop();
    // A running debugger is ended; its window goes before the page it writes to.
    m_pDebugController.reset();
    // The document area outlives this part of the window: it must not call back into it.
    disconnect(m_pMdiArea, nullptr, this, nullptr);
    // Windows showing the output go before the tool commands that own it.
    m_pDocuments->DestroyAll();
    for (QMdiSubWindow* pSub : m_pMdiArea->subWindowList())
        if (auto* pWindow = qobject_cast<COutputFrameWindow*>(pSub))
            pWindow->Detach();
    m_pOutputPane->SetEditCtrl(nullptr);
    m_pOutputPane->SetMessageTarget(nullptr);
}

// ---------------------------------------------------------------------------
// Creation

void CMainFrame::CreateClientArea()
{
    m_pMainSplit = new QSplitter(Qt::Vertical);
    m_pMainSplit->setObjectName(QStringLiteral("MainSplitter"));
    m_pMainSplit->setChildrenCollapsible(false);
    m_pUpperSplit = new QSplitter(Qt::Horizontal);
    m_pUpperSplit->setChildrenCollapsible(false);
    m_pLowerSplit = new QSplitter(Qt::Horizontal);
    m_pLowerSplit->setChildrenCollapsible(false);

    // The project window's pages (project tree, packages, help, beans) come with their own views.
    m_pProjectWnd = new QTabWidget;
    m_pProjectWnd->setAccessibleName(QStringLiteral("Project window"));
    // The project tree: the first page. It shows the project list once that is loaded.
    m_pProjectViewHost = std::make_unique<CFrameProjectViewHost>(*this);
    // A resource opened from the tree goes to the GUI builder's start.
    m_pProjectViewHost->SetResourceEditor([this](const char* pszPath) { m_pBrowsers->EditResource(pszPath); });
    // The tree's resource commands and its design nodes go to the GUI builder's part too.
    m_pProjectViewHost->SetResourceHandler(
        [this](UINT nID, CTreeItem* pNode) { return m_pBrowsers->OnResourceCommand(nID, pNode); });
    m_pProjectViewHost->SetDesignEditor([this](const char* pszPath, const char* pszName, BOOL bFrame) {
        return m_pBrowsers->EditDesign(pszPath, pszName, bFrame);
    });
    m_pProjectView = new CProjectView;
    m_pProjectView->SetViewHost(m_pProjectViewHost.get());
    m_pProjectWnd->addTab(m_pProjectView, QStringLiteral("Project"));
    m_pUpperSplit->addWidget(m_pProjectWnd);
    m_pUpperSplit->addWidget(m_pMdiArea);
    m_pUpperSplit->setStretchFactor(1, 1);

    m_pOutputPane = new CRichEditWidget;
    m_pOutputPane->setAccessibleName(QStringLiteral("Output"));
    m_pOutputPane->SetEditCtrl(&m_pTools->GetOutputWnd().GetEditCtrl());
    m_pOutputPane->SetMessageTarget(&m_pTools->GetOutputWnd());
    m_pOutputPane->SetEditorFont(OutputFont(m_app.m_lfOutput));
    new COutputPaneMenu(m_pOutputPane, [this]() -> COutputText* { return &m_pTools->GetOutputWnd(); });
    // The debugger's output page fills this pane.
    m_pDebugPage = new CDebugOutput;
    m_pDebugPage->SetOutputFont(OutputFont(m_app.m_lfOutput));
    m_pDebugOutput = m_pDebugPage;
    m_pLowerSplit->addWidget(m_pOutputPane);
    m_pLowerSplit->addWidget(m_pDebugOutput);
    m_pDebugOutput->hide();

    m_pMainSplit->addWidget(m_pUpperSplit);
    m_pMainSplit->addWidget(m_pLowerSplit);
    m_pMainSplit->setStretchFactor(0, 1);
    m_pLowerSplit->hide();
    setCentralWidget(m_pMainSplit);
}

void CMainFrame::CreateDebugger()
{
    m_pDebuggerHost = std::make_unique<CFrameDebuggerHost>(*this, *m_pDebugPage);
    m_pDebugController = std::make_unique<CDebugController>(m_app.m_DebuggerRun, *m_pDebuggerHost);
    CDebugController* pController = m_pDebugController.get();
    m_pDebugPage->SetCommandHandlers(
        [pController](const CString& strText) {
            CDebugger* pDebugger = pController->GetDebugger();
            return pDebugger && pDebugger->TypedCommand(strText);
        },
        [pController] {
            CDebugger* pDebugger = pController->GetDebugger();
            return pDebugger ? pDebugger->GetHistory() : std::vector<CString>();
        });
    CFrameDebuggerHost* pHost = m_pDebuggerHost.get();
    m_pDebugPage->SetLineHandler([pHost](const CString& strLine) { pHost->OpenLinePosition(strLine); });
    m_pDebugPage->SetToolCommands({{32851, "Cont"}, {32850, "Step"}, {32889, "Step Over"}, {32849, "Locals"},
                                   {32853, "Threads"}, {32902, "Where All"}},
                                  [this](UINT nId) { m_pCommands->Execute(nId); },
                                  [this](UINT nId) { return m_pCommands->IsEnabled(nId); });
}

void CMainFrame::CreateBars()
{
    static const char* const s_names[CMainFrameLayout::BAR_COUNT] = {"ToolBar", "DebugBar", "BrowserBar"};
    for (int nBar = 0; nBar < CMainFrameLayout::BAR_COUNT; ++nBar) {
        QString strTitle = QString::fromUtf8(CMenuCommandTable::GetBarTitle(nBar));
        auto* pBar = new QToolBar(strTitle);
        pBar->setObjectName(QString::fromUtf8(s_names[nBar]));
        pBar->setAccessibleName(strTitle);
        pBar->setIconSize(QSize(16, 16));
        m_pCommands->BuildToolBar(pBar, nBar);
        auto* pDock = new QDockWidget(strTitle, this);
        pDock->setObjectName(QString::fromUtf8(s_names[nBar]) + QStringLiteral("Dock"));
        pDock->setAccessibleName(strTitle);
        // Shown and hidden through the View menu only, so the menu's check is the truth.
        pDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
        pDock->setWidget(pBar);
        addDockWidget(Qt::TopDockWidgetArea, pDock);
        connect(pDock, &QDockWidget::dockLocationChanged, pBar, [pBar](Qt::DockWidgetArea area) {
            bool bSide = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
            pBar->setOrientation(bSide ? Qt::Vertical : Qt::Horizontal);
        });
        m_pBarDocks[nBar] = pDock;
        m_pToolBars[nBar] = pBar;
        m_bBarShown[nBar] = m_layout.m_bars[nBar].m_bDisplay;
        pDock->setVisible(m_bBarShown[nBar]);
    }
}

void CMainFrame::CreateStatusBar()
{
    m_pPositionPane = new QLabel;
    m_pPositionPane->setAccessibleName(QStringLiteral("Caret position"));
    m_pPositionPane->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("Ln 99999 Col 999")));
    m_pInsertPane = new QLabel(QStringLiteral("INS"));
    m_pInsertPane->setAccessibleName(QStringLiteral("Insert mode"));
    statusBar()->addPermanentWidget(m_pPositionPane);
    statusBar()->addPermanentWidget(m_pInsertPane);
    statusBar()->showMessage(tr("Ready"));
}

// ---------------------------------------------------------------------------
// Layout

void CMainFrame::ReadLayout(CProfile& profile)
{
    m_layout.Read(profile);
}

void CMainFrame::RestoreLayoutAndShow()
{
    // The fonts and the project list exist by now.
    m_pOutputPane->SetEditorFont(OutputFont(m_app.m_lfOutput));
    m_pDocumentHost->SetProjectDoc(m_app.GetProjectDoc());
    m_pProjectView->SetDocument(m_app.GetProjectDoc());
    std::vector<CLayoutRect> screens;
    QScreen* pPrimary = QGuiApplication::primaryScreen();
    auto add = [&screens](QScreen* pScreen) {
        QRect rect = pScreen->availableGeometry();
        screens.push_back(CLayoutRect{rect.x(), rect.y(), rect.width(), rect.height()});
    };
    if (pPrimary)
        add(pPrimary);
    for (QScreen* pScreen : QGuiApplication::screens())
        if (pScreen != pPrimary)
            add(pScreen);
    CLayoutRect rect = m_layout.FitMainWindow(screens);
    move(rect.m_nLeft, rect.m_nTop);
    resize(rect.m_nWidth, rect.m_nHeight);

    ShowStatusBar(m_layout.m_bStatusBar);
    for (int nBar = 0; nBar < CMainFrameLayout::BAR_COUNT; ++nBar)
        ApplyBarLayout(nBar);
    show();
    ApplySplitterSizes();
}

void CMainFrame::ApplyBarLayout(int nBar)
{
    const CBarLayout& bar = m_layout.m_bars[nBar];
    QDockWidget* pDock = m_pBarDocks[nBar];
    if (bar.m_bFloat) {
        pDock->setFloating(true);
        pDock->move(bar.m_nLeft, bar.m_nTop);
    } else {
        pDock->setFloating(false);
        addDockWidget(AreaOfDock(bar.m_nDock), pDock);
    }
    ShowBar(nBar, bar.m_bDisplay);
}

void CMainFrame::StoreBarLayout(int nBar)
{
    CBarLayout& bar = m_layout.m_bars[nBar];
    QDockWidget* pDock = m_pBarDocks[nBar];
    bar.m_bDisplay = m_bBarShown[nBar];
    bar.m_bFloat = pDock->isFloating();
    QRect rect = pDock->isFloating() ? pDock->frameGeometry() : QRect(pDock->mapToGlobal(QPoint(0, 0)), pDock->size());
    bar.m_nLeft = rect.left();
    bar.m_nTop = rect.top();
    bar.m_nRight = rect.left() + rect.width();
    bar.m_nBottom = rect.top() + rect.height();
    if (!bar.m_bFloat) {
        int nDock = DockOfArea(dockWidgetArea(pDock));
        if (nDock)
            bar.m_nDock = nDock;
    }
}

void CMainFrame::ApplySplitterSizes()
{
    int nUpper = 0, nLower = 0;
    m_layout.GetInitialRows(m_pMainSplit->height(), nUpper, nLower);
    if (m_layout.m_bOutput) {
        m_pLowerSplit->show();
        m_pMainSplit->setSizes({nUpper, nLower});
    } else {
        m_pLowerSplit->hide();
        m_pMainSplit->setSizes({m_pMainSplit->height(), 0});
    }
    // The document area is the last column: it takes what the project column leaves.
    int nWidth = m_pUpperSplit->width();
    int nProject = 0, nDocuments = 0;
    m_layout.GetInitialColumns(nWidth, nProject, nDocuments);
    nProject = std::clamp(nProject, 0, std::max(0, nWidth - m_pUpperSplit->handleWidth()));
    m_pUpperSplit->setSizes({nProject, std::max(0, nWidth - nProject - m_pUpperSplit->handleWidth())});
    m_bSplittersSet = true;
    if (!m_layout.m_bProject) {
        // Stored floating: the project window starts in its frame.
        m_layout.m_bProject = TRUE;
        FloatProject();
    }
}

void CMainFrame::SaveLayout(CProfile& profile)
{
    QRect normal = normalGeometry();
    m_layout.SetMainWindow(CLayoutRect{pos().x(), pos().y(), width(), height()},
                           CLayoutRect{normal.x(), normal.y(), normal.width(), normal.height()}, isMaximized());
    QList<int> rows = m_pMainSplit->sizes();
    m_layout.m_nSplit1Y1 = rows.value(0);
    m_layout.m_nSplit1Y2 = m_pLowerSplit->isHidden() ? 0 : rows.value(1);
    QList<int> columns = m_pUpperSplit->sizes();
    if (m_layout.m_bProject) {
        m_layout.m_nSplit2X1 = columns.value(0);
        m_layout.m_nSplit2X2 = columns.value(1);
    } else {
        m_layout.m_nSplit2X1 = 0;
        m_layout.m_nSplit2X2 = columns.value(0);
    }
    m_layout.m_bStatusBar = m_bStatusShown;
    for (int nBar = 0; nBar < CMainFrameLayout::BAR_COUNT; ++nBar)
        StoreBarLayout(nBar);
    m_layout.Write(profile);
    if (m_pProjectFrame) {
        m_pProjectFrame->StorePlacement(m_layout);
        m_layout.WriteProjectFrame(profile);
    }
    m_recent.Write(profile);
}

// ---------------------------------------------------------------------------
// Toggles

void CMainFrame::ToggleOutput()
{
    QList<int> rows = m_pMainSplit->sizes();
    if (m_layout.m_bOutput) {
        int nWhole = m_layout.HideOutput(rows.value(0), rows.value(1));
        if (m_bDebugShown) {
            m_pDebugOutput->hide();
            m_bDebugShown = FALSE;
        }
        m_pLowerSplit->hide();
        m_pMainSplit->setSizes({nWhole, 0});
    } else {
        int nUpper = 0, nLower = 0;
        m_layout.ShowOutput(rows.value(0), nUpper, nLower);
        m_pLowerSplit->show();
        m_pMainSplit->setSizes({nUpper, nLower});
    }
    m_layout.m_bOutput = !m_layout.m_bOutput;
}

void CMainFrame::ShowOutputPane()
{
    if (!m_layout.m_bOutput)
        ToggleOutput();
}

void CMainFrame::ToggleDebug()
{
    if (m_bDebugShown) {
        m_pDebugOutput->hide();
        m_bDebugShown = FALSE;
        return;
    }
    ShowOutputPane();
    m_pDebugOutput->show();
    int nHalf = std::max(1, m_pLowerSplit->width() / 2);
    m_pLowerSplit->setSizes({nHalf, nHalf});
    m_bDebugShown = TRUE;
}

void CMainFrame::ToggleProject()
{
    if (m_layout.m_bProject)
        FloatProject();
    else if (m_pProjectFrame)
        m_pProjectFrame->close();   // its close docks the project window again
    else
        DockProject();
}

void CMainFrame::FloatProject()
{
    if (!m_layout.m_bProject)
        return;
    QList<int> columns = m_pUpperSplit->sizes();
    m_layout.FloatProject(columns.value(0), columns.value(1));
    auto* pFrame = new CProjectFrame;
    pFrame->setWidget(m_pProjectWnd);   // takes it out of the splitter
    m_pMdiArea->addSubWindow(pFrame);
    pFrame->SetCloseHandler([this] { OnProjectFrameClosing(); });
    m_pProjectFrame = pFrame;
    m_layout.ReadProjectFrame(m_app.GetProfile());
    pFrame->show();
    pFrame->RestorePlacement(m_layout);
    m_layout.m_bProject = FALSE;
}

void CMainFrame::OnProjectFrameClosing()
{
    if (m_pProjectFrame) {
        m_pProjectFrame->StorePlacement(m_layout);
        m_layout.WriteProjectFrame(m_app.GetProfile());
    }
    DockProject();
}

void CMainFrame::DockProject()
{
    if (m_layout.m_bProject)
        return;
    if (m_pProjectFrame)
        m_pProjectFrame->setWidget(nullptr);
    int nWidth = 0;
    for (int nSize : m_pUpperSplit->sizes())
        nWidth += nSize;
    m_pUpperSplit->insertWidget(0, m_pProjectWnd);
    m_pProjectWnd->show();
    int nProject = 0, nDocuments = 0;
    m_layout.DockProject(nWidth, nProject, nDocuments);
    m_pUpperSplit->setSizes({nProject, nDocuments});
    m_layout.m_bProject = TRUE;
}

BOOL CMainFrame::ActivateProjectFrame()
{
    if (m_layout.m_bProject || !m_pProjectFrame)
        return FALSE;
    if (m_pProjectFrame->isMinimized())
        m_pProjectFrame->showNormal();
    m_pProjectFrame->show();
    m_pMdiArea->setActiveSubWindow(m_pProjectFrame);
    return TRUE;
}

void CMainFrame::ShowBar(int nBar, BOOL bShow)
{
    m_bBarShown[nBar] = bShow;
    m_pBarDocks[nBar]->setVisible(bShow);
}

void CMainFrame::ShowStatusBar(BOOL bShow)
{
    m_bStatusShown = bShow;
    statusBar()->setVisible(bShow);
}

// ---------------------------------------------------------------------------
// Documents

bool CMainFrame::OpenFile(const QString& strPath)
{
    QByteArray path = QFileInfo(strPath).absoluteFilePath().toUtf8();
    if (CPathName(path.constData()).HasExtension(".mosk")) {
        CProjectDoc* pDoc = m_app.GetProjectDoc();
        return pDoc && pDoc->OpenProjectFile(path.constData());
    }
    if (!m_pDocuments->Open(path.constData()))
        return false;
    m_recent.Add(path.constData());
    return true;
}

CDocumentWindow* CMainFrame::NewFile()
{
    return m_pDocuments->CreateUntitled();
}

BOOL CMainFrame::OpenFileAtLine(const char* pszPath, int nLine)
{
    CDocumentWindow* pWindow = m_pDocuments->Find(pszPath);
    if (!pWindow) {
        if (!OpenFile(QString::fromUtf8(pszPath)))
            return FALSE;
        pWindow = m_pDocuments->Find(pszPath);
        if (!pWindow)
            return FALSE;
    }
    m_pDocuments->GotoLine(pWindow, nLine);
    return TRUE;
}

CDocumentWindow* CMainFrame::GetActiveSourceFrame() const
{
    return m_pDocuments->GetActive();
}

BOOL CMainFrame::RouteViewCommand(UINT nId)
{
    return CDocumentWindows::OnViewCommand(m_pDocuments->GetActive(), nId);
}

BOOL CMainFrame::IsViewCommandEnabled(UINT nId)
{
    return CDocumentWindows::IsViewCommandEnabled(m_pDocuments->GetActive(), nId);
}

QFont CMainFrame::GetEditorFont() const
{
    return OutputFont(m_app.m_lfEditor);
}

void CMainFrame::ApplyEditorSettings()
{
    CViewSettings settings = GetViewSettings();
    QFont font = GetEditorFont();
    m_pDocuments->SetNewWindowFont(font);
    m_pDocuments->ForEach([&](CDocumentWindow* pWindow) {
        CJavaIDEView& view = CDocumentWindows::GetView(pWindow);
        if (settings.m_lfEditor.lfFaceName[0])
            view.SetDefaultFont(settings.m_lfEditor, 0, -1);
        view.SetTabStops(std::max(1, settings.m_nTabSize / 4), TRUE);
        CDocumentWindows::SetEditorFont(pWindow, font);
    });
    m_pOutputPane->SetEditorFont(OutputFont(m_app.m_lfOutput));
    m_pDebugPage->SetOutputFont(OutputFont(m_app.m_lfOutput));
}

// ---------------------------------------------------------------------------
// Status bar and idle time

void CMainFrame::UpdateStatusPanes()
{
    CDocumentWindow* pWindow = m_pDocuments->GetActive();
    if (!pWindow) {
        m_pPositionPane->clear();
    } else {
        CTinctoView& view = CDocumentWindows::GetView(pWindow);
        view.UpdateCursorPosition();
        SetCursorPos(view.GetCursorLine() + 1, view.GetCursorColumn() + 1);
    }
    // The engine keeps one insert mode for all views: set means overwrite.
    QString strMode = CTinctoView::m_bIns ? QStringLiteral("OVR") : QStringLiteral("INS");
    if (m_pInsertPane->text() != strMode)
        m_pInsertPane->setText(strMode);
}

void CMainFrame::SetBaseTitle(const QString& strTitle)
{
    m_strBaseTitle = strTitle;
    UpdateTitle();
}

void CMainFrame::UpdateTitle()
{
    QString strTitle = m_strBaseTitle;
    if (QMdiSubWindow* pActive = m_pMdiArea->currentSubWindow())
        strTitle += QStringLiteral(" - ") + pActive->windowTitle();
    if (windowTitle() != strTitle)
        setWindowTitle(strTitle);
}

void CMainFrame::OnIdle()
{
    UpdateTitle();
    UpdateStatusPanes();
    m_pCommands->UpdateActions();
    m_pDebugPage->UpdateToolBar();
}

// ---------------------------------------------------------------------------
// CJavaIDEViewHost

CViewSettings CMainFrame::GetViewSettings()
{
    CViewSettings settings;
    settings.m_lfEditor = m_app.m_lfEditor;
    settings.m_nTabSize = m_app.m_EditorSettings.m_nTabSize;
    settings.m_bParseOnSave = m_app.m_EditorSettings.m_bParseOnSave;
    return settings;
}

void CMainFrame::SetCursorPos(long nLine, int nColumn)
{
    QString strText = QStringLiteral("Ln %1 Col %2").arg(nLine).arg(nColumn);
    if (m_pPositionPane->text() != strText)
        m_pPositionPane->setText(strText);
}

void CMainFrame::SetInsertMode(CJavaIDEView*, BOOL bInsert)
{
    m_pInsertPane->setText(bInsert ? QStringLiteral("INS") : QStringLiteral("OVR"));
    // The engine's mode is one for all views; each control shows it from now on.
    m_pDocuments->ForEach([bInsert](CDocumentWindow* pWindow) { CDocumentWindows::SetOverwrite(pWindow, !bInsert); });
}

void CMainFrame::ActivateNextDocument()
{
    m_pMdiArea->activateNextSubWindow();
}

void CMainFrame::HideOutputPanes()
{
    if (m_layout.m_bOutput)
        ToggleOutput();
}

void CMainFrame::AddToRecentFileList(const char* pszPath)
{
    m_recent.Add(pszPath);
}

void CMainFrame::ClearOutput()
{
    m_pTools->ClearOutput();
}

void CMainFrame::WriteOutput(const char* pszText)
{
    m_pTools->WriteOutput(pszText);
}

BOOL CMainFrame::IsToolBusy()
{
    return m_pTools->GetToolRunner().IsActive() || m_pTools->GetProgramRunner().IsBusy();
}

BOOL CMainFrame::StartCompile(const char* pszPath)
{
    if (IsToolBusy())
        return FALSE;
    ShowOutputPane();
    ClearOutput();
    return m_pTools->Compile(pszPath, 0, FALSE);
}

BOOL CMainFrame::StartJavadoc(const char* pszPath)
{
    if (IsToolBusy())
        return FALSE;
    ShowOutputPane();
    ClearOutput();
    return m_pTools->Document(pszPath, 0);
}

CProjectDoc* CMainFrame::GetProjectDoc()
{
    return m_app.GetProjectDoc();
}

BOOL CMainFrame::IsDebuggerActive()
{
    return m_app.m_DebuggerRun.m_bRunning;
}

void CMainFrame::PrintVariable(const char* pszName)
{
    CDebugger* pDebugger = m_pDebugController->GetDebugger();
    if (pDebugger && pDebugger->IsAtBreak() && pDebugger->GetState() == CDebugger::STATE_RUNNING)
        pDebugger->Print(pszName);
}

namespace {

// The user command named "checkout" (any case); null when there is none.
const CCommand* FindCheckoutCommand(const CJavaIDEApp& app)
{
    const CCommandsDoc* pCommands = app.GetCommandsDoc();
    if (!pCommands)
        return nullptr;
    for (int i = 0; i < pCommands->GetCount(); ++i) {
        const CCommand* pCommand = pCommands->GetAt(i);
        if (pCommand->m_strName.CompareNoCase("checkout") == 0)
            return pCommand;
    }
    return nullptr;
}

}  // namespace

BOOL CMainFrame::HasCheckoutCommand()
{
    return FindCheckoutCommand(m_app) != nullptr;
}

void CMainFrame::RunCheckoutCommand(const char* pszPath)
{
    const CCommand* pFound = FindCheckoutCommand(m_app);
    if (!pFound)
        return;
    // The command runs with the file's full path as its argument.
    CCommand command(*pFound);
    command.m_strArguments = pszPath;
    CCommandRunContext context = CCommandRunContext::ForFile(pszPath);
    if (CProjectDoc* pProjectDoc = m_app.GetProjectDoc())
        context.SetOpenProject(*pProjectDoc);
    CToolCommands* pTools = m_pTools.get();
    CCommandRunner::Run(command, context,
                        [pTools](const CCommandLaunch& launch) { return pTools->StartUserCommand(launch); });
}

void CMainFrame::ExecuteMainCommand(UINT nId)
{
    m_pCommands->Execute(nId);
}

BOOL CMainFrame::IsMainCommandEnabled(UINT nId)
{
    return m_pCommands->IsEnabled(nId);
}

// ---------------------------------------------------------------------------
// Close and drops

bool CMainFrame::event(QEvent* pEvent)
{
    bool bResult = QMainWindow::event(pEvent);
    // The window's contents reach the screen when its first update request is handled.
    if (pEvent->type() == QEvent::UpdateRequest && !m_bPainted && isVisible()) {
        m_bPainted = true;
        QTimer::singleShot(0, m_pCommands.get(), [this] { m_pCommands->LoadToolBarPictures(); });
        // What a crashed or killed program left is offered once the window shows.
        QTimer::singleShot(0, m_pRecovery.get(), [this] { m_pRecovery->OfferRestore(); });
        if (qEnvironmentVariableIntValue("MOSK_STARTUP_TRACE") == 1)
            std::fprintf(stderr, "mosk: first paint at %lld\n",
                         static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
    }
    return bResult;
}

void CMainFrame::closeEvent(QCloseEvent* pEvent)
{
    if (m_bClosed) {
        pEvent->accept();
        return;
    }
    if (!m_pDocuments->SaveAllModified() || !m_app.CanCloseMainFrame()) {
        pEvent->ignore();
        return;
    }
    m_bClosed = true;
    m_idleTimer.stop();
    m_pDocuments->DestroyAll();
    m_pRecovery->RemoveOwn();
    pEvent->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* pEvent)
{
    const QMimeData* pData = pEvent->mimeData();
    if (pData && pData->hasUrls())
        for (const QUrl& url : pData->urls())
            if (url.isLocalFile()) {
                pEvent->acceptProposedAction();
                return;
            }
    QMainWindow::dragEnterEvent(pEvent);
}

void CMainFrame::dropEvent(QDropEvent* pEvent)
{
    const QMimeData* pData = pEvent->mimeData();
    if (!pData || !pData->hasUrls()) {
        QMainWindow::dropEvent(pEvent);
        return;
    }
    for (const QUrl& url : pData->urls())
        if (url.isLocalFile())
            OpenFile(url.toLocalFile());
    pEvent->acceptProposedAction();
}

// ---------------------------------------------------------------------------
// Package and bean browsers

void CMainFrame::LookUpWord(const char* pszWord)
{
    m_pBrowsers->LookUpWord(pszWord);
}

BOOL CMainFrame::IsBrowserDragSource()
{
    return m_pBrowsers->IsDragSource();
}

BOOL CMainFrame::InsertDroppedToken(CJavaIDEView* pView, CDragToken* pToken, CVarContainer* pClass, int nLine)
{
    return m_pBrowsers->InsertDroppedToken(pView, pToken, pClass, nLine);
}

std::vector<CVarObject*> CMainFrame::GetOverridableMethods(CVarContainer* pClass)
{
    return m_pBrowsers->GetOverridableMethods(pClass);
}
