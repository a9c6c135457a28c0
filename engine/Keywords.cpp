#include "Keywords.h"

#include "Language.h"

#include <algorithm>

CKeywords::CKeywords()
    : m_WordList(10), m_pLanguage(nullptr)
{
}

CKeywords::~CKeywords()
{
    m_WordList.RemoveAll();
}

CTextFormat* CKeywords::GetTextFormat()
{
    return nullptr;
}

BOOL CKeywords::IsKeyword(unsigned long nKey)
{
    for (int i = 0; i < m_Keys.GetSize(); ++i)
        if (m_Keys[i] == nKey)
            return TRUE;
    return FALSE;
}

BOOL CKeywords::IsKeyword(const char* pszWord)
{
    unsigned char ch = static_cast<unsigned char>(pszWord[0]);
    if (!((m_firstChars[ch >> 6] >> (ch & 63)) & 1))
        return FALSE;
    std::string_view word(pszWord);
    if (word.size() < m_nShortest || word.size() > m_nLongest)
        return FALSE;
    return m_index.find(word) != m_index.end();
}

void CKeywords::LoadKeywords()
{
}

BOOL CKeywords::AddWord(const char* pszWord)
{
    if (IsKeyword(pszWord))
        return FALSE;
    m_WordList.AddTail(pszWord);
    m_index.emplace(pszWord);
    unsigned char ch = static_cast<unsigned char>(pszWord[0]);
    m_firstChars[ch >> 6] |= uint64_t(1) << (ch & 63);
    size_t nLength = std::string_view(pszWord).size();
    m_nShortest = std::min(m_nShortest, nLength);
    m_nLongest = std::max(m_nLongest, nLength);
    DWORD dwKey = 0;
    if (m_pLanguage) {
        for (int i = 0; pszWord[i]; ++i)
            dwKey += static_cast<DWORD>(m_pLanguage->BuildKey(pszWord[i], i));
    }
    m_Keys.Add(dwKey);
    return TRUE;
}

void CKeywords::AddWords(const char* const* ppszWords)
{
    for (; *ppszWords; ++ppszWords)
        AddWord(*ppszWords);
}
