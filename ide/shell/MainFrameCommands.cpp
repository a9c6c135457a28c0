#include "MainFrameCommands.h"

#include "AboutDlg.h"
#include "DirectoriesDlg.h"
#include "DocumentWindows.h"
#include "EditorDlg.h"
#include "FontCommand.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameLayout.h"
#include "MenuCommandTable.h"
#include "PathName.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectTreeCommands.h"
#include "RecentFileList.h"
#include "StatusBarProgress.h"
#include "SystemIndexJob.h"
#include "TipDlg.h"
#include "ToolCommands.h"
#include "UserInterface.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPainterPath>
#include <QPrinter>
#include <QProcess>
#include <QStyle>
#include <QToolBar>

namespace {

enum : UINT {
    ID_VIEW_TOOLBAR = 59392, ID_VIEW_STATUS_BAR = 59393, ID_VIEW_DEBUG_BAR = 32845, ID_VIEW_BROWSER_BAR = 32921,
    ID_VIEW_PROJECT = 32961,
};

// Accelerator names of the table as Qt reads them.
QKeySequence KeyOf(const char* pszAccel)
{
    QString strAccel = QString::fromUtf8(pszAccel);
    strAccel.replace(QStringLiteral("Break"), QStringLiteral("Pause"));
    return QKeySequence(strAccel, QKeySequence::PortableText);
}

// A 16 x 16 picture drawn for the program: a glyph on a tinted tile.
QIcon DrawnIcon(const QString& strGlyph, QColor tint)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(tint.darker(160));
    painter.setBrush(tint.lighter(150));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(strGlyph.size() > 1 ? 8 : 11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(tint.darker(250));
    painter.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, strGlyph);
    return QIcon(pixmap);
}

QIcon PictureOf(CToolButton::EPicture nPicture)
{
    QStyle* pStyle = QApplication::style();
    auto standard = [pStyle](QStyle::StandardPixmap nPixmap) { return pStyle->standardIcon(nPixmap); };
    const QColor blue(90, 130, 210), green(70, 160, 80), red(200, 70, 60), grey(140, 140, 140), gold(210, 170, 60);
    switch (nPicture) {
    case CToolButton::PIC_NEW: return standard(QStyle::SP_FileIcon);
    case CToolButton::PIC_OPEN: return standard(QStyle::SP_DialogOpenButton);
    case CToolButton::PIC_SAVE: return standard(QStyle::SP_DialogSaveButton);
    case CToolButton::PIC_SAVE_ALL: return DrawnIcon(QStringLiteral("SA"), blue);
    case CToolButton::PIC_CUT: return DrawnIcon(QStringLiteral("X"), grey);
    case CToolButton::PIC_COPY: return DrawnIcon(QStringLiteral("C"), grey);
    case CToolButton::PIC_PASTE: return DrawnIcon(QStringLiteral("P"), gold);
    case CToolButton::PIC_UNDO: return standard(QStyle::SP_ArrowBack);
    case CToolButton::PIC_REDO: return standard(QStyle::SP_ArrowForward);
    case CToolButton::PIC_PRINT: return DrawnIcon(QStringLiteral("Pr"), grey);
    case CToolButton::PIC_FIND: return DrawnIcon(QStringLiteral("F"), blue);
    case CToolButton::PIC_COMPILE: return DrawnIcon(QStringLiteral("C"), green);
    case CToolButton::PIC_BUILD: return DrawnIcon(QStringLiteral("RA"), green);
    case CToolButton::PIC_STOP_BUILD: return DrawnIcon(QStringLiteral("SB"), red);
    case CToolButton::PIC_RUN: return standard(QStyle::SP_MediaPlay);
    case CToolButton::PIC_STOP_RUN: return standard(QStyle::SP_MediaStop);
    case CToolButton::PIC_OUTPUT: return DrawnIcon(QStringLiteral("O"), gold);
    case CToolButton::PIC_PROJECT: return standard(QStyle::SP_DirIcon);
    case CToolButton::PIC_STEP: return DrawnIcon(QStringLiteral("S"), blue);
    case CToolButton::PIC_STEP_OVER: return DrawnIcon(QStringLiteral("SO"), blue);
    case CToolButton::PIC_CONTINUE: return standard(QStyle::SP_MediaSeekForward);
    case CToolButton::PIC_EXIT_DEBUG: return DrawnIcon(QStringLiteral("E"), red);
    case CToolButton::PIC_LOCALS: return DrawnIcon(QStringLiteral("L"), gold);
    case CToolButton::PIC_THREADS: return DrawnIcon(QStringLiteral("T"), gold);
    case CToolButton::PIC_WHERE: return DrawnIcon(QStringLiteral("W"), gold);
    case CToolButton::PIC_CLASS: return DrawnIcon(QStringLiteral("C"), blue);
    case CToolButton::PIC_INTERFACE: return DrawnIcon(QStringLiteral("I"), blue);
    case CToolButton::PIC_SEARCH: return DrawnIcon(QStringLiteral("?"), green);
    case CToolButton::PIC_BACK: return standard(QStyle::SP_ArrowLeft);
    case CToolButton::PIC_FORWARD: return standard(QStyle::SP_ArrowRight);
    case CToolButton::PIC_HISTORY: return DrawnIcon(QStringLiteral("H"), grey);
    case CToolButton::PIC_SEPARATOR: break;
    }
    return QIcon();
}

int BarOfCommand(UINT nId)
{
    switch (nId) {
    case ID_VIEW_DEBUG_BAR: return CMainFrameLayout::BAR_DEBUG;
    case ID_VIEW_BROWSER_BAR: return CMainFrameLayout::BAR_BROWSER;
    default: return CMainFrameLayout::BAR_TOOL;
    }
}

}  // namespace

CMainFrameCommands::CMainFrameCommands(CMainFrame& frame) : m_frame(frame)
{
}

CMainFrameCommands::~CMainFrameCommands()
{
    // The modeless dialogs work on the tool commands, which go after this object.
    delete m_pInputDialog.data();
    delete m_pArchiveDialog.data();
    delete m_pRmiDialog.data();
}

// ---------------------------------------------------------------------------
// Menus and bars

QMenu* CMainFrameCommands::MenuFor(QMenuBar* pMenuBar, const char* pszPath)
{
    CString strPath(pszPath);
    auto it = m_menus.find(strPath);
    if (it != m_menus.end())
        return it->second;
    int nSlash = strPath.ReverseFind('/');
    QMenu* pMenu = nullptr;
    if (nSlash < 0) {
        pMenu = pMenuBar->addMenu(QString::fromUtf8(pszPath));
    } else {
        QMenu* pParent = MenuFor(pMenuBar, strPath.Left(nSlash));
        pMenu = pParent->addMenu(QString::fromUtf8(strPath.Mid(nSlash + 1).c_str()));
    }
    connect(pMenu, &QMenu::aboutToShow, this, &CMainFrameCommands::UpdateActions);
    m_menus[strPath] = pMenu;
    return pMenu;
}

QMenu* CMainFrameCommands::GetMenu(const char* pszPath) const
{
    auto it = m_menus.find(CString(pszPath));
    return it == m_menus.end() ? nullptr : it->second;
}

void CMainFrameCommands::AddAction(QMenu* pMenu, const CMenuCommand& command)
{
    if (command.m_nFlags & CMenuCommand::SEPARATOR_BEFORE)
        pMenu->addSeparator();
    QString strText = QString::fromUtf8(command.m_pszText);
    auto* pAction = new QAction(strText, pMenu);
    if (command.m_pszAccel) {
        if (command.m_nFlags & CMenuCommand::ACCEL_SHOWN) {
            // Shown beside the text; the key itself reaches the editor.
            pAction->setText(strText + QLatin1Char('\t') + QString::fromUtf8(command.m_pszAccel));
        } else {
            pAction->setShortcut(KeyOf(command.m_pszAccel));
            pAction->setShortcutContext(Qt::WindowShortcut);
        }
    }
    pAction->setCheckable(command.m_pfnChecked != nullptr);
    pAction->setEnabled(false);
    pAction->setData(command.m_nId);
    UINT nId = command.m_nId;
    connect(pAction, &QAction::triggered, this, [this, nId] { Execute(nId); });
    pMenu->addAction(pAction);
    // Window shortcuts work while the menu bar is hidden too.
    m_frame.addAction(pAction);
    m_actions[nId].push_back(pAction);
}

void CMainFrameCommands::BuildMenus(QMenuBar* pMenuBar)
{
    int nCount = 0;
    const CMenuCommand* pCommands = CMenuCommandTable::GetCommands(nCount);
    for (int i = 0; i < nCount; ++i) {
        const CMenuCommand& command = pCommands[i];
        QMenu* pMenu = MenuFor(pMenuBar, command.m_pszMenu);
        if (command.m_nId == CMenuCommandTable::ID_FILE_MRU_FIRST) {
            QMenu* pRecent = pMenu->addMenu(QString::fromUtf8(command.m_pszText));
            if (command.m_nFlags & CMenuCommand::SEPARATOR_BEFORE)
                pMenu->insertSeparator(pRecent->menuAction());
            pRecent->menuAction()->setData(command.m_nId);
            connect(pRecent, &QMenu::aboutToShow, this, [this, pRecent] { FillRecentFiles(pRecent); });
            m_actions[command.m_nId].push_back(pRecent->menuAction());
            continue;
        }
        AddAction(pMenu, command);
    }
    UpdateActions();
}

void CMainFrameCommands::FillRecentFiles(QMenu* pMenu)
{
    pMenu->clear();
    CRecentFileList& recent = m_frame.GetRecentFiles();
    for (int i = 0; i < recent.GetCount(); ++i) {
        QString strText = QStringLiteral("&%1 %2").arg(i + 1).arg(QString::fromUtf8(recent.Get(i).c_str()));
        UINT nId = CMenuCommandTable::ID_FILE_MRU_FIRST + static_cast<UINT>(i);
        QAction* pAction = pMenu->addAction(strText);
        pAction->setData(nId);
        connect(pAction, &QAction::triggered, this, [this, nId] { OnRecentFile(nId); });
    }
}

void CMainFrameCommands::BuildToolBar(QToolBar* pBar, int nBar)
{
    int nCount = 0;
    const CToolButton* pButtons = CMenuCommandTable::GetToolButtons(nBar, nCount);
    for (int i = 0; i < nCount; ++i) {
        const CToolButton& button = pButtons[i];
        if (button.m_nPicture == CToolButton::PIC_SEPARATOR) {
            pBar->addSeparator();
            continue;
        }
        QString strTip = QString::fromUtf8(button.m_pszTip);
        // A blank picture of the right size until the first paint: looking up
        // the style's pictures is the slowest part of making the window.
        static const QIcon s_blank = [] {
            QPixmap blank(16, 16);
            blank.fill(Qt::transparent);
            return QIcon(blank);
        }();
        QAction* pAction = pBar->addAction(s_blank, strTip);
        m_pendingPictures.emplace_back(pAction, static_cast<int>(button.m_nPicture));
        pAction->setToolTip(strTip);
        pAction->setData(button.m_nId);
        const CMenuCommand* pCommand = CMenuCommandTable::Find(button.m_nId);
        pAction->setCheckable(pCommand && pCommand->m_pfnChecked);
        pAction->setEnabled(false);
        if (QWidget* pWidget = pBar->widgetForAction(pAction))
            pWidget->setAccessibleName(strTip);
        UINT nId = button.m_nId;
        connect(pAction, &QAction::triggered, this, [this, nId] { Execute(nId); });
        m_actions[nId].push_back(pAction);
    }
}

void CMainFrameCommands::LoadToolBarPictures()
{
    for (const auto& [pAction, nPicture] : m_pendingPictures)
        if (pAction)
            pAction->setIcon(PictureOf(static_cast<CToolButton::EPicture>(nPicture)));
    m_pendingPictures.clear();
}

std::vector<QAction*> CMainFrameCommands::GetActions(UINT nId) const
{
    auto it = m_actions.find(nId);
    return it == m_actions.end() ? std::vector<QAction*>() : it->second;
}

// ---------------------------------------------------------------------------
// Dispatch

BOOL CMainFrameCommands::IsEnabled(UINT nId)
{
    const CMenuCommand* pCommand = CMenuCommandTable::Find(nId);
    if (!pCommand || !pCommand->m_pfnHandler)
        return FALSE;
    return !pCommand->m_pfnEnabled || (this->*pCommand->m_pfnEnabled)(nId);
}

BOOL CMainFrameCommands::IsChecked(UINT nId)
{
    const CMenuCommand* pCommand = CMenuCommandTable::Find(nId);
    return pCommand && pCommand->m_pfnChecked && (this->*pCommand->m_pfnChecked)(nId);
}

BOOL CMainFrameCommands::Execute(UINT nId)
{
    if (!IsEnabled(nId))
        return FALSE;
    const CMenuCommand* pCommand = CMenuCommandTable::Find(nId);
    (this->*pCommand->m_pfnHandler)(nId);
    UpdateActions();
    return TRUE;
}

void CMainFrameCommands::UpdateActions()
{
    for (auto& [nId, actions] : m_actions) {
        BOOL bEnabled = IsEnabled(nId);
        BOOL bChecked = IsChecked(nId);
        for (QAction* pAction : actions) {
            if (pAction->isEnabled() != static_cast<bool>(bEnabled))
                pAction->setEnabled(bEnabled);
            if (pAction->isCheckable() && pAction->isChecked() != static_cast<bool>(bChecked))
                pAction->setChecked(bChecked);
        }
    }
    QString strProject = m_frame.IsProjectDocked() ? QStringLiteral("&Float Project") : QStringLiteral("&Dock Project");
    for (QAction* pAction : GetActions(ID_VIEW_PROJECT))
        if (pAction->menu() == nullptr && qobject_cast<QMenu*>(pAction->parent()) && pAction->text() != strProject)
            pAction->setText(strProject);
}

BOOL CMainFrameCommands::IsRunActive() const
{
    const CJavaIDEApp& app = m_frame.GetApp();
    return app.m_ToolRun.m_bRunning || app.m_ProgramRun.m_bBusy;
}

// ---------------------------------------------------------------------------
// File

void CMainFrameCommands::OnFileNew(UINT)
{
    m_frame.NewFile();
}

void CMainFrameCommands::OnFileOpen(UINT)
{
    CStringArray paths;
    CDocumentWindow* pActive = m_frame.GetDocumentWindows().GetActive();
    CString strFolder = pActive ? CPathName(CDocumentWindows::GetPath(pActive)).GetDriveFolder() : CString();
    if (!CUserInterface::Get().GetFileNames(TRUE, "Open", "java",
                                            "Java Files (*.java)|*.java|HTML Files (*.html;*.htm)|*.html;*.htm|"
                                            "Mosk Files (*.mosk)|*.mosk|All Files (*.*)|*||",
                                            strFolder, OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT, paths))
        return;
    for (int i = 0; i < paths.GetSize(); ++i)
        m_frame.OpenFile(QString::fromUtf8(paths[i].c_str()));
}

BOOL CMainFrameCommands::CanSaveAll(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->GetProject().IsOpen();
}

void CMainFrameCommands::OnFileSaveAll(UINT)
{
    if (CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc())
        pDoc->OnFileSaveAll();
}

BOOL CMainFrameCommands::CanAddToProject(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    CDocumentWindow* pActive = m_frame.GetDocumentWindows().GetActive();
    if (!pDoc || !pDoc->GetProject().IsOpen() || !pActive)
        return FALSE;
    CString strPath = CDocumentWindows::GetPath(pActive);
    return !strPath.IsEmpty() && !pDoc->GetProject().HasFile(strPath);
}

void CMainFrameCommands::OnAddToProject(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    CDocumentWindow* pActive = m_frame.GetDocumentWindows().GetActive();
    if (pDoc && pActive)
        pDoc->OnAddToProject(CDocumentWindows::GetPath(pActive));
}

void CMainFrameCommands::OnPrintSetup(UINT)
{
    if (!m_pPrinter)
        m_pPrinter = std::make_unique<QPrinter>();
    QPageSetupDialog dialog(m_pPrinter.get(), &m_frame);
    dialog.exec();
}

BOOL CMainFrameCommands::HasRecentFiles(UINT)
{
    return m_frame.GetRecentFiles().GetCount() > 0;
}

void CMainFrameCommands::OnRecentFile(UINT nId)
{
    CRecentFileList& recent = m_frame.GetRecentFiles();
    int nIndex = static_cast<int>(nId - CMenuCommandTable::ID_FILE_MRU_FIRST);
    if (nIndex < 0 || nIndex >= recent.GetCount())
        return;
    CString strPath = recent.Get(nIndex);
    // A file that cannot be opened any more leaves the list.
    if (!m_frame.OpenFile(QString::fromUtf8(strPath.c_str())))
        recent.Remove(nIndex);
}

void CMainFrameCommands::OnExit(UINT)
{
    m_frame.close();
}

// ---------------------------------------------------------------------------
// View commands, toggles

void CMainFrameCommands::OnViewCommand(UINT nId)
{
    m_frame.RouteViewCommand(nId);
}

BOOL CMainFrameCommands::CanViewCommand(UINT nId)
{
    return m_frame.IsViewCommandEnabled(nId);
}

void CMainFrameCommands::OnToggleBar(UINT nId)
{
    if (nId == ID_VIEW_STATUS_BAR) {
        m_frame.ShowStatusBar(!m_frame.IsStatusBarShown());
        return;
    }
    int nBar = BarOfCommand(nId);
    m_frame.ShowBar(nBar, !m_frame.IsBarShown(nBar));
}

BOOL CMainFrameCommands::IsBarShown(UINT nId)
{
    if (nId == ID_VIEW_STATUS_BAR)
        return m_frame.IsStatusBarShown();
    return m_frame.IsBarShown(BarOfCommand(nId));
}

void CMainFrameCommands::OnToggleOutput(UINT)
{
    m_frame.ToggleOutput();
}

BOOL CMainFrameCommands::IsOutputShown(UINT)
{
    return m_frame.IsOutputShown();
}

void CMainFrameCommands::OnToggleDebug(UINT)
{
    m_frame.ToggleDebug();
}

BOOL CMainFrameCommands::IsDebugShown(UINT)
{
    return m_frame.IsDebugShown();
}

void CMainFrameCommands::OnToggleProject(UINT)
{
    m_frame.ToggleProject();
}

// ---------------------------------------------------------------------------
// Project

BOOL CMainFrameCommands::CanProjectNewOrOpen(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->CanOpenOrNew(IsRunActive());
}

BOOL CMainFrameCommands::CanProjectClose(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->CanClose(IsRunActive());
}

BOOL CMainFrameCommands::CanProjectSave(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->CanSave();
}

BOOL CMainFrameCommands::IsProjectOpen(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    return pDoc && pDoc->GetProject().IsOpen();
}

void CMainFrameCommands::OnProjectNew(UINT)
{
    m_frame.GetApp().GetProjectDoc()->OnProjectNew();
}

void CMainFrameCommands::OnProjectOpen(UINT)
{
    m_frame.GetApp().GetProjectDoc()->OnProjectOpen();
}

void CMainFrameCommands::OnProjectClose(UINT)
{
    m_frame.GetApp().GetProjectDoc()->OnProjectClose();
}

void CMainFrameCommands::OnProjectSave(UINT)
{
    m_frame.GetApp().GetProjectDoc()->OnProjectSave();
}

void CMainFrameCommands::OnProjectParseAll(UINT)
{
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    ui.SetStatusText("Wait, Parsing all files...");
    m_frame.GetApp().GetProjectDoc()->OnParseAll();
    ui.SetStatusText("Done");
    ui.SetWaitCursor(FALSE);
}

void CMainFrameCommands::OnProjectAddFile(UINT)
{
    CProjectDoc* pDoc = m_frame.GetApp().GetProjectDoc();
    CProjectTreeCommands commands(*pDoc);
    commands.AddFiles(pDoc->GetCurrentNode());
}

// ---------------------------------------------------------------------------
// Build

void CMainFrameCommands::OnToolCommand(UINT nId)
{
    CToolCommands& tools = m_frame.GetToolCommands();
    if (nId == CToolCommands::ID_JAVADOC_FOLDER) {
        CString strFolder;
        if (!CUserInterface::Get().GetFolderName("Select a folder to document", "", strFolder))
            return;
        tools.ShowOutputPane();
        tools.ClearOutput();
        tools.DocumentFolder(strFolder);
        return;
    }
    tools.OnCommand(nId);
}

BOOL CMainFrameCommands::CanToolCommand(UINT nId)
{
    return m_frame.GetToolCommands().IsCommandEnabled(nId);
}

// ---------------------------------------------------------------------------
// Window

void CMainFrameCommands::OnWindowCascade(UINT)
{
    m_frame.GetMdiArea()->cascadeSubWindows();
}

void CMainFrameCommands::OnWindowTile(UINT)
{
    m_frame.GetMdiArea()->tileSubWindows();
}

void CMainFrameCommands::OnWindowArrangeIcons(UINT)
{
    // Minimised windows in a row along the bottom of the document area.
    QMdiArea* pArea = m_frame.GetMdiArea();
    int nX = 0;
    int nBottom = pArea->viewport()->height();
    for (QMdiSubWindow* pWindow : pArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!pWindow->isMinimized())
            continue;
        QSize size = pWindow->size();
        if (nX > 0 && nX + size.width() > pArea->viewport()->width()) {
            nX = 0;
            nBottom -= size.height();
        }
        pWindow->move(nX, nBottom - size.height());
        nX += size.width();
    }
}

BOOL CMainFrameCommands::CanProjectTab(UINT)
{
    return !m_frame.IsProjectDocked();
}

void CMainFrameCommands::OnWindowProjectTab(UINT)
{
    m_frame.ActivateProjectFrame();
}

// ---------------------------------------------------------------------------
// Help

void CMainFrameCommands::OnDirectories(UINT)
{
    CDirectoriesDlg::Run(&m_frame, m_frame.GetApp());
}

void CMainFrameCommands::OnFont(UINT)
{
    CFontCommand::Run(&m_frame, m_frame.GetApp());
}

void CMainFrameCommands::OnEditorOptions(UINT)
{
    CEditorDlg::Run(&m_frame, m_frame.GetApp());
}

void CMainFrameCommands::OnTipOfTheDay(UINT)
{
    CTipDlg::Run(&m_frame, m_frame.GetApp(), FALSE);
}

void CMainFrameCommands::OnAbout(UINT)
{
    CAboutDlg::Run(&m_frame);
}

void CMainFrameCommands::OnKeyboardShortcuts(UINT)
{
    CString strFolder = m_frame.GetApp().m_DirSettings.m_strProgramPath;
    QString strPath = QString::fromUtf8(strFolder.c_str()) + QStringLiteral("/keyboard.txt");
    if (strFolder.IsEmpty() || !QFileInfo(strPath).isFile()) {
        AfxMessageBox("Keyboard.txt file not found in Mosk directory !!!");
        return;
    }
    // The user's text editor, else the desktop's program for the file.
    QStringList args = QProcess::splitCommand(qEnvironmentVariable("VISUAL"));
    QString strProgram = args.isEmpty() ? QStringLiteral("xdg-open") : args.takeFirst();
    args << strPath;
    if (!QProcess::startDetached(strProgram, args)) {
        CString strText = "Cannot start " + CString(strProgram.toUtf8().constData()) + " !!!";
        AfxMessageBox(strText, MB_OK | MB_ICONEXCLAMATION);
    }
}
