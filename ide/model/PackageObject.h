// CPackageObject: one package of the package index: its name and the
// declarations of its files merged into the CFileObject lists. The parsed
// file objects it was filled from are kept (owned) but not stored.
#pragma once

#include "FileObject.h"
#include "ListT.h"

class CPackageObject : public CFileObject {
    MOSK_DECLARE_SERIAL(CPackageObject)
public:
    CPackageObject() = default;
    explicit CPackageObject(const char* pszName) : m_strPackageName(pszName) {}
    ~CPackageObject() override;

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    // Keeps a parsed file (taking ownership).
    void AddFile(CFileObject* pFile) { m_Files.AddTail(pFile); }

    CString m_strPackageName;
    CListT<CFileObject*> m_Files;  // owned, not stored
};
