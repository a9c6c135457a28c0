// Undo and redo of the colouring view: which edits make one step, the
// bounded ring, and that undoing gives back the text byte for byte.
#include "ViewDriver.h"

#include <gtest/gtest.h>

namespace {

struct UndoCase {
    const char* pszName;
    const char* pszStart;
    LONG nCaret;
    const char* pszTyped;
    int nUndos;
    const char* pszAfterUndos;
};

class UndoSteps : public ::testing::TestWithParam<UndoCase> {};

TEST_P(UndoSteps, UndoingGivesTheTextBack)
{
    const UndoCase& c = GetParam();
    CViewDriver driver;
    driver.Load(c.pszStart);
    driver.Caret(c.nCaret);
    driver.Type(c.pszTyped);
    std::string strEdited = driver.Text();
    for (int i = 0; i < c.nUndos; ++i)
        driver.Undo();
    EXPECT_EQ(driver.Text(), c.pszAfterUndos);
    EXPECT_EQ(driver.ColourMismatches(), "");
    for (int i = 0; i < c.nUndos; ++i)
        driver.Redo();
    EXPECT_EQ(driver.Text(), strEdited);
    EXPECT_EQ(driver.ColourMismatches(), "");
}

const UndoCase kUndoCases[] = {
    {"OneUndoRemovesTheLastWord", "", 0, "abc def", 1, "abc "},
    {"TwoUndosRemoveWordAndSpace", "", 0, "abc def", 2, "abc"},
    {"ThreeStepsForTwoWords", "", 0, "abc def", 3, ""},
    {"BackspaceIsUndone", "int abc;", 7, "\b\b", 2, "int abc;"},
    {"DeleteIsUndone", "int abc;", 4, "\x7f\x7f", 2, "int abc;"},
    {"EnterIsJoinedAgain", "ab", 1, "\n", 1, "ab"},
    {"IndentAfterEnterGoesFirst", "\tif (a)", 7, "\n", 1, "\tif (a)\n"},
    {"IndentAndEnterBothUndone", "\tif (a)", 7, "\n", 2, "\tif (a)"},
    {"BackspaceOverALineEnd", "a\nb", 3, "\b", 1, "a\nb"},
    {"CommentOpenedAndUndone", "a b\nint c;", 1, "/*", 2, "a b\nint c;"},
    {"StringQuoteUndone", "x = 1;", 4, "\"", 1, "x = 1;"},
};

INSTANTIATE_TEST_SUITE_P(Undo, UndoSteps, ::testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

// Undo and redo sequences that once left a wrong colour (positions count
// the CR LF text); every edit of each must keep the colours of a full
// recolouring.
struct UndoSequenceCase {
    const char* pszName;
    const char* pszText;
    std::vector<CEdit> edits;
};

void PrintTo(const UndoSequenceCase& c, std::ostream* pOut)
{
    *pOut << c.pszName;
}

class UndoSequences : public ::testing::TestWithParam<UndoSequenceCase> {};

TEST_P(UndoSequences, KeepTheColoursOfAFullRecolouring)
{
    CViewDriver driver;
    driver.Load(GetParam().pszText);
    EXPECT_EQ(driver.Play(GetParam().edits), "") << driver.Text();
    CTinctoView::m_bIns = 0;
}

const UndoSequenceCase kUndoSequenceCases[] = {
    // The text after the removed end moves to where the end was, still coloured as normal text.
    {"RemovingACommentEndByUndo", "x", {Pasted("a /* b"), Pasted("\n"), Pasted("*/"), Undone()}},
    // Undoing an overwrite pastes the old text over the quote that replaced it.
    {"QuoteOverwritingALetterUndone", "x/", {Pasted("int q;"), InsertKey(), Typed("\""), Undone()}},
    {"QuoteOverwritingASelectionUndone", "class A", {InsertKey(), Select(2, 6), Typed("\""), Undone()}},
    // The cut text, pasted back, closes its first comment and opens another.
    {"CutOfAClosedThenAnOpenCommentUndone", "a /*/ b /* c\nd", {Select(2, 12), Cut(), Undone()}},
};

INSTANTIATE_TEST_SUITE_P(Undo, UndoSequences, ::testing::ValuesIn(kUndoSequenceCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(UndoRing, OnlyTheLastMaxUndoStepsAreKept)
{
    int nSaved = CTinctoView::GetMaxUndo();
    CTinctoView::SetMaxUndo(2);
    {
        CViewDriver driver;
        driver.Load("");
        driver.Type("a b");  // three steps: "a", " ", "b"
        driver.Undo();
        driver.Undo();
        EXPECT_EQ(driver.Text(), "a");
        int nBeeps = driver.m_ui.m_nBeeps;
        driver.Undo();
        EXPECT_EQ(driver.Text(), "a");
        EXPECT_EQ(driver.m_ui.m_nBeeps, nBeeps + 1);
    }
    CTinctoView::SetMaxUndo(nSaved);
}

TEST(UndoRing, NothingToUndoOrRedoBeeps)
{
    CViewDriver driver;
    driver.Load("x");
    EXPECT_FALSE(driver.m_view.CanUndo());
    EXPECT_FALSE(driver.m_view.CanRedo());
    driver.Undo();
    driver.Redo();
    EXPECT_EQ(driver.m_ui.m_nBeeps, 2);
    driver.Type("y");
    EXPECT_TRUE(driver.m_view.CanUndo());
    driver.Undo();
    EXPECT_TRUE(driver.m_view.CanRedo());
}

TEST(UndoRing, NewEditDropsTheStepsThatCouldBeRedone)
{
    CViewDriver driver;
    driver.Load("");
    driver.Type("ab cd");
    driver.Undo();
    driver.Undo();
    driver.Type("X");
    EXPECT_FALSE(driver.m_view.CanRedo());
    driver.Redo();
    EXPECT_EQ(driver.Text(), "abX");
}

TEST(UndoRing, CutAndPasteAreStepsAndTheClipboardIsLeftAlone)
{
    CViewDriver driver;
    driver.Load("int a;\nint b;\n");
    driver.Select(0, 4);
    driver.Cut();
    EXPECT_EQ(driver.Text(), "a;\nint b;\n");
    driver.Caret(driver.Find("b;"));
    driver.Paste("/* x */ ");
    EXPECT_EQ(driver.Text(), "a;\nint /* x */ b;\n");
    EXPECT_EQ(driver.ColourMismatches(), "");
    driver.m_ui.m_strClipboard = "untouched";
    driver.Undo();
    driver.Undo();
    EXPECT_EQ(driver.Text(), "int a;\nint b;\n");
    EXPECT_EQ(driver.m_ui.m_strClipboard, "untouched");
    driver.Redo();
    driver.Redo();
    EXPECT_EQ(driver.Text(), "a;\nint /* x */ b;\n");
}

TEST(UndoRing, OverwrittenCharactersComeBack)
{
    CViewDriver driver;
    driver.Load("abcd\n");
    driver.Caret(1);
    driver.Key(VK_INSERT);
    driver.Type("XYZW");  // the last one is typed at the line end
    driver.Key(VK_INSERT);
    EXPECT_EQ(driver.Text(), "aXYZW\n");
    for (int i = 0; i < 4; ++i)
        driver.Undo();
    EXPECT_EQ(driver.Text(), "abcd\n");
}

TEST(UndoRing, MultiByteCharactersAreUndoneWhole)
{
    CViewDriver driver;
    driver.Load("a\xC3\xA9" "b");
    driver.Caret(3);
    driver.Key(VK_BACK, FALSE, FALSE, VK_BACK);
    EXPECT_EQ(driver.Text(), "ab");
    driver.m_view.SendMessage(WM_CHAR, 0x20AC, 0);  // the euro sign
    EXPECT_EQ(driver.Text(), "a\xE2\x82\xAC" "b");
    driver.Undo();
    driver.Undo();
    EXPECT_EQ(driver.Text(), "a\xC3\xA9" "b");
}

}  // namespace

namespace {

TEST(UndoRing, OverwritingASelectionIsUndoneToTheSelection)
{
    CViewDriver driver;
    driver.Load("abcdef");
    driver.Key(VK_INSERT);
    driver.Select(1, 3);
    driver.Type("x");
    EXPECT_EQ(driver.Text(), "axdef");
    driver.Undo();
    driver.Key(VK_INSERT);
    EXPECT_EQ(driver.Text(), "abcdef");
}

TEST(UndoRing, UndoInAnotherModeThanTheEditWasMadeIn)
{
    CViewDriver driver;
    driver.Load("abcd");
    driver.Caret(2);
    driver.Type("\b");
    driver.Key(VK_INSERT);  // overwrite mode now
    driver.Undo();
    EXPECT_EQ(driver.Text(), "abcd");
    driver.Redo();
    EXPECT_EQ(driver.Text(), "acd");
    driver.Key(VK_INSERT);
}

}  // namespace
