#include "Patterns.h"

#include "TinctoView.h"

void CPatterns::AppendColorTable(CTinctoView*, CString& strTable, int& nIndex)
{
    CTinctoView::m_NormalTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_BlockCommentTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_LineCommentTxt.AppendColorTable(strTable, nIndex);
    CTinctoView::m_StringTxt.AppendColorTable(strTable, nIndex);
}

CTextFormat* CPatterns::IsPatternStart(CTinctoView*, const char* pText, int nPosition, int nLength)
{
    char ch = pText[nPosition];
    if (ch == '/' && nPosition + 1 < nLength) {
        if (pText[nPosition + 1] == '/')
            return &CTinctoView::m_LineCommentTxt;
        if (pText[nPosition + 1] == '*')
            return &CTinctoView::m_BlockCommentTxt;
    }
    if (ch == '"' && (nPosition == 0 || pText[nPosition - 1] != '\\'))
        return &CTinctoView::m_StringTxt;
    return &CTinctoView::m_NormalTxt;
}
