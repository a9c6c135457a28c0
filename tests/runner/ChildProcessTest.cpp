#include "ChildProcess.h"
#include "ProcessHandle.h"
#include "ChildProcessOwner.h"
#include "RunnerTestSupport.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

class CRecordingOwner : public CChildProcessOwner {
public:
    void OnProcessEnded(CChildProcess* pProcess) override
    {
        m_ended.push_back(pProcess);
        m_bOnMainThread = m_bOnMainThread && std::this_thread::get_id() == m_mainThread;
        if (m_pWindow)
            m_nChunksAtEnd = static_cast<int>(m_pWindow->m_chunks.size());
    }
    std::vector<CChildProcess*> m_ended;
    std::thread::id m_mainThread = std::this_thread::get_id();
    bool m_bOnMainThread = true;
    CRecordingWindow* m_pWindow = nullptr;
    int m_nChunksAtEnd = -1;
};

class ChildProcessTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        CChildProcess::SetDefaultOwner(nullptr);
        EXPECT_TRUE(CRunThreads::WaitIdle(60000));
        EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
        EXPECT_FALSE(HasZombieOrChild());
    }

    CRecordingWindow m_window;
    CRecordingOwner m_owner;
    CScriptedUserInterface m_ui;
    CTempFolder m_folder;
};

TEST_F(ChildProcessTest, RedirectedOutputGoesToTheWindowAndTheOwnerHearsAfterTheLastChunk)
{
    m_owner.m_pWindow = &m_window;
    {
        CChildProcess process("printf \"a\\nb\\n\"", m_folder.Path(), m_window.GetHandle());
        EXPECT_TRUE(process.m_bRedirectOutput);
        EXPECT_FALSE(process.m_bRedirectInput);
        EXPECT_EQ(process.m_nShowWindow, 5);
        ASSERT_TRUE(process.Start(&m_owner));
        EXPECT_EQ(CChildProcess::GetLiveCount(), 1);
        ASSERT_TRUE(WaitUntil([&]() { return !m_owner.m_ended.empty(); }));
        EXPECT_FALSE(process.IsRunning());
        ASSERT_EQ(m_owner.m_ended.size(), 1u);
        EXPECT_EQ(m_owner.m_ended[0], &process);
        EXPECT_TRUE(m_owner.m_bOnMainThread);
        EXPECT_EQ(m_owner.m_nChunksAtEnd, static_cast<int>(m_window.m_chunks.size()));
        EXPECT_EQ(m_window.AllChunks(), "printf \"a\\nb\\n\"\na\nb\nProcess Exit...");
        EXPECT_EQ(m_window.m_chunks.front(), "printf \"a\\nb\\n\"\n");
        EXPECT_EQ(m_window.m_chunks.back(), "Process Exit...");
    }
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
}

TEST_F(ChildProcessTest, WithoutATargetNothingIsRedirectedAndTheChildIsReaped)
{
    CChildProcess process("/bin/sh -c \"exit 3\"", "");
    EXPECT_FALSE(process.m_bRedirectOutput);
    ASSERT_TRUE(process.Start(&m_owner));
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
    ASSERT_TRUE(WaitUntil([&]() { return !process.IsRunning(); }));
    ASSERT_TRUE(CRunThreads::WaitIdle(60000));
    EXPECT_TRUE(m_owner.m_ended.empty());
    EXPECT_TRUE(m_window.m_chunks.empty());
    // The object is reusable.
    ASSERT_TRUE(process.Start(&m_owner));
    ASSERT_TRUE(WaitUntil([&]() { return !process.IsRunning(); }));
}

TEST_F(ChildProcessTest, TargetWindowDecidesRedirection)
{
    CChildProcess process("true", "");
    process.SetTargetWindow(m_window.GetHandle());
    EXPECT_TRUE(process.m_bRedirectOutput);
    process.SetTargetWindow(CWindowHandle());
    EXPECT_FALSE(process.m_bRedirectOutput);
    CWindowHandle gone;
    {
        CRecordingWindow window;
        gone = window.GetHandle();
    }
    CChildProcess second("true", "", gone);
    EXPECT_FALSE(second.m_bRedirectOutput);
}

TEST_F(ChildProcessTest, TerminateEndsTheChildAndTheDefaultOwnerIsUsed)
{
    CChildProcess::SetDefaultOwner(&m_owner);
    CChildProcess process("sleep 30", "", m_window.GetHandle());
    ASSERT_TRUE(process.Start());
    EXPECT_TRUE(process.IsRunning());
    process.Terminate();
    EXPECT_FALSE(process.IsRunning());
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
    ASSERT_TRUE(WaitUntil([&]() { return !m_owner.m_ended.empty(); }));
    EXPECT_EQ(m_owner.m_ended[0], &process);
    EXPECT_EQ(m_window.m_chunks.back(), "Process Exit...");
}

TEST_F(ChildProcessTest, InputRedirectionFeedsTheChild)
{
    CChildProcess process("cat", "", m_window.GetHandle());
    EXPECT_FALSE(process.WriteInput("x", 1));   // not started
    process.m_bRedirectInput = TRUE;
    ASSERT_TRUE(process.Start(&m_owner));
    EXPECT_TRUE(process.WriteInput("abc\n", 4));
    ASSERT_TRUE(WaitUntil([&]() { return m_window.AllChunks() == "cat\nabc\n"; }));
    process.Terminate();
    ASSERT_TRUE(WaitUntil([&]() { return !m_owner.m_ended.empty(); }));
    EXPECT_FALSE(process.WriteInput("late\n", 5));
}

TEST_F(ChildProcessTest, AMissingProgramShowsTheErrorBox)
{
    CChildProcess process("mosk-no-such-tool --flag", "", m_window.GetHandle());
    EXPECT_FALSE(process.Start(&m_owner));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Error executing the command mosk-no-such-tool --flag");
    EXPECT_FALSE(process.IsRunning());
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
    EXPECT_TRUE(m_window.m_chunks.empty());

    CChildProcess inMissingFolder("true", "/nonexistent/mosk");
    EXPECT_FALSE(inMissingFolder.Start(&m_owner));
    ASSERT_EQ(m_ui.m_shown.size(), 2u);
    EXPECT_EQ(m_ui.m_shown[1].strText, "Error executing the command true");

    // Started, but nothing can watch it: killed, and told as a failed start.
    CProcessHandle::SetTestMode(2);
    CChildProcess unwatched("sleep 30", "", m_window.GetHandle());
    EXPECT_FALSE(unwatched.Start(&m_owner));
    CProcessHandle::SetTestMode(0);
    ASSERT_EQ(m_ui.m_shown.size(), 3u);
    EXPECT_EQ(m_ui.m_shown[2].strText, "Error executing the command sleep 30");
    EXPECT_FALSE(unwatched.IsRunning());
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
}

TEST_F(ChildProcessTest, TheOwnerIsNotToldAboutADestroyedObject)
{
    auto pProcess = std::make_unique<CChildProcess>("sleep 30", "", m_window.GetHandle());
    ASSERT_TRUE(pProcess->Start(&m_owner));
    EXPECT_EQ(CChildProcess::GetLiveCount(), 1);
    pProcess.reset();   // terminates the child
    EXPECT_EQ(CChildProcess::GetLiveCount(), 0);
    ASSERT_TRUE(CRunThreads::WaitIdle(60000));
    EXPECT_TRUE(m_owner.m_ended.empty());
    EXPECT_EQ(m_window.m_chunks.back(), "Process Exit...");
}

} // namespace
