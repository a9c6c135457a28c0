#include "URLItem.h"

#include "Archive.h"

MOSK_IMPLEMENT_SERIAL(CURLItem, CTreeItem, 1)

void CURLItem::Serialize(CArchive& ar)
{
    CTreeItem::Serialize(ar);
    if (ar.IsStoring())
        ar << m_strURL;
    else
        ar >> m_strURL;
}

void CURLItem::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += "URL " + m_strLabel + " <" + m_strURL + ">\n";
}
