#include "Keywords.h"

#include "Language.h"

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
    return m_index.find(std::string_view(pszWord)) != m_index.end();
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
