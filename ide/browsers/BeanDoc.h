// CBeanDoc: the bean index "mosk.bns": a tree of folders under the root
// "Beans" holding bean items, read at start-up and saved after every
// change. The file is one folder record: a 32-bit tag 1 and the folder
// object, then each child, a bean item as tag 2 and the CBeanItem object, a
// sub-folder as a folder record of its own.
#pragma once

#include "String.h"

#include <memory>
#include <string>
#include <vector>

class CArchive;
class CBeanItem;
class CBeanObject;
class CBrowserHost;
class CTreeFolder;
class CTreeItem;

class CBeanDoc {
public:
    // Folders below the root nest at most this deep.
    static constexpr int MAX_FOLDER_DEPTH = 4;
    // Deepest folder record a file may hold (a damaged file cannot exhaust the stack).
    static constexpr int MAX_READ_DEPTH = 64;

    // pHost (not owned, may be null for one that does nothing) must outlive the document.
    explicit CBeanDoc(CBrowserHost* pHost = nullptr);
    ~CBeanDoc();
    CBeanDoc(const CBeanDoc&) = delete;
    CBeanDoc& operator=(const CBeanDoc&) = delete;

    // Start-up: a missing file gives a new index with the root "Beans"; an
    // older format is written back at once. A file that cannot be read is
    // reported and left untouched; the index starts new without a path. FALSE then.
    BOOL Open(const char* pszPath);
    // Reads the bytes of a file in place of the tree; on failure the tree is
    // unchanged and strError says why.
    BOOL ReadBytes(const std::string& strData, CString& strError);
    // Writes the tree (storing archives) as folder records.
    void Store(CArchive& ar) const;
    // Saves to the path; FALSE with the message shown on failure.
    BOOL Save();
    // Marks the index changed, shows it again and saves it.
    BOOL Commit();
    // Every folder, bean, property (getter and setter), listener, event and method, one per line.
    CString Dump() const;

    // Add Folder: a "New Folder" in pParent; null after "Nested too deep !!!"
    // when pParent already has MAX_FOLDER_DEPTH ancestors.
    CTreeFolder* AddFolder(CTreeFolder* pParent);
    // Delete: after "Are you sure you want to delete ???" the item leaves its
    // folder and is destroyed; the root is never deleted. FALSE when nothing was.
    BOOL DeleteItem(CTreeItem* pItem);
    // Adds the beans (taking them) to pFolder; a bean whose name the tree
    // holds already is refused with "Duplicate bean %s found under folder %s".
    // The number added.
    int AddBeans(CTreeFolder* pFolder, std::vector<std::unique_ptr<CBeanObject>>& beans);
    // The item of the bean named pszName anywhere in the tree; null if none.
    CBeanItem* FindBean(const char* pszName) const;

    CTreeFolder* GetRoot() const { return m_pRoot.get(); }
    CBrowserHost& GetHost() const { return *m_pHost; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const char* pszPath) { m_strPathName = pszPath; }
    BOOL IsModified() const { return m_bModified; }

    // Ancestors of an item (the root has none).
    static int DepthOf(const CTreeItem* pItem);

private:
    void NewTree();

    std::unique_ptr<CBrowserHost> m_pOwnHost;
    CBrowserHost* m_pHost;
    std::unique_ptr<CTreeFolder> m_pRoot;
    CString m_strPathName;
    BOOL m_bModified = FALSE;
};
