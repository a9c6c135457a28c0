#include "ProcessHandle.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

pid_t StartShell(const char* pszScript)
{
    pid_t pid = fork();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", pszScript, static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// TRUE when nPid is no child of this process any more (reaped, no zombie).
bool IsReaped(pid_t nPid)
{
    return waitpid(nPid, nullptr, WNOHANG) < 0 && errno == ECHILD;
}

class ProcessHandleTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { CProcessHandle::SetTestMode(GetParam()); }
    void TearDown() override { CProcessHandle::SetTestMode(0); }
};

}  // namespace

TEST_P(ProcessHandleTest, WaitsTerminatesAndReaps)
{
    struct Case {
        const char* pszName;
        const char* pszScript;
        bool bTerminate;
        int nStatus;
        long nMinMs;   // at least this long (the grace period before SIGKILL)
    } cases[] = {
        {"exit status", "exit 3", false, 3, 0},
        {"killed by a signal", "kill -9 $$", false, 128 + SIGKILL, 0},
        {"terminated", "exec sleep 30", true, 128 + SIGTERM, 0},
        {"ignores termination", "trap '' TERM; while :; do sleep 0.1; done", true, 128 + SIGKILL,
         CProcessHandle::TERMINATE_GRACE_MS - 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        pid_t pid = StartShell(c.pszScript);
        ASSERT_GT(pid, 0);
        CProcessHandle handle;
        ASSERT_TRUE(handle.Attach(pid));
        EXPECT_EQ(handle.HasPidFd() != FALSE, GetParam() == 0);
        if (c.bTerminate) {
            usleep(100000);  // the shell has set its trap
            handle.Terminate();
        }
        auto t0 = std::chrono::steady_clock::now();
        EXPECT_EQ(handle.Wait(), c.nStatus);
        long nMs = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - t0).count());
        EXPECT_GE(nMs, c.nMinMs);
        EXPECT_LT(nMs, 10000);
        EXPECT_TRUE(handle.HasEnded());
        EXPECT_TRUE(IsReaped(pid));
        // Once reaped, a late Terminate reaches nothing.
        handle.Terminate();
    }
}

TEST_P(ProcessHandleTest, AChildNobodyWaitsForIsKilledWithItsHandle)
{
    pid_t pid = StartShell("exec sleep 30");
    {
        CProcessHandle handle;
        ASSERT_TRUE(handle.Attach(pid));
    }
    EXPECT_TRUE(IsReaped(pid));
}

INSTANTIATE_TEST_SUITE_P(WithAndWithoutPidFd, ProcessHandleTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? std::string("PidFd") : std::string("PidOnly");
                         });

TEST(ProcessHandleAttach, AChildThatCannotBeWatchedIsKilledAndReported)
{
    CProcessHandle::SetTestMode(2);
    pid_t pid = StartShell("exec sleep 30");
    CProcessHandle handle;
    EXPECT_FALSE(handle.Attach(pid));
    CProcessHandle::SetTestMode(0);
    EXPECT_TRUE(handle.HasEnded());
    EXPECT_TRUE(IsReaped(pid));
}
