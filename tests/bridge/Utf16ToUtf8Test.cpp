#include "Utf16ToUtf8.h"

#include <gtest/gtest.h>

#include <vector>

TEST(Utf16ToUtf8Test, ConvertsEveryRangeAndReplacesUnpairedSurrogates)
{
    const struct {
        std::vector<uint16_t> units;
        std::string strUtf8;
    } cases[] = {
        {{}, ""},
        {{'a', 0x7F}, "a\x7F"},
        {{0xE4, 0x7FF}, "\xC3\xA4\xDF\xBF"},
        {{0x20AC, 0xFFFF}, "\xE2\x82\xAC\xEF\xBF\xBF"},
        {{0xD83D, 0xDE00}, "\xF0\x9F\x98\x80"},                        // U+1F600
        {{0xDBFF, 0xDFFF}, "\xF4\x8F\xBF\xBF"},                        // U+10FFFF
        {{0xD800}, "\xEF\xBF\xBD"},                                     // high at the end
        {{0xD800, 'a'}, "\xEF\xBF\xBD" "a"},                            // high before a non-surrogate
        {{0xDC00, 0xD800}, "\xEF\xBF\xBD\xEF\xBF\xBD"},                 // reversed pair
        {{0xD800, 0xD800, 0xDC00}, "\xEF\xBF\xBD\xF0\x90\x80\x80"},     // second high pairs
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.strUtf8, Utf16ToUtf8(c.units.data(), c.units.size())) << testing::PrintToString(c.units);
}
