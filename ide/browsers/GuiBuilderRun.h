// CGuiBuilderRun: starts the GUI builder ("java MGB FILE NAME KIND") for a
// resource file of the open project and follows its runs: a waiter thread
// per run tells this object on the user-interface thread when the builder
// ended; the resource is then no longer being edited, a backup of the
// generated source is removed, and a generated source the project does not
// hold yet is offered for adding. While a resource's builder runs, opening
// it again raises the builder's window when a window list can do so, else
// says "This resource is already being edited !!!". One run at a time may
// have its output captured: it goes through a pipe to the output window,
// between "GUI Builder Started..." and "GUI Builder Exit...".
#pragma once

#include "MessageWindow.h"
#include "String.h"
#include "WindowHandle.h"

#include <functional>
#include <map>
#include <memory>

class CProjectDoc;
struct CGuiBuilderProcess;

class CGuiBuilderRun : public CMessageWindow {
public:
    static constexpr UINT WM_GUI_BUILDER_ENDED = 1345;
    static constexpr UINT WM_GUI_BUILDER_CAPTURE_FREE = 1346;

    // projectDoc (not owned) must outlive the object; pszProgramFolder is the builder's working folder.
    CGuiBuilderRun(CProjectDoc& projectDoc, const char* pszProgramFolder);
    ~CGuiBuilderRun() override;

    // Where captured output goes: target gets its chunks (WM_OUTPUT_CHUNK);
    // fnShowOutput shows the output pane and clears it before a capture begins.
    void SetOutput(const CWindowHandle& target, std::function<void()> fnShowOutput);
    // Open on a resource item of the open project (pszPath): the builder for
    // its first dialog, else its first frame; bCapture (Control held): its
    // output captured. FALSE when nothing started.
    BOOL EditResource(const char* pszPath, BOOL bCapture = FALSE);
    // Open on a design node: the builder for that design directly.
    BOOL EditDesign(const char* pszPath, const char* pszName, BOOL bFrame);
    // TRUE while a builder started for pszPath runs.
    BOOL IsEditing(const char* pszPath) const;
    // Builders still running.
    int GetRunningCount() const { return static_cast<int>(m_runs.size()); }
    // TRUE while a captured run's output is being read.
    BOOL IsCaptureTaken() const { return m_bCaptureTaken; }

    // The command lines of the two starts.
    static CString ResourceCommandLine(const char* pszPath, const char* pszName, BOOL bFrame);
    static CString DesignCommandLine(const char* pszPath, const char* pszName, BOOL bFrame);

    // Raises the top-level window of that title; FALSE when none was found
    // (the default: no window list is available).
    std::function<BOOL(const CString& strTitle)> m_fnRaiseWindow;

    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL Start(const char* pszPath, const CString& strCommandLine, const char* pszStatus, const char* pszFailure,
               BOOL bCapture);
    // The reader of a captured run; FALSE when it could not start.
    BOOL StartReader(const std::shared_ptr<CGuiBuilderProcess>& pRun);
    // The builder for pszPath ended.
    void Ended(CString strPath);

    CProjectDoc& m_projectDoc;
    CString m_strProgramFolder;
    std::map<CString, std::shared_ptr<CGuiBuilderProcess>> m_runs;
    CWindowHandle m_output;
    std::function<void()> m_fnShowOutput;
    BOOL m_bCaptureTaken = FALSE;
};
