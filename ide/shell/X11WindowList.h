// CX11WindowList: the top-level windows of an X display, read through its
// window list: the window manager's "_NET_CLIENT_LIST" on the root window,
// or, on a display without a window manager, the root's children and
// their children. A window's title is its "_NET_WM_NAME", else its
// "WM_NAME". Used to find and raise the GUI builder's window by title.
#pragma once

#include "String.h"

#include <cstdint>
#include <vector>

struct xcb_connection_t;

class CX11WindowList {
public:
    // Connects to pszDisplay (null: $DISPLAY); a failed connection finds nothing.
    explicit CX11WindowList(const char* pszDisplay = nullptr);
    ~CX11WindowList();
    CX11WindowList(const CX11WindowList&) = delete;
    CX11WindowList& operator=(const CX11WindowList&) = delete;

    BOOL IsConnected() const { return m_pConnection != nullptr; }
    // The top-level windows, bottom first when read from the root's children.
    std::vector<uint32_t> GetTopLevelWindows() const;
    // The title of nWindow; empty when it has none.
    CString GetTitle(uint32_t nWindow) const;
    // The first top-level window titled exactly strTitle; 0 when none.
    uint32_t FindWindow(const CString& strTitle) const;
    // Puts the window titled strTitle on top and asks the window manager to
    // activate it; FALSE when there is no such window.
    BOOL RaiseWindow(const CString& strTitle);

private:
    uint32_t Atom(const char* pszName) const;
    // The window list held in property nAtom of nWindow; empty when none.
    std::vector<uint32_t> ReadWindows(uint32_t nWindow, uint32_t nAtom) const;
    std::vector<uint32_t> Children(uint32_t nWindow) const;

    xcb_connection_t* m_pConnection = nullptr;
    uint32_t m_nRoot = 0;
};
