// Caret steps over the control's text: whole UTF-8 characters, CR LF as one
// step, line moves keeping a column, and words for a double click.
#include "CaretMotion.h"

#include "RichEditCtrl.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

TEST(CaretMotion, CharacterSteps)
{
    // "a€b" CR LF "" CR LF "c"  ->  a 0, € 1-3, b 4, CR LF 5-6, empty line 7, CR LF 7-8, c 9
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("a\xE2\x82\xAC" "b\r\n\r\nc");
    ASSERT_EQ(ctrl.GetTextLength(), 10);
    struct Case {
        LONG nPos, nNext, nPrevious;
    } cases[] = {{0, 1, 0}, {1, 4, 0}, {4, 5, 1}, {5, 7, 4}, {7, 9, 5}, {9, 10, 7}, {10, 10, 9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos);
        EXPECT_EQ(CCaretMotion::Next(ctrl, c.nPos), c.nNext);
        EXPECT_EQ(CCaretMotion::Previous(ctrl, c.nPos), c.nPrevious);
    }
}

TEST(CaretMotion, LineEndsAndColumns)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("\tab\r\nxyz\r\n");   // line 0: 0-2, line 1: 5-7, line 2 empty at 10
    struct Case {
        LONG nPos, nStart, nEnd;
        int nColumn;
    } cases[] = {{0, 0, 3, 0}, {1, 0, 3, 4}, {3, 0, 3, 6}, {6, 5, 8, 1}, {10, 10, 10, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos);
        EXPECT_EQ(CCaretMotion::LineStart(ctrl, c.nPos), c.nStart);
        EXPECT_EQ(CCaretMotion::LineEnd(ctrl, c.nPos), c.nEnd);
        EXPECT_EQ(CCaretMotion::ColumnAt(ctrl, c.nPos, 4), c.nColumn);
    }
}

TEST(CaretMotion, LineMovesAimAtTheGoalColumn)
{
    // line 0 "abcdef" 0-5, line 1 "x" at 8, line 2 "\tyz" at 11 (y at col 4), line 3 "ä€q" at 16
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("abcdef\r\nx\r\n\tyz\r\n\xC3\xA4\xE2\x82\xAC" "q");
    struct Case {
        LONG nPos;
        int nLines, nColumn;
        LONG nExpected;
    } cases[] = {
        {4, 1, 4, 9},      // short line: its end
        {9, 1, 4, 12},     // col 4 is just after the tab
        {9, 1, 1, 11},     // inside the tab, nearer its start
        {9, 1, 3, 12},     // inside the tab, nearer its end
        {4, 3, 2, 21},     // multibyte characters count one column each
        {4, -1, 4, 4},     // above the first line: the first line
        {16, 5, 9, 22},    // below the last line: the last line, at its end
        {0, 2, 0, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos * 100 + c.nLines * 10 + c.nColumn);
        EXPECT_EQ(CCaretMotion::LineMove(ctrl, c.nPos, c.nLines, c.nColumn, 4), c.nExpected);
    }
}

TEST(CaretMotion, WordAtFindsTheWordUnderOrBeforeThePosition)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("int x_1 = größe;\r\n  ");
    struct Case {
        LONG nPos, nStart, nEnd;
    } cases[] = {
        {0, 0, 3}, {2, 0, 3}, {3, 0, 3},     // the end of a word still selects it
        {4, 4, 7}, {6, 4, 7},
        {8, 8, 9},                           // '=' alone
        {12, 10, 17},                        // non-ASCII letters belong to the word
        {17, 10, 17},
        {18, 18, 18},                        // line end: nothing
        {20, 20, 21},                        // a blank
        {22, 22, 22},                        // end of text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos);
        LONG nStart = -1, nEnd = -1;
        CCaretMotion::WordAt(ctrl, c.nPos, nStart, nEnd);
        EXPECT_EQ(nStart, c.nStart);
        EXPECT_EQ(nEnd, c.nEnd);
    }
}

}  // namespace
