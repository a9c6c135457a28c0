// Test program with a QCoreApplication: the debugger's reader and waiter
// deliver their messages through its event loop, which the tests run while
// they wait.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
