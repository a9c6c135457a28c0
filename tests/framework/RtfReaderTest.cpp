#include "RichEditCtrl.h"
#include "RichEditTestUtil.h"

#include <gtest/gtest.h>

#include <random>

namespace {

// The header the colouring engine writes: colour 0 black, 1 green, 2 blue, 3 dark red.
const std::string kHeader =
    "{\\rtf1\\ansi\\deff0{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;"
    "\\red0\\green0\\blue255;\\red128\\green0\\blue0;}";

std::string ReadRtf(const std::string& strBody, LONG nTransfer = 4096)
{
    CRichEditCtrl ctrl;
    ctrl.SetTransferSize(nTransfer);
    StreamString(ctrl, kHeader + strBody, SF_RTF);
    return Styled(ctrl);
}

}  // namespace

TEST(RtfReaderTest, ReadsEveryConstructTheEngineWrites)
{
    struct Case {
        const char* pszBody;
        const char* pszExpected;
    } cases[] = {
        {"\\cf1 abc}", "abc{#008000}"},
        {"\\b0\\ul0\\i0\\cf0\\b\\cf2int\\b0\\ul0\\i0\\cf0\\ x;}", "int{#0000FF b} x;{#000000}"},
        {"ab\\line cd\\line}", "ab|cd|{#000000}"},
        {"a\\line--x}", "a|-x{#000000}"},
        {"a\\line-}", "a|{#000000}"},
        {"\\cf1-x}", "-x{#008000}"},
        {"\\cf3\\1\\2\\ 3}", "12 3{#800000}"},
        {"\\{\\}\\\\}", "{}\\{#000000}"},
        {"\\i\\ul it\\i0\\ul0\\ no}", "it{#000000 i u} no{#000000}"},
        {"\\ul u\\ulnone n}", "u{#000000 u}n{#000000}"},
        {"\\fs28 big\\fs20 small}", "big{#000000 14pt}small{#000000}"},
        {"\\b\\i\\cf2 x\\plain y}", "x{#0000FF b i}y{#000000}"},
        {"a\r\nb\rc\n}", "abc{#000000}"},
        {"a\tb\xe9}", "a\tb\xe9{#000000}"},
        {"a{\\b b}c}", "a{#000000}b{#000000 b}c{#000000}"},
        {"a\\foo12 b{\\*\\bar hidden{nested}}c}", "abc{#000000}"},
        {"{\\fonttbl{\\f0 Courier;}}x}", "x{#000000}"},
        {"\\'41\\'e9\\'0d\\'4}", "A\xe9{#000000}"},
        {"\\cf9 x\\cf2 y\\cf z}", "x{#000000}y{#0000FF}z{#000000}"},
        {"a\\par b\\tab c}", "a|b\tc{#000000}"},
        {"\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz x}", "x{#000000}"},
        {"}}x", "x{#000000}"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadRtf(c.pszBody), c.pszExpected) << c.pszBody;
}

TEST(RtfReaderTest, ColourTableEntriesWithoutComponentsAreAutomatic)
{
    CRichEditCtrl ctrl;
    CHARFORMAT cf = MakeFormat(CFM_COLOR, 0, RGB(1, 2, 3));
    ctrl.SetDefaultCharFormat(cf);
    StreamString(ctrl, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\cf0 a\\cf1 b}", SF_RTF);
    EXPECT_EQ(Styled(ctrl), "a{#010203}b{#FF0000}");
}

TEST(RtfReaderTest, SameResultForEveryTransferSize)
{
    // Every construct, so that each can be cut by a buffer end.
    std::string strRtf = kHeader +
                         "\\fs20\\b0\\ul0\\i0\\cf0\\b\\cf2int\\b0\\ul0\\i0\\cf0\\ x\\ =\\ \\1\\2;\\line"
                         "--y\\line\\cf1//\\ c\r\\line\\i\\cf3\"s\\{\\}\\\\\"\\i0\\cf0\\'41\tz{\\*\\skip me}"
                         "{\\ul u}\\fs24 w\\line-}";
    CRichEditCtrl reference;
    StreamString(reference, strRtf, SF_RTF);
    CString strExpected = reference.Dump();
    ASSERT_NE(strExpected.Find("-y"), -1);
    for (LONG nSize = 1; nSize <= 64; ++nSize) {
        for (LONG nMax : {nSize, std::max<LONG>(1, nSize / 2)}) {
            CRichEditCtrl ctrl;
            ctrl.SetTransferSize(nSize);
            CStringSource source;
            source.strData = strRtf;
            source.nMaxPerCall = nMax;
            EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, &CStringSource::Callback};
            ctrl.StreamIn(SF_RTF, es);
            ASSERT_EQ(ctrl.Dump(), strExpected) << "transfer size " << nSize << ", " << nMax << " per call";
        }
    }
}

TEST(RtfReaderTest, GarbageIsReadCalmly)
{
    std::mt19937 random(12345);
    const char kAlphabet[] = "\\{}abcfl0123456789- ;'*\r\n\t\x80\xff";
    for (int nRound = 0; nRound < 300; ++nRound) {
        std::string strData;
        size_t nLength = random() % 400;
        for (size_t i = 0; i < nLength; ++i)
            strData += random() % 4 == 0 ? static_cast<char>(random() % 256)
                                         : kAlphabet[random() % (sizeof kAlphabet - 1)];
        CRichEditCtrl ctrl;
        ctrl.SetTransferSize(1 + static_cast<LONG>(random() % 16));
        StreamString(ctrl, strData, SF_RTF);
        CString strText = ctrl.GetWindowText();
        int nBreaks = 0;
        for (int i = 0; i < strText.GetLength(); ++i) {
            if (strText[i] == '\r') {
                ASSERT_TRUE(i + 1 < strText.GetLength() && strText[i + 1] == '\n') << strData;
                ++nBreaks;
            } else if (strText[i] == '\n') {
                ASSERT_TRUE(i > 0 && strText[i - 1] == '\r') << strData;
            }
            ASSERT_NE(strText[i], '\0');
        }
        ASSERT_EQ(ctrl.GetLineCount(), nBreaks + 1);
    }
}

TEST(RtfReaderTest, DeepNestingAndLongWordsDoNotHurt)
{
    std::string strDeep = std::string(100000, '{') + "\\b x" + std::string(100000, '}') + "y";
    std::string strLongWord = "\\" + std::string(100000, 'q') + "12 z";
    CRichEditCtrl ctrl;
    StreamString(ctrl, strDeep, SF_RTF);
    EXPECT_EQ(Styled(ctrl), "x{#000000 b}y{#000000}");
    StreamString(ctrl, strLongWord, SF_RTF);
    EXPECT_EQ(Styled(ctrl), "z{#000000}");
}

TEST(RtfReaderTest, ErrorOfTheCallbackStopsAndIsReported)
{
    CRichEditCtrl ctrl;
    ctrl.SetTransferSize(4);
    CStringSource source;
    source.strData = kHeader + "abcdefgh}";
    source.nFailAtCall = static_cast<int>(kHeader.size() / 4) + 1;
    EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&source), 0, &CStringSource::Callback};
    LONG nRead = ctrl.StreamIn(SF_RTF, es);
    EXPECT_EQ(es.dwError, 7u);
    // What arrived before the error is kept, and reported as read.
    EXPECT_EQ(nRead, ctrl.GetTextLength());
    EXPECT_LT(nRead, 8);
    EXPECT_EQ(source.nCalls, source.nFailAtCall + 1);
}
