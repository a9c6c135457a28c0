// Main of the widget test programs: a QApplication (offscreen unless a
// platform is named) and the colouring engine set up as the program does.
#include "TinctoView.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    CTinctoView::Init(RGB(255, 255, 255), 100);
    return RUN_ALL_TESTS();
}
