// The window side of start-up: the first-run information and the
// Directories dialog while no documentation folder is set, the tip of the
// day without waiting, MOSK_NO_FIRST_RUN for scripted starts, the splash
// window and the About box.
#include "AboutDlg.h"
#include "CommandLine.h"
#include "DialogsTestUtil.h"
#include "DirectoriesDlg.h"
#include "FirstRunDlg.h"
#include "MoskApp.h"
#include "ScriptedUserInterface.h"
#include "SplashWnd.h"
#include "TipDlg.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const CFixedSystemColors s_colors;

template <class T>
int CountVisible()
{
    int nCount = 0;
    for (QWidget* pWidget : QApplication::topLevelWidgets())
        if (qobject_cast<T*>(pWidget) && pWidget->isVisible())
            ++nCount;
    return nCount;
}

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.WriteIni("");
        ::unsetenv("MOSK_NO_FIRST_RUN");
    }
    void TearDown() override
    {
        ::unsetenv("MOSK_NO_FIRST_RUN");
        for (QWidget* pWidget : QApplication::topLevelWidgets())
            if (qobject_cast<CTipDlg*>(pWidget))
                delete pWidget;
    }

    CScriptedUserInterface m_ui;
    CDialogsFolder m_folder;
};

TEST_F(StartupTest, FirstRunShowsTheInformationThenTheDirectories)
{
    bool bInfo = false, bDirectories = false;
    WhenModal<CFirstRunDlg>(
        [&bDirectories](CFirstRunDlg* pInfo) {
            WhenModal<CDirectoriesDlg>([](CDirectoriesDlg* pDirs) { pDirs->reject(); }, &bDirectories);
            pInfo->GetDontShowAgain()->setChecked(true);
            pInfo->accept();
        },
        &bInfo);
    CMoskApp app(s_colors);
    ASSERT_TRUE(app.InitInstance(""));
    EXPECT_TRUE(bInfo);
    EXPECT_TRUE(bDirectories);
    EXPECT_TRUE(app.m_EditorSettings.m_bWarning);
    // The tip comes up over the main window without holding start-up.
    EXPECT_EQ(CountVisible<CTipDlg>(), 1);
    EXPECT_EQ(CountVisible<CSplashWnd>(), 0);
    app.ExitInstance();
}

TEST_F(StartupTest, ScriptedStartsNeverWait)
{
    ::setenv("MOSK_NO_FIRST_RUN", "1", 1);
    EXPECT_TRUE(CMoskApp::IsFirstRunSuppressed());
    // A dialog that came up would be sent away and reported.
    QTimer guard;
    bool bDialog = false;
    QObject::connect(&guard, &QTimer::timeout, [&bDialog] {
        if (auto* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            bDialog = true;
            pDialog->reject();
        }
    });
    guard.start(20);
    CMoskApp app(s_colors);
    ASSERT_TRUE(app.InitInstance(""));
    EXPECT_FALSE(bDialog);
    EXPECT_FALSE(app.m_EditorSettings.m_bWarning);
    EXPECT_EQ(CountVisible<CTipDlg>(), 0);
    EXPECT_EQ(CountVisible<CSplashWnd>(), 0);
    app.ExitInstance();

    ::setenv("MOSK_NO_FIRST_RUN", "0", 1);
    EXPECT_FALSE(CMoskApp::IsFirstRunSuppressed());
}

TEST(SplashWnd, ShowsCentredAndClosesItself)
{
    QElapsedTimer timer;
    timer.start();
    QPointer<CSplashWnd> pSplash = CSplashWnd::ShowSplash();
    ASSERT_TRUE(pSplash);
    EXPECT_TRUE(pSplash->isVisible());
    EXPECT_FALSE(pSplash->isModal());
    QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((pSplash->geometry().center() - screen.center()).manhattanLength(), 2);
    QTRY_VERIFY_WITH_TIMEOUT(pSplash.isNull(), 5000);
    EXPECT_GE(timer.elapsed(), CSplashWnd::CLOSE_AFTER_MS - 50);
}

TEST(AboutDlg, NamesTheProgramAndTheVersions)
{
    CAboutDlg dlg;
    QString strText = dlg.GetText();
    EXPECT_TRUE(strText.contains(QStringLiteral("Mosk ") + QString::fromUtf8(CCommandLine::GetVersion())))
        << strText.toStdString();
    EXPECT_TRUE(strText.contains(QStringLiteral("running on Qt ") + QString::fromLatin1(qVersion())));
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("About Mosk"));
}

} // namespace
