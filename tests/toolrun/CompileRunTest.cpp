// Compiler and documentation runs against the installed JDK: the report in
// the output window, the needs-compile mark, the jump from an error line to
// the source, Rebuild All's order, Stop Build, the documentation tool and
// the option source of each run.
#include "ProjectFileItem.h"
#include "ProjectHost.h"
#include "TestJdk.h"
#include "ToolRunFixture.h"

#include <sys/stat.h>

#include <filesystem>
#include <unistd.h>

namespace {

// A tool's name as the output window shows it for the JDK of this run.
std::string Tool(const char* pszTool)
{
    return CTestJdk::Program(pszTool).str();
}

const char* const HELLO = "public class Hello {\n    public static void main(String[] args) {\n"
                          "        System.out.println(\"Hello\");\n    }\n}\n";
const char* const BAD = "public class Bad {\n    void f() {\n        int x = \"text\";\n    }\n}\n";

// Folder of the JDK's programs, from the real path of javac.
CString JdkBinFolder()
{
    std::string strPath = getenv("PATH") ? getenv("PATH") : "";
    size_t nStart = 0;
    while (nStart <= strPath.size()) {
        size_t nEnd = strPath.find(':', nStart);
        std::string strDir = strPath.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        std::filesystem::path javac = std::filesystem::path(strDir) / "javac";
        if (!strDir.empty() && ::access(javac.c_str(), X_OK) == 0)
            return CString(std::filesystem::canonical(javac).parent_path().string());
        if (nEnd == std::string::npos)
            break;
        nStart = nEnd + 1;
    }
    return CString();
}

}  // namespace

TEST_F(ToolRunTest, CleanCompileSaysNoErrorsAndClearsTheNeedsCompileMark)
{
    CProject& project = OpenProject();
    CString strHello = WriteSource("Hello.java", HELLO);
    AddFilesInOrder({strHello});
    project.OnFileSaved(strHello);
    ASSERT_TRUE(project.FindFileItem(strHello)->m_bNeedsCompile);

    m_host.m_strActive = strHello;
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_BUILD_COMPILE));
    EXPECT_TRUE(m_pApp->m_ToolRun.m_bRunning);
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_BUILD_COMPILE)) << "one tool run at a time";
    EXPECT_TRUE(m_pTools->IsCommandEnabled(CToolCommands::ID_STOP_BUILD));
    ASSERT_TRUE(WaitToolIdle());

    const std::string strText = Tool("javac") + "   Hello.java...\r\nFile Compiled...\r\nNo Errors...";
    const std::string strEnd = std::to_string(strText.size());
    EXPECT_EQ(m_pTools->GetOutputWnd().Dump(),
              "text: " + Tool("javac") + "   Hello.java...\\r\\nFile Compiled...\\r\\nNo Errors...\nsel: " + strEnd + "-" + strEnd
                  + " caret " + strEnd + "\nbase: " + m_folder.Path().str() + "/");
    EXPECT_FALSE(project.FindFileItem(strHello)->m_bNeedsCompile);
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("Hello.class").str()));
    EXPECT_EQ(m_host.m_nActiveSaves, 1);
    EXPECT_EQ(m_host.m_nMarkerRemovals, 1);
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_STOP_BUILD));
}

TEST_F(ToolRunTest, CompileWithTheJdkFolderSetUsesItsCompiler)
{
    CString strBin = JdkBinFolder();
    ASSERT_FALSE(strBin.IsEmpty());
    m_pApp->m_DirSettings.m_strExePath = strBin;
    m_pApp->m_EditorSettings.m_bBeep = TRUE;
    CString strHello = WriteSource("Hello.java", HELLO);
    ASSERT_TRUE(CompileAndWait(strHello));
    EXPECT_EQ(OutputLf(), strBin.str() + "/javac   Hello.java...\nFile Compiled...\nNo Errors...");
    EXPECT_EQ(m_ui.m_nBeeps, 1);
}

TEST_F(ToolRunTest, AJdkFolderWithASpaceStillNamesOneProgram)
{
    CString strBin = JdkBinFolder();
    ASSERT_FALSE(strBin.IsEmpty());
    // The JDK as a user may unpack it: in a folder whose name has a blank.
    CString strSpaced = m_folder.File("my jdk");
    ASSERT_EQ(symlink(strBin, strSpaced), 0);
    m_pApp->m_DirSettings.m_strExePath = strSpaced;
    CString strHello = WriteSource("Hello.java", HELLO);
    ASSERT_TRUE(CompileAndWait(strHello));
    EXPECT_EQ(OutputLf(), "\"" + strSpaced.str() + "/javac\"   Hello.java...\nFile Compiled...\nNo Errors...");
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("Hello.class").str()));
}

TEST_F(ToolRunTest, CompileErrorsShowTheReportAndNavigateToTheLine)
{
    CString strBad = WriteSource("Bad.java", BAD);
    ASSERT_TRUE(CompileAndWait(strBad));
    std::string strOut = OutputLf();
    EXPECT_EQ(strOut.rfind(Tool("javac") + "   Bad.java...\nFile Compiled...\n"
                           "\n--------------------------- Javac Output ---------------------------\n"
                           "Bad.java:3: error: ",
                           0),
              0u)
        << strOut;
    std::string strTail = "\n\n-----------------------------------------------------------------------------"
                          "\nDouble click on the line with file name\nand error number to locate the error.";
    ASSERT_GE(strOut.size(), strTail.size());
    EXPECT_EQ(strOut.substr(strOut.size() - strTail.size()), strTail);
    EXPECT_NE(strOut.find("1 error"), std::string::npos);
    LONG nStart = -1, nEnd = -1;
    m_pTools->GetOutputWnd().GetEditCtrl().GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 0) << "the caret goes to the start";
    EXPECT_EQ(nEnd, 0);

    LONG nLine = LineStartOf("Bad.java:3:");
    ASSERT_GE(nLine, 0);
    EXPECT_TRUE(m_pTools->GetOutputWnd().OnDoubleClick(nLine + 4));
    ASSERT_EQ(m_host.m_opened.size(), 1u);
    EXPECT_EQ(m_host.m_opened[0].first, strBad);
    EXPECT_EQ(m_host.m_opened[0].second, 3);
}

TEST_F(ToolRunTest, ErrorInAFileOfAnotherFolderNavigatesThroughItsPath)
{
    CString strUser = WriteSource("User.java", "public class User {\n    lib.Broken b;\n}\n");
    CString strBroken = WriteSource("lib/Broken.java", "package lib;\npublic class Broken {\n"
                                                       "    int n = true;\n}\n");
    ASSERT_TRUE(CompileAndWait(strUser));
    LONG nLine = LineStartOf("Broken.java:3:");
    ASSERT_GE(nLine, 0) << OutputLf();
    EXPECT_TRUE(m_pTools->GetOutputWnd().OnDoubleClick(nLine));
    ASSERT_EQ(m_host.m_opened.size(), 1u);
    EXPECT_EQ(std::filesystem::canonical(m_host.m_opened[0].first.str()), std::filesystem::canonical(strBroken.str()));
    EXPECT_EQ(m_host.m_opened[0].second, 3);
}

TEST_F(ToolRunTest, RebuildAllCompilesTheJavaFilesInFileListOrder)
{
    CProject& project = OpenProject();
    CString strC = WriteSource("Cee.java", "class Cee { int n = \"c\"; }\n");
    CString strA = WriteSource("Aye.java", "class Aye { int n = \"a\"; }\n");
    CString strPage = WriteSource("Page.html", "<html></html>\n");
    CString strB = WriteSource("Bee.java", "class Bee { }\n");
    AddFilesInOrder({strC, strA, strPage, strB});
    ASSERT_EQ(project.GetFileList().GetHead(), strC);

    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_REBUILD_ALL));
    EXPECT_EQ(m_host.m_nSaveAll, 1);
    ASSERT_TRUE(WaitToolIdle());
    std::string strOut = OutputLf();
    size_t nC = strOut.find(Tool("javac") + "   Cee.java...");
    size_t nA = strOut.find(Tool("javac") + "   Aye.java...");
    size_t nB = strOut.find(Tool("javac") + "   Bee.java...");
    ASSERT_NE(nC, std::string::npos) << strOut;
    ASSERT_NE(nA, std::string::npos) << strOut;
    ASSERT_NE(nB, std::string::npos) << strOut;
    EXPECT_LT(nC, nA);
    EXPECT_LT(nA, nB);
    EXPECT_EQ(strOut.find("Page.html"), std::string::npos);
    // The errors of the first two files do not stop the sequence.
    EXPECT_NE(strOut.find("Cee.java:1: error"), std::string::npos);
    std::string strEnd = Tool("javac") + "   Bee.java...\nFile Compiled...\nNo Errors..."
                         "\n\n--------------------------------------------\nRebuildAll Complete...";
    EXPECT_EQ(strOut.substr(nB), strEnd);
    const std::string strSeparator = "\n\n--------------------------------------------\n";
    EXPECT_EQ(strOut.substr(nA - strSeparator.size(), strSeparator.size()), strSeparator);
    EXPECT_FALSE(m_pApp->m_ToolRun.m_bSequence);
}

TEST_F(ToolRunTest, RebuildAllWithoutJavaFilesEndsQuietly)
{
    OpenProject();
    AddFilesInOrder({WriteSource("Page.html", "<html></html>\n")});
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_REBUILD_ALL));
    EXPECT_FALSE(m_pApp->m_ToolRun.m_bRunning);
    EXPECT_EQ(Output(), "");
}

TEST_F(ToolRunTest, RebuildAllStopsWhenASaveFails)
{
    OpenProject();
    AddFilesInOrder({WriteSource("Hello.java", HELLO)});
    m_host.m_bSaveSucceeds = FALSE;
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_REBUILD_ALL));
    EXPECT_FALSE(m_pApp->m_ToolRun.m_bRunning);
    EXPECT_EQ(Output(), "");
}

TEST_F(ToolRunTest, StopBuildEndsTheRunAsAborted)
{
    CString strScript = m_folder.Write("slowc", "#!/bin/sh\nexec sleep 30\n");
    ASSERT_EQ(::chmod(strScript, 0755), 0);
    CToolOptions& global = m_pDoc->m_options;
    global.m_bCompUseOther = TRUE;
    global.m_strCompOtherCommand = strScript;
    CString strHello = WriteSource("Hello.java", HELLO);
    OpenProject();
    AddFilesInOrder({strHello});
    m_pDoc->GetProject().OnFileSaved(strHello);

    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_REBUILD_ALL));
    ASSERT_TRUE(m_pApp->m_ToolRun.m_bRunning);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_STOP_BUILD));
    ASSERT_TRUE(WaitToolIdle());
    EXPECT_EQ(OutputLf(), strScript.str() + " Hello.java...\nUser Abort...\nNo Errors..."
                              "\n\n--------------------------------------------\nRebuildAll Complete...");
    EXPECT_TRUE(m_pDoc->GetProject().FindFileItem(strHello)->m_bNeedsCompile) << "an aborted compile proves nothing";
}

TEST_F(ToolRunTest, StopBuildBetweenTwoFilesEndsTheSequence)
{
    OpenProject();
    AddFilesInOrder({WriteSource("Hello.java", HELLO), WriteSource("Other.java", "class Other { }\n")});
    int nCloseRequests = 0;
    m_pTools->SetCloseHandler([&nCloseRequests] { ++nCloseRequests; });
    struct Case {
        const char* pszName;
        bool bExit;
        const char* pszEnd;
    } cases[] = {
        {"Rebuild All", false, "RebuildAll Complete..."},
        {"JavaDoc All", true, "Javadoc All Complete..."},
    };
    for (const Case& c : cases) {
        // The first file's completion asked for the next one; Stop Build came before it was handled.
        CToolRunState& record = m_pApp->m_ToolRun;
        record.m_bRunning = record.m_bSequence = record.m_bUserAbort = TRUE;
        record.m_bExitRequested = c.bExit;
        record.m_nContinuation = 2;
        m_pTools->ClearOutput();
        m_pTools->OnWindowMessage(c.bExit ? 1131 : 1125, 0, reinterpret_cast<LPARAM>(&record));
        EXPECT_EQ(OutputLf(), std::string("User Abort...\n\n\n--------------------------------------------\n") + c.pszEnd)
            << c.pszName;
        EXPECT_FALSE(record.m_bRunning) << c.pszName;
        EXPECT_FALSE(record.m_bSequence) << c.pszName;
        record.m_bUserAbort = record.m_bExitRequested = FALSE;
    }
    EXPECT_TRUE(WaitFor([&nCloseRequests] { return nCloseRequests == 1; }));
}

TEST_F(ToolRunTest, CompileAllJavaPassesTheProjectSourcesAtOnce)
{
    OpenProject();
    CString strHello = WriteSource("Hello.java", HELLO);
    CString strOther = WriteSource("Other.java", "class Other { Hello h; }\n");
    AddFilesInOrder({strHello, strOther});
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_COMPILE_ALL_JAVA));
    ASSERT_TRUE(WaitToolIdle());
    EXPECT_EQ(OutputLf(), Tool("javac") + "   Hello.java Other.java...\nFile Compiled...\nNo Errors...");
    EXPECT_EQ(m_host.m_saved.size(), 2u);
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("Other.class").str()));
}

TEST_F(ToolRunTest, OptionSourceFollowsTheFileList)
{
    CProject& project = OpenProject();
    CString strInside = WriteSource("Hello.java", HELLO);
    CString strOutside = WriteSource("outside/Solo.java", "class Solo { }\n");
    AddFilesInOrder({strInside});
    project.m_options.m_bCompNoWarnings = TRUE;
    m_pDoc->m_options.m_bCompDeprecation = TRUE;

    struct Case {
        CString strPath;
        std::string strFirstLine;
    } cases[] = {
        {strInside, Tool("javac") + "   -nowarn -deprecation Hello.java..."},
        {strOutside, Tool("javac") + "   -deprecation Solo.java..."},
    };
    for (const Case& c : cases) {
        m_pTools->ClearOutput();
        ASSERT_TRUE(CompileAndWait(c.strPath));
        EXPECT_EQ(OutputLf().substr(0, OutputLf().find('\n')), c.strFirstLine);
    }

    // The project tree's Compile comes through the projects' host, saving the file first.
    m_pDoc->GetHost().CompileFile(strInside);
    ASSERT_TRUE(WaitToolIdle());
    EXPECT_EQ(OutputLf().substr(0, OutputLf().find('\n')), cases[0].strFirstLine);
    EXPECT_EQ(m_host.m_saved, std::vector<CString>{strInside});
}

TEST_F(ToolRunTest, JavadocOfAFileAndOfAFolderWriteTheirPages)
{
    CString strHello = WriteSource("src/Hello.java", "/** A greeting. */\n" + std::string(HELLO));
    CToolOptions& global = m_pDoc->m_options;
    global.m_bDocOutputDir = TRUE;
    global.m_strDocOutputDir = m_folder.File("doc");
    m_host.m_strActive = strHello;
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_JAVADOC));
    ASSERT_TRUE(WaitToolIdle());
    std::string strOut = OutputLf();
    EXPECT_EQ(strOut.rfind(Tool("javadoc") + "  -d " + m_folder.File("doc").str() + " Hello.java...\nDone...\n"
                           "\n--------------------------- Javadoc Output ---------------------------\n", 0),
              0u)
        << strOut;
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("doc/Hello.html").str()));

    global.m_strDocOutputDir = m_folder.File("folderdoc");
    m_ui.AnswerFolder(m_folder.File("src"));
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_JAVADOC_FOLDER));
    ASSERT_EQ(m_ui.m_folderDialogs.size(), 1u);
    EXPECT_EQ(m_ui.m_folderDialogs[0].strTitle, "Select the directory to Javadoc");
    ASSERT_TRUE(WaitToolIdle());
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("folderdoc/index.html").str())) << OutputLf();

    // A cancelled folder dialog runs nothing.
    m_pTools->ClearOutput();
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_JAVADOC_FOLDER));
    EXPECT_FALSE(m_pApp->m_ToolRun.m_bRunning);
    EXPECT_EQ(Output(), "");
}

TEST_F(ToolRunTest, JavadocAllDocumentsEveryFileAndSaysSo)
{
    OpenProject();
    m_pDoc->m_options.m_bDocOutputDir = TRUE;
    m_pDoc->m_options.m_strDocOutputDir = m_folder.File("doc");
    AddFilesInOrder({WriteSource("Hello.java", HELLO), WriteSource("Other.java", "public class Other { }\n")});
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_JAVADOC_ALL));
    ASSERT_TRUE(WaitToolIdle());
    std::string strOut = OutputLf();
    EXPECT_LT(strOut.find("Hello.java..."), strOut.find("Other.java..."));
    std::string strEnd = "\n\n--------------------------------------------\nJavadoc All Complete...";
    EXPECT_EQ(strOut.substr(strOut.size() - strEnd.size()), strEnd);
    EXPECT_TRUE(std::filesystem::exists(m_folder.File("doc/Other.html").str()));
}

TEST_F(ToolRunTest, CommandEnablingFollowsProjectAndRuns)
{
    struct Case {
        const char* pszName;
        UINT nId;
        bool bNoProject, bProject;
    } cases[] = {
        {"Compile Main File", CToolCommands::ID_COMPILE_MAIN_FILE, false, true},
        {"Rebuild All", CToolCommands::ID_REBUILD_ALL, false, true},
        {"Compile(*.java)", CToolCommands::ID_COMPILE_ALL_JAVA, false, true},
        {"JavaDoc All", CToolCommands::ID_JAVADOC_ALL, false, true},
        {"Stop Build", CToolCommands::ID_STOP_BUILD, false, false},
        {"Stop Run", CToolCommands::ID_STOP_RUN, false, false},
        {"Toggle Compiler", CToolCommands::ID_TOGGLE_COMPILER, false, false},
        {"Run", CToolCommands::ID_RUN, false, true},
        {"Add Default HTML", CToolCommands::ID_ADD_DEFAULT_HTML, false, true},
        {"Make Bean", CToolCommands::ID_MAKE_BEAN, false, false},
        {"JavaDoc Folder", CToolCommands::ID_JAVADOC_FOLDER, true, true},
        {"an unknown number", 1, false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(!!m_pTools->IsCommandEnabled(c.nId), c.bNoProject) << c.pszName << " without a project";
    CProject& project = OpenProject();
    project.m_strMainClass = "Hello.java";
    AddFilesInOrder({WriteSource("Hello.java", HELLO)});
    for (const Case& c : cases)
        EXPECT_EQ(!!m_pTools->IsCommandEnabled(c.nId), c.bProject) << c.pszName << " with a project";

    m_pDoc->m_options.m_strCompOtherCommand = "jikes";
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_TOGGLE_COMPILER));
    EXPECT_TRUE(m_pDoc->m_options.m_bCompUseOther);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_TOGGLE_COMPILER));
    EXPECT_FALSE(m_pDoc->m_options.m_bCompUseOther);
}

TEST_F(ToolRunTest, JavadocOfTheMifTypeSaysWhyAndRunsNothing)
{
    m_host.m_strActive = WriteSource("Hello.java", HELLO);
    m_pDoc->m_options.m_nDocType = 2;
    for (UINT nId : {CToolCommands::ID_JAVADOC, CToolCommands::ID_JAVADOC_FOLDER}) {
        m_ui.AnswerFolder(m_folder.Path());
        m_pTools->OnCommand(nId);
        EXPECT_FALSE(m_pApp->m_ToolRun.m_bRunning);
        EXPECT_EQ(OutputLf(), "The documentation tool of this JDK no longer writes the document type MIF. "
                              "Choose HTML in the JavaDoc options to document the sources.\n");
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("Hello.html").str()));
}
