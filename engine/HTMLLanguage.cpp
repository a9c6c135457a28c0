#include "HTMLLanguage.h"

CHTMLLanguage::CHTMLLanguage()
{
    LoadSet(m_HTMLKeywords);
    LoadSet(m_NumberKeywords);
}

void CHTMLLanguage::Init()
{
    m_HTMLKeywords.GetTextFormat()->Init();
    m_NumberKeywords.GetTextFormat()->Init();
}

CKeywords* CHTMLLanguage::IsKeyword(unsigned long nKey)
{
    if (m_HTMLKeywords.IsKeyword(nKey))
        return &m_HTMLKeywords;
    return CLanguage::IsKeyword(nKey);
}

CKeywords* CHTMLLanguage::IsKeyword(const char* pszWord)
{
    // The caller hands over its own copy of the word, which is lower-cased where it lies.
    for (char* p = const_cast<char*>(pszWord); *p; ++p)
        if (*p >= 'A' && *p <= 'Z')
            *p = static_cast<char>(*p + 32);
    if (m_HTMLKeywords.IsKeyword(pszWord))
        return &m_HTMLKeywords;
    if (m_NumberKeywords.IsKeyword(pszWord))
        return &m_NumberKeywords;
    return CLanguage::IsKeyword(pszWord);
}

int CHTMLLanguage::AppendColorTable(CString& strTable, int& nIndex)
{
    m_HTMLKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    m_NumberKeywords.GetTextFormat()->AppendColorTable(strTable, nIndex);
    return 0;
}

BOOL CHTMLLanguage::IsDelimiter(char ch, BOOL bNumber)
{
    int n = static_cast<signed char>(ch);
    if (n < 32)
        return n != 8;
    switch (ch) {
    case ' ': case ';': case '=': case '(': case ')': case ',': case '\'': case '"':
    case '[': case ']': case '{': case '}': case '*': case '<': case '>': case ':': case 127:
        return TRUE;
    case '.':
        return !bNumber;
    default:
        return FALSE;
    }
}

unsigned long CHTMLLanguage::BuildKey(char ch, int nIndex)
{
    if (static_cast<signed char>(ch) < 'a')
        ch = static_cast<char>(static_cast<signed char>(ch) + 32);
    return CLanguage::BuildKey(ch, nIndex);
}
