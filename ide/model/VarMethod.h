// CVarMethod: a method or constructor of a class, with its local classes
// (sorted by name; stored from schema 3 on). Starts not abstract.
#pragma once

#include "VarMethodDecl.h"

class CVarClass;
class CVarContainer;

class CVarMethod : public CVarMethodDecl {
    MOSK_DECLARE_SERIAL(CVarMethod)
public:
    CVarMethod();
    CVarMethod(const char* pszName, int nStartLine);

    void Serialize(CArchive& ar) override;
    void Clear() override;

    // Insert a local class in name order (taking ownership).
    POSITION AddLocalClass(CVarClass* pClass);

    int m_nBodyDepth = 0;                      // parsing only: braces open in the body
    CVarContainer* m_pOwnerClass = nullptr;    // the class that declares it; not owned, not stored
    CVarListT<CVarClass> m_LocalClasses;

protected:
    void DumpChildren(CString& strOut, int nIndent) const override;
};
