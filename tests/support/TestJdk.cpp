#include "TestJdk.h"

#include <cstdlib>

CString CTestJdk::ExePath()
{
    const char* psz = std::getenv("MOSK_TEST_JDK");
    return psz ? CString(psz) : CString();
}

CString CTestJdk::Program(const char* pszTool)
{
    CString strBin = ExePath();
    if (strBin.IsEmpty())
        return pszTool;
    if (strBin[strBin.GetLength() - 1] != '/')
        strBin += '/';
    return strBin + pszTool;
}
