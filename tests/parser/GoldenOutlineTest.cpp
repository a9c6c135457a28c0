// Whole outlines of the Java sources under tests/data/outline, one in the
// style of the first Java releases and one in today's Java, against the
// expected NAME.java.outline next to each (scripts/regen-outlines).
#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

class CGoldenOutline : public ::testing::TestWithParam<const char*> {};

TEST_P(CGoldenOutline, MatchesExpected)
{
    std::string strFolder = std::string(MOSK_TEST_DATA) + "/outline/";
    std::string strInput = strFolder + GetParam();
    std::string strExpected = ReadWholeFile((strInput + ".outline").c_str());
    ASSERT_FALSE(strExpected.empty()) << "missing " << strInput << ".outline";
    CString strError;
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(strInput.c_str(), strError));
    ASSERT_TRUE(pFile) << strError.c_str();
    CString strOutline;
    CJavaOutline::Write(*pFile, GetParam(), strOutline);
    EXPECT_EQ(strOutline.str(), strExpected);
}

INSTANTIATE_TEST_SUITE_P(Parser, CGoldenOutline, ::testing::Values("early.java", "modern.java"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                             std::string str = info.param;
                             return str.substr(0, str.find('.'));
                         });

} // namespace
