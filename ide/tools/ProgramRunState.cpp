#include "ProgramRunState.h"

void CProgramRunState::Clear()
{
    m_nInputRead = m_nInputWrite = m_nOutputRead = m_nOutputWrite = -1;
    m_nProcess = 0;
    m_bBusy = FALSE;
    m_bCloseAfterExit = FALSE;
    m_bUserAbort = FALSE;
    m_hMainFrame = CWindowHandle();
    m_hInputWindow = CWindowHandle();
    m_nExitCode = -1;
}

CString CProgramRunState::Dump() const
{
    CString str;
    str.Format("program run: input %d/%d output %d/%d process %d busy %d close after exit %d user abort %d exit %d\n",
               m_nInputRead, m_nInputWrite, m_nOutputRead, m_nOutputWrite, static_cast<int>(m_nProcess.load()),
               m_bBusy.load(), m_bCloseAfterExit.load(), m_bUserAbort.load(), m_nExitCode.load());
    return str;
}
