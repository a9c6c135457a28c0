// The program's command line as a user types it: answers that need no
// display, faults with exit code 2, and a second start that hands its file
// to the running program and ends.
#include "InstanceChannel.h"
#include "TempFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <gtest/gtest.h>

namespace {

const QString s_strProgram = QStringLiteral(MOSK_BUILD_DIR "/ide/shell/mosk");

struct CRun {
    int nExit;
    QString strOut, strErr;
};

QProcessEnvironment ProgramEnvironment(const CTempFolder& folder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOSK_CONFIG_DIR"), QString::fromUtf8(folder.File("config").c_str()));
    env.insert(QStringLiteral("MOSK_DATA_DIR"), QString::fromUtf8(folder.File("data").c_str()));
    env.insert(QStringLiteral("MOSK_NO_FIRST_RUN"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

CRun RunProgram(const QStringList& args, const QProcessEnvironment& env)
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(s_strProgram, args);
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished();
        return {-1, QString(), QStringLiteral("timed out")};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

TEST(Program, CommandLineAnswers)
{
    CTempFolder folder;
    QProcessEnvironment env = ProgramEnvironment(folder);
    // No display at all: these answers must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    struct {
        const char* pszName;
        QStringList args;
        int nExit;
        QString strOutStart;
        QString strErr;
    } cases[] = {
        {"version", {"--version"}, 0, "mosk ", ""},
        {"help", {"--help"}, 0, "Usage: mosk", ""},
        {"help after a file", {"A.java", "-h"}, 0, "Usage: mosk", ""},
        {"unknown option", {"--bogus"}, 2, "",
         "mosk: '--bogus' is not an option of mosk\nTry 'mosk --help' for more information.\n"},
        {"line without a file", {"+5"}, 2, "",
         "mosk: '+5' names a line but no file follows it\nTry 'mosk --help' for more information.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CRun run = RunProgram(c.args, env);
        EXPECT_EQ(run.nExit, c.nExit) << run.strErr.toStdString();
        EXPECT_EQ(run.strOut.left(c.strOutStart.size()), c.strOutStart);
        EXPECT_EQ(run.strErr, c.strErr);
    }
}

TEST(Program, SecondStartHandsItsFileToTheRunningOne)
{
    CTempFolder folder;
    QProcessEnvironment env = ProgramEnvironment(folder);
    CString strFile = folder.Write("Hello.java", "public class Hello {\n}\n");
    QString strSocket = CInstanceChannel::SocketPathFor(env.value(QStringLiteral("MOSK_CONFIG_DIR")));
    ASSERT_FALSE(strSocket.isEmpty());

    QProcess running;
    running.setProcessEnvironment(env);
    running.start(s_strProgram, QStringList());
    ASSERT_TRUE(running.waitForStarted(5000));
    QElapsedTimer timer;
    timer.start();
    while (!QFile::exists(strSocket) && timer.elapsed() < 20000 && running.state() == QProcess::Running)
        QThread::msleep(20);
    ASSERT_TRUE(QFile::exists(strSocket)) << running.readAllStandardError().toStdString();

    timer.restart();
    CRun second = RunProgram({QString::fromUtf8(strFile.c_str()) + ":2"}, env);
    EXPECT_EQ(second.nExit, 0) << second.strErr.toStdString();
    EXPECT_LT(timer.elapsed(), 10000);
    EXPECT_EQ(running.state(), QProcess::Running);

    // --new-instance starts beside it (and is ended here at once).
    QProcess beside;
    beside.setProcessEnvironment(env);
    beside.start(s_strProgram, {QStringLiteral("--new-instance"), QString::fromUtf8(strFile.c_str())});
    ASSERT_TRUE(beside.waitForStarted(5000));
    EXPECT_FALSE(beside.waitForFinished(1500));
    beside.kill();
    beside.waitForFinished();

    running.kill();
    running.waitForFinished();
}
