// The readers' view of a control's text: UTF-8 sequences are one character,
// CR LF is one "\n", byte positions map to character offsets and back
// (positions inside a character count as its start), words and lines are
// found around an offset, and edits are followed with their texts.
#include "CharacterOffsets.h"

#include "RichEditCtrl.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using EBoundary = CCharacterOffsets::EBoundary;

// "a", "ä", "b", line end, "c", "€", line end
const char SAMPLE[] = "a\xC3\xA4" "b\r\nc\xE2\x82\xAC\r\n";

class CharacterOffsetsTest : public ::testing::Test {
protected:
    void Load(const char* pszText)
    {
        m_ctrl.SetWindowText(pszText);
        m_offsets.Reset(m_ctrl);
    }
    CRichEditCtrl m_ctrl;
    CCharacterOffsets m_offsets;
};

TEST_F(CharacterOffsetsTest, BytePositionsMapToCharacters)
{
    Load(SAMPLE);
    EXPECT_EQ(m_offsets.GetCount(), 7);
    EXPECT_EQ(m_offsets.LineStarts(), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(m_offsets.Text(0, -1), U"a\u00E4b\nc\u20AC\n");
    struct Case {
        LONG nPos;
        int nChar;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 3}, {5, 3}, {6, 4}, {7, 5}, {8, 5}, {9, 5},
                 {10, 6}, {11, 6}, {12, 7}, {99, 7}, {-3, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPos);
        EXPECT_EQ(m_offsets.CharFromPos(c.nPos), c.nChar);
    }
    const LONG positions[] = {0, 1, 3, 4, 6, 7, 10, 12};
    for (int nChar = 0; nChar <= 7; ++nChar) {
        SCOPED_TRACE(nChar);
        EXPECT_EQ(m_offsets.PosFromChar(nChar), positions[nChar]);
        EXPECT_EQ(m_offsets.CharFromPos(positions[nChar]), nChar);
    }
    EXPECT_EQ(m_offsets.PosFromChar(-1), 0);
    EXPECT_EQ(m_offsets.PosFromChar(100), 12);
    EXPECT_EQ(m_offsets.Text(1, 5), U"\u00E4b\nc");
    EXPECT_EQ(m_offsets.Text(5, 2), U"");
}

TEST_F(CharacterOffsetsTest, TextsWithoutLineEndsOrValidUtf8)
{
    struct Case {
        const char* pszName;
        const char* pszText;
        int nCount;
        std::u32string text;
    } cases[] = {
        {"empty", "", 0, U""},
        {"one line", "abc", 3, U"abc"},
        {"bare line ends", "\r\n\r\n", 2, U"\n\n"},
        {"a stray byte is a character", "a\xFF" "b", 3, U"a\u00FFb"},
        {"a cut sequence", "a\xE2\x82", 3, U"a\u00E2\u0082"},
        {"beyond the BMP", "\xF0\x9F\x98\x80!", 2, U"\U0001F600!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Load(c.pszText);
        EXPECT_EQ(m_offsets.GetCount(), c.nCount);
        EXPECT_EQ(m_offsets.Text(0, -1), c.text);
    }
}

TEST_F(CharacterOffsetsTest, SegmentsAroundAnOffset)
{
    // 0123456789012345678901
    // "int x_1 = 42;  // ok\n" then "next"
    Load("int x_1 = 42;  // ok\r\nnext");
    struct Case {
        const char* pszName;
        EBoundary boundary;
        int nOffset;
        int nStart, nEnd;
    } cases[] = {
        {"a character", EBoundary::Character, 4, 4, 5},
        {"the line end is a character", EBoundary::Character, 20, 20, 21},
        {"no character at the end", EBoundary::Character, 25, 25, 25},
        {"word at its start", EBoundary::Word, 0, 0, 3},
        {"word inside", EBoundary::Word, 5, 4, 7},
        {"one blank", EBoundary::Word, 3, 3, 4},
        {"a run of blanks", EBoundary::Word, 14, 13, 15},
        {"punctuation alone", EBoundary::Word, 12, 12, 13},
        {"each slash alone", EBoundary::Word, 16, 16, 17},
        {"digits are a word", EBoundary::Word, 11, 10, 12},
        {"the line end alone", EBoundary::Word, 20, 20, 21},
        {"word on the next line", EBoundary::Word, 23, 21, 25},
        {"no word at the end", EBoundary::Word, 25, 25, 25},
        {"first line with its line end", EBoundary::Line, 7, 0, 21},
        {"line from its line end", EBoundary::Line, 20, 0, 21},
        {"last line", EBoundary::Line, 22, 21, 25},
        {"last line at the end", EBoundary::Line, 25, 21, 25},
        {"everything", EBoundary::All, 3, 0, 25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        int nStart = -1, nEnd = -1;
        m_offsets.Segment(c.boundary, c.nOffset, nStart, nEnd);
        EXPECT_EQ(nStart, c.nStart);
        EXPECT_EQ(nEnd, c.nEnd);
    }
    // An empty last line is a line of its own.
    Load("ab\r\n");
    int nStart = -1, nEnd = -1;
    m_offsets.Segment(EBoundary::Line, 3, nStart, nEnd);
    EXPECT_EQ(nStart, 3);
    EXPECT_EQ(nEnd, 3);
}

TEST_F(CharacterOffsetsTest, EditsAreFollowedWithTheirTexts)
{
    Load(SAMPLE);
    struct Case {
        const char* pszName;
        LONG nStart, nEnd;       // replaced in the control
        const char* pszNew;
        int nChar;
        std::u32string removed, inserted;
    } cases[] = {
        {"typing after the UTF-8 letter", 3, 3, "x", 2, U"", U"x"},
        {"removing a line end", 5, 7, "", 4, U"\n", U""},
        {"replacing a multi-byte letter", 1, 3, "\xC3\xB6\r\n", 1, U"\u00E4", U"\u00F6\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        const LONG nRemoved = c.nEnd - c.nStart;
        const LONG nInserted = static_cast<LONG>(std::strlen(c.pszNew));
        m_ctrl.SetSel(c.nStart, c.nEnd);
        m_ctrl.ReplaceSel(c.pszNew);
        int nChar = -1;
        std::u32string removed, inserted;
        EXPECT_TRUE(m_offsets.Apply(m_ctrl, c.nStart, nRemoved, nInserted, nChar, removed, inserted));
        EXPECT_EQ(nChar, c.nChar);
        EXPECT_EQ(removed, c.removed);
        EXPECT_EQ(inserted, c.inserted);
        // The copy reads as the control does.
        CCharacterOffsets fresh;
        fresh.Reset(m_ctrl);
        EXPECT_EQ(m_offsets.Text(0, -1), fresh.Text(0, -1));
        EXPECT_EQ(m_offsets.LineStarts(), fresh.LineStarts());
    }
    // An edit it never heard of: it starts over from the control.
    m_ctrl.SetWindowText("new text");
    int nChar = -1;
    std::u32string removed, inserted;
    EXPECT_FALSE(m_offsets.Apply(m_ctrl, 0, 0, 1, nChar, removed, inserted));
    EXPECT_EQ(m_offsets.Text(0, -1), U"new text");
}

}  // namespace
