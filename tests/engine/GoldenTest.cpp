// Golden files: tests/data/golden/NAME.EXT next to its expected rich text
// NAME.EXT.rtf (regenerate with scripts/regen-golden after a reviewed change).
#include "RichTextExport.h"
#include "TempFolder.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <filesystem>

TEST(GoldenTest, RichTextMatchesTheExpectedFiles)
{
    CTinctoView::Init(RGB(255, 255, 255), 100);
    int nChecked = 0;
    for (const auto& entry : std::filesystem::directory_iterator(MOSK_TEST_DATA "/golden")) {
        std::string strPath = entry.path().string();
        if (entry.path().extension() == ".rtf")
            continue;
        SCOPED_TRACE(strPath);
        std::string strText = ReadWholeFile(strPath.c_str());
        std::string strExpected = ReadWholeFile((strPath + ".rtf").c_str());
        ASSERT_FALSE(strExpected.empty()) << "missing " << strPath << ".rtf";
        CTinctoView view;
        view.SetPathName(strPath.c_str());
        EXPECT_EQ(CRichTextExport::Export(&view, strText.data(), static_cast<long>(strText.size()), 4096), strExpected);
        // The same rich text arrives through transfer buffers of any size.
        EXPECT_EQ(CRichTextExport::Export(&view, strText.data(), static_cast<long>(strText.size()), 7), strExpected);
        ++nChecked;
    }
    EXPECT_GE(nChecked, 5);
}
