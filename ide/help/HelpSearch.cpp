#include "HelpSearch.h"

#include "SearchIndex.h"

CHelpSearch::CResult CHelpSearch::Lookup(const char* pszText) const
{
    CResult result;
    if (!pszText || !*pszText) {
        result.nTab = TAB_JDK;
        result.nKeyword = m_pIndex[TAB_JDK] && m_pIndex[TAB_JDK]->GetKeywords().GetCount() > 0 ? 0 : -1;
        return result;
    }
    for (int nTab : {TAB_JDK, TAB_USER}) {
        if (!m_pIndex[nTab])
            continue;
        int nKeyword = m_pIndex[nTab]->GetKeywords().FindPrefix(pszText);
        if (nKeyword >= 0) {
            ListTopics(nTab, nKeyword, result);
            return result;
        }
    }
    return result;
}

BOOL CHelpSearch::ListTopics(int nTab, int nKeyword, CResult& result) const
{
    result.nTab = nTab;
    result.nKeyword = nKeyword;
    result.displays.RemoveAll();
    result.addresses.RemoveAll();
    CSearchIndex* pIndex = GetIndex(nTab);
    return pIndex && pIndex->ListTopics(nKeyword, result.displays, result.addresses);
}
