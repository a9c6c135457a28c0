#include "Document.h"

#include <algorithm>

void CDocument::SetPathName(const char* pszPath)
{
    m_strPathName = pszPath ? pszPath : "";
    int nSlash = m_strPathName.ReverseFind('/');
    SetTitle(nSlash < 0 ? m_strPathName.c_str() : m_strPathName.Mid(nSlash + 1).c_str());
}

void CDocument::SetTitle(const char* pszTitle)
{
    m_strTitle = pszTitle ? pszTitle : "";
    NotifyChanged();
}

void CDocument::SetModifiedFlag(BOOL bModified)
{
    bModified = bModified ? TRUE : FALSE;
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    NotifyChanged();
}

void CDocument::AddView(void* pView)
{
    if (!m_viewList.Find(pView))
        m_viewList.AddTail(pView);
}

void CDocument::RemoveView(void* pView)
{
    if (POSITION pos = m_viewList.Find(pView))
        m_viewList.RemoveAt(pos);
}

void CDocument::AddObserver(IDocumentObserver* pObserver)
{
    if (std::find(m_observers.begin(), m_observers.end(), pObserver) == m_observers.end())
        m_observers.push_back(pObserver);
}

void CDocument::RemoveObserver(IDocumentObserver* pObserver)
{
    m_observers.erase(std::remove(m_observers.begin(), m_observers.end(), pObserver), m_observers.end());
}

void CDocument::NotifyChanged()
{
    std::vector<IDocumentObserver*> observers = m_observers;
    for (IDocumentObserver* pObserver : observers)
        pObserver->OnDocumentChanged(this);
}
