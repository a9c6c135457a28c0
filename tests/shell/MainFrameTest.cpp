// The main window as the program starts it: its layout read at start-up and
// written at close, the output, debug and project toggles, the bars, the
// document windows, the jump from a compiler message to the source line,
// drops, the status bar, and the close checks.
#include "FrameFixture.h"

#include "DebugOutput.h"
#include "DocumentWindows.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "OutputWnd.h"
#include "Profile.h"
#include "ProgramRunner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFrame.h"
#include "QtUserInterface.h"
#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "ChildFrame.h"
#include "TinctoView.h"
#include "ToolCommands.h"
#include "CommandRunner.h"
#include "MDIOutputFrame.h"
#include "OutputFrameWindow.h"
#include "ProcOutputView.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QComboBox>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

constexpr UINT ID_VIEW_OUTPUT = 32771;
constexpr UINT ID_VIEW_PROJECT = 32961;
constexpr UINT ID_BUILD_COMPILE = 32773;

int IniInt(const char* pszSection, const char* pszKey)
{
    return CProfile::App().GetInt(pszSection, pszKey, -12345);
}

// The "Windows" keys of the settings file as text.
std::string WindowsKeys()
{
    std::string strOut;
    for (const CString& strKey : CProfile::App().GetKeyNames("Windows"))
        strOut += std::string(strKey.c_str()) + "=" + std::to_string(IniInt("Windows", strKey)) + "\n";
    return strOut;
}

TEST_F(FrameTest, ASettingsFileWithoutWindowsGivesTheDefaultWindow)
{
    ASSERT_TRUE(Start());
    CMainFrame& frame = Frame();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.pos(), QPoint(0, 0));
    EXPECT_EQ(frame.size(), QSize(640, 480));
    EXPECT_EQ(frame.GetUpperSplitter()->sizes().value(0), 175);
    EXPECT_FALSE(frame.IsOutputShown());
    EXPECT_TRUE(frame.GetLowerSplitter()->isHidden());
    EXPECT_TRUE(frame.IsProjectDocked());
    EXPECT_TRUE(frame.GetToolBar(CMainFrameLayout::BAR_TOOL)->isVisible());
    EXPECT_FALSE(frame.GetBarDock(CMainFrameLayout::BAR_DEBUG)->isVisible());
    EXPECT_FALSE(frame.GetBarDock(CMainFrameLayout::BAR_BROWSER)->isVisible());
    // The panes later parts fill are there and named; the project window starts with the project tree.
    ASSERT_GE(frame.GetProjectWindow()->count(), 1);
    EXPECT_EQ(frame.GetProjectWindow()->tabText(0), QStringLiteral("Project"));
    // The browsers' pages follow in their fixed order.
    QStringList tabs;
    for (int i = 0; i < frame.GetProjectWindow()->count(); i++)
        tabs << frame.GetProjectWindow()->tabText(i);
    tabs.removeAll(QStringLiteral("Project"));
    tabs.removeAll(QStringLiteral("Help"));
    EXPECT_EQ(tabs, QStringList({QStringLiteral("Packages"), QStringLiteral("Beans")}));
    EXPECT_EQ(frame.GetProjectWindow()->accessibleName(), QStringLiteral("Project window"));
    EXPECT_EQ(frame.GetDebugOutput()->accessibleName(), QStringLiteral("Debug output"));
    // The debug page: its text, the command box and its tool bar.
    ASSERT_EQ(frame.GetDebugOutput(), frame.GetDebugPage());
    EXPECT_TRUE(frame.GetDebugPage()->GetText().isEmpty());
    EXPECT_EQ(frame.GetDebugPage()->GetCommandBox()->count(), 0);
    EXPECT_EQ(frame.GetDebugPage()->GetToolBar()->actions().size(), 6);
}

TEST_F(FrameTest, EmptyRowHeightsGiveTwoThirdsAndOneThird)
{
    ASSERT_TRUE(Start("[Windows]\nMainSizeX=800\nMainSizeY=560\nSplit1Y1=0\nSplit1Y2=0\nOutput=1\n"));
    QList<int> rows = Frame().GetMainSplitter()->sizes();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(Frame().IsOutputShown());
    EXPECT_NEAR(static_cast<double>(rows[0]) / (rows[0] + rows[1]), 2.0 / 3.0, 0.02);
}

TEST_F(FrameTest, TheLayoutWrittenAtCloseIsReadAtTheNextStart)
{
    ASSERT_TRUE(Start("[Windows]\nMainOrigX=30\nMainOrigY=20\nMainSizeX=700\nMainSizeY=500\n"));
    EXPECT_EQ(Frame().pos(), QPoint(30, 20));
    Frame().GetCommands().Execute(ID_VIEW_OUTPUT);
    Frame().ShowBar(CMainFrameLayout::BAR_DEBUG, TRUE);
    Frame().ShowStatusBar(FALSE);
    Frame().GetUpperSplitter()->setSizes({220, 480});
    QList<int> rows = Frame().GetMainSplitter()->sizes();
    int nProject = Frame().GetUpperSplitter()->sizes().value(0);
    ASSERT_TRUE(Close());

    struct Key {
        const char* pszSection;
        const char* pszKey;
        int nValue;
    } keys[] = {
        {"Windows", "MainOrigX", 30},          {"Windows", "MainOrigY", 20},
        {"Windows", "MainSizeX", 700},         {"Windows", "MainSizeY", 500},
        {"Windows", "Split1Y1", rows[0]},      {"Windows", "Split1Y2", rows[1]},
        {"Windows", "Split2X1", nProject},     {"Windows", "Output", 1},
        {"Windows", "Project", 1},             {"StatusBar", "Display", 0},
        {"ToolBar", "Display", 268435456},     {"DebugBar", "Display", 268435456},
        {"BrowserBar", "Display", 0},          {"DebugBar", "Float", 0},
        {"DebugBar", "Dock", 59419},
    };
    for (const Key& key : keys) {
        SCOPED_TRACE(std::string(key.pszSection) + "." + key.pszKey);
        EXPECT_EQ(IniInt(key.pszSection, key.pszKey), key.nValue);
    }
    std::string strSaved = Ini();
    Stop();

    m_pApp = std::make_unique<CMoskApp>(m_colors);
    ASSERT_TRUE(m_pApp->InitInstance(nullptr));
    EXPECT_EQ(Frame().pos(), QPoint(30, 20));
    EXPECT_EQ(Frame().size(), QSize(700, 500));
    EXPECT_TRUE(Frame().IsOutputShown());
    // Without the status bar the window has more room: the upper row takes it.
    QList<int> back = Frame().GetMainSplitter()->sizes();
    EXPECT_EQ(back.value(1), rows[1]);
    EXPECT_GE(back.value(0), rows[0]);
    EXPECT_EQ(Frame().GetUpperSplitter()->sizes().value(0), nProject);
    EXPECT_TRUE(Frame().IsBarShown(CMainFrameLayout::BAR_DEBUG));
    EXPECT_FALSE(Frame().statusBar()->isVisible());

    // Closed while minimised: the saved layout stays as it was.
    std::string strBefore = WindowsKeys();
    Frame().resize(900, 650);
    Frame().showMinimized();
    QApplication::processEvents();
    ASSERT_TRUE(Close());
    EXPECT_EQ(WindowsKeys(), strBefore);
}

TEST_F(FrameTest, ABarSavedFloatingComesBackFloatingAtItsCorner)
{
    ASSERT_TRUE(Start("[DebugBar]\nDisplay=268435456\nFloat=1\nleft=120\ntop=90\n"
                      "[BrowserBar]\nDisplay=1\nDock=59420\n"));
    QDockWidget* pDebug = Frame().GetBarDock(CMainFrameLayout::BAR_DEBUG);
    EXPECT_TRUE(pDebug->isFloating());
    EXPECT_EQ(pDebug->frameGeometry().topLeft(), QPoint(120, 90));
    QDockWidget* pBrowser = Frame().GetBarDock(CMainFrameLayout::BAR_BROWSER);
    EXPECT_FALSE(pBrowser->isFloating());
    EXPECT_EQ(Frame().dockWidgetArea(pBrowser), Qt::LeftDockWidgetArea);
    EXPECT_EQ(Frame().GetToolBar(CMainFrameLayout::BAR_BROWSER)->orientation(), Qt::Vertical);
    pDebug->move(150, 100);
    ASSERT_TRUE(Close());
    EXPECT_EQ(IniInt("DebugBar", "Float"), 1);
    EXPECT_EQ(IniInt("DebugBar", "left"), 150);
    EXPECT_EQ(IniInt("DebugBar", "top"), 100);
    EXPECT_EQ(IniInt("BrowserBar", "Dock"), 59420);
}

TEST_F(FrameTest, TogglesRestoreTheSameProportion)
{
    ASSERT_TRUE(Start("[Windows]\nMainSizeX=800\nMainSizeY=600\nOutput=1\nSplit1Y1=300\nSplit1Y2=200\n"));
    CMainFrame& frame = Frame();
    QList<int> rows = frame.GetMainSplitter()->sizes();
    double dShare = static_cast<double>(rows[1]) / (rows[0] + rows[1]);
    frame.GetCommands().Execute(ID_VIEW_OUTPUT);
    EXPECT_FALSE(frame.IsOutputShown());
    EXPECT_TRUE(frame.GetLowerSplitter()->isHidden());
    frame.GetCommands().Execute(32930);   // Window Output Windows
    QList<int> again = frame.GetMainSplitter()->sizes();
    EXPECT_NEAR(static_cast<double>(again[1]) / (again[0] + again[1]), dShare, 0.02);

    // The debug window halves the output row; hidden again the output takes it all.
    frame.ToggleDebug();
    EXPECT_TRUE(frame.GetDebugOutput()->isVisible());
    QList<int> halves = frame.GetLowerSplitter()->sizes();
    EXPECT_NEAR(halves[0], halves[1], 8);
    frame.ToggleDebug();
    EXPECT_FALSE(frame.GetDebugOutput()->isVisible());

    // Floating the project window and docking it again.
    frame.GetUpperSplitter()->setSizes({200, 592});
    int nProject = frame.GetUpperSplitter()->sizes().value(0);
    QList<QAction*> actions = frame.GetCommands().GetMenu("&View")->actions();
    auto projectText = [&] {
        for (QAction* pAction : actions)
            if (pAction->data().toUInt() == ID_VIEW_PROJECT)
                return pAction->text();
        return QString();
    };
    frame.GetCommands().UpdateActions();
    EXPECT_EQ(projectText(), QStringLiteral("&Float Project"));
    frame.GetCommands().Execute(ID_VIEW_PROJECT);
    ASSERT_NE(frame.GetProjectFrame(), nullptr);
    EXPECT_EQ(frame.GetProjectFrame()->windowTitle(), QStringLiteral("Mosk Tab"));
    EXPECT_EQ(frame.GetProjectFrame()->widget(), frame.GetProjectWindow());
    EXPECT_EQ(frame.GetUpperSplitter()->count(), 1);
    EXPECT_EQ(projectText(), QStringLiteral("&Dock Project"));
    EXPECT_TRUE(frame.GetCommands().IsEnabled(32963));   // Project Tab
    frame.GetProjectFrame()->setGeometry(20, 30, 260, 180);
    frame.GetCommands().Execute(ID_VIEW_PROJECT);
    QApplication::processEvents();
    EXPECT_TRUE(frame.IsProjectDocked());
    EXPECT_EQ(frame.GetProjectWindow()->parentWidget(), frame.GetUpperSplitter());
    EXPECT_NEAR(frame.GetUpperSplitter()->sizes().value(0), nProject, 3);
    EXPECT_FALSE(frame.GetCommands().IsEnabled(32963));
    // The frame's place went to "ProjWnd" and is taken again the next time.
    EXPECT_EQ(IniInt("ProjWnd", "OrigX"), 20);
    EXPECT_EQ(IniInt("ProjWnd", "Width"), 260);
    EXPECT_EQ(IniInt("ProjWnd", "Maximize"), 0);
    frame.ToggleProject();
    ASSERT_NE(frame.GetProjectFrame(), nullptr);
    EXPECT_EQ(frame.GetProjectFrame()->geometry(), QRect(20, 30, 260, 180));
}

TEST_F(FrameTest, CompilerMessagesLeadToTheSourceLine)
{
    ASSERT_TRUE(Start());
    CString strPath = WriteSource("Bad.java", "public class Bad {\n    void f() {\n        int x = ;\n    }\n}\n");
    ASSERT_TRUE(Frame().OpenFile(QString::fromUtf8(strPath.c_str())));
    CChildFrame* pWindow = Frame().GetActiveSourceFrame();
    ASSERT_NE(pWindow, nullptr);
    // F7 is the accelerator of Compile.
    std::vector<QAction*> compile = Frame().GetCommands().GetActions(ID_BUILD_COMPILE);
    ASSERT_FALSE(compile.empty());
    EXPECT_EQ(compile.front()->shortcut(), QKeySequence(Qt::Key_F7));
    ASSERT_TRUE(Frame().GetCommands().Execute(ID_BUILD_COMPILE));
    ASSERT_TRUE(WaitFor([this] { return !App().m_ToolRun.m_bRunning; }));
    EXPECT_TRUE(Frame().IsOutputShown());

    COutputWnd& output = Frame().GetToolCommands().GetOutputWnd();
    CString strText = output.GetText();
    int nAt = strText.Find("Bad.java:3:");
    ASSERT_GE(nAt, 0) << strText.c_str();
    EXPECT_EQ(Frame().GetOutputPane()->GetEditCtrl(), &output.GetEditCtrl());
    // Somewhere else first, then a double click on the message.
    pWindow->GetView()->GetEditCtrl()->SetSel(0, 0);
    CRichEditWidget* pPane = Frame().GetOutputPane();
    output.GetEditCtrl().SetSel(nAt + 2, nAt + 2);
    QApplication::processEvents();
    QRect caret = pPane->GetCaretRect();
    ASSERT_FALSE(caret.isEmpty());
    QTest::mouseDClick(pPane->viewport(), Qt::LeftButton, Qt::NoModifier, caret.center());
    QApplication::processEvents();
    ASSERT_EQ(Frame().GetActiveSourceFrame(), pWindow);
    CRichEditCtrl& ctrl = *pWindow->GetView()->GetEditCtrl();
    EXPECT_EQ(pWindow->GetView()->GetMarkedLine(), 3);
    LONG nStart = 0, nEnd = 0;
    ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(ctrl.LineFromChar(nStart), 2);
    EXPECT_EQ(nStart, ctrl.LineIndex(2));
    Frame().UpdateStatusPanes();
    EXPECT_EQ(Frame().GetPositionPane()->text(), QStringLiteral("Ln 3 Col 1"));
}

TEST_F(FrameTest, TheCloseChecksCanRefuse)
{
    ASSERT_TRUE(Start());
    CToolCommands& tools = Frame().GetToolCommands();
    ASSERT_TRUE(tools.StartProgramRun("sleep 30", ""));
    ASSERT_TRUE(App().m_ProgramRun.m_bBusy);
    m_ui.m_shown.clear();
    m_ui.Answer(IDNO);
    EXPECT_FALSE(Close());
    EXPECT_TRUE(Frame().isVisible());
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Application is running. Select Yes to Stop the app and exit.");
    EXPECT_FALSE(CProfile::App().HasKey("Windows", "MainSizeX"));   // nothing was saved

    // Yes stops the program; the window closes and the layout is saved.
    m_ui.Answer(IDYES);
    EXPECT_TRUE(Close());
    EXPECT_TRUE(WaitFor([this] { return !App().m_ProgramRun.m_bBusy; }));
    EXPECT_EQ(IniInt("Windows", "MainSizeX"), 640);
}

TEST_F(FrameTest, ModifiedDocumentsAreAskedForAtClose)
{
    ASSERT_TRUE(Start());
    CString strPath = WriteSource("Edit.java", "class Edit {}\n");
    ASSERT_TRUE(Frame().OpenFile(QString::fromUtf8(strPath.c_str())));
    QTest::keyClicks(Frame().GetActiveSourceFrame()->GetEditor(), "// ");
    m_ui.Answer(IDCANCEL);
    EXPECT_FALSE(Close());
    EXPECT_EQ(Frame().GetDocumentWindows().GetCount(), 1);
    EXPECT_FALSE(CProfile::App().HasKey("Windows", "MainSizeX"));
    m_ui.Answer(IDYES);
    EXPECT_TRUE(Close());
    EXPECT_EQ(ReadWholeFile(strPath), "// class Edit {}\n");
}

TEST_F(FrameTest, CapturedUserCommandsShowTheirOutputInADocumentAreaWindow)
{
    ASSERT_TRUE(Start());
    CToolCommands& tools = Frame().GetToolCommands();
    CCommandLaunch launch;
    launch.m_strCommandLine = "echo captured text";
    launch.m_bCaptureOutput = TRUE;
    ASSERT_TRUE(tools.StartUserCommand(launch));
    ASSERT_EQ(tools.GetOutputFrameCount(), 1);
    CMDIOutputFrame* pFrame = tools.GetOutputFrame(0);
    auto* pWindow = qobject_cast<COutputFrameWindow*>(Frame().GetMdiArea()->currentSubWindow());
    ASSERT_NE(pWindow, nullptr);
    EXPECT_EQ(pWindow->windowTitle(), QStringLiteral("echo captured text"));
    EXPECT_EQ(pWindow->GetView()->GetEditCtrl(), &pFrame->GetView().GetEditCtrl());
    EXPECT_TRUE(WaitFor([&] { return pFrame->GetView().GetText().Find("captured text") >= 0; }, 20000));
    EXPECT_TRUE(WaitFor([&] { return pFrame->Dump().Find("process: running") < 0; }, 20000));
    // Closed once its process is over: the frame goes with it, nothing asked.
    m_ui.m_shown.clear();
    EXPECT_TRUE(pWindow->close());
    QApplication::processEvents();
    EXPECT_EQ(tools.GetOutputFrameCount(), 0);
    EXPECT_TRUE(m_ui.m_shown.empty());
    EXPECT_TRUE(Frame().GetMdiArea()->subWindowList().isEmpty());
}

TEST_F(FrameTest, DroppedFilesOpen)
{
    ASSERT_TRUE(Start());
    CString strJava = WriteSource("Dropped.java", "class Dropped {}\n");
    ASSERT_TRUE(App().GetProjectDoc()->OpenProject(m_folder.File("Drop.mosk"), TRUE));
    ASSERT_TRUE(App().GetProjectDoc()->CloseProject());
    struct Case {
        CString strPath;
        int nWindows;
        BOOL bProjectOpen;
    } cases[] = {{strJava, 1, FALSE}, {m_folder.File("Drop.mosk"), 1, TRUE}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strPath.c_str());
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromUtf8(c.strPath.c_str()))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&Frame(), &drop);
        EXPECT_EQ(Frame().GetDocumentWindows().GetCount(), c.nWindows);
        EXPECT_EQ(App().GetProjectDoc()->GetProject().IsOpen(), c.bProjectOpen);
    }
    // Opened documents head the recent-file list; projects never enter it.
    EXPECT_EQ(App().GetRecentFiles().Dump(), CString("1 ") + strJava + "\n");
    // The main window's title names the open project and the active document.
    CDocumentWindow* pActive = Frame().GetActiveSourceFrame();
    ASSERT_NE(pActive, nullptr);
    Frame().UpdateTitle();
    EXPECT_EQ(Frame().windowTitle(), QStringLiteral("Mosk - Drop - ") + pActive->windowTitle());
}

TEST_F(FrameTest, StatusBarShowsMessagesPositionAndTheSharedInsertMode)
{
    CQtUserInterface ui;
    CUserInterface* pScripted = CUserInterface::Install(&ui);
    ASSERT_TRUE(Start());
    ui.SetMainWindow(&Frame());
    ui.SetStatusText("Wait, Parsing all files...");
    EXPECT_EQ(Frame().statusBar()->currentMessage(), QStringLiteral("Wait, Parsing all files..."));
    for (const char* pszText : {"a\r\nb", "gr\xC3\xB6\xC3\x9F" "e"}) {
        ASSERT_TRUE(ui.SetClipboardText(pszText));
        CString strBack;
        ASSERT_TRUE(ui.GetClipboardText(strBack));
        CString strExpected(pszText);
        strExpected.Replace("\r\n", "\n");
        EXPECT_EQ(strBack, strExpected);
    }

    Frame().NewFile();
    CChildFrame* pFirst = Frame().GetActiveSourceFrame();
    QTest::keyClicks(pFirst->GetEditor(), "ab");
    QTest::keyClick(pFirst->GetEditor(), Qt::Key_Return);
    QTest::keyClicks(pFirst->GetEditor(), "c");
    Frame().UpdateStatusPanes();
    EXPECT_EQ(Frame().GetPositionPane()->text(), QStringLiteral("Ln 2 Col 2"));
    EXPECT_EQ(Frame().GetInsertPane()->text(), QStringLiteral("INS"));

    // Overwrite chosen in one view holds in the next one too.
    QTest::keyClick(pFirst->GetEditor(), Qt::Key_Insert);
    Frame().UpdateStatusPanes();
    EXPECT_EQ(Frame().GetInsertPane()->text(), QStringLiteral("OVR"));
    Frame().NewFile();
    CChildFrame* pSecond = Frame().GetActiveSourceFrame();
    QTest::keyClicks(pSecond->GetEditor(), "xy");
    pSecond->GetView()->GetEditCtrl()->SetSel(0, 0);
    QTest::keyClicks(pSecond->GetEditor(), "Z");
    EXPECT_EQ(pSecond->GetView()->GetEditCtrl()->GetWindowText(), "Zy");
    QTest::keyClick(pSecond->GetEditor(), Qt::Key_Insert);
    Frame().UpdateStatusPanes();
    EXPECT_EQ(Frame().GetInsertPane()->text(), QStringLiteral("INS"));
    Stop();
    CUserInterface::Install(pScripted);
}

}  // namespace
