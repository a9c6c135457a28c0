#include "BeanEvent.h"

MOSK_IMPLEMENT_SERIAL(CBeanEvent, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CBeanEvent::CBeanEvent()
{
    m_bComplete = TRUE;
}

CBeanEvent::CBeanEvent(const char* pszName, int nStartLine) : CVarObject(pszName, nStartLine)
{
    m_bComplete = TRUE;
}
