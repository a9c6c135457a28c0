#include "HTMLItem.h"

#include "Archive.h"
#include "HelpAddress.h"
#include "StringArray.h"

MOSK_IMPLEMENT_SERIAL(CHTMLItem, CTreeItem, 1)

CHTMLItem* CHTMLItem::FromPath(const char* pszPath, const CStringArray& helpDirs)
{
    CString strFolder = CHelpAddress::GetFolder(pszPath);
    if (!strFolder.IsEmpty())
        for (int i = 0; i < helpDirs.GetSize(); ++i)
            if (helpDirs[i] == strFolder)
                return new CHTMLItem(static_cast<DWORD>(i + 1), CHelpAddress::GetFileName(pszPath));
    return new CHTMLItem(0, pszPath);
}

void CHTMLItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_nDirNumber;
    else
        ar >> m_nDirNumber;
    CTreeItem::Serialize(ar);
}

void CHTMLItem::DumpTo(CString& strOut, int nIndent) const
{
    CString strNumber;
    strNumber.Format("%u", m_nDirNumber);
    DumpIndent(strOut, nIndent);
    strOut += "HTML " + strNumber + " " + m_strLabel + "\n";
}

CString CHTMLItem::GetShownLabel() const
{
    return CHelpAddress::GetFileName(m_strLabel);
}

CString CHTMLItem::GetAddress(const CStringArray& helpDirs) const
{
    if (m_nDirNumber == 0 || m_nDirNumber > static_cast<DWORD>(helpDirs.GetSize()))
        return m_strLabel;
    const CString& strFolder = helpDirs[static_cast<int>(m_nDirNumber - 1)];
    if (strFolder.IsEmpty())
        return m_strLabel;
    return strFolder + "/" + m_strLabel;
}

BOOL CHTMLItem::IsHelpFile() const
{
    CString strName = GetShownLabel();
    return strName.GetLength() >= 4 && strName.Right(4).CompareNoCase(".hlp") == 0;
}
