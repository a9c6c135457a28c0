#include "ParseBuffer.h"

#include "ConvertData.h"
#include "Keywords.h"
#include "NormalText.h"
#include "StreamBuffer.h"
#include "String.h"

#include <cstring>
#include <string>

namespace {

bool IsLineEnd(char ch)
{
    return ch == '\r' || ch == '\n';
}

bool IsDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

// The word being collected: it ends at a delimiter, a pattern or a line end.
struct CWordState {
    BOOL bInWord = FALSE;
    int nLength = 0;
    BOOL bEscape = FALSE;   // holds a character the sink writes escaped
    BOOL bNumber = TRUE;    // digits and full stops so far
};

} // namespace

CParseBuffer::CParseBuffer(CStreamBuffer* pStreamBuffer)
    : m_pStreamBuffer(pStreamBuffer), m_pFormat(nullptr), m_nPos(0)
{
}

void CParseBuffer::ParseBuffer(CConvertData* pData)
{
    const char* pText = m_pStreamBuffer->GetBuffer();
    const long lLength = m_pStreamBuffer->GetLength();
    const int nLength = static_cast<int>(lLength);

    if (pData->GetBufferPos() == 0) {
        CString strHeader("{\\rtf1\\ansi\\deff0{\\colortbl");
        int nIndex = 0;
        pData->AppendColorTable(strHeader, nIndex);
        strHeader += "}";
        if (!pData->BufferInit(strHeader))
            return;
        if (!pData->AppendControl(pData->GetNormalTextFormatCode()))
            return;
    }
    if (pData->GetBufferPos() == lLength) {
        if (pData->BufferEnd("}"))
            pData->SetBufferPos(lLength + 1);
        return;
    }

    m_pFormat = pData->GetFormat();
    m_nPos = static_cast<int>(pData->GetBufferPos());
    // Whether m_pFormat is a pattern, asked once each time the format changes.
    BOOL bPattern = m_pFormat->IsPattern();
    CTextFormat* pLastStart = nullptr;
    BOOL bLastStartPattern = FALSE;
    CWordState word;
    // Delimiters are handed over in runs: a run is written before anything
    // else the sink receives, so the order of the output stays the same.
    int nDelimiters = 0;
    auto flushDelimiters = [&]() -> BOOL {
        if (nDelimiters == 0)
            return TRUE;
        BOOL bOk = pData->AppendDataRun(pText + m_nPos - nDelimiters, nDelimiters);
        nDelimiters = 0;
        return bOk;
    };
    auto finishWord = [&]() -> BOOL {
        if (!word.bInWord)
            return TRUE;
        BOOL bOk = CheckKeyword(pData, 1, m_nPos - word.nLength, word.nLength, word.bEscape, word.bNumber);
        word = CWordState();
        return bOk;
    };

    while (m_nPos < nLength) {
        char ch = pText[m_nPos];
        if (IsLineEnd(ch)) {
            if (!flushDelimiters() || !finishWord())
                return;
            if (!pData->CommitLine(TRUE))
                return;
            if (ch == '\r' && m_nPos + 1 < nLength && pText[m_nPos + 1] == '\n')
                ++m_nPos;
            pData->SetFormat(m_pFormat);
            pData->SetBufferPos(m_nPos + 1);
        } else if (bPattern) {
            if (!AddToBufferEOPattern(pData))
                return;
            bPattern = m_pFormat->IsPattern();
            if (!bPattern && !pData->AppendControl(pData->GetNormalTextFormatCode()))
                return;
        } else {
            m_pFormat = pData->IsPatternStart(pText, m_nPos, nLength);
            // Nearly every answer is the normal format again: ask a format
            // whether it is a pattern only when it differs from the last one.
            if (m_pFormat != pLastStart) {
                pLastStart = m_pFormat;
                bLastStartPattern = m_pFormat->IsPattern();
            }
            bPattern = bLastStartPattern;
            if (bPattern) {
                if (!flushDelimiters() || !finishWord())
                    return;
                if (!AddToBufferEOPattern(pData))
                    return;
                bPattern = m_pFormat->IsPattern();
                if (!bPattern && !pData->AppendControl(pData->GetNormalTextFormatCode()))
                    return;
            } else if (pData->IsDelimiter(ch, m_nPos, word.bNumber)) {
                if (!finishWord())
                    return;
                ++nDelimiters;
            } else {
                if (!flushDelimiters())
                    return;
                word.bInWord = TRUE;
                ++word.nLength;
                if (word.bNumber && !IsDigit(ch) && ch != '.')
                    word.bNumber = FALSE;
                if (ch == '.' && word.nLength == 1)
                    word.bNumber = FALSE;
                if (IsDigit(ch) || ch == ' ' || ch == '\\' || ch == '{' || ch == '}')
                    word.bEscape = TRUE;
            }
        }
        ++m_nPos;
    }

    if (m_nPos == nLength) {
        if (!flushDelimiters() || !finishWord())
            return;
        if (!pData->CommitLine(FALSE))
            return;
        // The last line is committed: should the trailer not fit, the next
        // call only has the trailer left to write, not the line again.
        pData->SetFormat(m_pFormat);
        pData->SetBufferPos(lLength);
        if (!pData->BufferEnd("}"))
            return;
        pData->SetFormat(m_pFormat);
        pData->SetBufferPos(lLength + 1);
    }
}

BOOL CParseBuffer::CheckKeyword(CConvertData* pData, unsigned long nKey, int nStart, int nLength, BOOL bEscape,
                                BOOL bNumber)
{
    const char* pText = m_pStreamBuffer->GetBuffer();
    // The sink may change its copy (HTML lower-cases it); short words stay on the stack.
    char szShort[64];
    std::string strLong;
    char* pszWord = szShort;
    if (nLength >= static_cast<int>(sizeof(szShort))) {
        strLong.assign(pText + nStart, static_cast<size_t>(nLength));
        pszWord = strLong.data();
    } else {
        std::memcpy(szShort, pText + nStart, static_cast<size_t>(nLength));
        szShort[nLength] = '\0';
    }
    CKeywords* pKeywords = pData->IsKeyword(pszWord, nStart, nKey, bNumber);
    CTextFormat* pFormat = pKeywords ? pKeywords->GetTextFormat() : nullptr;
    if (nLength <= CKeywords::m_nMaxSize && pFormat) {
        return pData->AppendControl(pData->GetNormalTextFormatCode())
            && AddToBuffer(pData, nStart, nLength, pFormat, bEscape)
            && pData->AppendControl(pData->GetNormalTextFormatCode());
    }
    return AddToBuffer(pData, nStart, nLength, pData->GetNormalText(), bEscape);
}

BOOL CParseBuffer::AddToBuffer(CConvertData* pData, int nStart, int nLength, CTextFormat* pFormat, BOOL bEscape)
{
    const char* pText = m_pStreamBuffer->GetBuffer();
    if (!pData->AppendControl(pFormat->GetFormatCode()))
        return FALSE;
    return bEscape ? pData->AppendData(pText + nStart, nLength) : pData->AppendDataNoParse(pText + nStart, nLength);
}

BOOL CParseBuffer::AddToBufferEOPattern(CConvertData* pData)
{
    const char* pText = m_pStreamBuffer->GetBuffer();
    const int nLength = static_cast<int>(m_pStreamBuffer->GetLength());
    if (!pData->AppendControl(m_pFormat->GetFormatCode()))
        return FALSE;
    // The body is handed over in runs: every character up to the end mark or
    // the line end, then the end mark itself.
    int nHandled = 0;
    int nRunStart = m_nPos;
    auto flushRun = [&]() { return m_nPos == nRunStart || pData->AppendDataRun(pText + nRunStart, m_nPos - nRunStart); };
    while (m_nPos < nLength) {
        int nEnd = pData->IsEndOfPattern(m_pFormat, pText, m_nPos, nLength);
        if (nEnd > 0 && (nHandled > 0 || !m_pFormat->IsEndPatternSameAsBeginPattern())) {
            if (!flushRun() || !pData->AppendDataRun(pText + m_nPos, nEnd))
                return FALSE;
            m_nPos += nEnd - 1;
            m_pFormat = pData->GetNormalText();
            if (IsLineEnd(pText[m_nPos]))
                --m_nPos;
            return TRUE;
        }
        if (IsLineEnd(pText[m_nPos])) {
            if (!flushRun())
                return FALSE;
            --m_nPos;
            return TRUE;
        }
        ++m_nPos;
        ++nHandled;
    }
    if (!flushRun())
        return FALSE;
    --m_nPos;
    return TRUE;
}
