#include "VarList.h"

#include "Archive.h"
#include "VarObject.h"

#include <cassert>

void CVarList::DeleteAll()
{
    for (POSITION pos = GetHeadPosition(); pos;)
        delete CListT<CVarObject*>::GetNext(pos);
    RemoveAll();
}

POSITION CVarList::AddSorted(CVarObject* pObject)
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        POSITION posThis = pos;
        const CVarObject* p = CListT<CVarObject*>::GetNext(pos);
        if (p->m_strName.CompareNoCase(pObject->m_strName) >= 0)
            return InsertBefore(posThis, pObject);
    }
    return AddTail(pObject);
}

CVarObject* CVarList::FindName(const char* pszName) const
{
    for (POSITION pos = GetHeadPosition(); pos;) {
        CVarObject* p = CListT<CVarObject*>::GetNext(pos);
        if (p->m_strName == pszName)
            return p;
    }
    return nullptr;
}

void CVarList::Serialize(CArchive& ar, const CRuntimeClass* pExpected)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(GetCount());
        for (POSITION pos = GetHeadPosition(); pos;)
            ar.WriteObject(CListT<CVarObject*>::GetNext(pos));
        return;
    }
    assert(pExpected->IsDerivedFrom(CVarObject::GetThisClass()));
    // Every object takes at least its two-byte tag.
    DWORD nCount = ar.ReadBoundedCount(2);
    for (DWORD i = 0; i < nCount; ++i)
        AddTail(static_cast<CVarObject*>(ar.ReadOwnedObject(pExpected)));
}

void CVarList::DumpTo(CString& strOut, int nIndent) const
{
    for (POSITION pos = GetHeadPosition(); pos;)
        CListT<CVarObject*>::GetNext(pos)->DumpTo(strOut, nIndent);
}
