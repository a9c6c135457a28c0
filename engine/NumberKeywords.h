// CNumberKeywords: numbers. A word is a number when every character is a
// digit or a full stop, so "12", "3.5", ".5", "." and "1.2.3" all are.
#pragma once

#include "Keywords.h"
#include "NumberKeywordText.h"

class CNumberKeywords : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    using CKeywords::IsKeyword;
    // TRUE when the word is made of digits and full stops only.
    BOOL IsKeyword(const char* pszWord) override;

protected:
    CNumberKeywordText m_TextFormat;
};
