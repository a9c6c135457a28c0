// CScriptedUserInterface: the human at the seams, scripted for tests. It
// records every message box text with its type and answers from a queue of
// prepared answers (the default button when the queue is empty). Installs
// itself for its lifetime.
#pragma once

#include "UserInterface.h"

#include <deque>
#include <vector>

class CScriptedUserInterface : public CUserInterface {
public:
    CScriptedUserInterface();
    ~CScriptedUserInterface() override;

    int MessageBox(const char* pszText, UINT nType) override;
    BOOL SetClipboardText(const char* pszText) override;
    BOOL GetClipboardText(CString& strText) override;
    void SetStatusText(const char* pszText) override;
    void SetWaitCursor(BOOL bWait) override;
    void Beep() override { ++m_nBeeps; }

    // Queues the answer for the next message box.
    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }

    struct Shown {
        CString strText;
        UINT nType;
    };
    std::vector<Shown> m_shown;          // every message box, in order
    std::vector<CString> m_statusTexts;  // every status text, in order
    CString m_strClipboard;
    bool m_bClipboardHasText = false;
    bool m_bClipboardFails = false;      // set to make the clipboard unavailable
    int m_nWaitDepth = 0;
    int m_nBeeps = 0;

private:
    std::deque<int> m_answers;
    CUserInterface* m_pPrevious;
};
