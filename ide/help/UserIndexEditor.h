// CUserIndexEditor: the work of the User Index dialog on the user index
// ("user.ipg"): its entries read into the sorted list when the dialog
// opens, a page's links made into the entries of a scratch index, those
// entries added, single entries removed, and the end of the dialog: OK
// tidies and saves a changed index, Cancel asks whether to keep the
// changes and saves them untidied, or reads the file back.
#pragma once

#include "SearchEntry.h"
#include "SearchIndex.h"

#include <vector>

class CHelpProgress;
class CStringArray;

class CUserIndexEditor {
public:
    // pIndex (not owned, may be null: there is no user index) must outlive the editor.
    explicit CUserIndexEditor(CSearchIndex* pIndex) : m_pIndex(pIndex) {}

    // Opening: "Wait, Loading all the user indexes....", the load waited
    // for, every entry of the file in the list, "...Done". FALSE after
    // "Error loading the indices !!!" when there is no index or its file cannot be read.
    BOOL Open();
    const CSearchIndex::CEntryList& GetEntries() const;
    // The help directory list the entries' directory numbers name.
    const CStringArray& GetHelpDirs() const;
    // The document address an entry names.
    CString GetAddress(const CSearchEntry& entry) const;

    // TRUE for a page the links are taken from (".html", ".htm", any case);
    // FALSE after "Index file has to be a HTML or HTM file !!!" otherwise.
    static BOOL CheckPage(const char* pszPath);
    // The entries of the links of page pszPage, as the page's view reports
    // them: each joined with the page's folder and made into an entry by
    // the rules of an entry from a document address, in keyword order;
    // repeats, links to the page itself and to other schemes are left out.
    void MakeScratch(const char* pszPage, const CStringArray& links, std::vector<CSearchEntry>& scratch) const;
    // OK of the scratch dialog: the entries go into the user index ("Wait,
    // adding all the new indices...", "...Done"); entries it already has are
    // refused, told once with "Error adding an index !!!". Returns how many were added.
    int AddEntries(const std::vector<CSearchEntry>& entries);
    // Removes an entry of the list; FALSE when it is not there.
    BOOL RemoveEntry(const CSearchEntry& entry);
    // Whether the dialog changed the index.
    BOOL IsChanged() const { return m_bChanged; }

    // OK: with changes, the wait cursor, "Wait, Optimizing the user
    // indexes....", the tidy step, "...Done" and the save (which reloads the
    // keyword table). FALSE when the save failed (it said why).
    BOOL Accept(CHelpProgress* pProgress = nullptr);
    // Cancel: with changes, "Please select Yes to save the changes or No to
    // Cancel the changes..." (No by default): Yes saves without tidying, No
    // reads the file back into the list. FALSE when a save failed.
    BOOL Cancel(CHelpProgress* pProgress = nullptr);
    // How many entries the last tidy step dropped.
    int GetTidied() const { return m_nTidied; }

private:
    BOOL Save(CHelpProgress* pProgress);

    CSearchIndex* m_pIndex;
    BOOL m_bChanged = FALSE;
    int m_nTidied = 0;
};
