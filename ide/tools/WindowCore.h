// CWindowCore: the shared state behind CWindowHandle and CMessageWindow: the
// window (null once destroyed) and the QObject on the UI thread through
// whose event queue messages are delivered.
#pragma once

#include "WinTypes.h"

#include <functional>
#include <memory>
#include <mutex>

class CCallReceiver;
class CMessageWindow;

class CWindowCore : public std::enable_shared_from_this<CWindowCore> {
public:
    explicit CWindowCore(CMessageWindow* pWindow);
    ~CWindowCore();

    BOOL IsWindow() const;
    // Queues fnCall for the UI thread; it is destroyed uncalled when the
    // window goes first. FALSE when the window is gone.
    BOOL Queue(std::function<void()> fnCall);
    // Calls the window's handler when it still exists (UI thread only).
    LRESULT Deliver(UINT nMsg, WPARAM wParam, LPARAM lParam);
    // The calling thread is the window's thread.
    BOOL IsOwnThread() const;
    // Forgets the window and drops everything queued (UI thread only).
    void Destroy();

private:
    mutable std::mutex m_mutex;
    CMessageWindow* m_pWindow;
    CCallReceiver* m_pReceiver;
};
