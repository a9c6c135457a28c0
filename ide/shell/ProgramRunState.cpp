#include "ProgramRunState.h"

void CProgramRunState::Clear()
{
    m_nInputRead = m_nInputWrite = m_nOutputRead = m_nOutputWrite = -1;
    m_nProcess = 0;
    m_bBusy = FALSE;
    m_bCloseAfterExit = FALSE;
    m_bUserAbort = FALSE;
    m_pMainFrame = nullptr;
    m_pInputWindow = nullptr;
}

CString CProgramRunState::Dump() const
{
    CString str;
    str.Format("program run: input %d/%d output %d/%d process %d busy %d close after exit %d user abort %d\n",
               m_nInputRead, m_nInputWrite, m_nOutputRead, m_nOutputWrite, static_cast<int>(m_nProcess),
               m_bBusy.load(), m_bCloseAfterExit.load(), m_bUserAbort.load());
    return str;
}
