// CVarInnerInterface: an interface declared inside a class. The enclosing
// class's name is kept while the file is open but not stored.
#pragma once

#include "VarInterface.h"

class CVarInnerInterface : public CVarInterface {
    MOSK_DECLARE_SERIAL(CVarInnerInterface)
public:
    CVarInnerInterface() = default;
    CVarInnerInterface(const char* pszName, int nStartLine) : CVarInterface(pszName, nStartLine) {}

    CString m_strOuterClass;  // name of the enclosing class, not stored
};
