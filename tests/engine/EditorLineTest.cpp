// Reading one line of the control (without its CR LF, at most 2000
// characters) and the light line view over a text buffer.
#include "EditorLine.h"
#include "Line.h"
#include "ViewDriver.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EditorLine, ReadsLinesWithoutTheirEnd)
{
    struct {
        const char* pszName;
        std::string strText;
        int nLine;
        LONG nCaret;  // used when nLine is -1
        const char* pszDump;
    } cases[] = {
        {"FirstLine", "ab\ncd\nef", 0, 0, "line 0 at 0 caret 0 length 2: \"ab\""},
        {"MiddleLine", "ab\ncd\nef", 1, 0, "line 1 at 4 caret 4 length 2: \"cd\""},
        {"LastLineHasNoEnd", "ab\ncd\nef", 2, 0, "line 2 at 8 caret 8 length 2: \"ef\""},
        {"EmptyLastLine", "ab\n", 1, 0, "line 1 at 4 caret 4 length 0: \"\""},
        {"CaretLine", "ab\ncd\nef", -1, 5, "line 1 at 4 caret 5 length 2: \"cd\""},
        {"CaretAtLineEnd", "ab\ncd", -1, 2, "line 0 at 0 caret 2 length 2: \"ab\""},
        {"MissingLine", "ab", 3, 0, "line 0 at 0 caret 0 length 0 (not read): \"\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CViewDriver driver;
        driver.Load(c.strText);
        driver.Caret(c.nCaret);
        CEditorLine line(&driver.m_view);
        line.ReadLine(c.nLine);
        EXPECT_EQ(line.Dump(), c.pszDump);
    }
}

TEST(EditorLine, LongLinesAreCutAt2000Characters)
{
    // Around the limit the CR LF may be read whole, half or not at all.
    for (int nLength : {1998, 1999, 2000, 2001, 2002, 2500}) {
        SCOPED_TRACE(nLength);
        CViewDriver driver;
        driver.Load(std::string(static_cast<size_t>(nLength), 'x') + "\nnext");
        CEditorLine line(&driver.m_view, 0);
        int nKept = std::min(nLength, static_cast<int>(CEditorLine::MAX_LINE));
        EXPECT_EQ(line.GetLength(), nKept);
        EXPECT_EQ(std::string(line.GetText()), std::string(static_cast<size_t>(nKept), 'x'));
        CEditorLine next(&driver.m_view, 1);
        EXPECT_STREQ(next.GetText(), "next");
        EXPECT_EQ(next.GetIndex(), nLength + 2);
    }
}

TEST(EditorLine, CharactersAroundTheCaret)
{
    CViewDriver driver;
    driver.Load("abc");
    driver.Caret(1);
    CEditorLine line(&driver.m_view);
    line.ReadLine();
    EXPECT_EQ(line.PrevChar(), 'a');
    EXPECT_EQ(line.GetCursorChar(), 'b');
    EXPECT_EQ(line.GetLCharIndex(), 1);
    EXPECT_EQ(line[-1], 0);
    EXPECT_EQ(line[3], 0);
    driver.Caret(0);
    line.ReadLine();
    EXPECT_EQ(line.PrevChar(), 0);
}

TEST(EditorLine, FindsTextBeforeAColumn)
{
    CViewDriver driver;
    driver.Load("a /* b /* c");
    CEditorLine line(&driver.m_view, 0);
    struct {
        const char* pszFind;
        int nEnd;
        int nExpected;
    } cases[] = {
        {"/*", -1, 2}, {"/*", 4, 2}, {"/*", 3, -1}, {"c", -1, 10}, {"c", 10, -1}, {"c", 99, 10}, {"zz", -1, -1}, {"", -1, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pszFind) + " before " + std::to_string(c.nEnd));
        EXPECT_EQ(line.FindTextA(c.pszFind, c.nEnd), c.nExpected);
    }
}

TEST(Line, LengthCountsTheCrOfACrLf)
{
    struct {
        const char* pszText;
        unsigned nLength;
    } cases[] = {
        {"abc\r\ndef", 4}, {"abc\ndef", 3}, {"abc\rdef", 3}, {"abc", 3}, {"", 0}, {"\r\n", 1}, {"\n", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszText);
        std::unique_ptr<CLine> pLine(CLine::Create(c.pszText, 7));
        ASSERT_NE(pLine, nullptr);
        EXPECT_EQ(pLine->GetLength(), c.nLength);
        EXPECT_EQ(pLine->GetStart(), 7u);
        EXPECT_EQ(pLine->GetLineBuffer(), c.pszText);
    }
}

} // namespace
