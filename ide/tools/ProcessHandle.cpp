#include "ProcessHandle.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

int OpenPidFd(pid_t nPid)
{
    return static_cast<int>(::syscall(SYS_pidfd_open, nPid, 0));
}

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

BOOL CProcessHandle::Attach(pid_t nPid, BOOL bGroup)
{
    m_nPid = nPid;
    m_bGroup = bGroup;
    m_nPidFd = OpenPidFd(nPid);
    m_nWakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (m_nPidFd < 0 || m_nWakeFd < 0) {
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
    if (m_bGroup && m_nPidFd >= 0 && !m_bEnded)
        ::kill(-m_nPid, nSignal);
    if (m_nPidFd >= 0)
        ::syscall(SYS_pidfd_send_signal, m_nPidFd, nSignal, nullptr, 0);
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

int CProcessHandle::Wait()
{
    if (m_nPid <= 0 || m_bEnded)
        return -1;
    m_bWaiting = TRUE;
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
                Signal(SIGKILL);
                bKillArmed = false;
                killAt = Clock::time_point::max();
                m_bTerminating = FALSE;
                nTimeout = -1;
            } else {
                nTimeout = static_cast<int>(left);
            }
        }
        struct pollfd fds[2] = {{m_nPidFd, POLLIN, 0}, {m_nWakeFd, POLLIN, 0}};
        const int n = ::poll(fds, 2, nTimeout);
        if (n < 0 && errno != EINTR)
            break;
        if (n > 0 && (fds[1].revents & POLLIN)) {
            uint64_t nCount;
            if (::read(m_nWakeFd, &nCount, sizeof nCount) < 0) {
                // nothing to drain
            }
        }
        if (n > 0 && (fds[0].revents & (POLLIN | POLLHUP | POLLERR)))
            break;
    }
    // Under the lock, so that Terminate never signals a reaped group.
    std::lock_guard<std::mutex> lock(m_mutex);
    // What the child started must not outlive it.
    if (m_bGroup)
        ::kill(-m_nPid, SIGKILL);
    int nStatus = 0;
    pid_t nResult;
    while ((nResult = ::waitpid(m_nPid, &nStatus, 0)) < 0 && errno == EINTR) {
    }
    // A finished run holds no descriptors, however long its state is kept.
    m_bEnded = TRUE;
    CloseDescriptors();
    return nResult == m_nPid ? ExitStatusOf(nStatus) : -1;
}
