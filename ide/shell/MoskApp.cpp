#include "MoskApp.h"

#include "MainFrame.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>

CMoskApp::CMoskApp(const CSystemColors& colors)
    : CJavaIDEApp(colors)
{
}

CMoskApp::~CMoskApp() = default;

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
