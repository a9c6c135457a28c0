#include "MoskApp.h"

#include "DirectoriesDlg.h"
#include "FirstRunDlg.h"
#include "MainFrame.h"
#include "SplashWnd.h"
#include "TipDlg.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

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
}

BOOL CMoskApp::CreateMainFrameObject()
{
    m_pFrame = std::make_unique<CMainFrame>();
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

BOOL CMoskApp::ShowMainFrame()
{
    m_pFrame->show();
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
