// Program runs against the installed JDK: Run (F4) with and without a
// project, output in order, the input window, stack-trace navigation, the
// archive tool and the missing RMI compiler and applet viewer, the project
// pages, captured user commands, and the main window's close during runs.
#include "Command.h"
#include "CommandsDoc.h"
#include "JarOptions.h"
#include "MDIOutputFrame.h"
#include "ProgramInputModel.h"
#include "ProgramRunner.h"
#include "RmiOptions.h"
#include "ToolCommandLine.h"
#include "ToolRunFixture.h"

#include <sys/stat.h>

#include <filesystem>

namespace {

const char* const HELLO = "public class Hello {\n    public static void main(String[] args) {\n"
                          "        System.out.println(\"Hello\");\n    }\n}\n";
const char* const ECHO = "import java.io.*;\npublic class Echo {\n"
                         "    public static void main(String[] args) throws IOException {\n"
                         "        BufferedReader in = new BufferedReader(new InputStreamReader(System.in));\n"
                         "        System.out.println(\"Got: \" + in.readLine());\n    }\n}\n";
const char* const BOOM = "public class Boom {\n    static void fail() {\n"
                         "        throw new IllegalStateException(\"boom\");\n    }\n"
                         "    public static void main(String[] args) { fail(); }\n}\n";

// The lines "line 0000".."line 0499": 5000 bytes printed at once.
std::string BigText()
{
    std::string strText;
    char szLine[16];
    for (int i = 0; i < 500; ++i) {
        snprintf(szLine, sizeof szLine, "line %04d\n", i);
        strText += szLine;
    }
    return strText;
}

}  // namespace

class ProgramRunTest : public ToolRunTest {
protected:
    // Writes and compiles a source file; its path.
    CString CompiledSource(const char* pszName, const std::string& strText)
    {
        CString strPath = WriteSource(pszName, strText);
        EXPECT_TRUE(CompileAndWait(strPath)) << OutputLf();
        EXPECT_NE(OutputLf().find("No Errors..."), std::string::npos) << OutputLf();
        return strPath;
    }
    CString InterpreterLine(const char* pszClass)
    {
        return CToolCommandLine::Interpreter(nullptr, m_pDoc->m_options, m_pApp->m_DirSettings.m_strExePath,
                                             CString(pszClass));
    }
};

TEST_F(ProgramRunTest, LongOutputArrivesWholeAndInOrder)
{
    std::string strBig = BigText();
    m_host.m_strActive = CompiledSource(
        "Big.java", "public class Big {\n    public static void main(String[] args) {\n"
                    "        StringBuilder b = new StringBuilder();\n"
                    "        for (int i = 0; i < 500; i++) b.append(String.format(\"line %04d\\n\", i));\n"
                    "        System.out.print(b);\n        System.out.flush();\n    }\n}\n");
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    EXPECT_TRUE(m_pTools->IsCommandEnabled(CToolCommands::ID_STOP_RUN));
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_RUN)) << "one program run at a time";
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_EQ(OutputLf(), InterpreterLine("Big").str() + "\n" + strBig + "Application Exit...");
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_STOP_RUN));
}

TEST_F(ProgramRunTest, InputWindowLinesReachTheProgram)
{
    m_host.m_strActive = CompiledSource("Echo.java", ECHO);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_INPUT_WINDOW));
    CProgramInputModel* pInput = m_pTools->GetInputModel();
    ASSERT_NE(pInput, nullptr);
    EXPECT_TRUE(pInput->IsOpen());
    EXPECT_FALSE(pInput->Send()) << "an empty field sends nothing";
    pInput->SetText("hello there");
    EXPECT_TRUE(pInput->Send());
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_NE(OutputLf().find("\nGot: hello there\n"), std::string::npos) << OutputLf();
    EXPECT_TRUE(WaitFor([pInput] { return !pInput->IsOpen(); })) << "closed when the program ends";
    EXPECT_EQ(pInput->Dump(), "open=0\ntext=\nhistory=hello there\n");
}

TEST_F(ProgramRunTest, StopRunEndsTheProgramAndBusyToolsWait)
{
    m_host.m_strActive = CompiledSource("Echo.java", ECHO);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    CJarOptions jar;
    jar.m_strOutputFile = m_folder.File("busy.jar");
    EXPECT_FALSE(m_pTools->OnJarOK(jar));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Please wait. Another process is using the output Window !!!");
    EXPECT_EQ(m_pApp->m_EditorSettings.m_strJarOutputFile, jar.m_strOutputFile) << "the values are kept";
    EXPECT_FALSE(m_pTools->OnRmiOK(CRmiOptions()));
    EXPECT_EQ(m_ui.m_shown.size(), 2u);

    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_STOP_RUN));
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_EQ(OutputLf().find("Got:"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(jar.m_strOutputFile.str()));
}

TEST_F(ProgramRunTest, StackTraceLineNavigatesToTheSource)
{
    CString strBoom = CompiledSource("Boom.java", BOOM);
    m_host.m_strActive = strBoom;
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    ASSERT_TRUE(WaitProgramDone());
    LONG nLine = LineStartOf("at Boom.fail(Boom.java:3)");
    ASSERT_GE(nLine, 0) << OutputLf();
    EXPECT_TRUE(m_pTools->GetOutputWnd().OnDoubleClick(nLine + 2));
    ASSERT_EQ(m_host.m_opened.size(), 1u);
    EXPECT_EQ(std::filesystem::canonical(m_host.m_opened[0].first.str()), std::filesystem::canonical(strBoom.str()));
    EXPECT_EQ(m_host.m_opened[0].second, 3);
}

TEST_F(ProgramRunTest, RunStartsThePackagedMainClassOfTheProject)
{
    CProject& project = OpenProject();
    CString strMain = WriteSource("pkg/Main.java", "package pkg;\npublic class Main {\n"
                                                   "    public static void main(String[] args) {\n"
                                                   "        System.out.println(\"In package \" + args[0]);\n"
                                                   "    }\n}\n");
    AddFilesInOrder({strMain});
    project.m_strMainClass = "Main.java";
    project.m_options.m_bCompOutputDir = TRUE;
    project.m_options.m_strCompOutputDir = m_folder.Path();
    project.m_options.m_bInterpClassPath = TRUE;
    project.m_options.m_strInterpClassPath = m_folder.Path();
    project.m_options.m_bInterpProgramArgs = TRUE;
    project.m_options.m_strInterpProgramArgs = "first";
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_COMPILE_MAIN_FILE));
    ASSERT_TRUE(WaitToolIdle());
    ASSERT_TRUE(std::filesystem::exists(m_folder.File("pkg/Main.class").str())) << OutputLf();

    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    ASSERT_TRUE(WaitProgramDone());
    std::string strOut = OutputLf();
    std::string strFirst = strOut.substr(0, strOut.find('\n'));
    EXPECT_NE(strFirst.find("-classpath " + m_folder.Path().str() + " "), std::string::npos) << strFirst;
    EXPECT_NE(strFirst.find(" pkg.Main first"), std::string::npos) << strFirst;
    EXPECT_NE(strOut.find("\nIn package first\n"), std::string::npos) << strOut;
}

TEST_F(ProgramRunTest, RunFindsTheMainClassOrSaysThereIsNone)
{
    CProject& project = OpenProject();
    CString strPlain = WriteSource("Plain.java", "public class Plain { }\n");
    AddFilesInOrder({strPlain});
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText,
              "Unable to find a class with Main method to run. Please define main method in a class or add a HTML "
              "file to the project and select the HTML file as main HTML file to run as an Applet.");
    EXPECT_FALSE(m_pApp->m_ProgramRun.m_bBusy);
    EXPECT_EQ(m_ui.m_statusTexts, (std::vector<CString>{"Wait, Parsing all files for main class...", "Done"}));
    EXPECT_EQ(m_ui.m_nWaitDepth, 0);

    CString strHello = CompiledSource("Hello.java", HELLO);
    AddFilesInOrder({strHello});
    project.SetModifiedFlag(FALSE);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    EXPECT_EQ(project.m_strMainClass, "Hello.java");
    EXPECT_TRUE(project.IsModified());
    EXPECT_EQ(m_host.m_nImageRefreshes, 1);
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_NE(OutputLf().find("\nHello\n"), std::string::npos) << OutputLf();
}

TEST_F(ProgramRunTest, MissingToolsSayTheyCannotStartAndLeaveEverythingIdle)
{
    CProject& project = OpenProject();
    CString strPage = WriteSource("Page.html", "<html></html>\n");
    AddFilesInOrder({strPage});
    project.m_strMainHtml = "Page.html";
    CRmiOptions rmi;
    rmi.m_arrClasses.Add("Server");
    // Every kind of field differs from its default, so the settings round trip below checks the mapping.
    rmi.m_bDebug = rmi.m_bKeepGenerated = rmi.m_bStubDir = rmi.m_bVerbose = TRUE;
    rmi.m_strOutputDir = "classes";
    rmi.m_strStubDir = "stubs";
    rmi.m_strSkeletonDir = "skeletons";
    rmi.m_strCustomOptions = "-J-Dx=1";

    // Neither tool is in the JDKs after 8: the output says which and why.
    struct Case {
        const char* pszName;
        std::function<void()> fnStart;
        const char* pszWhy;
    } cases[] = {
        {"applet viewer", [&] { m_pTools->OnCommand(CToolCommands::ID_RUN); },
         "appletviewer is not part of this JDK: the JDKs after version 8 no longer have it. To run applets, name a "
         "JDK 8 or older in Customize, Directories.\n"},
        {"RMI compiler", [&] { m_pTools->OnRmiOK(rmi); },
         "rmic is not part of this JDK: the JDKs after version 8 no longer have it. To make RMI stubs and "
         "skeletons, name a JDK 8 or older in Customize, Directories.\n"},
    };
    for (const Case& c : cases) {
        c.fnStart();
        EXPECT_NE(OutputLf().find("Error executing a JAVA program. Please check the following - \n"), std::string::npos)
            << c.pszName << ": " << OutputLf();
        EXPECT_NE(OutputLf().find(c.pszWhy), std::string::npos) << c.pszName << ": " << OutputLf();
        EXPECT_EQ(m_pTools->Dump(), "tool run: running=0 sequence=0 continuation=0 source=\n"
                                    "program run: busy=0 user-abort=0\ninput window: none\noutput windows: 0\n")
            << c.pszName;
        EXPECT_TRUE(m_pTools->IsCommandEnabled(CToolCommands::ID_RUN)) << c.pszName;
        EXPECT_TRUE(m_ui.m_shown.empty()) << c.pszName;
    }
    CRmiOptions fromSettings;
    m_pTools->GetRmiSettings(fromSettings);
    rmi.m_arrClasses.RemoveAll();   // the class list is not kept between runs of the dialog
    EXPECT_EQ(fromSettings.Dump(), rmi.Dump());
    EXPECT_EQ(m_host.m_saved.size(), 1u) << "the page is saved before the applet runs";
}

TEST_F(ProgramRunTest, AJdkThatStillHasRmicRunsItWithoutTheDroppedToolLine)
{
    // An old JDK's folder, as far as RMI Compile is concerned: an rmic that reports its arguments.
    CString strBin = m_folder.File("oldjdk/bin");
    std::filesystem::create_directories(strBin.str());
    CString strRmic = m_folder.Write("oldjdk/bin/rmic", "#!/bin/sh\necho \"rmic got $*\"\n");
    ASSERT_EQ(::chmod(strRmic, 0755), 0);
    m_pApp->m_DirSettings.m_strExePath = strBin;
    OpenProject();
    CRmiOptions rmi;
    rmi.m_arrClasses.Add("Server");
    ASSERT_TRUE(m_pTools->OnRmiOK(rmi));
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_NE(OutputLf().find("rmic got "), std::string::npos) << OutputLf();
    EXPECT_NE(OutputLf().find("Server"), std::string::npos) << OutputLf();
    EXPECT_EQ(OutputLf().find("not part of this JDK"), std::string::npos) << OutputLf();
}

TEST_F(ProgramRunTest, JarRunWritesTheArchive)
{
    CompiledSource("Hello.java", HELLO);
    CJarOptions jar;
    jar.m_strOutputFile = m_folder.File("hello.jar");
    jar.m_bCreate = jar.m_bSpecifyArchive = jar.m_bVerbose = TRUE;
    jar.m_arrFiles.Add("*.class");
    ASSERT_TRUE(m_pTools->OnJarOK(jar));
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_TRUE(std::filesystem::exists(jar.m_strOutputFile.str())) << OutputLf();
    EXPECT_NE(OutputLf().find("Hello.class"), std::string::npos) << OutputLf();
    EXPECT_EQ(m_pApp->m_EditorSettings.m_strJarOutputFile, jar.m_strOutputFile);
    EXPECT_TRUE(m_pApp->m_EditorSettings.m_bJarVerbose);

    CJarOptions fromSettings;
    m_pTools->GetJarSettings(fromSettings);
    // The create switch and the file list are the dialog's own, not kept between runs.
    jar.m_bCreate = FALSE;
    jar.m_arrFiles.RemoveAll();
    EXPECT_EQ(fromSettings.Dump(), jar.Dump());
}

TEST_F(ProgramRunTest, DefaultHtmlIsWrittenOnce)
{
    CProject& project = OpenProject();
    project.m_strMainClass = "Hello.java";
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_ADD_DEFAULT_HTML));
    CString strPage = m_folder.File("Default.htm");
    EXPECT_TRUE(project.HasFile(strPage));
    EXPECT_EQ(project.m_strMainHtml, "Default.htm");
    EXPECT_NE(ReadWholeFile(strPage).find("<APPLET CODE=Hello.class WIDTH=300 HEIGHT=300></APPLET>\n"),
              std::string::npos);
    EXPECT_TRUE(m_ui.m_shown.empty());

    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_ADD_DEFAULT_HTML));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Default HTML file found in the project !!!");

    m_host.m_bProjectPage = FALSE;
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_ADD_DEFAULT_HTML));
}

TEST_F(ProgramRunTest, DefaultHtmlWithoutMainClassAsksToFillItIn)
{
    CProject& project = OpenProject();
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_ADD_DEFAULT_HTML));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText,
              "Project main class not set. Please fill in the Applet class manually in the Default HTML file !!!");
    EXPECT_TRUE(project.HasFile(m_folder.File("Default.htm")));
}

TEST_F(ProgramRunTest, ManifestFileAndBeanPresets)
{
    CProject& project = OpenProject();
    AddFilesInOrder({WriteSource("beans/Bean.java", "package my.beans;\npublic class Bean { }\n")});
    project.m_strMainClass = "Bean.java";
    EXPECT_TRUE(m_pTools->IsCommandEnabled(CToolCommands::ID_ADD_MANIFEST));
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_MAKE_BEAN));
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_ADD_MANIFEST));
    CString strManifest = m_folder.File("Bean.mft");
    EXPECT_EQ(ReadWholeFile(strManifest), "Name: my/beans/Bean.class\nJava-Bean: True");
    EXPECT_TRUE(project.HasFile(strManifest));
    EXPECT_FALSE(m_pTools->IsCommandEnabled(CToolCommands::ID_ADD_MANIFEST));
    EXPECT_TRUE(m_pTools->IsCommandEnabled(CToolCommands::ID_MAKE_BEAN));

    CJarOptions bean;
    m_pTools->GetBeanPreset(bean);
    EXPECT_TRUE(bean.m_bCreate && bean.m_bIncludeManifest && bean.m_bSpecifyArchive && bean.m_bCustom);
    EXPECT_EQ(bean.m_strManifestFile, strManifest);
    EXPECT_EQ(bean.m_strOutputFile, m_folder.File("Bean.jar"));
}

TEST_F(ProgramRunTest, CapturedUserCommandShowsItsOutputAndAsksBeforeClosing)
{
    CString strFile = WriteSource("Hello.java", HELLO);
    CCommandsDoc* pCommands = m_pApp->GetCommandsDoc();
    ASSERT_NE(pCommands, nullptr);
    struct Case {
        const char* pszCommand;
        const char* pszArguments;
    } cases[] = {{"echo", "<File Name>"}, {"sleep", "30"}, {"no-such-program-here", ""}};
    for (const Case& c : cases) {
        CCommand* pCommand = new CCommand;
        pCommand->m_strName = c.pszCommand;
        pCommand->m_strCommand = c.pszCommand;
        pCommand->m_strArguments = c.pszArguments;
        pCommand->m_bCaptureOutput = pCommand->m_bOnFileMenu = TRUE;
        pCommands->Add(pCommand);
    }
    const UINT nFirst = CCommandsDoc::FIRST_FILE_COMMAND_ID;

    ASSERT_TRUE(m_pApp->RunUserCommand(nFirst, strFile));
    ASSERT_EQ(m_pTools->GetOutputFrameCount(), 1);
    CMDIOutputFrame* pEcho = m_pTools->GetOutputFrame(0);
    EXPECT_EQ(pEcho->GetTitle(), "echo Hello");
    EXPECT_EQ(m_host.m_frames, std::vector<CMDIOutputFrame*>{pEcho});
    ASSERT_TRUE(WaitFor([pEcho] { return pEcho->GetView().GetText().Find("Process Exit...") >= 0; }));
    CString strText = pEcho->GetView().GetText();
    strText.Replace("\r\n", "\n");
    EXPECT_EQ(strText, "echo Hello\nHello\nProcess Exit...");
    EXPECT_TRUE(m_pTools->CloseOutputFrame(pEcho)) << "an ended process closes without a question";
    EXPECT_TRUE(m_ui.m_shown.empty());

    ASSERT_TRUE(m_pApp->RunUserCommand(nFirst + 1, strFile));
    ASSERT_EQ(m_pTools->GetOutputFrameCount(), 1);
    EXPECT_NE(m_pTools->Dump().Find("output windows: 1\n  sleep 30\n"), -1) << m_pTools->Dump().str();
    CMDIOutputFrame* pSleep = m_pTools->GetOutputFrame(0);
    m_ui.Answer(IDNO);
    EXPECT_FALSE(m_pTools->CloseOutputFrame(pSleep));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Closing this Window will terminate this process. Please select Yes to "
                                       "terminate the process or select No");
    EXPECT_EQ(m_ui.m_shown[0].nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2));
    m_ui.Answer(IDYES);
    EXPECT_TRUE(m_pTools->CloseOutputFrame(pSleep));
    EXPECT_EQ(m_pTools->GetOutputFrameCount(), 0);

    EXPECT_FALSE(m_pApp->RunUserCommand(nFirst + 2, strFile));
    EXPECT_EQ(m_pTools->GetOutputFrameCount(), 0) << "a failed start leaves no window";
    EXPECT_EQ(m_ui.m_shown.size(), 3u);
}

TEST_F(ProgramRunTest, ClosingTheMainWindowDuringRunsEndsThemAndClosesAfterwards)
{
    int nCloseRequests = 0;
    m_pTools->SetCloseHandler([&nCloseRequests] { ++nCloseRequests; });
    m_host.m_strActive = CompiledSource("Echo.java", ECHO);
    ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
    m_ui.Answer(IDYES);
    EXPECT_TRUE(m_pApp->CanCloseMainFrame());
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Application is running. Select Yes to Stop the app and exit.");
    ASSERT_TRUE(WaitProgramDone());
    EXPECT_TRUE(WaitFor([&nCloseRequests] { return nCloseRequests == 1; }));

    CString strScript = m_folder.Write("slowc", "#!/bin/sh\nexec sleep 30\n");
    ASSERT_EQ(::chmod(strScript, 0755), 0);
    m_pDoc->m_options.m_bCompUseOther = TRUE;
    m_pDoc->m_options.m_strCompOtherCommand = strScript;
    ASSERT_TRUE(m_pTools->Compile(m_host.m_strActive, 0, FALSE));
    m_ui.Answer(IDNO);
    EXPECT_FALSE(m_pApp->CanCloseMainFrame());
    EXPECT_TRUE(m_pApp->m_ToolRun.m_bRunning) << "No keeps the run";
    m_ui.Answer(IDYES);
    EXPECT_TRUE(m_pApp->CanCloseMainFrame());
    ASSERT_TRUE(WaitToolIdle());
    EXPECT_NE(OutputLf().find("User Abort...\n"), std::string::npos);
    EXPECT_TRUE(WaitFor([&nCloseRequests] { return nCloseRequests == 2; }));
}

TEST_F(ProgramRunTest, OldInterpreterSwitchesStillStartTheProgram)
{
    m_host.m_strActive = CompiledSource("Ran.java", "public class Ran {\n    public static void main(String[] a) {\n"
                                                    "        System.out.println(\"ran\");\n    }\n}\n");
    struct Case {
        const char* pszName;
        void (*pfnSet)(CToolOptions&);
        const char* pszInLine;  // must be in the command line; null: nothing added
        const char* pszLeftOut; // the left-out line's switches; null: no such line
    } cases[] = {
        {"mx", [](CToolOptions& o) { o.m_bInterpMx = TRUE; o.m_strInterpMx = "64m"; }, " -Xmx64m ", nullptr},
        {"ms", [](CToolOptions& o) { o.m_bInterpMs = TRUE; o.m_strInterpMs = "8m"; }, " -Xms8m ", nullptr},
        {"ss", [](CToolOptions& o) { o.m_bInterpSs = TRUE; o.m_strInterpSs = "2m"; }, " -Xss2m ", nullptr},
        {"verbosegc", [](CToolOptions& o) { o.m_bInterpVerboseGc = TRUE; }, " -verbose:gc ", nullptr},
        {"cs", [](CToolOptions& o) { o.m_bInterpCs = TRUE; }, nullptr, "-cs"},
        {"noasyncgc", [](CToolOptions& o) { o.m_bInterpNoAsyncGc = TRUE; }, nullptr, "-noasyncgc"},
        {"oss", [](CToolOptions& o) { o.m_bInterpOss = TRUE; o.m_strInterpOss = "1m"; }, nullptr, "-oss"},
        {"verify", [](CToolOptions& o) { o.m_bInterpVerify = TRUE; }, nullptr, "-verify"},
        {"noverify", [](CToolOptions& o) { o.m_bInterpNoVerify = TRUE; }, nullptr, "-noverify"},
        {"verifyremote", [](CToolOptions& o) { o.m_bInterpVerifyRemote = TRUE; }, nullptr, "-verifyremote"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_pDoc->m_options = CToolOptions();
        c.pfnSet(m_pDoc->m_options);
        ASSERT_TRUE(m_pTools->OnCommand(CToolCommands::ID_RUN));
        ASSERT_TRUE(WaitProgramDone());
        std::string strOut = OutputLf();
        std::string strFirst = strOut.substr(0, strOut.find('\n'));
        if (c.pszInLine) {
            EXPECT_NE(strFirst.find(c.pszInLine), std::string::npos) << strFirst;
        }
        std::string strLeftOut = c.pszLeftOut ? std::string("\nLeft out ") + c.pszLeftOut + ": " : "\nLeft out ";
        EXPECT_EQ(strOut.find(strLeftOut) != std::string::npos, c.pszLeftOut != nullptr) << strOut;
        EXPECT_NE(strOut.find("\nran\n"), std::string::npos) << strOut;
        EXPECT_EQ(strOut.find("Unrecognized option"), std::string::npos) << strOut;
        EXPECT_EQ(strOut.find("warning"), std::string::npos) << strOut;
    }
}
