#include "VarContainer.h"

#include "Archive.h"
#include "ClassIndex.h"
#include "JavaName.h"
#include "VarInterface.h"

MOSK_IMPLEMENT_SERIAL(CVarContainer, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CVarContainer::~CVarContainer()
{
    delete m_pCurrentMember;
}

void CVarContainer::Serialize(CArchive& ar)
{
    CVarObject::Serialize(ar);
    m_Methods.Serialize(ar, CVarObject::GetThisClass());
    m_Fields.Serialize(ar, CVarObject::GetThisClass());
    if (ar.IsStoring())
        ar << m_strParent;
    else
        ar >> m_strParent;
}

void CVarContainer::Clear()
{
    m_Methods.DeleteAll();
    m_Fields.DeleteAll();
    m_CodeBlocks.DeleteAll();
    delete m_pCurrentMember;
    m_pCurrentMember = nullptr;
}

void CVarContainer::GetDisplayText(CString& strText) const
{
    strText = CJavaName::Unqualify(m_strName);
    if (!m_strParent.IsEmpty())
        strText += " extends " + CJavaName::Unqualify(m_strParent);
}

BOOL CVarContainer::ShortenNames()
{
    CVarObject::ShortenNames();
    for (POSITION pos = m_Fields.GetHeadPosition(); pos;)
        m_Fields.GetNext(pos)->ShortenNames();
    for (POSITION pos = m_Methods.GetHeadPosition(); pos;)
        m_Methods.GetNext(pos)->ShortenNames();
    return TRUE;
}

int CVarContainer::CanOverride(const CVarObject* pMethod, const CClassIndex& index) const
{
    const CVarContainer* pHolder = index.FindMethodOwner(pMethod);
    BOOL bAncestor = FALSE;
    if (pHolder) {
        bAncestor = index.IsAncestor(this, pHolder);
        if (!bAncestor && pHolder->IsKindOf(MOSK_RUNTIME_CLASS(CVarInterface)))
            bAncestor = ImplementsInterface(pHolder->m_strName);
    }
    if (!bAncestor)
        return 1;
    for (POSITION pos = m_Methods.GetHeadPosition(); pos;)
        if (m_Methods.GetNext(pos)->IsEqual(pMethod))
            return 2;
    return 0;
}

void CVarContainer::DumpAttributes(CString& strOut) const
{
    CVarObject::DumpAttributes(strOut);
    if (!m_strParent.IsEmpty())
        strOut += " parent=\"" + m_strParent + "\"";
}

void CVarContainer::DumpChildren(CString& strOut, int nIndent) const
{
    m_Methods.DumpTo(strOut, nIndent);
    m_Fields.DumpTo(strOut, nIndent);
}
