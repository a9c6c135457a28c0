// CVarInnerClass: a class declared inside a class; stores the enclosing
// class's name after the CVarClass part.
#pragma once

#include "VarClass.h"

class CVarInnerClass : public CVarClass {
    MOSK_DECLARE_SERIAL(CVarInnerClass)
public:
    CVarInnerClass() = default;
    CVarInnerClass(const char* pszName, int nStartLine) : CVarClass(pszName, nStartLine) {}

    void Serialize(CArchive& ar) override;

    CString m_strOuterClass;  // name of the enclosing class

protected:
    void DumpAttributes(CString& strOut) const override;
};
