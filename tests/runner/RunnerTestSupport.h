// Helpers of the runner tests: a window that records what it is sent, an
// output sink that records what is written, and waiting with the event loop.
#pragma once

#include "MessageWindow.h"
#include "RunMessages.h"
#include "RunOutput.h"
#include "RunThreads.h"

#include <functional>
#include <string>
#include <vector>

class CRecordingWindow : public CMessageWindow {
public:
    ~CRecordingWindow() override { DestroyWindow(); }
    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

    struct Message {
        UINT nMsg;
        WPARAM wParam;
        LPARAM lParam;
    };
    std::vector<Message> m_messages;   // everything but chunks
    std::vector<std::string> m_chunks;
    bool m_bChunkTerminated = true;    // every chunk had its NUL after the count
    std::function<void(UINT)> m_fnOnMessage;

    std::string AllChunks() const;
    bool HasMessage(UINT nMsg) const;
};

class CRecordingOutput : public IRunOutput {
public:
    void WriteOutput(const char* pszText) override { m_strText += pszText; }
    void ShowOutputPane() override { ++m_nShown; }
    void ClearOutput() override { m_strText.clear(); ++m_nCleared; }
    std::string m_strText;
    int m_nShown = 0;
    int m_nCleared = 0;
};

// Runs the event loop until fnDone holds or nMilliseconds pass; fnDone's last answer.
bool WaitUntil(const std::function<bool()>& fnDone, int nMilliseconds = 30000);
// Descriptors this process has open.
int CountOpenFds();
// Reaps nothing and reports whether this process still has an unreaped child.
bool HasZombieOrChild();
