// mosk: the program. Installs the Qt user-interface seam, loads the colours
// from the settings, shows the main window and opens the file named on the
// command line, or an empty untitled document without one.
#include "MainFrame.h"
#include "QtUserInterface.h"
#include "TinctoView.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mosk"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mosk"));

    CQtUserInterface ui;
    CUserInterface* pPrevious = CUserInterface::Install(&ui);
    CTinctoView::Init(RGB(255, 255, 255), 100);

    int nResult;
    {
        CMainFrame frame;
        ui.SetMainWindow(&frame);
        frame.show();
        QStringList args = QApplication::arguments();
        if (args.size() < 2 || !frame.OpenFile(args.at(1)))
            frame.NewFile();
        nResult = QApplication::exec();
    }
    CUserInterface::Install(pPrevious);
    return nResult;
}
