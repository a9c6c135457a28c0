// CHelpDoc: the help tree "mosk.hpg": folders under the root "Help" holding
// local documents (CHTMLItem) and links (CURLItem), read at start-up and
// saved after every change. The file is one folder record: a 32-bit tag 1
// and the folder object, then each child, an item as tag 2 and the item
// object, a sub-folder as a folder record of its own.
#pragma once

#include "String.h"

#include <functional>
#include <memory>
#include <string>

class CArchive;
class CHTMLItem;
class CStringArray;
class CTreeFolder;
class CTreeItem;
class CURLItem;

class CHelpDoc {
public:
    // Folders below the root nest at most this deep.
    static constexpr int MAX_FOLDER_DEPTH = 4;
    // Deepest folder record a file may hold (a damaged file cannot exhaust the stack).
    static constexpr int MAX_READ_DEPTH = 64;

    // helpDirs (not owned) is the help directory list the items' numbers name; it must outlive the document.
    explicit CHelpDoc(const CStringArray& helpDirs);
    ~CHelpDoc();
    CHelpDoc(const CHelpDoc&) = delete;
    CHelpDoc& operator=(const CHelpDoc&) = delete;

    // Start-up: a missing file gives a new tree with the root "Help". A file
    // that cannot be read is reported and left untouched: the tree starts
    // new without a path (so nothing is written over it); FALSE then.
    BOOL Open(const char* pszPath);
    // Reads the bytes of a file in place of the tree; on failure the tree is
    // unchanged and strError says why.
    BOOL ReadBytes(const std::string& strData, CString& strError);
    // Writes the tree (storing archives) as folder records.
    void Store(CArchive& ar) const;
    // Saves to the path through the atomic writer; FALSE with the message shown on failure.
    BOOL Save();
    // Every folder and item, one per line, indented by depth.
    CString Dump() const;

    // Add Folder: a "New Folder" in pParent, saved; null after "Nested too
    // deep !!!" when pParent already has MAX_FOLDER_DEPTH ancestors.
    CTreeFolder* AddFolder(CTreeFolder* pParent);
    // Add File: "File %s does not exist !!!" for a missing file, "File %s
    // already found under folder %s !!!" for one pFolder holds; else the item
    // (saved). Null when refused.
    CHTMLItem* AddFile(CTreeFolder* pFolder, const char* pszPath);
    // A link titled "New URL" to pszURL in pFolder, saved.
    CURLItem* AddURL(CTreeFolder* pFolder, const char* pszURL);
    // Delete: after "Are you sure you want to delete ???" the item leaves its
    // folder and is destroyed with its subtree; the root is never deleted.
    // FALSE when nothing was.
    BOOL DeleteItem(CTreeItem* pItem);
    // A folder's name or a link's title becomes pszLabel (trimmed, not
    // empty); documents keep their paths. TRUE when it changed (then saved).
    BOOL Rename(CTreeItem* pItem, const char* pszLabel);
    // A link's URL text; TRUE when it changed (then saved).
    BOOL SetURL(CURLItem* pItem, const char* pszURL);

    // The full path of a document of the tree.
    CString GetAddress(const CHTMLItem& item) const;

    CTreeFolder* GetRoot() const { return m_pRoot.get(); }
    const CStringArray& GetHelpDirs() const { return m_helpDirs; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const char* pszPath) { m_strPathName = pszPath; }
    BOOL IsModified() const { return m_bModified; }
    // Called after the tree was read anew (the view shows it again).
    void SetReloadHandler(std::function<void()> fn) { m_fnReloaded = std::move(fn); }

    // Ancestors of an item (the root has none).
    static int DepthOf(const CTreeItem* pItem);

private:
    void NewTree();
    BOOL Commit();
    void Reloaded();

    const CStringArray& m_helpDirs;
    std::unique_ptr<CTreeFolder> m_pRoot;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
    std::function<void()> m_fnReloaded;
};
