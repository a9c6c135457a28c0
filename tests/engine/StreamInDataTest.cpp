#include "Archive.h"
#include "RichTextExport.h"
#include "StreamInData.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const s_header =
    "{\\rtf1\\ansi\\deff0{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;\\red0\\green128\\blue0;"
    "\\red193\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green0\\blue192;\\red194\\green0\\blue0;}";
const std::string N = "\\b0\\ul0\\i0\\cf0";

class StreamInDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CTinctoView::Init(RGB(255, 255, 255), 100);  // defaults: the settings folder is empty
        m_view.SetPathName("T.java");
    }
    std::string Export(const std::string& strText, long lBufferSize = 4096, int* pnTransfers = nullptr)
    {
        return CRichTextExport::Export(&m_view, strText.data(), static_cast<long>(strText.size()), lBufferSize,
                                       pnTransfers);
    }
    CTinctoView m_view;
};

} // namespace

TEST_F(StreamInDataTest, RichTextOfSmallTexts)
{
    struct Case {
        const char* pszLabel;
        std::string strText;
        std::string strExpected;
    } cases[] = {
        {"empty", "", s_header + N + "}"},
        {"declaration and comment", "int x;\r\n// a",
         s_header + N + N + "\\b0\\ul0\\i0\\cf4int" + N + "\\ " + N + "x;\\line\\b0\\ul0\\i0\\cf2//\\ a}"},
        {"line starting with a hyphen gets two", "a\n-b\n -c",
         s_header + N + N + "a\\line--" + N + "b\\line\\ -" + N + "c}"},
        {"first line hyphen is not doubled", "-a", s_header + N + "-" + N + "a}"},
        {"escapes in words and delimiters", "x{1}\\ y",
         s_header + N + N + "x\\{" + N + "\\b0\\ul0\\i0\\cf6\\1" + N + "\\}\\\\\\ " + N + "y}"},
        {"escapes inside comments", "// {\\} 9",
         s_header + N + "\\b0\\ul0\\i0\\cf2//\\ \\{\\\\\\}\\ \\9}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszLabel);
        EXPECT_EQ(Export(c.strText), c.strExpected);
    }
}

TEST_F(StreamInDataTest, FontValueTravelsWithTheFirstLine)
{
    m_view.SetFontValue(20);
    EXPECT_EQ(Export("a"), s_header + std::string("\\fs20") + N + N + "a}");
    EXPECT_EQ(Export("a", 200), s_header + std::string("\\fs20") + N + N + "a}");
}

TEST_F(StreamInDataTest, TransfersCarryWholeLinesAndTheHeaderOnce)
{
    std::string strText = "class A {\r\n  /* one\r\n  two */ int x = 12;\r\n  String s = \"a b\";\r\n}\r\n";
    std::string strWhole = Export(strText, 1 << 16);
    size_t nLongest = 0;
    // Longest single line of rich text, header included.
    for (size_t nStart = 0, nEnd; nStart < strWhole.size(); nStart = nEnd + 5) {
        nEnd = strWhole.find("\\line", nStart);
        if (nEnd == std::string::npos)
            nEnd = strWhole.size();
        nLongest = std::max(nLongest, nEnd + 5 - nStart);
    }
    for (long lSize = 1; lSize <= static_cast<long>(strWhole.size()) + 2; ++lSize) {
        SCOPED_TRACE(testing::Message() << "buffer size " << lSize);
        int nTransfers = 0;
        std::string strSmall = Export(strText, lSize, &nTransfers);
        ASSERT_EQ(strSmall, strWhole);
        EXPECT_GE(nTransfers, static_cast<int>((strWhole.size() + static_cast<size_t>(lSize) - 1) / static_cast<size_t>(lSize)));
        if (lSize > static_cast<long>(nLongest) + 1) {
            // A buffer is handed over only when the next line does not fit, so
            // every buffer but the last is filled to within a line's length.
            size_t nLeast = static_cast<size_t>(lSize) - nLongest - 1;
            EXPECT_LE(nTransfers, static_cast<int>(strWhole.size() / nLeast + 1));
        }
    }
}

TEST_F(StreamInDataTest, LineLongerThanTheBufferIsSplit)
{
    std::string strLine;
    for (int i = 0; i < 200; ++i)
        strLine += "word" + std::to_string(i) + " ";
    std::string strText = "a\r\n" + strLine + "\r\nb";
    std::string strWhole = Export(strText, 1 << 20);
    int nTransfers = 0;
    std::string strSmall = Export(strText, 256, &nTransfers);
    EXPECT_EQ(strSmall, strWhole);
    EXPECT_GT(nTransfers, static_cast<int>(strWhole.size() / 256));
}

TEST_F(StreamInDataTest, EachTransferEndsAtALineBoundary)
{
    std::string strText;
    for (int i = 0; i < 50; ++i)
        strText += "int v" + std::to_string(i) + " = " + std::to_string(i * 7) + ";\n";
    CTinctoView& view = m_view;
    view.BeginTransfer(strText.data(), static_cast<long>(strText.size()));
    CStreamInData data(&view);
    data.SetFormat(&CTinctoView::m_NormalTxt);
    CEditReplaceCookie cookie{&data};
    char buffer[300];
    std::string strAll;
    for (int nCall = 0; nCall < 1000; ++nCall) {
        LONG lCount = 0;
        ASSERT_EQ(CTinctoView::EditReplaceCallBack(reinterpret_cast<DWORD_PTR>(&cookie),
                                                   reinterpret_cast<LPBYTE>(buffer), sizeof(buffer), &lCount),
                  0u);
        if (lCount == 0)
            break;
        std::string strChunk(buffer, static_cast<size_t>(lCount));
        if (!strAll.empty() && data.GetBufferPos() <= static_cast<long>(strText.size())) {
            EXPECT_EQ(strChunk.substr(strChunk.size() - 5), "\\line") << strChunk;
        }
        strAll += strChunk;
    }
    view.EndTransfer();
    EXPECT_EQ(strAll, Export(strText));
}

TEST_F(StreamInDataTest, StoringArchiveReceivesTheOfferedBytes)
{
    CArchive archive;  // storing
    CEditStreamCookie cookie{&archive, nullptr, 0};
    BYTE bytes[] = {'a', '\r', '\n', 'b'};
    LONG lCount = -1;
    EXPECT_EQ(CTinctoView::EditStreamCallBack(reinterpret_cast<DWORD_PTR>(&cookie), bytes, 4, &lCount), 0u);
    EXPECT_EQ(lCount, 4);
    EXPECT_EQ(archive.GetData(), std::string("a\r\nb"));
    EXPECT_EQ(cookie.m_dwError, 0u);
}

TEST_F(StreamInDataTest, TrailerThatDoesNotFitDoesNotRepeatTheLastLine)
{
    // Texts without a final line end, at every buffer size: the last line must
    // arrive once even when the closing brace has to wait for the next buffer.
    const char* texts[] = {"a", "int x = 1;", "7\" */publicwhile_a10x1F)\b\"{0x1F/-int", "a\r\nbb\r\nccc"};
    for (const char* pszText : texts) {
        std::string strWhole = Export(pszText, 1 << 16);
        for (long lSize = 1; lSize < static_cast<long>(strWhole.size()) + 3; ++lSize) {
            SCOPED_TRACE(testing::Message() << pszText << " buffer " << lSize);
            ASSERT_EQ(Export(pszText, lSize), strWhole);
        }
    }
}
