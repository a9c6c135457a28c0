#include "PkgDoc.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "BrowserHost.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "PackageObject.h"
#include "StringArray.h"
#include "UserInterface.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarPackage.h"

#include <sys/stat.h>

namespace {

BOOL PathExists(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

// Deletes the entry of list whose name equals strName without regard to case.
void DeleteSameName(CVarList& list, const CString& strName)
{
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        POSITION posAt = pos;
        CVarObject* pObject = list.GetNext(pos);
        if (pObject->m_strName.CompareNoCase(strName) == 0) {
            list.RemoveAt(posAt);
            delete pObject;
        }
    }
}

// Moves every object of from to the end of to, replacing those of the same name.
void MoveReplacing(CVarList& from, CVarList& to)
{
    while (!from.IsEmpty()) {
        CVarObject* pObject = from.RemoveHead();
        DeleteSameName(to, pObject->m_strName);
        to.AddTail(pObject);
    }
}

// The name without its package qualification (type arguments keep theirs).
CString Unqualified(const CString& strName)
{
    int nAngle = strName.Find('<');
    CString strHead = nAngle >= 0 ? strName.Left(nAngle) : strName;
    int nDot = strHead.ReverseFind('.');
    return nDot >= 0 ? strName.Mid(nDot + 1) : strName;
}

// The parent and interface names of the helper's declarations lose their
// qualification too, so that the ancestor test finds them by the short names the index keys.
void ShortenSupertypes(CFileObject& file)
{
    for (POSITION pos = file.m_Classes.GetHeadPosition(); pos;) {
        CVarClass* pClass = file.m_Classes.GetNext(pos);
        pClass->m_strParent = Unqualified(pClass->m_strParent);
        for (int i = 0; i < pClass->m_Interfaces.GetSize(); i++)
            pClass->m_Interfaces[i] = Unqualified(pClass->m_Interfaces[i]);
    }
    for (POSITION pos = file.m_Interfaces.GetHeadPosition(); pos;) {
        CVarInterface* pInterface = file.m_Interfaces.GetNext(pos);
        pInterface->m_strParent = Unqualified(pInterface->m_strParent);
    }
}

void DumpMembers(CString& strOut, const CVarContainer& container)
{
    CString strText;
    for (POSITION pos = container.m_Fields.GetHeadPosition(); pos;) {
        container.m_Fields.GetNext(pos)->GetDisplayText(strText);
        strOut += "      Field " + strText + "\n";
    }
    for (POSITION pos = container.m_Methods.GetHeadPosition(); pos;) {
        container.m_Methods.GetNext(pos)->GetDisplayText(strText);
        strOut += "      Method " + strText + "\n";
    }
}

} // namespace

CPkgDoc::CPkgDoc(CBrowserHost* pHost)
    : m_pOwnHost(pHost ? nullptr : new CBrowserHost), m_pHost(pHost ? pHost : m_pOwnHost.get())
{
}

CPkgDoc::~CPkgDoc() = default;

void CPkgDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_packages.size());
        for (const auto& entry : m_packages)
            ar.WriteObject(entry.second.get());
        return;
    }
    // A package takes at least its class tag and three counts.
    DWORD nCount = ar.ReadBoundedCount(14);
    for (DWORD i = 0; i < nCount; i++) {
        std::unique_ptr<CPackageObject> pPackage(
            static_cast<CPackageObject*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CPackageObject))));
        CString strName = pPackage->m_strPackageName;
        m_packages[strName] = std::move(pPackage);
    }
}

BOOL CPkgDoc::ReadBytes(const std::string& strData, CString& strError)
{
    std::map<CString, std::unique_ptr<CPackageObject>> kept;
    kept.swap(m_packages);
    BOOL bOld = CVarObject::IsOldFormatRead();
    try {
        CArchive ar(strData.data(), strData.size());
        Serialize(ar);
        return TRUE;
    } catch (const CArchiveException& e) {
        strError = e.GetMessage();
    } catch (const std::bad_alloc&) {
        strError = "out of memory";
    }
    m_packages.swap(kept);
    CVarObject::SetOldFormatRead(bOld);
    return FALSE;
}

BOOL CPkgDoc::ReadFile(const char* pszPath, CString& strError)
{
    std::string strData;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strError))
        return FALSE;
    return ReadBytes(strData, strError);
}

BOOL CPkgDoc::Open(const char* pszPath)
{
    m_packages.clear();
    m_bModified = FALSE;
    m_strPathName = pszPath;
    if (!PathExists(pszPath)) {
        m_pHost->RefreshViews();
        return TRUE;
    }
    CVarObject::SetOldFormatRead(FALSE);
    CString strError;
    if (!ReadFile(pszPath, strError)) {
        m_strPathName.Empty();
        AfxMessageBox("Error reading the package index " + CString(pszPath) + ": " + strError + " !!!",
                      MB_ICONEXCLAMATION);
        m_pHost->RefreshViews();
        return FALSE;
    }
    if (CVarObject::IsOldFormatRead())
        Save();
    CVarObject::SetOldFormatRead(FALSE);
    m_pHost->RefreshViews();
    return TRUE;
}

BOOL CPkgDoc::Save()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    CString strError;
    if (!CArchiveFile::Save(m_strPathName, [this](CArchive& ar) { Serialize(ar); }, strError)) {
        AfxMessageBox("Error saving the package index " + m_strPathName + ": " + strError + " !!!",
                      MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}

BOOL CPkgDoc::Commit()
{
    m_bModified = TRUE;
    m_pHost->RefreshViews();
    return Save();
}

CString CPkgDoc::Dump() const
{
    CString strOut, strText;
    for (const auto& entry : m_packages) {
        const CPackageObject& package = *entry.second;
        strOut += "Package " + package.m_strPackageName + "\n";
        for (POSITION pos = package.m_Classes.GetHeadPosition(); pos;) {
            CVarClass* pClass = package.m_Classes.GetNext(pos);
            pClass->GetDisplayText(strText);
            strOut += "    Class " + strText + "\n";
            DumpMembers(strOut, *pClass);
        }
        for (POSITION pos = package.m_Interfaces.GetHeadPosition(); pos;) {
            CVarInterface* pInterface = package.m_Interfaces.GetNext(pos);
            pInterface->GetDisplayText(strText);
            strOut += "    Interface " + strText + "\n";
            DumpMembers(strOut, *pInterface);
        }
    }
    return strOut;
}

CPackageObject* CPkgDoc::GetOrMakePackage(const CString& strName)
{
    auto it = m_packages.find(strName);
    if (it != m_packages.end())
        return it->second.get();
    CPackageObject* pPackage = new CPackageObject(strName);
    m_packages[strName].reset(pPackage);
    return pPackage;
}

CPackageObject* CPkgDoc::AddParsedFile(CFileObject* pFile)
{
    if (!pFile)
        return nullptr;
    CString strName = pFile->m_pPackage ? pFile->m_pPackage->m_strName : CString();
    if (strName.IsEmpty())
        strName = DEFAULT_PACKAGE;
    CPackageObject* pPackage = GetOrMakePackage(strName);
    pPackage->AddFile(pFile);
    MoveReplacing(pFile->m_Classes, pPackage->m_Classes);
    MoveReplacing(pFile->m_Interfaces, pPackage->m_Interfaces);
    return pPackage;
}

BOOL CPkgDoc::AddSourceFiles(const CStringArray& arrPaths)
{
    for (int i = 0; i < arrPaths.GetSize(); i++) {
        if (!PathExists(arrPaths[i]))
            continue;
        CFileObject* pFile = CJavaParser::ParseFile(arrPaths[i]);
        if (!pFile) {
            // What was added so far is shown (replaced classes are gone), not saved.
            m_pHost->RefreshViews();
            return FALSE;
        }
        AddParsedFile(pFile);
    }
    return Commit();
}

BOOL CPkgDoc::AddIntrospectedFile(CFileObject* pFile)
{
    std::unique_ptr<CFileObject> pOwned(pFile);
    if (!pFile)
        return FALSE;
    CVarContainer* pFirst = pFile->GetFirstClass();
    if (!pFirst)
        pFirst = pFile->GetFirstInterface();
    CString strFullName = pFirst ? pFirst->m_strName : CString();
    pFile->ShortenNames();
    ShortenSupertypes(*pFile);
    CString strShort = pFirst ? pFirst->m_strName : CString();
    int nAt = strShort.IsEmpty() ? -1 : strFullName.Find("." + strShort);
    if (nAt <= 0) {
        CString strLine;
        strLine.Format("\nObject %s does not have a valid package name....", strFullName.c_str());
        m_pHost->WriteOutput(strLine);
        return FALSE;
    }
    CPackageObject* pPackage = GetOrMakePackage(strFullName.Left(nAt));
    pPackage->AddFile(pOwned.release());
    MoveReplacing(pFile->m_Classes, pPackage->m_Classes);
    MoveReplacing(pFile->m_Interfaces, pPackage->m_Interfaces);
    return TRUE;
}

BOOL CPkgDoc::DeletePackage(const char* pszName)
{
    auto it = m_packages.find(CString(pszName));
    if (it == m_packages.end())
        return FALSE;
    if (AfxMessageBox("Are you sure you want to delete package " + CString(pszName) + " ???",
                      MB_YESNO | MB_ICONQUESTION) == IDNO)
        return FALSE;
    m_packages.erase(it);
    Commit();
    return TRUE;
}

CPackageObject* CPkgDoc::FindPackage(const char* pszName) const
{
    auto it = m_packages.find(CString(pszName));
    return it == m_packages.end() ? nullptr : it->second.get();
}

CPackageObject* CPkgDoc::FindPackageOf(const char* pszName, BOOL bInterface) const
{
    for (const auto& entry : m_packages) {
        CPackageObject* pPackage = entry.second.get();
        if (bInterface ? static_cast<CVarObject*>(pPackage->FindInterface(pszName))
                       : static_cast<CVarObject*>(pPackage->FindClass(pszName)))
            return pPackage;
    }
    return nullptr;
}

CVarClass* CPkgDoc::FindClass(const char* pszName) const
{
    for (const auto& entry : m_packages)
        if (CVarClass* pClass = entry.second->FindClass(pszName))
            return pClass;
    return nullptr;
}

CVarInterface* CPkgDoc::FindInterface(const char* pszName) const
{
    for (const auto& entry : m_packages)
        if (CVarInterface* pInterface = entry.second->FindInterface(pszName))
            return pInterface;
    return nullptr;
}

CVarContainer* CPkgDoc::FindClassOrInterface(const char* pszName) const
{
    if (CVarClass* pClass = FindClass(pszName))
        return pClass;
    return FindInterface(pszName);
}

CVarContainer* CPkgDoc::FindMethodOwner(const CVarObject* pMethod) const
{
    if (!pMethod)
        return nullptr;
    for (const auto& entry : m_packages)
        for (POSITION pos = entry.second->m_Classes.GetHeadPosition(); pos;) {
            CVarClass* pClass = entry.second->m_Classes.GetNext(pos);
            if (pClass->m_Methods.Find(const_cast<CVarObject*>(pMethod)))
                return pClass;
        }
    for (const auto& entry : m_packages)
        for (POSITION pos = entry.second->m_Interfaces.GetHeadPosition(); pos;) {
            CVarInterface* pInterface = entry.second->m_Interfaces.GetNext(pos);
            if (pInterface->m_Methods.Find(const_cast<CVarObject*>(pMethod)))
                return pInterface;
        }
    return nullptr;
}

std::vector<CVarInterface*> CPkgDoc::GetAllInterfaces() const
{
    std::vector<CVarInterface*> all;
    for (const auto& entry : m_packages)
        for (POSITION pos = entry.second->m_Interfaces.GetHeadPosition(); pos;)
            all.push_back(entry.second->m_Interfaces.GetNext(pos));
    return all;
}

std::vector<CPackageObject*> CPkgDoc::GetPackages() const
{
    std::vector<CPackageObject*> all;
    for (const auto& entry : m_packages)
        all.push_back(entry.second.get());
    return all;
}
