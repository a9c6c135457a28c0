// CHelpSearchDlg: the modeless help search dialog: a text field, the tabs
// "JDK" and "User" with the keywords of the system and user indices, and
// the topics of the selected keyword. Typing selects the first keyword
// that begins with the text and lists its topics; a single topic opens at
// once. A double click on a topic, or Enter with one selected, opens it.
#pragma once

#include "HelpSearch.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QListWidget;
class QTabWidget;

class CHelpSearchDlg : public QDialog {
    Q_OBJECT
public:
    // The indices (not owned, may be null) must outlive the dialog.
    CHelpSearchDlg(CSearchIndex* pSystem, CSearchIndex* pUser, QWidget* pParent = nullptr);

    // fn shows an address in the help window; FALSE when it could not.
    void SetOpenHandler(std::function<BOOL(const CString&)> fn) { m_fnOpen = std::move(fn); }
    // Help Search: waits for both loads, fills the keyword lists once, shows the dialog centred with the focus on the text.
    void ShowSearch();
    // Refills the keyword lists from the indices (after a load or a change).
    void FillKeywords();
    // The typing rule for strText (what a change of the text field runs).
    void OnTextChanged(const QString& strText);
    // Opens the selected topic: the dialog hides, and shows again when the address could not be shown.
    void OpenSelectedTopic();

    QLineEdit* GetTextField() const { return m_pText; }
    QTabWidget* GetTabs() const { return m_pTabs; }
    QListWidget* GetKeywordList(int nTab) const { return m_pKeywords[nTab]; }
    QListWidget* GetTopicList() const { return m_pTopics; }
    const CStringArray& GetAddresses() const { return m_addresses; }

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;

private:
    void ShowResult(const CHelpSearch::CResult& result);

    CHelpSearch m_search;
    std::function<BOOL(const CString&)> m_fnOpen;
    QLineEdit* m_pText;
    QTabWidget* m_pTabs;
    QListWidget* m_pKeywords[2];
    QListWidget* m_pTopics;
    CStringArray m_addresses;  // the hidden list of the topics' addresses
    bool m_bFilled = false;
};
