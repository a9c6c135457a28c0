#include "Argument.h"

MOSK_IMPLEMENT_SERIAL(CArgument, CVariable, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

BOOL CArgument::IsEqual(const CVarObject* pOther) const
{
    return pOther && m_strType == pOther->m_strType;
}
