#include "Utf16ToUtf8.h"

namespace {

void AppendCodePoint(std::string& str, uint32_t cp)
{
    if (cp < 0x80) {
        str += static_cast<char>(cp);
    } else if (cp < 0x800) {
        str += static_cast<char>(0xC0 | (cp >> 6));
        str += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        str += static_cast<char>(0xE0 | (cp >> 12));
        str += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        str += static_cast<char>(0xF0 | (cp >> 18));
        str += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        str += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        str += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool IsHighSurrogate(uint16_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool IsLowSurrogate(uint16_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

} // namespace

std::string Utf16ToUtf8(const uint16_t* pUnits, size_t nCount)
{
    std::string str;
    str.reserve(nCount);
    for (size_t i = 0; i < nCount; ++i) {
        uint16_t u = pUnits[i];
        if (IsHighSurrogate(u) && i + 1 < nCount && IsLowSurrogate(pUnits[i + 1])) {
            uint32_t cp = 0x10000 + ((static_cast<uint32_t>(u) - 0xD800) << 10) + (pUnits[i + 1] - 0xDC00u);
            AppendCodePoint(str, cp);
            ++i;
        } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
            AppendCodePoint(str, 0xFFFD);
        } else {
            AppendCodePoint(str, u);
        }
    }
    return str;
}
