// Macro expansion and the run of a user command: every macro against a
// file, a project node and an open project, names without case, unknown
// names, unclosed brackets, the command line and working directory handed
// to the starter, and "CLASSPATH" around the start.
#include "Command.h"
#include "CommandRunContext.h"
#include "CommandRunner.h"
#include "MacroExpander.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// "CLASSPATH" as it was before a test, put back after it.
class CClassPathGuard {
public:
    CClassPathGuard()
    {
        const char* psz = std::getenv("CLASSPATH");
        m_bSet = psz != nullptr;
        m_strValue = psz ? psz : "";
    }
    ~CClassPathGuard()
    {
        if (m_bSet)
            setenv("CLASSPATH", m_strValue.c_str(), 1);
        else
            unsetenv("CLASSPATH");
    }

private:
    bool m_bSet;
    std::string m_strValue;
};

std::string ClassPathNow()
{
    const char* psz = std::getenv("CLASSPATH");
    return psz ? psz : "(unset)";
}

class MacroFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strMain = m_folder.Write("Main.java", "package games.chess;\nclass Helper {}\npublic class Board {\n"
                                                "  public static void main(String[] a) {}\n}\n");
        m_strPlain = m_folder.Write("Plain.java", "class First {}\nclass Second {}\n");
        m_strPublic = m_folder.Write("Pub.java", "package p;\nclass First {}\npublic class Shown {}\n");
        m_strNone = m_folder.Write("Empty.java", "// nothing here\n");
        m_open.m_bOpen = TRUE;
        m_open.m_Files.Add("/home/u/game/src/Main.java");
        m_open.m_Files.Add("/home/u/game/res/logo.gif");
        m_open.m_Files.Add("/home/u/game/src/util/Dice.JAVA");
        m_open.m_strMainClassPath = m_strMain;
        m_open.m_strMainHtmlPath = "/home/u/game/index.html";
        m_open.m_strInterpreterClassPath = "/ide/classes";
        m_open.m_bInterpreterClassPathOn = TRUE;
    }

    CCommandRunContext FileContext(const char* pszPath) const
    {
        CCommandRunContext context = CCommandRunContext::ForFile(pszPath);
        context.m_OpenProject = m_open;
        return context;
    }

    CTempFolder m_folder;
    CString m_strMain, m_strPlain, m_strPublic, m_strNone;
    COpenProjectData m_open;
    CClassPathGuard m_guard;
};

TEST_F(MacroFixture, MacrosOfAFile)
{
    setenv("CLASSPATH", "/user/cp", 1);
    CCommandRunContext context = FileContext("/home/u/game/src/Foo.java");
    struct {
        const char* pszText;
        const char* pszExpected;
    } cases[] = {
        {"<File Path>", "/home/u/game/src/Foo.java"},
        {"<File Name>.class", "Foo.class"},
        {"<File Ext>", "java"},
        {"<File Name With Ext>", "Foo.java"},
        {"<File Directory>", "/home/u/game/src/"},
        {"<File As Class Ext>", "/home/u/game/src/Foo.class"},
        {"<file path>|<FILE NAME>|<fILE eXT>", "/home/u/game/src/Foo.java|Foo|java"},
        {"<Project Path>", ""},
        {"<Project Name>", ""},
        {"<Project Directory>", ""},
        {"<Classpath>", "/user/cp"},
        {"a <Nothing Like This> b", "a  b"},
        {"<>", ""},
        {"<<File Name>>", ">"},
        {"x > y", "x > y"},
        {"no macros at all", "no macros at all"},
        {"", ""},
        {"<File Name><File Ext>", "Foojava"},
    };
    for (auto& c : cases) {
        CString strOut;
        EXPECT_TRUE(CMacroExpander::Expand(c.pszText, context, strOut)) << c.pszText;
        EXPECT_EQ(strOut, c.pszExpected) << c.pszText;
    }
}

TEST_F(MacroFixture, FilePiecesOfOddNames)
{
    struct {
        const char* pszPath;
        const char* pszName;
        const char* pszExt;
        const char* pszDir;
        const char* pszClass;
    } cases[] = {
        {"/a/b/Makefile", "Makefile", "", "/a/b/", "/a/b/Makefile.class"},
        {"/a/b.d/Foo", "Foo", "", "/a/b.d/", "/a/b.d/Foo.class"},
        {"/a/archive.tar.gz", "archive.tar", "gz", "/a/", "/a/archive.tar.class"},
        {"Foo.java", "Foo", "java", "", "Foo.class"},
        {"/a/.hidden", "", "hidden", "/a/", "/a/.class"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszPath);
        CCommandRunContext context = CCommandRunContext::ForFile(c.pszPath);
        EXPECT_EQ(CMacroExpander::ExpandMacro("File Name", context), c.pszName);
        EXPECT_EQ(CMacroExpander::ExpandMacro("File Ext", context), c.pszExt);
        EXPECT_EQ(CMacroExpander::ExpandMacro("File Directory", context), c.pszDir);
        EXPECT_EQ(CMacroExpander::ExpandMacro("File As Class Ext", context), c.pszClass);
    }
}

TEST_F(MacroFixture, MacrosOfAProjectNode)
{
    CCommandRunContext context = CCommandRunContext::ForProject("/home/u/game/Game.mosk");
    EXPECT_EQ(CMacroExpander::ExpandMacro("Project Path", context), "/home/u/game/Game.mosk");
    EXPECT_EQ(CMacroExpander::ExpandMacro("Project Name", context), "Game");
    EXPECT_EQ(CMacroExpander::ExpandMacro("Project Directory", context), "/home/u/game/");
    // No file is known: the file macros are empty, not pieces of an empty path.
    for (const char* pszName : {"File Path", "File Name", "File Ext", "File Name With Ext", "File Directory",
                                "File As Class Ext", "Class of File"})
        EXPECT_EQ(CMacroExpander::ExpandMacro(pszName, context), "") << pszName;
}

TEST_F(MacroFixture, ClassOfFile)
{
    struct {
        const char* pszName;
        CString strPath;
        const char* pszExpected;
    } cases[] = {
        {"package and public class", m_strPublic, "p.Shown"},
        {"no package, no public class", m_strPlain, "First"},
        {"main method does not matter here", m_strMain, "games.chess.Board"},
        {"no class", m_strNone, ""},
        {"not a Java file", m_folder.Write("notes.txt", "public class X {}"), ""},
        {"missing file", m_folder.File("Gone.java"), ""},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        EXPECT_EQ(CMacroExpander::ExpandMacro("Class of File", CCommandRunContext::ForFile(c.strPath)), c.pszExpected);
        EXPECT_TRUE(ui.m_shown.empty());  // a file that cannot be read is no reason for a message box
    }
}

TEST_F(MacroFixture, MacrosOfTheOpenProject)
{
    CCommandRunContext context = FileContext("/x/Y.java");
    struct {
        const char* pszText;
        const char* pszExpected;
    } cases[] = {
        {"<Open Project Files With Path>",
         " \"/home/u/game/src/Main.java\" \"/home/u/game/res/logo.gif\" \"/home/u/game/src/util/Dice.JAVA\""},
        {"<Open Project Files WO Path>", " \"Main.java\" \"logo.gif\" \"Dice.JAVA\""},
        {"<Open Project File Names>", " \"Main\" \"logo\" \"Dice\""},
        {"<Open Project Class Files>", " \"/home/u/game/src/Main.class\" \"/home/u/game/src/util/Dice.class\""},
        {"<Open Project Main Class File Name>", "Main"},
        {"<Open Project Main HTML File>", "/home/u/game/index.html"},
        {"<Open Project Main Class>", "games.chess.Board"},
    };
    for (auto& c : cases) {
        CString strOut;
        EXPECT_TRUE(CMacroExpander::Expand(c.pszText, context, strOut));
        EXPECT_EQ(strOut, c.pszExpected) << c.pszText;
        // Without an open project every one of them is empty.
        CString strClosed;
        EXPECT_TRUE(CMacroExpander::Expand(c.pszText, CCommandRunContext::ForFile("/x/Y.java"), strClosed));
        EXPECT_EQ(strClosed, "") << c.pszText;
    }
}

TEST_F(MacroFixture, MainClassPrefersTheClassWithMain)
{
    CCommandRunContext context = FileContext("/x/Y.java");
    context.m_OpenProject.m_strMainClassPath = m_folder.Write(
        "Run.java", "package r;\npublic class Shown {}\nclass Runner { public static void main(String[] a) {} }\n");
    EXPECT_EQ(CMacroExpander::ExpandMacro("Open Project Main Class", context), "r.Runner");
    context.m_OpenProject.m_strMainClassPath = m_strPublic;
    EXPECT_EQ(CMacroExpander::ExpandMacro("Open Project Main Class", context), "p.Shown");
    context.m_OpenProject.m_strMainClassPath.Empty();
    EXPECT_EQ(CMacroExpander::ExpandMacro("Open Project Main Class", context), "");
}

TEST(MacroPicker, Lists)
{
    std::vector<CString> all = CMacroExpander::GetPickerMacros(FALSE);
    ASSERT_EQ(all.size(), 17u);
    EXPECT_EQ(all.front(), "<File Path>");
    EXPECT_EQ(all[9], "<Open Project Files With Path>");
    EXPECT_EQ(all.back(), "<Classpath>");
    // Every entry of the picker is a macro the expander knows.
    CCommandRunContext context = CCommandRunContext::ForFile("/a/B.txt");
    setenv("CLASSPATH", "cp", 1);
    for (const CString& str : all) {
        if (str.Find("Project") >= 0 || str == "<Class of File>")
            continue;
        EXPECT_NE(CMacroExpander::ExpandMacro(str.Mid(1, str.GetLength() - 2), context), "") << str.str();
    }
    EXPECT_EQ(CMacroExpander::GetPickerMacros(TRUE), (std::vector<CString>{"<File Directory>", "<Project Directory>"}));
}

CCommand MakeCommand(const char* pszCommand, const char* pszArgs, const char* pszDir, BOOL bCapture = FALSE,
                     BOOL bClassPath = FALSE)
{
    CCommand command;
    command.m_strName = "cmd";
    command.m_strCommand = pszCommand;
    command.m_strArguments = pszArgs;
    command.m_strStartupDir = pszDir;
    command.m_bCaptureOutput = bCapture;
    command.m_bUseIDEClassPath = bClassPath;
    return command;
}

TEST_F(MacroFixture, RunBuildsCommandLineAndDirectory)
{
    struct {
        const char* pszName;
        CCommand command;
        CCommandRunner::EResult nResult;
        const char* pszLine;
        const char* pszDir;
        const char* pszTitle;
        const char* pszMessage;
    } cases[] = {
        {"plain", MakeCommand("javap", "-c <File Name>", "<File Directory>"), CCommandRunner::RUN_STARTED,
         "javap -c Foo", "/src/", "", nullptr},
        {"no arguments keeps the blank", MakeCommand("ls", "", ""), CCommandRunner::RUN_STARTED, "ls ", "", "",
         nullptr},
        {"captured: trailing blanks cut, title", MakeCommand("ls", "-l <Nope>  ", "", TRUE),
         CCommandRunner::RUN_STARTED, "ls -l", "", "ls -l", nullptr},
        {"empty command", MakeCommand("", "<File Name", ""), CCommandRunner::RUN_NOTHING, nullptr, nullptr, nullptr,
         nullptr},
        {"bad argument", MakeCommand("x", "<File Name", "<File Directory"), CCommandRunner::RUN_BAD_VARIABLE,
         nullptr, nullptr, nullptr, "Bad variable in the arguments !!!"},
        {"bad directory", MakeCommand("x", "<File Name>", "/tmp/<File"), CCommandRunner::RUN_BAD_VARIABLE, nullptr,
         nullptr, nullptr, "Bad variable in the startup directory !!!"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScriptedUserInterface ui;
        std::vector<CCommandLaunch> launches;
        auto nResult = CCommandRunner::Run(c.command, CCommandRunContext::ForFile("/src/Foo.java"),
                                           [&](const CCommandLaunch& launch) {
                                               launches.push_back(launch);
                                               return TRUE;
                                           });
        EXPECT_EQ(nResult, c.nResult);
        if (c.pszLine) {
            ASSERT_EQ(launches.size(), 1u);
            EXPECT_EQ(launches[0].m_strCommandLine, c.pszLine);
            EXPECT_EQ(launches[0].m_strWorkingDir, c.pszDir);
            EXPECT_EQ(launches[0].m_strTitle, c.pszTitle);
            EXPECT_EQ(launches[0].m_bCaptureOutput, c.command.m_bCaptureOutput);
        } else {
            EXPECT_TRUE(launches.empty());
        }
        if (c.pszMessage) {
            ASSERT_EQ(ui.m_shown.size(), 1u);
            EXPECT_EQ(ui.m_shown[0].strText, c.pszMessage);
        } else {
            EXPECT_TRUE(ui.m_shown.empty());
        }
    }
    EXPECT_EQ(CCommandRunner::Run(MakeCommand("x", "", ""), CCommandRunContext(),
                                  [](const CCommandLaunch&) { return FALSE; }),
              CCommandRunner::RUN_START_FAILED);
}

TEST_F(MacroFixture, ClassPathAroundTheStart)
{
    struct {
        const char* pszName;
        const char* pszBefore;  // null: unset
        BOOL bUseClassPath;
        BOOL bProjectOpen;
        BOOL bSwitchOn;
        const char* pszProjectPath;
        const char* pszDuring;
    } cases[] = {
        {"set for the run, restored", "/user/cp", TRUE, TRUE, TRUE, "/ide/classes", "/ide/classes"},
        {"unset before: unset after", nullptr, TRUE, TRUE, TRUE, "/ide/classes", "/ide/classes"},
        {"empty before stays empty", "", TRUE, TRUE, TRUE, "/ide/classes", "/ide/classes"},
        {"switch off: untouched", "/user/cp", TRUE, TRUE, FALSE, "/ide/classes", "/user/cp"},
        {"empty IDE path: untouched", "/user/cp", TRUE, TRUE, TRUE, "", "/user/cp"},
        {"no project open: the global path still counts", "/user/cp", TRUE, FALSE, TRUE, "/ide/classes", "/ide/classes"},
        {"command does not ask", "/user/cp", FALSE, TRUE, TRUE, "/ide/classes", "/user/cp"},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        if (c.pszBefore)
            setenv("CLASSPATH", c.pszBefore, 1);
        else
            unsetenv("CLASSPATH");
        std::string strBefore = ClassPathNow();
        CCommandRunContext context = FileContext("/src/Foo.java");
        context.m_OpenProject.m_bOpen = c.bProjectOpen;
        context.m_OpenProject.m_bInterpreterClassPathOn = c.bSwitchOn;
        context.m_OpenProject.m_strInterpreterClassPath = c.pszProjectPath;
        std::string strDuring;
        CCommand command = MakeCommand("java", "-cp \"<Classpath>\" Foo", "", FALSE, c.bUseClassPath);
        CString strLine;
        CCommandRunner::Run(command, context, [&](const CCommandLaunch& launch) {
            strDuring = ClassPathNow();
            strLine = launch.m_strCommandLine;
            return TRUE;
        });
        EXPECT_EQ(strDuring, c.pszDuring);
        EXPECT_EQ(ClassPathNow(), strBefore);
        // The macro sees the value from before the run.
        EXPECT_EQ(strLine, "java -cp \"" + CString(c.pszBefore ? c.pszBefore : "") + "\" Foo");
    }
}

TEST_F(MacroFixture, LongClassPathIsRestoredWhole)
{
    std::string strLong(5000, 'x');
    setenv("CLASSPATH", strLong.c_str(), 1);
    CCommandRunner::Run(MakeCommand("java", "", "", FALSE, TRUE), FileContext("/a.java"),
                        [](const CCommandLaunch&) { return TRUE; });
    EXPECT_EQ(ClassPathNow(), strLong);
}

} // namespace
