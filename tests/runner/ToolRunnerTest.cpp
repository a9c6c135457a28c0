#include "RunnerTestSupport.h"
#include "TempFolder.h"
#include "ToolRunState.h"
#include "ToolRunner.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

class ToolRunnerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        m_runner.Stop();
        EXPECT_TRUE(CRunThreads::WaitIdle(60000));
        EXPECT_FALSE(HasZombieOrChild());
    }
    // Runs until the completion arrives; the handler's part: clear running.
    bool WaitForCompletion(UINT nMsg)
    {
        const bool bDone = WaitUntil([&]() { return m_frame.HasMessage(nMsg); });
        m_record.m_bRunning = FALSE;
        return bDone;
    }

    CToolRunState m_record;
    CToolRunner m_runner{m_record};
    CRecordingWindow m_frame;
    CRecordingOutput m_output;
    CTempFolder m_folder;
};

TEST_F(ToolRunnerTest, OutputGoesToTheRedirectFileAndTheCompletionCarriesZero)
{
    const char* pszLine = "/bin/sh -c \"echo out; echo err >&2; pwd\"";
    ASSERT_TRUE(m_runner.Start(pszLine, m_folder.Path(), "/src/Foo.java", 3, WM_COMPILE_DONE, m_frame.GetHandle(),
                               &m_output));
    EXPECT_EQ(m_output.m_strText, std::string(pszLine) + "...\n");
    EXPECT_TRUE(m_runner.IsActive());
    EXPECT_FALSE(m_runner.Start(pszLine, nullptr, "", 0, WM_COMPILE_DONE, m_frame.GetHandle(), &m_output));
    EXPECT_EQ(m_record.m_nContinuation, 3);
    EXPECT_EQ(m_record.m_strSourcePath, "/src/Foo.java");
    EXPECT_TRUE(m_record.m_bRedirectOpen);
    const CString strPath = m_record.m_strRedirectPath;
    const char* pszTmp = getenv("TMPDIR");
    EXPECT_EQ(strPath.Left(strPath.ReverseFind('/')), pszTmp && *pszTmp ? pszTmp : "/tmp");
    EXPECT_EQ(strPath.Mid(strPath.ReverseFind('/') + 1).Left(3), "tmp");

    ASSERT_TRUE(WaitForCompletion(WM_COMPILE_DONE));
    ASSERT_EQ(m_frame.m_messages.size(), 1u);
    EXPECT_EQ(m_frame.m_messages[0].wParam, 0u);
    EXPECT_EQ(m_frame.m_messages[0].lParam, reinterpret_cast<LPARAM>(&m_record));
    EXPECT_EQ(m_record.m_nExitCode.load(), 0);
    EXPECT_EQ(m_record.m_nProcess.load(), 0);

    CString strText;
    ASSERT_TRUE(m_runner.TakeRedirectText(strText));
    EXPECT_EQ(strText, "out\nerr\n" + m_folder.Path() + "\n");
    struct stat st;
    EXPECT_NE(stat(strPath, &st), 0);   // deleted
    EXPECT_EQ(m_record.m_nRedirectFd, -1);
    EXPECT_FALSE(m_runner.TakeRedirectText(strText));
    EXPECT_TRUE(strText.IsEmpty());
}

TEST_F(ToolRunnerTest, StopAndExitRequestCompleteWith101)
{
    struct Case {
        const char* pszName;
        bool bExit;
        UINT nMsg;
    };
    const Case cases[] = {{"stop build", false, WM_COMPILE_DONE}, {"exit request", true, WM_JAVADOC_DONE}};
    for (const Case& c : cases) {
        m_frame.m_messages.clear();
        m_record.m_bSequence = TRUE;
        ASSERT_TRUE(m_runner.Start("sleep 30", nullptr, "", 0, c.nMsg, m_frame.GetHandle(), &m_output)) << c.pszName;
        EXPECT_TRUE(m_record.m_bSequence) << c.pszName;   // kept across the start
        if (c.bExit)
            m_runner.RequestExit();
        else
            m_runner.Stop();
        ASSERT_TRUE(WaitForCompletion(c.nMsg)) << c.pszName;
        ASSERT_TRUE(WaitUntil([&]() { return m_frame.m_messages.size() == (c.bExit ? 2u : 1u); })) << c.pszName;
        EXPECT_EQ(m_frame.m_messages[0].nMsg, c.nMsg) << c.pszName;
        EXPECT_EQ(m_frame.m_messages[0].wParam, RUN_USER_ABORT) << c.pszName;
        if (c.bExit) {
            EXPECT_EQ(m_frame.m_messages[1].nMsg, WM_CLOSE) << c.pszName;
        }
        EXPECT_EQ(m_record.m_nExitCode.load(), 101) << c.pszName;
        CString strText;
        EXPECT_TRUE(m_runner.TakeRedirectText(strText)) << c.pszName;
    }
}

TEST_F(ToolRunnerTest, AChildIgnoringTerminationIsKilledAfterTheGracePeriod)
{
    ASSERT_TRUE(m_runner.Start("/bin/sh -c \"trap '' TERM; echo armed; exec sleep 60\"", nullptr, "", 0,
                               WM_COMPILE_DONE, m_frame.GetHandle(), &m_output));
    const pid_t nPid = m_record.m_nProcess;
    const CString strPath = m_record.m_strRedirectPath;
    ASSERT_TRUE(WaitUntil([&]() { return ReadWholeFile(strPath) == "armed\n"; }));
    m_runner.Stop();
    ASSERT_TRUE(WaitForCompletion(WM_COMPILE_DONE));
    EXPECT_EQ(m_frame.m_messages[0].wParam, RUN_USER_ABORT);
    EXPECT_NE(kill(nPid, 0), 0);   // gone and reaped
    CString strText;
    m_runner.TakeRedirectText(strText);
}

TEST_F(ToolRunnerTest, StartFailuresWriteTheReasonAndLeaveTheRecordIdle)
{
    struct Case {
        const char* pszName;
        const char* pszLine;
        const char* pszDir;
        const char* pszReason;
        bool bUnwatchable = false;  // started, but nothing can watch it
    };
    const Case cases[] = {
        {"missing program", "mosk-no-such-javac -g Foo.java", nullptr,
         "The program \"mosk-no-such-javac\" was not found in PATH."},
        {"missing folder", "/bin/true", "/nonexistent/mosk", "The working directory \"/nonexistent/mosk\" does not exist."},
        {"started but not watchable", "sleep 30", nullptr, "the started process cannot be watched.", true},
    };
    const int nFds = CountOpenFds();
    for (const Case& c : cases) {
        m_output.m_strText.clear();
        CProcessHandle::SetTestMode(c.bUnwatchable ? 2 : 0);
        EXPECT_FALSE(m_runner.Start(c.pszLine, c.pszDir, "", 0, WM_COMPILE_DONE, m_frame.GetHandle(), &m_output));
        CProcessHandle::SetTestMode(0);
        EXPECT_EQ(m_output.m_strText, std::string("Unable to start the command line: ") + c.pszLine + "\n" + c.pszReason + "\n")
            << c.pszName;
        EXPECT_FALSE(m_runner.IsActive()) << c.pszName;
        EXPECT_EQ(m_record.m_nRedirectFd, -1) << c.pszName;
    }
    EXPECT_EQ(CountOpenFds(), nFds);
    EXPECT_TRUE(m_frame.m_messages.empty());
}

TEST_F(ToolRunnerTest, RedirectFileFallsBackWhenTheTempFolderIsUnusable)
{
    const char* pszOld = getenv("TMPDIR");
    const std::string strOld = pszOld ? pszOld : "";
    setenv("TMPDIR", "/nonexistent/mosk-tmp", 1);
    const BOOL bStarted = m_runner.Start("/bin/true", nullptr, "", 0, WM_JAVADOC_DONE, m_frame.GetHandle(), &m_output);
    if (pszOld)
        setenv("TMPDIR", strOld.c_str(), 1);
    else
        unsetenv("TMPDIR");
    if (!bStarted) {
        // /tmp/java.doc belongs to someone else on this machine.
        EXPECT_EQ(m_output.m_strText, "Error creating redirect file. Cannot compile.");
        return;
    }
    EXPECT_EQ(m_record.m_strRedirectPath, "/tmp/java.doc");
    ASSERT_TRUE(WaitForCompletion(WM_JAVADOC_DONE));
    CString strText;
    EXPECT_TRUE(m_runner.TakeRedirectText(strText));
    EXPECT_NE(access("/tmp/java.doc", F_OK), 0);
}

TEST_F(ToolRunnerTest, CompilerErrorsEndUpInTheRedirectText)
{
    if (CProcessSpawner::FindProgram("javac").IsEmpty())
        GTEST_SKIP() << "no javac in PATH";
    m_folder.Write("Foo.java", "class Foo {\n    int x = \"text\";\n}\n");
    ASSERT_TRUE(m_runner.Start("javac Foo.java", m_folder.Path(), m_folder.File("Foo.java"), 0, WM_COMPILE_DONE,
                               m_frame.GetHandle(), &m_output));
    ASSERT_TRUE(WaitForCompletion(WM_COMPILE_DONE));
    EXPECT_EQ(m_frame.m_messages[0].wParam, 0u);   // the wait result, not the compiler's status
    EXPECT_NE(m_record.m_nExitCode.load(), 0);
    CString strText;
    ASSERT_TRUE(m_runner.TakeRedirectText(strText));
    EXPECT_NE(strText.Find("Foo.java:2: error"), -1) << strText.c_str();
}

} // namespace

TEST_F(ToolRunnerTest, TheFixedRedirectFileIsNeverReachedThroughALink)
{
    // Only when the fixed name is free on this machine: the test plants the link itself.
    struct stat st;
    if (lstat("/tmp/java.out", &st) == 0)
        GTEST_SKIP() << "/tmp/java.out exists";
    const CString strVictim = m_folder.Write("victim.txt", "keep me");
    ASSERT_EQ(symlink(strVictim.c_str(), "/tmp/java.out"), 0);
    const char* pszOld = getenv("TMPDIR");
    const std::string strOld = pszOld ? pszOld : "";
    setenv("TMPDIR", "/nonexistent/mosk-tmp", 1);
    const BOOL bStarted = m_runner.Start("/bin/echo overwritten", nullptr, "", 0, WM_COMPILE_DONE,
                                         m_frame.GetHandle(), &m_output);
    if (pszOld)
        setenv("TMPDIR", strOld.c_str(), 1);
    else
        unsetenv("TMPDIR");
    unlink("/tmp/java.out");
    EXPECT_FALSE(bStarted);
    EXPECT_EQ(m_output.m_strText, "Error creating redirect file. Cannot compile.");
    EXPECT_EQ(ReadWholeFile(strVictim), "keep me");
}
