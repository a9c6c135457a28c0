// Printing a source view into a PDF file and reading it back with
// pdftotext: every page has its header (date, path, page number), the text
// flows from page to page in order, an empty text still prints one page,
// keywords keep their colour, and an existing file is replaced whole.
#include "ViewPrinter.h"

#include "RichEditCtrl.h"
#include "RichEditWidget.h"
#include "TempFolder.h"
#include "TinctoView.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ViewPrinterTest : public ::testing::Test {
protected:
    void Load(const std::string& strText)
    {
        m_view.SetEditCtrl(&m_ctrl);
        m_view.SetPathName(m_strPath);
        ASSERT_TRUE(m_view.LoadText(strText.data(), static_cast<long>(strText.size())));
    }
    // Prints to out.pdf; the pages' texts as pdftotext reads them.
    std::vector<std::string> PrintPages()
    {
        CString strError;
        QString strPdf = QString::fromUtf8(m_folder.File("out.pdf").c_str());
        EXPECT_TRUE(CViewPrinter::PrintToPdf(m_ctrl, CRichEditWidget::DefaultEditorFont(10), 4, m_strPath, strPdf,
                                             m_when, strError))
            << strError.c_str();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), strPdf, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().constData();
        std::string strAll = pdftotext.readAllStandardOutput().toStdString();
        // Pages end with a form feed.
        std::vector<std::string> pages;
        size_t nStart = 0;
        for (size_t nFeed; (nFeed = strAll.find('\f', nStart)) != std::string::npos; nStart = nFeed + 1)
            pages.push_back(strAll.substr(nStart, nFeed - nStart));
        return pages;
    }
    static bool Has(const std::string& strPage, const char* pszText)
    {
        return strPage.find(pszText) != std::string::npos;
    }

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        m_strPath = m_folder.File("Pages.java");
    }

    CTempFolder m_folder;
    CString m_strPath;
    CRichEditCtrl m_ctrl;
    CTinctoView m_view;
    QDateTime m_when{QDate(2026, 3, 5), QTime(7, 9)};
};

TEST_F(ViewPrinterTest, TwoPagesCarryHeadersAndTheTextInOrder)
{
    std::string strText = "public class Pages {\r\n";
    for (int i = 1; i <= 98; ++i)
        strText += "\tint field" + std::to_string(i) + " = " + std::to_string(i) + "; // line " +
            std::to_string(i + 1) + "\r\n";
    strText += "} // the last line\r\n";
    Load(strText);
    std::vector<std::string> pages = PrintPages();
    ASSERT_EQ(pages.size(), 2u);
    for (size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::string& strPage = pages[i];
        EXPECT_TRUE(Has(strPage, "Date : 03/05/26")) << strPage;
        EXPECT_TRUE(Has(strPage, "07:09")) << strPage;
        EXPECT_TRUE(Has(strPage, "Pages.java")) << strPage;
        EXPECT_TRUE(Has(strPage, ("Page : " + std::to_string(i + 1)).c_str())) << strPage;
    }
    EXPECT_TRUE(Has(pages[0], "public class Pages {"));
    EXPECT_TRUE(Has(pages[0], "int field1 = 1; // line 2"));
    EXPECT_FALSE(Has(pages[0], "the last line"));
    EXPECT_TRUE(Has(pages[1], "} // the last line"));
    EXPECT_TRUE(Has(pages[1], "int field98 = 98; // line 99"));
    EXPECT_FALSE(Has(pages[1], "public class Pages"));
    // Each line is printed once, on one page or the other.
    for (int i = 1; i <= 98; ++i) {
        std::string strLine = "int field" + std::to_string(i) + " = ";
        EXPECT_NE(Has(pages[0], strLine.c_str()), Has(pages[1], strLine.c_str())) << strLine;
    }
}

TEST_F(ViewPrinterTest, AnEmptyTextPrintsOnePage)
{
    Load("");
    std::vector<std::string> pages = PrintPages();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(Has(pages[0], "Page : 1")) << pages[0];
}

TEST_F(ViewPrinterTest, KeywordsPrintInTheirColour)
{
    Load("public class Colours {}\r\n");
    CString strError;
    QString strPdf = QString::fromUtf8(m_folder.File("colours.pdf").c_str());
    ASSERT_TRUE(CViewPrinter::PrintToPdf(m_ctrl, CRichEditWidget::DefaultEditorFont(10), 4, m_strPath, strPdf,
                                         m_when, strError));
    CHARFORMAT cf{};
    m_ctrl.GetCharFormat(0, 1, cf);   // "public", a keyword
    ASSERT_FALSE(cf.dwEffects & CFE_AUTOCOLOR);
    ASSERT_NE(cf.crTextColor, RGB(0, 0, 0)) << "keywords are expected to have a colour";
    QProcess render;
    QString strPng = QString::fromUtf8(m_folder.File("colours").c_str());
    render.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                              QStringLiteral("-singlefile"), strPdf, strPng});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0);
    QImage image(strPng + QStringLiteral(".png"));
    ASSERT_FALSE(image.isNull());
    const QColor keyword(GetRValue(cf.crTextColor), GetGValue(cf.crTextColor), GetBValue(cf.crTextColor));
    int nNear = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - keyword.red()) + std::abs(c.green() - keyword.green()) +
                    std::abs(c.blue() - keyword.blue()) < 60)
                ++nNear;
        }
    }
    EXPECT_GT(nNear, 5);
}

TEST_F(ViewPrinterTest, FilesAreReplacedWholeAndFailuresReported)
{
    Load("class A {}\r\n");
    CString strError;
    // The folder does not exist: nothing can be written there.
    QString strPdf = QString::fromUtf8(m_folder.File("missing/out.pdf").c_str());
    EXPECT_FALSE(CViewPrinter::PrintToPdf(m_ctrl, CRichEditWidget::DefaultEditorFont(10), 4, m_strPath, strPdf,
                                          m_when, strError));
    EXPECT_NE(std::string(strError.c_str()).find("missing/out.pdf"), std::string::npos) << strError.c_str();

    CString strOld = m_folder.Write("old.pdf", "old contents");
    ASSERT_TRUE(CViewPrinter::PrintToPdf(m_ctrl, CRichEditWidget::DefaultEditorFont(10), 4, m_strPath,
                                         QString::fromUtf8(strOld.c_str()), m_when, strError));
    EXPECT_EQ(ReadWholeFile(strOld).substr(0, 5), "%PDF-");
}

}  // namespace
