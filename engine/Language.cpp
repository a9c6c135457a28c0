#include "Language.h"

#include "Keywords.h"

#include <cstdint>

CLanguage::CLanguage()
    : m_pUserKeywords(nullptr), m_bDeleteUserKeywords(FALSE)
{
}

CLanguage::~CLanguage()
{
    if (m_bDeleteUserKeywords)
        delete m_pUserKeywords;
}

void CLanguage::Init()
{
}

CKeywords* CLanguage::IsKeyword(unsigned long nKey)
{
    return (m_pUserKeywords && m_pUserKeywords->IsKeyword(nKey)) ? m_pUserKeywords : nullptr;
}

CKeywords* CLanguage::IsKeyword(const char* pszWord)
{
    return (m_pUserKeywords && m_pUserKeywords->IsKeyword(pszWord)) ? m_pUserKeywords : nullptr;
}

CKeywords* CLanguage::IsDataType(const char*)
{
    return nullptr;
}

int CLanguage::AppendColorTable(CString&, int&)
{
    return 0;
}

BOOL CLanguage::IsDelimiter(char ch, BOOL bNumber)
{
    int n = static_cast<signed char>(ch);
    if (n <= 32)
        return n != 8;
    if (ch == '.')
        return !bNumber;
    return (n >= 33 && n <= 47) || (n >= 58 && n <= 63) || (n >= 91 && n <= 94) || (n >= 123 && n <= 126);
}

unsigned long CLanguage::BuildKey(char ch, int nIndex)
{
    // 8^(nIndex+1) by repeated squaring, wrapping at 32 bits (0 from position 10 on).
    uint32_t nPower = 1;
    uint32_t nBase = 8;
    for (unsigned int e = static_cast<unsigned int>(nIndex) + 1; e; e >>= 1) {
        if (e & 1)
            nPower *= nBase;
        nBase *= nBase;
    }
    // The signed character times the power, keeping the low 32 bits; unsigned
    // arithmetic makes the wrap-around defined for every input.
    uint32_t nChar = static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(ch)));
    return static_cast<unsigned long>(nChar * nPower);
}

void CLanguage::SetUserKeywords(CKeywords* pKeywords, BOOL bDelete)
{
    if (m_bDeleteUserKeywords && m_pUserKeywords != pKeywords)
        delete m_pUserKeywords;
    m_pUserKeywords = pKeywords;
    m_bDeleteUserKeywords = bDelete;
}

void CLanguage::LoadSet(CKeywords& keywords)
{
    keywords.SetLanguage(this);
    keywords.LoadKeywords();
}
