#include "HelpDoc.h"

#include "Archive.h"
#include "ArchiveFile.h"
#include "HTMLItem.h"
#include "TreeFolder.h"
#include "URLItem.h"
#include "UserInterface.h"

#include <sys/stat.h>

namespace {

constexpr DWORD TAG_FOLDER = 1;
constexpr DWORD TAG_ITEM = 2;

BOOL FileExists(const char* pszPath)
{
    struct stat st;
    return pszPath && *pszPath && ::stat(pszPath, &st) == 0 && S_ISREG(st.st_mode);
}

// Only plain folders and the two help items belong in the tree; other
// archived classes of the program (project nodes, beans) are refused.
BOOL IsPlainFolder(const CObject* pObject)
{
    return pObject->GetRuntimeClass() == MOSK_RUNTIME_CLASS(CTreeFolder);
}

BOOL IsHelpItem(const CObject* pObject)
{
    const CRuntimeClass* pClass = pObject->GetRuntimeClass();
    return pClass == MOSK_RUNTIME_CLASS(CHTMLItem) || pClass == MOSK_RUNTIME_CLASS(CURLItem);
}

void StoreFolder(CArchive& ar, const CTreeFolder& folder)
{
    ar << TAG_FOLDER;
    ar.WriteObject(&folder);
    for (int i = 0; i < folder.GetChildCount(); i++) {
        CTreeItem* pChild = folder.GetChild(i);
        if (IsPlainFolder(pChild)) {
            StoreFolder(ar, *static_cast<CTreeFolder*>(pChild));
        } else {
            ar << TAG_ITEM;
            ar.WriteObject(pChild);
        }
    }
}

CTreeFolder* ReadFolderObject(CArchive& ar)
{
    CObject* pObject = ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CTreeFolder));
    if (!IsPlainFolder(pObject)) {
        delete pObject;
        ar.ThrowError(CArchiveException::genericException, "not a help folder");
    }
    return static_cast<CTreeFolder*>(pObject);
}

// Reads the children of a folder whose own record was just read.
void ReadChildren(CArchive& ar, CTreeFolder& folder, int nDepth)
{
    DWORD nCount = folder.m_nPending;
    for (DWORD i = 0; i < nCount; i++) {
        folder.m_nPending = nCount - i;
        DWORD nTag;
        ar >> nTag;
        if (nTag == TAG_ITEM) {
            CObject* pObject = ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CTreeItem));
            if (!IsHelpItem(pObject)) {
                delete pObject;
                ar.ThrowError(CArchiveException::genericException, "not a help item");
            }
            folder.AddChild(static_cast<CTreeItem*>(pObject), FALSE);
            continue;
        }
        // Any other tag starts a folder record.
        if (nDepth >= CHelpDoc::MAX_READ_DEPTH)
            ar.ThrowError(CArchiveException::genericException, "folders nested too deep");
        CTreeFolder* pFolder = ReadFolderObject(ar);
        folder.AddChild(pFolder, FALSE);
        ReadChildren(ar, *pFolder, nDepth + 1);
    }
    folder.m_nPending = 0;
}

void DumpFolder(CString& strOut, const CTreeFolder& folder, int nIndent)
{
    strOut += CString(' ', nIndent) + "Folder " + folder.m_strLabel + "\n";
    for (int i = 0; i < folder.GetChildCount(); i++) {
        CTreeItem* pChild = folder.GetChild(i);
        if (IsPlainFolder(pChild))
            DumpFolder(strOut, *static_cast<CTreeFolder*>(pChild), nIndent + 2);
        else
            pChild->DumpTo(strOut, nIndent + 2);
    }
}

} // namespace

CHelpDoc::CHelpDoc(const CStringArray& helpDirs) : m_helpDirs(helpDirs)
{
    NewTree();
}

CHelpDoc::~CHelpDoc() = default;

void CHelpDoc::NewTree()
{
    m_pRoot = std::make_unique<CTreeFolder>("Help");
}

int CHelpDoc::DepthOf(const CTreeItem* pItem)
{
    int nDepth = 0;
    for (const CTreeItem* p = pItem->GetParent(); p; p = p->GetParent())
        nDepth++;
    return nDepth;
}

void CHelpDoc::Store(CArchive& ar) const
{
    StoreFolder(ar, *m_pRoot);
}

BOOL CHelpDoc::ReadBytes(const std::string& strData, CString& strError)
{
    try {
        CArchive ar(strData.data(), strData.size());
        DWORD nTag;
        ar >> nTag;  // the root's tag is not looked at
        std::unique_ptr<CTreeFolder> pRoot(ReadFolderObject(ar));
        ReadChildren(ar, *pRoot, 0);
        m_pRoot = std::move(pRoot);
        return TRUE;
    } catch (const CArchiveException& e) {
        strError = e.GetMessage();
    } catch (const std::bad_alloc&) {
        strError = "out of memory";
    }
    return FALSE;
}

void CHelpDoc::Reloaded()
{
    if (m_fnReloaded)
        m_fnReloaded();
}

BOOL CHelpDoc::Open(const char* pszPath)
{
    NewTree();
    m_bModified = FALSE;
    m_strPathName = pszPath;
    if (!FileExists(pszPath)) {
        Reloaded();
        return TRUE;
    }
    std::string strData;
    CString strError;
    if (!CArchiveFile::ReadWholeFile(pszPath, strData, strError) || !ReadBytes(strData, strError)) {
        m_strPathName.Empty();
        AfxMessageBox("Error reading the help tree " + CString(pszPath) + ": " + strError + " !!!",
                      MB_ICONEXCLAMATION);
        Reloaded();
        return FALSE;
    }
    Reloaded();
    return TRUE;
}

BOOL CHelpDoc::Save()
{
    if (m_strPathName.IsEmpty())
        return FALSE;
    CString strError;
    if (!CArchiveFile::Save(m_strPathName, [this](CArchive& ar) { Store(ar); }, strError)) {
        AfxMessageBox("Error saving the help tree " + m_strPathName + ": " + strError + " !!!", MB_ICONEXCLAMATION);
        return FALSE;
    }
    m_bModified = FALSE;
    return TRUE;
}

BOOL CHelpDoc::Commit()
{
    m_bModified = TRUE;
    return Save();
}

CString CHelpDoc::Dump() const
{
    CString strOut;
    DumpFolder(strOut, *m_pRoot, 0);
    return strOut;
}

CTreeFolder* CHelpDoc::AddFolder(CTreeFolder* pParent)
{
    if (!pParent)
        return nullptr;
    // A file may hold deeper folders than the tree makes; none goes below them either.
    if (DepthOf(pParent) >= MAX_FOLDER_DEPTH) {
        AfxMessageBox("Nested too deep !!!");
        return nullptr;
    }
    auto* pFolder = new CTreeFolder("New Folder");
    pParent->AddChild(pFolder, TRUE);
    Commit();
    return pFolder;
}

CHTMLItem* CHelpDoc::AddFile(CTreeFolder* pFolder, const char* pszPath)
{
    if (!pFolder || !pszPath || !*pszPath)
        return nullptr;
    CString strText;
    if (!FileExists(pszPath)) {
        strText.Format("File %s does not exist !!!", pszPath);
        AfxMessageBox(strText);
        return nullptr;
    }
    std::unique_ptr<CHTMLItem> pItem(CHTMLItem::FromPath(pszPath, m_helpDirs));
    CString strAddress = pItem->GetAddress(m_helpDirs);
    for (int i = 0; i < pFolder->GetChildCount(); i++) {
        auto* pOld = dynamic_cast<CHTMLItem*>(pFolder->GetChild(i));
        if (pOld && pOld->GetAddress(m_helpDirs) == strAddress) {
            strText.Format("File %s already found under folder %s !!!", pszPath, pFolder->m_strLabel.c_str());
            AfxMessageBox(strText);
            return nullptr;
        }
    }
    CHTMLItem* pAdded = pItem.release();
    pFolder->AddChild(pAdded, TRUE);
    Commit();
    return pAdded;
}

CURLItem* CHelpDoc::AddURL(CTreeFolder* pFolder, const char* pszURL)
{
    if (!pFolder)
        return nullptr;
    auto* pItem = new CURLItem("New URL", pszURL);
    pFolder->AddChild(pItem, TRUE);
    Commit();
    return pItem;
}

BOOL CHelpDoc::DeleteItem(CTreeItem* pItem)
{
    if (!pItem || pItem == m_pRoot.get() || !pItem->GetParent())
        return FALSE;
    if (AfxMessageBox("Are you sure you want to delete ???", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return FALSE;
    pItem->GetParent()->RemoveChild(pItem);
    delete pItem;
    Commit();
    return TRUE;
}

BOOL CHelpDoc::Rename(CTreeItem* pItem, const char* pszLabel)
{
    if (!pItem || !(IsPlainFolder(pItem) || dynamic_cast<CURLItem*>(pItem)))
        return FALSE;
    CString strLabel(pszLabel);
    strLabel.Trim();
    if (strLabel.IsEmpty() || strLabel == pItem->m_strLabel)
        return FALSE;
    pItem->m_strLabel = strLabel;
    Commit();
    return TRUE;
}

BOOL CHelpDoc::SetURL(CURLItem* pItem, const char* pszURL)
{
    CString strURL(pszURL);
    strURL.Trim();
    if (!pItem || strURL == pItem->m_strURL)
        return FALSE;
    pItem->m_strURL = strURL;
    Commit();
    return TRUE;
}

CString CHelpDoc::GetAddress(const CHTMLItem& item) const
{
    return item.GetAddress(m_helpDirs);
}
