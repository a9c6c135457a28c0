#include "SourcePosition.h"

#include <cctype>
#include <cstdlib>

BOOL CSourcePosition::Parse(const char* pszLine, CString& strFile, int& nLine, CString& strClass)
{
    const CString strText(pszLine);
    int nColon = strText.Find(':');
    if (nColon >= 0 && (nColon + 1 >= strText.GetLength() || !std::isdigit(static_cast<unsigned char>(strText[nColon + 1]))))
        nColon = strText.Find(':', nColon + 1);
    if (nColon <= 0 || nColon + 1 >= strText.GetLength() ||
        !std::isdigit(static_cast<unsigned char>(strText[nColon + 1])))
        return FALSE;
    int nStart = nColon;
    while (nStart > 0 && strText[nStart - 1] != ' ' && strText[nStart - 1] != '(')
        --nStart;
    if (nStart == nColon)
        return FALSE;
    strFile = strText.Mid(nStart, nColon - nStart);
    nLine = std::atoi(strText.c_str() + nColon + 1);
    if (nLine <= 0)
        return FALSE;
    strClass.Empty();
    // "p.Hello.main (Hello.java:9)": the method's class before " (".
    if (nStart >= 2 && strText[nStart - 1] == '(' && strText[nStart - 2] == ' ') {
        int nEnd = nStart - 2;
        int nBegin = nEnd;
        while (nBegin > 0 && strText[nBegin - 1] != ' ' && strText[nBegin - 1] != ']')
            --nBegin;
        CString strMethod = strText.Mid(nBegin, nEnd - nBegin);
        int nDot = strMethod.ReverseFind('.');
        if (nDot > 0)
            strClass = strMethod.Left(nDot);
    }
    return TRUE;
}

CString CSourcePosition::PathUnder(const char* pszFolder, const CString& strClass, const CString& strFile)
{
    CString strFolder(pszFolder);
    if (strFolder.IsEmpty() || strFile.IsEmpty())
        return CString();
    if (strFolder.Right(1) != "/")
        strFolder += "/";
    int nDot = strClass.ReverseFind('.');
    if (nDot > 0) {
        CString strPackage = strClass.Left(nDot);
        for (int i = 0; i < strPackage.GetLength(); ++i)
            if (strPackage[i] == '.')
                strPackage.SetAt(i, '/');
        strFolder += strPackage + "/";
    }
    return strFolder + strFile;
}
