#include "DebuggerRunState.h"

void CDebuggerRunState::Clear()
{
    m_nInputRead = m_nInputWrite = m_nOutputRead = m_nOutputWrite = -1;
    m_nProcess = 0;
    m_nThreadId = 0;
    m_pMainFrame = nullptr;
    m_pDebuggerWindow = nullptr;
    m_bRunning = FALSE;
    m_bCloseAfterExit = FALSE;
    m_bAborted = FALSE;
    m_bReady = TRUE;
    m_bCloseHandles = FALSE;
    m_nMode = 0;
}

CString CDebuggerRunState::Dump() const
{
    CString str;
    str.Format("debugger run: input %d/%d output %d/%d process %d thread %ld running %d close after exit %d "
               "aborted %d ready %d close handles %d mode %d\n",
               m_nInputRead, m_nInputWrite, m_nOutputRead, m_nOutputWrite, static_cast<int>(m_nProcess),
               m_nThreadId, m_bRunning.load(), m_bCloseAfterExit.load(), m_bAborted.load(), m_bReady.load(),
               m_bCloseHandles, m_nMode);
    return str;
}
