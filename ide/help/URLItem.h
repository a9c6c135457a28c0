// CURLItem: a link of the help tree given by a URL text, opened in the
// external browser; schema 1. Stored: the common tree item data (the
// title the tree shows, "New URL" for a new item), then the URL text.
#pragma once

#include "TreeItem.h"

class CURLItem : public CTreeItem {
    MOSK_DECLARE_SERIAL(CURLItem)
public:
    CURLItem() = default;
    CURLItem(const char* pszTitle, const char* pszURL) : CTreeItem(pszTitle), m_strURL(pszURL) {}

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;
    BOOL CanDelete() const override { return TRUE; }

    CString m_strURL;
};
