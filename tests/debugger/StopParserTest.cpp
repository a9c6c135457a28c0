// The debugger's answers read by CStopParser, the source positions of
// stack lines, and a stop fed to the debugger window in two pieces split
// at every byte.
#include "Debugger.h"
#include "RecordingDebuggerHost.h"
#include "SourcePosition.h"
#include "StopParser.h"

#include <gtest/gtest.h>

namespace {

struct StopCase {
    const char* pszName;
    const char* pszText;
    CStopParser::EResult nResult;
    const char* pszClass;
    int nLine;
    BOOL bException;
};

const StopCase s_stops[] = {
    {"BreakpointWhole", "\nBreakpoint hit: \"thread=main\", Hello.main(), line=10 bci=6\n10   x();\n\nmain[1] ",
     CStopParser::STOP_FOUND, "Hello", 10, FALSE},
    {"PackageClass", "Breakpoint hit: \"thread=main\", p.q.Hello.run(), line=4 bci=0\n", CStopParser::STOP_FOUND,
     "p.q.Hello", 4, FALSE},
    {"InnerClass", "Step completed: \"thread=main\", p.Ex$Inner.go(), line=5 bci=0\n", CStopParser::STOP_FOUND,
     "p.Ex$Inner", 5, FALSE},
    {"Lambda", "Breakpoint hit: \"thread=worker\", Hello.lambda$main$0(), line=3 bci=0\n", CStopParser::STOP_FOUND,
     "Hello", 3, FALSE},
    {"EmptyStepThenBreakpoint",
     "\nStep completed: \nBreakpoint hit: \"thread=main\", Hello.twice(), line=3 bci=0\n3  int r;\n",
     CStopParser::STOP_FOUND, "Hello", 3, FALSE},
    {"UncaughtException",
     "\nException occurred: java.lang.ArithmeticException (uncaught)\"thread=main\", p.Ex$Inner.go(), line=5 bci=3\n",
     CStopParser::STOP_FOUND, "p.Ex$Inner", 5, TRUE},
    {"DeferredErrorsStopInsideJdk",
     "\nStopping due to deferred breakpoint errors.\n\"thread=main\", java.lang.Class.getDeclaredMethods0(), "
     "line=-1 bci=-1\n",
     CStopParser::STOP_FOUND, "java.lang.Class", -1, FALSE},
    {"ProgramOutputInside", "\nBreakpoint hit: hello 1\n\"thread=main\", Hello.main(), line=9 bci=14\n",
     CStopParser::STOP_FOUND, "Hello", 9, FALSE},
    {"ProgramOutputLooksClassic",
     "Breakpoint hit: tick line=7 (Ticker:2) tick \"thread=main\", Ticker.main(), line=8 bci=1\n",
     CStopParser::STOP_FOUND, "Ticker", 8, FALSE},
    {"Classic", "Breakpoint hit: Hello.main (Hello:9)\nmain[1] ", CStopParser::STOP_FOUND, "Hello", 9, FALSE},
    {"MarkerAlone", "\nBreakpoint hit: ", CStopParser::STOP_PARTIAL, "", 0, FALSE},
    {"NumberNotEnded", "Breakpoint hit: \"thread=main\", Hello.main(), line=1", CStopParser::STOP_PARTIAL, "", 0,
     FALSE},
    {"ClassicNotClosed", "Breakpoint hit: Hello.main (Hello:9", CStopParser::STOP_PARTIAL, "", 0, FALSE},
    {"NoStop", "Set breakpoint Hello:9\nmain[1] ", CStopParser::STOP_NONE, "", 0, FALSE},
    {"ApplicationExited", "\nThe application exited\n", CStopParser::STOP_NONE, "", 0, FALSE},
};

class StopParserCase : public ::testing::TestWithParam<StopCase> {};

TEST_P(StopParserCase, FindsTheStop)
{
    const StopCase& c = GetParam();
    CDebuggerStop stop;
    int nStart = -1;
    ASSERT_EQ(c.nResult, CStopParser::FindStop(c.pszText, stop, nStart));
    if (c.nResult != CStopParser::STOP_FOUND)
        return;
    EXPECT_EQ(CString(c.pszClass), stop.m_strClass);
    EXPECT_EQ(c.nLine, stop.m_nLine);
    EXPECT_EQ(c.bException, stop.m_bException);
    EXPECT_GT(stop.m_nEnd, nStart);
}

INSTANTIATE_TEST_SUITE_P(Answers, StopParserCase, ::testing::ValuesIn(s_stops),
                         [](const ::testing::TestParamInfo<StopCase>& info) { return info.param.pszName; });

TEST(StopParser, PromptsAndAnswers)
{
    struct {
        const char* pszText;
        BOOL bPrompt;
    } prompts[] = {
        {"Initializing jdb ...\n> ", TRUE}, {"main[1] ", TRUE}, {"Reference Handler[2] ", TRUE},
        {"  [1] Hello.main (Hello.java:9)\n", FALSE}, {"x = 1\n", FALSE}, {"[1] ", FALSE}, {"", FALSE},
    };
    for (const auto& p : prompts)
        EXPECT_EQ(p.bPrompt, CStopParser::EndsWithPrompt(p.pszText)) << p.pszText;

    EXPECT_TRUE(CStopParser::IsBreakpointSet("Deferring breakpoint Hello:9.\nIt will be set after the class is loaded.\n> "));
    EXPECT_TRUE(CStopParser::IsBreakpointSet("Set breakpoint Hello:9\nmain[1] "));
    EXPECT_TRUE(CStopParser::IsBreakpointSet("Breakpoint set at Hello:9\n"));
    EXPECT_FALSE(CStopParser::IsBreakpointSet("Unable to set breakpoint Hello:4 : No code at line 4 in Hello\n> "));
    EXPECT_TRUE(CStopParser::IsNoCode("Unable to set breakpoint Hello:4 : No code at line 4 in Hello\n> "));
    EXPECT_TRUE(CStopParser::IsBreakpointCleared("Removed: breakpoint Hello:9\nmain[1] "));
    EXPECT_TRUE(CStopParser::IsBreakpointCleared("Breakpoint cleared at Hello:9\n"));
    EXPECT_FALSE(CStopParser::IsBreakpointCleared("Not found: breakpoint Hello:9\n"));

    CString strPlace;
    int nEnd = 0;
    EXPECT_FALSE(CStopParser::FindDeferredFailure("Unable to set deferred breakpoint Gap:4 : No co", strPlace, nEnd));
    ASSERT_TRUE(CStopParser::FindDeferredFailure("x\nUnable to set deferred breakpoint Gap:4 : No code at line 4 in "
                                                 "Gap\nmore", strPlace, nEnd));
    EXPECT_EQ(CString("Gap:4"), strPlace);
}

TEST(SourcePosition, StackLines)
{
    struct {
        const char* pszLine;
        BOOL bFound;
        const char* pszFile;
        int nLine;
        const char* pszClass;
    } cases[] = {
        {"  [1] Hello.main (Hello.java:9)", TRUE, "Hello.java", 9, "Hello"},
        {"  [2] java.lang.ref.Reference.processPendingReferences (Reference.java:253)", TRUE, "Reference.java", 253,
         "java.lang.ref.Reference"},
        {"  [3] p.Ex$Inner.go (Ex.java:5)", TRUE, "Ex.java", 5, "p.Ex$Inner"},
        {"error at c:/src/Hello.java:12 here", TRUE, "c:/src/Hello.java", 12, ""},
        {"  [1] java.lang.Object.wait (native method)", FALSE, "", 0, ""},
        {"main[1] ", FALSE, "", 0, ""},
    };
    for (const auto& c : cases) {
        CString strFile, strClass;
        int nLine = 0;
        ASSERT_EQ(c.bFound, CSourcePosition::Parse(c.pszLine, strFile, nLine, strClass)) << c.pszLine;
        if (!c.bFound)
            continue;
        EXPECT_EQ(CString(c.pszFile), strFile);
        EXPECT_EQ(c.nLine, nLine);
        EXPECT_EQ(CString(c.pszClass), strClass);
    }
    EXPECT_EQ(CString("/jdk/src/java/lang/ref/Reference.java"),
              CSourcePosition::PathUnder("/jdk/src", "java.lang.ref.Reference", "Reference.java"));
    EXPECT_EQ(CString("/s/Hello.java"), CSourcePosition::PathUnder("/s/", "Hello", "Hello.java"));
}

// A debugger window past its first prompt ("run" sent), with a recording sender.
struct RunningDebugger {
    RunningDebugger()
        : debugger(host, nullptr, [this](const char* psz) { sent.emplace_back(psz); return TRUE; }, {})
    {
        host.m_classes["Hello"] = "/nowhere/Hello.java";
        Feed("Initializing jdb ...\n> ");
    }
    void Feed(const std::string& str) { debugger.OnChunk(str.data(), static_cast<int>(str.size())); }

    CRecordingDebuggerHost host;
    std::vector<CString> sent;
    CDebugger debugger;
};

TEST(DebuggerPieces, BreakpointHitSplitAtEveryByte)
{
    const std::string strStop =
        "> \nBreakpoint hit: \"thread=main\", Hello.main(), line=10 bci=6\n10            a = twice(a);\n\nmain[1] ";
    for (size_t nCut = 0; nCut <= strStop.size(); ++nCut) {
        RunningDebugger d;
        ASSERT_EQ(std::vector<CString>{"run"}, d.sent);
        d.Feed("run Hello\nSet uncaught java.lang.Throwable\nSet deferred uncaught java.lang.Throwable\n> ");
        if (nCut > 0)
            d.Feed(strStop.substr(0, nCut));
        if (nCut < strStop.size())
            d.Feed(strStop.substr(nCut));
        EXPECT_EQ(CString("Hello:10"), d.host.Stops()) << "cut at " << nCut;
        EXPECT_TRUE(d.debugger.IsAtBreak());
        EXPECT_EQ(CString("Hello"), d.debugger.GetStopClass());
        EXPECT_EQ(10, d.debugger.GetStopLine());
    }
}

TEST(DebuggerPieces, NewerDebuggerSendsTheStopInPieces)
{
    RunningDebugger d;
    for (const char* pszPiece : {"\n", "Breakpoint hit: ", "\"thread=main\", Hello.main(), line=4 bci=3\n",
                                 "4        int a = 1;\n", "\n", "main[1] "})
        d.Feed(pszPiece);
    EXPECT_EQ(CString("Hello:4"), d.host.Stops());
    // The buffer keeps the latest chunk, after the stop's first piece while it waited.
    d.Feed("main[1] ");
    EXPECT_STREQ("main[1] ", d.debugger.GetBuffer());
    EXPECT_TRUE(d.debugger.Step());
    for (const char* pszPiece : {"> ", "\nStep completed: ", "\"thread=main\", Hello.main(), line=5 bci=5\n",
                                 "5    x();\n\nmain[1] "})
        d.Feed(pszPiece);
    EXPECT_EQ(CString("Hello:4 Hello:5"), d.host.Stops());
    EXPECT_EQ((std::vector<CString>{"run", "step"}), d.sent);
}

TEST(DebuggerPieces, MemoryAnswerEndsTheListing)
{
    RunningDebugger d;
    d.Feed("\nBreakpoint hit: \"thread=main\", Hello.main(), line=4 bci=3\n4 x\n\nmain[1] ");
    ASSERT_TRUE(d.debugger.Memory());
    EXPECT_EQ(CDebugger::STATE_LISTING, d.debugger.GetState());
    d.Feed("The 'memory' command is no longer supported.\n");
    EXPECT_EQ(CDebugger::STATE_LISTING, d.debugger.GetState());
    d.Feed("main[1] ");
    EXPECT_EQ(CDebugger::STATE_RUNNING, d.debugger.GetState());
}

TEST(DebuggerPieces, LongCommandsAreRefused)
{
    RunningDebugger d;
    d.Feed("\nBreakpoint hit: \"thread=main\", Hello.main(), line=4 bci=3\n4 x\n\nmain[1] ");
    EXPECT_FALSE(d.debugger.TypedCommand(std::string(100, 'x').c_str()));
    EXPECT_TRUE(d.debugger.TypedCommand(std::string(99, 'x').c_str()));
    EXPECT_EQ(2u, d.sent.size());
    EXPECT_EQ(99, d.sent.back().GetLength());
}

}  // namespace
