// The window list of an X display, on a private Xvfb server: titles read
// from "_NET_WM_NAME" or "WM_NAME", exact matching, the window manager's
// client list when there is one, raising; and the GUI builder's
// already-being-edited check finding the real builder's window.
#include "GuiBuilderRun.h"
#include "ProcessHandle.h"
#include "ProcessSpawner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ScopedEnvironment.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "X11WindowList.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool WaitUntil(const std::function<bool()>& fnDone, int nMilliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!fnDone() && timer.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return fnDone();
}

// A private Xvfb server for one test; it is ended (and reaped) with the object.
class CXvfb {
public:
    CXvfb()
    {
        CString strXvfb = CProcessSpawner::FindProgram("Xvfb");
        int fds[2];
        if (strXvfb.IsEmpty() || ::pipe2(fds, O_CLOEXEC) != 0)
            return;
        int fdNull = CProcessSpawner::OpenNullInput();
        pid_t nPid = 0;
        CString strError;
        // With -displayfd 1 the server writes its display number on standard output once it is ready.
        BOOL bStarted = CProcessSpawner::Spawn("\"" + strXvfb + "\" -displayfd 1 -screen 0 640x480x24 -nolisten tcp",
                                               nullptr, fdNull, fds[1], fdNull, nPid, strError);
        ::close(fdNull);
        ::close(fds[1]);
        if (bStarted && m_process.Attach(nPid)) {
            m_bStarted = true;
            std::string strNumber;
            pollfd poll = {fds[0], POLLIN, 0};
            char ch;
            while (::poll(&poll, 1, 10000) > 0 && ::read(fds[0], &ch, 1) == 1 && ch != '\n')
                strNumber += ch;
            if (!strNumber.empty())
                m_strDisplay = CString(":") + strNumber.c_str();
        }
        ::close(fds[0]);
    }
    ~CXvfb()
    {
        if (m_bStarted) {
            m_process.Terminate();
            m_process.Wait();
        }
    }
    const CString& Display() const { return m_strDisplay; }

private:
    CProcessHandle m_process;
    bool m_bStarted = false;
    CString m_strDisplay;
};

// The test's own client of the display: makes windows and reads their stacking.
class CClient {
public:
    explicit CClient(const char* pszDisplay)
    {
        m_pConnection = xcb_connect(pszDisplay, nullptr);
        m_nRoot = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data->root;
    }
    ~CClient() { xcb_disconnect(m_pConnection); }
    xcb_atom_t Atom(const char* pszName)
    {
        auto* pReply = xcb_intern_atom_reply(
            m_pConnection, xcb_intern_atom(m_pConnection, 0, static_cast<uint16_t>(std::strlen(pszName)), pszName),
            nullptr);
        xcb_atom_t atom = pReply ? pReply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(pReply);
        return atom;
    }
    // A mapped top-level window titled pszTitle through _NET_WM_NAME (bUtf8) or WM_NAME.
    xcb_window_t Window(const char* pszTitle, bool bUtf8)
    {
        xcb_window_t nWindow = xcb_generate_id(m_pConnection);
        xcb_create_window(m_pConnection, XCB_COPY_FROM_PARENT, nWindow, m_nRoot, 10, 10, 200, 100, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_change_property(m_pConnection, XCB_PROP_MODE_REPLACE, nWindow,
                            bUtf8 ? Atom("_NET_WM_NAME") : static_cast<xcb_atom_t>(XCB_ATOM_WM_NAME),
                            bUtf8 ? Atom("UTF8_STRING") : static_cast<xcb_atom_t>(XCB_ATOM_STRING), 8,
                            static_cast<uint32_t>(std::strlen(pszTitle)), pszTitle);
        xcb_map_window(m_pConnection, nWindow);
        Sync();
        return nWindow;
    }
    // The root's children, bottom first.
    std::vector<xcb_window_t> Stacking()
    {
        auto* pReply = xcb_query_tree_reply(m_pConnection, xcb_query_tree(m_pConnection, m_nRoot), nullptr);
        std::vector<xcb_window_t> windows(xcb_query_tree_children(pReply),
                                          xcb_query_tree_children(pReply) + xcb_query_tree_children_length(pReply));
        std::free(pReply);
        return windows;
    }
    void SetClientList(const std::vector<xcb_window_t>& windows)
    {
        xcb_change_property(m_pConnection, XCB_PROP_MODE_REPLACE, m_nRoot, Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW,
                            32, static_cast<uint32_t>(windows.size()), windows.data());
        Sync();
    }
    // Asks nWindow to close as a window manager's close button does.
    void Close(xcb_window_t nWindow)
    {
        xcb_client_message_event_t event;
        std::memset(&event, 0, sizeof(event));
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = nWindow;
        event.type = Atom("WM_PROTOCOLS");
        event.data.data32[0] = Atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_pConnection, 0, nWindow, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
        Sync();
    }

private:
    void Sync()
    {
        std::free(xcb_get_input_focus_reply(m_pConnection, xcb_get_input_focus(m_pConnection), nullptr));
    }

    xcb_connection_t* m_pConnection;
    xcb_window_t m_nRoot;
};

} // namespace

TEST(X11WindowListTest, FindsAndRaisesTopLevelWindowsByTheirExactTitle)
{
    CX11WindowList none(":999999");
    EXPECT_FALSE(none.IsConnected());
    EXPECT_EQ(none.FindWindow("Mosk GUI Builder - Login"), 0u);
    EXPECT_FALSE(none.RaiseWindow("Mosk GUI Builder - Login"));

    CXvfb server;
    ASSERT_FALSE(server.Display().IsEmpty()) << "Xvfb did not start";
    CClient client(server.Display());
    xcb_window_t nLogin = client.Window("Mosk GUI Builder - Login", true);
    xcb_window_t nAsk = client.Window("Mosk GUI Builder - Ask", false);
    CX11WindowList list(server.Display());
    ASSERT_TRUE(list.IsConnected());
    struct {
        const char* pszTitle;
        uint32_t nWindow;
    } cases[] = {
        {"Mosk GUI Builder - Login", nLogin},  // from _NET_WM_NAME
        {"Mosk GUI Builder - Ask", nAsk},      // from WM_NAME
        {"Mosk GUI Builder - Log", 0},
        {"Mosk GUI Builder - Login2", 0},
        {"mosk gui builder - login", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.FindWindow(c.pszTitle), c.nWindow) << c.pszTitle;

    // Login lies below Ask until it is raised.
    std::vector<xcb_window_t> stacking = client.Stacking();
    ASSERT_EQ(stacking.size(), 2u);
    EXPECT_EQ(stacking.back(), nAsk);
    ASSERT_TRUE(list.RaiseWindow("Mosk GUI Builder - Login"));
    EXPECT_EQ(client.Stacking().back(), nLogin);

    // With a window manager's client list, that list is what counts.
    client.SetClientList({nAsk});
    EXPECT_EQ(list.FindWindow("Mosk GUI Builder - Ask"), nAsk);
    EXPECT_EQ(list.FindWindow("Mosk GUI Builder - Login"), 0u);
}

TEST(X11WindowListTest, OpeningAResourceBeingEditedRaisesTheBuildersWindow)
{
    const char* pszZip = MOSK_BUILD_DIR "/ide/share/mosk/classes.zip";
    struct stat st;
    ASSERT_EQ(::stat(pszZip, &st), 0) << pszZip;
    CXvfb server;
    ASSERT_FALSE(server.Display().IsEmpty()) << "Xvfb did not start";
    CScopedEnvironment display("DISPLAY", server.Display());
    CScopedEnvironment classPath("CLASSPATH", pszZip);

    CTempFolder folder;
    CScriptedUserInterface ui;
    CProjectDoc doc;
    ASSERT_TRUE(doc.OpenProject(folder.File("Demo.mosk"), TRUE));
    CString strRes = folder.Write("Login.res", "// Mosk Resource file\n\nBegin Dialog 1.0 \"Login\"\n"
                                               "\tBegin ComponentGroup\n\tEnd ComponentGroup\nEnd Dialog");
    ASSERT_TRUE(doc.GetProject().AddFile(strRes));
    CGuiBuilderRun run(doc, folder.Path());
    CString strServer = server.Display();
    run.m_fnRaiseWindow = [strServer](const CString& strTitle) {
        return CX11WindowList(strServer).RaiseWindow(strTitle);
    };
    ASSERT_TRUE(run.EditResource(strRes));
    CX11WindowList list(server.Display());
    uint32_t nWindow = 0;
    EXPECT_TRUE(WaitUntil([&] { return (nWindow = list.FindWindow("Mosk GUI Builder - Login")) != 0; }, 30000));
    // Opened again: the window comes forward, no message, no second builder.
    EXPECT_FALSE(run.EditResource(strRes));
    EXPECT_TRUE(ui.m_shown.empty());
    EXPECT_EQ(run.GetRunningCount(), 1);

    // Closed unchanged, the builder ends; with the window gone the check would say so in words.
    if (nWindow)
        CClient(server.Display()).Close(nWindow);
    EXPECT_TRUE(WaitUntil([&] { return run.GetRunningCount() == 0; }, 20000));
    EXPECT_FALSE(run.IsEditing(strRes));
}
