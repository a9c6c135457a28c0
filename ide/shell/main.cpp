// mosk: the program. Installs the Qt user-interface seam and the palette's
// system colours, runs the application object's start-up (settings, engine,
// main window, the file named on the command line) and the event loop;
// the main window's close runs the close checks that save the settings.
// Without a file an empty untitled document opens.
#include "MainFrame.h"
#include "MoskApp.h"
#include "QtSystemColors.h"
#include "QtUserInterface.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mosk"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mosk"));

    CQtUserInterface ui;
    CUserInterface* pPrevious = CUserInterface::Install(&ui);
    CQtSystemColors colors;
    const CSystemColors* pPreviousColors = CSystemColors::Install(&colors);

    int nResult = 1;
    {
        CMoskApp moskApp(colors);
        QStringList args = QApplication::arguments();
        QByteArray file = args.size() > 1 ? args.at(1).toUtf8() : QByteArray();
        if (moskApp.InitInstance(file.constData())) {
            ui.SetMainWindow(moskApp.GetMainFrame());
            if (file.isEmpty())
                moskApp.GetMainFrame()->NewFile();
            // The close checks run in the main window's close, before the loop ends.
            nResult = QApplication::exec();
        }
        moskApp.ExitInstance();
    }
    CSystemColors::Install(pPreviousColors);
    CUserInterface::Install(pPrevious);
    return nResult;
}
