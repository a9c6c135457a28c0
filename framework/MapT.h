// CMapT: the string-keyed map behind CMapStringToPtr and CMapStringToString.
// Keys compare exactly; iteration runs in key order. A POSITION is the
// address of an entry and stays valid until that entry is removed.
#pragma once

#include "String.h"

#include <map>

template <class V>
class CMapT {
public:
    int GetCount() const { return static_cast<int>(m_map.size()); }
    BOOL IsEmpty() const { return m_map.empty(); }
    // TRUE and the value when the key is present.
    BOOL Lookup(const char* key, V& rValue) const
    {
        auto it = m_map.find(CString(key));
        if (it == m_map.end())
            return FALSE;
        rValue = it->second;
        return TRUE;
    }
    void SetAt(const char* key, const V& value) { m_map[CString(key)] = value; }
    V& operator[](const char* key) { return m_map[CString(key)]; }
    // TRUE when the key was present.
    BOOL RemoveKey(const char* key) { return m_map.erase(CString(key)) > 0; }
    void RemoveAll() { m_map.clear(); }

    POSITION GetStartPosition() const { return m_map.empty() ? nullptr : ToPos(m_map.begin()); }
    // Returns the entry at pos and moves pos to the next one (null at the end).
    void GetNextAssoc(POSITION& pos, CString& rKey, V& rValue) const
    {
        auto* pEntry = static_cast<const typename Map::value_type*>(pos);
        rKey = pEntry->first;
        rValue = pEntry->second;
        auto it = m_map.find(pEntry->first);
        ++it;
        pos = it == m_map.end() ? nullptr : ToPos(it);
    }

private:
    typedef std::map<CString, V> Map;
    static POSITION ToPos(typename Map::const_iterator it) { return const_cast<typename Map::value_type*>(&*it); }
    Map m_map;
};
