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
    BOOL GetFileNames(BOOL bOpen, const char* pszTitle, const char* pszDefExt, const char* pszFilter,
                      const char* pszFolder, DWORD nFlags, CStringArray& arrPaths) override;
    BOOL GetFolderName(const char* pszTitle, const char* pszStart, CString& strFolder) override;

    // Queues the answer for the next message box.
    void Answer(int nAnswer) { m_answers.push_back(nAnswer); }
    // Queues the paths the next file dialog returns; an empty list cancels it.
    void AnswerFiles(std::vector<CString> paths) { m_fileAnswers.push_back(std::move(paths)); }

    // Queues the folder the next folder dialog returns; an empty text cancels it.
    void AnswerFolder(const char* pszFolder) { m_folderAnswers.push_back(CString(pszFolder)); }

    struct FolderDialog {
        CString strTitle, strStart;
    };
    std::vector<FolderDialog> m_folderDialogs;  // every folder dialog, in order (unanswered ones cancel)

    struct FileDialog {
        BOOL bOpen;
        CString strTitle, strDefExt, strFilter, strFolder;
        DWORD nFlags;
    };
    std::vector<FileDialog> m_fileDialogs;  // every file dialog, in order (unanswered ones cancel)

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
    std::deque<std::vector<CString>> m_fileAnswers;
    std::deque<CString> m_folderAnswers;
    CUserInterface* m_pPrevious;
};
