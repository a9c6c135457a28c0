#include "RmiOptions.h"

namespace {

void DumpLine(CString& strOut, const char* pszName, const CString& strValue)
{
    strOut += CString(pszName) + " = " + strValue + "\n";
}

} // namespace

CString CRmiOptions::Dump() const
{
    struct CSwitch {
        const char* pszName;
        BOOL CRmiOptions::*pValue;
    };
    static const CSwitch s_switches[] = {
        {"class path", &CRmiOptions::m_bClassPath},     {"debug", &CRmiOptions::m_bDebug},
        {"debug tables", &CRmiOptions::m_bDebugTables}, {"depend", &CRmiOptions::m_bDepend},
        {"output dir", &CRmiOptions::m_bOutputDir},     {"keep generated", &CRmiOptions::m_bKeepGenerated},
        {"no warnings", &CRmiOptions::m_bNoWarnings},   {"no write", &CRmiOptions::m_bNoWrite},
        {"optimize", &CRmiOptions::m_bOptimize},        {"show", &CRmiOptions::m_bShow},
        {"skeleton dir", &CRmiOptions::m_bSkeletonDir}, {"stub dir", &CRmiOptions::m_bStubDir},
        {"verbose", &CRmiOptions::m_bVerbose},          {"custom", &CRmiOptions::m_bCustom},
    };
    CString strOut;
    for (const CSwitch& s : s_switches)
        DumpLine(strOut, s.pszName, this->*s.pValue ? "1" : "0");
    DumpLine(strOut, "custom options", m_strCustomOptions);
    DumpLine(strOut, "output dir path", m_strOutputDir);
    DumpLine(strOut, "skeleton dir path", m_strSkeletonDir);
    DumpLine(strOut, "stub dir path", m_strStubDir);
    for (int i = 0; i < m_arrClasses.GetSize(); ++i)
        DumpLine(strOut, "class", m_arrClasses[i]);
    return strOut;
}
