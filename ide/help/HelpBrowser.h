// CHelpBrowser: the behaviour of one help view over its display component:
// every address is resolved before it is loaded (local files only, the
// file must exist, "file:" and an anchor allowed), the window's title and
// the shared history follow the shown page, and the settings are pushed
// into the component.
#pragma once

#include "String.h"

#include <functional>

class CHTMLClient;
class CHelpHistory;
class CStringArray;
class CHelpProgress;
struct CBrowserOptions;

class CHelpBrowser {
public:
    // client and history (not owned) must outlive the browser.
    CHelpBrowser(CHTMLClient& client, CHelpHistory& history, BOOL bTemporary);

    // Shows an address: "File %s not found. ..." and FALSE when its file is
    // missing; else "Loading %s", the component's load, and on success
    // "Done...", the title, the history and the last address. FALSE when the load failed.
    BOOL ShowAddress(const char* pszAddress);
    // Next and Previous: the component's own history, then title and history follow.
    void Forward();
    void Back();
    // Pushes the options into the component; empty font faces are filled from it.
    void ApplyOptions(CBrowserOptions& options);
    // The addresses of the shown page's links, in order (a progress bar beyond 50 links).
    void CollectLinks(CStringArray& links, CHelpProgress* pProgress = nullptr);

    // The file part of an address that exists: "file:" dropped, cut before "#"; empty when missing.
    static CString ResolveAddress(const char* pszAddress);
    // The title of a shown address: the file name with extension.
    static CString TitleOf(const char* pszAddress);

    const CString& GetTitle() const { return m_strTitle; }
    const CString& GetLastAddress() const { return m_strLastAddress; }
    BOOL IsTemporary() const { return m_bTemporary; }
    // Called after the title changed (the window shows it).
    void SetTitleChanged(std::function<void()> fn) { m_fnTitleChanged = std::move(fn); }

private:
    void Shown(const CString& strAddress);

    CHTMLClient& m_client;
    CHelpHistory& m_history;
    BOOL m_bTemporary;
    CString m_strLastAddress;
    CString m_strTitle;
    std::function<void()> m_fnTitleChanged;
};
