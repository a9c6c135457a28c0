// CHTMLItem: a local document of the help tree (".html", ".htm", ".hlp" or
// any file the user added), schema 1. Stored: the help directory number,
// then the common tree item data (the label). With a number n from 1 the
// label is the file name with extension inside help directory n; with 0 it
// is the full path.
#pragma once

#include "TreeItem.h"

class CStringArray;

class CHTMLItem : public CTreeItem {
    MOSK_DECLARE_SERIAL(CHTMLItem)
public:
    CHTMLItem() = default;
    CHTMLItem(DWORD nDirNumber, const char* pszLabel) : CTreeItem(pszLabel), m_nDirNumber(nDirNumber) {}

    // The item of a path: its folder found in helpDirs gives that directory
    // number and the file name with extension, else number 0 and the whole path.
    static CHTMLItem* FromPath(const char* pszPath, const CStringArray& helpDirs);

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;
    BOOL CanDelete() const override { return TRUE; }
    // The file name with extension.
    CString GetShownLabel() const override;

    // The document's full path: the help directory, "/" and the label; the
    // label alone for number 0 (and for a number the list does not hold).
    CString GetAddress(const CStringArray& helpDirs) const;
    // TRUE for a Windows help file (".hlp"), which the help view cannot show.
    BOOL IsHelpFile() const;

    DWORD m_nDirNumber = 0;
};
