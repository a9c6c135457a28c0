// The debugger window and run against the real debugger of the JDK:
// real processes, the Qt event loop of the test, and the exact command
// lines sent, in order. No debugger or debugged program outlives a test.
#include "ClassIndex.h"
#include "DebugController.h"
#include "Debugger.h"
#include "DebuggerRun.h"
#include "DebuggerRunState.h"
#include "MethodLines.h"
#include "RecordingDebuggerHost.h"
#include "RunMessages.h"
#include "RunThreads.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "TestJdk.h"
#include "VarClass.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <fstream>
#include <functional>
#include <memory>
#include <thread>

namespace {

const char* const s_hello =
    "public class Hello {\n"                               // 1
    "    static int twice(int n) {\n"                      // 2
    "        int r = n * 2;\n"                             // 3
    "        return r;\n"                                  // 4
    "    }\n"                                              // 5
    "    public static void main(String[] args) {\n"       // 6
    "        int a = 1;\n"                                 // 7
    "        System.out.println(\"hello \" + a);\n"        // 8
    "        a = twice(a);\n"                              // 9
    "        System.out.println(\"after \" + a);\n"        // 10
    "    }\n"                                              // 11
    "}\n";
const char* const s_calc =
    "public class Calc {\n"
    "    public static void main(String[] args) {\n"
    "        int x = 2;\n"                                 // 3
    "        int y = Helper.square(x);\n"                  // 4
    "        System.out.println(\"square \" + y);\n"       // 5
    "    }\n"
    "}\n";
const char* const s_helper =
    "public class Helper {\n"
    "    static int square(int v) {\n"
    "        int s = v * v;\n"                             // 3
    "        return s;\n"                                  // 4
    "    }\n"
    "}\n";
const char* const s_ex =
    "package p;\n"
    "public class Ex {\n"
    "    static class Inner {\n"
    "        int go(int d) {\n"
    "            int z = 10 / d;\n"                        // 5
    "            return z;\n"
    "        }\n"
    "    }\n"
    "    public static void main(String[] args) {\n"
    "\n"
    "        int k = 0;\n"
    "        System.out.println(\"x\");\n"                 // 12
    "        new Inner().go(k);\n"
    "    }\n"
    "}\n";
const char* const s_gap =
    "public class Gap {\n"
    "    public static void main(String[] args) {\n"
    "        int a = 1;\n"                                 // 3
    "\n"                                                   // 4: no code
    "        a = a + 1;\n"                                 // 5
    "        System.out.println(\"gap \" + a);\n"          // 6
    "    }\n"
    "}\n";
// Another thread prints text that looks like parts of a stop, all the time.
const char* const s_ticker =
    "public class Ticker {\n"
    "    public static void main(String[] args) throws Exception {\n"
    "        Thread t = new Thread(() -> { while (true) { System.out.print(\"tick line=7 (Ticker:2) \"); "
    "try { Thread.sleep(2); } catch (InterruptedException e) { } } });\n"
    "        t.setDaemon(true);\n"
    "        t.start();\n"
    "        Thread.sleep(100);\n"
    "        int k = 3;\n"                                 // 7
    "        k = k + 1;\n"                                 // 8
    "        System.out.println(\"k \" + k);\n"            // 9
    "    }\n"
    "}\n";
const char* const s_loop =
    "public class Loop {\n"
    "    public static void main(String[] args) throws Exception {\n"
    "        while (true) {\n"
    "            Thread.sleep(20);\n"
    "        }\n"
    "    }\n"
    "}\n";

bool WaitFor(const std::function<bool()>& fnDone, int nMilliseconds = 30000)
{
    auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMilliseconds);
    while (!fnDone()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Live (not zombie) processes whose command line holds pszNeedle.
int CountProcesses(const char* pszNeedle)
{
    int nCount = 0;
    DIR* pDir = ::opendir("/proc");
    if (!pDir)
        return -1;
    while (dirent* pEntry = ::readdir(pDir)) {
        if (pEntry->d_name[0] < '0' || pEntry->d_name[0] > '9')
            continue;
        std::string strDir = std::string("/proc/") + pEntry->d_name;
        std::string strCmd = ReadWholeFile((strDir + "/cmdline").c_str());
        for (char& ch : strCmd)
            if (ch == '\0')
                ch = ' ';
        if (strCmd.find(pszNeedle) == std::string::npos)
            continue;
        std::string strStat = ReadWholeFile((strDir + "/stat").c_str());
        size_t nParen = strStat.rfind(')');
        if (nParen != std::string::npos && nParen + 2 < strStat.size() && strStat[nParen + 2] != 'Z')
            ++nCount;
    }
    ::closedir(pDir);
    return nCount;
}

// Receives what a run hands its frame window.
class CRecordingWindow : public CMessageWindow {
public:
    ~CRecordingWindow() override { DestroyWindow(); }
    LRESULT OnWindowMessage(UINT nMsg, WPARAM, LPARAM lParam) override
    {
        if (nMsg == WM_OUTPUT_CHUNK) {
            const auto* pChunk = reinterpret_cast<const COutputChunk*>(lParam);
            m_strText += CString(pChunk->m_pBytes, static_cast<int>(pChunk->m_nCount));
        }
        return 1;
    }
    CString m_strText;
};

class CFakeIndex : public CClassIndex {
public:
    CVarClass* FindClass(const char* pszName) const override
    {
        return CString(pszName) == "Helper" ? const_cast<CVarClass*>(&m_helper) : nullptr;
    }
    CVarInterface* FindInterface(const char*) const override { return nullptr; }
    CVarContainer* FindMethodOwner(const CVarObject*) const override { return nullptr; }
    CVarClass m_helper;
};

CBreakpoint Bp(const char* pszClass, int nLine)
{
    CBreakpoint entry;
    entry.m_strClass = pszClass;
    entry.m_nLine = static_cast<WORD>(nLine);
    return entry;
}

class JdbTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_pFolder = new CTempFolder;
        std::string strFiles;
        for (auto [pszName, pszText] : {std::pair{"Hello.java", s_hello}, {"Calc.java", s_calc},
                                        {"Helper.java", s_helper}, {"p/Ex.java", s_ex}, {"Gap.java", s_gap},
                                        {"Ticker.java", s_ticker}, {"Loop.java", s_loop}}) {
            if (CString(pszName).Find('/') >= 0)
                std::system(("mkdir -p '" + std::string(s_pFolder->File("p").c_str()) + "'").c_str());
            strFiles += " '" + std::string(s_pFolder->Write(pszName, pszText).c_str()) + "'";
        }
        std::string strCommand = CTestJdk::Program("javac").str() + " -g -d '" + s_pFolder->Path().str() + "'" + strFiles;
        s_bCompiled = std::system(strCommand.c_str()) == 0;
    }
    static void TearDownTestSuite()
    {
        delete s_pFolder;
        s_pFolder = nullptr;
    }

    JdbTest()
    {
        for (const char* pszClass : {"Hello", "Calc", "Helper", "Gap", "Ticker", "Loop"})
            m_host.m_classes[pszClass] = s_pFolder->File((CString(pszClass) + ".java").c_str());
        m_host.m_classes["p.Ex"] = m_host.m_classes["p.Ex$Inner"] = s_pFolder->File("p/Ex.java");
    }
    ~JdbTest() override
    {
        if (m_pRun) {
            m_pRun->Terminate();
            EXPECT_TRUE(WaitFor([this] { return m_pRun->IsFinished(); }));
        }
        m_pDebugger.reset();
        m_pRun.reset();
        EXPECT_TRUE(CRunThreads::WaitIdle(20000));
        EXPECT_EQ(0, CountProcesses(s_pFolder->Path()));
    }

    CString CommandLine(const char* pszClass) const
    {
        return CTestJdk::Program("jdb") + " -classpath " + s_pFolder->Path() + " " + pszClass;
    }

    // Starts a debugger window over a real debugger; every command is logged
    // with the debug page's text as it was when the command went.
    void Start(const char* pszClass, std::vector<CBreakpoint> initial)
    {
        ASSERT_TRUE(s_bCompiled);
        m_pRun = std::make_unique<CDebuggerRun>(m_record);
        CDebuggerRun* pRun = m_pRun.get();
        m_pDebugger = std::make_unique<CDebugger>(
            m_host, &m_record,
            [this, pRun](const char* pszCommand) {
                m_textAtSend.push_back(m_host.m_strDebug);
                return pRun->Send(pszCommand);
            },
            std::move(initial));
        CString strError;
        ASSERT_TRUE(m_pRun->StartRedirected(CommandLine(pszClass), s_pFolder->Path(), 0, m_pDebugger->GetHandle(),
                                            m_frame.GetHandle(), strError))
            << strError.c_str();
        EXPECT_TRUE(m_record.m_bRunning);
        EXPECT_FALSE(m_record.m_bReady);
    }
    void WaitStops(size_t nCount)
    {
        ASSERT_TRUE(WaitFor([&] { return m_host.m_stops.size() >= nCount && Idle(); }))
            << m_host.m_strDebug.c_str() << m_pDebugger->Dump().c_str();
    }
    // At a break and no answer awaited.
    bool Idle() const { return m_pDebugger->IsAtBreak() && m_pDebugger->GetState() == CDebugger::STATE_RUNNING; }
    void WaitIdle()
    {
        ASSERT_TRUE(WaitFor([&] { return Idle() && m_host.m_strDebug.Right(2) == "] "; }))
            << m_host.m_strDebug.c_str() << m_pDebugger->Dump().c_str();
    }
    void WaitEnd()
    {
        ASSERT_TRUE(WaitFor([&] { return m_pRun->IsFinished(); })) << m_host.m_strDebug.c_str();
        EXPECT_FALSE(m_record.m_bRunning);
        EXPECT_TRUE(m_record.m_bReady);
        EXPECT_GE(m_frame.m_strText.Find("\nApplication Exit...\n"), 0);
    }
    const std::vector<CString>& Sent() const { return m_pDebugger->GetSentCommands(); }

    static CTempFolder* s_pFolder;
    static bool s_bCompiled;
    CDebuggerRunState m_record;
    CRecordingDebuggerHost m_host;
    CRecordingWindow m_frame;
    std::vector<CString> m_textAtSend;
    std::unique_ptr<CDebuggerRun> m_pRun;
    std::unique_ptr<CDebugger> m_pDebugger;
};

CTempFolder* JdbTest::s_pFolder = nullptr;
bool JdbTest::s_bCompiled = false;

TEST_F(JdbTest, WithoutBreakpointsTheFirstPromptLeadsToRun)
{
    Start("Hello", {});
    WaitEnd();
    EXPECT_EQ(std::vector<CString>{"run"}, Sent());
    EXPECT_GE(m_host.m_strDebug.Find("hello 1"), 0);
    EXPECT_GE(m_host.m_strDebug.Find("The application exited"), 0);
    EXPECT_TRUE(m_host.m_stops.empty());
    EXPECT_EQ(1, m_host.m_nShowDebug);   // the close shows the debug page
}

TEST_F(JdbTest, ThreeBreakpointsInTwoFilesGoOneAfterTheOther)
{
    Start("Calc", {Bp("Calc", 3), Bp("Calc", 5), Bp("Helper", 3)});
    WaitStops(1);
    ASSERT_EQ((std::vector<CString>{"stop at Calc:3", "stop at Calc:5", "stop at Helper:3", "run"}), Sent());
    // Each went only after the answer to the one before.
    EXPECT_GE(m_textAtSend[1].Find("Deferring breakpoint Calc:3"), 0);
    EXPECT_LT(m_textAtSend[1].Find("Calc:5"), 0);
    EXPECT_GE(m_textAtSend[2].Find("Deferring breakpoint Calc:5"), 0);
    EXPECT_GE(m_textAtSend[3].Find("Deferring breakpoint Helper:3"), 0);
    EXPECT_TRUE(m_record.m_bReady);
    m_pDebugger->Cont();
    WaitStops(2);
    m_pDebugger->Cont();
    WaitStops(3);
    EXPECT_EQ(CString("Calc:3 Helper:3 Calc:5"), m_host.Stops());
    m_pDebugger->Cont();
    WaitEnd();
    EXPECT_EQ(7u, Sent().size());
}

TEST_F(JdbTest, StopsInAPackageAnInnerClassAndAnUncaughtException)
{
    Start("p.Ex", {Bp("p.Ex", 12), Bp("p.Ex$Inner", 5)});
    WaitStops(1);
    m_pDebugger->Cont();
    WaitStops(2);
    m_pDebugger->Cont();
    WaitStops(3);
    EXPECT_EQ(CString("p.Ex:12 p.Ex$Inner:5 p.Ex$Inner:5"), m_host.Stops());
    EXPECT_GE(m_host.m_strDebug.Find("Exception occurred: java.lang.ArithmeticException"), 0);
    m_pDebugger->Cont();
    WaitEnd();
    EXPECT_EQ((std::vector<CString>{"stop at p.Ex:12", "stop at p.Ex$Inner:5", "run", "cont", "cont", "cont"}),
              Sent());
}

TEST_F(JdbTest, StepStepOverListingsAndTypedCommands)
{
    int nFirst = 0, nLast = 0;
    ASSERT_TRUE(CMethodLines::FindInFile(m_host.m_classes["Hello"], 9, nFirst, nLast));
    EXPECT_EQ(6, nFirst);
    EXPECT_EQ(11, nLast);

    Start("Hello", {Bp("Hello", 7)});
    // Typed while the program runs: ignored.
    EXPECT_FALSE(m_pDebugger->TypedCommand("locals"));
    WaitStops(1);
    EXPECT_TRUE(m_pDebugger->Step());
    WaitStops(2);
    EXPECT_TRUE(m_pDebugger->StepOver());
    WaitStops(3);
    WaitIdle();
    for (auto fnList : {&CDebugger::Locals, &CDebugger::WhereAll, &CDebugger::Threads, &CDebugger::Memory}) {
        EXPECT_TRUE((m_pDebugger.get()->*fnList)());
        WaitIdle();
    }
    EXPECT_TRUE(m_pDebugger->TypedCommand("print a"));
    WaitIdle();
    EXPECT_GE(m_host.m_strDebug.Find("------------- print a --------------\n"), 0);
    EXPECT_GE(m_host.m_strDebug.Find(" a = 1"), 0);
    EXPECT_GE(m_host.m_strDebug.Find("[1] Hello.main (Hello.java:9)"), 0);
    EXPECT_EQ(std::vector<CString>{"print a"}, m_pDebugger->GetHistory());
    EXPECT_TRUE(m_pDebugger->StepOver());   // over the call on line 9
    WaitStops(4);
    WaitIdle();
    EXPECT_EQ(CString("Hello:7 Hello:8 Hello:9 Hello:10"), m_host.Stops());
    // The next-to-last line: nothing is sent and the stop is cleared.
    const size_t nSent = Sent().size();
    EXPECT_FALSE(m_pDebugger->StepOver());
    EXPECT_EQ(nSent, Sent().size());
    EXPECT_TRUE(m_pDebugger->GetStopClass().IsEmpty());
    EXPECT_TRUE(m_pDebugger->IsAtBreak());
    EXPECT_TRUE(m_pDebugger->TypedCommand("CONT"));
    WaitEnd();
    EXPECT_EQ((std::vector<CString>{"stop at Hello:7", "run", "step", "stop at Hello:9", "cont", "clear Hello:9",
                                    "locals", "where all", "threads", "memory", "print a", "stop at Hello:10", "cont",
                                    "clear Hello:10", "cont"}),
              Sent());
    EXPECT_EQ((std::vector<CString>{"CONT", "print a"}), m_pDebugger->GetHistory());
}

TEST_F(JdbTest, ALineWithoutCodeIsReportedAndTheRunGoesOn)
{
    Start("Gap", {Bp("Gap", 4), Bp("Gap", 3)});
    ASSERT_TRUE(WaitFor([&] { return Idle(); })) << m_host.m_strDebug.c_str();
    EXPECT_GE(m_host.m_strDebug.Find("Error setting breakpoint Gap:4\n"), 0);
    std::vector<CString> expected = {"stop at Gap:4", "stop at Gap:3", "run"};
    // The stop after the failed deferred breakpoint lies inside the JDK,
    // unless the debugger reports it together with the breakpoint on line 3.
    if (m_pDebugger->GetStopClass().IsEmpty()) {
        EXPECT_TRUE(m_host.m_stops.empty());
        m_pDebugger->Cont();
        expected.push_back("cont");
    }
    WaitStops(1);
    EXPECT_EQ(CString("Gap:3"), m_host.Stops());
    // Step over a line without code: the line after it takes the temporary breakpoint.
    ASSERT_TRUE(m_pDebugger->StepOver()) << m_pDebugger->Dump().c_str();
    WaitStops(2);
    WaitIdle();
    EXPECT_EQ(CString("Gap:3 Gap:5"), m_host.Stops());
    m_pDebugger->Cont();
    WaitEnd();
    for (const char* psz : {"stop at Gap:4", "stop at Gap:5", "cont", "clear Gap:5", "cont"})
        expected.push_back(psz);
    EXPECT_EQ(expected, Sent());
}

TEST_F(JdbTest, AProgramThatPrintsWhileStopped)
{
    Start("Ticker", {Bp("Ticker", 7)});
    WaitStops(1);
    m_pDebugger->Step();
    WaitStops(2);
    m_pDebugger->Step();
    WaitStops(3);
    EXPECT_EQ(CString("Ticker:7 Ticker:8 Ticker:9"), m_host.Stops());
    m_pDebugger->Cont();
    WaitEnd();
}

TEST_F(JdbTest, StepoverPackagesStepsOnThroughIndexedClasses)
{
    CFakeIndex index;
    m_host.m_pIndex = &index;
    Start("Calc", {Bp("Calc", 4)});
    WaitStops(1);
    EXPECT_TRUE(m_pDebugger->StepOverPackages());
    WaitStops(2);
    EXPECT_EQ(CString("Calc"), m_host.m_stops.back().first);
    EXPECT_FALSE(m_pDebugger->IsSkippingPackages());
    EXPECT_LT(m_host.Stops().Find("Helper"), 0);
    // One step into Helper, more while the stops stay there, one back out.
    const std::vector<CString> steps(Sent().begin() + 2, Sent().end());
    EXPECT_GE(steps.size(), 3u);
    for (const CString& str : steps)
        EXPECT_EQ(CString("step"), str);
    m_pDebugger->Cont();
    WaitEnd();
}

// The controller as the program uses it: intro lines, Stop Debug's
// question, and no process left behind while the program ran freely.
TEST(DebugController, StopDebugLeavesNoProcess)
{
    CTempFolder folder;
    folder.Write("Loop.java", s_loop);
    ASSERT_EQ(0, std::system((CTestJdk::Program("javac").str() + " -d '" + std::string(folder.Path().c_str()) + "' '" +
                              std::string(folder.File("Loop.java").c_str()) + "'").c_str()));
    CScriptedUserInterface ui;
    CDebuggerRunState record;
    CRecordingDebuggerHost host;
    CDebugController controller(record, host);
    CString strLine = CTestJdk::Program("jdb") + " -classpath " + folder.Path() + " Loop";

    // Without the compile-debug option the user is asked first.
    ui.Answer(IDNO);
    EXPECT_FALSE(controller.StartRedirected(strLine, folder.Path(), 0, FALSE, {}));
    ASSERT_EQ(1u, ui.m_shown.size());
    EXPECT_EQ(CString("This project does not have the compile debug option set. Please select YES to continue with "
                      "DEBUG otherwise select NO to cancel DEBUG."),
              ui.m_shown[0].strText);
    EXPECT_FALSE(controller.IsActive());

    ASSERT_TRUE(controller.StartRedirected(strLine, folder.Path(), 0, TRUE, {}));
    EXPECT_EQ(strLine + "\n--------------------------------------------\nDouble click on a variable in the source\n"
                        "window at a break or step to check its value\n--------------------------------------------\n",
              host.m_strDebug);
    ASSERT_TRUE(WaitFor([&] { return host.m_strDebug.Find("VM Started") >= 0; })) << host.m_strDebug.c_str();
    EXPECT_EQ(2, CountProcesses(folder.Path()));   // the debugger and the program
    EXPECT_FALSE(controller.GetDebugger()->TypedCommand("threads"));
    EXPECT_EQ(std::vector<CString>{"run"}, controller.GetDebugger()->GetSentCommands());

    ui.Answer(IDYES);
    controller.StopDebug();
    ASSERT_EQ(2u, ui.m_shown.size());
    EXPECT_EQ(UINT(MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), ui.m_shown[1].nType);
    ASSERT_TRUE(WaitFor([&] { return host.m_nEnded == 1; }));
    EXPECT_FALSE(controller.IsActive());
    EXPECT_EQ(nullptr, controller.GetDebugger());
    EXPECT_EQ(CString("\nApplication Exit...\n"), host.m_strDebug.Right(21));
    EXPECT_TRUE(CRunThreads::WaitIdle(20000));
    EXPECT_EQ(0, CountProcesses(folder.Path()));
}

TEST(DebugController, ConsoleRunInATerminal)
{
    CTempFolder folder;
    CString strLog = folder.File("terminal.log");
    CString strTerminal = folder.Write("term.sh", "#!/bin/sh\necho \"$@\" > '" + strLog.str() + "'\n");
    ASSERT_EQ(0, ::chmod(strTerminal, 0755));
    const char* pszOld = std::getenv("TERMINAL");
    CString strOld = pszOld ? pszOld : "";
    ::setenv("TERMINAL", strTerminal, 1);

    CDebuggerRunState record;
    CRecordingDebuggerHost host;
    CDebugController controller(record, host);
    ASSERT_TRUE(controller.StartConsole("jdb -classpath /x Hello", folder.Path(), 0));
    EXPECT_EQ(CString("jdb -classpath /x Hello\nType exit at '>' prompt to exit JDB debugger...\n"), host.m_strOutput);
    EXPECT_TRUE(WaitFor([&] { return !controller.IsActive(); }));
    EXPECT_EQ(std::string("-e jdb -classpath /x Hello\n"), ReadWholeFile(strLog));

    // No terminal emulator: the output says so and nothing starts.
    ::setenv("TERMINAL", folder.File("missing").c_str(), 1);
    const char* pszPath = std::getenv("PATH");
    CString strPath = pszPath ? pszPath : "";
    ::setenv("PATH", folder.Path(), 1);
    host.m_strOutput.Empty();
    EXPECT_FALSE(controller.StartConsole("jdb Hello", folder.Path(), 0));
    ::setenv("PATH", strPath, 1);
    if (pszOld)
        ::setenv("TERMINAL", strOld, 1);
    else
        ::unsetenv("TERMINAL");
    EXPECT_EQ(CString("No terminal emulator was found to run the debugger in: set TERMINAL to one, or install "
                      "x-terminal-emulator.\n"),
              host.m_strOutput);
    EXPECT_FALSE(controller.IsActive());
    EXPECT_TRUE(CRunThreads::WaitIdle(20000));
}

}  // namespace
