#include "BlockCommentText.h"
#include "CPPDataTypesText.h"
#include "CPPKeywordText.h"
#include "HTMLKeywordText.h"
#include "JavaDataTypesText.h"
#include "JavaKeywordText.h"
#include "LineCommentText.h"
#include "NormalText.h"
#include "NumberKeywordText.h"
#include "Profile.h"
#include "StringText.h"
#include "TempFolder.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct FormatCase {
    const char* pszLabel;
    std::unique_ptr<CTextFormat> (*pfnMake)();
    const char* pszName;
    const char* pszSection;
    COLORREF crDefault;
    bool bPattern;
};

template <class T>
std::unique_ptr<CTextFormat> Make()
{
    return std::make_unique<T>();
}

const FormatCase s_formats[] = {
    {"normal", &Make<CNormalText>, "Normal", "NormalText", RGB(0, 0, 0), false},
    {"block comment", &Make<CBlockCommentText>, "Comment", "CommentText", RGB(0, 128, 0), true},
    {"line comment", &Make<CLineCommentText>, "Comment", "CommentText", RGB(0, 128, 0), true},
    {"string", &Make<CStringText>, "String", "StringText", RGB(193, 0, 0), true},
    {"java keywords", &Make<CJavaKeywordText>, "Keywords", "Keywords", RGB(0, 0, 192), false},
    {"java data types", &Make<CJavaDataTypesText>, "Datatypes", "Datatypes", RGB(192, 0, 0), false},
    {"c++ keywords", &Make<CCPPKeywordText>, "Keywords", "Keywords", RGB(0, 0, 192), false},
    {"c++ data types", &Make<CCPPDataTypesText>, "Datatypes", "Datatypes", RGB(192, 0, 0), false},
    {"html tags", &Make<CHTMLKeywordText>, "Keywords", "Keywords", RGB(0, 0, 192), false},
    {"numbers", &Make<CNumberKeywordText>, "Number", "Number", RGB(194, 0, 0), false},
};

class TextFormatTest : public ::testing::Test {
protected:
    void SetUp() override { m_folder.SetAsAppFolders(); }
    CTempFolder m_folder;
};

} // namespace

TEST_F(TextFormatTest, EmptySettingsGiveTheDefaults)
{
    for (const FormatCase& c : s_formats) {
        SCOPED_TRACE(c.pszLabel);
        auto pFormat = c.pfnMake();
        pFormat->Init();
        EXPECT_STREQ(pFormat->GetFormatName(), c.pszName);
        EXPECT_EQ(pFormat->GetTextForeColor(), c.crDefault);
        EXPECT_EQ(pFormat->GetCharFormat().crTextColor, c.crDefault);
        EXPECT_EQ(pFormat->GetCharFormat().dwMask, CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE);
        EXPECT_EQ(pFormat->GetCharFormat().dwEffects, 0u);
        EXPECT_EQ(pFormat->GetFontStyle(), 0);
        EXPECT_EQ(pFormat->IsPattern() != 0, c.bPattern);
    }
}

TEST_F(TextFormatTest, EachFormatReadsAndWritesItsOwnSection)
{
    for (const FormatCase& c : s_formats) {
        SCOPED_TRACE(c.pszLabel);
        CProfile::App().WriteString(c.pszSection, nullptr, nullptr);
        auto pFormat = c.pfnMake();
        pFormat->Init();
        pFormat->SetTextForeColor(RGB(10, 20, 30));
        pFormat->SetFontStyle(2);
        pFormat->ApplyFormat();
        EXPECT_EQ(CProfile::App().GetInt(c.pszSection, "ColorRed", -1), 10);
        EXPECT_EQ(CProfile::App().GetInt(c.pszSection, "ColorGreen", -1), 20);
        EXPECT_EQ(CProfile::App().GetInt(c.pszSection, "ColorBlue", -1), 30);
        EXPECT_EQ(CProfile::App().GetInt(c.pszSection, "FontStyle", -1), 2);
        auto pReloaded = c.pfnMake();
        pReloaded->Init();
        EXPECT_EQ(pReloaded->GetTextForeColor(), RGB(10, 20, 30));
        EXPECT_EQ(pReloaded->GetCharFormat().dwEffects, CFE_ITALIC);
        EXPECT_EQ(pReloaded->GetFontStyle(), 2);
    }
}

TEST_F(TextFormatTest, CommentsShareOneStoredColour)
{
    CBlockCommentText block;
    block.Init();
    block.SetTextForeColor(RGB(1, 2, 3));
    block.ApplyFormat();
    CLineCommentText line;
    line.Init();
    EXPECT_EQ(line.GetTextForeColor(), RGB(1, 2, 3));
}

TEST_F(TextFormatTest, InitAfterBoldBecamePlainClearsTheEffect)
{
    CJavaKeywordText format;
    CProfile::App().WriteInt("Keywords", "FontStyle", 1);
    format.Init();
    EXPECT_EQ(format.GetCharFormat().dwEffects, CFE_BOLD);
    EXPECT_EQ(format.GetFontStyle(), 1);
    CProfile::App().WriteInt("Keywords", "FontStyle", 0);
    format.Init();
    EXPECT_EQ(format.GetCharFormat().dwEffects, 0u);
    EXPECT_EQ(format.GetFontStyle(), 0);
}

TEST_F(TextFormatTest, AdjustColorMovesTheFormatsOwnChannel)
{
    struct Case {
        const char* pszLabel;
        std::unique_ptr<CTextFormat> pFormat;
        COLORREF crStart;
        COLORREF crAfter;
    };
    Case cases[] = {
        {"string moves red up", Make<CStringText>(), RGB(10, 10, 10), RGB(11, 10, 10)},
        {"red at 255 goes to 254", Make<CStringText>(), RGB(255, 0, 0), RGB(254, 0, 0)},
        {"block comment moves green", Make<CBlockCommentText>(), RGB(0, 255, 0), RGB(0, 254, 0)},
        {"line comment moves blue", Make<CLineCommentText>(), RGB(0, 128, 255), RGB(0, 128, 254)},
        {"java data types move red", Make<CJavaDataTypesText>(), RGB(192, 0, 0), RGB(193, 0, 0)},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.pszLabel);
        c.pFormat->SetTextForeColor(c.crStart);
        c.pFormat->ApplyFormat();
        CNormalText other;
        other.SetTextForeColor(c.crStart);
        c.pFormat->AdjustColor(&other);
        EXPECT_EQ(RGB(c.pFormat->GetRed(), c.pFormat->GetGreen(), c.pFormat->GetBlue()), c.crAfter);
        other.SetTextForeColor(RGB(1, 1, 1));
        c.pFormat->AdjustColor(&other);  // different colours: nothing moves
        EXPECT_EQ(RGB(c.pFormat->GetRed(), c.pFormat->GetGreen(), c.pFormat->GetBlue()), c.crAfter);
    }
}

TEST_F(TextFormatTest, ColorTableEntryAndFormatCode)
{
    CStringText format;
    format.Init();
    CString strTable("X");
    int nIndex = 3;
    EXPECT_EQ(format.AppendColorTable(strTable, nIndex), 4);
    EXPECT_EQ(nIndex, 4);
    EXPECT_STREQ(strTable, "X\\red193\\green0\\blue0;");
    EXPECT_STREQ(format.GetFormatCode(), "\\b0\\ul0\\i0\\cf3");
    EXPECT_EQ(format.GetFormatCodeLen(), 14);

    const char* styleCodes[] = {"\\b0\\ul0\\i0\\cf0", "\\b\\cf0", "\\i\\cf0", "\\ul\\cf0"};
    for (int nStyle = 0; nStyle < 4; ++nStyle) {
        CProfile::App().WriteInt("StringText", "FontStyle", nStyle);
        format.Init();
        int n = 0;
        format.AppendColorTable(strTable, n);
        EXPECT_STREQ(format.GetFormatCode(), styleCodes[nStyle]);
    }
}

TEST_F(TextFormatTest, IsFormatComparesColourOnlyUnderTheColourMask)
{
    CStringText format;
    format.Init();
    CHARFORMAT cf{};
    cf.crTextColor = RGB(193, 0, 0);
    cf.dwEffects = CFE_BOLD;
    EXPECT_TRUE(format.IsFormat(cf, CFM_COLOR));
    EXPECT_FALSE(format.IsFormat(cf, CFM_BOLD));
    cf.crTextColor = RGB(192, 0, 0);
    EXPECT_FALSE(format.IsFormat(cf, CFM_COLOR | CFM_BOLD));
}

TEST_F(TextFormatTest, DefaultRestoresColourWhereTheFormatHasOne)
{
    CStringText strFormat;
    strFormat.SetTextForeColor(RGB(1, 1, 1));
    strFormat.SetFontStyle(1);
    strFormat.Default();
    EXPECT_EQ(strFormat.GetTextForeColor(), RGB(193, 0, 0));
    EXPECT_EQ(strFormat.GetFontStyle(), 0);

    CNumberKeywordText number;
    number.SetTextForeColor(RGB(1, 1, 1));
    number.Default();
    EXPECT_EQ(number.GetTextForeColor(), RGB(1, 1, 1));
}

TEST_F(TextFormatTest, PatternEndMarks)
{
    struct Case {
        const char* pszLabel;
        CTextFormat* pFormat;
        const char* pszText;
        int nPos;
        int nExpected;
    };
    CBlockCommentText block;
    CLineCommentText line;
    CStringText str;
    CNormalText normal;
    Case cases[] = {
        {"block end", &block, "a*/", 1, 2},
        {"block star at end of text", &block, "a*", 1, 0},
        {"block line end is no end", &block, "a\r\n", 1, 0},
        {"line comment at CR", &line, "a\r\n", 1, 1},
        {"line comment at LF", &line, "a\n", 1, 1},
        {"line comment at text", &line, "ab", 1, 0},
        {"string quote", &str, "a\"", 1, 1},
        {"string escaped quote", &str, "\\\"", 1, 0},
        {"string doubly escaped quote still escaped", &str, "\\\\\"", 2, 0},
        {"string quote at start", &str, "\"", 0, 1},
        {"string CR", &str, "a\r", 1, 1},
        {"normal never ends", &normal, "*/", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszLabel);
        EXPECT_EQ(c.pFormat->IsEndOfPattern(c.pszText, c.nPos, static_cast<int>(strlen(c.pszText))), c.nExpected);
    }
    EXPECT_TRUE(str.IsEndPatternSameAsBeginPattern());
    EXPECT_FALSE(block.IsEndPatternSameAsBeginPattern());
}
