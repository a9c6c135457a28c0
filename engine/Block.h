// CBlock: a pending recolour request recorded before an edit and carried
// out after it. Type 0 none; 1 up to the next comment end; 2 the whole block
// comment holding the start, to the end of the text; 3 from the start to the
// end of the text; 4 from start to end.
#pragma once

#include "String.h"

class CBlock {
public:
    CBlock() = default;

    void SetStart(int nStart) { m_nStart = nStart < 0 ? 0 : nStart; }
    int GetStart() const { return m_nStart; }
    void SetEnd(int nEnd) { m_nEnd = nEnd; }
    int GetEnd() const { return m_nEnd; }
    void SetType(int nType) { m_nType = nType; }
    int GetType() const { return m_nType; }
    // Length of the pasted text (set by a paste).
    void SetLength(int nLength) { m_nLength = nLength; }
    int GetLength() const { return m_nLength; }
    // Where a paste started; the word there is recoloured after the paste.
    void SetCursor(long lCursor) { m_lCursor = lCursor; }
    long GetCursor() const { return m_lCursor; }
    // Back to no request.
    void Reset() { *this = CBlock(); }
    // "type T start S end E length L cursor C", for tests.
    CString Dump() const;

private:
    int m_nStart = 0;
    int m_nEnd = 0;
    int m_nType = 0;
    int m_nLength = 0;
    long m_lCursor = 0;
};
