#include "ErrorLine.h"

#include "ErrorLocation.h"

#include <climits>
#include <string_view>

namespace {

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

bool IsIdentifierChar(char ch)
{
    return IsDigit(ch) || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || ch == '_' || ch == '$' ||
           static_cast<unsigned char>(ch) >= 0x80;
}

// A line number: one or more digits, the whole of strText, 1..INT_MAX.
bool ReadLineNumber(std::string_view strText, int& nLine)
{
    if (strText.empty())
        return false;
    long long nValue = 0;
    for (char ch : strText) {
        if (!IsDigit(ch))
            return false;
        nValue = nValue * 10 + (ch - '0');
        if (nValue > INT_MAX)
            return false;
    }
    if (nValue < 1)
        return false;
    nLine = static_cast<int>(nValue);
    return true;
}

// The class of a "pkg.Foo.method" token: the text before the last ".",
// without a module or loader prefix ("java.base/", "app//") and without the
// nested-class part after "$" (its source is the outer class's file).
std::string_view ClassOfMethod(std::string_view strToken)
{
    size_t nSlash = strToken.rfind('/');
    if (nSlash != std::string_view::npos)
        strToken.remove_prefix(nSlash + 1);
    size_t nDot = strToken.rfind('.');
    if (nDot == std::string_view::npos)
        return std::string_view();
    strToken = strToken.substr(0, nDot);
    size_t nDollar = strToken.find('$');
    if (nDollar != std::string_view::npos)
        strToken = strToken.substr(0, nDollar);
    return strToken;
}

// The stack-trace form: the text before nColon holds "Name.java", the
// number after it runs up to a blank or ")". The class is the token before
// the "(" that opens the file name, when there is one.
BOOL ParseStackTrace(std::string_view strLine, size_t nColon, CErrorLocation& location)
{
    size_t nJava = strLine.substr(0, nColon).rfind(".java");
    if (nJava == std::string_view::npos)
        return FALSE;
    size_t nNameStart = nJava;
    while (nNameStart > 0 && IsIdentifierChar(strLine[nNameStart - 1]))
        --nNameStart;
    if (nNameStart == nJava)
        return FALSE;
    size_t nNumberEnd = strLine.find_first_of(" )", nColon + 1);
    if (nNumberEnd == std::string_view::npos)
        nNumberEnd = strLine.size();
    int nLine = 0;
    if (!ReadLineNumber(strLine.substr(nColon + 1, nNumberEnd - nColon - 1), nLine))
        return FALSE;

    location.m_strFile = CString(strLine.substr(nNameStart, nJava - nNameStart)) + ".java";
    location.m_nLine = nLine;
    location.m_bStackTrace = TRUE;
    size_t nParen = strLine.substr(0, nNameStart).rfind('(');
    if (nParen != std::string_view::npos) {
        size_t nTokenStart = strLine.find_last_of(" \t", nParen);
        nTokenStart = nTokenStart == std::string_view::npos ? 0 : nTokenStart + 1;
        if (nTokenStart < nParen)
            location.m_strClass = CString(ClassOfMethod(strLine.substr(nTokenStart, nParen - nTokenStart)));
    }
    return TRUE;
}

} // namespace

BOOL CErrorLine::Parse(const char* pszLine, CErrorLocation& location)
{
    location.Reset();
    if (!pszLine)
        return FALSE;
    size_t nLength = 0;
    while (nLength < static_cast<size_t>(MAX_LINE_LENGTH) && pszLine[nLength] && pszLine[nLength] != '\r' &&
           pszLine[nLength] != '\n')
        ++nLength;
    std::string_view strLine(pszLine, nLength);
    if (strLine.empty())
        return FALSE;

    // The colon ending the file name: the first one when a digit follows it,
    // else the next one (the first then belonged to a drive letter).
    size_t nColon = strLine.find(':');
    if (nColon == std::string_view::npos)
        return FALSE;
    if (nColon + 1 >= strLine.size() || !IsDigit(strLine[nColon + 1])) {
        nColon = strLine.find(':', nColon + 1);
        if (nColon == std::string_view::npos)
            return FALSE;
    }

    size_t nSecond = strLine.find(':', nColon + 1);
    if (nSecond == std::string_view::npos)
        return ParseStackTrace(strLine, nColon, location);

    int nLine = 0;
    if (nColon == 0 || !ReadLineNumber(strLine.substr(nColon + 1, nSecond - nColon - 1), nLine))
        return FALSE;
    location.m_strFile = CString(strLine.substr(0, nColon));
    location.m_nLine = nLine;
    return TRUE;
}
