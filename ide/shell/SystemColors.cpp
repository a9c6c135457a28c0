#include "SystemColors.h"

#include "FixedSystemColors.h"

namespace {

const CSystemColors* s_pInstalled = nullptr;

const CSystemColors& Fixed()
{
    static const CFixedSystemColors s_fixed;
    return s_fixed;
}

} // namespace

const CSystemColors& CSystemColors::Get()
{
    return s_pInstalled ? *s_pInstalled : Fixed();
}

const CSystemColors* CSystemColors::Install(const CSystemColors* pColors)
{
    const CSystemColors* pPrevious = s_pInstalled;
    s_pInstalled = pColors;
    return pPrevious;
}
