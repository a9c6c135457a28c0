// The Editor dialog and the Font command: the fields open with the
// settings, a number outside its range or not a number is refused with the
// dialog still open, OK stores and saves, the font keeps the height convention.
#include "DialogsTestUtil.h"
#include "EditorDlg.h"
#include "FontCommand.h"
#include "ScriptedUserInterface.h"

#include <QCheckBox>
#include <QFont>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class EditorDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.WriteIni("[Editor]\nTabsize=12\nMenuItems=20\nMRULength=8\nUndoBufferSize=100\nBeep=1\n");
        m_app.LoadEditorSettings();
    }

    CScriptedUserInterface m_ui;
    CDialogsFolder m_folder;
    CDialogsApp m_app;
};

TEST_F(EditorDlgTest, OpensWithTheSettings)
{
    CEditorDlg dlg(m_app);
    EXPECT_EQ(dlg.GetNumber(CEditorDlg::NUMBER_TAB_WIDTH)->text(), QStringLiteral("3"));
    EXPECT_EQ(dlg.GetNumber(CEditorDlg::NUMBER_MENU_ITEMS)->text(), QStringLiteral("20"));
    EXPECT_EQ(dlg.GetNumber(CEditorDlg::NUMBER_MRU_LENGTH)->text(), QStringLiteral("8"));
    EXPECT_EQ(dlg.GetNumber(CEditorDlg::NUMBER_UNDO_SIZE)->text(), QStringLiteral("100"));
    EXPECT_TRUE(dlg.GetSwitch(CEditorDlg::SWITCH_BEEP)->isChecked());
    EXPECT_FALSE(dlg.GetSwitch(CEditorDlg::SWITCH_TAB_SPACES)->isChecked());
    EXPECT_TRUE(dlg.GetSwitch(CEditorDlg::SWITCH_SMART_INDENT)->isChecked());
}

TEST_F(EditorDlgTest, ValuesOutsideTheirRangeAreRefused)
{
    struct {
        CEditorDlg::ENumber nNumber;
        const char* pszValue;
        const char* pszMessage;
    } cases[] = {
        {CEditorDlg::NUMBER_TAB_WIDTH, "1", "Please enter an integer between 2 and 20."},
        {CEditorDlg::NUMBER_TAB_WIDTH, "21", "Please enter an integer between 2 and 20."},
        {CEditorDlg::NUMBER_MENU_ITEMS, "51", "Please enter an integer between 10 and 50."},
        {CEditorDlg::NUMBER_MRU_LENGTH, "3", "Please enter an integer between 4 and 16."},
        {CEditorDlg::NUMBER_UNDO_SIZE, "251", "Please enter an integer between 1 and 250."},
        {CEditorDlg::NUMBER_UNDO_SIZE, "0", "Please enter an integer between 1 and 250."},
        {CEditorDlg::NUMBER_MRU_LENGTH, "", "Please enter an integer."},
    };
    std::string strIni = ReadWholeFile(m_app.GetProfile().GetPath());
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.pszMessage) + " for '" + c.pszValue + "'");
        m_ui.m_shown.clear();
        CEditorDlg dlg(m_app);
        dlg.show();
        QLineEdit* pField = dlg.GetNumber(c.nNumber);
        pField->setText(QString::fromUtf8(c.pszValue));
        dlg.GetSwitch(CEditorDlg::SWITCH_TAB_SPACES)->setChecked(true);
        QTest::mouseClick(DialogButton(&dlg, QDialogButtonBox::Ok), Qt::LeftButton);
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText, c.pszMessage);
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.focusWidget(), pField);
        EXPECT_FALSE(m_app.m_EditorSettings.m_bTabSpaces);
        EXPECT_EQ(m_app.m_nViewUpdates, 0);
        EXPECT_EQ(ReadWholeFile(m_app.GetProfile().GetPath()), strIni);
    }
}

TEST_F(EditorDlgTest, OkStoresAndSavesAtOnce)
{
    CEditorDlg dlg(m_app);
    dlg.show();
    dlg.GetNumber(CEditorDlg::NUMBER_TAB_WIDTH)->setText(QStringLiteral("4"));
    dlg.GetNumber(CEditorDlg::NUMBER_UNDO_SIZE)->setText(QStringLiteral("50"));
    dlg.GetSwitch(CEditorDlg::SWITCH_TAB_SPACES)->setChecked(true);
    dlg.GetSwitch(CEditorDlg::SWITCH_BEEP)->setChecked(false);
    QTest::mouseClick(DialogButton(&dlg, QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Undo buffer size will take effect next time you start Mosk !!!");
    EXPECT_EQ(m_app.m_nViewUpdates, 1);
    CProfile& profile = m_app.GetProfile();
    EXPECT_EQ(profile.GetInt("Editor", "Tabsize", 0), 16);
    EXPECT_EQ(profile.GetInt("Editor", "UndoBufferSize", 0), 50);
    EXPECT_EQ(profile.GetInt("Editor", "TabSpaces", 0), 1);
    EXPECT_EQ(profile.GetInt("Editor", "Beep", 1), 0);
}

TEST(FontCommand, HeightConvention)
{
    LOGFONT lf;
    std::memset(&lf, 0, sizeof lf);
    std::strcpy(lf.lfFaceName, "DejaVu Sans Mono");
    struct {
        LONG nHeight;
        int nPixels;
    } toQt[] = {{-13, 13}, {16, 16}, {0, 13}};  // 0: a 10-point font at 96 dots per inch
    for (const auto& c : toQt) {
        lf.lfHeight = c.nHeight;
        QFont font = CFontCommand::ToQFont(lf, 96);
        EXPECT_EQ(font.pixelSize(), c.nPixels) << c.nHeight;
        EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans Mono"));
    }

    struct {
        const char* pszName;
        QFont font;
        int nLogPixelsY;
        int nHeight;
    } fromQt[] = {
        {"pixels", [] { QFont f(QStringLiteral("Mono A")); f.setPixelSize(15); return f; }(), 96, -15},
        {"10 points at 96 dpi", [] { QFont f(QStringLiteral("Mono B")); f.setPointSize(10); return f; }(), 96, -13},
        {"12 points at 120 dpi", [] { QFont f(QStringLiteral("Mono C")); f.setPointSize(12); return f; }(), 120, -20},
        {"fractional points", [] { QFont f(QStringLiteral("Mono D")); f.setPointSizeF(10.5); return f; }(), 96, -14},
    };
    for (const auto& c : fromQt) {
        SCOPED_TRACE(c.pszName);
        CString strFace;
        int nHeight = 0;
        CFontCommand::FromQFont(c.font, c.nLogPixelsY, strFace, nHeight);
        EXPECT_EQ(nHeight, c.nHeight);
        EXPECT_EQ(QString::fromUtf8(strFace.c_str()), c.font.family());
    }
}

} // namespace
