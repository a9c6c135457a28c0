// CStreamInData: the sink that writes coloured rich text straight into the
// rich-edit control's transfer buffer. The buffer is [committed][pending]
// [free]: only whole committed lines are reported to the control, so a line
// abandoned half-written disappears when the next buffer is set.
//
// Two guarantees for the transfer as a whole: the header reaches the control
// once, even when the first line is refused after the header was committed;
// and a line whose rich text does not fit into an empty transfer buffer is
// not refused for ever: its output is kept aside and handed over in
// buffer-sized pieces, one per transfer buffer, before tokenizing goes on.
#pragma once

#include "ConvertData.h"

#include <string>

class CStreamInData : public CConvertData {
public:
    explicit CStreamInData(CTinctoView* pView);

    // Sets the next transfer buffer (not owned); hands over first what is
    // left of a line too long for one buffer.
    void SetStreamInBuffer(char* pBuffer, long lSize);
    // Bytes of whole lines in the current buffer, to be reported to the control.
    long GetRead() const { return m_lRead; }
    long GetBufferAvailable() const { return m_lBufferSize - m_lRead; }
    // TRUE while output of a long line still waits for further buffers.
    BOOL HasHeldOutput() const { return !m_strHeld.empty(); }

    BOOL BufferInit(const char* pszHeader) override;
    BOOL BufferEnd(const char* pszTrailer) override;
    BOOL AppendData(char ch) override;
    BOOL AppendData(const char* pText, int nCount) override;
    BOOL AppendDataRun(const char* pText, int nCount) override;
    BOOL AppendDataNoParse(const char* pText, int nCount) override;
    BOOL AppendControl(const char* pszControl) override;
    BOOL CommitLine(BOOL bLineBreak) override;
    void AppendColorTable(CString& strTable, int& nIndex) override;

protected:
    // TRUE when nBytes more can be written: they fit (bStrict: room + nBytes
    // must stay below the size), or the line cannot fit into this empty
    // buffer at all and is diverted to the held output.
    BOOL Reserve(long nBytes, BOOL bStrict);
    void Put(char ch);
    void Put(const char* p, long nCount);
    BOOL NothingPending() const;
    void Drain();

    char* m_pStreamInBuffer;
    long m_lBufferSize;
    BOOL m_bInEscape;
    long m_lRead;
    long m_lPending;

private:
    BOOL m_bHeaderSent;      // the header was committed in this transfer
    BOOL m_bDiverting;       // the line in progress is written to m_strHeld
    std::string m_strHeld;   // output of an over-long line not yet handed over
};
