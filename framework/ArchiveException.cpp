#include "ArchiveException.h"

CArchiveException::CArchiveException(int nCause, long long nOffset, const char* pszDetail)
    : m_cause(nCause), m_nOffset(nOffset), m_strDetail(pszDetail)
{
    m_strMessage = CauseText(nCause);
    if (!m_strDetail.IsEmpty())
        m_strMessage += CString(": ") + m_strDetail;
    if (nOffset >= 0) {
        CString strAt;
        strAt.Format(" (at byte %lld)", nOffset);
        m_strMessage += strAt;
    }
}

const char* CArchiveException::CauseText(int nCause)
{
    switch (nCause) {
    case none: return "No error";
    case genericException: return "The file is damaged or not in the expected format";
    case endOfFile: return "The file ends too early";
    case badIndex: return "The file refers to an object or class that is not there";
    case badClass: return "The file holds an object of an unexpected class";
    case badSchema: return "The file holds an object of an unknown version";
    case badCount: return "The file holds a count or length larger than the file";
    case tooDeep: return "The file nests objects too deeply";
    case fileError: return "The file could not be read or written";
    }
    return "Unknown archive error";
}
