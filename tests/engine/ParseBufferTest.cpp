#include "ConvertData.h"
#include "ParseBuffer.h"
#include "StreamBuffer.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A sink that records the pieces as text and can refuse the Nth commit.
class CRecordingData : public CConvertData {
public:
    explicit CRecordingData(CTinctoView* pView) : CConvertData(pView) { SetFormat(&CTinctoView::m_NormalTxt); }

    BOOL AppendData(char ch) override { m_strLog += ch; return TRUE; }
    BOOL AppendData(const char* p, int n) override { m_strLog += "<esc:" + std::string(p, n) + ">"; return TRUE; }
    BOOL AppendDataNoParse(const char* p, int n) override { m_strLog += "<" + std::string(p, n) + ">"; return TRUE; }
    BOOL AppendControl(const char* psz) override
    {
        m_strLog += "[" + Name(psz) + "]";
        return TRUE;
    }
    BOOL CommitLine(BOOL bBreak) override
    {
        if (m_nRefuseCommit == ++m_nCommits) {
            m_nRefuseCommit = 0;
            return FALSE;
        }
        m_strLog += bBreak ? "|\n" : "|end";
        m_lineFormats.push_back(GetFormat());
        return TRUE;
    }
    BOOL BufferInit(const char*) override { m_strLog += "{init}"; return TRUE; }
    BOOL BufferEnd(const char*) override { m_strLog += "{fin}"; return TRUE; }
    CKeywords* IsKeyword(const char* pszWord, int nStart, unsigned long nKey, BOOL bNumber) override
    {
        EXPECT_EQ(nKey, 1u);
        CKeywords* pSet = CConvertData::IsKeyword(pszWord, nStart, nKey, bNumber);
        m_words.push_back(pszWord);
        return pSet;
    }

    static std::string Name(const char* psz)
    {
        struct { CTextFormat* p; const char* n; } names[] = {
            {&CTinctoView::m_NormalTxt, "N"}, {&CTinctoView::m_BlockCommentTxt, "BC"},
            {&CTinctoView::m_LineCommentTxt, "LC"}, {&CTinctoView::m_StringTxt, "S"},
            {CTinctoView::m_JavaLanguage.GetJavaKeywords()->GetTextFormat(), "K"},
            {CTinctoView::m_JavaLanguage.GetJavaDataTypes()->GetTextFormat(), "T"},
            {CTinctoView::m_JavaLanguage.GetNumberKeywords()->GetTextFormat(), "#"},
        };
        for (auto& n : names)
            if (std::string(n.p->GetFormatCode()) == psz)
                return n.n;
        return psz;
    }

    std::string m_strLog;
    std::vector<std::string> m_words;
    std::vector<CTextFormat*> m_lineFormats;
    int m_nCommits = 0;
    int m_nRefuseCommit = 0;
};

class ParseBufferTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Distinct format codes for every format, so the log can name them.
        CString strTable;
        int nIndex = 0;
        CTinctoView::m_Patterns.AppendColorTable(nullptr, strTable, nIndex);
        CTinctoView::m_JavaLanguage.AppendColorTable(strTable, nIndex);
        m_view.SetPathName("T.java");
    }
    std::string Run(const std::string& strText, CRecordingData* pData = nullptr)
    {
        CRecordingData local(&m_view);
        CRecordingData& data = pData ? *pData : local;
        CStreamBuffer buffer(strText.data(), static_cast<long>(strText.size()));
        CParseBuffer parser(&buffer);
        parser.ParseBuffer(&data);
        EXPECT_EQ(data.GetBufferPos(), static_cast<long>(strText.size()) + 1);
        return data.m_strLog;
    }
    CTinctoView m_view;
};

} // namespace

TEST_F(ParseBufferTest, PiecesInOrder)
{
    struct Case {
        const char* pszLabel;
        const char* pszText;
        const char* pszExpected;
    } cases[] = {
        {"empty text", "", "{init}[N]{fin}"},
        {"declaration and line comment", "int x;\r\n// a",
         "{init}[N][N][T]<int>[N] [N]<x>;|\n[LC]// a|end{fin}"},
        {"no final line end", "a", "{init}[N][N]<a>|end{fin}"},
        {"three kinds of line end", "a\r\nb\rc\nd", "{init}[N][N]<a>|\n[N]<b>|\n[N]<c>|\n[N]<d>|end{fin}"},
        {"final line end", "a\n", "{init}[N][N]<a>|\n|end{fin}"},
        {"line comment ends at CR", "//x\r\ny", "{init}[N][LC]//x\r[N]|\n[N]<y>|end{fin}"},
        {"slash after opening closes the block", "/*/ int", "{init}[N][BC]/*/[N] [N][T]<int>[N]|end{fin}"},
        {"escaped quote stays in the string", "\"a\\\"b\" c",
         "{init}[N][S]\"a\\\"b\"[N] [N]<c>|end{fin}"},
        {"string ends at the line end", "\"ab\nc", "{init}[N][S]\"ab\n[N]|\n[N]<c>|end{fin}"},
        {"doubly escaped quote does not end", "\"a\\\\\" b", "{init}[N][S]\"a\\\\\" b|end{fin}"},
        {"number with a dot", "3.14 .5 1.2.3", "{init}[N][N][#]<esc:3.14>[N] [N][#]<esc:.5>[N] "
                                                "[N][#]<esc:1.2.3>[N]|end{fin}"},
        {"word with a digit is escaped", "a1", "{init}[N][N]<esc:a1>|end{fin}"},
        {"dot ends a word", "a.b", "{init}[N][N]<a>.[N]<b>|end{fin}"},
        {"keyword", "while(x)", "{init}[N][N][K]<while>[N]([N]<x>)|end{fin}"},
        {"quote after backslash starts no string", "a\\\"b", "{init}[N][N]<a>\\\"[N]<b>|end{fin}"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszLabel);
        EXPECT_EQ(Run(c.pszText), c.pszExpected);
    }
}

TEST_F(ParseBufferTest, BlockCommentOverThreeLines)
{
    CRecordingData data(&m_view);
    Run("a /* one\r\ntwo\r\nthree */ b\r\nc", &data);
    EXPECT_EQ(data.m_strLog,
              "{init}[N][N]<a> [BC]/* one|\n[BC]two|\n[BC]three */[N] [N]<b>|\n[N]<c>|end{fin}");
    // The format each line starts in, as seen when the line is committed.
    std::vector<CTextFormat*> expected = {&CTinctoView::m_NormalTxt, &CTinctoView::m_BlockCommentTxt,
                                          &CTinctoView::m_BlockCommentTxt, &CTinctoView::m_NormalTxt};
    EXPECT_EQ(data.m_lineFormats, expected);
}

TEST_F(ParseBufferTest, WordsLongerThanTheLimitAreNormal)
{
    std::string strNumber(26, '7');
    std::string strLog = Run(strNumber + " " + std::string(25, '7'));
    EXPECT_EQ(strLog, "{init}[N][N]<esc:" + strNumber + "> [N][#]<esc:" + std::string(25, '7') + ">[N]|end{fin}");
}

TEST_F(ParseBufferTest, ResumesAtTheFirstUncommittedLine)
{
    CRecordingData data(&m_view);
    data.m_nRefuseCommit = 3;
    std::string strText = "a\r\n/* b\r\nc */ d\r\ne";
    CStreamBuffer buffer(strText.data(), static_cast<long>(strText.size()));
    CParseBuffer parser(&buffer);
    parser.ParseBuffer(&data);
    // The refused line's pieces were offered, but the line was never committed.
    EXPECT_EQ(data.m_strLog, "{init}[N][N]<a>|\n[BC]/* b|\n[BC]c */[N] [N]<d>");
    EXPECT_EQ(data.GetBufferPos(), 9);  // start of "c */ d"
    EXPECT_EQ(data.GetFormat(), &CTinctoView::m_BlockCommentTxt);

    data.m_strLog.clear();
    parser.ParseBuffer(&data);
    EXPECT_EQ(data.m_strLog, "[BC]c */[N] [N]<d>|\n[N]<e>|end{fin}");
    EXPECT_EQ(data.GetBufferPos(), static_cast<long>(strText.size()) + 1);

    data.m_strLog.clear();
    parser.ParseBuffer(&data);  // finished: nothing more
    EXPECT_EQ(data.m_strLog, "");
}

TEST_F(ParseBufferTest, HtmlTagsAreLowerCasedOnlyInTheLookup)
{
    m_view.SetPathName("index.HTML");
    CRecordingData data(&m_view);
    Run("<BODY> /Body", &data);
    EXPECT_EQ(data.m_words, (std::vector<std::string>{"body", "/body"}));
    EXPECT_NE(data.m_strLog.find("<BODY>"), std::string::npos);
    EXPECT_NE(data.m_strLog.find("</Body>"), std::string::npos);
}
