// The colouring view's loading, saving and options.
#include "Archive.h"
#include "Document.h"
#include "ViewDriver.h"

#include <gtest/gtest.h>

namespace {

std::string SaveThrough(CTinctoView& view)
{
    CArchive ar;
    view.Serialize(ar);
    return ar.GetData();
}

void LoadThrough(CTinctoView& view, const std::string& strData)
{
    CArchive ar(strData.data(), strData.size());
    view.Serialize(ar);
}

struct LineEndCase {
    const char* pszName;
    const char* pszFile;
    BOOL bUnix;
    const char* pszSaved;  // after typing "x" at the start
};

class LineEnds : public ::testing::TestWithParam<LineEndCase> {};

TEST_P(LineEnds, SavedAsLoaded)
{
    const LineEndCase& c = GetParam();
    CViewDriver driver;
    LoadThrough(driver.m_view, c.pszFile);
    EXPECT_EQ(driver.m_view.IsUnix(), c.bUnix);
    driver.Caret(0);
    driver.Type("x");
    EXPECT_EQ(SaveThrough(driver.m_view), c.pszSaved);
}

const LineEndCase kLineEndCases[] = {
    {"LfOnly", "a\nb\n", TRUE, "xa\nb\n"},
    {"CrLf", "a\r\nb\r\n", FALSE, "xa\r\nb\r\n"},
    {"MixedCountsAsWindows", "a\nb\r\n", FALSE, "xa\r\nb\r\n"},
    {"NoLineEnd", "ab", FALSE, "xab"},
    {"Empty", "", FALSE, "x"},
};

INSTANTIATE_TEST_SUITE_P(View, LineEnds, ::testing::ValuesIn(kLineEndCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(TinctoView, TextFormatChangeKeepsAnUnmodifiedDocumentUnmodified)
{
    CDocument doc;
    doc.SetPathName("/tmp/A.java");
    CViewDriver driver;
    driver.m_view.SetDocument(&doc);
    driver.Load("/* a\n b */ int c;");
    driver.m_view.OnInitialUpdate();
    COLORREF crOld = driver.ColourAt(driver.Find("int"));
    CTextFormat* pFormat = CTinctoView::GetJavaLanguage()->IsKeyword("int")->GetTextFormat();
    pFormat->SetTextForeColor(RGB(1, 2, 3));
    pFormat->ApplyFormat();
    driver.m_view.OnTextFormatChange();
    EXPECT_EQ(driver.ColourAt(driver.Find("int")), RGB(1, 2, 3));
    EXPECT_NE(crOld, RGB(1, 2, 3));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(driver.m_ctrl.GetModify());
    pFormat->Default();
    pFormat->ApplyFormat();
}

TEST(TinctoView, ManyLineBlockCommentIsColouredOnEveryLine)
{
    CViewDriver driver;
    std::string strText = "int a;\n/*\n";
    for (int i = 0; i < 200; ++i)
        strText += " * line " + std::to_string(i) + "\n";
    strText += " */\nint b;\n";
    driver.Load(strText);
    COLORREF crComment = CTinctoView::GetBlockCommentText()->GetCharFormat().crTextColor;
    EXPECT_EQ(driver.ColourAt(driver.Find("line 150")), crComment);
    EXPECT_NE(driver.ColourAt(driver.Find("int b")), crComment);
}

TEST(TinctoView, UnknownExtensionIsColouredAsJava)
{
    EXPECT_EQ(CTinctoView::GetLanguageForPath("notes.xyz"), CTinctoView::GetJavaLanguage());
    EXPECT_EQ(CTinctoView::GetLanguageForPath("page.HTM"), CTinctoView::GetHTMLLanguage());
}

TEST(TinctoView, GotoLineAndCursorPosition)
{
    struct CRecordingView : CTinctoView {
        long nLine = 0;
        int nColumn = 0;
        void SetCursorPos(long l, int c) override { nLine = l; nColumn = c; }
    };
    CScriptedUserInterface ui;
    CRichEditCtrl ctrl;
    CRecordingView view;
    view.Create(&ctrl);
    view.LoadText("a\n\tbc\nd", 7);
    view.SetTabStops(4, TRUE);
    view.GotoLine(2, 0);
    EXPECT_EQ(ctrl.GetCaret(), 3);
    view.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    view.SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(view.nLine, 2);
    EXPECT_EQ(view.nColumn, 6);  // after the tab (4 columns) and "b"
    view.GotoLine(9, 0);
    EXPECT_EQ(ctrl.GetCaret(), 5);
}

TEST(TinctoView, FontValueAndTabStopsFollowTheDefaultFont)
{
    CViewDriver driver;
    driver.Load("a\tb");
    LOGFONT lf{};
    lf.lfHeight = -16;  // 12 points at 96 pixels per inch
    std::snprintf(lf.lfFaceName, LF_FACESIZE, "%s", "DejaVu Sans Mono");
    driver.m_view.SetDefaultFont(lf, 0, -1);
    EXPECT_EQ(driver.m_view.GetFontValue(), 24);
    CHARFORMAT cf{};
    driver.m_ctrl.GetCharFormat(0, 1, cf);
    EXPECT_EQ(cf.yHeight, 240);
    EXPECT_STREQ(cf.szFaceName, "DejaVu Sans Mono");
    EXPECT_EQ(driver.m_ctrl.GetTabColumns(), 4);
    EXPECT_FALSE(driver.m_ctrl.GetModify());
}

}  // namespace
