// CKeywords: one class of words of a language (keywords, data types, tags,
// numbers) together with the text format its words are shown in.
#pragma once

#include "DWordArray.h"
#include "StringList.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

class CLanguage;
class CTextFormat;

class CKeywords {
public:
    CKeywords();
    CKeywords(const CKeywords&) = delete;
    CKeywords& operator=(const CKeywords&) = delete;
    virtual ~CKeywords();

    // The format the set's words are shown in; null for a set without one. Not owned by the caller.
    virtual CTextFormat* GetTextFormat();
    // TRUE when one of the words has this key (see CLanguage::BuildKey).
    virtual BOOL IsKeyword(unsigned long nKey);
    // TRUE when pszWord is one of the words (exact, case-sensitive).
    virtual BOOL IsKeyword(const char* pszWord);
    // Adds the set's word list with AddWord.
    virtual void LoadKeywords();

    // Adds a word and its key; FALSE (nothing changed) when IsKeyword already accepts it.
    BOOL AddWord(const char* pszWord);
    // The words in the order they were added.
    CStringList* GetWordList() { return &m_WordList; }
    // The key of each word, same order as the word list.
    CDWordArray* GetKeys() { return &m_Keys; }
    // Language whose BuildKey computes the keys; set before words are added.
    void SetLanguage(CLanguage* pLanguage) { m_pLanguage = pLanguage; }
    // Longest word the tokenizer colours as a member of a set.
    static int GetMaxKeywordSize() { return m_nMaxSize; }

    static const int m_nMaxSize = 25;

protected:
    // Adds every word of a null-terminated list.
    void AddWords(const char* const* ppszWords);

    CStringList m_WordList;
    CDWordArray m_Keys;
    CLanguage* m_pLanguage;

private:
    struct CViewHash {
        using is_transparent = void;
        // Words are short: a plain multiplicative hash beats a general-purpose one here.
        size_t operator()(std::string_view sv) const
        {
            size_t h = sv.size();
            for (char ch : sv)
                h = h * 33 + static_cast<unsigned char>(ch);
            return h;
        }
    };
    // Hash index over m_WordList so the tokenizer's per-word lookups are O(1),
    // with a quick rejection by first character and length before hashing.
    std::unordered_set<std::string, CViewHash, std::equal_to<>> m_index;
    uint64_t m_firstChars[4] = {0, 0, 0, 0};
    size_t m_nShortest = ~size_t(0);
    size_t m_nLongest = 0;
};
