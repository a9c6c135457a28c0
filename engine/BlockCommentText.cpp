#include "BlockCommentText.h"

int CBlockCommentText::IsEndOfPattern(const char* pText, int nPosition, int nLength)
{
    return (pText[nPosition] == '*' && nPosition + 1 < nLength && pText[nPosition + 1] == '/') ? 2 : 0;
}
