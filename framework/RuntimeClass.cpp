#include "RuntimeClass.h"

#include "Object.h"

#include <cassert>
#include <map>
#include <string>
#include <string_view>

namespace {

// Function-local so registrations from any library's static initialisers find it built.
std::map<std::string, const CRuntimeClass*, std::less<>>& Registry()
{
    static std::map<std::string, const CRuntimeClass*, std::less<>> s_registry;
    return s_registry;
}

} // namespace

CObject* CRuntimeClass::CreateObject() const
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBase) const
{
    assert(pBase);
    for (const CRuntimeClass* p = this; p; p = p->m_pBaseClass)
        if (p == pBase)
            return TRUE;
    return FALSE;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* pszClassName)
{
    return pszClassName ? FromName(pszClassName, static_cast<int>(std::string_view(pszClassName).size())) : nullptr;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* pchName, int nLength)
{
    if (!pchName || nLength <= 0)
        return nullptr;
    auto& registry = Registry();
    auto it = registry.find(std::string_view(pchName, static_cast<size_t>(nLength)));
    return it == registry.end() ? nullptr : it->second;
}

CClassRegistration::CClassRegistration(const CRuntimeClass* pClass)
{
    assert(pClass && pClass->m_lpszClassName);
    auto [it, bInserted] = Registry().emplace(pClass->m_lpszClassName, pClass);
    // Two classes of one name would make streams ambiguous.
    assert(bInserted || it->second == pClass);
    (void)it;
    (void)bInserted;
}
