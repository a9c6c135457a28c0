#include "ProcessHandle.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::atomic<int> s_nTestMode{0};

int OpenPidFd(pid_t nPid)
{
    if (s_nTestMode.load() != 0) {
        errno = ENOSYS;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_pidfd_open, nPid, 0));
}

// Polling step of a child watched through its pid.
constexpr int PID_POLL_MS = 10;

int ExitStatusOf(int nStatus)
{
    if (WIFEXITED(nStatus))
        return WEXITSTATUS(nStatus);
    if (WIFSIGNALED(nStatus))
        return 128 + WTERMSIG(nStatus);
    return -1;
}

} // namespace

CProcessHandle::~CProcessHandle()
{
    if (m_nPid > 0 && !m_bEnded && !m_bWaiting) {
        Signal(SIGKILL);
        int nStatus;
        while (::waitpid(m_nPid, &nStatus, 0) < 0 && errno == EINTR) {
        }
    }
    CloseDescriptors();
}

void CProcessHandle::CloseDescriptors()
{
    if (m_nPidFd >= 0)
        ::close(m_nPidFd);
    if (m_nWakeFd >= 0)
        ::close(m_nWakeFd);
    m_nPidFd = m_nWakeFd = -1;
}

void CProcessHandle::SetTestMode(int nMode)
{
    s_nTestMode = nMode;
}

BOOL CProcessHandle::Attach(pid_t nPid, BOOL bGroup)
{
    m_nPid = nPid;
    m_bGroup = bGroup;
    m_nPidFd = OpenPidFd(nPid);
    m_nWakeFd = s_nTestMode.load() == 2 ? -1 : ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_nWakeFd < 0) {
        // Not yet reaped, so the pid is still this child's.
        ::kill(bGroup ? -nPid : nPid, SIGKILL);
        int nStatus;
        while (::waitpid(nPid, &nStatus, 0) < 0 && errno == EINTR) {
        }
        m_bEnded = TRUE;
        CloseDescriptors();
        return FALSE;
    }
    return TRUE;
}

void CProcessHandle::Signal(int nSignal)
{
    // The unreaped leader keeps the group's number taken, so the group is ours.
    if (m_bGroup && m_nPid > 0 && !m_bEnded)
        ::kill(-m_nPid, nSignal);
    if (m_nPidFd >= 0)
        ::syscall(SYS_pidfd_send_signal, m_nPidFd, nSignal, nullptr, 0);
    else if (m_nPid > 0 && !m_bEnded)
        ::kill(m_nPid, nSignal);  // not reaped yet (see Wait), so still our child
}

void CProcessHandle::Terminate()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (m_nPid <= 0 || m_bEnded)
        return;
    // The pidfd keeps naming this child even once it is reaped, so a late
    // signal fails instead of hitting a process that took over the pid.
    Signal(SIGTERM);
    m_bTerminating = TRUE;
    const uint64_t nOne = 1;
    if (::write(m_nWakeFd, &nOne, sizeof nOne) < 0) {
        // the counter is already set: the waiter wakes anyway
    }
}

bool CProcessHandle::WaitForEnd()
{
    using Clock = std::chrono::steady_clock;
    bool bKillArmed = false;
    Clock::time_point killAt;
    for (;;) {
        if (m_bTerminating && !bKillArmed) {
            bKillArmed = true;
            killAt = Clock::now() + std::chrono::milliseconds(TERMINATE_GRACE_MS);
        }
        int nTimeout = -1;
        if (bKillArmed) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(killAt - Clock::now()).count();
            if (left <= 0) {
                std::lock_guard<std::mutex> lock(m_mutex);
                Signal(SIGKILL);
                bKillArmed = false;
                m_bTerminating = FALSE;
            } else {
                nTimeout = static_cast<int>(left);
            }
        }
        if (m_nPidFd < 0) {
            // Without a pidfd: has it ended? (WNOWAIT leaves it unreaped.)
            siginfo_t info {};
            if (::waitid(P_PID, static_cast<id_t>(m_nPid), &info, WEXITED | WNOHANG | WNOWAIT) != 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            if (info.si_pid == m_nPid)
                return true;
            if (nTimeout < 0 || nTimeout > PID_POLL_MS)
                nTimeout = PID_POLL_MS;
        }
        struct pollfd fds[2] = {{m_nWakeFd, POLLIN, 0}, {m_nPidFd, POLLIN, 0}};
        const int n = ::poll(fds, m_nPidFd >= 0 ? 2 : 1, nTimeout);
        if (n < 0 && errno != EINTR)
            return false;
        if (n > 0 && (fds[0].revents & POLLIN)) {
            uint64_t nCount;
            if (::read(m_nWakeFd, &nCount, sizeof nCount) < 0) {
                // nothing to drain
            }
        }
        if (m_nPidFd >= 0 && n > 0 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR)))
            return true;
    }
}

int CProcessHandle::Wait()
{
    if (m_nPid <= 0 || m_bEnded)
        return -1;
    m_bWaiting = TRUE;
    WaitForEnd();
    int nStatus = 0;
    pid_t nResult;
    // Reaped under the lock: a signal of Terminate goes before the pid is free.
    std::lock_guard<std::mutex> lock(m_mutex);
    // What the child started must not outlive it.
    if (m_bGroup)
        ::kill(-m_nPid, SIGKILL);
    while ((nResult = ::waitpid(m_nPid, &nStatus, 0)) < 0 && errno == EINTR) {
    }
    // A finished run holds no descriptors, however long its state is kept.
    m_bEnded = TRUE;
    CloseDescriptors();
    return nResult == m_nPid ? ExitStatusOf(nStatus) : -1;
}
