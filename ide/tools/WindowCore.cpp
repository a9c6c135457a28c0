#include "WindowCore.h"

#include "CallReceiver.h"
#include "MessageWindow.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <cassert>

CWindowCore::CWindowCore(CMessageWindow* pWindow)
    : m_pWindow(pWindow), m_pReceiver(new CCallReceiver)
{
}

CWindowCore::~CWindowCore()
{
    assert(!m_pReceiver);
}

BOOL CWindowCore::IsWindow() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pWindow != nullptr;
}

BOOL CWindowCore::Queue(std::function<void()> fnCall)
{
    // The receiver cannot be deleted while the lock is held, so the event
    // lands in its queue or the window is already gone.
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!m_pWindow)
        return FALSE;
    return m_pReceiver->Post(std::move(fnCall));
}

LRESULT CWindowCore::Deliver(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CMessageWindow* pWindow;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        pWindow = m_pWindow;
    }
    // Only the UI thread clears m_pWindow, and this runs there.
    return pWindow ? pWindow->OnWindowMessage(nMsg, wParam, lParam) : 0;
}

BOOL CWindowCore::IsOwnThread() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_pReceiver && m_pReceiver->thread() == QThread::currentThread();
}

void CWindowCore::Destroy()
{
    QObject* pReceiver;
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_pWindow = nullptr;
        pReceiver = m_pReceiver;
        m_pReceiver = nullptr;
    }
    // Deleting the receiver drops its posted events; their functors are
    // destroyed uncalled, which releases any sender waiting on them.
    delete pReceiver;
}
