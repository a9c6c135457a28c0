#include "SectionReplacer.h"
#include "Subwright.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

struct SReplaceCase {
    const char* pszName;
    std::string strBefore;
    const char* pszBegin;
    const char* pszEnd;
    const char* pszNewText;
    int nCode;
    std::string strAfter;  // expected contents; ignored unless nCode is 0
};

const SReplaceCase g_cases[] = {
    {"plain", "a\n  //B\n  old();\n  //E\nz\n", "//B", "//E", "x();", 0, "a\n  //B\n  x();\n  //E\nz\n"},
    {"crlf", "//B\r\n\told\r\n\r\n//E\r\n", "//B", "//E", "x", 0, "//B\r\n\tx\r\n\r\n//E\r\n"},
    {"lone cr", "//B\r old\r//E", "//B", "//E", "x", 0, "//B\r x\r//E"},
    {"new text kept as given", "//B\nold\n//E\n", "//B", "//E", "\n\n  x\r\n\n", 0, "//B\n\n\n  x\r\n\n\n//E\n"},
    {"comment goes on past marker", "//B keep these words\n  old\n//E\n", "//B", "//E", "x", 0,
     "//B keep these words\n  x\n//E\n"},
    {"marker ends with line end", "//B\nold\n//E\n", "//B\n", "//E", "x", 0, "//B\nx\n//E\n"},
    {"comment after code", "int a; //B\nold\n//E", "//B", "//E", "x", 0, "int a; //B\nx\n//E"},
    {"white space only", "//B\n  \n\t\n//E\n", "//B", "//E", "x", 0, "//B\nx  \n\t\n//E\n"},
    {"markers adjacent", "//B\r\n//E", "//B", "//E", "x", 0, "//B\r\nx//E"},
    {"empty new text", "//B\n  old\n//E\n", "//B", "//E", "", 0, "//B\n  \n//E\n"},
    {"first begin wins", "//B\n1\n//E\n//B\n2\n//E\n", "//B", "//E", "x", 0, "//B\nx\n//E\n//B\n2\n//E\n"},
    {"string and block comment skipped", "s = \"//B\"; /* //B */\n//B\nold\n//E\n", "//B", "//E", "x", 0,
     "s = \"//B\"; /* //B */\n//B\nx\n//E\n"},
    {"begin only in string", "s = \"//B\";\nold\n//E\n", "//B", "//E", "x", 3, ""},
    {"begin only in block comment", "/*\n//B\n*/\nold\n//E\n", "//B", "//E", "x", 3, ""},
    {"case differs", "//b\nold\n//E\n", "//B", "//E", "x", 3, ""},
    {"space after slashes", "// B\nold\n//E\n", "//B", "//E", "x", 3, ""},
    {"marker without slashes", "//B\nold\n//E\n", "B", "//E", "x", 3, ""},
    {"empty marker", "//B\nold\n//E\n", "", "//E", "x", 3, ""},
    {"end missing", "//B\nold\n", "//B", "//E", "x", 4, ""},
    {"end only in string", "//B\nold\n\"//E\"\n", "//B", "//E", "x", 4, ""},
    {"end before begin", "//E\nold\n//B\n", "//B", "//E", "x", 6, ""},
    {"same marker twice", "//M\nold\n//M\n", "//M", "//M", "x", 6, ""},
};

class ReplaceCaseTest : public testing::TestWithParam<SReplaceCase> {};

TEST_P(ReplaceCaseTest, RewritesOnlyTheSection)
{
    const SReplaceCase& c = GetParam();
    CTempFolder folder;
    CString strFile = folder.Write("A.java", c.strBefore);
    EXPECT_EQ(c.nCode, Test_Replace(strFile, c.pszBegin, c.pszEnd, c.pszNewText));
    EXPECT_EQ(c.nCode == 0 ? c.strAfter : c.strBefore, ReadWholeFile(strFile));
    // With new text that has no white space at its ends, a second run changes nothing more.
    CString strTrimmed(c.pszNewText);
    strTrimmed.Trim();
    if (c.nCode == 0 && strTrimmed == c.pszNewText) {
        EXPECT_EQ(0, Test_Replace(strFile, c.pszBegin, c.pszEnd, c.pszNewText));
        EXPECT_EQ(c.strAfter, ReadWholeFile(strFile));
    }
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path().c_str()),
                               std::filesystem::directory_iterator()));
}

INSTANTIATE_TEST_SUITE_P(Files, ReplaceCaseTest, testing::ValuesIn(g_cases), [](const auto& info) {
    std::string strName = info.param.pszName;
    for (char& ch : strName)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return strName;
});

const std::string g_strSource = "//B\nold\n//E\n";

TEST(SectionReplacerTest, FilesThatCannotBeOpenedStayAsTheyAre)
{
    CTempFolder folder;
    CString strReadOnly = folder.Write("ReadOnly.java", g_strSource);
    chmod(strReadOnly, 0444);
    std::filesystem::create_directory(folder.File("Dir.java").c_str());
    for (const CString& strPath : {folder.File("Missing.java"), folder.File("Dir.java"), strReadOnly, CString()})
        EXPECT_EQ(1, Test_Replace(strPath, "//B", "//E", "x")) << strPath;
    EXPECT_EQ(g_strSource, ReadWholeFile(strReadOnly));
}

TEST(SectionReplacerTest, KeepsModeAndWritesThroughSymbolicLinks)
{
    CTempFolder folder;
    CString strFile = folder.Write("A.java", g_strSource);
    chmod(strFile, 0640);
    CString strLink = folder.File("Link.java");
    std::filesystem::create_symlink(strFile.c_str(), strLink.c_str());
    ASSERT_EQ(0, Test_Replace(strLink, "//B", "//E", "x"));
    EXPECT_EQ("//B\nx\n//E\n", ReadWholeFile(strFile));
    EXPECT_TRUE(std::filesystem::is_symlink(strLink.c_str()));
    struct stat st {};
    ASSERT_EQ(0, stat(strFile, &st));
    EXPECT_EQ(0640u, st.st_mode & 07777);
}

// Runs Test_Replace in a child process under a resource limit; the child exits with the result code.
void ReplaceUnderLimit(int nResource, rlim_t nExtra, const char* pszFile, const char* pszNewText)
{
    signal(SIGXFSZ, SIG_IGN);
    rlim_t nLimit = nExtra;
    if (nResource == RLIMIT_AS) {
        unsigned long nPages = 0;
        FILE* pStatm = fopen("/proc/self/statm", "r");
        if (!pStatm || fscanf(pStatm, "%lu", &nPages) != 1)
            std::_Exit(100);
        fclose(pStatm);
        nLimit += nPages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
    }
    rlimit limit{nLimit, nLimit};
    if (setrlimit(nResource, &limit) != 0)
        std::_Exit(101);
    std::_Exit(Test_Replace(pszFile, "//B", "//E", pszNewText));
}

TEST(SectionReplacerDeathTest, FailedWriteKeepsTheOriginal)
{
    CTempFolder folder;
    CString strFile = folder.Write("A.java", g_strSource);
    std::string strLong(200, 'x');
    EXPECT_EXIT(ReplaceUnderLimit(RLIMIT_FSIZE, 64, strFile, strLong.c_str()), testing::ExitedWithCode(5), "");
    EXPECT_EQ(g_strSource, ReadWholeFile(strFile));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(folder.Path().c_str()),
                               std::filesystem::directory_iterator()));
}

TEST(SectionReplacerDeathTest, ContentsTooLargeForMemory)
{
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer's operator new ends the process with an out-of-memory
    // report instead of throwing std::bad_alloc (allocator_may_return_null only
    // covers malloc), so the path under test cannot be reached in this build.
    GTEST_SKIP() << "needs a build without AddressSanitizer";
#endif
    CTempFolder folder;
    CString strFile = folder.Write("Big.java", g_strSource);
    std::filesystem::resize_file(strFile.c_str(), 256u << 20);
    EXPECT_EXIT(ReplaceUnderLimit(RLIMIT_AS, 16u << 20, strFile, "x"), testing::ExitedWithCode(2), "");
}

} // namespace
