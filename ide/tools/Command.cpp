#include "Command.h"

#include "Archive.h"

MOSK_IMPLEMENT_SERIAL(CCommand, CObject, 1)

void CCommand::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_bUseIDEClassPath ? 1 : 0) << static_cast<DWORD>(m_bCaptureOutput ? 1 : 0)
           << static_cast<DWORD>(m_bOnFileMenu ? 1 : 0) << static_cast<DWORD>(m_bOnProjectMenu ? 1 : 0);
        ar << m_strName << m_strCommand << m_strStartupDir << m_strArguments;
        return;
    }
    DWORD dwSwitch[4];
    for (DWORD& dw : dwSwitch)
        ar >> dw;
    m_bUseIDEClassPath = dwSwitch[0] != 0;
    m_bCaptureOutput = dwSwitch[1] != 0;
    m_bOnFileMenu = dwSwitch[2] != 0;
    m_bOnProjectMenu = dwSwitch[3] != 0;
    ar >> m_strName >> m_strCommand >> m_strStartupDir >> m_strArguments;
}

void CCommand::DumpTo(CString& strOut, int nIndent) const
{
    auto line = [&](const char* pszName, const CString& strValue) {
        DumpIndent(strOut, nIndent);
        strOut += pszName;
        strOut += ": ";
        strOut += strValue;
        strOut += '\n';
    };
    auto flag = [&](const char* pszName, BOOL b) { line(pszName, b ? "1" : "0"); };
    line("name", m_strName);
    line("command", m_strCommand);
    line("startup directory", m_strStartupDir);
    line("arguments", m_strArguments);
    flag("use IDE class path", m_bUseIDEClassPath);
    flag("capture output", m_bCaptureOutput);
    flag("on file menu", m_bOnFileMenu);
    flag("on project menu", m_bOnProjectMenu);
}
