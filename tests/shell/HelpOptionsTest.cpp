// The help options in the running main window: the Browser options dialog
// and its effect on an open help window, the User Index dialog with its
// scratch dialog (Add through the "Mosk Temp" window, the tidy step on OK,
// the question on Cancel), and the start-up offer to build the system
// index on its thread, accepted, declined and cut short by the close.
#include "FrameFixture.h"

#include "BrowserOptions.h"
#include "BrowserOptionsDlg.h"
#include "HTMLClient.h"
#include "HTMLView.h"
#include "HelpSearchDlg.h"
#include "IndexBytes.h"
#include "JavaIDEApp.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "QtHTMLClient.h"
#include "ScratchIndexDlg.h"
#include "SearchIndex.h"
#include "SystemIndexJob.h"
#include "UserIndexDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <sys/stat.h>

namespace {

class HelpOptionsTest : public FrameTest {
protected:
    // Runs fn on the modal dialog of type T once it is up (inside its exec).
    template <typename T>
    static void WhenModal(std::function<void(T*)> fn)
    {
        auto* pTimer = new QTimer;
        pTimer->setInterval(10);
        QObject::connect(pTimer, &QTimer::timeout, [pTimer, fn] {
            if (auto* pDialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
                pTimer->stop();
                pTimer->deleteLater();
                fn(pDialog);
            }
        });
        pTimer->start();
    }
    bool Shown(const char* pszText) const
    {
        return std::any_of(m_ui.m_shown.begin(), m_ui.m_shown.end(),
                           [&](const auto& shown) { return shown.strText == pszText; });
    }
    bool StatusSaid(const char* pszText) const
    {
        return std::find(m_ui.m_statusTexts.begin(), m_ui.m_statusTexts.end(), CString(pszText)) !=
               m_ui.m_statusTexts.end();
    }
    static bool Exists(const char* pszPath)
    {
        struct stat st {};
        return stat(pszPath, &st) == 0;
    }
    // A documentation folder with nPages letter pages of nLinks links each.
    CString WriteDocs(int nPages, int nLinks)
    {
        for (const char* psz : {"/doc", "/doc/api", "/doc/api/index-files"})
            mkdir(m_folder.Path() + psz, 0700);
        for (int nPage = 1; nPage <= nPages; ++nPage) {
            std::string strHtml;
            for (int i = 0; i < nLinks; ++i)
                strHtml += "<a href=\"../C" + std::to_string(nPage) + ".html#m" + std::to_string(i) + "()\">m</a>\n";
            m_folder.Write(("doc/api/index-files/index-" + std::to_string(nPage) + ".html").c_str(), strHtml);
        }
        return m_folder.File("doc");
    }
    std::vector<QString> Lines(QTreeWidget* pList, int nColumn = 0) const
    {
        std::vector<QString> lines;
        for (int i = 0; i < pList->topLevelItemCount(); ++i)
            lines.push_back(pList->topLevelItem(i)->text(nColumn));
        return lines;
    }
};

// The first fragment's character format of the first block of a heading level.
QTextCharFormat HeadingFormat(QTextDocument* pDocument, int nLevel)
{
    for (QTextBlock block = pDocument->begin(); block.isValid(); block = block.next())
        if (block.blockFormat().headingLevel() == nLevel && block.begin() != block.end())
            return block.begin().fragment().charFormat();
    return QTextCharFormat();
}

TEST(BrowserOptionsDlg, ShowsTheOptionsAndKeepsThemUntilOk)
{
    CBrowserOptions options;
    options.bAutoload = FALSE;
    options.strFontHeading = "DejaVu Serif";
    options.strFontFixed = "DejaVu Sans Mono";
    const int nHeaders[6] = {100, 24, 18, 14, 11, 10};  // 100 is out of range in the file
    std::copy(nHeaders, nHeaders + 6, options.nHeader);
    options.nDefaultSize = 2;
    options.clrText = RGB(1, 2, 3);
    CBrowserOptionsDlg dialog(options);
    EXPECT_FALSE(dialog.GetAutoload()->isChecked());
    EXPECT_EQ(QStringLiteral("DejaVu Serif"), dialog.GetFaceField(CHTMLClient::FONT_HEADING)->text());
    EXPECT_EQ(QString(), dialog.GetFaceField(CHTMLClient::FONT_NORMAL)->text());
    // Sizes are held between 6 and 72.
    const int nShown[7] = {72, 24, 18, 14, 11, 10, 6};
    for (int i = 0; i < CBrowserOptionsDlg::SIZE_COUNT; ++i) {
        EXPECT_EQ(nShown[i], dialog.GetSizeField(i)->value()) << i;
        EXPECT_EQ(6, dialog.GetSizeField(i)->minimum());
        EXPECT_EQ(72, dialog.GetSizeField(i)->maximum());
    }

    struct {
        const char* pszName;
        BOOL bChosen;
        COLORREF clrChosen, clrAfter;
    } colorCases[] = {{"chosen", TRUE, RGB(9, 8, 7), RGB(9, 8, 7)}, {"cancelled", FALSE, RGB(0, 0, 0), RGB(9, 8, 7)}};
    for (const auto& c : colorCases) {
        COLORREF clrStart = 0;
        dialog.SetColorChooser([&](COLORREF clrFrom, COLORREF& clrTo) {
            clrStart = clrFrom;
            clrTo = c.clrChosen;
            return c.bChosen;
        });
        QTest::mouseClick(dialog.GetColorButton(CBrowserOptionsDlg::COLOR_LINK), Qt::LeftButton);
        EXPECT_EQ(c.clrAfter, dialog.GetColor(CBrowserOptionsDlg::COLOR_LINK)) << c.pszName;
    }

    QTest::keyClick(dialog.GetAutoload(), Qt::Key_Space);
    dialog.GetFaceField(CHTMLClient::FONT_NORMAL)->setFocus();
    QTest::keyClicks(dialog.GetFaceField(CHTMLClient::FONT_NORMAL), "DejaVu Sans");
    dialog.GetSizeField(1)->setValue(30);
    // Nothing changes before OK.
    EXPECT_EQ(CString(), options.strFontNormal);
    EXPECT_EQ(RGB(0, 0, 255), options.clrLink);
    dialog.accept();
    EXPECT_TRUE(options.bAutoload);
    EXPECT_EQ(CString("DejaVu Sans"), options.strFontNormal);
    EXPECT_EQ(CString("DejaVu Serif"), options.strFontHeading);
    EXPECT_EQ(72, options.nHeader[0]);
    EXPECT_EQ(30, options.nHeader[1]);
    EXPECT_EQ(6, options.nDefaultSize);
    EXPECT_EQ(RGB(9, 8, 7), options.clrLink);
    EXPECT_EQ(RGB(1, 2, 3), options.clrText);
}

TEST_F(HelpOptionsTest, BrowserOptionsReachTheOpenHelpWindowAndTheSettings)
{
    ASSERT_TRUE(Start());
    App().m_EditorSettings.m_nHelpHeader1 = 20;
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromUtf8(m_folder.File("pic.png").c_str())));
    CString strPage = WriteSource("page.html", "<h1>Title</h1><p>text <img src=\"pic.png\"></p>");
    CMainFrameCommands& commands = Frame().GetCommands();
    CHTMLView* pView = commands.OpenHelpWindow(FALSE);
    ASSERT_TRUE(pView->ShowAddress(strPage));
    QTextDocument* pDocument = pView->GetClient()->document();
    EXPECT_EQ(20, HeadingFormat(pDocument, 1).fontPointSize());
    QUrl picUrl = QUrl::fromLocalFile(QString::fromUtf8(m_folder.File("pic.png").c_str()));
    auto pictureSize = [&] {
        return qvariant_cast<QImage>(pDocument->resource(QTextDocument::ImageResource, picUrl)).size();
    };
    EXPECT_EQ(QSize(4, 4), pictureSize());

    WhenModal<CBrowserOptionsDlg>([](CBrowserOptionsDlg* pDialog) {
        EXPECT_EQ(20, pDialog->GetSizeField(0)->value());
        QTest::keyClick(pDialog->GetAutoload(), Qt::Key_Space);  // off
        pDialog->GetSizeField(0)->selectAll();
        QTest::keyClicks(pDialog->GetSizeField(0), "40");
        pDialog->SetColorChooser([](COLORREF, COLORREF& clrTo) {
            clrTo = RGB(10, 20, 30);
            return TRUE;
        });
        pDialog->OnColor(CBrowserOptionsDlg::COLOR_BACK);
        pDialog->accept();
    });
    ASSERT_TRUE(commands.Execute(32949));
    CEditorSettings& settings = App().m_EditorSettings;
    EXPECT_EQ(40, settings.m_nHelpHeader1);
    EXPECT_FALSE(settings.m_bHelpAutoload);
    EXPECT_EQ(RGB(10, 20, 30), settings.m_clrHelpBack);
    // The shown page is shown again in the new options, without its picture.
    pDocument = pView->GetClient()->document();
    EXPECT_EQ(40, HeadingFormat(pDocument, 1).fontPointSize());
    EXPECT_NE(QSize(4, 4), pictureSize());
    EXPECT_EQ(QColor(10, 20, 30), pView->GetClient()->palette().color(QPalette::Base));
    EXPECT_EQ(strPage, pView->GetBrowser().GetLastAddress());

    // Cancel changes nothing.
    WhenModal<CBrowserOptionsDlg>([](CBrowserOptionsDlg* pDialog) {
        pDialog->GetSizeField(0)->setValue(50);
        pDialog->reject();
    });
    ASSERT_TRUE(commands.Execute(32949));
    EXPECT_EQ(40, settings.m_nHelpHeader1);
    ASSERT_TRUE(Close());
    std::string strIni = Ini();
    EXPECT_NE(std::string::npos, strIni.find("Header1=40")) << strIni;
    EXPECT_NE(std::string::npos, strIni.find("Autoload=0")) << strIni;
    EXPECT_NE(std::string::npos, strIni.find("BackColor=" + std::to_string(RGB(10, 20, 30)))) << strIni;
}

TEST_F(HelpOptionsTest, UserIndexAddsAPageThroughTheSideWindowAndTidiesOnOk)
{
    CString strPage = WriteSource("Page.html", "<a href=\"Other.html#run()\">run</a> <a href=\"Third.html\">third</a>"
                                               " <a href=\"https://example.org/\">web</a> <a href=\"#x\">here</a>");
    CString strOther = WriteSource("Other.html", "<p>other");
    CString strThird = WriteSource("Third.html", "<p>third");
    m_settings.Write("data/user.ipg", RawIndex(1, CRawEntry{0, m_folder.File("Gone.html").str(), 0, "", "Gone"}));
    ASSERT_TRUE(Start());
    CMainFrameCommands& commands = Frame().GetCommands();
    ASSERT_TRUE(commands.Execute(32913));  // the search dialog exists and shows the user index
    CHelpSearchDlg* pSearch = commands.GetHelpSearchDialog();
    ASSERT_EQ(1, pSearch->GetKeywordList(1)->count());
    pSearch->hide();
    EXPECT_EQ(nullptr, commands.GetHelpView(TRUE));

    m_ui.AnswerFiles({strPage});
    bool bDriven = false;
    WhenModal<CUserIndexDlg>([&](CUserIndexDlg* pDialog) {
        EXPECT_EQ((std::vector<QString>{"Gone"}), Lines(pDialog->GetList()));
        pDialog->SetScratchRunner([&](CScratchIndexDlg& scratch) {
            // The page is in the side window while its links are offered.
            CHTMLView* pTemp = commands.GetHelpView(TRUE);
            EXPECT_NE(nullptr, pTemp);
            if (pTemp) {
                EXPECT_EQ(strPage, pTemp->GetBrowser().GetLastAddress());
            }
            EXPECT_EQ((std::vector<QString>{"run", "Third"}), Lines(scratch.GetList()));
            EXPECT_EQ(QString::fromUtf8((strOther + "#run()").c_str()), scratch.GetList()->topLevelItem(0)->text(1));
            scratch.GetList()->setCurrentItem(scratch.GetList()->topLevelItem(0));
            EXPECT_EQ(QStringLiteral("run"), scratch.GetKeywordField()->text());
            scratch.GetKeywordField()->clear();
            scratch.GetKeywordField()->setFocus();
            QTest::keyClicks(scratch.GetKeywordField(), "runAway");
            QTest::keyClick(scratch.GetKeywordField(), Qt::Key_Return);  // changes the line, the dialog stays
            EXPECT_EQ((std::vector<QString>{"runAway", "Third"}), Lines(scratch.GetList()));
            // An empty keyword is refused.
            scratch.GetList()->setCurrentItem(scratch.GetList()->topLevelItem(1));
            scratch.GetKeywordField()->clear();
            QTest::mouseClick(scratch.GetChangeButton(), Qt::LeftButton);
            EXPECT_EQ(QStringLiteral("Third"), scratch.GetKeywordField()->text());
            return static_cast<int>(QDialog::Accepted);
        });
        QTest::mouseClick(pDialog->GetAddButton(), Qt::LeftButton);
        EXPECT_EQ((std::vector<QString>{"Gone", "runAway", "Third"}), Lines(pDialog->GetList()));
        bDriven = true;
        pDialog->accept();
    });
    ASSERT_TRUE(commands.Execute(33021));
    ASSERT_TRUE(bDriven);
    ASSERT_NE(nullptr, commands.GetHelpView(TRUE));
    EXPECT_EQ(QStringLiteral("Page.html"), commands.GetHelpView(TRUE)->parentWidget()->windowTitle());
    EXPECT_TRUE(m_ui.m_shown.empty());
    for (const char* pszText : {"Wait, Loading all the user indices....", "Wait, Loading all the user indexes....Done",
                                "Wait, adding search indices...", "Wait, adding all the new indices...Done",
                                "Wait, reloading all the indices...", "Wait, Optimizing the user indexes....Done",
                                "Wait, Saving the help Indices...Done"})
        EXPECT_TRUE(StatusSaid(pszText)) << pszText;
    // Gone.html was tidied away; the file holds the rest, in keyword order.
    CStringArray noDirs;
    CSearchIndex saved(noDirs, TRUE, FALSE);
    saved.SetPath(m_settings.File("data/user.ipg"));
    ASSERT_TRUE(saved.LoadList());
    EXPECT_EQ("count 0, keywords 0, list 2\nrunAway | 0 | " + strOther + " | 0 | run()\nThird | 0 | " + strThird +
                  " | 0 | \n",
              saved.Dump());
    // The search dialog lists the new keywords; the directory settings were saved.
    ASSERT_EQ(2, pSearch->GetKeywordList(1)->count());
    EXPECT_EQ(QStringLiteral("runAway"), pSearch->GetKeywordList(1)->item(0)->text());
    EXPECT_NE(std::string::npos, Ini().find("[Java]")) << Ini();
    EXPECT_TRUE(Close());
}

TEST_F(HelpOptionsTest, UserIndexRefusesOtherFilesAndAsksOnCancel)
{
    CString strText = WriteSource("notes.txt", "plain");
    std::string strIndex =
        RawIndex(2, CRawEntry{0, m_folder.File("A.html").str(), 0, "", "Alpha"}, CRawEntry{0, m_folder.File("B.html").str(), 0, "", "Beta"});
    m_settings.Write("data/user.ipg", strIndex);
    ASSERT_TRUE(Start());
    CMainFrameCommands& commands = Frame().GetCommands();
    m_ui.AnswerFiles({strText});
    m_ui.Answer(IDNO);
    bool bDriven = false;
    WhenModal<CUserIndexDlg>([&](CUserIndexDlg* pDialog) {
        QTest::mouseClick(pDialog->GetAddButton(), Qt::LeftButton);
        EXPECT_TRUE(Shown("Index file has to be a HTML or HTM file !!!"));
        EXPECT_EQ(nullptr, commands.GetHelpView(TRUE));
        ASSERT_EQ(2, pDialog->GetList()->topLevelItemCount());
        pDialog->GetList()->setCurrentItem(pDialog->GetList()->topLevelItem(1));
        QTest::mouseClick(pDialog->GetRemoveButton(), Qt::LeftButton);
        EXPECT_EQ((std::vector<QString>{"Alpha"}), Lines(pDialog->GetList()));
        bDriven = true;
        pDialog->reject();
    });
    ASSERT_TRUE(commands.Execute(33021));
    ASSERT_TRUE(bDriven);
    EXPECT_TRUE(Shown("Please select Yes to save the changes or No to Cancel the changes..."));
    EXPECT_EQ(strIndex, ReadWholeFile(m_settings.File("data/user.ipg")));
    EXPECT_EQ(2u, App().GetUserIndex()->GetList().size());
    EXPECT_EQ(std::string::npos, Ini().find("[Java]"));
    EXPECT_TRUE(Close());
}

TEST_F(HelpOptionsTest, StartUpOfferBuildsTheSystemIndexOnAThread)
{
    CString strDoc = WriteDocs(2, 30);
    m_ui.Answer(IDYES);
    ASSERT_TRUE(Start("[Java]\nDocPath=" + strDoc.str() + "\n"));
    CString strIndex = App().GetIndexPath(CJavaIDEApp::INDEX_SYSTEM_SEARCH);
    ASSERT_EQ(1u, m_ui.m_shown.size());
    EXPECT_EQ("The help search index " + strIndex + " does not exist yet. Select Yes to build it from the Java "
                  "documentation in " + strDoc + ".",
              m_ui.m_shown[0].strText);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO | MB_ICONQUESTION), m_ui.m_shown[0].nType);
    CMainFrameCommands& commands = Frame().GetCommands();
    ASSERT_NE(nullptr, commands.GetSystemIndexJob());
    CSearchIndex* pIndex = App().GetSystemIndex();
    ASSERT_TRUE(WaitFor([&] { return StatusSaid("Wait, Building the help Index...Done") && !pIndex->IsLoading(); }, 60000));
    EXPECT_TRUE(commands.GetSystemIndexJob()->Succeeded());
    EXPECT_TRUE(Exists(strIndex));
    EXPECT_TRUE(StatusSaid("Wait, Building the help Index..."));
    // The loader picked the new file up: the search dialog lists its keywords.
    ASSERT_TRUE(commands.Execute(32913));
    CHelpSearchDlg* pSearch = commands.GetHelpSearchDialog();
    EXPECT_EQ(30, pSearch->GetKeywordList(0)->count());
    QTest::keyClicks(pSearch->GetTextField(), "m12");
    EXPECT_EQ(2, pSearch->GetTopicList()->count());
    EXPECT_EQ(1u, m_ui.m_shown.size());
    EXPECT_TRUE(Close());
}

TEST_F(HelpOptionsTest, StartUpOfferOnlyWhenThereIsSomethingToBuild)
{
    CString strDoc = WriteDocs(1, 3);
    struct {
        const char* pszName;
        CString strDocPath;
        bool bIndexThere;
        size_t nQuestions;
    } cases[] = {
        {"declined", strDoc, false, 1},
        {"the index is there", strDoc, true, 0},
        {"documentation without index pages", m_folder.Path(), false, 0},
        {"no documentation folder", CString(), false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_ui.m_shown.clear();
        CString strIndex = m_settings.File("data/mosk.ipg");
        if (c.bIndexThere)
            m_settings.Write("data/mosk.ipg", RawIndex(0));
        else
            ::unlink(strIndex);
        if (c.nQuestions)
            m_ui.Answer(IDNO);
        ASSERT_TRUE(Start(c.strDocPath.IsEmpty() ? std::string() : "[Java]\nDocPath=" + c.strDocPath.str() + "\n"));
        EXPECT_EQ(c.nQuestions, m_ui.m_shown.size());
        EXPECT_EQ(nullptr, Frame().GetCommands().GetSystemIndexJob());
        EXPECT_EQ(c.bIndexThere, Exists(strIndex));
        EXPECT_TRUE(Close());
        Stop();
    }
}

TEST_F(HelpOptionsTest, ClosingDuringTheBuildAbortsIt)
{
    CString strDoc = WriteDocs(100, 4000);
    m_ui.Answer(IDYES);
    ASSERT_TRUE(Start("[Java]\nDocPath=" + strDoc.str() + "\n"));
    CMainFrameCommands& commands = Frame().GetCommands();
    CSystemIndexJob* pJob = commands.GetSystemIndexJob();
    ASSERT_NE(nullptr, pJob);
    // The window goes on while the thread builds, and shows its progress.
    EXPECT_TRUE(pJob->IsRunning());
    ASSERT_TRUE(WaitFor(
        [&] {
            auto* pBar = Frame().statusBar()->findChild<QProgressBar*>(QStringLiteral("Progress"));
            return pBar && pBar->isVisible() && pBar->maximum() == 100 && pBar->value() > 0;
        },
        20000));
    EXPECT_TRUE(pJob->IsRunning());
    auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(Close());
    EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count(),
              5000);
    EXPECT_FALSE(pJob->IsRunning());
    EXPECT_TRUE(pJob->WasAborted());
    EXPECT_FALSE(Exists(App().GetIndexPath(CJavaIDEApp::INDEX_SYSTEM_SEARCH)));
    EXPECT_EQ(1u, m_ui.m_shown.size());
}

} // namespace
