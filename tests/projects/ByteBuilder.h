// CByteBuilder: writes archive bytes by hand, little-endian, so the tests
// describe the stored layouts independently of the program's own writer.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

class CByteBuilder {
public:
    CByteBuilder& Byte(int n)
    {
        m_str += static_cast<char>(n & 0xFF);
        return *this;
    }
    CByteBuilder& Word(uint32_t n) { return Byte(static_cast<int>(n)).Byte(static_cast<int>(n >> 8)); }
    CByteBuilder& Dword(uint32_t n) { return Word(n & 0xFFFF).Word(n >> 16); }
    // Length below 255: one byte; else 0xFF and a WORD.
    CByteBuilder& Str(const std::string& str)
    {
        if (str.size() < 255)
            Byte(static_cast<int>(str.size()));
        else
            Byte(0xFF).Word(static_cast<uint32_t>(str.size()));
        m_str += str;
        return *this;
    }
    // A WORD count, then the strings.
    CByteBuilder& Strings(std::initializer_list<std::string> strs)
    {
        Word(static_cast<uint32_t>(strs.size()));
        for (const std::string& str : strs)
            Str(str);
        return *this;
    }
    // The first object of a class: 0xFFFF, schema, name length, name.
    CByteBuilder& NewClass(const std::string& strName, int nSchema)
    {
        Word(0xFFFF).Word(static_cast<uint32_t>(nSchema)).Word(static_cast<uint32_t>(strName.size()));
        m_str += strName;
        return *this;
    }
    // A later object of class number n.
    CByteBuilder& ClassRef(int n) { return Word(0x8000u | static_cast<uint32_t>(n)); }
    CByteBuilder& Raw(const std::string& str)
    {
        m_str += str;
        return *this;
    }

    const std::string& Data() const { return m_str; }

private:
    std::string m_str;
};
