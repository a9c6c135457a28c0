// CProjectFileItem: one file of a project. Its label is the file's full
// path. Stored (schema 2, schema 1 also read): the path relative to the
// project directory, then the needs-compile mark (schema 2 only). The
// folder paths are made relative to, or read against, is the one given by
// the CProjectFileItem::CFolderScope in force.
#pragma once

#include "TreeItem.h"

#include <memory>

class CFileObject;

class CProjectFileItem : public CTreeItem {
    MOSK_DECLARE_SERIAL(CProjectFileItem)
public:
    CProjectFileItem();
    explicit CProjectFileItem(const char* pszPath);
    ~CProjectFileItem() override;

    void Serialize(CArchive& ar) override;
    void DumpTo(CString& strOut, int nIndent) const override;

    // Only a file of the open project.
    BOOL CanDelete() const override;
    // Removes the file from its project, asking whether to delete it from the disk too.
    BOOL DeleteFromProject() override;
    CString GetPathName() const override { return m_strLabel; }
    // The file name with extension.
    CString GetShownLabel() const override;
    int GetContextMenu() const override;
    int GetDoubleClickAction() const override;
    int GetImage() const override;
    CProject* GetProject() const override { return m_pProject; }
    void SetProject(CProject* pProject) override { m_pProject = pProject; }

    // The parse result of the file (owned; null until parsed).
    CFileObject* GetFileObject() const { return m_pFileObject.get(); }
    // Takes pFileObject (may be null) in place of the present parse result.
    void SetFileObject(CFileObject* pFileObject);

    BOOL m_bNeedsCompile = FALSE;  // saved since its last clean compile
    UINT m_nSchema = 2;            // the schema it was read with

    // Sets the folder that file items write their paths relative to and read
    // them against, for the lifetime of the scope (one per thread).
    class CFolderScope {
    public:
        explicit CFolderScope(const char* pszFolder);
        ~CFolderScope();
        CFolderScope(const CFolderScope&) = delete;
        CFolderScope& operator=(const CFolderScope&) = delete;

    private:
        CString m_strPrevious;
    };

protected:
    CProject* m_pProject = nullptr;  // not owned, not stored
    std::unique_ptr<CFileObject> m_pFileObject;
};
