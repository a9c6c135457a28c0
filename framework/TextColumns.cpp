#include "TextColumns.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsContinuation(unsigned char ch)
{
    return (ch & 0xC0) == 0x80;
}

}  // namespace

int CTextColumns::CharLength(const char* pText, int nLeft)
{
    if (nLeft <= 0)
        return 1;
    const auto* p = reinterpret_cast<const unsigned char*>(pText);
    unsigned char ch = p[0];
    int nNeed;
    unsigned char nLow = 0x80, nHigh = 0xBF;  // allowed range of the second byte
    if (ch < 0x80)
        return 1;
    if (ch >= 0xC2 && ch <= 0xDF) {
        nNeed = 2;
    } else if (ch >= 0xE0 && ch <= 0xEF) {
        nNeed = 3;
        if (ch == 0xE0)
            nLow = 0xA0;           // no overlong forms
        else if (ch == 0xED)
            nHigh = 0x9F;          // no surrogates
    } else if (ch >= 0xF0 && ch <= 0xF4) {
        nNeed = 4;
        if (ch == 0xF0)
            nLow = 0x90;
        else if (ch == 0xF4)
            nHigh = 0x8F;          // nothing above U+10FFFF
    } else {
        return 1;
    }
    if (nLeft < nNeed || p[1] < nLow || p[1] > nHigh)
        return 1;
    for (int i = 2; i < nNeed; ++i)
        if (!IsContinuation(p[i]))
            return 1;
    return nNeed;
}

char32_t CTextColumns::Decode(const char* pText, int nLeft)
{
    const auto* p = reinterpret_cast<const unsigned char*>(pText);
    switch (CharLength(pText, nLeft)) {
    case 2:
        return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
    case 3:
        return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
    case 4:
        return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) | (char32_t(p[2] & 0x3F) << 6)
            | (p[3] & 0x3F);
    default:
        return p[0];
    }
}

int CTextColumns::PreviousCharStart(const char* pText, int nPos)
{
    // A lead byte is never a continuation byte, so the longest sequence that
    // ends exactly at nPos is the character reading forwards would find.
    for (int k = std::min(nPos, 4); k > 1; --k)
        if (CharLength(pText + nPos - k, k) == k)
            return nPos - k;
    return nPos - 1;
}

int CTextColumns::ColumnOf(const char* pLine, int nLength, int nByte, int nTabSize)
{
    nByte = std::clamp(nByte, 0, nLength);
    int nColumn = 0;
    for (int i = 0; i < nByte;) {
        if (pLine[i] == '\t') {
            nColumn = NextTabColumn(nColumn, nTabSize);
            ++i;
        } else {
            ++nColumn;
            i += CharLength(pLine + i, nLength - i);
        }
    }
    return nColumn;
}

int CTextColumns::ByteAtX(const char* pLine, int nLength, double dX, double dCellWidth, int nTabSize)
{
    int nColumn = 0;
    for (int i = 0; i < nLength;) {
        int nNext = pLine[i] == '\t' ? NextTabColumn(nColumn, nTabSize) : nColumn + 1;
        if (dX < (nColumn + nNext) * dCellWidth / 2)
            return i;
        i += pLine[i] == '\t' ? 1 : CharLength(pLine + i, nLength - i);
        nColumn = nNext;
    }
    return nLength;
}

int CTextColumns::TabSizeFromStop(LONG nFirstStopTwips, double dCellPixels, int nDpi)
{
    if (nFirstStopTwips <= 0 || dCellPixels <= 0 || nDpi <= 0)
        return 1;
    double dCellTwips = dCellPixels * 72.0 / nDpi * 20.0;
    return std::max(1, static_cast<int>(std::lround(nFirstStopTwips / dCellTwips)));
}

void CTextColumns::AppendUtf8(CString& str, char32_t ch)
{
    if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        ch = 0xFFFD;
    char bytes[4];
    int nCount;
    if (ch < 0x80) {
        bytes[0] = static_cast<char>(ch);
        nCount = 1;
    } else if (ch < 0x800) {
        bytes[0] = static_cast<char>(0xC0 | (ch >> 6));
        bytes[1] = static_cast<char>(0x80 | (ch & 0x3F));
        nCount = 2;
    } else if (ch < 0x10000) {
        bytes[0] = static_cast<char>(0xE0 | (ch >> 12));
        bytes[1] = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | (ch & 0x3F));
        nCount = 3;
    } else {
        bytes[0] = static_cast<char>(0xF0 | (ch >> 18));
        bytes[1] = static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
        bytes[2] = static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
        bytes[3] = static_cast<char>(0x80 | (ch & 0x3F));
        nCount = 4;
    }
    str.Append(bytes, nCount);
}
