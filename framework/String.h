// CString: a byte string with the operations the program's code is written
// against. Positions are byte indices; -1 means "not found".
#pragma once

#include "WinTypes.h"

#include <string>
#include <string_view>

class CString {
public:
    CString() = default;
    CString(const char* psz) : m_str(psz ? psz : "") {}
    CString(const char* pch, int nLength) : m_str(pch, nLength > 0 ? static_cast<size_t>(nLength) : 0) {}
    CString(char ch, int nRepeat = 1) : m_str(nRepeat > 0 ? static_cast<size_t>(nRepeat) : 0, ch) {}
    CString(std::string str) : m_str(std::move(str)) {}
    CString(std::string_view sv) : m_str(sv) {}

    // Length in bytes.
    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Byte at nIndex; nIndex must lie in [0, GetLength()).
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }

    operator const char*() const { return m_str.c_str(); }
    const char* c_str() const { return m_str.c_str(); }
    const std::string& str() const { return m_str; }
    std::string& str() { return m_str; }

    CString& operator=(const char* psz) { m_str = psz ? psz : ""; return *this; }
    CString& operator=(char ch) { m_str.assign(1, ch); return *this; }
    CString& operator+=(const CString& s) { m_str += s.m_str; return *this; }
    CString& operator+=(const char* psz) { if (psz) m_str += psz; return *this; }
    CString& operator+=(char ch) { m_str += ch; return *this; }
    // Appends nCount bytes of pch (which need not be terminated).
    void Append(const char* pch, int nCount) { if (nCount > 0) m_str.append(pch, static_cast<size_t>(nCount)); }

    friend CString operator+(const CString& a, const CString& b) { return CString(a.m_str + b.m_str); }
    friend CString operator+(const CString& a, const char* b) { return CString(a.m_str + (b ? b : "")); }
    friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.m_str); }
    friend CString operator+(const CString& a, char b) { return CString(a.m_str + b); }
    friend CString operator+(char a, const CString& b) { return CString(std::string(1, a) + b.m_str); }

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const char* b) { return a.m_str == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator!=(const CString& a, const char* b) { return a.m_str != (b ? b : ""); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    // strcmp-style comparison: <0, 0 or >0.
    int Compare(const char* psz) const;
    // Comparison ignoring ASCII case: <0, 0 or >0.
    int CompareNoCase(const char* psz) const;

    // Sub-strings; counts and starts are clamped to the string.
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString SpanIncluding(const char* pszSet) const;
    CString SpanExcluding(const char* pszSet) const;

    // Index of the first occurrence at or after nStart, -1 if none.
    int Find(char ch, int nStart = 0) const;
    int Find(const char* pszSub, int nStart = 0) const;
    // Index of the last occurrence of ch, -1 if none.
    int ReverseFind(char ch) const;
    int FindOneOf(const char* pszSet) const;

    // ASCII case conversion in place.
    void MakeUpper();
    void MakeLower();
    void MakeReverse();
    // Removes leading / trailing white space (space, tab, CR, LF, VT, FF), or the given characters.
    void TrimLeft();
    void TrimRight();
    void TrimLeft(const char* pszChars);
    void TrimRight(const char* pszChars);
    void Trim() { TrimRight(); TrimLeft(); }
    // Replaces every occurrence of pszOld by pszNew; returns the count replaced.
    int Replace(const char* pszOld, const char* pszNew);
    int Replace(char chOld, char chNew);
    // Removes nCount bytes at nIndex; returns the new length.
    int Delete(int nIndex, int nCount = 1);
    // Inserts at nIndex (clamped); returns the new length.
    int Insert(int nIndex, const char* psz);
    int Insert(int nIndex, char ch);

    // printf-style formatting.
    void Format(const char* pszFormat, ...) __attribute__((format(printf, 2, 3)));

    // Writable buffer of at least nMinLength bytes; ReleaseBuffer sets the
    // length (-1: up to the first NUL).
    char* GetBuffer(int nMinLength);
    void ReleaseBuffer(int nNewLength = -1);
    // Truncates or extends (with NUL bytes) to nLength.
    void SetLength(int nLength);

private:
    std::string m_str;
};

struct CStringHash {
    size_t operator()(const CString& s) const { return std::hash<std::string>()(s.str()); }
};
