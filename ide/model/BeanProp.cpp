#include "BeanProp.h"

#include "Archive.h"
#include "VarMethodDecl.h"

MOSK_IMPLEMENT_SERIAL(CBeanProp, CVariable, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CBeanProp::~CBeanProp()
{
    delete m_pGetter;
    delete m_pSetter;
}

void CBeanProp::Serialize(CArchive& ar)
{
    CVariable::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObject(m_pGetter);
        ar.WriteObject(m_pSetter);
    } else {
        m_pGetter = static_cast<CVarMethodDecl*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CVarMethodDecl), TRUE));
        m_pSetter = static_cast<CVarMethodDecl*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CVarMethodDecl), TRUE));
    }
}

void CBeanProp::Clear()
{
    delete m_pGetter;
    delete m_pSetter;
    m_pGetter = m_pSetter = nullptr;
}

int CBeanProp::GetImage() const
{
    if (m_pGetter && m_pSetter)
        return IMG_PROP_READWRITE;
    if (m_pGetter)
        return IMG_PROP_READ;
    return m_pSetter ? IMG_PROP_WRITE : IMG_PROP;
}

void CBeanProp::DumpChildren(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += "getter:\n";
    if (m_pGetter)
        m_pGetter->DumpTo(strOut, nIndent + 2);
    DumpIndent(strOut, nIndent);
    strOut += "setter:\n";
    if (m_pSetter)
        m_pSetter->DumpTo(strOut, nIndent + 2);
}
