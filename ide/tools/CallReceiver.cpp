#include "CallReceiver.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>

#include <cassert>

CCallReceiver::CCallReceiver(QObject* pParent) : QObject(pParent)
{
}

BOOL CCallReceiver::Post(std::function<void()> fnCall)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return QMetaObject::invokeMethod(this, std::move(fnCall), Qt::QueuedConnection) ? TRUE : FALSE;
}

CCallReceiver* CCallReceiver::ForApplication()
{
    static QPointer<CCallReceiver> s_pReceiver;
    QCoreApplication* pApp = QCoreApplication::instance();
    if (!pApp)
        return nullptr;
    if (!s_pReceiver) {
        assert(QThread::currentThread() == pApp->thread());
        s_pReceiver = new CCallReceiver(pApp);  // goes with the application
    }
    return s_pReceiver;
}

bool CCallReceiver::event(QEvent* pEvent)
{
    // A sender still queueing finishes first.
    { std::lock_guard<std::mutex> lock(m_mutex); }
    return QObject::event(pEvent);
}
