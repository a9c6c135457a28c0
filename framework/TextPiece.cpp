#include "TextPiece.h"

#include "FormatRuns.h"

void CTextPiece::AppendText(const char* pch, LONG nCount)
{
    if (nCount <= 0)
        return;
    m_text.insert(m_text.end(), pch, pch + nCount);
    CFormatRuns::AppendRun(m_runs, nCount, m_nFormat);
    m_bAfterCR = false;
}

void CTextPiece::AppendLineBreak()
{
    m_text.push_back('\r');
    m_text.push_back('\n');
    CFormatRuns::AppendRun(m_runs, 2, m_nFormat);
    LONG nLength = GetLength();
    m_lines.push_back(static_cast<DWORD>(nLength - m_nLineStart));
    m_nLineStart = nLength;
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
