#include "RunThreads.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <system_error>
#include <thread>

namespace {
std::atomic<int> g_nThreads{0};
}

BOOL CRunThreads::Start(std::function<void()> fnBody)
{
    ++g_nThreads;
    try {
        std::thread([fnBody = std::move(fnBody)]() mutable {
            fnBody();
            fnBody = nullptr;  // the run's shared state goes before the count drops
            --g_nThreads;
        }).detach();
    } catch (const std::system_error&) {
        --g_nThreads;
        return FALSE;
    }
    return TRUE;
}

int CRunThreads::GetCount()
{
    return g_nThreads.load();
}

BOOL CRunThreads::WaitIdle(int nMilliseconds)
{
    // A nested loop handles events as they come (a reader waiting on a
    // chunk is served at once); a short timer checks for the end.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    BOOL bIdle = FALSE;
    QEventLoop loop;
    QTimer timer;
    timer.setInterval(2);
    QObject::connect(&timer, &QTimer::timeout, &loop, [&]() {
        if (g_nThreads.load() == 0)
            bIdle = TRUE;
        if (bIdle || std::chrono::steady_clock::now() >= deadline)
            loop.quit();
    });
    timer.start();
    loop.exec();
    // Messages the last threads posted are handled before idle is reported.
    if (bIdle)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    return bIdle;
}
