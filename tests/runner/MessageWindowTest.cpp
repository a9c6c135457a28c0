#include "RunnerTestSupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace {

TEST(MessageWindowTest, PostsAndSendsFromAnotherThreadKeepTheirOrder)
{
    CRecordingWindow window;
    const CWindowHandle handle = window.GetHandle();
    std::atomic<LRESULT> nSendResult{-1};
    std::thread sender([&]() {
        for (UINT n = 0; n < 50; ++n) {
            if (n % 10 == 9)
                nSendResult = handle.SendMessage(WM_USER + n, n, 0);
            else
                handle.PostMessage(WM_USER + n, n, 0);
        }
    });
    ASSERT_TRUE(WaitUntil([&]() { return window.m_messages.size() == 50; }));
    sender.join();
    for (UINT n = 0; n < 50; ++n)
        EXPECT_EQ(window.m_messages[n].nMsg, WM_USER + n);
    EXPECT_EQ(nSendResult.load(), 1);
}

TEST(MessageWindowTest, SendOnTheWindowThreadIsADirectCall)
{
    CRecordingWindow window;
    EXPECT_EQ(window.GetHandle().SendMessage(WM_USER, 7, 8), 1);
    ASSERT_EQ(window.m_messages.size(), 1u);
    EXPECT_EQ(window.m_messages[0].wParam, 7u);
    // A post waits for the event loop.
    EXPECT_TRUE(window.GetHandle().PostMessage(WM_USER + 1, 0, 0));
    EXPECT_EQ(window.m_messages.size(), 1u);
    ASSERT_TRUE(WaitUntil([&]() { return window.m_messages.size() == 2; }));
}

TEST(MessageWindowTest, AGoneWindowTakesNothing)
{
    CWindowHandle handle;
    EXPECT_FALSE(handle.IsWindow());
    EXPECT_FALSE(handle.PostMessage(WM_USER, 0, 0));
    EXPECT_EQ(handle.SendMessage(WM_USER, 0, 0), 0);
    {
        auto pWindow = std::make_unique<CRecordingWindow>();
        handle = pWindow->GetHandle();
        EXPECT_TRUE(handle.IsWindow());
        EXPECT_TRUE(handle.PostMessage(WM_USER, 0, 0));   // still queued when the window goes
    }
    EXPECT_FALSE(handle.IsWindow());
    EXPECT_FALSE(handle.PostMessage(WM_USER, 0, 0));
    EXPECT_EQ(handle.SendMessage(WM_USER, 0, 0), 0);
    // The queued post is dropped, not delivered to freed memory.
    WaitUntil([]() { return false; }, 50);
}

TEST(MessageWindowTest, DestroyingTheWindowReleasesAWaitingSender)
{
    auto pWindow = std::make_unique<CRecordingWindow>();
    const CWindowHandle handle = pWindow->GetHandle();
    std::atomic<bool> bStarted{false};
    std::atomic<bool> bReturned{false};
    std::atomic<LRESULT> nResult{-1};
    std::thread sender([&]() {
        bStarted = true;
        nResult = handle.SendMessage(WM_USER, 0, 0);
        bReturned = true;
    });
    while (!bStarted)
        std::this_thread::yield();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));   // lets the send reach the queue
    EXPECT_FALSE(bReturned.load());
    pWindow.reset();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!bReturned && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    ASSERT_TRUE(bReturned.load());
    sender.join();
    EXPECT_EQ(nResult.load(), 0);
}

TEST(MessageWindowTest, WaitIdleWaitsForRunnerThreadsAndTheirPosts)
{
    CRecordingWindow window;
    const CWindowHandle handle = window.GetHandle();
    std::atomic<bool> bGo{false};
    ASSERT_TRUE(CRunThreads::Start([&bGo, handle]() {
        while (!bGo)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        handle.SendMessage(WM_USER, 0, 0);
        handle.PostMessage(WM_USER + 1, 0, 0);
    }));
    EXPECT_EQ(CRunThreads::GetCount(), 1);
    EXPECT_FALSE(CRunThreads::WaitIdle(20));
    bGo = true;
    ASSERT_TRUE(CRunThreads::WaitIdle(30000));
    EXPECT_EQ(CRunThreads::GetCount(), 0);
    ASSERT_EQ(window.m_messages.size(), 2u);
    EXPECT_EQ(window.m_messages[1].nMsg, WM_USER + 1);
}

} // namespace
