#include "StreamInData.h"

#include "Language.h"
#include "Patterns.h"
#include "TinctoView.h"

#include <algorithm>
#include <cstring>

namespace {

// Characters the rich text carries behind a backslash: braces, the backslash,
// digits (they would run into a preceding control word's number) and the space.
struct CEscapeTable {
    bool m_bEscape[256] = {};
    constexpr CEscapeTable()
    {
        for (const char* p = "{}\\ 0123456789"; *p; ++p)
            m_bEscape[static_cast<unsigned char>(*p)] = true;
    }
};
constexpr CEscapeTable s_escapes;

inline bool NeedsEscape(char ch)
{
    return s_escapes.m_bEscape[static_cast<unsigned char>(ch)];
}

} // namespace

CStreamInData::CStreamInData(CTinctoView* pView)
    : CConvertData(pView), m_pStreamInBuffer(nullptr), m_lBufferSize(0), m_bInEscape(FALSE), m_lRead(0),
      m_lPending(0), m_bHeaderSent(FALSE), m_bDiverting(FALSE)
{
}

void CStreamInData::SetStreamInBuffer(char* pBuffer, long lSize)
{
    m_pStreamInBuffer = pBuffer;
    m_lBufferSize = lSize;
    m_lRead = 0;
    m_lPending = 0;
    m_bDiverting = FALSE;
    Drain();
}

void CStreamInData::Drain()
{
    if (m_strHeld.empty())
        return;
    long lCount = std::min<long>(m_lBufferSize - m_lRead, static_cast<long>(m_strHeld.size()));
    if (lCount <= 0)
        return;
    std::memcpy(m_pStreamInBuffer + m_lRead, m_strHeld.data(), static_cast<size_t>(lCount));
    m_lRead += lCount;
    m_strHeld.erase(0, static_cast<size_t>(lCount));
}

BOOL CStreamInData::Reserve(long nBytes, BOOL bStrict)
{
    if (m_bDiverting)
        return TRUE;
    if (!m_strHeld.empty())
        return FALSE;  // the buffer is full of an earlier long line
    long lNeeded = m_lRead + m_lPending + nBytes;
    if (bStrict ? lNeeded < m_lBufferSize : lNeeded <= m_lBufferSize)
        return TRUE;
    if (m_lRead > 0)
        return FALSE;  // the line starts afresh in the next buffer
    // Not even an empty buffer holds this line: keep its output aside.
    m_strHeld.assign(m_pStreamInBuffer, static_cast<size_t>(m_lPending));
    m_lPending = 0;
    m_bDiverting = TRUE;
    return TRUE;
}

void CStreamInData::Put(char ch)
{
    if (m_bDiverting)
        m_strHeld += ch;
    else
        m_pStreamInBuffer[m_lRead + m_lPending++] = ch;
}

void CStreamInData::Put(const char* p, long nCount)
{
    if (m_bDiverting) {
        m_strHeld.append(p, static_cast<size_t>(nCount));
    } else {
        std::memcpy(m_pStreamInBuffer + m_lRead + m_lPending, p, static_cast<size_t>(nCount));
        m_lPending += nCount;
    }
}

BOOL CStreamInData::NothingPending() const
{
    return m_bDiverting ? m_strHeld.empty() : m_lPending == 0;
}

BOOL CStreamInData::AppendControl(const char* pszControl)
{
    long lLength = static_cast<long>(std::strlen(pszControl));
    if (!Reserve(lLength, TRUE))
        return FALSE;
    Put(pszControl, lLength);
    return TRUE;
}

BOOL CStreamInData::AppendData(const char* pText, int nCount)
{
    for (int i = 0; i < nCount; ++i) {
        char ch = pText[i];
        bool bEscape = NeedsEscape(ch);
        if (!Reserve(bEscape ? 2 : 1, bEscape ? FALSE : TRUE))
            return FALSE;
        if (bEscape)
            Put('\\');
        Put(ch);
    }
    return TRUE;
}

BOOL CStreamInData::AppendDataNoParse(const char* pText, int nCount)
{
    if (!Reserve(nCount, TRUE))
        return FALSE;
    Put(pText, nCount);
    return TRUE;
}

BOOL CStreamInData::AppendData(char ch)
{
    if (!m_bInEscape) {
        char chPrefix = 0;
        if (NeedsEscape(ch))
            chPrefix = '\\';
        else if (ch == '-' && NothingPending() && GetBufferPos() > 0)
            chPrefix = '-';  // after "\line" a lone '-' would be read as the sign of a parameter
        if (chPrefix) {
            m_bInEscape = TRUE;
            BOOL bOk = AppendData(chPrefix);
            m_bInEscape = FALSE;
            if (!bOk)
                return FALSE;
        }
    }
    if (!Reserve(1, FALSE))
        return FALSE;
    Put(ch);
    return TRUE;
}

BOOL CStreamInData::AppendDataRun(const char* pText, int nCount)
{
    // Fast path: the run fits even if every character were prefixed, and its
    // first character is not a hyphen that may need doubling.
    if (nCount > 0 && !m_bDiverting && !m_bInEscape && m_strHeld.empty() && pText[0] != '-'
        && m_lRead + m_lPending + 2 * static_cast<long>(nCount) <= m_lBufferSize) {
        char* pOut = m_pStreamInBuffer + m_lRead + m_lPending;
        char* pStart = pOut;
        for (int i = 0; i < nCount; ++i) {
            char ch = pText[i];
            if (NeedsEscape(ch))
                *pOut++ = '\\';
            *pOut++ = ch;
        }
        m_lPending += static_cast<long>(pOut - pStart);
        return TRUE;
    }
    for (int i = 0; i < nCount; ++i) {
        char ch = pText[i];
        bool bPrefix = NeedsEscape(ch) || (ch == '-' && NothingPending() && GetBufferPos() > 0);
        long lNeeded = m_lRead + m_lPending + (bPrefix ? 2 : 1);
        if (m_bDiverting || !m_strHeld.empty() || lNeeded > m_lBufferSize || m_bInEscape) {
            if (!AppendData(ch))  // the careful path: refusal or diversion
                return FALSE;
            continue;
        }
        char* pOut = m_pStreamInBuffer + m_lRead + m_lPending;
        if (bPrefix)
            *pOut++ = ch == '-' ? '-' : '\\';
        *pOut = ch;
        m_lPending += bPrefix ? 2 : 1;
    }
    return TRUE;
}

BOOL CStreamInData::CommitLine(BOOL bLineBreak)
{
    if (bLineBreak && !AppendControl("\\line"))
        return FALSE;
    if (m_bDiverting) {
        m_bDiverting = FALSE;
        Drain();
        return TRUE;
    }
    if (m_lRead + m_lPending > m_lBufferSize)
        return FALSE;
    m_lRead += m_lPending;
    m_lPending = 0;
    return TRUE;
}

BOOL CStreamInData::BufferInit(const char* pszHeader)
{
    if (!m_bHeaderSent) {
        if (!AppendControl(pszHeader) || !CommitLine(FALSE))
            return FALSE;
        m_bHeaderSent = TRUE;
    }
    int nFontValue = m_pView ? m_pView->GetFontValue() : 0;
    if (nFontValue > 0) {
        CString strSize;
        strSize.Format("\\fs%d", nFontValue);
        return AppendControl(strSize);
    }
    return TRUE;
}

BOOL CStreamInData::BufferEnd(const char* pszTrailer)
{
    return AppendControl(pszTrailer) && CommitLine(FALSE);
}

void CStreamInData::AppendColorTable(CString& strTable, int& nIndex)
{
    m_pPatterns->AppendColorTable(m_pView, strTable, nIndex);
    m_pLanguage->AppendColorTable(strTable, nIndex);
}
