#include "String.h"

#include <algorithm>
#include <cassert>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

bool IsSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n' || ch == '\v' || ch == '\f';
}

char Lower(char ch) { return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch + 32) : ch; }
char Upper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 32) : ch; }

} // namespace

char CString::GetAt(int nIndex) const
{
    assert(nIndex >= 0 && nIndex < GetLength());
    return m_str[static_cast<size_t>(nIndex)];
}

void CString::SetAt(int nIndex, char ch)
{
    assert(nIndex >= 0 && nIndex < GetLength());
    m_str[static_cast<size_t>(nIndex)] = ch;
}

int CString::Compare(const char* psz) const
{
    return std::strcmp(m_str.c_str(), psz ? psz : "");
}

int CString::CompareNoCase(const char* psz) const
{
    const char* a = m_str.c_str();
    const char* b = psz ? psz : "";
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(Lower(*a));
        unsigned char cb = static_cast<unsigned char>(Lower(*b));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        if (ca == 0)
            return 0;
    }
}

CString CString::Left(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(0, static_cast<size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    nCount = std::clamp(nCount, 0, GetLength());
    return CString(m_str.substr(static_cast<size_t>(GetLength() - nCount)));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::clamp(nFirst, 0, GetLength());
    nCount = std::clamp(nCount, 0, GetLength() - nFirst);
    return CString(m_str.substr(static_cast<size_t>(nFirst), static_cast<size_t>(nCount)));
}

CString CString::SpanIncluding(const char* pszSet) const
{
    size_t n = m_str.find_first_not_of(pszSet);
    return CString(m_str.substr(0, n));
}

CString CString::SpanExcluding(const char* pszSet) const
{
    size_t n = m_str.find_first_of(pszSet);
    return CString(m_str.substr(0, n));
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t n = m_str.find(ch, static_cast<size_t>(nStart));
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::Find(const char* pszSub, int nStart) const
{
    if (nStart < 0 || nStart > GetLength())
        return -1;
    size_t n = m_str.find(pszSub ? pszSub : "", static_cast<size_t>(nStart));
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::ReverseFind(char ch) const
{
    size_t n = m_str.rfind(ch);
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

int CString::FindOneOf(const char* pszSet) const
{
    size_t n = m_str.find_first_of(pszSet ? pszSet : "");
    return n == std::string::npos ? -1 : static_cast<int>(n);
}

void CString::MakeUpper()
{
    for (char& ch : m_str)
        ch = Upper(ch);
}

void CString::MakeLower()
{
    for (char& ch : m_str)
        ch = Lower(ch);
}

void CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
}

void CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_str.size() && IsSpace(m_str[n]))
        ++n;
    m_str.erase(0, n);
}

void CString::TrimRight()
{
    size_t n = m_str.size();
    while (n > 0 && IsSpace(m_str[n - 1]))
        --n;
    m_str.resize(n);
}

void CString::TrimLeft(const char* pszChars)
{
    size_t n = m_str.find_first_not_of(pszChars ? pszChars : "");
    m_str.erase(0, n == std::string::npos ? m_str.size() : n);
}

void CString::TrimRight(const char* pszChars)
{
    size_t n = m_str.find_last_not_of(pszChars ? pszChars : "");
    m_str.resize(n == std::string::npos ? 0 : n + 1);
}

int CString::Replace(const char* pszOld, const char* pszNew)
{
    size_t nOld = pszOld ? std::strlen(pszOld) : 0;
    if (nOld == 0)
        return 0;
    std::string strNew = pszNew ? pszNew : "";
    int nCount = 0;
    size_t pos = 0;
    while ((pos = m_str.find(pszOld, pos, nOld)) != std::string::npos) {
        m_str.replace(pos, nOld, strNew);
        pos += strNew.size();
        ++nCount;
    }
    return nCount;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (char& ch : m_str) {
        if (ch == chOld) {
            ch = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex >= 0 && nIndex < GetLength() && nCount > 0)
        m_str.erase(static_cast<size_t>(nIndex), static_cast<size_t>(nCount));
    return GetLength();
}

int CString::Insert(int nIndex, const char* psz)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(nIndex), psz ? psz : "");
    return GetLength();
}

int CString::Insert(int nIndex, char ch)
{
    nIndex = std::clamp(nIndex, 0, GetLength());
    m_str.insert(static_cast<size_t>(nIndex), 1, ch);
    return GetLength();
}

void CString::Format(const char* pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, pszFormat, copy);
    va_end(copy);
    if (n < 0) {
        m_str.clear();
    } else {
        m_str.assign(static_cast<size_t>(n) + 1, '\0');
        std::vsnprintf(m_str.data(), m_str.size(), pszFormat, args);
        m_str.resize(static_cast<size_t>(n));
    }
    va_end(args);
}

char* CString::GetBuffer(int nMinLength)
{
    if (nMinLength > GetLength())
        m_str.resize(static_cast<size_t>(nMinLength));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0)
        nNewLength = static_cast<int>(std::strlen(m_str.c_str()));
    SetLength(nNewLength);
}

void CString::SetLength(int nLength)
{
    m_str.resize(static_cast<size_t>(std::max(nLength, 0)));
}
