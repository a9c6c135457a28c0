// CBeanItem: a bean in the bean index's tree (schema 1). It owns its
// CBeanObject, stored as an object, and takes its label from the bean.
#pragma once

#include "TreeItem.h"

#include <memory>

class CBeanObject;

class CBeanItem : public CTreeItem {
    MOSK_DECLARE_SERIAL(CBeanItem)
public:
    CBeanItem();
    // An item for pBean (taking ownership).
    explicit CBeanItem(CBeanObject* pBean);
    ~CBeanItem() override;

    // Stored: the bean as an object; reading takes the bean's name as the label.
    void Serialize(CArchive& ar) override;
    BOOL CanDelete() const override { return TRUE; }

    CBeanObject* GetBean() const { return m_pBean.get(); }

private:
    std::unique_ptr<CBeanObject> m_pBean;
};
