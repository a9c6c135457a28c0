// CModernJavaKeywords: the words Java made keywords (or reserved type and
// context names) after its first versions. The program installs the set as
// the Java language's extra set, so these words are coloured, and written
// out, in the keyword format of the library's own Java keywords.
#pragma once

#include "Keywords.h"

class CJavaLanguage;

class CModernJavaKeywords : public CKeywords {
public:
    // The set of pLanguage, shown in that language's keyword format.
    explicit CModernJavaKeywords(CJavaLanguage* pLanguage);

    CTextFormat* GetTextFormat() override;
    void LoadKeywords() override;

    // Installs a new set as the extra set of the editor's Java language
    // (which then owns it), once; later calls change nothing.
    static void Install();

private:
    CJavaLanguage* m_pJavaLanguage;
};
