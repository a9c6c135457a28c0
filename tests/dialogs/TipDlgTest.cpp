// Tip of the Day: Next Tip walks through the tips file, the position and
// the start-up check box are written when the dialog closes, a missing
// file shows its message.
#include "DialogsTestUtil.h"
#include "ScriptedUserInterface.h"
#include "TipDlg.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

class TipDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.WriteIni("[Help]\nWarning=1\n");
        m_app.LoadEditorSettings();
        m_app.LoadDirSettings();
        m_strTips = m_app.m_DirSettings.m_strTipsFile;
        m_folder.Folder().Write("data/tips.txt", "; comment\nFirst tip.\n\nSecond tip.\nThird tip.\n");
    }

    CScriptedUserInterface m_ui;
    CDialogsFolder m_folder;
    CDialogsApp m_app;
    CString m_strTips;
};

TEST_F(TipDlgTest, NextTipAdvancesAndWraps)
{
    EXPECT_EQ(m_strTips, m_folder.Folder().File("data/tips.txt"));
    CTipDlg dlg(m_app);
    dlg.show();
    EXPECT_EQ(dlg.GetTipText(), QStringLiteral("First tip."));
    const QString expected[] = {QStringLiteral("Second tip."), QStringLiteral("Third tip."),
                                QStringLiteral("First tip.")};
    for (const QString& strTip : expected) {
        QTest::mouseClick(dlg.GetNextButton(), Qt::LeftButton);
        EXPECT_EQ(dlg.GetTipText(), strTip);
    }
    EXPECT_TRUE(m_ui.m_shown.empty());
}

TEST_F(TipDlgTest, ClosingWritesThePositionAndTheCheckBox)
{
    ASSERT_TRUE(m_app.m_EditorSettings.m_bTip);
    {
        QPointer<CTipDlg> pDlg = CTipDlg::Run(nullptr, m_app, TRUE);
        ASSERT_TRUE(pDlg);
        EXPECT_TRUE(pDlg->isVisible());
        EXPECT_TRUE(pDlg->isModal());
        EXPECT_TRUE(pDlg->GetShowAtStartup()->isChecked());
        QTest::mouseClick(pDlg->GetNextButton(), Qt::LeftButton);
        QTest::mouseClick(pDlg->GetShowAtStartup(), Qt::LeftButton);
        QTest::mouseClick(DialogButton(pDlg, QDialogButtonBox::Close), Qt::LeftButton);
        // It deletes itself once closed.
        QTRY_VERIFY(pDlg.isNull());
    }
    EXPECT_FALSE(m_app.m_EditorSettings.m_bTip);
    CProfile& profile = m_app.GetProfile();
    EXPECT_EQ(profile.GetInt("Editor", "Tip", 1), 0);
    EXPECT_EQ(profile.GetString("Tip", "FilePos", ""), "34");
    EXPECT_FALSE(profile.GetString("Tip", "TimeStamp", "").IsEmpty());

    // The next one starts after the last tip shown, and the box can be ticked again.
    CTipDlg dlg(m_app);
    EXPECT_EQ(dlg.GetTipText(), QStringLiteral("Third tip."));
    EXPECT_FALSE(dlg.GetShowAtStartup()->isChecked());
    dlg.GetShowAtStartup()->setChecked(true);
    dlg.reject();
    EXPECT_EQ(profile.GetInt("Editor", "Tip", 0), 1);
    EXPECT_EQ(profile.GetInt("Tip", "FilePos", -1), 0);
}

TEST_F(TipDlgTest, MissingTipsFile)
{
    ::unlink(m_strTips);
    CTipDlg dlg(m_app);
    EXPECT_EQ(dlg.GetTipText(), QStringLiteral("Tips file does not exist in the prescribed directory"));
    EXPECT_FALSE(dlg.GetNextButton()->isEnabled());
    dlg.reject();
    EXPECT_FALSE(m_app.GetProfile().HasKey("Tip", "FilePos"));
}

} // namespace
