// CCPPKeywords: the keywords of C and C++. The entries beginning with "#" are kept in the list, but as '#' separates words the tokenizer never meets them.
#pragma once

#include "CPPKeywordText.h"
#include "Keywords.h"

class CCPPKeywords : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    void LoadKeywords() override;

protected:
    CCPPKeywordText m_TextFormat;
};
