// CConvertData: the sink the tokenizer hands its pieces to, with default
// behaviour that accepts everything and produces nothing. A sink refuses a
// piece by returning FALSE; the tokenizer then stops and, on its next call,
// resumes at the start of the first line that was not committed. The sink's
// buffer position and format are the whole resumable state: position 0 means
// nothing was emitted yet, length + 1 that the text is finished.
#pragma once

#include "String.h"

class CKeywords;
class CLanguage;
class CNormalText;
class CPatterns;
class CTextFormat;
class CTinctoView;

class CConvertData {
public:
    // Stores the view (may be null); with a view, takes its language and the shared patterns.
    explicit CConvertData(CTinctoView* pView);
    CConvertData(const CConvertData& other) = default;
    CConvertData& operator=(const CConvertData& other) = default;

    CTinctoView* GetView() { return m_pView; }
    CTextFormat* GetFormat() { return m_pFormat; }
    void SetFormat(CTextFormat* pFormat) { m_pFormat = pFormat; }
    CLanguage* GetLanguage() { return m_pLanguage; }
    void SetLanguage(CLanguage* pLanguage) { m_pLanguage = pLanguage; }
    CPatterns* GetPatterns() { return m_pPatterns; }
    void SetPatterns(CPatterns* pPatterns) { m_pPatterns = pPatterns; }
    long GetBufferPos() { return m_lBufferPos; }
    void SetBufferPos(long lPos) { m_lBufferPos = lPos; }

    // Format of the comment or string that starts at nPosition, else normal text.
    virtual CTextFormat* IsPatternStart(const char* pText, int nPosition, int nLength);
    // Length of pFormat's end mark at nPosition, 0 if none.
    virtual int IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength);
    virtual CNormalText* GetNormalText();
    virtual const char* GetNormalTextFormatCode();
    virtual BOOL BufferInit(const char* pszHeader);
    virtual BOOL BufferEnd(const char* pszTrailer);
    virtual BOOL AppendData(char ch);
    virtual BOOL AppendData(const char* pText, int nCount);
    // The same as AppendData(char) for each of the nCount characters in turn;
    // lets a sink write a run of comment or string text in one call.
    virtual BOOL AppendDataRun(const char* pText, int nCount);
    virtual BOOL AppendDataNoParse(const char* pText, int nCount);
    virtual BOOL AppendControl(const char* pszControl);
    // Ends the line in progress; bLineBreak: the text had a line end there.
    virtual BOOL CommitLine(BOOL bLineBreak);
    virtual void AppendColorTable(CString& strTable, int& nIndex);
    virtual BOOL IsDelimiter(char ch, int nPosition, BOOL bNumber);
    virtual unsigned long BuildKey(char ch, int nIndex);
    // The keyword set the word belongs to, null if none. pszWord is the
    // caller's own copy and may be changed in place (HTML lower-cases it).
    virtual CKeywords* IsKeyword(const char* pszWord, int nStart, unsigned long nKey, BOOL bNumber);

protected:
    CTinctoView* m_pView;
    CTextFormat* m_pFormat;
    CLanguage* m_pLanguage;
    CPatterns* m_pPatterns;
    long m_lBufferPos;
};
