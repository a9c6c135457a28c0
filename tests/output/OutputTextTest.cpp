// Appending to an output window, its error-line navigation and Find Next /
// Previous Error.
#include "OutputNavigator.h"
#include "OutputWnd.h"
#include "ProcOutputView.h"
#include "RichEditObserver.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Records the files it is asked to open; knows the sources of some classes.
class CRecordingNavigator : public IOutputNavigator {
public:
    BOOL OpenFileAtLine(const char* pszPath, int nLine) override
    {
        CString strOpen;
        strOpen.Format("%s@%d", pszPath, nLine);
        m_opened.push_back(strOpen);
        return m_bOpens;
    }
    CString FindClassSource(const char* pszClass) override
    {
        m_asked.push_back(pszClass);
        auto it = m_sources.find(pszClass);
        return it == m_sources.end() ? CString() : CString(it->second.c_str());
    }

    std::vector<CString> m_opened;
    std::vector<CString> m_asked;
    std::map<std::string, std::string> m_sources;
    BOOL m_bOpens = TRUE;
};

// Hears the text changes of the control.
class CChangeLog : public IRichEditObserver {
public:
    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override
    {
        m_changes.push_back({nPos, nRemoved, nInserted});
    }
    struct Change {
        LONG nPos, nRemoved, nInserted;
    };
    std::vector<Change> m_changes;
};

// ---- Writing

struct WriteCase {
    const char* pszName;
    std::vector<std::string> chunks;   // written one after another (counted)
    const char* pszText;               // the window's text afterwards
};

const WriteCase kWriteCases[] = {
    {"lf becomes cr lf", {"a\nb\n"}, "a\r\nb\r\n"},
    {"cr lf stays one line end", {"a\r\nb\r\n"}, "a\r\nb\r\n"},
    {"cr lf split across writes", {"a\r", "\nb"}, "a\r\nb"},
    {"cr lf split with an empty write between", {"a\r", "", "\nb"}, "a\r\nb"},
    {"lone cr ends a line", {"a\rb"}, "a\r\nb"},
    {"lf after lf in the next write is a line of its own", {"x\n", "\n"}, "x\r\n\r\n"},
    {"empty lines", {"\n\n"}, "\r\n\r\n"},
    {"chunks join without a line end", {"comp", "iling", "\n"}, "compiling\r\n"},
    {"nul bytes are left out", {std::string("a\0b\n", 4)}, "ab\r\n"},
    {"tabs and bytes above ascii pass", {"\tx\xC3\xA9\n"}, "\tx\xC3\xA9\r\n"},
};

class OutputWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(OutputWrite, AppendsConvertedText)
{
    COutputWnd output;
    for (const std::string& strChunk : GetParam().chunks)
        output.Write(strChunk.data(), static_cast<int>(strChunk.size()));
    EXPECT_EQ(output.GetText(), CString(GetParam().pszText));
    LONG nStart, nEnd;
    output.GetEditCtrl().GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, output.GetEditCtrl().GetTextLength());
    EXPECT_EQ(nEnd, nStart);
}

INSTANTIATE_TEST_SUITE_P(Chunks, OutputWrite, testing::ValuesIn(kWriteCases), CaseName());

TEST(OutputText, WriteAppendsAtTheEndWhateverIsSelected)
{
    COutputWnd output;
    output.Write("first line\n");
    CChangeLog log;
    output.GetEditCtrl().AddObserver(&log);
    output.GetEditCtrl().SetSel(0, 5);
    output.Write("second\n");
    output.GetEditCtrl().RemoveObserver(&log);
    EXPECT_EQ(output.Dump(), CString("text: first line\\r\\nsecond\\r\\n\nsel: 20-20 caret 20\nbase: "));
    ASSERT_EQ(log.m_changes.size(), 1u);
    EXPECT_EQ(log.m_changes[0].nPos, 12);
    EXPECT_EQ(log.m_changes[0].nRemoved, 0);
    EXPECT_EQ(log.m_changes[0].nInserted, 8);
}

TEST(OutputText, ClearEmptiesAndForgetsAPendingCr)
{
    COutputWnd output;
    output.Write("a\r");
    output.Clear();
    EXPECT_EQ(output.GetText(), CString(""));
    output.Write("\nb");
    EXPECT_EQ(output.GetText(), CString("\r\nb"));
}

TEST(OutputText, TenMegabytesInFullChunksOnlyAppend)
{
    std::string strChunk;
    for (int i = 0; strChunk.size() < 1049; ++i)
        strChunk += "output line " + std::to_string(i) + "\n";
    strChunk.resize(1049);
    int nLinesPerChunk = 0;
    for (char ch : strChunk)
        nLinesPerChunk += ch == '\n';

    CProcOutputView view;
    CChangeLog log;
    view.GetEditCtrl().AddObserver(&log);
    const int nChunks = 10000;
    for (int i = 0; i < nChunks; ++i)
        view.Write(strChunk.data(), static_cast<int>(strChunk.size()));
    view.GetEditCtrl().RemoveObserver(&log);

    EXPECT_EQ(view.GetEditCtrl().GetTextLength(), nChunks * (1049 + nLinesPerChunk));
    LONG nLength = 0;
    bool bOnlyAppends = true;
    for (const CChangeLog::Change& change : log.m_changes) {
        bOnlyAppends = bOnlyAppends && change.nPos == nLength && change.nRemoved == 0;
        nLength += change.nInserted;
    }
    EXPECT_TRUE(bOnlyAppends);
    EXPECT_EQ(log.m_changes.size(), static_cast<size_t>(nChunks));
}

// ---- Navigation

struct NavigateCase {
    const char* pszName;
    const char* pszLine;
    const char* pszBase;
    std::map<std::string, std::string> sources;   // classes the navigator knows
    const char* pszOpened;                        // "path@line", or "" when nothing opens
};

const NavigateCase kNavigateCases[] = {
    {"relative name against the base", "Foo.java:3: error: x", "/work/proj", {}, "/work/proj/Foo.java@3"},
    {"package folder", "pkg/Foo.java:4: warning: y", "/work/proj/", {}, "/work/proj/pkg/Foo.java@4"},
    {"parent folder steps", "../lib/Foo.java:6: error", "/work/proj", {}, "/work/lib/Foo.java@6"},
    {"absolute name stays", "/src/Foo.java:5: error", "/work/proj", {}, "/src/Foo.java@5"},
    {"drive path cannot be opened here", "C:\\dir\\File.java:12: msg", "/work/proj", {}, ""},
    {"stack trace through the class", "\tat pkg.Foo.main(Foo.java:5)", "/work/proj",
     {{"pkg.Foo", "/src/pkg/Foo.java"}}, "/src/pkg/Foo.java@5"},
    {"stack trace with an unknown class", "\tat pkg.Foo.main(Foo.java:5)", "/work/proj", {}, "/work/proj/Foo.java@5"},
    {"no error line", "Compiling Foo...", "/work/proj", {}, ""},
};

class OutputNavigate : public testing::TestWithParam<NavigateCase> {};

TEST_P(OutputNavigate, DoubleClickOpensTheFile)
{
    const NavigateCase& c = GetParam();
    CRecordingNavigator navigator;
    navigator.m_sources = c.sources;
    COutputWnd output;
    output.SetNavigator(&navigator);
    output.SetBaseFolder(c.pszBase);
    output.Write("javac Foo.java...\n");
    output.Write(c.pszLine);
    output.Write("\n1 error\n");
    LONG nInLine = output.GetEditCtrl().LineIndex(1) + 2;
    BOOL bOpened = output.OnDoubleClick(nInLine);
    CString strOpened = navigator.m_opened.empty() ? CString() : navigator.m_opened[0];
    EXPECT_EQ(strOpened, CString(c.pszOpened));
    EXPECT_EQ(bOpened, *c.pszOpened ? TRUE : FALSE);
    EXPECT_LE(navigator.m_opened.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Lines, OutputNavigate, testing::ValuesIn(kNavigateCases), CaseName());

TEST(OutputText, StackTraceAsksForTheOuterClass)
{
    CRecordingNavigator navigator;
    COutputWnd output;
    output.SetNavigator(&navigator);
    output.SetBaseFolder("/p");
    output.Write("\tat app.Main$Worker.run(Main.java:40)\n");
    EXPECT_TRUE(output.OnDoubleClick(3));
    ASSERT_EQ(navigator.m_asked.size(), 1u);
    EXPECT_EQ(navigator.m_asked[0], CString("app.Main"));
}

TEST(OutputText, DoubleClickMessageSelectsAWordAndNavigates)
{
    CRecordingNavigator navigator;
    CProcOutputView view;
    view.SetNavigator(&navigator);
    view.SetBaseFolder("/p");
    view.Write("Foo.java:9: error: x\n");
    view.SendMessage(WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(view.GetEditCtrl().GetSelText(), CString("Foo"));
    ASSERT_EQ(navigator.m_opened.size(), 1u);
    EXPECT_EQ(navigator.m_opened[0], CString("/p/Foo.java@9"));
}

TEST(OutputText, EmptyBaseFolderIsTheCurrentDirectory)
{
    char szDir[4097];
    ASSERT_NE(::getcwd(szDir, sizeof szDir), nullptr);
    CRecordingNavigator navigator;
    COutputWnd output;
    output.SetNavigator(&navigator);
    output.Write("Foo.java:2: error\n");
    EXPECT_TRUE(output.OnDoubleClick(0));
    ASSERT_EQ(navigator.m_opened.size(), 1u);
    EXPECT_EQ(navigator.m_opened[0], CString(szDir) + "/Foo.java@2");
}

TEST(OutputText, NavigationFailsWithoutNavigatorOrWhenTheFileDoesNotOpen)
{
    COutputWnd output;
    output.Write("Foo.java:2: error\n");
    EXPECT_FALSE(output.OnDoubleClick(0));
    CRecordingNavigator navigator;
    navigator.m_bOpens = FALSE;
    output.SetNavigator(&navigator);
    output.SetBaseFolder("/p");
    EXPECT_FALSE(output.OnDoubleClick(0));
    EXPECT_EQ(navigator.m_opened.size(), 1u);
}

// ---- Find Next / Previous Error

const char kReport[] =
    "javac A.java B.java...\n"     // ".java" without a colon
    "A.java:1: error: x\n"
    "  int a = ;\n"
    "B.java:2: error: y\n"
    "2 errors\n";
// Positions of the two ".java:" marks in the converted text.
constexpr LONG kFirstMark = 24 + 1;
constexpr LONG kSecondMark = 24 + 20 + 13 + 1;

enum EStep { NEXT, PREVIOUS };
struct FindStep {
    EStep eStep;
    BOOL bFound;
    LONG nSelStart;         // selection start afterwards
    const char* pszOpened;  // last file opened afterwards ("" none)
    BOOL bCanNext, bCanPrevious;
};
struct FindCase {
    const char* pszName;
    LONG nCaret;    // where the caret starts (-1: the end)
    BOOL bCanNext, bCanPrevious;
    std::vector<FindStep> steps;
};

const FindCase kFindCases[] = {
    {"forward from the start", 0, TRUE, FALSE,
     {{NEXT, TRUE, kFirstMark, "/p/A.java@1", TRUE, FALSE},
      {NEXT, TRUE, kSecondMark, "/p/B.java@2", FALSE, TRUE},
      {NEXT, FALSE, kSecondMark, "/p/B.java@2", FALSE, TRUE},
      {PREVIOUS, TRUE, kFirstMark, "/p/A.java@1", TRUE, FALSE},
      {PREVIOUS, FALSE, kFirstMark, "/p/A.java@1", TRUE, FALSE}}},
    {"backward from the end", -1, FALSE, TRUE,
     {{NEXT, FALSE, -1, "", FALSE, TRUE},
      {PREVIOUS, TRUE, kSecondMark, "/p/B.java@2", FALSE, TRUE},
      {PREVIOUS, TRUE, kFirstMark, "/p/A.java@1", TRUE, FALSE}}},
    {"caret inside the first mark", kFirstMark + 2, TRUE, TRUE,
     {{PREVIOUS, TRUE, kFirstMark, "/p/A.java@1", TRUE, FALSE}}},
    {"caret between the marks", kFirstMark + 20, TRUE, TRUE,
     {{NEXT, TRUE, kSecondMark, "/p/B.java@2", FALSE, TRUE}}},
};

class OutputFindError : public testing::TestWithParam<FindCase> {};

TEST_P(OutputFindError, WalksTheErrorLines)
{
    const FindCase& c = GetParam();
    CRecordingNavigator navigator;
    COutputWnd output;
    output.SetNavigator(&navigator);
    output.SetBaseFolder("/p");
    output.Write(kReport);
    LONG nLength = output.GetEditCtrl().GetTextLength();
    if (c.nCaret >= 0)
        output.GetEditCtrl().SetSel(c.nCaret, c.nCaret);
    EXPECT_EQ(output.CanFindNextError(), c.bCanNext);
    EXPECT_EQ(output.CanFindPreviousError(), c.bCanPrevious);
    int nStep = 0;
    for (const FindStep& step : c.steps) {
        SCOPED_TRACE(nStep++);
        BOOL bFound = step.eStep == NEXT ? output.FindNextError() : output.FindPreviousError();
        EXPECT_EQ(bFound, step.bFound);
        LONG nStart, nEnd;
        output.GetEditCtrl().GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, step.nSelStart < 0 ? nLength : step.nSelStart);
        if (bFound) {
            EXPECT_EQ(output.GetEditCtrl().GetSelText(), CString(".java:"));
        }
        EXPECT_EQ(navigator.m_opened.empty() ? CString() : navigator.m_opened.back(), CString(step.pszOpened));
        EXPECT_EQ(output.CanFindNextError(), step.bCanNext);
        EXPECT_EQ(output.CanFindPreviousError(), step.bCanPrevious);
    }
}

INSTANTIATE_TEST_SUITE_P(Report, OutputFindError, testing::ValuesIn(kFindCases), CaseName());

TEST(OutputText, SetCaretToStartAndNothingToFindInAnEmptyWindow)
{
    COutputWnd output;
    EXPECT_FALSE(output.CanFindNextError());
    EXPECT_FALSE(output.CanFindPreviousError());
    EXPECT_FALSE(output.FindNextError());
    output.Write("A.java:1: e\n");
    output.SetCaretToStart();
    EXPECT_EQ(output.GetEditCtrl().GetCaret(), 0);
    EXPECT_TRUE(output.CanFindNextError());
    EXPECT_FALSE(output.CanFindPreviousError());
}

} // namespace
