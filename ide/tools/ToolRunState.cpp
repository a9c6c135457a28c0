#include "ToolRunState.h"

void CToolRunState::Clear()
{
    m_nRedirectFd = -1;
    m_strRedirectPath.Empty();
    m_nProcess = 0;
    m_bRunning = FALSE;
    m_bRedirectOpen = FALSE;
    m_bUserAbort = FALSE;
    m_bExitRequested = FALSE;
    m_hMainFrame = CWindowHandle();
    m_nContinuation = 0;
    m_strSourcePath.Empty();
    m_bSequence = FALSE;
    m_nExitCode = -1;
}

CString CToolRunState::Dump() const
{
    CString str;
    str.Format("tool run: redirect fd %d path \"%s\" process %d running %d redirect open %d user abort %d "
               "exit requested %d continuation %d source \"%s\" sequence %d exit %d\n",
               m_nRedirectFd, m_strRedirectPath.c_str(), static_cast<int>(m_nProcess.load()), m_bRunning.load(),
               m_bRedirectOpen, m_bUserAbort.load(), m_bExitRequested.load(), m_nContinuation,
               m_strSourcePath.c_str(), m_bSequence, m_nExitCode.load());
    return str;
}
