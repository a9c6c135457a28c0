#include "MoskApp.h"

#include "DebugController.h"
#include "AppFolders.h"
#include "GuiBuilderSetup.h"
#include "Introspection.h"

#include "DirectoriesDlg.h"
#include "DocumentRecovery.h"
#include "FirstRunDlg.h"
#include "FrameHosts.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "SplashWnd.h"
#include "TipDlg.h"
#include "UserInterface.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

CMoskApp::CMoskApp(const CSystemColors& colors)
    : CJavaIDEApp(colors)
{
}

CMoskApp::~CMoskApp()
{
    delete m_pSplash.data();
}

BOOL CMoskApp::IsFirstRunSuppressed()
{
    return qEnvironmentVariableIntValue("MOSK_NO_FIRST_RUN") == 1;
}

BOOL CMoskApp::EnableSplash()
{
    m_bSplashEnabled = TRUE;
    return TRUE;
}

BOOL CMoskApp::ShowFirstRunInfo(BOOL& bDontShowAgain)
{
    bDontShowAgain = FALSE;
    if (IsFirstRunSuppressed())
        return TRUE;
    bool bTicked = false;
    CFirstRunDlg::Run(nullptr, bTicked);
    bDontShowAgain = bTicked ? TRUE : FALSE;
    return TRUE;
}

void CMoskApp::ShowDirectoriesDialog()
{
    if (!IsFirstRunSuppressed())
        CDirectoriesDlg::Run(nullptr, *this);
}

BOOL CMoskApp::LoadMainFrame()
{
    // The splash comes up with the main window and never waits for anything.
    if (m_bSplashEnabled && !m_pSplash)
        m_pSplash = CSplashWnd::ShowSplash();
    return CJavaIDEApp::LoadMainFrame();
}

void CMoskApp::ShowTipOfTheDay()
{
    if (!IsFirstRunSuppressed())
        CTipDlg::Run(m_pFrame.get(), *this, TRUE);
}

void CMoskApp::FinishMainWindow()
{
    if (m_pSplash)
        m_pSplash->close();
    // Documentation without a search index: the offer to build it comes once the window is up.
    if (m_pFrame && !IsFirstRunSuppressed()) {
        CMainFrame* pFrame = m_pFrame.get();
        QTimer::singleShot(0, pFrame, [pFrame] { pFrame->GetCommands().OfferSystemIndex(); });
    }
}

void CMoskApp::ApplyEditorSettingsToViews()
{
    if (m_pFrame)
        m_pFrame->ApplyEditorSettings();
}

void CMoskApp::ApplyEditorFontToViews()
{
    if (m_pFrame)
        m_pFrame->ApplyEditorSettings();
}

void CMoskApp::LoadRecentFileList(int nLength)
{
    m_recent.SetSize(nLength);
    m_recent.Read(GetProfile());
}

BOOL CMoskApp::CreateMainFrameObject()
{
    m_pFrame = std::make_unique<CMainFrame>(*this, m_recent);
    m_pFrame->GetRecovery().CatchTermination();
    m_pFrame->ReadLayout(GetProfile());
    return TRUE;
}

int CMoskApp::GetScreenLogPixelsY()
{
    QScreen* pScreen = QGuiApplication::primaryScreen();
    return pScreen ? static_cast<int>(pScreen->logicalDotsPerInchY() + 0.5) : CJavaIDEApp::GetScreenLogPixelsY();
}

CString CMoskApp::GetShippedFilesFolder()
{
    // The build tree and the installed tree both keep them in share/mosk beside the program's folder.
    QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/mosk"));
    return folder.exists() ? CString(folder.absolutePath().toUtf8().constData()) : CString();
}

BOOL CMoskApp::UpdateGuiBuilderSettings()
{
    CGuiBuilderSetup::UpdateMgbIni(m_DirSettings.m_strProgramPath, CAppFolders::GetSettingsFolder());
    // A missing classes.zip is reported in the output window once the main window exists
    // (CMainFrameBrowsers), not in a box that would hold up every start-up.
    CGuiBuilderSetup::EnsureClassPath(m_DirSettings.m_strProgramPath, FALSE);
    CIntrospection::SetJdkFolder(m_DirSettings.m_strExePath);
    return TRUE;
}

std::unique_ptr<CAppProjectHost> CMoskApp::CreateProjectHost()
{
    if (!m_pFrame)
        return CJavaIDEApp::CreateProjectHost();
    return std::make_unique<CFrameProjectHost>(*this, *m_pFrame);
}

BOOL CMoskApp::ShowMainFrame()
{
    // The fonts exist from step 7 on; the window draws in them from its first paint.
    m_pFrame->ApplyEditorSettings();
    m_pFrame->RestoreLayoutAndShow();
    return TRUE;
}

BOOL CMoskApp::OpenDocumentFile(const char* pszPath)
{
    if (m_pFrame->OpenFile(QString::fromUtf8(pszPath)))
        return TRUE;
    m_pFrame->NewFile();  // the file was reported; the user still gets a window to type in
    return FALSE;
}

BOOL CMoskApp::IsMainWindowMinimised()
{
    return m_pFrame && m_pFrame->isMinimized();
}

void CMoskApp::SaveMainFrameLayout()
{
    if (m_pFrame)
        m_pFrame->SaveLayout(GetProfile());
}

BOOL CMoskApp::SaveModifiedProject()
{
    CProjectDoc* pDoc = GetProjectDoc();
    if (!pDoc)
        return TRUE;
    CProject& project = pDoc->GetProject();
    if (project.IsOpen() && project.IsModified()) {
        CString strQuestion;
        strQuestion.Format("Save changes to %s?", project.GetPathName().c_str());
        int nAnswer = AfxMessageBox(strQuestion, MB_YESNOCANCEL | MB_ICONEXCLAMATION);
        if (nAnswer == IDCANCEL)
            return FALSE;
        if (nAnswer == IDYES && !project.Save())
            return FALSE;
    }
    return pDoc->SaveModified();
}

BOOL CMoskApp::ConfirmDebuggerKill()
{
    if (!m_pFrame)
        return CJavaIDEApp::ConfirmDebuggerKill();
    return m_pFrame->GetDebugController().ConfirmKill();
}

void CMoskApp::WaitForSearchIndexLoaders()
{
    if (m_pFrame)
        m_pFrame->GetCommands().AbortSystemIndexBuild();
    CJavaIDEApp::WaitForSearchIndexLoaders();
}

void CMoskApp::SendDebuggerExit()
{
    if (m_pFrame)
        m_pFrame->GetDebugController().SendExit();
}
