// CVarLocalClass: a class declared inside a method body. The enclosing
// method's name is kept while the file is open but not stored.
#pragma once

#include "VarInnerClass.h"

class CVarLocalClass : public CVarInnerClass {
    MOSK_DECLARE_SERIAL(CVarLocalClass)
public:
    CVarLocalClass() = default;
    CVarLocalClass(const char* pszName, int nStartLine) : CVarInnerClass(pszName, nStartLine) {}

    CString m_strOuterMethod;  // name of the enclosing method, not stored
};
