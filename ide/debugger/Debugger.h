// CDebugger: the debugger window of one redirected debugger run. It takes
// the debugger's output chunk by chunk (WM_OUTPUT_CHUNK) on the
// user-interface thread, shows it in the debug page, and drives the
// debugger one command at a time by what it expects next: the initial
// breakpoints of the project sent one after another once the first prompt
// came, then "run"; stops parsed and shown in the source; breakpoints set
// and cleared on request; listings; and a step over built from temporary
// breakpoints on the following lines of the current method. The close
// message (WM_CLOSE, from the run's reader once the process has ended)
// shows the debug page and tells the host.
#pragma once

#include "BreakpointSet.h"
#include "MessageWindow.h"
#include "StopParser.h"
#include "String.h"

#include <deque>
#include <functional>
#include <vector>

class CDebuggerHost;
class CDebuggerRunState;

class CDebugger : public CMessageWindow {
public:
    // What the debugger is expected to answer next.
    enum EState {
        STATE_NONE = 0,            // before the first prompt
        STATE_INITIAL_BREAKPOINTS = 1,
        STATE_RUNNING = 2,         // running or idle: stops are parsed
        STATE_SET_BREAKPOINT = 3,
        STATE_CLEAR_BREAKPOINT = 4,
        STATE_PRINT = 5,
        STATE_LISTING = 6,
        STATE_STEP_SET = 7,        // step over: temporary breakpoint being set
        STATE_STEP_CONT = 8,       // step over: "cont" goes once the answer has ended
        STATE_STEP_WAIT = 9,       // step over: waiting for the stop
    };
    static constexpr int BUFFER_SIZE = 3000;   // the latest chunk kept, NUL included
    static constexpr int MAX_COMMAND = 99;     // longer commands are refused

    // fnSend writes one command line to the debugger (the text and a line
    // feed); pRecord (may be null) gets the ready flag; initial lists the
    // project's breakpoints in table order. host and pRecord must outlive the window.
    CDebugger(CDebuggerHost& host, CDebuggerRunState* pRecord, std::function<BOOL(const char*)> fnSend,
              std::vector<CBreakpoint> initial);
    ~CDebugger() override;

    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    // One chunk of the debugger's output (what WM_OUTPUT_CHUNK carries).
    void OnChunk(const char* pBytes, int nCount);

    // ---- Commands; each sends one line (FALSE when nothing was sent).
    BOOL Run();
    BOOL Cont();
    BOOL Step();
    // "step" repeated while the stops lie in classes of the package index.
    BOOL StepOverPackages();
    // The next line of the current method through a temporary breakpoint;
    // on the method's last lines nothing is sent and the stop is cleared.
    BOOL StepOver();
    BOOL Exit();
    BOOL Locals();
    BOOL Memory();
    BOOL Threads();
    BOOL WhereAll();
    // F9 while the debugger runs; sent at once when no answer is awaited, else as soon as it has come.
    BOOL SetBreakpoint(const char* pszClass, int nLine);
    BOOL ClearBreakpoint(const char* pszClass, int nLine);
    // At a break only: "print <name>".
    BOOL Print(const char* pszName);
    // The text of the command box, at a break only (ignored while the
    // program runs): the known commands by name (any case), any text with
    // "print" as a print, the rest as typed. Added to the history when sent.
    BOOL TypedCommand(const char* pszText);

    // ---- State
    int GetState() const { return m_nState; }
    BOOL IsAtBreak() const { return m_bAtBreak; }
    BOOL IsFirstPromptSeen() const { return m_bFirstPrompt; }
    BOOL IsSkippingPackages() const { return m_bSkipPackages; }
    // The current stop; empty class when none (or outside the project).
    const CString& GetStopClass() const { return m_strStopClass; }
    int GetStopLine() const { return m_nStopLine; }
    // The latest chunk as the buffer holds it.
    const char* GetBuffer() const { return m_buffer; }
    // Every command line sent, oldest first (without the line feed).
    const std::vector<CString>& GetSentCommands() const { return m_sent; }
    // Typed commands that were sent, newest first.
    const std::vector<CString>& GetHistory() const { return m_history; }
    // Called after every chunk and command (the window brings its controls up to date).
    void SetChangeHandler(std::function<void()> fnChanged) { m_fnChanged = std::move(fnChanged); }
    // State, flags, stop and step-over data, one per line.
    CString Dump() const;

private:
    BOOL Send(const CString& strCommand);
    BOOL Write(const CString& strCommand);
    // Sends cont / step after the highlight is cleared.
    BOOL SendResume(const char* pszCommand);
    void OnFirstPrompt();
    void SendNextInitialBreakpoint();
    void OnBreakpointAnswer();
    void OnClearAnswer();
    void OnStepSetAnswer();
    // Parses the stops in the text gathered in the running states.
    void ParseStops();
    void OnStop(const CDebuggerStop& stop);
    void ClearCurrentStop();
    void TryNextStepLine();
    void EnterRunning();
    void FlushPending();
    static CString Place(const CString& strClass, int nLine);

    CDebuggerHost& m_host;
    CDebuggerRunState* m_pRecord;
    std::function<BOOL(const char*)> m_fnSend;
    std::function<void()> m_fnChanged;
    int m_nState = STATE_NONE;
    BOOL m_bFirstPrompt = FALSE;
    char m_buffer[BUFFER_SIZE] = {};
    CString m_strAnswer;          // the answer to the last command so far
    CString m_strStopText;        // text not yet parsed for a stop
    std::vector<CBreakpoint> m_initial;
    size_t m_nNextInitial = 0;
    CString m_strLastClass;       // the breakpoint sent last
    int m_nLastLine = 0;
    BOOL m_bAtBreak = FALSE;
    BOOL m_bPartialStop = FALSE;
    CString m_strStopClass;
    int m_nStopLine = 0;
    // Step over: the method's last line, the temporary breakpoint, the state to return to.
    int m_nStepLastLine = 0;
    CString m_strStepClass;
    int m_nStepLine = 0;
    int m_nReturnState = STATE_RUNNING;
    BOOL m_bStepClearing = FALSE;
    BOOL m_bSkipPackages = FALSE;
    // After a stop whose prompt has not come yet, a command waits for it:
    // the prompt belongs to the stop, not to the command's answer.
    BOOL m_bAwaitPrompt = FALSE;
    CString m_strHeld;
    std::vector<CString> m_sent;
    std::vector<CString> m_history;
    struct CPendingBreakpoint {
        BOOL m_bSet;
        CString m_strClass;
        int m_nLine;
    };
    std::deque<CPendingBreakpoint> m_pending;
};
