// CFileObject: the declarations of one parsed source file: classes,
// interfaces and imports in file order, plus (not stored) the package
// statement, the block comments and the file's last-write time.
#pragma once

#include "Object.h"
#include "VarList.h"

class CVarBlockComment;
class CVarClass;
class CVarContainer;
class CVarImport;
class CVarInterface;
class CVarPackage;

class CFileObject : public CObject {
    MOSK_DECLARE_SERIAL(CFileObject)
public:
    CFileObject() = default;
    ~CFileObject() override;
    CFileObject(const CFileObject&) = delete;
    CFileObject& operator=(const CFileObject&) = delete;

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    // Deletes every declaration.
    void Clear();
    // Heads of the class and interface lists; null when empty.
    CVarClass* GetFirstClass() const;
    CVarInterface* GetFirstInterface() const;
    // The class or interface at a 1-based line: the innermost class whose
    // lines enclose it (inner classes first), else the first such interface; null if none.
    CVarContainer* GetClassAtLine(int nLine) const;
    // By exact name; null if none.
    CVarClass* FindClass(const char* pszName) const;
    CVarInterface* FindInterface(const char* pszName) const;
    // Removes the package qualification from the names of the classes and
    // interfaces and their members. Always TRUE.
    BOOL ShortenNames();

    CVarPackage* m_pPackage = nullptr;             // owned, may be null, not stored
    CVarListT<CVarClass> m_Classes;
    CVarListT<CVarInterface> m_Interfaces;
    CVarListT<CVarImport> m_Imports;
    CVarListT<CVarBlockComment> m_BlockComments;   // not stored
    long long m_nLastWriteTime = 0;                // modification time of the parsed file, not stored

protected:
    // The dump of the lists at nIndent.
    void DumpLists(CString& strOut, int nIndent) const;
};
