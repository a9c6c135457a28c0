// CScopedEnvironment: sets (or, with null, removes) an environment
// variable of this process for the object's lifetime, then puts back what
// was there before.
#pragma once

#include "String.h"

class CScopedEnvironment {
public:
    CScopedEnvironment(const char* pszName, const char* pszValue);
    ~CScopedEnvironment();
    CScopedEnvironment(const CScopedEnvironment&) = delete;
    CScopedEnvironment& operator=(const CScopedEnvironment&) = delete;

private:
    CString m_strName;
    CString m_strOld;
    bool m_bHadOld;
};
