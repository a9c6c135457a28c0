// CPkgDoc: the package index "mosk.pkg": a map from package name to
// CPackageObject, read at start-up and saved after every change. It fills
// packages from Java sources and from what the class introspection helper
// writes, and answers the class index questions (find a class or an
// interface, the holder of a method, the ancestor test) from its packages.
#pragma once

#include "ClassIndex.h"
#include "String.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class CArchive;
class CBrowserHost;
class CFileObject;
class CPackageObject;
class CStringArray;

class CPkgDoc : public CClassIndex {
public:
    // pHost (not owned, may be null for one that does nothing) must outlive the document.
    explicit CPkgDoc(CBrowserHost* pHost = nullptr);
    ~CPkgDoc() override;
    CPkgDoc(const CPkgDoc&) = delete;
    CPkgDoc& operator=(const CPkgDoc&) = delete;

    // Start-up: a missing file starts an empty index under pszPath; an index
    // of an older format is written back at once. A file that cannot be read
    // is reported and left untouched, and the index starts empty without a
    // path so that nothing is saved over it. FALSE in that case.
    BOOL Open(const char* pszPath);
    // Reads pszPath in place of the present index; on failure the index is
    // unchanged and strError says why.
    BOOL ReadFile(const char* pszPath, CString& strError);
    // The same over the bytes of a file.
    BOOL ReadBytes(const std::string& strData, CString& strError);
    // The stream: a 32-bit package count, then the CPackageObject objects.
    void Serialize(CArchive& ar);
    // Writes the index to its path; FALSE with the message shown on failure
    // (the file on disk is then unchanged).
    BOOL Save();
    // Every package, class, interface and member, one per line, indented.
    CString Dump() const;

    // Add/Update: parses each existing file of arrPaths and adds it. Stops
    // at a file that cannot be parsed (its message shown); the files before
    // it stay added but the index is not saved then. FALSE in that case.
    BOOL AddSourceFiles(const CStringArray& arrPaths);
    // Adds a parsed source file (taking ownership): its package, or "User"
    // without a package statement; classes and interfaces of the same name
    // (without regard to case) already in that package are replaced.
    CPackageObject* AddParsedFile(CFileObject* pFile);
    // Adds what the introspection of one class file gave (taking ownership)
    // under the package of its first class's (or interface's) qualified name;
    // a name without a package is reported in the output window and the
    // result deleted. FALSE then.
    BOOL AddIntrospectedFile(CFileObject* pFile);
    // Removes the package pszName after "Are you sure you want to delete
    // package NAME ???"; FALSE when the answer was No or there is no such package.
    BOOL DeletePackage(const char* pszName);
    // Marks the index changed, shows it again and saves it.
    BOOL Commit();

    // The package of that exact name; null if none.
    CPackageObject* FindPackage(const char* pszName) const;
    // The package holding a class (bInterface: an interface) of that name; null if none.
    CPackageObject* FindPackageOf(const char* pszName, BOOL bInterface) const;
    // A class, else an interface, of that name; null if none.
    CVarContainer* FindClassOrInterface(const char* pszName) const;
    // Every interface of the index in map order.
    std::vector<CVarInterface*> GetAllInterfaces() const;
    // The packages in map (name) order.
    std::vector<CPackageObject*> GetPackages() const;
    int GetPackageCount() const { return static_cast<int>(m_packages.size()); }

    CVarClass* FindClass(const char* pszName) const override;
    CVarInterface* FindInterface(const char* pszName) const override;
    CVarContainer* FindMethodOwner(const CVarObject* pMethod) const override;

    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const char* pszPath) { m_strPathName = pszPath; }
    BOOL IsModified() const { return m_bModified; }
    CBrowserHost& GetHost() const { return *m_pHost; }

    // The package a file without a package statement goes to.
    static constexpr const char* DEFAULT_PACKAGE = "User";

private:
    // The package of that name, made and entered in the map when missing.
    CPackageObject* GetOrMakePackage(const CString& strName);

    std::unique_ptr<CBrowserHost> m_pOwnHost;
    CBrowserHost* m_pHost;
    std::map<CString, std::unique_ptr<CPackageObject>> m_packages;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
};
