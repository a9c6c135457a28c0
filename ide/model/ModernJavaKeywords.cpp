#include "ModernJavaKeywords.h"

#include "JavaKeywords.h"
#include "JavaLanguage.h"
#include "TinctoView.h"

CModernJavaKeywords::CModernJavaKeywords(CJavaLanguage* pLanguage)
    : m_pJavaLanguage(pLanguage)
{
    SetLanguage(pLanguage);
    LoadKeywords();
}

CTextFormat* CModernJavaKeywords::GetTextFormat()
{
    return m_pJavaLanguage->GetJavaKeywords()->GetTextFormat();
}

void CModernJavaKeywords::LoadKeywords()
{
    static const char* const s_words[] = {
        "assert", "enum", "strictfp", "var", "record", "yield", "sealed", "permits", nullptr,
    };
    AddWords(s_words);
}

void CModernJavaKeywords::Install()
{
    CJavaLanguage* pLanguage = CTinctoView::GetJavaLanguage();
    if (!pLanguage->GetUserKeywords())
        pLanguage->SetUserKeywords(new CModernJavaKeywords(pLanguage), TRUE);
}
