#include "ErrorLocation.h"

void CErrorLocation::Reset()
{
    m_strFile.Empty();
    m_nLine = 0;
    m_strClass.Empty();
    m_bStackTrace = FALSE;
}

CString CErrorLocation::Dump() const
{
    CString strDump;
    strDump.Format("file=%s line=%d", m_strFile.c_str(), m_nLine);
    if (m_bStackTrace)
        strDump += " class=" + m_strClass;
    return strDump;
}
