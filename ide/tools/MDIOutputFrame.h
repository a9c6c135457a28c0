// CMDIOutputFrame: an MDI output window showing the captured output of one
// child process (a user command, the GUI builder). It owns the process and
// its view; the process's reader hands each chunk over with
// WM_OUTPUT_CHUNK. Closing it while the process runs asks first and ends
// the process.
#pragma once

#include "MessageWindow.h"
#include "ProcOutputView.h"
#include "String.h"
#include "WinTypes.h"

#include <memory>

class IRunningProcess;

class CMDIOutputFrame : public CMessageWindow {
public:
    // Construct and destroy on the user-interface thread.
    CMDIOutputFrame();
    ~CMDIOutputFrame() override;
    CMDIOutputFrame(const CMDIOutputFrame&) = delete;
    CMDIOutputFrame& operator=(const CMDIOutputFrame&) = delete;

    // Window title (the command line of the run).
    void SetTitle(const char* pszTitle) { m_strTitle = pszTitle ? pszTitle : ""; }
    const CString& GetTitle() const { return m_strTitle; }
    CProcOutputView& GetView() { return m_view; }
    const CProcOutputView& GetView() const { return m_view; }

    // Takes over the process whose output this window shows (may be null);
    // a process held before is destroyed.
    void SetProcess(std::unique_ptr<IRunningProcess> pProcess);
    IRunningProcess* GetProcess() const { return m_pProcess.get(); }

    // WM_OUTPUT_CHUNK (lParam COutputChunk*): appends the chunk's m_nCount
    // bytes to the view; returns 0. Other messages: nothing, 0.
    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // Whether the window may close: TRUE when no process runs; while one
    // runs the user is asked, Yes ends it (TRUE), No keeps the window (FALSE).
    BOOL CanClose();

    // Title, process state and the view's dump, for tests.
    CString Dump() const;

private:
    CString m_strTitle;
    CProcOutputView m_view;
    std::unique_ptr<IRunningProcess> m_pProcess;  // after the view: destroyed first
};
