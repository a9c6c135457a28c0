// CHelpSearch: the rules of the help search dialog over the system ("JDK")
// and user indices: what a typed text selects and which topics a keyword
// lists. The dialog shows what it answers.
#pragma once

#include "StringArray.h"

class CSearchIndex;

class CHelpSearch {
public:
    enum { TAB_NONE = -1, TAB_JDK = 0, TAB_USER = 1 };

    struct CResult {
        int nTab = TAB_NONE;     // the tab brought forward; TAB_NONE when nothing matched
        int nKeyword = -1;       // the selected keyword of that tab's list
        CStringArray displays;   // the topic list
        CStringArray addresses;  // the hidden list of the topics' addresses
    };

    // Either index may be null (not loaded); neither is owned.
    CHelpSearch(CSearchIndex* pSystem, CSearchIndex* pUser) : m_pIndex{pSystem, pUser} {}

    // Typing: an empty text selects the first "JDK" keyword (no topics);
    // otherwise the first keyword beginning with the text (any case), in the
    // "JDK" list and then the "User" list, with its topics.
    CResult Lookup(const char* pszText) const;
    // The topics of keyword nKeyword of tab nTab into result.
    BOOL ListTopics(int nTab, int nKeyword, CResult& result) const;
    CSearchIndex* GetIndex(int nTab) const { return nTab == TAB_JDK || nTab == TAB_USER ? m_pIndex[nTab] : nullptr; }

private:
    CSearchIndex* m_pIndex[2];
};
