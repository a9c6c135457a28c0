// CWindowHandle: a thread-safe reference to a CMessageWindow. Messages posted
// or sent through it are delivered on the user-interface thread through the
// Qt event loop, in the order they were posted or sent. When the window is
// destroyed, pending posts are dropped and a pending send returns 0.
#pragma once

#include "WinTypes.h"

#include <memory>

class CWindowCore;

class CWindowHandle {            // copyable; safe to use from any thread, also after the window is gone
public:
    CWindowHandle() = default;   // no window
    explicit CWindowHandle(std::shared_ptr<CWindowCore> pCore) : m_pCore(std::move(pCore)) {}

    BOOL IsWindow() const;       // the window still exists
    // Queued for the UI thread; FALSE when the window is gone.
    BOOL PostMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) const;
    // Waits until handled (a direct call on the UI thread); 0 when gone or destroyed before handling.
    LRESULT SendMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) const;

    // Both refer to the same window (or both to none).
    friend bool operator==(const CWindowHandle& a, const CWindowHandle& b) { return a.m_pCore == b.m_pCore; }

private:
    std::shared_ptr<CWindowCore> m_pCore;
};
