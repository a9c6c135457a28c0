// CHTMLLanguage: HTML tags (compared without regard to case) and numbers.
// Its own delimiters keep tag names such as /body and entity-like words whole.
#pragma once

#include "HTMLKeywords.h"
#include "Language.h"
#include "NumberKeywords.h"

class CHTMLLanguage : public CLanguage {
public:
    CHTMLLanguage();

    void Init() override;
    // Tags, then the user set.
    CKeywords* IsKeyword(unsigned long nKey) override;
    // Lower-cases pszWord in place, then tags, numbers, the user set.
    CKeywords* IsKeyword(const char* pszWord) override;
    // Tags, numbers.
    int AppendColorTable(CString& strTable, int& nIndex) override;
    BOOL IsDelimiter(char ch, BOOL bNumber) override;
    // Folds characters below 'a' up by 32, then the common key rule.
    unsigned long BuildKey(char ch, int nIndex) override;

    CHTMLKeywords* GetHTMLKeywords() { return &m_HTMLKeywords; }
    CNumberKeywords* GetNumberKeywords() { return &m_NumberKeywords; }

protected:
    CHTMLKeywords m_HTMLKeywords;
    CNumberKeywords m_NumberKeywords;
};
