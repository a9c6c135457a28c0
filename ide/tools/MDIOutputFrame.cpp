#include "MDIOutputFrame.h"

#include "RunMessages.h"
#include "RunningProcess.h"
#include "UserInterface.h"

CMDIOutputFrame::CMDIOutputFrame() = default;

CMDIOutputFrame::~CMDIOutputFrame()
{
    // No chunk may reach the view while the members go; a reader waiting on
    // one is released instead.
    DestroyWindow();
}

void CMDIOutputFrame::SetProcess(std::unique_ptr<IRunningProcess> pProcess)
{
    m_pProcess = std::move(pProcess);
}

LRESULT CMDIOutputFrame::OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_OUTPUT_CHUNK) {
        const COutputChunk* pChunk = reinterpret_cast<const COutputChunk*>(lParam);
        if (pChunk && pChunk->m_pBytes)
            m_view.Write(pChunk->m_pBytes, static_cast<int>(pChunk->m_nCount));
    }
    return 0;
}

BOOL CMDIOutputFrame::CanClose()
{
    if (!m_pProcess || !m_pProcess->IsRunning())
        return TRUE;
    int nAnswer = AfxMessageBox("Closing this Window will terminate this process. Please select Yes to terminate "
                                "the process or select No",
                                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    if (nAnswer != IDYES)
        return FALSE;
    m_pProcess->Terminate();
    return TRUE;
}

CString CMDIOutputFrame::Dump() const
{
    CString strDump = "title: " + m_strTitle + "\nprocess: ";
    strDump += !m_pProcess ? "none" : m_pProcess->IsRunning() ? "running" : "ended";
    return strDump + "\n" + m_view.Dump();
}
