#include "RunnerTestSupport.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <cerrno>
#include <chrono>
#include <dirent.h>
#include <sys/wait.h>

LRESULT CRecordingWindow::OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_OUTPUT_CHUNK) {
        const auto* pChunk = reinterpret_cast<const COutputChunk*>(lParam);
        m_chunks.emplace_back(pChunk->m_pBytes, pChunk->m_nCount);
        if (pChunk->m_nZero != 0 || pChunk->m_pBytes[pChunk->m_nCount] != '\0')
            m_bChunkTerminated = false;
    } else {
        m_messages.push_back({nMsg, wParam, lParam});
    }
    if (m_fnOnMessage)
        m_fnOnMessage(nMsg);
    return 1;
}

std::string CRecordingWindow::AllChunks() const
{
    std::string str;
    for (const std::string& s : m_chunks)
        str += s;
    return str;
}

bool CRecordingWindow::HasMessage(UINT nMsg) const
{
    for (const Message& m : m_messages)
        if (m.nMsg == nMsg)
            return true;
    return false;
}

bool WaitUntil(const std::function<bool()>& fnDone, int nMilliseconds)
{
    // A nested event loop serves queued messages as they come, as the
    // application's loop does; a timer checks the condition.
    if (fnDone())
        return true;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(1);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&]() {
        if (fnDone() || std::chrono::steady_clock::now() >= deadline)
            loop.quit();
    });
    timer.start();
    loop.exec();
    return fnDone();
}

int CountOpenFds()
{
    int nCount = 0;
    if (DIR* pDir = opendir("/proc/self/fd")) {
        while (dirent* pEntry = readdir(pDir))
            if (pEntry->d_name[0] != '.')
                ++nCount;
        closedir(pDir);
        --nCount;   // the directory's own descriptor
    }
    return nCount;
}

bool HasZombieOrChild()
{
    int nStatus;
    const pid_t n = waitpid(-1, &nStatus, WNOHANG);
    // -1/ECHILD: no child at all; 0: children that still run (none should).
    return !(n < 0 && errno == ECHILD);
}
