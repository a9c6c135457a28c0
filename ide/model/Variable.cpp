#include "Variable.h"

#include "JavaName.h"

MOSK_IMPLEMENT_SERIAL(CVariable, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CVariable::GetDisplayText(CString& strText) const
{
    strText.Empty();
    if (m_bStatic)
        strText += "static ";
    if (m_bFinal)
        strText += "final ";
    strText += CJavaName::Unqualify(m_strType) + " " + CJavaName::Unqualify(m_strName);
}
