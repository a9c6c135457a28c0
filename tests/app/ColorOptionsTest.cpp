#include "ColorOptions.h"

#include "CPPKeywords.h"
#include "CPPLanguage.h"
#include "HTMLKeywords.h"
#include "HTMLLanguage.h"
#include "JavaDataTypes.h"
#include "JavaKeywords.h"
#include "JavaLanguage.h"
#include "LineCommentText.h"
#include "NumberKeywords.h"
#include "TextFormat.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

namespace {

COLORREF Stored(CTextFormat* pFormat) { return RGB(pFormat->GetRed(), pFormat->GetGreen(), pFormat->GetBlue()); }

class ColorOptionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CTinctoView::Init(RGB(255, 255, 255), 100);
        CColorOptions options(RGB(255, 255, 255));
        options.Default(RGB(255, 255, 255));
        options.Apply();
        CColorOptions::ReloadOtherFormats();
    }
    CJavaLanguage* Java() { return CTinctoView::GetJavaLanguage(); }
};

TEST_F(ColorOptionsTest, ListOrderAndSortedTypes)
{
    CColorOptions options(RGB(1, 2, 3));
    std::string strNames;
    for (CTextFormat* pFormat : options.GetFormats())
        strNames += std::string(pFormat->GetFormatName()) + " ";
    EXPECT_EQ("Number Datatypes Keywords String Comment Normal ", strNames);
    strNames.clear();
    for (CTextFormat* pFormat : options.GetSortedFormats())
        strNames += std::string(pFormat->GetFormatName()) + " ";
    EXPECT_EQ("Comment Datatypes Keywords Normal Number String ", strNames);
}

TEST_F(ColorOptionsTest, SameColoursEndOneStepApart)
{
    struct {
        const char* pszName;
        COLORREF clrChosen;
        COLORREF clrDataTypes;
    } cases[] = {
        {"red moves up", RGB(10, 20, 30), RGB(11, 20, 30)},
        {"red at 255 moves down", RGB(255, 0, 0), RGB(254, 0, 0)},
    };
    for (const auto& c : cases) {
        CColorOptions options(RGB(255, 255, 255));
        Java()->GetJavaKeywords()->GetTextFormat()->SetTextForeColor(c.clrChosen);
        Java()->GetJavaDataTypes()->GetTextFormat()->SetTextForeColor(c.clrChosen);
        options.Apply();
        EXPECT_EQ(c.clrDataTypes, Stored(Java()->GetJavaDataTypes()->GetTextFormat())) << c.pszName;
        EXPECT_EQ(c.clrChosen, Stored(Java()->GetJavaKeywords()->GetTextFormat())) << c.pszName;
    }
}

TEST_F(ColorOptionsTest, OtherLanguagesAndLineCommentsFollow)
{
    CColorOptions options(RGB(255, 255, 255));
    CTinctoView::GetBlockCommentText()->SetTextForeColor(RGB(1, 100, 1));
    Java()->GetJavaKeywords()->GetTextFormat()->SetTextForeColor(RGB(7, 7, 70));
    options.SetBackground(RGB(250, 250, 240));
    options.Apply();
    CColorOptions::ReloadOtherFormats();
    EXPECT_EQ(RGB(1, 100, 1), Stored(CTinctoView::GetLineCommentText()));
    EXPECT_EQ(RGB(7, 7, 70), Stored(CTinctoView::GetCPPLanguage()->GetCPPKeywords()->GetTextFormat()));
    EXPECT_EQ(RGB(7, 7, 70), Stored(CTinctoView::GetHTMLLanguage()->GetHTMLKeywords()->GetTextFormat()));
    EXPECT_EQ(RGB(250, 250, 240), CTinctoView::GetBackgroundColor());
}

TEST_F(ColorOptionsTest, DefaultGivesTheDefaultColoursPlainAndTheWindowColour)
{
    CColorOptions options(RGB(0, 0, 0));
    for (CTextFormat* pFormat : options.GetFormats()) {
        pFormat->SetTextForeColor(RGB(33, 44, 55));
        pFormat->SetFontStyle(1);
    }
    options.Default(RGB(240, 240, 240));
    options.Apply();
    std::string strDump;
    for (CTextFormat* pFormat : options.GetFormats())
        strDump += std::string(pFormat->GetFormatName()) + " " + std::to_string(Stored(pFormat)) + " " +
                   std::to_string(pFormat->GetStoredFontStyle()) + "\n";
    // The number format has no default colour of its own: it keeps its colour.
    EXPECT_EQ("Number " + std::to_string(RGB(33, 44, 55)) + " 0\n" +
                  "Datatypes " + std::to_string(RGB(192, 0, 0)) + " 0\n" +
                  "Keywords " + std::to_string(RGB(0, 0, 192)) + " 0\n" +
                  "String " + std::to_string(RGB(193, 0, 0)) + " 0\n" +
                  "Comment " + std::to_string(RGB(0, 128, 0)) + " 0\n" +
                  "Normal " + std::to_string(RGB(0, 0, 0)) + " 0\n",
              strDump);
    EXPECT_EQ(RGB(240, 240, 240), CTinctoView::GetBackgroundColor());
}

TEST_F(ColorOptionsTest, CancelLeavesTheAppliedValues)
{
    CTextFormat* pString = CTinctoView::GetStringText();
    COLORREF clrApplied = Stored(pString);
    {
        CColorOptions options(RGB(255, 255, 255));
        pString->SetTextForeColor(RGB(9, 9, 9));
        pString->SetFontStyle(2);
        // Cancel: nothing applied.
    }
    EXPECT_EQ(clrApplied, Stored(pString));
    EXPECT_EQ(0, pString->GetStoredFontStyle());
    // The editing members keep the choice for the next opening.
    EXPECT_EQ(RGB(9, 9, 9), pString->GetTextForeColor());
    EXPECT_EQ(2, pString->GetFontStyle());
}

} // namespace
