#include "ProcessHandle.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts sh -c pszScript with its standard output on a pipe, whose reading end goes to fdOut.
pid_t StartShell(const char* pszScript, int& fdOut)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        execl("/bin/sh", "sh", "-c", pszScript, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[1]);
    fdOut = fds[0];
    return pid;
}

pid_t StartShell(const char* pszScript)
{
    int fdOut = -1;
    pid_t pid = StartShell(pszScript, fdOut);
    if (fdOut >= 0)
        close(fdOut);
    return pid;
}

// Waits until the shell has printed its first byte (its traps are set).
bool WaitReady(int fd)
{
    char ch;
    ssize_t n;
    while ((n = read(fd, &ch, 1)) < 0 && errno == EINTR) {
    }
    return n == 1;
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
        {"terminated", "echo; exec sleep 30", true, 128 + SIGTERM, 0},
        {"ignores termination", "trap '' TERM; echo; while :; do sleep 0.1; done", true, 128 + SIGKILL,
         CProcessHandle::TERMINATE_GRACE_MS - 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        int fdOut = -1;
        pid_t pid = StartShell(c.pszScript, fdOut);
        ASSERT_GT(pid, 0);
        CProcessHandle handle;
        ASSERT_TRUE(handle.Attach(pid));
        EXPECT_EQ(handle.HasPidFd() != FALSE, GetParam() == 0);
        if (c.bTerminate) {
            EXPECT_TRUE(WaitReady(fdOut));
            handle.Terminate();
        }
        close(fdOut);
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
