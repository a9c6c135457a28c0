#include "RichEditCtrl.h"
#include "RichEditObserver.h"
#include "RichEditTestUtil.h"
#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

namespace {

const CHARFORMAT kBold = MakeFormat(CFM_BOLD, CFE_BOLD);
const CHARFORMAT kGreen = MakeFormat(CFM_COLOR, 0, RGB(0, 128, 0));

struct CRecorder : IRichEditObserver {
    std::vector<std::string> events;
    void OnTextChanged(LONG nPos, LONG nRemoved, LONG nInserted) override
    {
        events.push_back("text " + std::to_string(nPos) + " -" + std::to_string(nRemoved) + " +" +
                         std::to_string(nInserted));
    }
    void OnFormatChanged(LONG nStart, LONG nEnd) override
    {
        events.push_back("format " + std::to_string(nStart) + "-" + std::to_string(nEnd));
    }
    void OnSelectionChanged(LONG nStart, LONG nEnd, LONG nCaret) override
    {
        events.push_back("sel " + std::to_string(nStart) + "-" + std::to_string(nEnd));
    }
    void OnDisplayChanged() override { events.push_back("display"); }
    void OnScrollCaret() override { events.push_back("scroll caret"); }
};

std::string Line(const CRichEditCtrl& ctrl, int nLine, int nMax = 100)
{
    char sz[100];
    int n = ctrl.GetLine(nLine, sz, nMax);
    return std::string(sz, static_cast<size_t>(n));
}

}  // namespace

TEST(RichEditCtrlTest, LineEndsOfInsertedTextBecomeCrLf)
{
    struct Case {
        const char* pszIn;
        const char* pszText;
        int nLines;
    } cases[] = {
        {"", "", 1},
        {"a\rb\nc\r\nd", "a\r\nb\r\nc\r\nd", 4},
        {"\r\n\r\n", "\r\n\r\n", 3},
        {"\n\r", "\r\n\r\n", 3},
        {"x\r", "x\r\n", 2},
    };
    for (const Case& c : cases) {
        CRichEditCtrl viaSetText, viaReplace, viaStream;
        viaSetText.SetWindowText(c.pszIn);
        viaReplace.ReplaceSel(c.pszIn);
        StreamString(viaStream, c.pszIn, SF_TEXT);
        for (CRichEditCtrl* p : {&viaSetText, &viaReplace, &viaStream}) {
            EXPECT_STREQ(p->GetWindowText(), c.pszText) << c.pszIn;
            EXPECT_EQ(p->GetLineCount(), c.nLines) << c.pszIn;
        }
    }
}

TEST(RichEditCtrlTest, CrAndLfSplitOverTwoTransferBuffersMakeOneLineEnd)
{
    CRichEditCtrl ctrl;
    ctrl.SetTransferSize(2);
    StreamString(ctrl, "a\r\nb\r", SF_TEXT);
    EXPECT_STREQ(ctrl.GetWindowText(), "a\r\nb\r\n");
}

TEST(RichEditCtrlTest, LineQueries)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("ab\r\n\r\ncde");  // lines "ab", "", "cde"
    struct Case {
        LONG nChar;
        int nLine;
        int nLength;
    } cases[] = {
        {0, 0, 2}, {2, 0, 2}, {4, 1, 0}, {6, 2, 3}, {9, 2, 3}, {99, 2, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ctrl.LineFromChar(c.nChar), c.nLine) << c.nChar;
        EXPECT_EQ(ctrl.LineLength(static_cast<int>(c.nChar)), c.nLength) << c.nChar;
    }
    EXPECT_EQ(ctrl.GetLineCount(), 3);
    EXPECT_EQ(ctrl.LineIndex(0), 0);
    EXPECT_EQ(ctrl.LineIndex(1), 4);
    EXPECT_EQ(ctrl.LineIndex(2), 6);
    EXPECT_EQ(ctrl.LineIndex(3), -1);
    EXPECT_EQ(ctrl.LineIndex(-2), -1);
    EXPECT_EQ(Line(ctrl, 0), "ab\r\n");
    EXPECT_EQ(Line(ctrl, 1), "\r\n");
    EXPECT_EQ(Line(ctrl, 2), "cde");
    EXPECT_EQ(Line(ctrl, 0, 3), "ab\r");
    EXPECT_EQ(Line(ctrl, 3), "");
    EXPECT_EQ(Line(ctrl, 0, 0), "");

    ctrl.SetSel(7, 7);
    EXPECT_EQ(ctrl.LineFromChar(-1), 2);
    EXPECT_EQ(ctrl.LineIndex(-1), 6);
    EXPECT_EQ(ctrl.LineLength(-1), 3);
    // Unselected characters of the touched lines: "a" before and "de" after.
    ctrl.SetSel(1, 7);
    EXPECT_EQ(ctrl.LineFromChar(-1), 0);
    EXPECT_EQ(ctrl.LineLength(-1), 3);
}

TEST(RichEditCtrlTest, LineCountAndLastLine)
{
    struct Case {
        const char* pszText;
        int nLines;
        int nLastStart;
        int nLastLength;
    } cases[] = {
        {"", 1, 0, 0},
        {"abc", 1, 0, 3},
        {"abc\r\n", 2, 5, 0},
        {"\r\n", 2, 2, 0},
    };
    for (const Case& c : cases) {
        CRichEditCtrl ctrl;
        ctrl.SetWindowText(c.pszText);
        EXPECT_EQ(ctrl.GetLineCount(), c.nLines) << c.pszText;
        EXPECT_EQ(ctrl.LineIndex(c.nLines - 1), c.nLastStart) << c.pszText;
        EXPECT_EQ(ctrl.LineLength(c.nLastStart), c.nLastLength) << c.pszText;
        EXPECT_EQ(ctrl.LineFromChar(ctrl.GetTextLength()), c.nLines - 1) << c.pszText;
    }
}

TEST(RichEditCtrlTest, SelectionClampsAndNeverSplitsALineEnd)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("ab\r\ncd");
    struct Case {
        LONG nStart, nEnd;
        LONG nWantStart, nWantEnd;
    } cases[] = {
        {1, 2, 1, 2}, {0, -1, 0, 6}, {4, 99, 4, 6}, {99, 99, 6, 6}, {5, 1, 1, 5},
        {3, 3, 2, 2},  // between CR and LF: before the CR
        {1, 3, 1, 4},  // a range ending inside a line end takes all of it
        {3, 5, 2, 5},
    };
    for (const Case& c : cases) {
        ctrl.SetSel(c.nStart, c.nEnd);
        LONG nStart, nEnd;
        ctrl.GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, c.nWantStart) << c.nStart << "," << c.nEnd;
        EXPECT_EQ(nEnd, c.nWantEnd) << c.nStart << "," << c.nEnd;
    }
    ctrl.SetSel(1, 5);
    EXPECT_STREQ(ctrl.GetSelText(), "b\r\nc");
    ctrl.SetSel(-1, 0);
    LONG nStart, nEnd;
    ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 5);
    EXPECT_EQ(nEnd, 5);
}

TEST(RichEditCtrlTest, FormatMasksTellWhatIsUniform)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("abcdef");
    ctrl.SetCharFormat(2, 4, kBold);
    ctrl.SetCharFormat(3, 6, kGreen);
    EXPECT_EQ(Styled(ctrl), "ab{#000000}c{#000000 b}d{#008000 b}ef{#008000}");
    const DWORD kAll = CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_FACE | CFM_SIZE;
    struct Case {
        LONG nStart, nEnd;
        DWORD dwMask;
        COLORREF crFirst;
        bool bFirstBold;
    } cases[] = {
        {0, 2, kAll, RGB(0, 0, 0), false},
        {0, 3, kAll & ~CFM_BOLD, RGB(0, 0, 0), false},
        {2, 4, kAll & ~CFM_COLOR, RGB(0, 0, 0), true},
        {1, 5, kAll & ~CFM_COLOR & ~CFM_BOLD, RGB(0, 0, 0), false},
        {4, 6, kAll, RGB(0, 128, 0), false},
        {3, 3, kAll, RGB(0, 0, 0), true},  // empty: the character before
    };
    for (const Case& c : cases) {
        CHARFORMAT cf{};
        DWORD dwMask = ctrl.GetCharFormat(c.nStart, c.nEnd, cf);
        EXPECT_EQ(dwMask, c.dwMask) << c.nStart << "-" << c.nEnd;
        EXPECT_EQ(cf.dwMask, c.dwMask);
        EXPECT_EQ(cf.crTextColor, c.crFirst) << c.nStart << "-" << c.nEnd;
        EXPECT_EQ((cf.dwEffects & CFE_BOLD) != 0, c.bFirstBold) << c.nStart << "-" << c.nEnd;
    }
    ctrl.SetSel(2, 4);
    CHARFORMAT cf{};
    EXPECT_EQ(ctrl.GetSelectionCharFormat(cf), kAll & ~CFM_COLOR);
}

TEST(RichEditCtrlTest, SettingFormatsSplitsAndMergesRuns)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("0123456789");
    ctrl.SetCharFormat(2, 5, kBold);
    ctrl.SetCharFormat(7, 9, kBold);
    EXPECT_EQ(Styled(ctrl), "01{#000000}234{#000000 b}56{#000000}78{#000000 b}9{#000000}");
    ctrl.SetCharFormat(5, 7, kBold);
    EXPECT_EQ(Styled(ctrl), "01{#000000}2345678{#000000 b}9{#000000}");
    std::vector<DWORD> runs;
    ctrl.GetFormatRuns(1, 9, runs);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(CFormatRuns::RunLength(runs[0]), 1);
    EXPECT_EQ(CFormatRuns::RunLength(runs[1]), 7);
    EXPECT_NE(CFormatRuns::RunFormat(runs[0]), CFormatRuns::RunFormat(runs[1]));
    // Only the attributes named by the mask change.
    ctrl.SetCharFormat(0, 10, MakeFormat(CFM_ITALIC | CFM_SIZE, CFE_ITALIC | CFE_BOLD, RGB(255, 0, 0), 240));
    EXPECT_EQ(Styled(ctrl), "01{#000000 i 12pt}2345678{#000000 b i 12pt}9{#000000 i 12pt}");
    ctrl.SetCharFormat(0, 10, MakeFormat(CFM_BOLD | CFM_ITALIC | CFM_SIZE | CFM_FACE, 0, 0, 200, "Courier New"));
    EXPECT_EQ(Styled(ctrl), "0123456789{#000000}");
    CString strDump = ctrl.Dump();
    EXPECT_STREQ(strDump, "text \"0123456789\"\nlines 0+10\nruns 0+10 {#000000 10pt Courier New}\nsel 0-0 caret 0");
}

TEST(RichEditCtrlTest, FindForwardsAndBackwards)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("int Int x; int_y int\r\nint");
    struct Case {
        const char* pszFind;
        DWORD dwFlags;
        LONG nMin, nMax;
        LONG nFound;
    } cases[] = {
        {"int", FR_DOWN | FR_MATCHCASE, 0, -1, 0},
        {"int", FR_DOWN | FR_MATCHCASE, 1, -1, 11},
        {"Int", FR_DOWN | FR_MATCHCASE, 0, -1, 4},
        {"INT", FR_DOWN, 1, -1, 4},
        {"int", FR_DOWN | FR_WHOLEWORD | FR_MATCHCASE, 1, -1, 17},
        {"int", FR_DOWN | FR_MATCHCASE, 18, 20, -1},  // must fit inside the range
        {"int", FR_DOWN | FR_MATCHCASE, 17, 20, 17},
        {"int", FR_MATCHCASE, -1, -1, 22},
        {"int", FR_MATCHCASE, 21, 0, 17},
        {"int", FR_MATCHCASE | FR_WHOLEWORD, 17, -1, 0},
        {"int", 0, 8, 0, 4},
        {"t\r\ni", FR_DOWN, 0, -1, 19},
        {"", FR_DOWN, 0, -1, -1},
        {"zzz", FR_DOWN, 0, -1, -1},
    };
    for (const Case& c : cases) {
        FINDTEXTEX ft{{c.nMin, c.nMax}, c.pszFind, {0, 0}};
        EXPECT_EQ(ctrl.FindText(c.dwFlags, &ft), c.nFound) << c.pszFind << " " << c.dwFlags << " " << c.nMin;
        LONG nLength = static_cast<LONG>(std::strlen(c.pszFind));
        EXPECT_EQ(ft.chrgText.cpMin, c.nFound);
        EXPECT_EQ(ft.chrgText.cpMax, c.nFound < 0 ? -1 : c.nFound + nLength);
    }
}

TEST(RichEditCtrlTest, ReplaceSelTakesTheInsertionFormat)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("abcd");
    ctrl.SetCharFormat(2, 4, kGreen);
    ctrl.SetSel(4, 4);
    ctrl.ReplaceSel("X");  // after a green character
    ctrl.SetSel(2, 2);
    ctrl.ReplaceSel("Y");  // after a black one
    ctrl.SetSel(0, 0);
    ctrl.ReplaceSel("Z");  // at the start: the character after
    EXPECT_EQ(Styled(ctrl), "ZabY{#000000}cdX{#008000}");
    // A format set on an empty selection is what the next text takes...
    ctrl.SetSel(1, 1);
    ctrl.SetSelectionCharFormat(kBold);
    CHARFORMAT cf{};
    ctrl.GetSelectionCharFormat(cf);
    EXPECT_TRUE(cf.dwEffects & CFE_BOLD);
    ctrl.ReplaceSel("B");
    // ...until the caret moves.
    ctrl.SetSel(3, 3);
    ctrl.SetSelectionCharFormat(kBold);
    ctrl.SetSel(4, 4);
    ctrl.ReplaceSel("n");
    EXPECT_EQ(Styled(ctrl), "Z{#000000}B{#000000 b}abnY{#000000}cdX{#008000}");
    // Replacing a selection: the character before it decides.
    ctrl.SetSel(7, 9);
    ctrl.ReplaceSel("r\r\ns");
    EXPECT_EQ(Styled(ctrl), "Z{#000000}B{#000000 b}abnY{#000000}cr|s{#008000}");
    LONG nStart, nEnd;
    ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 11);
    EXPECT_EQ(nEnd, 11);
}

TEST(RichEditCtrlTest, RtfStreamIntoTheSelection)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("one two three");
    ctrl.SetModify(FALSE);
    ctrl.SetSel(4, 7);
    LONG n = StreamString(ctrl, "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}\\cf1\\b TWO\\line 2}", SF_RTF | SFF_SELECTION);
    EXPECT_EQ(n, 6);
    EXPECT_EQ(Styled(ctrl), "one {#000000}TWO|2{#0000FF b} three{#000000}");
    EXPECT_TRUE(ctrl.GetModify());
    LONG nStart, nEnd;
    ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 10);
    EXPECT_EQ(nEnd, 10);
    EXPECT_EQ(ctrl.GetLineCount(), 2);

    // The whole-text form replaces everything and leaves the caret at 0.
    ctrl.SetReadOnly(TRUE);
    StreamString(ctrl, "{\\rtf1 new}", SF_RTF);
    EXPECT_STREQ(ctrl.Dump(), "text \"new\"\nlines 0+3\nruns 0+3 {#000000 10pt Courier New}\nsel 0-0 caret 0");
    EXPECT_FALSE(ctrl.GetModify());
}

TEST(RichEditCtrlTest, PlainTextStreamIntoTheSelectionTakesTheInsertionFormat)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("ab");
    ctrl.SetCharFormat(0, 2, kGreen);
    ctrl.SetSel(1, 1);
    StreamString(ctrl, "x\ny", SF_TEXT | SFF_SELECTION);
    EXPECT_EQ(Styled(ctrl), "ax|yb{#008000}");
}

TEST(RichEditCtrlTest, StreamOutOfTextAndSelection)
{
    CRichEditCtrl ctrl;
    ctrl.SetTransferSize(3);
    ctrl.SetWindowText("hello\nworld");
    CStringSink all;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&all), 0, &CStringSink::Callback};
    EXPECT_EQ(ctrl.StreamOut(SF_TEXT, es), 12);
    EXPECT_EQ(all.strData, "hello\r\nworld");
    EXPECT_EQ(all.offered, (std::vector<LONG>{3, 3, 3, 3}));

    ctrl.SetSel(3, 9);
    CStringSink part;
    part.nTakePerCall = 2;  // takes less than offered: the rest is offered again
    es = {reinterpret_cast<DWORD_PTR>(&part), 0, &CStringSink::Callback};
    EXPECT_EQ(ctrl.StreamOut(SF_TEXT | SFF_SELECTION, es), 6);
    EXPECT_EQ(part.strData, "lo\r\nwo");

    es = {reinterpret_cast<DWORD_PTR>(&part), 0, &CStringSink::Callback};
    EXPECT_EQ(ctrl.StreamOut(SF_RTF, es), 0);
    EXPECT_NE(es.dwError, 0u);
}

TEST(RichEditCtrlTest, ReadOnlyRefusesUserEditsOnly)
{
    CScriptedUserInterface ui;
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("abc");
    ctrl.SetReadOnly(TRUE);
    ctrl.SetSel(0, 1);
    ctrl.Cut();
    ctrl.Clear();
    ui.m_strClipboard = "zz";
    ui.m_bClipboardHasText = true;
    ctrl.Paste();
    EXPECT_STREQ(ctrl.GetWindowText(), "abc");
    EXPECT_FALSE(ctrl.GetModify());
    ctrl.Copy();
    EXPECT_STREQ(ui.m_strClipboard, "a");

    ctrl.SetReadOnly(FALSE);
    ctrl.SetSel(1, 2);
    ctrl.Cut();
    EXPECT_STREQ(ui.m_strClipboard, "b");
    ctrl.SetSel(0, 0);
    ctrl.Paste();
    EXPECT_STREQ(ctrl.GetWindowText(), "bac");
    EXPECT_TRUE(ctrl.GetModify());
}

TEST(RichEditCtrlTest, ObserversHearEveryChange)
{
    CRichEditCtrl ctrl;
    CRecorder recorder;
    ctrl.AddObserver(&recorder);
    ctrl.SetWindowText("abc");
    ctrl.SetSel(1, 2);
    ctrl.SetSel(1, 2);  // no change, no event
    ctrl.ReplaceSel("xy");
    ctrl.SetCharFormat(0, 2, kBold);
    ctrl.RemoveObserver(&recorder);
    ctrl.SetSel(0, 0);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"text 0 -0 +3", "sel 0-0", "sel 1-2", "text 1 -1 +2",
                                                          "sel 3-3", "format 0-2"}));
}

TEST(RichEditCtrlTest, DisplayStateStaysInsideTheText)
{
    CRichEditCtrl ctrl;
    CRecorder recorder;
    ctrl.SetWindowText("0\n1\n2\n3\n4");
    ctrl.AddObserver(&recorder);
    ctrl.LineScroll(3);
    EXPECT_EQ(ctrl.GetFirstVisibleLine(), 3);
    ctrl.LineScroll(10);
    EXPECT_EQ(ctrl.GetFirstVisibleLine(), 4);
    ctrl.LineScroll(-99);
    EXPECT_EQ(ctrl.GetFirstVisibleLine(), 0);
    ctrl.SetFirstVisibleLine(4);
    ctrl.SetSel(3, -1);
    ctrl.Clear();  // "0\r\n" is left: the shown line no longer exists
    EXPECT_EQ(ctrl.GetFirstVisibleLine(), 1);

    recorder.events.clear();
    ctrl.SetRedraw(FALSE);
    ctrl.HideSelection(TRUE);
    ctrl.ScrollCaret();
    ctrl.SetRedraw(TRUE);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"display", "scroll caret", "display"}));

    PARAFORMAT pf{};
    pf.dwMask = PFM_TABSTOPS;
    pf.cTabCount = MAX_TAB_STOPS + 1;
    EXPECT_FALSE(ctrl.SetParaFormat(pf));
    pf.cTabCount = 2;
    pf.rgxTabs[0] = 480;
    pf.rgxTabs[1] = 960;
    EXPECT_TRUE(ctrl.SetParaFormat(pf));
    PARAFORMAT got{};
    ctrl.GetParaFormat(got);
    EXPECT_EQ(got.cTabCount, 2);
    EXPECT_EQ(got.rgxTabs[1], 960);
    EXPECT_EQ(ctrl.SetBackgroundColor(FALSE, RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(ctrl.GetBackgroundColor(), RGB(1, 2, 3));
}

TEST(RichEditCtrlTest, FiveMegabytesLoadWithinThreeTimesTheirSize)
{
    // A Java-like text with a colour change every few words.
    std::string strRtf = "{\\rtf1\\ansi\\deff0{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue255;}";
    std::string strLine = "\\cf1 public\\cf0\\ static\\ \\cf1 int\\cf0\\ count\\ =\\ \\4\\2;\\ // a comment here\\line";
    while (strRtf.size() < 9u * 1024 * 1024)
        strRtf += strLine;
    strRtf += "}";
    CRichEditCtrl ctrl;
    StreamString(ctrl, strRtf, SF_RTF);
    ASSERT_GT(ctrl.GetTextLength(), 4 * 1024 * 1024);
    double dRatio = static_cast<double>(ctrl.GetMemoryUsage()) / ctrl.GetTextLength();
    EXPECT_LT(dRatio, 3.0);
    EXPECT_EQ(ctrl.LineFromChar(ctrl.GetTextLength()), ctrl.GetLineCount() - 1);
}
