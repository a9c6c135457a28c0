#include "BeanListenInterface.h"

#include "Archive.h"
#include "BeanEvent.h"
#include "VarMethodDecl.h"

MOSK_IMPLEMENT_SERIAL(CBeanListenInterface, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CBeanListenInterface::~CBeanListenInterface()
{
    delete m_pAdder;
    delete m_pRemover;
}

void CBeanListenInterface::Serialize(CArchive& ar)
{
    CVarObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteObject(m_pAdder);
        ar.WriteObject(m_pRemover);
    } else {
        m_pAdder = static_cast<CVarMethodDecl*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CVarMethodDecl), TRUE));
        m_pRemover = static_cast<CVarMethodDecl*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CVarMethodDecl), TRUE));
    }
    m_Events.Serialize(ar);
}

void CBeanListenInterface::Clear()
{
    delete m_pAdder;
    delete m_pRemover;
    m_pAdder = m_pRemover = nullptr;
    m_Events.DeleteAll();
}

POSITION CBeanListenInterface::AddEvent(CBeanEvent* pEvent)
{
    return m_Events.AddSorted(pEvent);
}

void CBeanListenInterface::DumpChildren(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += "adder:\n";
    if (m_pAdder)
        m_pAdder->DumpTo(strOut, nIndent + 2);
    DumpIndent(strOut, nIndent);
    strOut += "remover:\n";
    if (m_pRemover)
        m_pRemover->DumpTo(strOut, nIndent + 2);
    m_Events.DumpTo(strOut, nIndent);
}
