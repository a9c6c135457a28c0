#include "Line.h"

#include <new>

CLine* CLine::Create(const char* pText, int nStart)
{
    CLine* pLine = new (std::nothrow) CLine;
    if (!pLine)
        return nullptr;
    unsigned nLength = 0;
    if (pText) {
        while (pText[nLength] != '\0' && pText[nLength] != '\r' && pText[nLength] != '\n')
            ++nLength;
        // A CR LF pair counts its CR with the line; a lone CR or LF does not.
        if (pText[nLength] == '\r' && pText[nLength + 1] == '\n')
            ++nLength;
    }
    pLine->m_pLineBuffer = pText;
    pLine->m_nLength = nLength;
    pLine->m_nStart = nStart < 0 ? 0u : static_cast<unsigned>(nStart);
    return pLine;
}
