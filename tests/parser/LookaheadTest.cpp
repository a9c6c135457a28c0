// The raw-text scans the parse sink relies on: where an annotation, a
// type-argument list or a character literal ends, and when there is none.
#include "JavaLookahead.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct CScanCase {
    const char* pszText;  // the scan starts at index 0
    long lEnd;            // expected end, -1 for "not one"
};

long Length(const char* psz)
{
    return static_cast<long>(std::strlen(psz));
}

TEST(JavaLookahead, AnnotationEnd)
{
    const CScanCase cases[] = {
        {"@Override public", 9},
        {"@java.lang.Deprecated\nint", 21},
        {"@A(\"x)\") int", 8},
        {"@A(value = {1, (2)}, s = ')') x", 29},
        {"@A /* c */ (1) x", 14},
        {"@A(1; int x;", 2},       // a statement, no arguments: only the name goes
        {"@A(unclosed", 2},
        {"@interface X {}", -1},
        {"@ interface X {}", -1},
        {"@", 1},
    };
    for (const CScanCase& c : cases)
        EXPECT_EQ(CJavaLookahead::AnnotationEnd(c.pszText, 0, Length(c.pszText)), c.lEnd) << c.pszText;
}

TEST(JavaLookahead, TypeArgumentsEnd)
{
    const CScanCase cases[] = {
        {"<String> x", 8},
        {"<K, V extends Comparable<? super V>> Map", 36},
        {"<>()", 2},
        {"<int[]>", 7},
        {"<T extends A & B>", 17},
        {"<@NonNull String>", 17},
        {"<T /* c */ >", 12},
        {"< n; i++) {", -1},
        {"< 10", -1},
        {"<< 2", -1},
        {"<= b", -1},
        {"< b && c > d", -1},
        {"< b >= c", -1},
        {"<String", -1},
    };
    for (const CScanCase& c : cases)
        EXPECT_EQ(CJavaLookahead::TypeArgumentsEnd(c.pszText, 0, Length(c.pszText)), c.lEnd) << c.pszText;
}

TEST(JavaLookahead, CharLiteralEnd)
{
    const CScanCase cases[] = {
        {"'{' ", 3},
        {"'\\'' ", 4},
        {"'\\\\' ", 4},
        {"'\\u0041' ", 8},
        {"'\xc3\xa9' ", 4},
        {"'\"' ", 3},
        {"'' ", -1},
        {"'ab", -1},
        {"'\n'", -1},
        {"'", -1},
    };
    for (const CScanCase& c : cases)
        EXPECT_EQ(CJavaLookahead::CharLiteralEnd(c.pszText, 0, Length(c.pszText)), c.lEnd) << c.pszText;
}

TEST(JavaLookahead, LiteralsAndEscapes)
{
    const char* psz = "\"a\\\\\" rest";
    EXPECT_EQ(CJavaLookahead::SkipLiteral(psz, 0, Length(psz)), 5);  // "a\\" ends at its quote
    psz = "\"a\\\" b\" rest";
    EXPECT_EQ(CJavaLookahead::SkipLiteral(psz, 0, Length(psz)), 7);  // an escaped quote does not end it
    psz = "\"\"\"\n x \\\"\"\" y\n\"\"\"; z";
    EXPECT_EQ(CJavaLookahead::SkipLiteral(psz, 0, Length(psz)), 17);  // a text block ends at unescaped """
    psz = "\"open\nnext";
    EXPECT_EQ(CJavaLookahead::SkipLiteral(psz, 0, Length(psz)), 5);  // a string stops at the line end
    EXPECT_TRUE(CJavaLookahead::IsTextBlockStart("\"\"\"", 0, 3));
    EXPECT_FALSE(CJavaLookahead::IsTextBlockStart("\"\"", 0, 2));
}

TEST(JavaLookahead, AppendCompactDropsCommentsAndFoldsBlanks)
{
    const char* psz = "<K,\n   /* key */ V>";
    CString str("Map");
    CJavaLookahead::AppendCompact(psz, 0, Length(psz), str);
    EXPECT_EQ(str, "Map<K, V>");
}

} // namespace
