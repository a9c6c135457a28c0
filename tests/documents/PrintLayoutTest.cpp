// Where printed text falls: rows wrapped at the text rectangle's width with
// tabs and UTF-8 characters counted as cells, pages of whole rows, the page
// rule's twips, and the header's exact text.
#include "PrintLayout.h"

#include "RichEditCtrl.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

TEST(PrintLayoutTest, LinesWrapAtTheRowWidth)
{
    struct Case {
        const char* pszName;
        const char* pszLine;
        int nColumns, nTabSize;
        std::vector<int> starts;
    } cases[] = {
        {"empty line", "", 4, 4, {0}},
        {"short line", "ab", 4, 4, {0}},
        {"exactly the width", "abcd", 4, 4, {0}},
        {"one past the width", "abcde", 4, 4, {0, 4}},
        {"several rows", "abcdefghij", 4, 4, {0, 4, 8}},
        {"tab reaching the edge stays", "ab\tc", 8, 4, {0}},
        {"tab past the edge wraps", "abcde\tx", 6, 4, {0, 5}},
        {"tab at a row's start is one stop", "abcd\t\tx", 4, 2, {0, 4, 6}},
        {"UTF-8 sequences are one cell", "\xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC", 2, 4, {0, 4}},
        {"a row holds at least one character", "abc", 0, 4, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(CPrintLayout::WrapLine(c.pszLine, static_cast<int>(std::strlen(c.pszLine)), c.nColumns, c.nTabSize),
                  c.starts);
    }
}

TEST(PrintLayoutTest, RowsCoverEveryLineWithoutItsLineEnd)
{
    CRichEditCtrl ctrl;
    ctrl.SetWindowText("abcdef\r\n\r\nxy\r\n");
    std::vector<CPrintLayout::CRow> rows = CPrintLayout::Rows(ctrl, 4, 4);
    // "abcd" "ef" | "" | "xy" | "" (the empty last line)
    ASSERT_EQ(rows.size(), 5u);
    const LONG expected[][2] = {{0, 4}, {4, 6}, {8, 8}, {10, 12}, {14, 14}};
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].nStart, expected[i][0]);
        EXPECT_EQ(rows[i].nEnd, expected[i][1]);
    }
    std::vector<CPrintLayout::CPage> pages = CPrintLayout::Paginate(static_cast<int>(rows.size()), 2);
    EXPECT_EQ(CPrintLayout::Dump(ctrl, rows, pages),
              "page 1: rows 0-1 (lines 0-0)\n"
              "page 2: rows 2-3 (lines 1-2)\n"
              "page 3: rows 4-4 (lines 3-3)\n");
}

TEST(PrintLayoutTest, PagesTakeWholeRows)
{
    struct Case {
        const char* pszName;
        int nRows, nPerPage;
        std::vector<std::pair<int, int>> pages;   // first row, count
    } cases[] = {
        {"no rows still print a page", 0, 10, {{0, 0}}},
        {"fewer rows than a page", 3, 10, {{0, 3}}},
        {"exactly a page", 10, 10, {{0, 10}}},
        {"one row more", 11, 10, {{0, 10}, {10, 1}}},
        {"a page of at least one row", 2, 0, {{0, 1}, {1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        std::vector<std::pair<int, int>> got;
        for (const CPrintLayout::CPage& page : CPrintLayout::Paginate(c.nRows, c.nPerPage))
            got.emplace_back(page.nFirstRow, page.nRowCount);
        EXPECT_EQ(got, c.pages);
    }
}

TEST(PrintLayoutTest, PageSidesCountWholeInches)
{
    EXPECT_EQ(CPrintLayout::PageTwips(10200, 1200), 8 * 1440);   // 8.5 in
    EXPECT_EQ(CPrintLayout::PageTwips(13200, 1200), 11 * 1440);
    EXPECT_EQ(CPrintLayout::PageTwips(599, 600), 0);
    EXPECT_EQ(CPrintLayout::PageTwips(600, 0), 0);
    EXPECT_EQ(CPrintLayout::TwipsToDevice(8 * 1440 - 720, 1200), 9000);
    EXPECT_EQ(CPrintLayout::TwipsToDevice(1440, 96), 96);
    EXPECT_EQ(CPrintLayout::TwipsToDevice(-5, 96), 0);
    // Large printers do not overflow.
    EXPECT_EQ(CPrintLayout::TwipsToDevice(100 * 1440, 2400), 240000);
}

TEST(PrintLayoutTest, HeaderAndDateTexts)
{
    const char* pszOld = std::getenv("TZ");
    std::string strOld = pszOld ? pszOld : "";
    setenv("TZ", "UTC", 1);
    tzset();
    // 2026-03-05 07:09:00 UTC
    EXPECT_EQ(CPrintLayout::DateText(1772694540), "03/05/26  07:09");
    if (pszOld)
        setenv("TZ", strOld.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(CPrintLayout::HeaderText("03/05/26  07:09", "/src/A.java", 12),
              "Date : 03/05/26  07:09 / /src/A.java / Page : 12 ");
}

}  // namespace
