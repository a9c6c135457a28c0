// The tool windows with real processes and the real JDK: the program input
// window feeding a running program, the enabling of the build commands
// while a compile runs, the output pane's error search, the Breakpoint
// List, and the archive and RMI dialogs.
#include "ProjectViewFixture.h"

#include "BreakpointListDlg.h"
#include "DocumentWindows.h"
#include "JarDlg.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "OutputPaneMenu.h"
#include "OutputWnd.h"
#include "ProgramInputDlg.h"
#include "ProgramRunner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectMenu.h"
#include "ProjectView.h"
#include "FrameProjectViewHost.h"
#include "RichEditWidget.h"
#include "RmiDlg.h"
#include "ToolCommands.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>

namespace {

CString OutputText(CMainFrame& frame)
{
    return frame.GetToolCommands().GetOutputWnd().GetText();
}

} // namespace

TEST_F(ProjectViewTest, RunGetsTheLineTypedInTheInputWindow)
{
    ASSERT_TRUE(Start());
    CString strSource = WriteSource("Echo.java",
                                    "import java.io.*;\n"
                                    "public class Echo {\n"
                                    "    public static void main(String[] args) throws IOException {\n"
                                    "        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));\n"
                                    "        System.out.println(\"ready\");\n"
                                    "        System.out.println(\"got:\" + in.readLine());\n"
                                    "    }\n"
                                    "}\n");
    CString strCompile = "cd '" + m_folder.Path() + "' && javac Echo.java";
    ASSERT_EQ(std::system(strCompile.c_str()), 0);
    ASSERT_TRUE(Frame().OpenFile(QString::fromUtf8(strSource.c_str())));
    ASSERT_TRUE(Frame().GetCommands().Execute(32873));   // Run
    ASSERT_TRUE(WaitFor([this] { return OutputText(Frame()).Find("ready") >= 0; }));
    // Busy with the program: the build commands wait.
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32873));
    EXPECT_TRUE(Frame().GetCommands().IsEnabled(32842));   // Stop Run

    ASSERT_TRUE(Frame().GetCommands().Execute(32869));   // Input Window...
    auto* pInput = qobject_cast<CProgramInputDlg*>(Frame().GetCommands().GetInputDialog());
    ASSERT_NE(pInput, nullptr);
    EXPECT_TRUE(pInput->isVisible());
    pInput->GetField()->setEditText(QStringLiteral("hello input"));
    QTest::mouseClick(pInput->GetSendButton(), Qt::LeftButton);
    EXPECT_EQ(pInput->GetField()->count(), 1);
    EXPECT_EQ(pInput->GetField()->itemText(0), "hello input");
    EXPECT_EQ(pInput->GetField()->currentText(), "");
    ASSERT_TRUE(WaitFor([this] { return OutputText(Frame()).Find("got:hello input") >= 0; }));
    ASSERT_TRUE(WaitFor([this] { return OutputText(Frame()).Find("Application Exit...") >= 0; }));
    // The program's end closes the window.
    ASSERT_TRUE(WaitFor([pInput] { return !pInput->isVisible(); }));
    EXPECT_FALSE(Frame().GetCommands().IsEnabled(32842));
}

TEST_F(ProjectViewTest, BuildCommandsWaitWhileACompileRuns)
{
    StartWithProject();
    CMainFrameCommands& commands = Frame().GetCommands();
    EXPECT_TRUE(commands.IsEnabled(32809));   // Rebuild All
    ASSERT_TRUE(commands.Execute(32955));     // Compile(*.java)
    ASSERT_TRUE(App().m_ToolRun.m_bRunning);
    struct {
        UINT nID;
        BOOL bEnabled;
    } whileRunning[] = {
        {32809, FALSE}, {32955, FALSE}, {32969, FALSE}, {32873, FALSE}, {32834, FALSE}, {32838, FALSE},
        {32801, FALSE}, {32784, FALSE}, {32785, FALSE}, {32800, TRUE},  {32939, TRUE},  {33027, TRUE},
    };
    for (const auto& c : whileRunning)
        EXPECT_EQ(commands.IsEnabled(c.nID), c.bEnabled) << c.nID;
    EXPECT_FALSE(Frame().GetProjectViewHost().IsCommandEnabled(ID_PROJECT_COMPILE));
    ASSERT_TRUE(WaitFor([this] { return !App().m_ToolRun.m_bRunning; }));
    EXPECT_TRUE(commands.IsEnabled(32809));
    EXPECT_TRUE(commands.IsEnabled(32834));
    EXPECT_TRUE(Frame().GetProjectViewHost().IsCommandEnabled(ID_PROJECT_COMPILE));
    EXPECT_GE(OutputText(Frame()).Find("No Errors..."), 0);
}

TEST_F(ProjectViewTest, OutputPaneFindsTheErrorLines)
{
    StartWithProject();
    auto* pMenu = Frame().GetOutputPane()->findChild<COutputPaneMenu*>();
    ASSERT_NE(pMenu, nullptr);
    COutputWnd& output = Frame().GetToolCommands().GetOutputWnd();
    output.SetBaseFolder(m_folder.Path());
    output.Write("Main.java:7: error: one\nMain.java:3: error: two\n");
    auto enabled = [pMenu] {
        std::unique_ptr<QMenu> pBuilt(pMenu->BuildMenu());
        CString strOut;
        for (QAction* pAction : pBuilt->actions())
            if (!pAction->isSeparator())
                strOut += pAction->isEnabled() ? "1" : "0";
        return strOut;
    };
    // Next, Previous, Copy, Clear: the caret stands after the text.
    EXPECT_EQ(enabled(), "0101");
    ASSERT_TRUE(pMenu->Run(COutputPaneMenu::ID_FIND_PREVIOUS_ERROR));
    CDocumentWindow* pWindow = Frame().GetActiveSourceFrame();
    ASSERT_NE(pWindow, nullptr);
    EXPECT_EQ(CDocumentWindows::GetPath(pWindow), m_strMain);
    EXPECT_EQ(CDocumentWindows::GetView(pWindow).GetCaretLine(), 3);
    EXPECT_EQ(enabled(), "0111");   // no mark after the last one
    ASSERT_TRUE(pMenu->Run(COutputPaneMenu::ID_FIND_PREVIOUS_ERROR));
    EXPECT_EQ(CDocumentWindows::GetView(pWindow).GetCaretLine(), 7);
    EXPECT_FALSE(pMenu->Run(COutputPaneMenu::ID_FIND_PREVIOUS_ERROR));
    ASSERT_TRUE(pMenu->Run(COutputPaneMenu::ID_FIND_NEXT_ERROR));
    EXPECT_EQ(CDocumentWindows::GetView(pWindow).GetCaretLine(), 3);
    ASSERT_TRUE(pMenu->Run(COutputPaneMenu::ID_CLEAR));
    EXPECT_EQ(enabled(), "0000");
}

TEST_F(ProjectViewTest, BreakpointListDeletesFromTheProject)
{
    StartWithProject();
    CProject& project = Doc().GetProject();
    ASSERT_TRUE(project.AddBreakpoint(m_strMain, "Main", 4));
    ASSERT_TRUE(project.AddBreakpoint(m_strMain, "Main", 7));
    ASSERT_TRUE(project.AddBreakpoint(m_strHelper, "Helper", 1));
    project.SetModifiedFlag(FALSE);
    CBreakpointListDlg dlg(project, &Frame());
    QTreeWidget* pList = dlg.GetList();
    ASSERT_EQ(pList->topLevelItemCount(), 3);
    QStringList rows;
    for (int i = 0; i < pList->topLevelItemCount(); ++i)
        rows << pList->topLevelItem(i)->text(0) + " " + pList->topLevelItem(i)->text(1) + " " +
                    pList->topLevelItem(i)->text(2);
    EXPECT_EQ(rows, QStringList({"Helper.java Helper 1", "Main.java Main 4", "Main.java Main 7"}));
    pList->topLevelItem(0)->setSelected(true);
    pList->topLevelItem(2)->setSelected(true);
    EXPECT_EQ(dlg.DeleteSelected(), 2);
    EXPECT_EQ(pList->topLevelItemCount(), 1);
    EXPECT_FALSE(project.HasBreakpoint(m_strMain, 7));
    EXPECT_TRUE(project.HasBreakpoint(m_strMain, 4));
    EXPECT_FALSE(project.HasBreakpoint(m_strHelper, 1));
    EXPECT_EQ(project.GetBreakpointSet("Helper"), nullptr);
    EXPECT_TRUE(project.IsModified());
}

TEST_F(ProjectViewTest, MakeJarRunsTheArchiveToolAndRmiReportsItsAbsence)
{
    StartWithProject();
    ASSERT_TRUE(Frame().GetCommands().Execute(33027));   // Make Jar...
    auto* pJar = qobject_cast<CJarDlg*>(Frame().GetCommands().GetArchiveDialog());
    ASSERT_NE(pJar, nullptr);
    pJar->findChild<QLineEdit*>("outputFile")->setText(QString::fromUtf8(m_folder.File("out.jar").c_str()));
    pJar->findChild<QCheckBox*>("create")->setChecked(true);
    pJar->findChild<QCheckBox*>("specifyArchive")->setChecked(true);
    pJar->findChild<QCheckBox*>("includeManifest")->setChecked(false);
    pJar->GetFiles()->clear();
    pJar->GetFiles()->addItem(QString::fromUtf8(m_strMain.c_str()));
    pJar->accept();
    ASSERT_TRUE(WaitFor([this] { return OutputText(Frame()).Find("Application Exit...") >= 0; }));
    EXPECT_GE(OutputText(Frame()).Find("jar -cf out.jar Main.java"), 0) << OutputText(Frame()).c_str();
    struct stat st;
    EXPECT_EQ(::stat(m_folder.File("out.jar"), &st), 0);
    QApplication::processEvents();
    EXPECT_EQ(Frame().GetCommands().GetArchiveDialog(), nullptr);

    // The installed JDK has no RMI compiler: the run says it cannot start, cleanly.
    ASSERT_TRUE(Frame().GetCommands().Execute(33028));
    auto* pRmi = qobject_cast<CRmiDlg*>(Frame().GetCommands().GetRmiDialog());
    ASSERT_NE(pRmi, nullptr);
    pRmi->findChild<QLineEdit*>("className")->setText("demo.Remote");
    QMetaObject::invokeMethod(pRmi, [pRmi] { pRmi->AddClass(); });
    QApplication::processEvents();
    EXPECT_EQ(pRmi->GetClasses()->count(), 1);
    pRmi->accept();
    ASSERT_TRUE(WaitFor([this] { return OutputText(Frame()).Find("Error executing a JAVA program") >= 0 ||
                                        OutputText(Frame()).Find("Application Exit...") >= 0; }));
    EXPECT_GE(OutputText(Frame()).Find("Error executing a JAVA program"), 0) << OutputText(Frame()).c_str();
}
