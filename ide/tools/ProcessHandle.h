// CProcessHandle: a started child process, held through a pidfd so that a
// signal can never reach another process that reused the pid. Where the
// kernel has no pidfds (before 5.3, some containers) the pid itself is used:
// the child is then reaped only under the lock that signals take, so a
// signal still cannot reach another process. One thread (the run's waiter)
// calls Wait, which reaps the child; any thread may call Terminate, which
// sends SIGTERM and lets the waiter send SIGKILL when the child has not
// ended after the grace period.
#pragma once

#include "WinTypes.h"

#include <atomic>
#include <mutex>
#include <sys/types.h>

class CProcessHandle {
public:
    static constexpr int TERMINATE_GRACE_MS = 2000;

    CProcessHandle() = default;
    // Kills and reaps a child that was never waited for.
    ~CProcessHandle();
    CProcessHandle(const CProcessHandle&) = delete;
    CProcessHandle& operator=(const CProcessHandle&) = delete;

    // Takes over the child nPid (a child of this process, not yet reaped).
    // FALSE when it cannot be watched at all; the child is then killed and
    // reaped, and the caller reports that the program could not start.
    // With bGroup the child leads its own process group: Terminate signals
    // the whole group, and Wait kills what is left of the group when the
    // child has ended, before reaping it (its pid, and so the group's
    // number, stays taken until then).
    BOOL Attach(pid_t nPid, BOOL bGroup = FALSE);
    pid_t GetPid() const { return m_nPid; }

    // Blocks until the child has ended and reaps it; the exit status
    // (128 + signal number for a signal). Call once, from one thread.
    int Wait();
    // SIGTERM now, SIGKILL from Wait after TERMINATE_GRACE_MS. Safe from any
    // thread and after the child has ended (then nothing happens).
    void Terminate();
    // Wait has reaped the child (its descriptors are closed then).
    BOOL HasEnded() const { return m_bEnded.load(); }

    // For tests: 0 as the system allows, 1 as if the kernel had no pidfds,
    // 2 as if nothing could watch a child (Attach fails).
    static void SetTestMode(int nMode);
    // The child is watched through a pidfd (FALSE: through its pid).
    BOOL HasPidFd() const { return m_nPidFd >= 0; }

private:
    void Signal(int nSignal);
    // Blocks until the child has ended, without reaping it; FALSE on an error.
    bool WaitForEnd();
    void CloseDescriptors();

    std::mutex m_mutex;            // Terminate against the waiter closing the descriptors
    pid_t m_nPid = 0;
    BOOL m_bGroup = FALSE;
    int m_nPidFd = -1;
    int m_nWakeFd = -1;            // eventfd: Terminate wakes the waiter
    std::atomic<BOOL> m_bTerminating{FALSE};
    std::atomic<BOOL> m_bEnded{FALSE};
    std::atomic<BOOL> m_bWaiting{FALSE};
};
