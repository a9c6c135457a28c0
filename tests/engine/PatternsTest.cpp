// The comment and string rules of the shared patterns object: position
// queries over small coloured texts, carrying out pending blocks, the
// comment begin and end colouring, and the edit hooks called directly with
// a line read at the caret. Texts use "\n" (held as CR LF); "|" marks the
// caret or queried position, "[" and "]" a selection.
#include "Block.h"
#include "EditorLine.h"
#include "ViewDriver.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Loads the text without its marks; returns the position of "|" (or of "[")
// counted in the CR LF text, and the position of "]" in nEnd.
LONG LoadMarked(CViewDriver& driver, const std::string& strMarked, LONG* pEnd = nullptr)
{
    std::string strText, strCrlf;
    LONG nPos = -1;
    for (char ch : strMarked) {
        if (ch == '|' || ch == '[') {
            nPos = static_cast<LONG>(strCrlf.size());
        } else if (ch == ']') {
            if (pEnd)
                *pEnd = static_cast<LONG>(strCrlf.size());
        } else {
            strText += ch;
            strCrlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
        }
    }
    driver.Load(strText);
    return nPos;
}

CPatterns& Patterns()
{
    return *CTinctoView::GetPatterns();
}

// ---- Queries

struct QueryCase {
    const char* pszName;
    const char* pszText;
    BOOL bExpected;
    long lStart;  // checked when bExpected
};

class LineCommentQuery : public ::testing::TestWithParam<QueryCase> {};
class StringQuery : public ::testing::TestWithParam<QueryCase> {};
class BlockCommentQuery : public ::testing::TestWithParam<QueryCase> {};

TEST_P(LineCommentQuery, Answers)
{
    CViewDriver driver;
    LONG nPos = LoadMarked(driver, GetParam().pszText);
    long lStart = -7;
    EXPECT_EQ(Patterns().IsInLineComment(&driver.m_view, static_cast<int>(nPos), lStart), GetParam().bExpected);
    if (GetParam().bExpected) {
        EXPECT_EQ(lStart, GetParam().lStart);
    }
}

TEST_P(StringQuery, Answers)
{
    CViewDriver driver;
    LONG nPos = LoadMarked(driver, GetParam().pszText);
    long lStart = -7;
    EXPECT_EQ(Patterns().IsInStringText(&driver.m_view, static_cast<int>(nPos), lStart), GetParam().bExpected);
    if (GetParam().bExpected) {
        EXPECT_EQ(lStart, GetParam().lStart);
    }
}

TEST_P(BlockCommentQuery, Answers)
{
    CViewDriver driver;
    LONG nPos = LoadMarked(driver, GetParam().pszText);
    long lStart = -7;
    EXPECT_EQ(Patterns().IsInBlockComment(&driver.m_view, static_cast<int>(nPos), lStart), GetParam().bExpected);
    if (GetParam().bExpected) {
        EXPECT_EQ(lStart, GetParam().lStart);
    }
}

const QueryCase kLineCommentCases[] = {
    {"AfterTheMark", "a // b|c", TRUE, 2},
    {"RightAfterTheMark", "a //|b", TRUE, 2},
    {"BetweenTheSlashes", "a /|/ b", FALSE, 0},
    {"BeforeTheMark", "a| // b", FALSE, 0},
    {"OnlyItsOwnLine", "// a\nb|", FALSE, 0},
    {"SlashesInAString", "\"http://x\" |y", FALSE, 0},
    {"SlashesInABlockComment", "/* a // b| */", FALSE, 0},
    {"AfterAStringThatHoldsSlashes", "\"//\" // x|", TRUE, 5},
};
INSTANTIATE_TEST_SUITE_P(Patterns, LineCommentQuery, ::testing::ValuesIn(kLineCommentCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

const QueryCase kStringCases[] = {
    {"Inside", "a \"b|c\" d", TRUE, 2},
    {"AfterTheClosingQuote", "a \"bc\" |d", FALSE, 0},
    {"EscapedQuoteKeepsItOpen", "\"a\\\"b|", TRUE, 0},
    {"TextStartingWithAQuote", "|\"a\"", TRUE, 0},
    {"EndsWithItsLine", "\"a\nb|", FALSE, 0},
    {"SecondString", "\"a\" + \"b|", TRUE, 6},
    {"QuoteInALineComment", "// it's \"x|", FALSE, 0},
    {"QuoteInABlockComment", "/* \"x| */", FALSE, 0},
    {"QuoteAfterBackslashOpensNone", "a\\\"b|", FALSE, 0},
};
INSTANTIATE_TEST_SUITE_P(Patterns, StringQuery, ::testing::ValuesIn(kStringCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

std::string LongCommentText(const char* pszBefore)
{
    // The comment opens more than two scan pieces (4096 bytes) before the query.
    std::string str = pszBefore;
    str += "/* start\n";
    for (int i = 0; i < 200; ++i)
        str += "  a line of comment text for the scan\n";
    return str + "|x */";
}

const std::string kLongComment = LongCommentText("int a;\n");

const QueryCase kBlockCases[] = {
    {"Inside", "a /* b| */ c", TRUE, 2},
    {"AfterItsEnd", "a /* b */ c|", FALSE, 0},
    {"OverLines", "/* a\nb\nc| */ d", TRUE, 0},
    {"LineCommentAfterAClosedOne", "a /* b */ c // d|", FALSE, 0},
    {"NotYetOpened", "a| /* b */", FALSE, 0},
    {"SlashRightAfterTheOpeningClosesIt", "/*/ x|", FALSE, 0},
    {"OpenedInsideALineComment", "// a /* b\n// c|", FALSE, 0},
    {"OpenedInsideAString", "\"/*\" a\n// b|", FALSE, 0},
    {"NegativePosition", "|/* a */", FALSE, 0},
    {"FarBack", kLongComment.c_str(), TRUE, 8},
};
INSTANTIATE_TEST_SUITE_P(Patterns, BlockCommentQuery, ::testing::ValuesIn(kBlockCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(PatternsQuery, NegativePositionsAreInNothing)
{
    CViewDriver driver;
    driver.Load("/* a */ \"b\" // c");
    long lStart = 0;
    EXPECT_FALSE(Patterns().IsInBlockComment(&driver.m_view, -1, lStart));
    EXPECT_FALSE(Patterns().IsInLineComment(&driver.m_view, -1, lStart));
    EXPECT_FALSE(Patterns().IsInStringText(&driver.m_view, -1, lStart));
}

TEST(PatternsQuery, BlockPatternGivesTheFormatARecolouringStartsIn)
{
    struct {
        const char* pszText;
        CTextFormat* pFormat;
        long lStart;
    } cases[] = {
        {"a /* b| */", CTinctoView::GetBlockCommentText(), 2},
        {"a \"b| c\"", CTinctoView::GetStringText(), 2},
        {"a // b|", CTinctoView::GetNormalText(), 6},
        {"a b| c", CTinctoView::GetNormalText(), 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CViewDriver driver;
        LONG nPos = LoadMarked(driver, c.pszText);
        long lStart = -7;
        EXPECT_EQ(Patterns().IsInBlockPattern(&driver.m_view, static_cast<int>(nPos), lStart), c.pFormat);
        EXPECT_EQ(lStart, c.lStart);
    }
}

TEST(PatternsQuery, PatternCharacters)
{
    CViewDriver driver;
    LONG nPos = LoadMarked(driver, "x = \"a| b\" ; y");
    // Marks are always pattern-related; blanks and other characters by where they are.
    EXPECT_TRUE(Patterns().CheckPatternChar(&driver.m_view, '*', 0));
    EXPECT_TRUE(Patterns().CheckPatternChar(&driver.m_view, '\\', 0));
    EXPECT_TRUE(Patterns().CheckPatternChar(&driver.m_view, ' ', static_cast<int>(nPos)));
    EXPECT_TRUE(Patterns().CheckPatternChar(&driver.m_view, 'b', static_cast<int>(nPos + 1)));
    EXPECT_FALSE(Patterns().CheckPatternChar(&driver.m_view, ' ', static_cast<int>(driver.Find(";") - 1)));
    EXPECT_FALSE(Patterns().CheckPatternChar(&driver.m_view, 'y', static_cast<int>(driver.Find("y"))));
}

// ---- Carrying out blocks and the comment begin and end colouring

// Replaces [nStart, nEnd) without any recolouring, as the control does.
void EditRaw(CViewDriver& driver, LONG nStart, LONG nEnd, const char* pszText)
{
    driver.m_ctrl.SetSel(nStart, nEnd);
    driver.m_ctrl.ReplaceSel(pszText);
}

TEST(PatternsCarryOut, BlockTypesRecolourWhatTheyCover)
{
    struct {
        const char* pszName;
        const char* pszText;
        LONG nFrom, nTo;  // raw edit
        const char* pszInsert;
        int nType;
        int nStart;
        int nEnd;
        const char* pszStillWrong;  // "" when everything agrees with a full recolouring
    } cases[] = {
        {"Type1UpToTheCommentEnd", "a b c\nd */ e\nint f;", 2, 2, "/*", 1, 2, 0, ""},
        {"Type1WithNoEndToTheTextEnd", "a b\nint c;", 0, 0, "/*", 1, 0, 0, ""},
        {"Type1ReadsTheRestOfTheEndLine", "a b\nc */ \"d */ e\" f", 0, 0, "/*", 1, 0, 0, ""},
        {"Type2WholeComment", "/* a */ b c\nint d;", 5, 6, "", 2, 4, 0, ""},
        {"Type3ToTheEnd", "a b\nint c;", 2, 2, "\"", 3, 2, 0, ""},
        {"Type4OnlyTheRange", "int a;\nint b;", 0, 0, "", 4, 0, 6, "8'i' 9'n' 10't' "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CViewDriver driver;
        driver.Load(c.pszText);
        if (c.nType == 4)
            driver.m_ctrl.SetCharFormat(0, -1, CTinctoView::GetNormalText()->GetCharFormat());
        else
            EditRaw(driver, c.nFrom, c.nTo, c.pszInsert);
        CBlock block;
        block.SetType(c.nType);
        block.SetStart(c.nStart);
        block.SetEnd(c.nEnd);
        Patterns().ParseBlock(&driver.m_view, &block, c.nFrom + static_cast<int>(std::strlen(c.pszInsert)));
        EXPECT_EQ(driver.ColourMismatches(), c.pszStillWrong);
    }
}

TEST(PatternsCarryOut, CommentBeginColoursUpToTheNextEnd)
{
    struct {
        const char* pszText;
        const char* pszInsert;
        LONG nAt;
    } cases[] = {
        {"a b */ c d", "/*", 0},
        {"a b c\nint d;", "/*", 2},
        {"x \"a */ b\" c", "/*", 0},  // the quote after the end now opens a string
        {"x // a */ b\nint c;", "/*", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CViewDriver driver;
        driver.Load(c.pszText);
        EditRaw(driver, c.nAt, c.nAt, c.pszInsert);
        Patterns().OnBlockCommentBegin(&driver.m_view, c.nAt);
        EXPECT_EQ(driver.ColourMismatches(), "");
    }
}

TEST(PatternsCarryOut, CommentEndRecoloursFromJustAfterTheMark)
{
    struct {
        const char* pszText;
        LONG nAt;  // where "*/" goes in
    } cases[] = {
        {"/* a b\nc d\nint e;", 4},
        {"/* a\nb c int d;", 8},
        {"/*", 2},  // "/**/" shares nothing, "/*/" would
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CViewDriver driver;
        driver.Load(c.pszText);
        EditRaw(driver, c.nAt, c.nAt, "*/");
        Patterns().OnBlockCommentEnd(&driver.m_view, c.nAt + 2);
        EXPECT_EQ(driver.ColourMismatches(), "");
    }
}

TEST(PatternsCarryOut, SlashAfterTheOpeningStarClosesTheComment)
{
    CViewDriver driver;
    driver.Load("/* a\nint b;");
    EditRaw(driver, 2, 2, "/");
    Patterns().OnBlockCommentEnd(&driver.m_view, 3);
    EXPECT_EQ(driver.ColourMismatches(), "");
}

// ---- Hooks called directly

struct HookCase {
    const char* pszName;
    const char* pszText;  // "|" the caret
    UINT nKey;            // VK_BACK / VK_DELETE, or the character typed
    const char* pszBlock; // expected block "type T start S", or "" for none
    BOOL bParseLine;
};

std::string BlockOf(const CBlock& block)
{
    if (block.GetType() == 0)
        return "";
    return "type " + std::to_string(block.GetType()) + " start " + std::to_string(block.GetStart());
}

class BackspaceDelete : public ::testing::TestWithParam<HookCase> {};

TEST_P(BackspaceDelete, AsksForWhatTheRemovalBreaks)
{
    const HookCase& c = GetParam();
    CViewDriver driver;
    driver.Caret(LoadMarked(driver, c.pszText));
    CEditorLine line(&driver.m_view);
    line.ReadLine(-1);
    CBlock block;
    int bParseLine = FALSE;
    Patterns().CheckBSDelPatternMakeBreak(&driver.m_view, c.nKey, line, block, bParseLine);
    EXPECT_EQ(BlockOf(block), c.pszBlock);
    EXPECT_EQ(bParseLine, c.bParseLine);
}

const HookCase kBackspaceDeleteCases[] = {
    {"DeleteAQuote", "a |\"b\"", VK_DELETE, "", TRUE},
    {"DeleteAQuoteOnALineWithAnOpening", "/* x |\" */", VK_DELETE, "type 1 start 0", FALSE},
    {"BackspaceFirstSlashOfLineComment", "a /|/ b", VK_BACK, "", TRUE},
    {"DeleteBetweenSlashes", "a /|x/ b", VK_DELETE, "", TRUE},
    {"DeleteSlashOfOpening", "a |/* b */", VK_DELETE, "type 1 start 1", FALSE},
    {"DeleteSlashOfOpeningInsideAComment", "/* q |/* b */", VK_DELETE, "", FALSE},
    {"DeleteStarOfOpening", "a /|* b */", VK_DELETE, "type 1 start 1", FALSE},
    {"BackspaceSlashOfOpening", "a /|* b */", VK_BACK, "type 1 start 2", FALSE},
    {"BackspaceStarOfOpening", "a /*| b */", VK_BACK, "type 1 start 2", FALSE},
    {"DeleteStarOfEnd", "/* a |*/ b", VK_DELETE, "type 2 start 4", FALSE},
    {"BackspaceStarOfEnd", "/* a *|/ b", VK_BACK, "type 2 start 5", FALSE},
    {"DeleteSlashOfEnd", "/* a *|/ b", VK_DELETE, "type 2 start 4", FALSE},
    {"BackspaceSlashOfEnd", "/* a */| b", VK_BACK, "type 2 start 5", FALSE},
    {"BackspaceOfAQuoteBetweenSlashAndStar", "/\"|* a", VK_BACK, "type 1 start 0", FALSE},
    {"DeleteOfABackslashBetweenStarAndSlash", "x *|\\/ a", VK_DELETE, "type 1 start 0", FALSE},
    {"PlainLetter", "int a|b;", VK_BACK, "", FALSE},
    {"BackspaceAtLineStartIsNotThisHooksJob", "a\n|b", VK_BACK, "", FALSE},
};
INSTANTIATE_TEST_SUITE_P(Patterns, BackspaceDelete, ::testing::ValuesIn(kBackspaceDeleteCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

class Overwrite : public ::testing::TestWithParam<HookCase> {};

TEST_P(Overwrite, AsksForWhatTheReplacedCharacterBreaks)
{
    const HookCase& c = GetParam();
    CViewDriver driver;
    driver.Caret(LoadMarked(driver, c.pszText));
    CEditorLine line(&driver.m_view);
    line.ReadLine(-1);
    CBlock block;
    int bParseLine = FALSE;
    Patterns().CheckForOverWritePattern(&driver.m_view, line, block, bParseLine);
    EXPECT_EQ(BlockOf(block), c.pszBlock);
    EXPECT_EQ(bParseLine, c.bParseLine);
}

const HookCase kOverwriteCases[] = {
    {"Quote", "a |\"b\"", 'x', "type 1 start 0", FALSE},
    {"SlashOfLineComment", "a |// b", 'x', "type 1 start 0", FALSE},
    {"SlashOfLineCommentOnALineWithAnOpening", "a |// /* b", 'x', "type 1 start 0", FALSE},
    {"SlashOfOpening", "a |/* b */", 'x', "type 1 start 1", FALSE},
    {"StarOfOpening", "a /|* b */", 'x', "type 1 start 1", FALSE},
    {"SlashOfEnd", "/* a *|/ b", 'x', "type 2 start 4", FALSE},
    {"StarOfEnd", "/* a |*/ b", 'x', "type 2 start 4", FALSE},
    {"Letter", "a |b", 'x', "", FALSE},
};
INSTANTIATE_TEST_SUITE_P(Patterns, Overwrite, ::testing::ValuesIn(kOverwriteCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

class TypedInto : public ::testing::TestWithParam<HookCase> {};

TEST_P(TypedInto, AsksForWhatTheTypedCharacterBreaks)
{
    const HookCase& c = GetParam();
    CViewDriver driver;
    driver.Caret(LoadMarked(driver, c.pszText));
    CEditorLine line(&driver.m_view);
    line.ReadLine(-1);
    CBlock block;
    int bParseLine = FALSE;
    Patterns().CheckForBreakInPattern(&driver.m_view, c.nKey, line, block, bParseLine);
    EXPECT_EQ(BlockOf(block), c.pszBlock);
    EXPECT_EQ(bParseLine, c.bParseLine);
}

// The texts hold the typed character already, the caret after it.
const HookCase kTypedCases[] = {
    {"BetweenSlashes", "a /x|/ b", 'x', "", TRUE},
    {"StarBetweenSlashes", "a /*|/ b", '*', "", FALSE},
    {"BetweenSlashAndStar", "a /x|* b */", 'x', "type 1 start 2", FALSE},
    {"BetweenStarAndSlash", "/* a *x|/ b", 'x', "type 2 start 6", FALSE},
    {"Elsewhere", "a bx| c", 'x', "", FALSE},
};
INSTANTIATE_TEST_SUITE_P(Patterns, TypedInto, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(PatternsHooks, SelectionsBeforeCutAndPaste)
{
    struct {
        const char* pszName;
        const char* pszText;  // "[" "]" the selection
        int nWhich;           // 0 cut, 1 replace, 2 paste
        const char* pszPasted;
        const char* pszBlock;
        BOOL bParseLine;
        BOOL bResult;
    } cases[] = {
        {"CutInsideAComment", "/* a [b] c */", 0, "", "type 1 start 0", FALSE, TRUE},
        {"CutEndingInAComment", "a [b /* c] d */", 0, "", "type 1 start 0", FALSE, TRUE},
        {"CutHoldingAnOpening", "a [b /* c */] d", 0, "", "type 3 start 2", FALSE, TRUE},
        {"CutInALineComment", "a // [b] c", 0, "", "", TRUE, TRUE},
        {"CutOfPlainWordsRecoloursTheLine", "in[x]t a;", 0, "", "", TRUE, TRUE},
        {"ReplaceOfPlainWordsAsksNothing", "in[x]t a;", 1, "", "", FALSE, FALSE},
        {"PasteInAComment", "/* a [b] c */", 2, "x", "type 3 start 0", FALSE, TRUE},
        {"PastePlainText", "a [b] c", 2, "xy", "", FALSE, FALSE},
        {"PasteWithAnOpening", "a [b] c", 2, "x /* y", "type 3 start 2", FALSE, TRUE},
        {"PasteOfAStarAfterASlash", "a /[]b", 2, "* c", "type 3 start 0", FALSE, TRUE},
        {"PasteOfAQuoteOnALineWithAnOpening", "a [] /* b", 2, "\"", "type 3 start 0", FALSE, TRUE},
        {"PasteSplittingALineComment", "a /[]/ b", 2, "x", "type 3 start 0", FALSE, TRUE},
        {"ReplaceReachingALineComment", "a [b // c] d", 1, "", "", TRUE, TRUE},
        {"ReplaceOverABackslash", "a [\\]\"b\"", 1, "", "", TRUE, TRUE},
        {"PasteOverAQuote", "a [\"]b", 2, "x", "", TRUE, FALSE},
        {"PasteAfterABackslashOnALineWithAnOpening", "a \\[]\"b\" /* c", 2, "x", "type 3 start 0", TRUE, TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CViewDriver driver;
        LONG nEnd = 0;
        LONG nStart = LoadMarked(driver, c.pszText, &nEnd);
        driver.Select(nStart, nEnd);
        driver.m_view.GetBuffer() = c.pszPasted;
        CBlock block;
        int bParseLine = FALSE;
        BOOL bResult = c.nWhich == 0   ? Patterns().PreProcessCut(&driver.m_view, block, bParseLine)
                       : c.nWhich == 1 ? Patterns().PreProcessReplace(&driver.m_view, block, bParseLine)
                                       : Patterns().PreProcessPaste(&driver.m_view, block, bParseLine);
        EXPECT_EQ(BlockOf(block), c.pszBlock);
        EXPECT_EQ(bParseLine, c.bParseLine);
        EXPECT_EQ(bResult, c.bResult);
    }
}

TEST(PatternsHooks, LineAskedForBeforeTypingCarriesOnWhenItNowHoldsAMark)
{
    struct {
        const char* pszText;  // after the character was typed over a selection
        const char* pszBlock;
        BOOL bParseLine;
    } cases[] = {
        {"x\na /*| b", "type 1 start 3", FALSE},
        {"x\na */| b", "type 1 start 3", FALSE},
        {"x\na \"b|", "", TRUE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CViewDriver driver;
        driver.Caret(LoadMarked(driver, c.pszText));
        CEditorLine line(&driver.m_view);
        line.ReadLine(-1);
        CBlock block;
        int bParseLine = TRUE;
        Patterns().CheckForBreakInPattern(&driver.m_view, 'x', line, block, bParseLine);
        EXPECT_EQ(BlockOf(block), c.pszBlock);
        EXPECT_EQ(bParseLine, c.bParseLine);
    }
}

TEST(PatternsHooks, JoiningLinesRecoloursTheJoinedLine)
{
    struct {
        const char* pszText;
        UINT nKey;
        const char* pszBlock;
        BOOL bParseLine;
    } cases[] = {
        {"a // b\n|c", VK_BACK, "", TRUE},
        {"a /\n|* b", VK_BACK, "type 1 start 0", FALSE},
        {"x\na|\nb", VK_DELETE, "", TRUE},
        {"x\n\"a|\n/* b", VK_DELETE, "type 1 start 3", FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        CViewDriver driver;
        driver.Caret(LoadMarked(driver, c.pszText));
        CEditorLine line(&driver.m_view);
        line.ReadLine(-1);
        driver.m_view.GetBlock().Reset();
        int bParseLine = FALSE;
        BOOL bGoOn = c.nKey == VK_BACK ? Patterns().CheckForBackSpaceLineMerger(&driver.m_view, line, bParseLine)
                                       : Patterns().CheckForDelLineMerger(&driver.m_view, line, bParseLine);
        EXPECT_FALSE(bGoOn);
        EXPECT_EQ(BlockOf(driver.m_view.GetBlock()), c.pszBlock);
        EXPECT_EQ(bParseLine, c.bParseLine);
    }
}

TEST(PatternsHooks, LineHoldingAnOpeningAsksForABlock)
{
    CViewDriver driver;
    driver.Load("a\nb /* c");
    CEditorLine line(&driver.m_view, 1);
    CBlock block;
    EXPECT_TRUE(Patterns().CheckForBlockPatternsInLine(&driver.m_view, line, block));
    EXPECT_EQ(block.Dump(), "type 1 start 3 end 0 length 0 cursor 0");
    CEditorLine first(&driver.m_view, 0);
    CBlock none;
    EXPECT_FALSE(Patterns().CheckForBlockPatternsInLine(&driver.m_view, first, none));
}

TEST(PatternsHooks, RulesSeeOnlyTheFirst2000CharactersOfALine)
{
    CViewDriver driver;
    std::string strText(2100, 'a');
    strText.replace(2050, 2, "/*");
    driver.Load(strText + "\nint b;");
    driver.Caret(2051);
    CEditorLine line(&driver.m_view);
    line.ReadLine(-1);
    EXPECT_EQ(line.GetLength(), CEditorLine::MAX_LINE);
    EXPECT_EQ(line.GetCursorChar(), 0);
    CBlock block;
    int bParseLine = FALSE;
    EXPECT_FALSE(Patterns().CheckBSDelPatternMakeBreak(&driver.m_view, VK_BACK, line, block, bParseLine));
    EXPECT_FALSE(Patterns().CheckForBlockPatternsInLine(&driver.m_view, line, block));
    // The queries read the control itself, so they see the whole line.
    long lStart = 0;
    EXPECT_TRUE(Patterns().IsInBlockComment(&driver.m_view, 2060, lStart));
    EXPECT_EQ(lStart, 2050);
}

} // namespace
