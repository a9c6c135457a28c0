// CArrayT: the growable array behind CStringArray, CDWordArray and CPtrArray.
// Indices run from 0 to GetSize() - 1.
#pragma once

#include "WinTypes.h"

#include <cassert>
#include <vector>

template <class T>
class CArrayT {
public:
    int GetSize() const { return static_cast<int>(m_data.size()); }
    int GetCount() const { return GetSize(); }
    int GetUpperBound() const { return GetSize() - 1; }
    BOOL IsEmpty() const { return m_data.empty(); }
    // Resizes; new elements are value-initialised. nGrowBy is accepted for compatibility.
    void SetSize(int nNewSize, int nGrowBy = -1) { (void)nGrowBy; m_data.resize(static_cast<size_t>(nNewSize < 0 ? 0 : nNewSize)); }
    void RemoveAll() { m_data.clear(); }

    T& GetAt(int nIndex) { return m_data[Check(nIndex)]; }
    const T& GetAt(int nIndex) const { return m_data[Check(nIndex)]; }
    T& operator[](int nIndex) { return m_data[Check(nIndex)]; }
    const T& operator[](int nIndex) const { return m_data[Check(nIndex)]; }
    void SetAt(int nIndex, const T& value) { m_data[Check(nIndex)] = value; }
    // Sets the element, growing the array when nIndex is past its end.
    void SetAtGrow(int nIndex, const T& value)
    {
        assert(nIndex >= 0);
        if (nIndex >= GetSize())
            SetSize(nIndex + 1);
        m_data[static_cast<size_t>(nIndex)] = value;
    }
    // Appends; returns the index of the new element.
    int Add(const T& value) { m_data.push_back(value); return GetSize() - 1; }
    void InsertAt(int nIndex, const T& value, int nCount = 1)
    {
        assert(nIndex >= 0 && nIndex <= GetSize());
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), value);
    }
    void RemoveAt(int nIndex, int nCount = 1)
    {
        assert(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= GetSize());
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }
    T* GetData() { return m_data.data(); }
    const T* GetData() const { return m_data.data(); }

private:
    size_t Check(int nIndex) const { assert(nIndex >= 0 && nIndex < GetSize()); return static_cast<size_t>(nIndex); }
    std::vector<T> m_data;
};
