// The editing keys of the colouring view, driven by window messages: the
// text and caret after each key sequence, and the colours staying right.
#include "ViewDriver.h"

#include <gtest/gtest.h>

namespace {

// "|" marks the caret in the texts of the table.
struct KeyCase {
    const char* pszName;
    const char* pszBefore;
    const char* pszTyped;  // see CViewDriver::Type
    BOOL bSmartIndent;
    BOOL bSpaceForTab;
    const char* pszAfter;
};

class EditKeys : public ::testing::TestWithParam<KeyCase> {};

void LoadWithCaret(CViewDriver& driver, const std::string& strMarked)
{
    std::string strText = strMarked;
    size_t at = strText.find('|');
    strText.erase(at, 1);
    driver.Load(strText);
    std::string strCrlf;
    for (size_t i = 0; i < at; ++i)
        strCrlf += strText[i] == '\n' ? "\r\n" : std::string(1, strText[i]);
    driver.Caret(static_cast<LONG>(strCrlf.size()));
}

std::string TextWithCaret(const CViewDriver& driver)
{
    std::string str = driver.m_ctrl.GetWindowText().str();
    str.insert(static_cast<size_t>(driver.GetCaret()), "|");
    std::string out;
    for (char ch : str)
        if (ch != '\r')
            out += ch;
    return out;
}

TEST_P(EditKeys, TextCaretAndColours)
{
    const KeyCase& c = GetParam();
    CTinctoView::SetSmartIndent(c.bSmartIndent);
    CTinctoView::SetSpaceForTab(c.bSpaceForTab);
    {
        CViewDriver driver;
        LoadWithCaret(driver, c.pszBefore);
        driver.Type(c.pszTyped);
        EXPECT_EQ(TextWithCaret(driver), c.pszAfter);
        EXPECT_EQ(driver.ColourMismatches(), "");
    }
    CTinctoView::SetSmartIndent(TRUE);
    CTinctoView::SetSpaceForTab(FALSE);
}

const KeyCase kKeyCases[] = {
    {"EnterAfterIfIndentsOneLevel", "\tif (a)|", "\n", TRUE, FALSE, "\tif (a)\n\t\t|"},
    {"BraceOnIndentedLineOutdents", "\tif (a)|", "\n{", TRUE, FALSE, "\tif (a)\n\t{|"},
    {"EnterAfterColonIndents", "case 1:|", "\n", TRUE, FALSE, "case 1:\n\t|"},
    {"EnterKeepsIndentWithoutSmartIndent", "  x = 1;|", "\n", FALSE, FALSE, "  x = 1;\n  |"},
    {"EnterAfterBraceWithSpaces", "class A {|", "\n", TRUE, TRUE, "class A {\n    |"},
    {"TabAsSpaces", "a|b", "\t", TRUE, TRUE, "a    |b"},
    {"TabAsTab", "a|b", "\t", TRUE, FALSE, "a\t|b"},
    {"BackspaceJoinsLines", "int a;\n|int b;", "\b", TRUE, FALSE, "int a;|int b;"},
    {"DeleteJoinsLines", "int a;|\nint b;", "\x7f", TRUE, FALSE, "int a;|int b;"},
    {"TypingAKeywordThenSpace", "|", "int x", TRUE, FALSE, "int x|"},
    {"OpeningACommentColoursTheRest", "a|b\nint c;\n", "/*", TRUE, FALSE, "a/*|b\nint c;\n"},
    {"ClosingACommentEndsIt", "/* a |\nint c;", "*/", TRUE, FALSE, "/* a */|\nint c;"},
    {"QuoteStartsAString", "x = |;", "\"ab", TRUE, FALSE, "x = \"ab|;"},
    {"LineCommentTyped", "int a; |int b;", "//", TRUE, FALSE, "int a; //|int b;"},
};

INSTANTIATE_TEST_SUITE_P(Keys, EditKeys, ::testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

// Edit sequences that once left a wrong colour (positions count the CR LF
// text); every edit of each must keep the colours of a full recolouring.
struct SequenceCase {
    const char* pszName;
    const char* pszText;
    std::vector<CEdit> edits;
};

void PrintTo(const SequenceCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class EditSequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(EditSequences, KeepTheColoursOfAFullRecolouring)
{
    CViewDriver driver;
    driver.Load(GetParam().pszText);
    EXPECT_EQ(driver.Play(GetParam().edits), "") << driver.Text();
    CTinctoView::m_bIns = 0;
}

const SequenceCase kSequenceCases[] = {
    // An opening with no end runs to the end of the text, and so does what is typed after it.
    {"TypingAfterAnOpeningAtTheEnd", "", {Typed("/*x")}},
    {"StarAfterAnEndMakesAnOpeningAtTheEnd", "", {Pasted("*/"), Typed("* ")}},
    {"SlashRightAfterAnOpeningAtTheEndClosesIt", "", {Typed("/*/")}},
    {"StarAfterAnOpeningAtTheEnd", "", {Typed("\"\"/**")}},
    {"SlashAfterAStarAfterAnEndAtTheEnd", "", {Typed("\"\""), Pasted("*/"), Typed("*/")}},
    // Typing over a selection that holds a line comment's mark, or that ends in one.
    {"TypingOverTheMarkOfALineComment", "int x = 1; // li\n", {Select(4, 15), Typed(" ")}},
    {"StarTypedOverALineBreakAfterASlash", " /a\nb\n  in\\ x // y\n line\n    String s;\n",
     {Select(17, 23), Typed("*")}},
    // A removed quote lets a slash and a star meet; a pasted letter parts a backslash from its quote.
    {"BackspaceOfAQuoteBetweenSlashAndStar", "/\"*\nx", {Caret(2), Typed("\b")}},
    {"PasteBetweenABackslashAndItsQuote", "\\\"/*\nx", {Caret(1), Pasted("a")}},
    // The line end before the opening still has the colour of the comment closed before it.
    {"OverwritingTheSlashOfAnOpeningAfterAClosedComment", "a /*",
     {Caret(4), Typed("/\n"), Pasted("/* m\nn */"), InsertKey(), Caret(7), Typed("\"")}},
};

INSTANTIATE_TEST_SUITE_P(Keys, EditSequences, ::testing::ValuesIn(kSequenceCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(EditKeysCommands, ShiftTabMovesBackToThePreviousStop)
{
    CViewDriver driver;
    driver.Load("abcdefghij");
    driver.m_view.SetTabStops(4, TRUE);
    driver.Caret(6);  // column 7 counted from 1
    driver.Key(VK_TAB, TRUE, FALSE, '\t');
    EXPECT_EQ(driver.GetCaret(), 4);
    EXPECT_EQ(driver.Text(), "abcdefghij");
}

TEST(EditKeysCommands, SmartHomeAlternatesBetweenIndentAndLineStart)
{
    CViewDriver driver;
    driver.Load("x\n\t  int a;");
    driver.Caret(10);
    driver.Key(VK_HOME);
    EXPECT_EQ(driver.GetCaret(), 6);
    driver.Key(VK_HOME);
    EXPECT_EQ(driver.GetCaret(), 3);
    EXPECT_FALSE(driver.m_ctrl.GetModify());
}

TEST(EditKeysCommands, OverwriteEnterMovesToNextLineWithoutSplitting)
{
    CViewDriver driver;
    driver.Load("abc\ndef");
    driver.Caret(1);
    driver.Key(VK_INSERT);
    ASSERT_TRUE(CTinctoView::m_bIns);
    driver.Type("\nX");
    driver.Key(VK_INSERT);
    EXPECT_FALSE(CTinctoView::m_bIns);
    EXPECT_EQ(driver.Text(), "abc\nXef");
}

TEST(EditKeysCommands, BraceMatchingSkipsBracesInStrings)
{
    CViewDriver driver;
    driver.Load("void f() {\n  s = \"}\";\n  if (a) { b(); }\n}\nint x;");
    driver.Caret(driver.Find("{"));
    driver.m_view.FindBraceParenthesisPair();
    EXPECT_EQ(driver.GetCaret(), driver.Find("}", 2));
    driver.m_view.FindBraceParenthesisPair();
    EXPECT_EQ(driver.GetCaret(), driver.Find("{"));
}

TEST(EditKeysCommands, PastedTabsBecomeSpacesWhenAsked)
{
    CTinctoView::SetSpaceForTab(TRUE);
    {
        CViewDriver driver;
        driver.Load("x");
        driver.Caret(1);
        driver.Paste("\ta\tb");
        EXPECT_EQ(driver.Text(), "x    a    b");
        EXPECT_EQ(driver.m_ui.m_strClipboard, "\ta\tb");
    }
    CTinctoView::SetSpaceForTab(FALSE);
}

TEST(EditKeysCommands, BlockIndentAndOutdentOfSelectedLines)
{
    CViewDriver driver;
    driver.Load("a\nb\nc\nd");
    driver.Select(3, 8);  // from line b into line c
    driver.Key(VK_TAB, FALSE, FALSE, '\t');
    EXPECT_EQ(driver.Text(), "a\n\tb\n\tc\nd");
    driver.Key(VK_TAB, TRUE, FALSE, '\t');
    EXPECT_EQ(driver.Text(), "a\nb\nc\nd");
    driver.Undo();
    EXPECT_EQ(driver.Text(), "a\n\tb\n\tc\nd");
    driver.Undo();
    EXPECT_EQ(driver.Text(), "a\nb\nc\nd");
}

TEST(EditKeysCommands, BlockCommentTogglesLineComments)
{
    CViewDriver driver;
    driver.Load("int a;\n//int b;\nint c;\n");
    driver.Select(0, driver.Find("int c"));
    driver.m_view.OnBlockComment();
    EXPECT_EQ(driver.Text(), "//int a;\nint b;\nint c;\n");
    EXPECT_EQ(driver.ColourMismatches(), "");
}

TEST(EditKeysCommands, ReplaceAllInsideASelectionOnly)
{
    CViewDriver driver;
    driver.Load("a a\na a\na a");
    driver.Select(5, 8);  // the second line
    EXPECT_EQ(driver.m_view.OnReplaceAll("a", "bb", TRUE, FALSE), 2);
    EXPECT_EQ(driver.Text(), "a a\nbb bb\na a");
    driver.Undo();
    EXPECT_EQ(driver.Text(), "a a\na a\na a");
    driver.Redo();
    EXPECT_EQ(driver.Text(), "a a\nbb bb\na a");
}

TEST(EditKeysCommands, ReadOnlyViewRefusesEdits)
{
    CViewDriver driver;
    driver.Load("int a;");
    driver.m_view.SetRO(TRUE);
    driver.Select(0, 3);
    driver.Cut();
    driver.Paste("x");
    driver.m_view.SendMessage(WM_CLEAR, 0, 0);
    driver.Type("zz\b");
    EXPECT_EQ(driver.Text(), "int a;");
    EXPECT_FALSE(driver.m_view.CanUndo());
}

TEST(EditKeysCommands, WordAtCursor)
{
    CViewDriver driver;
    driver.Load("x = value.length + 3.14;");
    driver.Caret(driver.Find("lue"));
    CString strWord;
    driver.m_view.GetWordAtCursor(strWord, TRUE);
    EXPECT_EQ(strWord, "value");
    LONG nStart, nEnd;
    driver.m_ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(nEnd - nStart, 5);
    driver.Caret(driver.Find("14"));
    driver.m_view.GetWordAtCursor(strWord, FALSE);
    EXPECT_EQ(strWord, "3.14");
}

}  // namespace

namespace {

TEST(EditKeysCommands, DragWithinTheViewMovesTextAsOneCutAndOnePaste)
{
    CViewDriver driver;
    driver.Load("int a; /* c */ int b;");
    driver.Select(0, 7);  // "int a; "
    driver.m_view.BeginDrag();
    EXPECT_TRUE(driver.m_view.DropText(driver.Find("int b;") + 6, "int a;", FALSE));
    driver.m_view.EndDrag();
    EXPECT_EQ(driver.Text(), "/* c */ int b;int a;");
    EXPECT_EQ(driver.ColourMismatches(), "");
    driver.Undo();
    driver.Undo();
    EXPECT_EQ(driver.Text(), "int a; /* c */ int b;");
    EXPECT_EQ(driver.ColourMismatches(), "");
}

TEST(EditKeysCommands, DropOntoItselfChangesNothing)
{
    CViewDriver driver;
    driver.Load("abcdef");
    driver.Select(1, 4);
    driver.m_view.BeginDrag();
    EXPECT_FALSE(driver.m_view.DropText(2, "bcd", FALSE));
    EXPECT_EQ(driver.Text(), "abcdef");
    EXPECT_FALSE(driver.m_view.CanUndo());
}

TEST(EditKeysCommands, SingleReplaceThenFindsTheNext)
{
    CViewDriver driver;
    driver.Load("x foo y foo");
    driver.Select(2, 5);
    driver.m_view.OnReplaceSel("foo", TRUE, TRUE, FALSE, "/*");
    EXPECT_EQ(driver.Text(), "x /* y foo");
    LONG nStart, nEnd;
    driver.m_ctrl.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 7);
    EXPECT_EQ(nEnd, 10);
    EXPECT_EQ(driver.ColourMismatches(), "");
    driver.Undo();
    EXPECT_EQ(driver.Text(), "x foo y foo");
}

}  // namespace
