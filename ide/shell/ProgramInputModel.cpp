#include "ProgramInputModel.h"

#include "ProgramRunner.h"

void CProgramInputModel::Open()
{
    m_bOpen = TRUE;
    if (m_fnState)
        m_fnState(TRUE);
}

void CProgramInputModel::Close()
{
    if (!m_bOpen)
        return;
    m_bOpen = FALSE;
    if (m_fnState)
        m_fnState(FALSE);
}

BOOL CProgramInputModel::Send()
{
    if (m_strText.IsEmpty())
        return FALSE;
    m_history.InsertAt(0, m_strText);
    CString strLine = m_strText + "\r\n";
    m_strText.Empty();
    return m_runner.WriteInput(strLine, strLine.GetLength());
}

LRESULT CProgramInputModel::OnWindowMessage(UINT nMsg, WPARAM, LPARAM)
{
    if (nMsg == WM_CLOSE)
        Close();
    return 0;
}

CString CProgramInputModel::Dump() const
{
    CString strOut;
    strOut.Format("open=%d\ntext=%s\n", m_bOpen ? 1 : 0, m_strText.c_str());
    for (int i = 0; i < m_history.GetSize(); ++i)
        strOut += "history=" + m_history[i] + "\n";
    return strOut;
}
