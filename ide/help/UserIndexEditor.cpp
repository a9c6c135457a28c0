#include "UserIndexEditor.h"

#include "StringArray.h"
#include "SystemIndexBuilder.h"
#include "UserInterface.h"

#include <cstring>

namespace {

const CSearchIndex::CEntryList s_noEntries;
const CStringArray s_noDirs;

} // namespace

BOOL CUserIndexEditor::Open()
{
    CUserInterface& ui = CUserInterface::Get();
    ui.SetStatusText("Wait, Loading all the user indexes....");
    if (!m_pIndex || !m_pIndex->WaitForLoad() || !m_pIndex->LoadList()) {
        AfxMessageBox("Error loading the indices !!!");
        return FALSE;
    }
    m_bChanged = FALSE;
    ui.SetStatusText("Wait, Loading all the user indexes....Done");
    return TRUE;
}

const CSearchIndex::CEntryList& CUserIndexEditor::GetEntries() const
{
    return m_pIndex ? m_pIndex->GetList() : s_noEntries;
}

const CStringArray& CUserIndexEditor::GetHelpDirs() const
{
    return m_pIndex ? m_pIndex->GetHelpDirs() : s_noDirs;
}

CString CUserIndexEditor::GetAddress(const CSearchEntry& entry) const
{
    return m_pIndex ? entry.GetAddress(m_pIndex->GetHelpDirs()) : CString();
}

BOOL CUserIndexEditor::CheckPage(const char* pszPath)
{
    CString strPath(pszPath);
    for (const char* pszExt : {".html", ".htm"}) {
        int nLength = static_cast<int>(std::strlen(pszExt));
        if (strPath.GetLength() > nLength && strPath.Right(nLength).CompareNoCase(pszExt) == 0)
            return TRUE;
    }
    AfxMessageBox("Index file has to be a HTML or HTM file !!!");
    return FALSE;
}

void CUserIndexEditor::MakeScratch(const char* pszPage, const CStringArray& links,
                                   std::vector<CSearchEntry>& scratch) const
{
    scratch.clear();
    if (!m_pIndex)
        return;
    CSearchIndex index(m_pIndex->GetHelpDirs(), TRUE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CSystemIndexBuilder::CSeen seen;
    CSystemIndexBuilder::AddPageLinks(pszPage, links, index, stats, seen);
    scratch.assign(index.GetList().begin(), index.GetList().end());
}

int CUserIndexEditor::AddEntries(const std::vector<CSearchEntry>& entries)
{
    if (!m_pIndex)
        return 0;
    CUserInterface& ui = CUserInterface::Get();
    ui.SetStatusText("Wait, adding all the new indices...");
    int nAdded = 0;
    for (const CSearchEntry& entry : entries)
        if (m_pIndex->AddEntry(entry, FALSE))
            ++nAdded;
    if (nAdded > 0)
        m_bChanged = TRUE;
    ui.SetStatusText("Wait, adding all the new indices...Done");
    if (nAdded < static_cast<int>(entries.size()))
        AfxMessageBox("Error adding an index !!!");
    return nAdded;
}

BOOL CUserIndexEditor::RemoveEntry(const CSearchEntry& entry)
{
    if (!m_pIndex || !m_pIndex->RemoveEntry(entry))
        return FALSE;
    m_bChanged = TRUE;
    return TRUE;
}

BOOL CUserIndexEditor::Save(CHelpProgress* pProgress)
{
    if (!m_pIndex->SaveChanged(pProgress))
        return FALSE;
    m_bChanged = FALSE;
    return TRUE;
}

BOOL CUserIndexEditor::Accept(CHelpProgress* pProgress)
{
    m_nTidied = 0;
    if (!m_bChanged || !m_pIndex)
        return TRUE;
    CUserInterface& ui = CUserInterface::Get();
    ui.SetWaitCursor(TRUE);
    ui.SetStatusText("Wait, Optimizing the user indexes....");
    m_nTidied = m_pIndex->Tidy();
    ui.SetStatusText("Wait, Optimizing the user indexes....Done");
    BOOL bSaved = Save(pProgress);
    ui.SetWaitCursor(FALSE);
    return bSaved;
}

BOOL CUserIndexEditor::Cancel(CHelpProgress* pProgress)
{
    if (!m_bChanged || !m_pIndex)
        return TRUE;
    int nAnswer = AfxMessageBox("Please select Yes to save the changes or No to Cancel the changes...",
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (nAnswer == IDYES)
        return Save(pProgress);
    m_bChanged = FALSE;
    // The list goes back to what the file holds.
    m_pIndex->LoadList();
    return TRUE;
}
