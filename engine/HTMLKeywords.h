// CHTMLKeywords: the HTML tags. The three entries holding a space are kept in the list, but as the space separates words the tokenizer never meets them.
#pragma once

#include "HTMLKeywordText.h"
#include "Keywords.h"

class CHTMLKeywords : public CKeywords {
public:
    CTextFormat* GetTextFormat() override { return &m_TextFormat; }
    void LoadKeywords() override;

protected:
    CHTMLKeywordText m_TextFormat;
};
