// CVarList: an owning list of source-model objects. Deleting the list (or
// DeleteAll) deletes the objects. Member lists of classes are kept sorted
// by name without regard to case (AddSorted); others keep the order given.
#pragma once

#include "ListT.h"
#include "String.h"

class CArchive;
class CVarObject;
struct CRuntimeClass;

class CVarList : public CListT<CVarObject*> {
public:
    CVarList() = default;
    CVarList(const CVarList&) = delete;
    CVarList& operator=(const CVarList&) = delete;
    ~CVarList() { DeleteAll(); }

    // Deletes every object and empties the list.
    void DeleteAll();
    // Inserts pObject (taking ownership) before the first object whose name is
    // not smaller without regard to case, so the newest of equal names comes first.
    POSITION AddSorted(CVarObject* pObject);
    // The first object of exactly this name (case-sensitive); null if none.
    CVarObject* FindName(const char* pszName) const;
    // Stores a DWORD count and the objects, or reads them (appended in stored
    // order); each read object must be a new object of pExpected or derived.
    void Serialize(CArchive& ar, const CRuntimeClass* pExpected);
    // Appends each object's dump at nIndent.
    void DumpTo(CString& strOut, int nIndent) const;
};

// The same list with the element type of its objects.
template <class T>
class CVarListT : public CVarList {
public:
    T* GetHead() const { return static_cast<T*>(CVarList::GetHead()); }
    T* GetNext(POSITION& pos) const { return static_cast<T*>(CVarList::GetNext(pos)); }
    T* GetAt(POSITION pos) const { return static_cast<T*>(CVarList::GetAt(pos)); }
    T* FindName(const char* pszName) const { return static_cast<T*>(CVarList::FindName(pszName)); }
    void Serialize(CArchive& ar) { CVarList::Serialize(ar, T::GetThisClass()); }
};
