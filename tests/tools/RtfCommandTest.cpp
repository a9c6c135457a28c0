// mosk-tool rtf: the library's own Java keywords, and with --modern the
// keywords Java gained later, coloured in the same keyword format.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <string>

namespace {

std::string Tool()
{
    return std::string(MOSK_BUILD_DIR) + "/tools/mosk-tool";
}

std::string RunTool(const std::string& strArgs)
{
    std::string strOut;
    FILE* pPipe = popen((Tool() + " " + strArgs + " 2>/dev/null").c_str(), "r");
    if (!pPipe)
        return strOut;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pPipe)) > 0)
        strOut.append(buf, n);
    pclose(pPipe);
    return strOut;
}

// The colour number a word is written in ("" when the word is not found).
std::string ColourOf(const std::string& strRtf, const std::string& strWord)
{
    std::smatch match;
    if (std::regex_search(strRtf, match, std::regex("\\\\cf([0-9]+)" + strWord + "(\\\\|$)")))
        return match[1];
    return "";
}

}  // namespace

TEST(RtfCommand, ModernKeywordsTakeTheKeywordFormatOnlyWhenAsked)
{
    if (!std::filesystem::exists(Tool()))
        GTEST_SKIP() << "mosk-tool is not built";
    CTempFolder folder;
    CString strSource = folder.Write("R.java", "record R(int x) { var y = 1; class C {} enum E {} assert y; "
                                               "strictfp yield sealed permits other }\n");
    std::string strPlain = RunTool("rtf " + strSource.str());
    std::string strModern = RunTool("rtf --modern " + strSource.str());
    ASSERT_EQ(strPlain.rfind("{\\rtf1", 0), 0u) << strPlain;
    ASSERT_EQ(strModern.rfind("{\\rtf1", 0), 0u) << strModern;
    // The colour table is the same: the extra words bring no format of their own.
    EXPECT_EQ(strPlain.substr(0, strPlain.find('}')), strModern.substr(0, strModern.find('}')));

    const std::string strKeyword = ColourOf(strPlain, "class");
    ASSERT_FALSE(strKeyword.empty());
    ASSERT_NE(strKeyword, "0");
    EXPECT_EQ(ColourOf(strModern, "class"), strKeyword);
    for (const char* pszWord : {"record", "var", "enum", "assert", "strictfp", "yield", "sealed", "permits"}) {
        SCOPED_TRACE(pszWord);
        EXPECT_NE(ColourOf(strPlain, pszWord), strKeyword);
        EXPECT_EQ(ColourOf(strModern, pszWord), strKeyword);
    }
    EXPECT_NE(ColourOf(strModern, "other"), strKeyword);
}
