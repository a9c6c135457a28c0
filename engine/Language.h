// CLanguage: decides which characters separate words and which words are
// keywords, data types or numbers, and in which text format each class of
// words is shown. The base class knows only the optional user keyword set.
#pragma once

#include "String.h"

class CKeywords;

class CLanguage {
public:
    CLanguage();
    CLanguage(const CLanguage&) = delete;
    CLanguage& operator=(const CLanguage&) = delete;
    virtual ~CLanguage();

    // Loads the formats of the language's word classes from the settings.
    virtual void Init();
    // The set holding the key / the word, null if none. Not owned by the caller.
    virtual CKeywords* IsKeyword(unsigned long nKey);
    virtual CKeywords* IsKeyword(const char* pszWord);
    // The data-type set when it holds the word, else null.
    virtual CKeywords* IsDataType(const char* pszWord);
    // Appends the colour-table entries of the word classes; returns 0.
    virtual int AppendColorTable(CString& strTable, int& nIndex);
    // TRUE when ch separates words; a full stop does not while bNumber is set.
    virtual BOOL IsDelimiter(char ch, BOOL bNumber);
    // Key contribution of ch at position nIndex of a word (32-bit, wrapping).
    virtual unsigned long BuildKey(char ch, int nIndex);

    // Installs an extra keyword set; with bDelete the language deletes it.
    void SetUserKeywords(CKeywords* pKeywords, BOOL bDelete);
    CKeywords* GetUserKeywords() { return m_pUserKeywords; }

protected:
    // Prepares a set: sets its language and loads its words.
    void LoadSet(CKeywords& keywords);

    CKeywords* m_pUserKeywords;
    BOOL m_bDeleteUserKeywords;
};
