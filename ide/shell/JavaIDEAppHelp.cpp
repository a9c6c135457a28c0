// The application's help search indices: created and loaded on their
// threads in start-up step 12, waited for (with their abort flags set) at close.
#include "JavaIDEApp.h"

#include "SearchIndex.h"

void CJavaIDEApp::RegisterHelpIndexLoaders()
{
    m_pSystemIndex = std::make_unique<CSearchIndex>(m_DirSettings.m_HelpDirs, FALSE, TRUE);
    m_pUserIndex = std::make_unique<CSearchIndex>(m_DirSettings.m_HelpDirs, TRUE, TRUE);
    SetIndexLoader(INDEX_SYSTEM_SEARCH, [](CJavaIDEApp& app, const CString& strPath) {
        app.m_pSystemIndex->Load(strPath);
        return TRUE;   // a failed load leaves an empty index; the program goes on
    });
    SetIndexLoader(INDEX_USER_SEARCH, [](CJavaIDEApp& app, const CString& strPath) {
        app.m_pUserIndex->SetPath(strPath);
        app.m_pUserIndex->Load(strPath);
        return TRUE;
    });
}

void CJavaIDEApp::WaitForSearchIndexLoaders()
{
    for (CSearchIndex* pIndex : {m_pSystemIndex.get(), m_pUserIndex.get()})
        if (pIndex)
            pIndex->AbortLoad(CSearchIndex::LOAD_WAIT_MS);
}
