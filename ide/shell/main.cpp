// mosk: the program. Reads the command line (--help and --version answer
// without a display), hands the file to a Mosk already running for this
// user and settings folder when there is one, else installs the Qt
// user-interface seam and the palette's system colours, runs the
// application object's start-up (settings, engine, main window, the file
// named on the command line), listens for files handed over by later
// starts and runs the event loop; the main window's close runs the close
// checks that save the settings.
// Without a file an empty untitled document opens.
#include "AppFolders.h"
#include "CommandLine.h"
#include "InstanceChannel.h"
#include "MainFrame.h"
#include "MoskApp.h"
#include "QtSystemColors.h"
#include "QtUserInterface.h"
#include "DocumentWindows.h"
#include "TinctoView.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

// Prints what the command line asks for; the exit code, or -1 to go on.
int Answer(const CCommandLine& commandLine)
{
    switch (commandLine.GetAction()) {
    case CCommandLine::ACTION_HELP:
        std::fputs(CCommandLine::GetUsage(), stdout);
        return 0;
    case CCommandLine::ACTION_VERSION:
        std::fputs(CCommandLine::GetVersionText(), stdout);
        return 0;
    case CCommandLine::ACTION_ERROR:
        std::fprintf(stderr, "mosk: %s\nTry 'mosk --help' for more information.\n", commandLine.GetError().c_str());
        return CCommandLine::EXIT_USAGE;
    default:
        return -1;
    }
}

// The file's window comes to the front at nLine (0: where it is).
void ShowLine(CMainFrame* pFrame, int nLine)
{
    CDocumentWindow* pSource = pFrame->GetActiveSourceFrame();
    if (pSource && nLine > 0)
        pFrame->GetDocumentWindows().GotoLine(pSource, nLine);
}

// A file handed over by a later start: open it and bring the window forward.
void OpenHandedOver(CMainFrame* pFrame, const QString& strPath, int nLine)
{
    if (pFrame->isMinimized())
        pFrame->showNormal();
    pFrame->raise();
    pFrame->activateWindow();
    if (!strPath.isEmpty() && pFrame->OpenFile(strPath))
        ShowLine(pFrame, nLine);
}

} // namespace

int main(int argc, char* argv[])
{
    // --help and --version need no display; the toolkit's own options are
    // known only once QApplication has taken them out.
    CCommandLine early;
    early.Parse(argc, argv);
    if (early.GetAction() != CCommandLine::ACTION_ERROR || !CCommandLine::IsToolkitOption(early.GetBadArgument())) {
        int nExit = Answer(early);
        if (nExit >= 0)
            return nExit;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mosk"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mosk"));
    QApplication::setApplicationVersion(QString::fromUtf8(CCommandLine::GetVersion()));

    CCommandLine commandLine;
    {
        std::vector<CString> args;
        const QStringList arguments = QApplication::arguments();
        for (int i = 1; i < arguments.size(); ++i)
            args.emplace_back(arguments.at(i).toUtf8().constData());
        commandLine.Parse(args);
        int nExit = Answer(commandLine);
        if (nExit >= 0)
            return nExit;
    }
    QString strFile;
    if (!commandLine.GetFile().IsEmpty())
        strFile = QDir::cleanPath(QFileInfo(QString::fromUtf8(commandLine.GetFile().c_str())).absoluteFilePath());
    const int nLine = commandLine.GetLine();

    CInstanceChannel channel(QString::fromUtf8(CAppFolders::GetSettingsFolder().c_str()));
    if (!commandLine.IsNewInstance() && channel.HandOver(strFile, nLine))
        return 0;
    // This program becomes the one later starts hand their files to, unless
    // another already is (a new instance beside it); requests that arrive
    // during start-up wait for the main window.
    channel.Listen();

    CQtUserInterface ui;
    CUserInterface* pPrevious = CUserInterface::Install(&ui);
    CQtSystemColors colors;
    const CSystemColors* pPreviousColors = CSystemColors::Install(&colors);

    int nResult = 1;
    {
        CMoskApp moskApp(colors);
        QByteArray file = strFile.toUtf8();
        if (moskApp.InitInstance(file.constData())) {
            CMainFrame* pFrame = moskApp.GetMainFrame();
            ui.SetMainWindow(pFrame);
            if (file.isEmpty())
                pFrame->NewFile();
            else
                ShowLine(pFrame, nLine);
            QObject::connect(&channel, &CInstanceChannel::OpenRequested, pFrame,
                             [pFrame](const QString& strPath, int nAt) { OpenHandedOver(pFrame, strPath, nAt); });
            channel.SetDelivering(true);
            // The close checks run in the main window's close, before the loop ends.
            nResult = QApplication::exec();
        }
        moskApp.ExitInstance();
    }
    CSystemColors::Install(pPreviousColors);
    CUserInterface::Install(pPrevious);
    return nResult;
}
