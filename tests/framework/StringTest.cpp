#include "String.h"

#include <gtest/gtest.h>

TEST(StringTest, SubstringsClampToTheString)
{
    CString s("abcdef");
    struct Case { CString got; const char* expected; } cases[] = {
        {s.Left(3), "abc"}, {s.Left(-1), ""}, {s.Left(99), "abcdef"},
        {s.Right(2), "ef"}, {s.Right(99), "abcdef"},
        {s.Mid(2), "cdef"}, {s.Mid(2, 2), "cd"}, {s.Mid(5, 9), "f"}, {s.Mid(9), ""}, {s.Mid(-3, 2), "ab"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.got, c.expected);
}

TEST(StringTest, FindAndTrim)
{
    CString s("  a.b.c \r\n");
    EXPECT_EQ(s.Find('.'), 3);
    EXPECT_EQ(s.Find('.', 4), 5);
    EXPECT_EQ(s.Find("b.c"), 4);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find('a', 99), -1);
    EXPECT_EQ(s.ReverseFind('.'), 5);
    s.Trim();
    EXPECT_STREQ(s, "a.b.c");
    EXPECT_EQ(s.Replace(".", "::"), 2);
    EXPECT_STREQ(s, "a::b::c");
    EXPECT_EQ(CString("Java").CompareNoCase("jAVA"), 0);
    EXPECT_LT(CString("abc").CompareNoCase("ABD"), 0);
}

TEST(StringTest, FormatHandlesLongOutput)
{
    CString s;
    s.Format("%s-%d", std::string(500, 'x').c_str(), 42);
    EXPECT_EQ(s.GetLength(), 503);
    EXPECT_STREQ(s.Right(3), "-42");
}
