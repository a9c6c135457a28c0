#include "TextPiece.h"

#include "FormatRuns.h"

#include <cstdlib>
#include <new>

CTextPiece::~CTextPiece()
{
    std::free(m_pText);
}

void CTextPiece::Grow(LONG nMore)
{
    LONG nCapacity = m_nCapacity < 4096 ? 4096 : m_nCapacity;
    while (nCapacity - m_nLength < nMore)
        nCapacity = nCapacity > (0x7FFFFFFF / 2) ? m_nLength + nMore : nCapacity * 2;
    char* pText = static_cast<char*>(std::realloc(m_pText, static_cast<size_t>(nCapacity)));
    if (!pText)
        throw std::bad_alloc();
    m_pText = pText;
    m_nCapacity = nCapacity;
}

void CTextPiece::Reserve(LONG nBytes)
{
    if (nBytes > m_nCapacity - m_nLength)
        Grow(nBytes);
    // About one line per 32 bytes and one format run per 4 bytes of source text.
    m_lines.reserve(static_cast<size_t>(nBytes / 32));
    m_runs.reserve(static_cast<size_t>(nBytes / 4));
}

char* CTextPiece::DetachText(LONG& nCapacity)
{
    char* pText = m_pText;
    nCapacity = m_nCapacity;
    m_pText = nullptr;
    m_nCapacity = 0;
    return pText;
}

void CTextPiece::AddRun(LONG nCount)
{
    CFormatRuns::AppendRun(m_runs, nCount, m_nFormat);
}

void CTextPiece::AppendLineBreak()
{
    if (m_nLength + 2 > m_nCapacity)
        Grow(2);
    m_pText[m_nLength++] = '\r';
    m_pText[m_nLength++] = '\n';
    AddToRuns(2);
    m_lines.push_back(static_cast<DWORD>(m_nLength - m_nLineStart));
    m_nLineStart = m_nLength;
    m_bAfterCR = false;
}

void CTextPiece::AppendPlain(const char* pch, LONG nCount)
{
    LONG nPlain = 0;  // bytes of pch from nPlain on not yet appended
    for (LONG i = 0; i < nCount; ++i) {
        char ch = pch[i];
        if (ch != '\r' && ch != '\n' && ch != '\0')
            continue;
        AppendText(pch + nPlain, i - nPlain);
        nPlain = i + 1;
        if (ch == '\r') {
            AppendLineBreak();
            m_bAfterCR = true;
        } else if (ch == '\n') {
            if (m_bAfterCR)
                m_bAfterCR = false;
            else
                AppendLineBreak();
        }
    }
    AppendText(pch + nPlain, nCount - nPlain);
}
