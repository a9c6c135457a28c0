#include "Debugger.h"

#include "ClassIndex.h"
#include "DebuggerHost.h"
#include "DebuggerRunState.h"
#include "MethodLines.h"
#include "RunMessages.h"

#include <algorithm>
#include <cstring>

namespace {

// Text gathered for the stop parser beyond this is program output: only its end is kept.
constexpr int STOP_TEXT_LIMIT = 64 * 1024;

}  // namespace

CDebugger::CDebugger(CDebuggerHost& host, CDebuggerRunState* pRecord, std::function<BOOL(const char*)> fnSend,
                     std::vector<CBreakpoint> initial)
    : m_host(host), m_pRecord(pRecord), m_fnSend(std::move(fnSend)), m_initial(std::move(initial))
{
}

CDebugger::~CDebugger()
{
    DestroyWindow();
}

CString CDebugger::Place(const CString& strClass, int nLine)
{
    CString str;
    str.Format("%s:%d", strClass.c_str(), nLine);
    return str;
}

LRESULT CDebugger::OnWindowMessage(UINT nMsg, WPARAM, LPARAM lParam)
{
    switch (nMsg) {
    case WM_OUTPUT_CHUNK:
        if (const auto* pChunk = reinterpret_cast<const COutputChunk*>(lParam))
            OnChunk(pChunk->m_pBytes, static_cast<int>(pChunk->m_nCount));
        return 1;
    case WM_CLOSE:
        ClearCurrentStop();
        m_bAtBreak = FALSE;
        m_host.ShowDebugWindow();
        if (m_fnChanged)
            m_fnChanged();
        return 1;
    default:
        return 0;
    }
}

BOOL CDebugger::Send(const CString& strCommand)
{
    if (strCommand.GetLength() > MAX_COMMAND) {
        m_host.WriteDebugOutput("The command is longer than 99 characters and was not sent.\n");
        return FALSE;
    }
    if (m_bAwaitPrompt) {
        m_strHeld = strCommand;
        return TRUE;
    }
    return Write(strCommand);
}

BOOL CDebugger::Write(const CString& strCommand)
{
    m_strAnswer.Empty();
    m_sent.push_back(strCommand);
    const BOOL bSent = m_fnSend ? m_fnSend(strCommand) : FALSE;
    if (m_fnChanged)
        m_fnChanged();
    return bSent;
}

// ---------------------------------------------------------------------------
// Output chunks

void CDebugger::OnChunk(const char* pBytes, int nCount)
{
    if (!pBytes || nCount <= 0)
        return;
    // The buffer holds the latest chunk, after the rest of a stop that came in pieces.
    int nKept = m_bPartialStop ? static_cast<int>(std::strlen(m_buffer)) : 0;
    m_bPartialStop = FALSE;
    const int nCopy = std::min(nCount, BUFFER_SIZE - 1 - nKept);
    if (nCopy > 0) {
        std::memcpy(m_buffer + nKept, pBytes, static_cast<size_t>(nCopy));
        nKept += nCopy;
    } else {
        nKept = std::min(nCount, BUFFER_SIZE - 1);
        std::memcpy(m_buffer, pBytes, static_cast<size_t>(nKept));
    }
    m_buffer[nKept] = '\0';

    const CString strChunk(pBytes, nCount);
    m_host.WriteDebugOutput(strChunk);
    m_strAnswer += strChunk;
    m_strStopText += strChunk;
    if (m_strStopText.GetLength() > STOP_TEXT_LIMIT)
        m_strStopText = m_strStopText.Right(STOP_TEXT_LIMIT / 2);

    if (m_bAwaitPrompt && !CStopParser::EndsWithPrompt(m_strAnswer)) {
        // The rest of a stop: a held command's state must not read it.
        if (!m_strHeld.IsEmpty()) {
            if (m_fnChanged)
                m_fnChanged();
            return;
        }
    } else if (m_bAwaitPrompt) {
        m_bAwaitPrompt = FALSE;
        if (!m_strHeld.IsEmpty()) {
            // This chunk ended the stop; the held command's answer comes next.
            CString strHeld = m_strHeld;
            m_strHeld.Empty();
            m_strStopText.Empty();
            Write(strHeld);
            if (m_fnChanged)
                m_fnChanged();
            return;
        }
    }

    switch (m_nState) {
    case STATE_INITIAL_BREAKPOINTS:
    case STATE_SET_BREAKPOINT:
        if (CStopParser::EndsWithPrompt(m_strAnswer))
            OnBreakpointAnswer();
        break;
    case STATE_CLEAR_BREAKPOINT:
        if (CStopParser::EndsWithPrompt(m_strAnswer))
            OnClearAnswer();
        break;
    case STATE_RUNNING:
        if (m_pRecord)
            m_pRecord->m_bReady = TRUE;
        ParseStops();
        break;
    case STATE_PRINT:
    case STATE_LISTING:
        // A listing ends with the prompt that follows it.
        if (CStopParser::EndsWithPrompt(m_strAnswer))
            EnterRunning();
        break;
    case STATE_STEP_SET:
    case STATE_STEP_CONT:
        OnStepSetAnswer();
        break;
    case STATE_STEP_WAIT:
        ParseStops();
        break;
    default:
        break;
    }

    if (!m_bFirstPrompt && m_strAnswer.GetLength() >= 2 && m_strAnswer.Right(2) == "> ")
        OnFirstPrompt();
    if (m_fnChanged)
        m_fnChanged();
}

void CDebugger::OnFirstPrompt()
{
    m_bFirstPrompt = TRUE;
    m_strStopText.Empty();
    if (m_nNextInitial < m_initial.size()) {
        m_nState = STATE_INITIAL_BREAKPOINTS;
        SendNextInitialBreakpoint();
    } else {
        m_nState = STATE_RUNNING;
        Send("run");
    }
}

void CDebugger::SendNextInitialBreakpoint()
{
    const CBreakpoint& entry = m_initial[m_nNextInitial++];
    m_strLastClass = entry.m_strClass;
    m_nLastLine = entry.m_nLine;
    Send("stop at " + Place(m_strLastClass, m_nLastLine));
}

void CDebugger::OnBreakpointAnswer()
{
    if (!CStopParser::IsBreakpointSet(m_strAnswer))
        m_host.WriteDebugOutput("Error setting breakpoint " + Place(m_strLastClass, m_nLastLine) + "\n");
    m_strStopText.Empty();
    if (m_nState == STATE_INITIAL_BREAKPOINTS) {
        if (m_nNextInitial < m_initial.size()) {
            SendNextInitialBreakpoint();
            return;
        }
        m_nState = STATE_RUNNING;
        Send("run");
        return;
    }
    EnterRunning();
}

void CDebugger::OnClearAnswer()
{
    if (!CStopParser::IsBreakpointCleared(m_strAnswer))
        m_host.WriteDebugOutput("Error clearing breakpoint " + Place(m_strLastClass, m_nLastLine) + "\n");
    m_strStopText.Empty();
    EnterRunning();
}

void CDebugger::EnterRunning()
{
    m_nState = STATE_RUNNING;
    FlushPending();
}

void CDebugger::FlushPending()
{
    if (m_pending.empty() || m_nState != STATE_RUNNING)
        return;
    CPendingBreakpoint pending = m_pending.front();
    m_pending.pop_front();
    if (pending.m_bSet)
        SetBreakpoint(pending.m_strClass, pending.m_nLine);
    else
        ClearBreakpoint(pending.m_strClass, pending.m_nLine);
}

// ---------------------------------------------------------------------------
// Stops

void CDebugger::ParseStops()
{
    // Breakpoints that could not be set when their class was loaded are reported.
    CString strPlace;
    int nEnd = 0;
    while (CStopParser::FindDeferredFailure(m_strStopText, strPlace, nEnd)) {
        m_host.WriteDebugOutput("Error setting breakpoint " + strPlace + "\n");
        m_strStopText = m_strStopText.Mid(nEnd);
    }
    for (;;) {
        CDebuggerStop stop;
        int nStart = 0;
        const CStopParser::EResult nResult = CStopParser::FindStop(m_strStopText, stop, nStart);
        if (nResult == CStopParser::STOP_NONE) {
            m_strStopText = m_strStopText.Right(CStopParser::KeepTail(m_strStopText));
            return;
        }
        if (nResult == CStopParser::STOP_PARTIAL) {
            // The next chunk completes it: the buffer keeps this one.
            m_bPartialStop = TRUE;
            m_strStopText = m_strStopText.Mid(nStart);
            return;
        }
        m_strStopText = m_strStopText.Mid(stop.m_nEnd);
        m_bAwaitPrompt = !CStopParser::EndsWithPrompt(m_strStopText);
        if (m_nState == STATE_STEP_WAIT) {
            // The temporary breakpoint has served; its answer is awaited before anything else is sent.
            ClearCurrentStop();
            m_strLastClass = m_strStepClass;
            m_nLastLine = m_nStepLine;
            m_nState = STATE_CLEAR_BREAKPOINT;
            OnStop(stop);
            Send("clear " + Place(m_strStepClass, m_nStepLine));
            return;
        }
        OnStop(stop);
        if (m_nState != STATE_RUNNING)
            return;
    }
}

void CDebugger::OnStop(const CDebuggerStop& stop)
{
    m_bAtBreak = TRUE;
    if (m_pRecord)
        m_pRecord->m_bReady = TRUE;
    if (m_bSkipPackages) {
        const CClassIndex* pIndex = m_host.GetClassIndex();
        CString strShort = stop.m_strClass.Mid(stop.m_strClass.ReverseFind('.') + 1);
        if (pIndex && (pIndex->FindClass(stop.m_strClass) || pIndex->FindClass(strShort))) {
            Send("step");
            return;
        }
    }
    m_bSkipPackages = FALSE;
    if (stop.m_nLine > 0 && m_host.ShowStop(stop.m_strClass, stop.m_nLine)) {
        m_strStopClass = stop.m_strClass;
        m_nStopLine = stop.m_nLine;
    } else {
        m_strStopClass.Empty();
        m_nStopLine = 0;
    }
}

void CDebugger::ClearCurrentStop()
{
    m_host.ClearStop();
    m_strStopClass.Empty();
    m_nStopLine = 0;
}

// ---------------------------------------------------------------------------
// Step over

BOOL CDebugger::StepOver()
{
    if (!m_bAtBreak || m_strStopClass.IsEmpty())
        return FALSE;
    int nFirst = 0, nLast = 0;
    CString strPath = m_host.FindClassSource(m_strStopClass);
    if (strPath.IsEmpty() || !CMethodLines::FindInFile(strPath, m_nStopLine, nFirst, nLast)) {
        ClearCurrentStop();
        return FALSE;
    }
    m_nStepLastLine = nLast;
    m_strStepClass = m_strStopClass;
    m_nReturnState = m_nState;
    m_bStepClearing = FALSE;
    TryNextStepLine();
    return m_nState == STATE_STEP_SET;
}

void CDebugger::TryNextStepLine()
{
    if (m_nStepLastLine > m_nStopLine + 1) {
        ++m_nStopLine;
        m_nStepLine = m_nStopLine;
        m_nState = STATE_STEP_SET;
        Send("stop at " + Place(m_strStepClass, m_nStepLine));
        return;
    }
    m_nState = m_nReturnState;
    ClearCurrentStop();
    FlushPending();
}

void CDebugger::OnStepSetAnswer()
{
    const BOOL bEnded = CStopParser::EndsWithPrompt(m_strAnswer);
    if (m_bStepClearing) {
        if (bEnded) {
            m_bStepClearing = FALSE;
            TryNextStepLine();
        }
        return;
    }
    if (m_nState == STATE_STEP_CONT || CStopParser::IsBreakpointSet(m_strAnswer)) {
        if (!bEnded) {
            m_nState = STATE_STEP_CONT;
            return;
        }
        m_nState = STATE_STEP_WAIT;
        SendResume("cont");
        m_bAtBreak = FALSE;
        return;
    }
    if (!bEnded)
        return;
    if (CStopParser::IsNoCode(m_strAnswer)) {
        // Nothing was set on a line without code: the line after it is tried.
        TryNextStepLine();
        return;
    }
    m_bStepClearing = TRUE;
    Send("clear " + Place(m_strStepClass, m_nStepLine));
}

// ---------------------------------------------------------------------------
// Commands

BOOL CDebugger::SendResume(const char* pszCommand)
{
    m_host.ClearStop();
    m_strStopText.Empty();
    return Send(pszCommand);
}

BOOL CDebugger::Run()
{
    m_nState = STATE_RUNNING;
    return Send("run");
}

BOOL CDebugger::Cont()
{
    m_bAtBreak = FALSE;
    m_bSkipPackages = FALSE;
    return SendResume("cont");
}

BOOL CDebugger::Step()
{
    m_bSkipPackages = FALSE;
    return SendResume("step");
}

BOOL CDebugger::StepOverPackages()
{
    m_bSkipPackages = TRUE;
    return SendResume("step");
}

BOOL CDebugger::Exit()
{
    m_host.ClearStop();
    return Send("exit");
}

BOOL CDebugger::Locals()
{
    m_nState = STATE_LISTING;
    return Send("locals");
}

BOOL CDebugger::Memory()
{
    m_nState = STATE_LISTING;
    return Send("memory");
}

BOOL CDebugger::Threads()
{
    m_nState = STATE_LISTING;
    return Send("threads");
}

BOOL CDebugger::WhereAll()
{
    m_nState = STATE_LISTING;
    return Send("where all");
}

BOOL CDebugger::SetBreakpoint(const char* pszClass, int nLine)
{
    if (m_nState == STATE_NONE || m_nState == STATE_INITIAL_BREAKPOINTS) {
        // Not running yet: it goes with the initial ones.
        for (size_t i = m_nNextInitial; i < m_initial.size(); ++i)
            if (m_initial[i].m_strClass == pszClass && m_initial[i].m_nLine == nLine)
                return FALSE;
        CBreakpoint entry;
        entry.m_strClass = pszClass;
        entry.m_nLine = static_cast<WORD>(nLine);
        m_initial.push_back(entry);
        return TRUE;
    }
    if (m_nState != STATE_RUNNING) {
        m_pending.push_back({TRUE, CString(pszClass), nLine});
        return TRUE;
    }
    m_strLastClass = pszClass;
    m_nLastLine = nLine;
    m_nState = STATE_SET_BREAKPOINT;
    // No initial breakpoint is sent after this one.
    m_nNextInitial = m_initial.size();
    return Send("stop at " + Place(m_strLastClass, nLine));
}

BOOL CDebugger::ClearBreakpoint(const char* pszClass, int nLine)
{
    if (m_nState == STATE_NONE || m_nState == STATE_INITIAL_BREAKPOINTS) {
        for (size_t i = m_nNextInitial; i < m_initial.size(); ++i)
            if (m_initial[i].m_strClass == pszClass && m_initial[i].m_nLine == nLine) {
                m_initial.erase(m_initial.begin() + static_cast<long>(i));
                return TRUE;
            }
        if (m_nState == STATE_NONE)
            return FALSE;
        m_pending.push_back({FALSE, CString(pszClass), nLine});
        return TRUE;
    }
    if (m_nState != STATE_RUNNING) {
        m_pending.push_back({FALSE, CString(pszClass), nLine});
        return TRUE;
    }
    m_strLastClass = pszClass;
    m_nLastLine = nLine;
    m_nState = STATE_CLEAR_BREAKPOINT;
    return Send("clear " + Place(m_strLastClass, nLine));
}

BOOL CDebugger::Print(const char* pszName)
{
    if (!m_bAtBreak || !pszName || !*pszName)
        return FALSE;
    CString strHeader;
    strHeader.Format("------------- Print %s --------------\n", pszName);
    m_host.WriteDebugOutput(strHeader);
    m_nState = STATE_PRINT;
    return Send(CString("print ") + pszName);
}

BOOL CDebugger::TypedCommand(const char* pszText)
{
    CString strText(pszText);
    strText.Trim();
    if (!m_bAtBreak || strText.IsEmpty())
        return FALSE;
    BOOL bSent;
    if (strText.CompareNoCase("cont") == 0) {
        bSent = Cont();
    } else if (strText.CompareNoCase("step") == 0) {
        bSent = Step();
    } else if (strText.CompareNoCase("exit") == 0 || strText.CompareNoCase("quit") == 0) {
        bSent = Exit();
    } else if (strText.CompareNoCase("locals") == 0) {
        bSent = Locals();
    } else if (strText.CompareNoCase("memory") == 0) {
        bSent = Memory();
    } else {
        CString strLower = strText;
        strLower.MakeLower();
        if (strLower.Find("print") >= 0) {
            if (strText.GetLength() > MAX_COMMAND)
                return Send(strText);
            CString strHeader;
            strHeader.Format("------------- %s --------------\n", strText.c_str());
            m_host.WriteDebugOutput(strHeader);
            m_nState = STATE_PRINT;
        }
        bSent = Send(strText);
    }
    if (bSent) {
        m_history.erase(std::remove(m_history.begin(), m_history.end(), strText), m_history.end());
        m_history.insert(m_history.begin(), strText);
    }
    return bSent;
}

CString CDebugger::Dump() const
{
    CString str;
    str.Format("state: %d\nfirst prompt: %d\nat break: %d\npartial stop: %d\nskip packages: %d\nstop: %s:%d\n"
               "last breakpoint: %s:%d\ninitial: %d of %d sent\nstep over: %s:%d last %d return %d\n",
               m_nState, m_bFirstPrompt, m_bAtBreak, m_bPartialStop, m_bSkipPackages, m_strStopClass.c_str(),
               m_nStopLine, m_strLastClass.c_str(), m_nLastLine, static_cast<int>(m_nNextInitial),
               static_cast<int>(m_initial.size()), m_strStepClass.c_str(), m_nStepLine, m_nStepLastLine,
               m_nReturnState);
    return str;
}
