#include "ScopedEnvironment.h"

#include <cstdlib>

CScopedEnvironment::CScopedEnvironment(const char* pszName, const char* pszValue) : m_strName(pszName)
{
    const char* pszOld = std::getenv(pszName);
    m_bHadOld = pszOld != nullptr;
    m_strOld = pszOld ? pszOld : "";
    if (pszValue)
        ::setenv(pszName, pszValue, 1);
    else
        ::unsetenv(pszName);
}

CScopedEnvironment::~CScopedEnvironment()
{
    if (m_bHadOld)
        ::setenv(m_strName, m_strOld, 1);
    else
        ::unsetenv(m_strName);
}
