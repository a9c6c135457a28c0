#include "ProcessSpawner.h"
#include "ProgramRunState.h"
#include "ProcessHandle.h"
#include "ProgramRunner.h"
#include "RunnerTestSupport.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <set>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

class ProgramRunnerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_runner.Stop();
        EXPECT_TRUE(CRunThreads::WaitIdle(60000));
        EXPECT_FALSE(m_runner.IsBusy());
        EXPECT_FALSE(HasZombieOrChild());
    }
    bool WaitForEnd()
    {
        return WaitUntil([&]() { return !m_runner.IsBusy(); }) && CRunThreads::WaitIdle(60000);
    }
    void ExpectChunksWellFormed()
    {
        ASSERT_FALSE(m_pFrame->m_chunks.empty());
        for (const std::string& s : m_pFrame->m_chunks)
            EXPECT_LE(s.size(), static_cast<size_t>(OUTPUT_PEEK_SIZE));
        EXPECT_TRUE(m_pFrame->m_bChunkTerminated);
        EXPECT_EQ(m_pFrame->m_chunks.back(), "Application Exit...");
    }

    CProgramRunState m_record;
    CProgramRunner m_runner{m_record};
    std::unique_ptr<CRecordingWindow> m_pFrame = std::make_unique<CRecordingWindow>();
    CRecordingOutput m_output;
    CTempFolder m_folder;
};

TEST_F(ProgramRunnerTest, LargeOutputArrivesWholeAndInOrder)
{
    std::ostringstream expected;
    for (int i = 1; i <= 20000; ++i)
        expected << i << "\n";   // about 108 KB, printed at once
    ASSERT_TRUE(m_runner.Start("seq 1 20000", nullptr, m_pFrame->GetHandle(), &m_output));
    EXPECT_EQ(m_output.m_strText, "seq 1 20000\n");
    EXPECT_EQ(m_output.m_nShown, 1);
    EXPECT_GE(m_output.m_nCleared, 1);
    EXPECT_TRUE(m_runner.IsBusy());
    ASSERT_TRUE(WaitForEnd());
    ExpectChunksWellFormed();
    EXPECT_EQ(m_pFrame->AllChunks(), expected.str() + "Application Exit...");
    EXPECT_EQ(m_record.m_nExitCode.load(), 0);
    EXPECT_EQ(m_record.m_nOutputRead, -1);
    EXPECT_EQ(m_record.m_nInputWrite, -1);
}

TEST_F(ProgramRunnerTest, TenMegabytesReachTheHandlerWhole)
{
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(m_runner.Start("head -c 10485760 /dev/urandom", nullptr, m_pFrame->GetHandle(), &m_output));
    ASSERT_TRUE(WaitForEnd());
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
    ExpectChunksWellFormed();
    EXPECT_EQ(m_pFrame->AllChunks().size(), 10485760u + 19u);
    RecordProperty("milliseconds", static_cast<int>(ms.count()));
}

TEST_F(ProgramRunnerTest, InputReachesTheProgramAndStopReports102)
{
    ASSERT_TRUE(m_runner.Start("cat", nullptr, m_pFrame->GetHandle(), &m_output));
    EXPECT_TRUE(m_runner.WriteInput("hello\r\n", 7));
    ASSERT_TRUE(WaitUntil([&]() { return m_pFrame->AllChunks() == "hello\r\n"; }));
    EXPECT_TRUE(m_runner.WriteInput("again\r\n", 7));
    ASSERT_TRUE(WaitUntil([&]() { return m_pFrame->AllChunks() == "hello\r\nagain\r\n"; }));
    EXPECT_FALSE(m_runner.Start("cat", nullptr, m_pFrame->GetHandle(), &m_output));   // busy
    m_runner.Stop();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(m_pFrame->AllChunks(), "hello\r\nagain\r\nApplication Exit...");
    EXPECT_EQ(m_record.m_nExitCode.load(), 102);
    EXPECT_TRUE(m_record.m_bUserAbort);
    EXPECT_FALSE(m_runner.WriteInput("late\r\n", 6));
}

TEST_F(ProgramRunnerTest, ChildEndClosesTheInputWindowAndCloseAfterExitTheFrame)
{
    CRecordingWindow input;
    ASSERT_TRUE(m_runner.Start("sleep 30", nullptr, m_pFrame->GetHandle(), &m_output));
    m_runner.SetInputWindow(input.GetHandle());
    m_runner.RequestCloseAfterExit();
    ASSERT_TRUE(WaitForEnd());
    EXPECT_TRUE(input.HasMessage(WM_CLOSE));
    EXPECT_TRUE(m_pFrame->HasMessage(WM_CLOSE));
    EXPECT_FALSE(m_record.m_hInputWindow.IsWindow());
}

TEST_F(ProgramRunnerTest, AFailedStartWritesTheLongTextAndStaysIdle)
{
    struct Case {
        const char* pszName;
        const char* pszLine;
        const char* pszDir;
        bool bUnwatchable = false;  // started, but nothing can watch it
    };
    const Case cases[] = {{"missing program", "appletviewer page.html", nullptr},
                          {"missing folder", "cat", "/nonexistent/mosk"},
                          {"started but not watchable", "sleep 30", nullptr, true}};
    for (const Case& c : cases) {
        CProcessHandle::SetTestMode(c.bUnwatchable ? 2 : 0);
        EXPECT_FALSE(m_runner.Start(c.pszLine, c.pszDir, m_pFrame->GetHandle(), &m_output)) << c.pszName;
        CProcessHandle::SetTestMode(0);
        EXPECT_EQ(m_output.m_strText, CProgramRunner::CannotStartText()) << c.pszName;
        EXPECT_FALSE(m_runner.IsBusy()) << c.pszName;
        EXPECT_FALSE(m_record.m_bBusy) << c.pszName;
    }
    EXPECT_EQ(std::string(CProgramRunner::CannotStartText()).substr(0, 62),
              "Error executing a JAVA program. Please check the following - \n");
}

TEST_F(ProgramRunnerTest, ANewRunWaitsForThePreviousReader)
{
    ASSERT_TRUE(m_runner.Start("printf x", nullptr, m_pFrame->GetHandle(), &m_output));
    // Without the event loop the reader cannot hand over its chunk, so it
    // is still busy after the child has ended.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (m_record.m_bBusy && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_FALSE(m_record.m_bBusy);
    EXPECT_TRUE(m_runner.IsBusy());
    EXPECT_FALSE(m_runner.Start("printf y", nullptr, m_pFrame->GetHandle(), &m_output));
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(m_pFrame->AllChunks(), "xApplication Exit...");
    ASSERT_TRUE(m_runner.Start("printf y", nullptr, m_pFrame->GetHandle(), &m_output));
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(m_pFrame->AllChunks(), "xApplication Exit...yApplication Exit...");
}

TEST_F(ProgramRunnerTest, ChildrenSeeOnlyTheStandardDescriptorsAndNothingLeaks)
{
    // A descriptor without close-on-exec must still not reach the child.
    const int fdStray = open("/dev/null", O_RDONLY);
    ASSERT_GE(fdStray, 3);
    const int nBefore = CountOpenFds();
    for (int i = 0; i < 3; ++i) {
        m_pFrame->m_chunks.clear();
        ASSERT_TRUE(m_runner.Start("ls /proc/self/fd", nullptr, m_pFrame->GetHandle(), &m_output));
        ASSERT_TRUE(WaitForEnd());
        std::string strOut = m_pFrame->AllChunks();
        std::set<std::string> fds;
        std::istringstream lines(strOut.substr(0, strOut.size() - 19));
        for (std::string line; std::getline(lines, line);)
            fds.insert(line);
        // 0, 1, 2 and the one ls opens to list the folder.
        EXPECT_EQ(fds, (std::set<std::string>{"0", "1", "2", "3"})) << strOut;
    }
    EXPECT_EQ(CountOpenFds(), nBefore);
    close(fdStray);
}

TEST_F(ProgramRunnerTest, AFrameDestroyedWhileTheReaderSendsDoesNotHang)
{
    int nSeen = 0;
    m_pFrame->m_fnOnMessage = [&](UINT) { ++nSeen; };
    ASSERT_TRUE(m_runner.Start("seq 1 200000", nullptr, m_pFrame->GetHandle(), &m_output));
    ASSERT_TRUE(WaitUntil([&]() { return nSeen >= 3; }));
    m_pFrame.reset();   // the reader is sending or about to
    ASSERT_TRUE(CRunThreads::WaitIdle(60000));
    EXPECT_FALSE(m_runner.IsBusy());
    m_pFrame = std::make_unique<CRecordingWindow>();
}

TEST_F(ProgramRunnerTest, ARunnerDestroyedMidRunEndsTheChildAndLeavesTheRecordIdle)
{
    CProgramRunState record;
    pid_t nPid = 0;
    {
        CProgramRunner runner(record);
        ASSERT_TRUE(runner.Start("sleep 30", nullptr, m_pFrame->GetHandle(), &m_output));
        nPid = record.m_nProcess;
        EXPECT_TRUE(record.m_bBusy);
    }
    EXPECT_FALSE(record.m_bBusy);
    EXPECT_EQ(record.m_nProcess.load(), 0);
    ASSERT_TRUE(CRunThreads::WaitIdle(60000));
    EXPECT_NE(kill(nPid, 0), 0);
    EXPECT_EQ(m_pFrame->m_chunks.back(), "Application Exit...");
}

TEST_F(ProgramRunnerTest, RunsARealJavaProgram)
{
    if (CProcessSpawner::FindProgram("java").IsEmpty())
        GTEST_SKIP() << "no java in PATH";
    m_folder.Write("Echo.java", "public class Echo {\n"
                                "    public static void main(String[] args) throws Exception {\n"
                                "        java.io.BufferedReader in = new java.io.BufferedReader(new java.io.InputStreamReader(System.in));\n"
                                "        System.out.println(\"ready\");\n"
                                "        System.out.println(\"got \" + in.readLine());\n"
                                "        System.err.println(\"done\");\n"
                                "    }\n"
                                "}\n");
    ASSERT_TRUE(m_runner.Start("java Echo.java", m_folder.Path(), m_pFrame->GetHandle(), &m_output));
    ASSERT_TRUE(WaitUntil([&]() { return m_pFrame->AllChunks().find("ready\n") != std::string::npos; }, 120000));
    EXPECT_TRUE(m_runner.WriteInput("line one\r\n", 10));
    ASSERT_TRUE(WaitForEnd());
    EXPECT_EQ(m_pFrame->AllChunks(), "ready\ngot line one\ndone\nApplication Exit...");
    EXPECT_EQ(m_record.m_nExitCode.load(), 0);
}

} // namespace
