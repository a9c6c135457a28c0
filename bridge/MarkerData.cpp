#include "MarkerData.h"

#include "TinctoView.h"

CMarkerData::CMarkerData(const CString& strMarker)
    : CConvertData(nullptr),
      m_nLines(0),
      m_nMarkerStart(-1),
      m_nMarkerEnd(-1),
      m_strMarker(strMarker),
      m_bMatching(FALSE),
      m_bFound(FALSE),
      m_nMatched(0)
{
    SetLanguage(&CTinctoView::m_JavaLanguage);
    SetPatterns(&CTinctoView::m_Patterns);
    SetFormat(&CTinctoView::m_NormalTxt);
    SetBufferPos(0);
}

CTextFormat* CMarkerData::IsPatternStart(const char* pText, int nPosition, int nLength)
{
    // An empty marker would match every comment; it never matches instead.
    if (!m_bFound && !m_strMarker.IsEmpty() && pText[nPosition] == '/' && nPosition + 1 < nLength
        && pText[nPosition + 1] == '/') {
        m_bMatching = TRUE;
        m_nMatched = 0;
        m_nMarkerStart = nPosition;
    }
    return CConvertData::IsPatternStart(pText, nPosition, nLength);
}

int CMarkerData::IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength)
{
    if (m_bMatching) {
        if (pText[nPosition] == m_strMarker[m_nMatched]) {
            ++m_nMatched;
            if (m_nMatched == m_strMarker.GetLength()) {
                m_bMatching = FALSE;
                m_nMatched = 0;
                m_bFound = TRUE;
                m_nMarkerEnd = nPosition;
            }
        } else {
            m_bMatching = FALSE;
            m_nMatched = 0;
        }
    }
    return CConvertData::IsEndOfPattern(pFormat, pText, nPosition, nLength);
}

BOOL CMarkerData::CommitLine(BOOL)
{
    ++m_nLines;
    m_bMatching = FALSE;
    m_nMatched = 0;
    return TRUE;
}
