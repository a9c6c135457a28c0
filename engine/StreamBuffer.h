// CStreamBuffer: the text the tokenizer reads. It does not own the text;
// the text need not be terminated, only indices below the length are read.
#pragma once

#include "WinTypes.h"

class CStreamBuffer {
public:
    CStreamBuffer(const char* pBuffer, long lLength) : m_lLength(lLength), m_pBuffer(pBuffer) {}
    virtual ~CStreamBuffer() = default;

    long GetLength() const { return m_lLength; }
    const char* GetBuffer() const { return m_pBuffer; }

protected:
    long m_lLength;
    const char* m_pBuffer;
};
