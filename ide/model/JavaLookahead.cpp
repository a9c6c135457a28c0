#include "JavaLookahead.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\f';
}

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// TRUE when a comment opens at lPos.
bool IsCommentStart(const char* pText, long lPos, long lLength)
{
    return pText[lPos] == '/' && lPos + 1 < lLength && (pText[lPos + 1] == '/' || pText[lPos + 1] == '*');
}

// Longest stretch the annotation-argument scan looks at before giving up.
const long s_lMaxAnnotationArguments = 16384;

} // namespace

BOOL CJavaLookahead::IsIdentifierChar(char ch)
{
    unsigned char u = static_cast<unsigned char>(ch);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_' || u == '$'
        || u >= 0x80;
}

long CJavaLookahead::SkipBlanks(const char* pText, long lPos, long lLength)
{
    while (lPos < lLength) {
        char ch = pText[lPos];
        if (IsBlank(ch)) {
            ++lPos;
        } else if (IsCommentStart(pText, lPos, lLength)) {
            if (pText[lPos + 1] == '/') {
                while (lPos < lLength && !IsLineEnd(pText[lPos]))
                    ++lPos;
            } else {
                lPos += 2;
                while (lPos < lLength && !(pText[lPos] == '*' && lPos + 1 < lLength && pText[lPos + 1] == '/'))
                    ++lPos;
                lPos = std::min(lPos + 2, lLength);
            }
        } else {
            break;
        }
    }
    return lPos;
}

BOOL CJavaLookahead::IsTextBlockStart(const char* pText, long lPos, long lLength)
{
    return lPos + 2 < lLength && pText[lPos] == '"' && pText[lPos + 1] == '"' && pText[lPos + 2] == '"';
}

BOOL CJavaLookahead::IsEscaped(const char* pText, long lPos, long lStart)
{
    long lCount = 0;
    for (long i = lPos - 1; i > lStart && pText[i] == '\\'; --i)
        ++lCount;
    return (lCount & 1) != 0;
}

long CJavaLookahead::SkipLiteral(const char* pText, long lPos, long lLength)
{
    if (IsTextBlockStart(pText, lPos, lLength)) {
        for (long i = lPos + 3; i + 2 < lLength; ++i)
            if (IsTextBlockStart(pText, i, lLength) && !IsEscaped(pText, i, lPos + 2))
                return i + 3;
        return lLength;
    }
    char chQuote = pText[lPos];
    for (long i = lPos + 1; i < lLength; ++i) {
        if (IsLineEnd(pText[i]))
            return i;
        if (pText[i] == chQuote && !IsEscaped(pText, i, lPos))
            return i + 1;
    }
    return lLength;
}

long CJavaLookahead::MatchingParen(const char* pText, long lPos, long lLength)
{
    long lLimit = std::min(lLength, lPos + s_lMaxAnnotationArguments);
    int nDepth = 0;
    long i = lPos;
    while (i < lLimit) {
        char ch = pText[i];
        if (ch == '(') {
            ++nDepth;
        } else if (ch == ')') {
            if (--nDepth == 0)
                return i + 1;
        } else if (ch == ';') {
            return -1;  // a statement: these are no annotation arguments
        } else if (ch == '"' || ch == '\'') {
            i = SkipLiteral(pText, i, lLength);
            continue;
        } else if (IsCommentStart(pText, i, lLength)) {
            i = SkipBlanks(pText, i, lLength);
            continue;
        }
        ++i;
    }
    return -1;
}

long CJavaLookahead::AnnotationEnd(const char* pText, long lPos, long lLength)
{
    long i = SkipBlanks(pText, lPos + 1, lLength);
    long lNameStart = i;
    while (i < lLength && (IsIdentifierChar(pText[i]) || pText[i] == '.'))
        ++i;
    if (i == lNameStart)
        return lPos + 1;
    if (i - lNameStart == 9 && std::memcmp(pText + lNameStart, "interface", 9) == 0)
        return -1;
    long j = SkipBlanks(pText, i, lLength);
    if (j < lLength && pText[j] == '(') {
        long lEnd = MatchingParen(pText, j, lLength);
        if (lEnd > 0)
            return lEnd;
    }
    return i;
}

long CJavaLookahead::TypeArgumentsEnd(const char* pText, long lPos, long lLength)
{
    if (lPos + 1 >= lLength || pText[lPos + 1] == '<' || pText[lPos + 1] == '=')
        return -1;
    long lFirst = SkipBlanks(pText, lPos + 1, lLength);
    if (lFirst < lLength && IsDigit(pText[lFirst]))
        return -1;
    long lLimit = std::min(lLength, lPos + m_lMaxTypeArguments);
    int nDepth = 0;
    long i = lPos;
    while (i < lLimit) {
        char ch = pText[i];
        if (ch == '<') {
            ++nDepth;
        } else if (ch == '>') {
            if (--nDepth == 0)
                return (i + 1 < lLength && pText[i + 1] == '=') ? -1 : i + 1;
        } else if (ch == '&') {
            if (i + 1 < lLength && pText[i + 1] == '&')
                return -1;
        } else if (ch == '/') {
            if (!IsCommentStart(pText, i, lLength))
                return -1;
            i = SkipBlanks(pText, i, lLength);
            continue;
        } else if (!IsIdentifierChar(ch) && !IsBlank(ch) && ch != '.' && ch != ',' && ch != '?' && ch != '['
                   && ch != ']' && ch != '@') {
            return -1;
        }
        ++i;
    }
    return -1;
}

long CJavaLookahead::CharLiteralEnd(const char* pText, long lPos, long lLength)
{
    long i = lPos + 1;
    if (i >= lLength || IsLineEnd(pText[i]) || pText[i] == '\'')
        return -1;
    // An escape may hold a quote ('\'') and runs to at most a unicode escape
    // with several u's; a plain character is one to four UTF-8 bytes.
    long lFrom = pText[i] == '\\' ? i + 2 : i + 1;
    long lLimit = std::min(lLength, pText[i] == '\\' ? i + 16 : i + 5);
    for (long j = lFrom; j < lLimit; ++j) {
        if (IsLineEnd(pText[j]))
            return -1;
        if (pText[j] == '\'')
            return j + 1;
    }
    return -1;
}

void CJavaLookahead::AppendCompact(const char* pText, long lStart, long lEnd, CString& strOut)
{
    bool bBlank = false;
    long i = lStart;
    while (i < lEnd) {
        char ch = pText[i];
        if (IsBlank(ch) || IsCommentStart(pText, i, lEnd)) {
            long lNext = SkipBlanks(pText, i, lEnd);
            i = lNext > i ? lNext : i + 1;
            bBlank = true;
            continue;
        }
        if (bBlank && !strOut.IsEmpty())
            strOut += ' ';
        bBlank = false;
        strOut += ch;
        ++i;
    }
}
