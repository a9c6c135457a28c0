// The menu command table against the main menu's list, the menus and tool
// bars built from it, and the enable rules with and without a project and
// while a program runs; Keyboard Shortcuts starts the user's editor.
#include "FrameFixture.h"

#include "DocumentCommands.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "MenuCommandTable.h"
#include "ProgramRunner.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "JavaIDEDoc.h"
#include "JavaIDEView.h"
#include "ChildFrame.h"
#include "ToolCommands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <set>
#include <sys/stat.h>

namespace {

struct CListed {
    const char* pszMenu;   // top menu without mnemonic ("Debug" for the Build menu's submenu)
    const char* pszText;
    UINT nId;
};

// The main menu as the program's documentation lists it.
const CListed s_listed[] = {
    {"File", "New", 57600}, {"File", "Open...", 57601}, {"File", "Save All...", 32935},
    {"File", "Find in Files...", 32959}, {"File", "Add To Project", 32968}, {"File", "Print Setup...", 57606},
    {"File", "Recent File", 57616}, {"File", "Exit", 57665},
    {"View", "Toolbar", 59392}, {"View", "Status Bar", 59393}, {"View", "Debug Bar", 32845},
    {"View", "Browser Bar", 32921}, {"View", "Output", 32771}, {"View", "Debug", 32906}, {"View", "Project", 32961},
    {"View", "Input Window...", 32869},
    {"Project", "New...", 32801}, {"Project", "Open...", 32784}, {"Project", "Close", 32785},
    {"Project", "Save", 32877}, {"Project", "Parse All", 32967}, {"Project", "Add File...", 32802},
    {"Project", "Add Default HTML", 32882}, {"Project", "Add Manifest File...", 33025},
    {"Project", "Add Dialog", 33000}, {"Project", "Add Frame", 33001}, {"Project", "Compiler Options...", 32834},
    {"Project", "Toggle Compiler", 32974}, {"Project", "Interpreter Options...", 32838},
    {"Project", "Javadoc Options...", 32939}, {"Project", "Breakpoint List...", 32857},
    {"Build", "Compile...", 32773}, {"Build", "Compile(*.java)", 32955}, {"Build", "Rebuild All", 32809},
    {"Build", "Make Bean...", 33026}, {"Build", "RMI Compile...", 33028}, {"Build", "JavaDoc", 32938},
    {"Build", "JavaDoc All", 32969}, {"Build", "JavaDoc Folder", 33015}, {"Build", "Make Jar...", 33027},
    {"Build", "Stop Build", 32800}, {"Build", "Stop Run", 32842}, {"Build", "Run", 32873},
    {"Build", "Stop Debug", 32841}, {"Debug", "Run", 32843}, {"Debug", "Cont", 32851}, {"Debug", "Step", 32850},
    {"Debug", "Step Over", 32889}, {"Debug", "Exit", 32846}, {"Debug", "Locals", 32849},
    {"Debug", "Memory", 32852}, {"Debug", "Threads", 32853}, {"Debug", "Where All", 32902},
    // The debug bar's Stepover Packages is in the Debug submenu too.
    {"Debug", "Stepover Packages", 33020},
    {"Build", "JDB Debug", 32847}, {"Build", "BreakPoint Set/UnSet", 32848},
    {"Packages", "Add/Update...", 32894}, {"Packages", "Add Class...", 32895}, {"Packages", "Delete", 32899}, {"Packages", "Find Class...", 32896},
    {"Packages", "Find Interface...", 32897},
    {"Beans", "Add Folder...", 32957}, {"Beans", "Add Bean...", 32954}, {"Beans", "Delete", 32956},
    {"Info", "Add Folder", 32909}, {"Info", "Add File(s)...", 32781}, {"Info", "Delete", 32772},
    {"Customize", "Directories...", 32835}, {"Customize", "Font...", 32820}, {"Customize", "Editor...", 32844},
    {"Customize", "Browser...", 32949}, {"Customize", "User Index...", 33021}, {"Customize", "Commands...", 33029},
    {"Customize", "Color...", 32870},
    {"Window", "Cascade", 57650}, {"Window", "Tile", 57651}, {"Window", "Arrange Icons", 57649},
    {"Window", "Help Window", 32929}, {"Window", "Output Windows", 32930}, {"Window", "Debug Window", 32931},
    {"Window", "Search Results", 32960}, {"Window", "Project Tab", 32963},
    {"Help", "Search...", 32913}, {"Help", "Keyboard Shortcuts...", 33030}, {"Help", "Next", 32917},
    {"Help", "Previous", 32918}, {"Help", "History...", 32971}, {"Help", "Support ...", 32826},
    {"Help", "Mosk Homepage...", 32836}, {"Help", "Tip of the Day...", 111}, {"Help", "About Mosk ...", 57664},
};

CString LastMenu(const char* pszPath)
{
    CString strPath = CMenuCommandTable::StripMnemonic(pszPath);
    return strPath.Mid(strPath.ReverseFind('/') + 1);
}

TEST(MenuCommandTable, HoldsEveryCommandOfTheMainMenu)
{
    int nCount = 0;
    const CMenuCommand* pCommands = CMenuCommandTable::GetCommands(nCount);
    for (const CListed& listed : s_listed) {
        SCOPED_TRACE(listed.nId);
        const CMenuCommand* pFound = nullptr;
        for (int i = 0; i < nCount; ++i)
            if (pCommands[i].m_nId == listed.nId && LastMenu(pCommands[i].m_pszMenu) == listed.pszMenu)
                pFound = &pCommands[i];
        ASSERT_NE(pFound, nullptr) << listed.pszMenu << " " << listed.pszText;
        EXPECT_EQ(CMenuCommandTable::StripMnemonic(pFound->m_pszText), listed.pszText);
    }
    // Every other entry is a command of the source views.
    const std::set<UINT> views = {ID_FILE_CLOSE, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_EDIT_UNDO,
                                  ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR,
                                  ID_EDIT_SELECT_ALL, ID_EDIT_FIND, ID_EDIT_REPLACE, ID_VIEW_GOTO,
                                  ID_VIEW_BOOKMARK, ID_VIEW_NEXT_BOOKMARK};
    EXPECT_EQ(static_cast<size_t>(nCount), sizeof s_listed / sizeof s_listed[0] + views.size());
    for (int i = 0; i < nCount; ++i) {
        bool bListed = views.count(pCommands[i].m_nId) > 0;
        for (const CListed& listed : s_listed)
            bListed = bListed || listed.nId == pCommands[i].m_nId;
        EXPECT_TRUE(bListed) << pCommands[i].m_pszText;
    }
    EXPECT_EQ(CMenuCommandTable::StripMnemonic("Save A&ll && &Go"), "Save All & Go");
}

TEST(MenuCommandTable, AcceleratorsOfTheMenus)
{
    struct Case {
        UINT nId;
        const char* pszAccel;
    } cases[] = {
        {32773, "F7"}, {32955, "Ctrl+F7"}, {32873, "F4"}, {32800, "Ctrl+Break"}, {32974, "Ctrl+J"},
        {32929, "Alt+1"}, {32930, "Alt+2"}, {32931, "Alt+3"}, {32960, "Alt+4"}, {32961, "Alt+5"},
        {ID_FILE_SAVE, "Ctrl+S"}, {ID_FILE_PRINT, "Ctrl+P"}, {ID_VIEW_GOTO, "Ctrl+G"}, {ID_VIEW_BOOKMARK, "Ctrl+F2"},
        {ID_VIEW_NEXT_BOOKMARK, "Shift+F2"}, {ID_VIEW_BREAKPOINT, "F9"},
        {32843, "F5"}, {32851, "F5"}, {32850, "F8"}, {32889, "F12"}, {32846, "F10"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nId);
        const CMenuCommand* pCommand = CMenuCommandTable::Find(c.nId);
        ASSERT_NE(pCommand, nullptr);
        ASSERT_NE(pCommand->m_pszAccel, nullptr);
        EXPECT_STREQ(pCommand->m_pszAccel, c.pszAccel);
    }
}

class CommandsTest : public FrameTest {
protected:
    BOOL Enabled(UINT nId) { return Frame().GetCommands().IsEnabled(nId); }
    // The enabled state of a list of commands as "1" and "0".
    std::string States(std::initializer_list<UINT> ids)
    {
        std::string strOut;
        for (UINT nId : ids)
            strOut += Enabled(nId) ? '1' : '0';
        return strOut;
    }
};

TEST_F(CommandsTest, MenusAndBarsAreBuiltFromTheTable)
{
    ASSERT_TRUE(Start());
    QStringList titles;
    for (QAction* pAction : Frame().menuBar()->actions())
        titles << pAction->text();
    EXPECT_EQ(titles.join(QLatin1Char(',')),
              QStringLiteral("&File,&Edit,&View,&Project,&Build,P&ackages,B&eans,&Info,&Customize,&Window,&Help"));
    ASSERT_NE(Frame().GetCommands().GetMenu("&Build/De&bug"), nullptr);
    int nCount = 0;
    const CMenuCommand* pCommands = CMenuCommandTable::GetCommands(nCount);
    for (int i = 0; i < nCount; ++i) {
        SCOPED_TRACE(pCommands[i].m_pszText);
        EXPECT_FALSE(Frame().GetCommands().GetActions(pCommands[i].m_nId).empty());
        // Commands of later parts show and stay disabled.
        if (!pCommands[i].m_pfnHandler) {
            EXPECT_FALSE(Enabled(pCommands[i].m_nId));
        }
    }
    // Every tool bar button has a picture, a tip and a name.
    Frame().GetCommands().LoadToolBarPictures();
    for (int nBar = 0; nBar < CMainFrameLayout::BAR_COUNT; ++nBar)
        for (QAction* pAction : Frame().GetToolBar(nBar)->actions()) {
            if (pAction->isSeparator())
                continue;
            SCOPED_TRACE(pAction->toolTip().toStdString());
            EXPECT_FALSE(pAction->icon().isNull());
            EXPECT_FALSE(pAction->toolTip().isEmpty());
            QWidget* pButton = Frame().GetToolBar(nBar)->widgetForAction(pAction);
            ASSERT_NE(pButton, nullptr);
            EXPECT_EQ(pButton->accessibleName(), pAction->toolTip());
        }
}

TEST_F(CommandsTest, EnableRulesFollowTheDocumentTheProjectAndTheRuns)
{
    ASSERT_TRUE(Start());
    // Project New, Open, Close, Save, Parse All, Save All; Compile, Run, Stop Run; Rebuild All.
    auto states = [this] { return States({32801, 32784, 32785, 32877, 32967, 32935, 32773, 32873, 32842, 32809}); };
    EXPECT_EQ(states(), "1100000000");

    CString strPath = WriteSource("Hello.java", "public class Hello {\n    public static void main(String[] a) {}\n}\n");
    ASSERT_TRUE(Frame().OpenFile(QString::fromUtf8(strPath.c_str())));
    EXPECT_EQ(states(), "1100001100");
    EXPECT_FALSE(Enabled(ID_EDIT_COPY));
    Frame().GetCommands().Execute(ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    EXPECT_FALSE(Enabled(32968));   // Add To Project needs a project
    ASSERT_TRUE(App().GetProjectDoc()->OpenProject(m_folder.File("Hello.mosk"), TRUE));
    EXPECT_TRUE(Enabled(32968));
    ASSERT_TRUE(Frame().GetCommands().Execute(32968));
    EXPECT_TRUE(App().GetProjectDoc()->GetProject().HasFile(strPath));
    EXPECT_FALSE(Enabled(32968));
    EXPECT_EQ(states(), "1111111101");

    // A running program holds the output window.
    ASSERT_TRUE(Frame().GetToolCommands().StartProgramRun("sleep 30", m_folder.Path()));
    EXPECT_EQ(states(), "0001110010");
    ASSERT_TRUE(Frame().GetCommands().Execute(32842));   // Stop Run
    ASSERT_TRUE(WaitFor([this] { return !Frame().GetToolCommands().GetProgramRunner().IsBusy(); }));
    EXPECT_EQ(states(), "1111111101");

    // The menu items follow when the menu opens.
    QMenu* pBuild = Frame().GetCommands().GetMenu("&Build");
    Frame().GetToolCommands().StartProgramRun("sleep 30", m_folder.Path());
    QMetaObject::invokeMethod(pBuild, "aboutToShow");
    for (QAction* pAction : Frame().GetCommands().GetActions(32873))
        EXPECT_FALSE(pAction->isEnabled());
    Frame().GetCommands().Execute(32842);
    ASSERT_TRUE(WaitFor([this] { return !Frame().GetToolCommands().GetProgramRunner().IsBusy(); }));

    // Project Close asks nothing of an unmodified project and disables its commands again.
    App().GetProjectDoc()->GetProject().SetModifiedFlag(FALSE);
    ASSERT_TRUE(Frame().GetCommands().Execute(32785));
    EXPECT_EQ(states(), "1100001100");
}

TEST_F(CommandsTest, KeyboardShortcutsOpensTheProgramFoldersFile)
{
    ASSERT_TRUE(Start());
    App().m_DirSettings.m_strProgramPath = m_folder.Path();
    m_ui.m_shown.clear();
    ASSERT_TRUE(Frame().GetCommands().Execute(33030));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Keyboard.txt file not found in Mosk directory !!!");

    // $VISUAL names the editor; it gets the file's path.
    CString strKeyboard = m_folder.Write("keyboard.txt", "F7 Compile\n");
    CString strEditor = m_folder.Write("editor.sh", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.out\"\n");
    ::chmod(strEditor, 0755);
    qputenv("VISUAL", strEditor.c_str());
    EXPECT_TRUE(Frame().GetCommands().Execute(33030));
    qunsetenv("VISUAL");
    CString strOut = strEditor + ".out";
    EXPECT_TRUE(WaitFor([&] { return !ReadWholeFile(strOut).empty(); }, 10000));
    EXPECT_EQ(ReadWholeFile(strOut), strKeyboard.c_str());
    EXPECT_EQ(m_ui.m_shown.size(), 1u);
}

}  // namespace
