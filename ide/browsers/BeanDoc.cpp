#include "BeanDoc.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "BeanEvent.h"
#include "BeanItem.h"
#include "BeanListenInterface.h"
#include "BeanObject.h"
#include "BeanProp.h"
#include "BrowserHost.h"
#include "TreeFolder.h"
#include "UserInterface.h"
#include "VarMethodDecl.h"

#include <sys/stat.h>

namespace {

constexpr DWORD TAG_FOLDER = 1;
constexpr DWORD TAG_BEAN = 2;

BOOL PathExists(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

void StoreFolder(CArchive& ar, const CTreeFolder& folder)
{
    ar << TAG_FOLDER;
    ar.WriteObject(&folder);
    for (int i = 0; i < folder.GetChildCount(); i++) {
        CTreeItem* pChild = folder.GetChild(i);
        if (auto* pBean = dynamic_cast<CBeanItem*>(pChild)) {
            ar << TAG_BEAN;
            ar.WriteObject(pBean);
        } else if (auto* pFolder = dynamic_cast<CTreeFolder*>(pChild)) {
            StoreFolder(ar, *pFolder);
        }
    }
}

// Reads the children of a folder whose own record was just read.
void ReadChildren(CArchive& ar, CTreeFolder& folder, int nDepth)
{
    DWORD nCount = folder.m_nPending;
    for (DWORD i = 0; i < nCount; i++) {
        folder.m_nPending = nCount - i;
        DWORD nTag;
        ar >> nTag;
        if (nTag == TAG_BEAN) {
            auto* pItem = static_cast<CBeanItem*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CBeanItem)));
            folder.AddChild(pItem, FALSE);
            continue;
        }
        if (nDepth >= CBeanDoc::MAX_READ_DEPTH)
            ar.ThrowError(CArchiveException::genericException, "folders nested too deep");
        auto* pFolder = static_cast<CTreeFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CTreeFolder)));
        if (!pFolder->IsKindOf(MOSK_RUNTIME_CLASS(CTreeFolder)) || dynamic_cast<CBeanItem*>(pFolder)) {
            delete pFolder;
            ar.ThrowError(CArchiveException::genericException, "not a folder");
        }
        folder.AddChild(pFolder, FALSE);
        ReadChildren(ar, *pFolder, nDepth + 1);
    }
    folder.m_nPending = 0;
}

CString Accessor(const CVarMethodDecl* pMethod) { return pMethod ? pMethod->m_strName : CString("None"); }

void DumpFolder(CString& strOut, const CTreeFolder& folder, int nIndent)
{
    CString strPad(' ', nIndent), strText;
    strOut += strPad + "Folder " + folder.m_strLabel + "\n";
    for (int i = 0; i < folder.GetChildCount(); i++) {
        CTreeItem* pChild = folder.GetChild(i);
        if (auto* pFolder = dynamic_cast<CTreeFolder*>(pChild)) {
            DumpFolder(strOut, *pFolder, nIndent + 2);
            continue;
        }
        auto* pItem = dynamic_cast<CBeanItem*>(pChild);
        if (!pItem)
            continue;
        CBeanObject* pBean = pItem->GetBean();
        strOut += strPad + "  Bean " + pBean->m_strName + "\n";
        for (POSITION pos = pBean->m_Fields.GetHeadPosition(); pos;) {
            auto* pProp = dynamic_cast<CBeanProp*>(pBean->m_Fields.GetNext(pos));
            if (pProp)
                strOut += strPad + "    Property " + pProp->m_strType + " " + pProp->m_strName + " get=" +
                          Accessor(pProp->m_pGetter) + " set=" + Accessor(pProp->m_pSetter) + "\n";
        }
        for (POSITION pos = pBean->m_Listeners.GetHeadPosition(); pos;) {
            CBeanListenInterface* pListener = pBean->m_Listeners.GetNext(pos);
            strOut += strPad + "    Listener " + pListener->m_strName + " add=" + Accessor(pListener->m_pAdder) +
                      " remove=" + Accessor(pListener->m_pRemover) + "\n";
            for (POSITION p = pListener->m_Events.GetHeadPosition(); p;)
                strOut += strPad + "      Event " + pListener->m_Events.GetNext(p)->m_strName + "\n";
        }
        for (POSITION pos = pBean->m_Methods.GetHeadPosition(); pos;) {
            pBean->m_Methods.GetNext(pos)->GetDisplayText(strText);
            strOut += strPad + "    Method " + strText + "\n";
        }
    }
}

CBeanItem* FindIn(const CTreeFolder& folder, const char* pszName)
{
    for (int i = 0; i < folder.GetChildCount(); i++) {
        CTreeItem* pChild = folder.GetChild(i);
        if (auto* pItem = dynamic_cast<CBeanItem*>(pChild)) {
            if (pItem->GetBean()->m_strName == pszName)
                return pItem;
        } else if (auto* pFolder = dynamic_cast<CTreeFolder*>(pChild)) {
            if (CBeanItem* pFound = FindIn(*pFolder, pszName))
                return pFound;
        }
    }
    return nullptr;
}

} // namespace

CBeanDoc::CBeanDoc(CBrowserHost* pHost)
    : m_pOwnHost(pHost ? nullptr : new CBrowserHost), m_pHost(pHost ? pHost : m_pOwnHost.get())
{
    NewTree();
}

CBeanDoc::~CBeanDoc() = default;

void CBeanDoc::NewTree()
{
    m_pRoot = std::make_unique<CTreeFolder>("Beans");
}

int CBeanDoc::DepthOf(const CTreeItem* pItem)
{
    int nDepth = 0;
    for (const CTreeItem* p = pItem->GetParent(); p; p = p->GetParent())
        nDepth++;
    return nDepth;
}

void CBeanDoc::Store(CArchive& ar) const
{
    StoreFolder(ar, *m_pRoot);
}

BOOL CBeanDoc::ReadBytes(const std::string& strData, CString& strError)
{
    BOOL bOld = CVarObject::IsOldFormatRead();
    try {
        CArchive ar(strData.data(), strData.size());
        DWORD nTag;
        ar >> nTag;  // the root's tag is not looked at
        std::unique_ptr<CTreeFolder> pRoot(
            static_cast<CTreeFolder*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CTreeFolder))));
        if (dynamic_cast<CBeanItem*>(pRoot.get()))
            ar.ThrowError(CArchiveException::genericException, "the root is no folder");
        ReadChildren(ar, *pRoot, 0);
        m_pRoot = std::move(pRoot);
        return TRUE;
    } catch (const CArchiveException& e) {
        strError = e.GetMessage();
    } catch (const std::bad_alloc&) {
        strError = "out of memory";
    }
    CVarObject::SetOldFormatRead(bOld);
    return FALSE;
}

BOOL CBeanDoc::Open(const char* pszPath)
{
    NewTree();
    m_bModified = FALSE;
    m_strPathName = pszPath;
    if (!PathExists(pszPath)) {
        m_pHost->RefreshViews();
        return TRUE;
    }
    CVarObject::SetOldFormatRead(FALSE);
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strError) || !ReadBytes(strData, strError)) {
        m_strPathName.Empty();
        AfxMessageBox("Error reading the bean index " + CString(pszPath) + ": " + strError + " !!!",
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

BOOL CBeanDoc::Save()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    CString strError;
    if (!CArchiveFile::Save(m_strPathName, [this](CArchive& ar) { Store(ar); }, strError)) {
        AfxMessageBox("Error saving the bean index " + m_strPathName + ": " + strError + " !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}

BOOL CBeanDoc::Commit()
{
    m_bModified = TRUE;
    m_pHost->RefreshViews();
    return Save();
}

CString CBeanDoc::Dump() const
{
    CString strOut;
    DumpFolder(strOut, *m_pRoot, 0);
    return strOut;
}

CTreeFolder* CBeanDoc::AddFolder(CTreeFolder* pParent)
{
    if (!pParent)
        return nullptr;
    if (DepthOf(pParent) == MAX_FOLDER_DEPTH) {
        AfxMessageBox("Nested too deep !!!");
        return nullptr;
    }
    auto* pFolder = new CTreeFolder("New Folder");
    pParent->AddChild(pFolder, TRUE);
    Commit();
    return pFolder;
}

BOOL CBeanDoc::DeleteItem(CTreeItem* pItem)
{
    if (!pItem || pItem == m_pRoot.get() || !pItem->GetParent())
        return FALSE;
    if (!pItem->CanDelete() && !pItem->IsFolder())
        return FALSE;
    if (AfxMessageBox("Are you sure you want to delete ???", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return FALSE;
    CTreeFolder* pParent = pItem->GetParent();
    pParent->RemoveChild(pItem);
    delete pItem;
    Commit();
    return TRUE;
}

CBeanItem* CBeanDoc::FindBean(const char* pszName) const
{
    return FindIn(*m_pRoot, pszName);
}

int CBeanDoc::AddBeans(CTreeFolder* pFolder, std::vector<std::unique_ptr<CBeanObject>>& beans)
{
    int nAdded = 0;
    for (auto& pBean : beans) {
        if (!pBean || !pBean->m_bComplete)
            continue;
        if (CBeanItem* pOld = FindBean(pBean->m_strName)) {
            CString strText;
            strText.Format("Duplicate bean %s found under folder %s", pBean->m_strName.c_str(),
                           pOld->GetParent()->m_strLabel.c_str());
            AfxMessageBox(strText);
            continue;
        }
        pFolder->AddChild(new CBeanItem(pBean.release()), TRUE);
        nAdded++;
    }
    beans.clear();
    return nAdded;
}
