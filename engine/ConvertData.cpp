#include "ConvertData.h"

#include "Language.h"
#include "NormalText.h"
#include "Patterns.h"
#include "TinctoView.h"

CConvertData::CConvertData(CTinctoView* pView)
    : m_pView(pView), m_pFormat(nullptr), m_pLanguage(nullptr), m_pPatterns(nullptr), m_lBufferPos(0)
{
    if (pView) {
        m_pLanguage = pView->GetLanguage();
        m_pPatterns = &CTinctoView::m_Patterns;
    }
}

CTextFormat* CConvertData::IsPatternStart(const char* pText, int nPosition, int nLength)
{
    return m_pPatterns->IsPatternStart(m_pView, pText, nPosition, nLength);
}

int CConvertData::IsEndOfPattern(CTextFormat* pFormat, const char* pText, int nPosition, int nLength)
{
    return pFormat->IsEndOfPattern(pText, nPosition, nLength);
}

CNormalText* CConvertData::GetNormalText()
{
    return &CTinctoView::m_NormalTxt;
}

const char* CConvertData::GetNormalTextFormatCode()
{
    return CTinctoView::m_NormalTxt.GetFormatCode();
}

BOOL CConvertData::BufferInit(const char*) { return TRUE; }
BOOL CConvertData::BufferEnd(const char*) { return TRUE; }
BOOL CConvertData::AppendData(char) { return TRUE; }
BOOL CConvertData::AppendData(const char*, int) { return TRUE; }
BOOL CConvertData::AppendDataRun(const char* pText, int nCount)
{
    for (int i = 0; i < nCount; ++i)
        if (!AppendData(pText[i]))
            return FALSE;
    return TRUE;
}

BOOL CConvertData::AppendDataNoParse(const char*, int) { return TRUE; }
BOOL CConvertData::AppendControl(const char*) { return TRUE; }
BOOL CConvertData::CommitLine(BOOL) { return TRUE; }
void CConvertData::AppendColorTable(CString&, int&) {}

BOOL CConvertData::IsDelimiter(char ch, int, BOOL bNumber)
{
    return m_pLanguage->IsDelimiter(ch, bNumber);
}

unsigned long CConvertData::BuildKey(char ch, int nIndex)
{
    return m_pLanguage->BuildKey(ch, nIndex);
}

CKeywords* CConvertData::IsKeyword(const char* pszWord, int, unsigned long, BOOL)
{
    return m_pLanguage->IsKeyword(pszWord);
}
