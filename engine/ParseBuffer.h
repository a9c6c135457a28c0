// CParseBuffer: the tokenizer. It walks the text of a CStreamBuffer and
// hands typed pieces (words of a class, delimiters, comments, strings, line
// ends) to a CConvertData sink. It stops as soon as the sink refuses a piece
// and resumes, on the next call, at the first line that was not committed.
#pragma once

#include "WinTypes.h"

class CConvertData;
class CStreamBuffer;
class CTextFormat;

class CParseBuffer {
public:
    // pStreamBuffer is not owned and must outlive the tokenizer.
    explicit CParseBuffer(CStreamBuffer* pStreamBuffer);
    CParseBuffer& operator=(const CParseBuffer& other) = default;

    // Runs from the sink's resume point until the text ends or the sink refuses.
    void ParseBuffer(CConvertData* pData);

protected:
    // Hands over the word of nLength characters at nStart in its class's format.
    BOOL CheckKeyword(CConvertData* pData, unsigned long nKey, int nStart, int nLength, BOOL bEscape, BOOL bNumber);
    BOOL AddToBuffer(CConvertData* pData, int nStart, int nLength, CTextFormat* pFormat, BOOL bEscape);
    // Continues the pattern in force from m_nPos to its end or the line end.
    BOOL AddToBufferEOPattern(CConvertData* pData);

    CStreamBuffer* m_pStreamBuffer;
    CTextFormat* m_pFormat;
    int m_nPos;
};
