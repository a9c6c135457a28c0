#include "StringText.h"

int CStringText::IsEndOfPattern(const char* pText, int nPosition, int)
{
    char ch = pText[nPosition];
    if (ch == '\r' || ch == '\n')
        return 1;
    return (ch == '"' && (nPosition == 0 || pText[nPosition - 1] != '\\')) ? 1 : 0;
}
