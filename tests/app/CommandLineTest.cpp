// The command line: files, lines, options and the faults that end the
// program with exit code 2.
#include "CommandLine.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct CExpect {
    CCommandLine::EAction nAction;
    CString strFile;
    int nLine;
    BOOL bNewInstance;
};

} // namespace

TEST(CommandLine, Arguments)
{
    CTempFolder folder;
    // A file whose whole name looks like FILE:LINE.
    CString strColonFile = folder.Write("odd:12", "x");
    CString strPlain = folder.Write("A.java", "class A {}");
    const CCommandLine::EAction START = CCommandLine::ACTION_START;
    const CCommandLine::EAction ERROR = CCommandLine::ACTION_ERROR;
    struct {
        const char* pszName;
        std::vector<CString> args;
        CExpect expect;
    } cases[] = {
        {"nothing", {}, {START, "", 0, FALSE}},
        {"a file", {strPlain}, {START, strPlain, 0, FALSE}},
        {"file and line", {strPlain + ":42"}, {START, strPlain, 42, FALSE}},
        {"missing file and line", {"B.java:7"}, {START, "B.java", 7, FALSE}},
        {"plus line before the file", {"+15", strPlain}, {START, strPlain, 15, FALSE}},
        {"suffix line wins over plus line", {"+15", "B.java:3"}, {START, "B.java", 3, FALSE}},
        {"existing name with a colon is the file", {strColonFile}, {START, strColonFile, 0, FALSE}},
        {"colon without digits is part of the name", {"B.java:x"}, {START, "B.java:x", 0, FALSE}},
        {"line zero is part of the name", {"B.java:0"}, {START, "B.java:0", 0, FALSE}},
        {"a lone colon and digits", {":5"}, {START, ":5", 0, FALSE}},
        {"new instance", {"--new-instance", strPlain}, {START, strPlain, 0, TRUE}},
        {"double dash makes a file of an option", {"--", "--help"}, {START, "--help", 0, FALSE}},
        {"help", {"--help"}, {CCommandLine::ACTION_HELP, "", 0, FALSE}},
        {"short help after a file", {strPlain, "-h"}, {CCommandLine::ACTION_HELP, strPlain, 0, FALSE}},
        {"version", {"--version", "--bogus"}, {CCommandLine::ACTION_VERSION, "", 0, FALSE}},
        {"unknown long option", {"--bogus"}, {ERROR, "", 0, FALSE}},
        {"unknown short option", {"-x", "--help"}, {ERROR, "", 0, FALSE}},
        {"a lone dash", {"-"}, {ERROR, "", 0, FALSE}},
        {"plus without a number", {"+abc", strPlain}, {ERROR, "", 0, FALSE}},
        {"plus zero", {"+0", strPlain}, {ERROR, "", 0, FALSE}},
        {"plus with too many digits", {"+1234567890", strPlain}, {ERROR, "", 0, FALSE}},
        {"plus line without a file", {"+5"}, {ERROR, "", 0, FALSE}},
        {"two files", {strPlain, "B.java"}, {ERROR, strPlain, 0, FALSE}},
        {"empty file name", {""}, {ERROR, "", 0, FALSE}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CCommandLine commandLine;
        commandLine.Parse(c.args);
        EXPECT_EQ(commandLine.GetAction(), c.expect.nAction);
        EXPECT_EQ(commandLine.GetFile(), c.expect.strFile);
        EXPECT_EQ(commandLine.GetLine(), c.expect.nLine);
        EXPECT_EQ(commandLine.IsNewInstance(), c.expect.bNewInstance);
        EXPECT_EQ(commandLine.GetError().IsEmpty(), c.expect.nAction != ERROR);
    }
}

TEST(CommandLine, ErrorsNameTheArgument)
{
    struct {
        std::vector<CString> args;
        const char* pszBad;
        const char* pszError;
    } cases[] = {
        {{"--bogus"}, "--bogus", "'--bogus' is not an option of mosk"},
        {{"+x", "A.java"}, "+x", "'+x' is not a line number"},
        {{"A.java", "+3"}, "+3", "'+3' names a line but no file follows it"},
        {{"A.java", "B.java"}, "B.java", "'B.java' is a second file; mosk opens one file at a time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszBad);
        CCommandLine commandLine;
        commandLine.Parse(c.args);
        EXPECT_EQ(commandLine.GetBadArgument(), c.pszBad);
        EXPECT_EQ(commandLine.GetError(), c.pszError);
    }
}

TEST(CommandLine, ArgumentVectorSkipsTheProgramName)
{
    const char* argv[] = {"mosk", "--new-instance", "+9", "Main.java"};
    CCommandLine commandLine;
    commandLine.Parse(4, argv);
    EXPECT_EQ(commandLine.Dump(), "action=start\nfile=Main.java\nline=9\nnew-instance=1\nerror=\n");
    // A second parse starts afresh.
    commandLine.Parse(1, argv);
    EXPECT_EQ(commandLine.Dump(), "action=start\nfile=\nline=0\nnew-instance=0\nerror=\n");
}

TEST(CommandLine, ToolkitOptions)
{
    struct {
        const char* pszArgument;
        BOOL bToolkit;
    } cases[] = {
        {"-platform", TRUE}, {"--platform", TRUE}, {"-style=fusion", TRUE}, {"-qwindowgeometry", TRUE},
        {"-plat", FALSE},    {"--bogus", FALSE},   {"platform", FALSE},     {"-", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CCommandLine::IsToolkitOption(c.pszArgument), c.bToolkit) << c.pszArgument;
}

TEST(CommandLine, UsageAndVersion)
{
    EXPECT_EQ(CCommandLine::GetVersionText(), CString("mosk ") + CCommandLine::GetVersion() + "\n");
    EXPECT_NE(CCommandLine::GetVersion()[0], '\0');
    EXPECT_EQ(CCommandLine::GetUsage().Find("Usage: mosk"), 0);
}
