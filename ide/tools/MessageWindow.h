// CMessageWindow: a receiver of window messages on the user-interface thread
// (the thread running the Qt event loop). Other threads reach it through the
// CWindowHandle it gives out.
#pragma once

#include "WindowHandle.h"

class CMessageWindow {           // construct and destroy on the UI thread
public:
    CMessageWindow();
    virtual ~CMessageWindow();
    CMessageWindow(const CMessageWindow&) = delete;
    CMessageWindow& operator=(const CMessageWindow&) = delete;

    // Handles one message; runs on the UI thread.
    virtual LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) = 0;
    // A handle for any thread; it goes stale when this window is destroyed.
    CWindowHandle GetHandle() const;

protected:
    // Destroys the window early (pending posts dropped, pending sends released);
    // called by the destructor at the latest. A derived class whose handler
    // uses its own members calls it first thing in its destructor.
    void DestroyWindow();

private:
    std::shared_ptr<CWindowCore> m_pCore;
};
