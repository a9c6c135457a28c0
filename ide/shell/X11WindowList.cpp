#include "X11WindowList.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// xcb replies are freed with free().
template <class T>
using CReply = std::unique_ptr<T, decltype(&std::free)>;

template <class T>
CReply<T> Reply(T* pReply)
{
    return CReply<T>(pReply, &std::free);
}

} // namespace

CX11WindowList::CX11WindowList(const char* pszDisplay)
{
    int nScreen = 0;
    xcb_connection_t* pConnection = xcb_connect(pszDisplay, &nScreen);
    if (!pConnection || xcb_connection_has_error(pConnection)) {
        if (pConnection)
            xcb_disconnect(pConnection);
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(pConnection));
    for (int i = 0; i < nScreen && it.rem; ++i)
        xcb_screen_next(&it);
    if (!it.rem) {
        xcb_disconnect(pConnection);
        return;
    }
    m_pConnection = pConnection;
    m_nRoot = it.data->root;
}

CX11WindowList::~CX11WindowList()
{
    if (m_pConnection)
        xcb_disconnect(m_pConnection);
}

uint32_t CX11WindowList::Atom(const char* pszName) const
{
    xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(m_pConnection, 1, static_cast<uint16_t>(std::strlen(pszName)), pszName);
    auto pReply = Reply(xcb_intern_atom_reply(m_pConnection, cookie, nullptr));
    return pReply ? pReply->atom : static_cast<uint32_t>(XCB_ATOM_NONE);
}

std::vector<uint32_t> CX11WindowList::ReadWindows(uint32_t nWindow, uint32_t nAtom) const
{
    std::vector<uint32_t> windows;
    if (nAtom == XCB_ATOM_NONE)
        return windows;
    // At most 4096 windows: a longer list is no window manager's.
    xcb_get_property_cookie_t cookie = xcb_get_property(m_pConnection, 0, nWindow, nAtom, XCB_ATOM_WINDOW, 0, 4096);
    auto pReply = Reply(xcb_get_property_reply(m_pConnection, cookie, nullptr));
    if (!pReply || pReply->format != 32 || pReply->type != XCB_ATOM_WINDOW)
        return windows;
    const auto* pValues = static_cast<const uint32_t*>(xcb_get_property_value(pReply.get()));
    int nCount = xcb_get_property_value_length(pReply.get()) / 4;
    windows.assign(pValues, pValues + nCount);
    return windows;
}

std::vector<uint32_t> CX11WindowList::Children(uint32_t nWindow) const
{
    std::vector<uint32_t> children;
    auto pReply = Reply(xcb_query_tree_reply(m_pConnection, xcb_query_tree(m_pConnection, nWindow), nullptr));
    if (!pReply)
        return children;
    const xcb_window_t* pChildren = xcb_query_tree_children(pReply.get());
    children.assign(pChildren, pChildren + xcb_query_tree_children_length(pReply.get()));
    return children;
}

std::vector<uint32_t> CX11WindowList::GetTopLevelWindows() const
{
    if (!m_pConnection)
        return {};
    std::vector<uint32_t> windows = ReadWindows(m_nRoot, Atom("_NET_CLIENT_LIST"));
    if (!windows.empty())
        return windows;
    // No window manager keeps a list: the root's children, and below them
    // the windows a reparenting manager would have put in frames.
    for (uint32_t nChild : Children(m_nRoot)) {
        windows.push_back(nChild);
        for (uint32_t nGrandChild : Children(nChild))
            windows.push_back(nGrandChild);
    }
    return windows;
}

CString CX11WindowList::GetTitle(uint32_t nWindow) const
{
    if (!m_pConnection)
        return CString();
    uint32_t nUtf8 = Atom("UTF8_STRING");
    struct {
        uint32_t nProperty, nType;
    } names[] = {{Atom("_NET_WM_NAME"), nUtf8}, {XCB_ATOM_WM_NAME, XCB_ATOM_ANY}};
    for (const auto& name : names) {
        if (name.nProperty == XCB_ATOM_NONE)
            continue;
        xcb_get_property_cookie_t cookie =
            xcb_get_property(m_pConnection, 0, nWindow, name.nProperty, name.nType, 0, 1024);
        auto pReply = Reply(xcb_get_property_reply(m_pConnection, cookie, nullptr));
        if (!pReply || pReply->format != 8)
            continue;
        int nLength = xcb_get_property_value_length(pReply.get());
        if (nLength > 0)
            return CString(std::string(static_cast<const char*>(xcb_get_property_value(pReply.get())),
                                       static_cast<size_t>(nLength)).c_str());
    }
    return CString();
}

uint32_t CX11WindowList::FindWindow(const CString& strTitle) const
{
    for (uint32_t nWindow : GetTopLevelWindows())
        if (GetTitle(nWindow) == strTitle)
            return nWindow;
    return 0;
}

BOOL CX11WindowList::RaiseWindow(const CString& strTitle)
{
    uint32_t nWindow = FindWindow(strTitle);
    if (!nWindow)
        return FALSE;
    const uint32_t nAbove = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_pConnection, nWindow, XCB_CONFIG_WINDOW_STACK_MODE, &nAbove);
    // A window manager raises and focuses on its own terms: ask it as a pager would.
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof(event));
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = nWindow;
    event.type = Atom("_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 2;  // from a pager, not an application
    event.data.data32[1] = XCB_CURRENT_TIME;
    if (event.type != XCB_ATOM_NONE)
        xcb_send_event(m_pConnection, 0, m_nRoot,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
    xcb_flush(m_pConnection);
    return TRUE;
}
