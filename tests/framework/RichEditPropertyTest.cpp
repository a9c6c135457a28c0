// Random edits of a CRichEditCtrl checked against a plain model: a string and
// one format per character.
#include "RichEditCtrl.h"
#include "RichEditTestUtil.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct SFormat {
    COLORREF cr;
    bool bBold;
    bool operator==(const SFormat& o) const { return cr == o.cr && bBold == o.bBold; }
};

const COLORREF kColors[] = {RGB(0, 0, 0), RGB(0, 128, 0), RGB(0, 0, 255), RGB(128, 0, 0)};

class CModel {
public:
    std::string m_strText;
    std::vector<SFormat> m_formats;

    LONG Length() const { return static_cast<LONG>(m_strText.size()); }
    LONG SnapBack(LONG n) const { return n > 0 && n < Length() && m_strText[static_cast<size_t>(n - 1)] == '\r' ? n - 1 : n; }
    LONG SnapForward(LONG n) const { return n > 0 && n < Length() && m_strText[static_cast<size_t>(n - 1)] == '\r' ? n + 1 : n; }

    void Replace(LONG nStart, LONG nEnd, const std::string& strText, const std::vector<SFormat>& formats)
    {
        m_strText.replace(static_cast<size_t>(nStart), static_cast<size_t>(nEnd - nStart), strText);
        m_formats.erase(m_formats.begin() + nStart, m_formats.begin() + nEnd);
        m_formats.insert(m_formats.begin() + nStart, formats.begin(), formats.end());
    }
    std::vector<LONG> LineStarts() const
    {
        std::vector<LONG> starts{0};
        for (size_t i = 0; i + 1 < m_strText.size(); ++i) {
            if (m_strText[i] == '\r' && m_strText[i + 1] == '\n')
                starts.push_back(static_cast<LONG>(i + 2));
        }
        return starts;
    }
};

std::string CrLf(const std::string& str)
{
    std::string out;
    for (size_t i = 0; i < str.size(); ++i) {
        if (str[i] == '\r') {
            out += "\r\n";
            if (i + 1 < str.size() && str[i + 1] == '\n')
                ++i;
        } else if (str[i] == '\n') {
            out += "\r\n";
        } else {
            out += str[i];
        }
    }
    return out;
}

SFormat FormatOf(const CRichEditCtrl& ctrl, LONG nPos)
{
    const CHARFORMAT& cf = ctrl.GetFormatTable().GetAt(ctrl.GetFormatIndexAt(nPos));
    return {cf.crTextColor, (cf.dwEffects & CFE_BOLD) != 0};
}

class CPropertyRun {
public:
    explicit CPropertyRun(unsigned nSeed) : m_random(nSeed) {}

    LONG Pick(LONG nMax) { return static_cast<LONG>(m_random() % static_cast<unsigned>(nMax + 1)); }

    std::string RandomText(int nMax)
    {
        static const char kAlphabet[] = "ab x\r\n-{}\\0";
        std::string str;
        int n = static_cast<int>(m_random() % static_cast<unsigned>(nMax + 1));
        for (int i = 0; i < n; ++i)
            str += kAlphabet[m_random() % (sizeof kAlphabet - 1)];
        return str;
    }

    // Sets a random selection and checks that the control reports the one
    // the model expects; returns it.
    void Select(LONG& nStart, LONG& nEnd)
    {
        LONG nLength = m_model.Length();
        LONG a = Pick(nLength + 2), b = Pick(nLength + 2);
        m_ctrl.SetSel(a, b);
        a = std::min(a, nLength);
        b = std::min(b, nLength);
        LONG lo = std::min(a, b), hi = std::max(a, b);
        if (lo == hi)
            lo = hi = m_model.SnapBack(lo);
        else
            lo = m_model.SnapBack(lo), hi = m_model.SnapForward(hi);
        m_ctrl.GetSel(nStart, nEnd);
        EXPECT_EQ(nStart, lo);
        EXPECT_EQ(nEnd, hi);
        if (lo != m_nSelStart || hi != m_nSelEnd)
            m_bHasInsertFormat = false;  // a moved selection forgets the caret's format
        nStart = m_nSelStart = lo;
        nEnd = m_nSelEnd = hi;
    }

    // The text changed and the caret is at nCaret.
    void Edited(LONG nCaret, bool bChanged)
    {
        if (bChanged)
            m_bHasInsertFormat = false;
        m_nSelStart = m_nSelEnd = nCaret;
    }

    SFormat InsertionFormat(LONG nStart, LONG nEnd) const
    {
        if (m_bHasInsertFormat)
            return m_insertFormat;
        if (nStart > 0)
            return m_model.m_formats[static_cast<size_t>(nStart - 1)];
        if (nEnd < m_model.Length())
            return m_model.m_formats[static_cast<size_t>(nEnd)];
        return {RGB(0, 0, 0), false};
    }

    void Step()
    {
        LONG nStart = -1, nEnd = -1;
        LONG nCaret = -1;  // where an edit leaves the caret
        switch (m_random() % 5) {
        case 0: {  // typed or pasted text, sometimes after setting the caret's format
            Select(nStart, nEnd);
            SFormat format = InsertionFormat(nStart, nEnd);
            if (nStart == nEnd && m_random() % 3 == 0) {
                format.cr = kColors[m_random() % 4];
                m_ctrl.SetSelectionCharFormat(MakeFormat(CFM_COLOR, 0, format.cr));
                m_bHasInsertFormat = true;
                m_insertFormat = format;
            }
            std::string str = CrLf(RandomText(8));
            m_ctrl.ReplaceSel(str.c_str());
            m_model.Replace(nStart, nEnd, str, std::vector<SFormat>(str.size(), format));
            nCaret = nStart + static_cast<LONG>(str.size());
            break;
        }
        case 1:
            Select(nStart, nEnd);
            m_ctrl.Clear();
            m_model.Replace(nStart, nEnd, "", {});
            nCaret = nStart;
            break;
        case 2: {  // recolouring of a range, which may cut a line end in two
            LONG nLength = m_model.Length();
            LONG a = Pick(nLength), b = Pick(nLength);
            if (a > b)
                std::swap(a, b);
            bool bBold = m_random() % 2 == 0;
            CHARFORMAT cf = bBold ? MakeFormat(CFM_BOLD, m_random() % 2 ? CFE_BOLD : 0)
                                  : MakeFormat(CFM_COLOR, 0, kColors[m_random() % 4]);
            m_ctrl.SetCharFormat(a, b, cf);
            for (LONG i = a; i < b; ++i) {
                SFormat& f = m_model.m_formats[static_cast<size_t>(i)];
                if (bBold)
                    f.bBold = (cf.dwEffects & CFE_BOLD) != 0;
                else
                    f.cr = cf.crTextColor;
            }
            break;
        }
        case 3: {  // coloured rich text into the selection
            Select(nStart, nEnd);
            std::string strRtf = "{\\rtf1{\\colortbl;\\red0\\green128\\blue0;\\red0\\green0\\blue255;\\red128\\green0\\blue0;}";
            std::string strText;
            std::vector<SFormat> formats;
            for (int nSegment = static_cast<int>(m_random() % 4); nSegment > 0; --nSegment) {
                int nColor = static_cast<int>(m_random() % 4);
                bool bBold = m_random() % 2 == 0;
                strRtf += "\\cf" + std::to_string(nColor) + (bBold ? "\\b " : "\\b0 ");
                for (char ch : RandomText(6)) {
                    if (ch == '\r' || ch == '\n') {
                        strRtf += "\\line ";
                        strText += "\r\n";
                        formats.push_back({kColors[nColor], bBold});
                        formats.push_back({kColors[nColor], bBold});
                        continue;
                    }
                    if (ch == '{' || ch == '}' || ch == '\\' || ch == ' ' || (ch >= '0' && ch <= '9'))
                        strRtf += '\\';
                    strRtf += ch;
                    strText += ch;
                    formats.push_back({kColors[nColor], bBold});
                }
            }
            strRtf += "}";
            m_ctrl.SetTransferSize(1 + Pick(20));
            EXPECT_EQ(StreamString(m_ctrl, strRtf, SF_RTF | SFF_SELECTION), static_cast<LONG>(strText.size()));
            m_model.Replace(nStart, nEnd, strText, formats);
            nCaret = nStart + static_cast<LONG>(strText.size());
            break;
        }
        case 4: {  // plain text into the selection
            Select(nStart, nEnd);
            SFormat format = InsertionFormat(nStart, nEnd);
            std::string strRaw = RandomText(10);
            m_ctrl.SetTransferSize(1 + Pick(5));
            StreamString(m_ctrl, strRaw, SF_TEXT | SFF_SELECTION);
            std::string str = CrLf(strRaw);
            m_model.Replace(nStart, nEnd, str, std::vector<SFormat>(str.size(), format));
            nCaret = nStart + static_cast<LONG>(str.size());
            break;
        }
        }
        if (nCaret >= 0)
            Edited(nCaret, nStart < nEnd || nCaret > nStart);
        if (nCaret >= 0 && nStart < nEnd) {
            LONG nSelStart, nSelEnd;
            m_ctrl.GetSel(nSelStart, nSelEnd);
            EXPECT_EQ(nSelStart, nCaret);
            EXPECT_EQ(nSelEnd, nCaret);
        }
    }

    void Check(bool bFull)
    {
        ASSERT_EQ(m_ctrl.GetTextLength(), m_model.Length());
        ASSERT_EQ(m_ctrl.GetWindowText().str(), m_model.m_strText);
        std::vector<LONG> starts = m_model.LineStarts();
        ASSERT_EQ(m_ctrl.GetLineCount(), static_cast<int>(starts.size()));
        LONG nLength = m_model.Length();
        int nProbes = bFull ? static_cast<int>(starts.size()) : 20;
        for (int i = 0; i < nProbes; ++i) {
            size_t nLine = bFull ? static_cast<size_t>(i) : m_random() % starts.size();
            ASSERT_EQ(m_ctrl.LineIndex(static_cast<int>(nLine)), starts[nLine]);
            LONG nPos = nLine + 1 < starts.size() ? starts[nLine + 1] - 1 : nLength;
            ASSERT_EQ(m_ctrl.LineFromChar(nPos), static_cast<int>(nLine));
        }
        nProbes = bFull ? static_cast<int>(nLength) : std::min<int>(50, static_cast<int>(nLength));
        for (int i = 0; i < nProbes; ++i) {
            LONG nPos = bFull ? i : Pick(nLength - 1);
            ASSERT_TRUE(FormatOf(m_ctrl, nPos) == m_model.m_formats[static_cast<size_t>(nPos)]) << "at " << nPos;
        }
    }

    CRichEditCtrl m_ctrl;
    CModel m_model;
    std::mt19937 m_random;
    LONG m_nSelStart = 0, m_nSelEnd = 0;
    bool m_bHasInsertFormat = false;
    SFormat m_insertFormat{};
};

}  // namespace

TEST(RichEditPropertyTest, RandomEditsMatchAPlainModel)
{
    for (unsigned nSeed : {1u, 2u, 3u}) {
        CPropertyRun run(nSeed);
        for (int nStep = 0; nStep < 600; ++nStep) {
            ASSERT_NO_FATAL_FAILURE(run.Step());
            ASSERT_NO_FATAL_FAILURE(run.Check(nStep % 25 == 0)) << "seed " << nSeed << " step " << nStep;
        }
    }
}

TEST(RichEditPropertyTest, EditsOfALargeChunkedTextMatchAPlainModel)
{
    // Thousands of lines and runs, so that the chunks split and merge.
    CPropertyRun run(9);
    std::string strRtf = "{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}";
    for (int i = 0; i < 3000; ++i) {
        strRtf += "\\cf1 ab\\cf0 c\\line ";
        run.m_model.m_strText += "abc\r\n";
        for (int k = 0; k < 5; ++k)
            run.m_model.m_formats.push_back({k < 2 ? kColors[1] : kColors[0], false});
    }
    strRtf += "}";
    StreamString(run.m_ctrl, strRtf, SF_RTF);
    ASSERT_NO_FATAL_FAILURE(run.Check(true));
    for (int nStep = 0; nStep < 400; ++nStep) {
        ASSERT_NO_FATAL_FAILURE(run.Step());
        // Now and then a large block goes or comes back.
        if (nStep % 50 == 25) {
            LONG nLength = run.m_model.Length();
            LONG a = run.Pick(nLength / 2);
            LONG b = std::min(nLength, a + run.Pick(nLength / 2));
            a = run.m_model.SnapBack(a);
            b = run.m_model.SnapForward(b);
            CString strCut;
            run.m_ctrl.GetTextRange(a, b, strCut);
            std::vector<SFormat> cut(run.m_model.m_formats.begin() + a, run.m_model.m_formats.begin() + b);
            run.m_ctrl.SetSel(a, b);
            run.m_ctrl.Clear();
            run.m_model.Replace(a, b, "", {});
            run.Edited(a, a < b);
            SFormat format = run.InsertionFormat(a, a);
            run.m_ctrl.ReplaceSel(strCut);
            run.m_model.Replace(a, a, strCut.str(), std::vector<SFormat>(cut.size(), format));
            run.Edited(a + strCut.GetLength(), strCut.GetLength() > 0);
        }
        ASSERT_NO_FATAL_FAILURE(run.Check(nStep % 100 == 0)) << "step " << nStep;
    }
    ASSERT_NO_FATAL_FAILURE(run.Check(true));
}
