// CDocument: the framework's document basics: the path of the file shown,
// its title, the modified flag and the views showing it. Observers hear when
// the title or the modified flag changes, so that frames can show them.
#pragma once

#include "PtrList.h"
#include "String.h"

#include <vector>

class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;
    // The title or the modified flag of pDoc changed.
    virtual void OnDocumentChanged(class CDocument* pDoc) = 0;
};

class CDocument {
public:
    CDocument() = default;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;
    virtual ~CDocument() = default;

    const CString& GetPathName() const { return m_strPathName; }
    // Sets the path; the title becomes the path's file name.
    virtual void SetPathName(const char* pszPath);
    const CString& GetTitle() const { return m_strTitle; }
    // Sets the title shown by the frames (observers are told even when unchanged).
    virtual void SetTitle(const char* pszTitle);

    virtual BOOL IsModified() const { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // Views showing the document (not owned).
    void AddView(void* pView);
    void RemoveView(void* pView);
    const CPtrList& GetViews() const { return m_viewList; }

    // Observers (not owned) hear of title and modified-flag changes.
    void AddObserver(IDocumentObserver* pObserver);
    void RemoveObserver(IDocumentObserver* pObserver);

protected:
    void NotifyChanged();

    CString m_strPathName;
    CString m_strTitle;
    BOOL m_bModified = FALSE;
    CPtrList m_viewList;
    std::vector<IDocumentObserver*> m_observers;
};
