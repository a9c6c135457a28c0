// The debugger in the main window, offscreen, against the real debugger:
// F5 on a project with a breakpoint shows the stop as the debugger glyph
// and the caret line of the source window, F8 moves it, the debug page's
// stack lines and the source's words lead back into the debugger, and the
// close checks end the debugger.
#include "ChildFrame.h"
#include "DebugController.h"
#include "DebugOutput.h"
#include "Debugger.h"
#include "DocumentCommands.h"
#include "DocumentWindows.h"
#include "FrameFixture.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "RichEditWidget.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <cstdlib>

namespace {

const char* const s_hello =
    "public class Hello {\n"
    "    static int twice(int n) {\n"
    "        int r = n * 2;\n"
    "        return r;\n"
    "    }\n"
    "    public static void main(String[] args) {\n"
    "        int a = 1;\n"                                 // 7
    "        System.out.println(\"hello \" + a);\n"        // 8
    "        a = twice(a);\n"
    "        System.out.println(\"after \" + a);\n"
    "    }\n"
    "}\n";

class DebugWindowTest : public FrameTest {
protected:
    // A project with Hello.java as its main class file, compiled, open in a window.
    CJavaIDEView& OpenProject()
    {
        m_strSource = WriteSource("Hello.java", s_hello);
        EXPECT_EQ(0, std::system(("javac -g -d '" + m_folder.Path().str() + "' '" + m_strSource.str() + "'").c_str()));
        EXPECT_TRUE(App().GetProjectDoc()->OpenProject(m_folder.File("Hello.mosk"), TRUE));
        CProject& project = Project();
        EXPECT_TRUE(project.AddFile(m_strSource));
        project.m_strMainClass = "Hello.java";
        project.m_options.m_bCompDebug = TRUE;
        EXPECT_TRUE(Frame().OpenFile(QString::fromUtf8(m_strSource.c_str())));
        Frame().activateWindow();
        QApplication::setActiveWindow(&Frame());
        return View();
    }
    CProject& Project() const { return App().GetProjectDoc()->GetProject(); }
    CChildFrame* Window() const { return Frame().GetDocumentWindows().Find(m_strSource); }
    CJavaIDEView& View() const { return *Window()->GetView(); }
    void Key(Qt::Key nKey) { QTest::keyClick(Window()->GetEditor(), nKey); }
    CDebugger* Debugger() const { return Frame().GetDebugController().GetDebugger(); }
    // The stop shown on nLine: glyph, caret, the debugger idle at the break.
    bool ShowsStopAt(int nLine) const
    {
        CDebugger* pDebugger = Debugger();
        return pDebugger && pDebugger->IsAtBreak() && pDebugger->GetState() == CDebugger::STATE_RUNNING &&
               View().GetDebuggerLine() == nLine && (View().GetLineGlyphs(nLine) & CJavaIDEView::GLYPH_DEBUGGER) &&
               View().GetCaretLine() == nLine && Frame().GetDebugPage()->GetText().endsWith(QStringLiteral("] "));
    }
    CString PageText() const { return CString(Frame().GetDebugPage()->GetText().toUtf8().constData()); }
    bool WaitEnded()
    {
        return WaitFor([this] { return !App().m_DebuggerRun.m_bRunning && Debugger() == nullptr; }, 30000);
    }

    CString m_strSource;
};

TEST_F(DebugWindowTest, F5StopsAtTheBreakpointAndF8MovesTheGlyph)
{
    ASSERT_TRUE(Start());
    CJavaIDEView& view = OpenProject();
    view.GotoLine(7, 0);
    ASSERT_TRUE(Frame().GetCommands().Execute(ID_VIEW_BREAKPOINT));
    ASSERT_TRUE(Project().HasBreakpoint(m_strSource, 7));
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32850));   // Step needs a break

    Key(Qt::Key_F5);
    ASSERT_TRUE(App().m_DebuggerRun.m_bRunning);
    EXPECT_TRUE(Frame().IsDebugShown());
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(7); }, 30000)) << PageText().c_str();
    EXPECT_TRUE(Frame().GetCommands().IsEnabled(32850));
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32846));   // Exit only while not at a break

    Key(Qt::Key_F8);
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(8); }, 30000)) << PageText().c_str();
    EXPECT_FALSE(view.GetLineGlyphs(7) & CJavaIDEView::GLYPH_DEBUGGER);

    // A double click on a word of the source prints it.
    CRichEditCtrl& ctrl = view.GetCtrl();
    const LONG nA = ctrl.LineIndex(7) + CString("        System.out.println(\"hello \" + ").GetLength();
    ctrl.SetSel(nA, nA);
    view.OnMessage(WM_LBUTTONDBLCLK, 0, 0);
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(8) && PageText().Find(" a = 1") >= 0; }, 30000))
        << PageText().c_str();
    EXPECT_GE(PageText().Find("------------- Print a --------------\n"), 0);

    // A stack line of "where all" opens the file at its line.
    ASSERT_TRUE(Frame().GetCommands().Execute(32902));
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(8) && PageText().Find("(Hello.java:8)") >= 0; }, 30000));
    QPlainTextEdit* pText = Frame().GetDebugPage()->GetTextField();
    int nStackLine = -1;
    for (QTextBlock block = pText->document()->begin(); block.isValid(); block = block.next())
        if (block.text().contains(QStringLiteral("Hello.main (Hello.java:8)")))
            nStackLine = block.blockNumber();
    ASSERT_GE(nStackLine, 0);
    view.GotoLine(1, 0);
    Frame().GetDebugPage()->DoubleClickLine(nStackLine);
    EXPECT_EQ(8, view.GetMarkedLine());
    EXPECT_EQ(8, view.GetCaretLine());

    // F9 in the running debugger: a breakpoint on line 10, then on to it.
    view.GotoLine(10, 0);
    ASSERT_TRUE(Frame().GetCommands().Execute(ID_VIEW_BREAKPOINT));
    ASSERT_TRUE(WaitFor([this] { return PageText().Find("Set breakpoint Hello:10\nmain[1] ") >= 0; }, 30000))
        << PageText().c_str();
    EXPECT_EQ(CDebugger::STATE_RUNNING, Debugger()->GetState());
    EXPECT_EQ(8, view.GetDebuggerLine());
    Key(Qt::Key_F5);
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(10); }, 30000)) << PageText().c_str();

    EXPECT_EQ((std::vector<CString>{"stop at Hello:7", "run", "step", "print a", "where all", "stop at Hello:10",
                                    "cont"}),
              Debugger()->GetSentCommands());
    Key(Qt::Key_F5);
    ASSERT_TRUE(WaitEnded()) << PageText().c_str();
    EXPECT_TRUE(PageText().Find("The application exited") >= 0);
    EXPECT_EQ(CString("\nApplication Exit...\n"), PageText().Right(21));
    view.OnPaint();
    EXPECT_EQ(-1, view.GetDebuggerLine());
}

TEST_F(DebugWindowTest, TheCloseChecksEndTheDebugger)
{
    ASSERT_TRUE(Start());
    CJavaIDEView& view = OpenProject();
    view.GotoLine(7, 0);
    ASSERT_TRUE(Frame().GetCommands().Execute(ID_VIEW_BREAKPOINT));
    ASSERT_TRUE(Frame().GetCommands().Execute(32843));
    ASSERT_TRUE(WaitFor([this] { return ShowsStopAt(7); }, 30000)) << PageText().c_str();
    // No to the kill confirmation keeps the program open.
    m_ui.Answer(IDNO);
    EXPECT_FALSE(Close());
    EXPECT_TRUE(App().m_DebuggerRun.m_bRunning);
    m_ui.Answer(IDYES);
    m_ui.Answer(IDYES);
    m_ui.Answer(IDNO);   // the project's save question
    EXPECT_TRUE(Close());
    bool bKill = false, bStop = false;
    for (const auto& shown : m_ui.m_shown) {
        bKill = bKill || shown.strText.Find("Select YES to kill the debugger") == 0;
        bStop = bStop || shown.strText == "Java Debugger is running. Select Yes to Stop the debugger and exit.";
    }
    EXPECT_TRUE(bKill);
    EXPECT_TRUE(bStop);
    EXPECT_TRUE(WaitFor([this] { return !App().m_DebuggerRun.m_bRunning; }, 30000));
}

}  // namespace
