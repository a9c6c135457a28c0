#include "FindInFiles.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Hits(const std::string& strText, const char* pszNeedle)
{
    std::string strOut;
    CFindInFiles::SearchText("f", strText.data(), strText.size(), pszNeedle, strOut);
    return strOut;
}

TEST(FindInFiles, HitsAndLineNumbers)
{
    struct {
        const char* pszName;
        std::string strText;
        const char* pszNeedle;
        std::string strHits;
    } cases[] = {
        {"two hits on one line list it twice", "a foo b FOO\n", "foo", "f:1:  a foo b FOO\nf:1:  a foo b FOO\n"},
        {"case is ignored both ways", "x\nHeLLo\n", "hEllO", "f:2:  HeLLo\n"},
        {"overlapping hits count each", "aaa", "aa", "f:1:  aaa\nf:1:  aaa\n"},
        {"CR LF is one line end", "a\r\nb\r\nneedle\r\n", "needle", "f:3:  needle\n"},
        {"a lone CR ends a line", "a\rb\rneedle", "needle", "f:3:  needle\n"},
        {"LF lines", "a\n\nneedle\n", "needle", "f:3:  needle\n"},
        {"LF CR is two line ends", "a\n\rneedle", "needle", "f:3:  needle\n"},
        {"NUL bytes are not text", std::string("ne\0edle\n", 8), "needle", "f:1:  needle\n"},
        {"no hit", "nothing here", "xyz", ""},
        {"bytes beyond ASCII are kept", "caf\xc3\xa9 \xff\n", "\xc3\xa9", "f:1:  caf\xc3\xa9 \xff\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.strHits, Hits(c.strText, c.pszNeedle)) << c.pszName;
}

TEST(FindInFiles, LinesAreCutAtTheBuffer)
{
    std::string strLine = std::string(3100, 'x') + "needle";
    std::string strHits = Hits("first\n" + strLine + "\n", "needle");
    EXPECT_EQ("f:2:  " + std::string(3000, 'x') + "\n", strHits);
}

TEST(FindInFiles, FilesInListOrderMissingSkippedUnreadableReported)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray files;
    files.Add(temp.Write("b.java", "int Foo;\nfoo();\n"));
    files.Add(temp.File("missing.java"));
    files.Add(temp.Write("empty.java", ""));
    CString strLocked = temp.Write("locked.java", "foo");
    chmod(strLocked, 0);
    files.Add(strLocked);
    files.Add(temp.Write("bad\xff name.java", "x foo"));
    std::string strOut;
    CFindInFiles::Search("foo", files, strOut);
    std::string strDir = temp.Path().str();
    std::string strExpected = "Wait, Searching...\n"
                              "\nSearching file -" + strDir + "/b.java\n" +
                              strDir + "/b.java:1:  int Foo;\n" + strDir + "/b.java:2:  foo();\n" +
                              "\nSearching file -" + strDir + "/empty.java\n" +
                              "\nSearching file -" + strDir + "/locked.java\n";
    if (geteuid() == 0) {
        // Permissions do not stop the superuser: the file reads.
        strExpected += strDir + "/locked.java:1:  foo\n";
    }
    strExpected += "\nSearching file -" + strDir + "/bad\xff name.java\n" + strDir + "/bad\xff name.java:1:  x foo\n";
    EXPECT_EQ(strExpected, strOut);
    if (geteuid() != 0) {
        ASSERT_EQ(1u, ui.m_shown.size());
        EXPECT_EQ(CString("Error opening the file ") + strLocked + " for parsing !!!", ui.m_shown[0].strText);
    }
    chmod(strLocked, 0600);
}

TEST(FindInFiles, ResultLines)
{
    struct {
        const char* pszLine;
        BOOL bOk;
        const char* pszPath;
        int nLine;
    } cases[] = {
        {"/src/A.java:12:  int a;", TRUE, "/src/A.java", 12},
        {"C:\\src\\A.java:7:  x: y", TRUE, "C:\\src\\A.java", 7},
        {"/src/A.java:3:  a:4: b", TRUE, "/src/A.java", 3},
        {"Searching file -/src/A.java", FALSE, "", 0},
        {"Wait, Searching...", FALSE, "", 0},
        {"/src/A.java:12 no second colon", FALSE, "", 0},
        {":12:  no path", FALSE, "", 0},
        {"", FALSE, "", 0},
    };
    for (const auto& c : cases) {
        CString strPath;
        int nLine = 0;
        EXPECT_EQ(c.bOk, CFindInFiles::ParseResultLine(c.pszLine, strPath, nLine)) << c.pszLine;
        if (c.bOk) {
            EXPECT_EQ(CString(c.pszPath), strPath) << c.pszLine;
            EXPECT_EQ(c.nLine, nLine) << c.pszLine;
        }
    }
}

} // namespace
