// The tips file: which lines are tips, the order they come in, where the
// next start resumes, and what a changed, missing or empty file gives.
#include "Profile.h"
#include "TempFolder.h"
#include "TipFile.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <utime.h>
#include <vector>

namespace {

std::vector<CString> Tips(CTipFile& file, int nCount)
{
    std::vector<CString> tips;
    for (int i = 0; i < nCount; ++i)
        tips.push_back(file.NextTip());
    return tips;
}

void SetFileTime(const char* pszPath, time_t nTime)
{
    struct utimbuf times = {nTime, nTime};
    ASSERT_EQ(::utime(pszPath, &times), 0);
}

} // namespace

TEST(TipFile, LinesAndOrder)
{
    struct {
        const char* pszName;
        std::string strText;
        std::vector<CString> expected;
    } cases[] = {
        {"plain lines, wrapping", "one\ntwo\nthree\n", {"one", "two", "three", "one"}},
        {"comments and empty lines", "; header\n\none\n   \n  ; indented comment\ntwo\n", {"one", "two", "one"}},
        {"carriage returns and blanks trimmed", "  one \r\n\ttwo\r\n", {"one", "two", "one"}},
        {"no line end at the end", "one\ntwo", {"one", "two", "one"}},
        {"a single tip", "only\n", {"only", "only"}},
        {"no tips at all", "; nothing\n\n", {CTipFile::s_pszNoTipsText, CTipFile::s_pszNoTipsText}},
        {"empty file", "", {CTipFile::s_pszNoTipsText}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTempFolder folder;
        CProfile profile(folder.File("mosk.ini"));
        CTipFile file(folder.Write("tips.txt", c.strText));
        ASSERT_TRUE(file.Open(profile));
        EXPECT_EQ(Tips(file, static_cast<int>(c.expected.size())), c.expected);
    }
}

TEST(TipFile, NextStartResumesAfterTheLastTipShown)
{
    CTempFolder folder;
    CProfile profile(folder.File("mosk.ini"));
    CString strPath = folder.Write("tips.txt", "; tips\none\ntwo\nthree\n");
    {
        CTipFile file(strPath);
        ASSERT_TRUE(file.Open(profile));
        EXPECT_EQ(Tips(file, 2), (std::vector<CString>{"one", "two"}));
        ASSERT_TRUE(file.SavePosition(profile));
    }
    EXPECT_EQ(profile.GetInt("Tip", "FilePos", -1), 15);
    EXPECT_EQ(profile.GetString("Tip", "TimeStamp", ""), CTipFile::TimeStampOf(strPath));
    {
        CTipFile file(strPath);
        ASSERT_TRUE(file.Open(profile));
        EXPECT_EQ(Tips(file, 2), (std::vector<CString>{"three", "one"}));
        file.SavePosition(profile);
    }
    // After the last tip the position is the start again.
    CTipFile file(strPath);
    ASSERT_TRUE(file.Open(profile));
    Tips(file, 2);
    file.SavePosition(profile);
    EXPECT_EQ(profile.GetInt("Tip", "FilePos", -1), 0);
}

TEST(TipFile, StoredPositions)
{
    struct {
        const char* pszName;
        int nStoredPos;
        bool bSameTimeStamp;
        CString strFirst;
    } cases[] = {
        {"position of the second tip", 4, true, "two"},
        {"changed file starts again", 4, false, "one"},
        {"position inside a line moves to the next line", 5, true, "three"},
        {"position past the end", 400, true, "one"},
        {"negative position", -3, true, "one"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTempFolder folder;
        CProfile profile(folder.File("mosk.ini"));
        CString strPath = folder.Write("tips.txt", "one\ntwo\nthree\n");
        SetFileTime(strPath, 1000000000);
        profile.WriteInt("Tip", "FilePos", c.nStoredPos);
        profile.WriteString("Tip", "TimeStamp", c.bSameTimeStamp ? "1000000000" : "999999999");
        CTipFile file(strPath);
        ASSERT_TRUE(file.Open(profile));
        EXPECT_EQ(file.NextTip(), c.strFirst);
        // The file's own time stamp is stored once it was read.
        EXPECT_EQ(profile.GetString("Tip", "TimeStamp", ""), "1000000000");
    }
}

TEST(TipFile, MissingFile)
{
    CTempFolder folder;
    CProfile profile(folder.File("mosk.ini"));
    profile.WriteInt("Tip", "FilePos", 7);
    for (const char* pszPath : {"", "/nonexistent/tips.txt"}) {
        SCOPED_TRACE(pszPath);
        CTipFile file(pszPath);
        EXPECT_FALSE(file.Open(profile));
        EXPECT_EQ(file.NextTip(), "Tips file does not exist in the prescribed directory");
        EXPECT_TRUE(file.SavePosition(profile));
        EXPECT_EQ(profile.GetInt("Tip", "FilePos", -1), 7);
    }
    CTipFile folderAsFile(folder.Path());
    EXPECT_FALSE(folderAsFile.Open(profile));
}

TEST(TipFile, Dump)
{
    CTempFolder folder;
    CProfile profile(folder.File("mosk.ini"));
    CString strPath = folder.Write("tips.txt", "; c\none\ntwo\n");
    CTipFile file(strPath);
    file.Open(profile);
    file.NextTip();
    EXPECT_EQ(file.Dump(), "path=" + strPath + "\nopen=1\npos=8\ntips=2\n");
}
