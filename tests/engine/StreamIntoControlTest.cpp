// Streaming the tokenizer's rich text into the rich-edit control gives back
// exactly the original text (every line end as CR LF) with every character
// in the colour of its class. The classes are worked out here by a small
// independent reading of the Java colouring rules.
#include "RichEditCtrl.h"
#include "StreamInData.h"
#include "TempFolder.h"
#include "TinctoView.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace {

enum EClass : char { Normal = 'n', Comment = 'c', String = 's', Keyword = 'k', DataType = 't', Number = '9', LineEnd = '|' };

bool IsJavaDelimiter(char ch, bool bNumber)
{
    int n = static_cast<signed char>(ch);
    if (ch == '.')
        return !bNumber;
    return (n <= 32 && n != 8) || (n >= 33 && n <= 47) || (n >= 58 && n <= 63) || (n >= 91 && n <= 94)
        || (n >= 123 && n <= 126);
}

EClass WordClass(const std::string& strWord)
{
    static const std::vector<std::string> types = {"boolean", "byte", "char", "double", "float", "int", "long", "short", "void"};
    static const std::vector<std::string> keywords = {
        "abstract", "break", "case", "catch", "class", "const", "continue", "default", "do", "else", "extends",
        "final", "finally", "for", "goto", "if", "implements", "import", "instanceof", "interface", "native", "new",
        "package", "private", "protected", "public", "return", "static", "super", "switch", "synchronized", "this",
        "throw", "throws", "transient", "try", "volatile", "while"};
    if (strWord.size() > 25)
        return Normal;
    for (const std::string& s : types)
        if (s == strWord)
            return DataType;
    for (const std::string& s : keywords)
        if (s == strWord)
            return Keyword;
    if (strWord.find_first_not_of("0123456789.") == std::string::npos)
        return Number;
    return Normal;
}

// The class of every character of a Java text.
std::string Classify(const std::string& strText)
{
    std::string classes(strText.size(), Normal);
    size_t i = 0, n = strText.size();
    auto isEnd = [&](size_t k) { return strText[k] == '\r' || strText[k] == '\n'; };
    while (i < n) {
        char ch = strText[i];
        if (isEnd(i)) {
            classes[i++] = LineEnd;
        } else if (ch == '/' && i + 1 < n && strText[i + 1] == '/') {
            while (i < n && !isEnd(i))
                classes[i++] = Comment;
        } else if (ch == '/' && i + 1 < n && strText[i + 1] == '*') {
            size_t k = i + 1;  // the closing mark is looked for from the star on
            while (k < n && !(strText[k] == '*' && k + 1 < n && strText[k + 1] == '/'))
                ++k;
            size_t nEnd = k < n ? k + 2 : n;
            for (; i < nEnd; ++i)
                classes[i] = isEnd(i) ? LineEnd : Comment;
        } else if (ch == '"' && (i == 0 || strText[i - 1] != '\\')) {
            classes[i++] = String;
            while (i < n && !isEnd(i)) {
                bool bClose = strText[i] == '"' && strText[i - 1] != '\\';
                classes[i++] = String;
                if (bClose)
                    break;
            }
        } else if (IsJavaDelimiter(ch, true) && ch != '.') {
            ++i;
        } else {
            size_t nStart = i;
            bool bNumber = true;
            while (i < n && !isEnd(i) && !IsJavaDelimiter(strText[i], bNumber)) {
                if ((strText[i] < '0' || strText[i] > '9') && strText[i] != '.')
                    bNumber = false;
                if (strText[i] == '.' && i == nStart)
                    bNumber = false;
                ++i;
            }
            EClass cls = WordClass(strText.substr(nStart, i - nStart));
            for (size_t k = nStart; k < i; ++k)
                classes[k] = cls;
            if (i < n && strText[i] == '.')
                ++i;  // the full stop that ended the word is a delimiter

        }
    }
    return classes;
}

COLORREF ColourOf(EClass cls)
{
    switch (cls) {
    case Comment: return RGB(0, 128, 0);
    case String: return RGB(193, 0, 0);
    case Keyword: return RGB(0, 0, 192);
    case DataType: return RGB(192, 0, 0);
    case Number: return RGB(194, 0, 0);
    default: return RGB(0, 0, 0);
    }
}

std::string WithCrLf(const std::string& strText)
{
    std::string strOut;
    for (size_t i = 0; i < strText.size(); ++i) {
        if (strText[i] == '\r' || strText[i] == '\n') {
            if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
                ++i;
            strOut += "\r\n";
        } else {
            strOut += strText[i];
        }
    }
    return strOut;
}

void LoadIntoControl(CRichEditCtrl& ctrl, const std::string& strText, LONG lTransfer)
{
    CTinctoView view;
    view.SetPathName("T.java");
    view.SetEditCtrl(&ctrl);
    view.SetLoadTransferSize(lTransfer);
    EXPECT_TRUE(view.LoadText(strText.data(), static_cast<long>(strText.size())));
}

// Checks text and colours; returns false (after reporting) on the first mismatch.
bool CheckLoaded(const std::string& strText, LONG lTransfer)
{
    CRichEditCtrl ctrl;
    LoadIntoControl(ctrl, strText, lTransfer);
    std::string strExpected = WithCrLf(strText);
    std::string strGot = ctrl.GetWindowText().str();
    EXPECT_EQ(strGot, strExpected);
    if (strGot != strExpected)
        return false;
    std::string classes = Classify(strText);
    std::string classesCrLf;  // the classes re-aligned with the CR LF text
    for (size_t i = 0; i < strText.size(); ++i) {
        if (classes[i] == LineEnd) {
            if (strText[i] == '\r' && i + 1 < strText.size() && strText[i + 1] == '\n')
                ++i;
            classesCrLf += "||";
        } else {
            classesCrLf += classes[i];
        }
    }
    for (LONG nPos = 0; nPos < static_cast<LONG>(classesCrLf.size()); ++nPos) {
        if (classesCrLf[static_cast<size_t>(nPos)] == LineEnd)
            continue;
        CHARFORMAT cf{};
        ctrl.GetCharFormat(nPos, nPos + 1, cf);
        COLORREF crExpected = ColourOf(static_cast<EClass>(classesCrLf[static_cast<size_t>(nPos)]));
        if (cf.crTextColor != crExpected) {
            ADD_FAILURE() << "colour at " << nPos << " is " << std::hex << cf.crTextColor << ", expected "
                          << crExpected << " (class " << classesCrLf[static_cast<size_t>(nPos)] << ") near \""
                          << strExpected.substr(static_cast<size_t>(std::max<LONG>(0, nPos - 20)), 40) << "\"";
            return false;
        }
    }
    return true;
}

std::string RandomJavaText(std::mt19937& rng)
{
    static const char* const pieces[] = {
        "int", "while", "String", "x", "_a1", "12", "3.5", ".5", "1.2.3", "0x1F", "a.b", " ", " ", "\t",
        "\r\n", "\n", "\r", "//", "/*", "*/", "*", "/", "\"", "\\", "\\\"", "-", "--", "{", "}", ";", "(",
        ")", "'", "\xE9", "\x08", "@", "#", "abcdefghijklmnopqrstuvwxyz", "public", "static", "void", "7"};
    std::uniform_int_distribution<size_t> pick(0, sizeof(pieces) / sizeof(pieces[0]) - 1);
    std::uniform_int_distribution<int> length(0, 120);
    std::string strText;
    for (int i = length(rng); i > 0; --i)
        strText += pieces[pick(rng)];
    return strText;
}

class StreamIntoControlTest : public ::testing::Test {
protected:
    void SetUp() override { CTinctoView::Init(RGB(255, 255, 255), 100); }
};

} // namespace

TEST_F(StreamIntoControlTest, RandomTextsComeBackWithTheirColours)
{
    std::mt19937 rng(20261207);
    for (int nCase = 0; nCase < 400; ++nCase) {
        std::string strText = RandomJavaText(rng);
        SCOPED_TRACE(testing::Message() << "case " << nCase << ": \"" << strText << "\"");
        LONG lTransfer = nCase % 3 == 0 ? 4096 : 16 + nCase % 97;
        if (!CheckLoaded(strText, lTransfer))
            break;
    }
}

TEST_F(StreamIntoControlTest, DataFilesComeBackWithTheirColours)
{
    int nFiles = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(MOSK_TEST_DATA)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".java")
            continue;
        SCOPED_TRACE(entry.path().string());
        std::string strText = ReadWholeFile(entry.path().c_str());
        EXPECT_TRUE(CheckLoaded(strText, 4096));
        EXPECT_TRUE(CheckLoaded(strText, 61));
        ++nFiles;
    }
    EXPECT_GE(nFiles, 3);
}
