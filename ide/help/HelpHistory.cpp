#include "HelpHistory.h"

CHelpHistory& CHelpHistory::Shared()
{
    static CHelpHistory s_history;
    return s_history;
}

void CHelpHistory::Add(const char* pszAddress)
{
    if (m_entries.GetCount() >= MAX_ENTRIES)
        m_entries.RemoveTail();
    m_entries.AddHead(pszAddress);
}
