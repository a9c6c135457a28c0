// CObject: root of the framework's classes that have run-time class
// information, can be created by class name and written to an archive.
#pragma once

#include "RuntimeClass.h"
#include "String.h"

class CArchive;

class CObject {
public:
    virtual ~CObject() = default;

    // The run-time class of the most derived class.
    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Writes the object's fields to ar or reads them back; base: nothing.
    // Throws CArchiveException on a malformed stream.
    virtual void Serialize(CArchive& ar);
    // Asserts the object's invariants (programmer errors only).
    virtual void AssertValid() const {}
    // Appends a readable description, one line per item, indented by nIndent blanks.
    virtual void DumpTo(CString& strOut, int nIndent) const;

    // The description DumpTo gives at indent 0.
    CString Dump() const;
    // TRUE when the object is of pClass or a class derived from it.
    BOOL IsKindOf(const CRuntimeClass* pClass) const { return GetRuntimeClass()->IsDerivedFrom(pClass); }
    BOOL IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

    static const CRuntimeClass* GetThisClass();

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;

    // Appends nIndent blanks to strOut (for DumpTo implementations).
    static void DumpIndent(CString& strOut, int nIndent);
};
