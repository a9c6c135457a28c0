// CCallReceiver: a QObject through whose event queue other threads have calls
// run on its thread. The sender holds the receiver's lock while it queues a
// call and the receiver takes the same lock before it handles an event, so
// everything the sender did in making the call is ordered before the call's
// run and its destruction, also for the thread checker (Qt's own queue lock
// and the call's reference count live in a library built without it).
#pragma once

#include "WinTypes.h"

#include <QObject>

#include <functional>
#include <mutex>

class CCallReceiver : public QObject {
public:
    explicit CCallReceiver(QObject* pParent = nullptr);

    // Queues fnCall to run on this object's thread; FALSE when it was not queued.
    BOOL Post(std::function<void()> fnCall);
    // The receiver on the application's thread, made by the first call, which
    // must come from that thread; null without an application.
    static CCallReceiver* ForApplication();

protected:
    bool event(QEvent* pEvent) override;

private:
    std::mutex m_mutex;
};
