// CHelpHistory: the addresses the help windows showed, newest first, at
// most 100; one list shared by every help view for the program's life.
#pragma once

#include "StringList.h"

class CHelpHistory {
public:
    static constexpr int MAX_ENTRIES = 100;

    // The program's one list.
    static CHelpHistory& Shared();

    // Puts pszAddress at the head, dropping the oldest entry first when the list is full.
    void Add(const char* pszAddress);
    void RemoveAll() { m_entries.RemoveAll(); }
    int GetCount() const { return m_entries.GetCount(); }
    // The entries, newest first.
    const CStringList& GetEntries() const { return m_entries; }

private:
    CStringList m_entries;
};
