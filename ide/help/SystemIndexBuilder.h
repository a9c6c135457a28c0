// CSystemIndexBuilder: makes search index entries from the links of HTML
// pages: the system index from the index pages of the JDK's API
// documentation (api/index-files/index-N.html, else api/index-all.html),
// and the scratch index of a user's page. Every link becomes an entry by
// the rules of an entry made from a document address, after it is joined
// with the page's folder.
#pragma once

#include "StringArray.h"

#include <atomic>
#include <string>
#include <unordered_set>

class CHelpProgress;
class CSearchIndex;

class CSystemIndexBuilder {
public:
    struct CStats {
        int nPages = 0;
        int nLinks = 0;    // links read
        int nAdded = 0;    // entries added
        int nRefused = 0;  // links refused as duplicates
        int nSkipped = 0;  // links to other schemes or to the index pages themselves
    };

    // The index pages of the documentation folder pszDocDir (the one that
    // holds "api"), in letter order; FALSE when there are none.
    static BOOL FindIndexPages(const char* pszDocDir, CStringArray& pages);
    // Adds the entries of every index page's links to index (duplicates
    // refused without a message). pAbort stops between pages; pProgress
    // counts the pages. FALSE and strError when no page can be read.
    static BOOL Build(const char* pszDocDir, CSearchIndex& index, CStats& stats, CString& strError,
                      const std::atomic<bool>* pAbort = nullptr, CHelpProgress* pProgress = nullptr);
    // Entries already made, by anchor, file and keyword without regard to
    // case and directory number. The index's own rule compares a new entry
    // only with the first entry of its keyword, which lets a page's repeated
    // links (every member's link to its class page) pile up whenever a
    // keyword names several documents; the builder refuses every repeat.
    using CSeen = std::unordered_set<std::string>;

    // The entries of the links of one page (as the page gives them) into
    // index; links into pszSkipFolder (may be empty) are left out.
    static void AddPageLinks(const char* pszPagePath, const CStringArray& links, CSearchIndex& index, CStats& stats,
                             CSeen& seen, const char* pszSkipFolder = "");
    // The documentation folder a path names: the folder given, or its parent when the path is the "api" folder.
    static CString GetDocFolder(const char* pszPath);
};
