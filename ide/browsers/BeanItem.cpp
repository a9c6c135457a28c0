#include "BeanItem.h"

#include "Archive.h"
#include "BeanObject.h"

MOSK_IMPLEMENT_SERIAL(CBeanItem, CTreeItem, 1)

CBeanItem::CBeanItem() = default;

CBeanItem::CBeanItem(CBeanObject* pBean) : CTreeItem(pBean ? pBean->m_strName.c_str() : ""), m_pBean(pBean) {}

CBeanItem::~CBeanItem() = default;

void CBeanItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteObject(m_pBean.get());
        return;
    }
    m_pBean.reset(static_cast<CBeanObject*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CBeanObject))));
    m_strLabel = m_pBean->m_strName;
}
