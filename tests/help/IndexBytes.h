// Index files written byte by byte for the help tests.
#pragma once

#include <cstdint>
#include <string>

struct CRawEntry {
    uint32_t nDir;
    std::string strFile;
    uint32_t nExt;
    std::string strAnchor;
    std::string strKeyword;
};

inline void PutLe32(std::string& s, uint32_t n)
{
    for (int i = 0; i < 4; ++i)
        s += static_cast<char>((n >> (8 * i)) & 0xFF);
}

inline std::string RawEntry(const CRawEntry& e)
{
    std::string s;
    PutLe32(s, e.nDir);
    PutLe32(s, static_cast<uint32_t>(e.strFile.size()));
    s += e.strFile;
    PutLe32(s, e.nExt);
    PutLe32(s, static_cast<uint32_t>(e.strAnchor.size()));
    s += e.strAnchor;
    PutLe32(s, static_cast<uint32_t>(e.strKeyword.size()));
    s += e.strKeyword;
    return s;
}

template <typename... T>
std::string RawIndex(uint32_t nCount, const T&... entries)
{
    std::string s;
    PutLe32(s, nCount);
    ((s += RawEntry(entries)), ...);
    return s;
}
