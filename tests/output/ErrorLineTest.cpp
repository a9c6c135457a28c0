// Reading compiler messages and stack-trace lines into file and line.
#include "ErrorLine.h"
#include "ErrorLocation.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct ParseCase {
    const char* pszName;
    std::string strLine;
    std::string strExpected;   // CErrorLocation::Dump(), or empty: not an error line
};

const ParseCase kParseCases[] = {
    {"javac error", "Foo.java:3: error: ';' expected", "file=Foo.java line=3"},
    {"javac warning in a package folder", "pkg/Foo.java:3: warning: [deprecation] x", "file=pkg/Foo.java line=3"},
    {"absolute path", "/home/u/p/File.java:12: error: x", "file=/home/u/p/File.java line=12"},
    {"drive letter is skipped", "C:\\dir\\File.java:12: msg", "file=C:\\dir\\File.java line=12"},
    {"line end is not part of the line", "Foo.java:7: error: x\r\n", "file=Foo.java line=7"},
    {"many digits", "A.java:123456: e", "file=A.java line=123456"},
    {"empty line", "", ""},
    {"no colon", "2 errors", ""},
    {"note without a number", "Note: Some input files use unchecked or unsafe operations.", ""},
    {"exception headline", "Exception in thread \"main\" java.lang.RuntimeException: x", ""},
    {"text instead of a number", "Foo.java:abc: error", ""},
    {"line zero", "Foo.java:0: error", ""},
    {"number too large", "Foo.java:99999999999: error", ""},
    {"empty file name", ":12: error", ""},
    {"drive without a second colon", "C:\\dir\\File.txt", ""},
    {"stack trace, default package", "\tat Foo.main(Foo.java:5)", "file=Foo.java line=5 class=Foo"},
    {"stack trace, package", "\tat pkg.Foo.main(Foo.java:5)", "file=Foo.java line=5 class=pkg.Foo"},
    {"stack trace, nested class", "\tat pkg.Foo$Inner.run(Foo.java:17)", "file=Foo.java line=17 class=pkg.Foo"},
    {"stack trace, loader and lambda", "\tat app//pkg.Foo.lambda$main$0(Foo.java:9)",
     "file=Foo.java line=9 class=pkg.Foo"},
    {"stack trace, module", "\tat java.base/java.lang.Thread.run(Thread.java:833)",
     "file=Thread.java line=833 class=java.lang.Thread"},
    {"stack trace, several digits before the bracket", "\tat a.B.c(B.java:1234)", "file=B.java line=1234 class=a.B"},
    {"stack trace, native method", "\tat Foo.main(Native Method)", ""},
    {"stack trace, no line number", "\tat Foo.main(Foo.java)", ""},
    {"stack trace, unknown source", "\tat Foo.main(Unknown Source)", ""},
    {"stack trace, no file name before .java", "\tat Foo.main(.java:5)", ""},
    {"file and line alone", "Foo.java:8", "file=Foo.java line=8 class="},
    {"cap keeps a message inside it", std::string(2980, 'a') + ".java:12: x",
     "file=" + std::string(2980, 'a') + ".java line=12"},
    {"colon past the cap is not seen", std::string(2995, 'a') + ".java:12: x", ""},
};

class ErrorLineParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ErrorLineParse, ReadsFileAndLine)
{
    const ParseCase& c = GetParam();
    CErrorLocation location;
    location.m_strFile = "stale";
    location.m_nLine = 99;
    BOOL bFound = CErrorLine::Parse(c.strLine.c_str(), location);
    if (c.strExpected.empty()) {
        EXPECT_FALSE(bFound);
        EXPECT_EQ(location.Dump(), CString("file= line=0"));
    } else {
        EXPECT_TRUE(bFound);
        EXPECT_EQ(location.Dump(), CString(c.strExpected));
    }
}

INSTANTIATE_TEST_SUITE_P(Lines, ErrorLineParse, testing::ValuesIn(kParseCases), CaseName());

TEST(ErrorLine, NullLineIsNoErrorLine)
{
    CErrorLocation location;
    EXPECT_FALSE(CErrorLine::Parse(nullptr, location));
}

} // namespace
