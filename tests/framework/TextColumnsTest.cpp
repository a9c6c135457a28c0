// Cells of a line: UTF-8 characters and invalid bytes, tab stops, and the
// nearest character boundary for an x position.
#include "TextColumns.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextColumns, CharLengthAcceptsOnlyWellFormedSequences)
{
    struct Case {
        std::string strBytes;
        int nLength;
        char32_t cp;
    } cases[] = {
        {"a", 1, U'a'},
        {"\xC3\xA4", 2, U'\u00E4'},            // ä
        {"\xE2\x82\xAC", 3, U'\u20AC'},        // €
        {"\xF0\x9F\x98\x80", 4, U'\U0001F600'},
        {"\xC3", 1, 0xC3},                     // cut short: a Latin-1 byte
        {"\xC3" "a", 1, 0xC3},                 // no continuation
        {"\xC0\x80", 1, 0xC0},                 // overlong
        {"\xE0\x80\x80", 1, 0xE0},             // overlong
        {"\xED\xA0\x80", 1, 0xED},             // surrogate
        {"\xF4\x90\x80\x80", 1, 0xF4},         // above U+10FFFF
        {"\xE2\x82" "a", 1, 0xE2},             // broken third byte
        {"\x80", 1, 0x80},                     // stray continuation
        {"\xE9t\xE9", 1, 0xE9},                // Latin-1 text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strBytes);
        int nLeft = static_cast<int>(c.strBytes.size());
        EXPECT_EQ(CTextColumns::CharLength(c.strBytes.data(), nLeft), c.nLength);
        EXPECT_EQ(CTextColumns::Decode(c.strBytes.data(), nLeft), c.cp);
    }
}

TEST(TextColumns, PreviousCharStartStepsBackOverWholeCharacters)
{
    // a | ä(2) | €(3) | stray 0x80 | é as Latin-1 | 😀(4)
    std::string strLine = "a\xC3\xA4\xE2\x82\xAC\x80\xE9\xF0\x9F\x98\x80";
    struct Case {
        int nPos, nExpected;
    } cases[] = {{1, 0}, {3, 1}, {6, 3}, {7, 6}, {8, 7}, {12, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos);
        EXPECT_EQ(CTextColumns::PreviousCharStart(strLine.data(), c.nPos), c.nExpected);
    }
}

TEST(TextColumns, ColumnsCountCharactersAndTabStops)
{
    // tab | ä | x | tab | €
    std::string strLine = "\t\xC3\xA4x\t\xE2\x82\xAC";
    int nLength = static_cast<int>(strLine.size());
    struct Case {
        int nByte, nTab4, nTab8;
    } cases[] = {{0, 0, 0}, {1, 4, 8}, {3, 5, 9}, {4, 6, 10}, {5, 8, 16}, {8, 9, 17}, {99, 9, 17}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nByte);
        EXPECT_EQ(CTextColumns::ColumnOf(strLine.data(), nLength, c.nByte, 4), c.nTab4);
        EXPECT_EQ(CTextColumns::ColumnOf(strLine.data(), nLength, c.nByte, 8), c.nTab8);
    }
    EXPECT_EQ(CTextColumns::ColumnOf("ab\tc", 4, 3, 4), 4);   // a tab after text reaches the next stop
    EXPECT_EQ(CTextColumns::ColumnOf("abcd\t", 5, 5, 4), 8);  // a tab on a stop goes to the next one
}

TEST(TextColumns, ByteAtXTakesTheNearestBoundary)
{
    std::string strLine = "\t\xC3\xA4\xE2\x82\xAC" "x";   // tab 0-4, ä 4-5, € 5-6, x 6-7
    int nLength = static_cast<int>(strLine.size());
    const double dCell = 10.0;
    struct Case {
        double dX;
        int nByte;
    } cases[] = {{-5, 0}, {0, 0}, {19, 0}, {21, 1}, {42, 1}, {47, 3}, {53, 3}, {57, 6}, {64, 6}, {66, 7}, {500, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dX);
        EXPECT_EQ(CTextColumns::ByteAtX(strLine.data(), nLength, c.dX, dCell, 4), c.nByte);
    }
}

}  // namespace
