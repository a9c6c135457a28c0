#include "LineCommentText.h"

int CLineCommentText::IsEndOfPattern(const char* pText, int nPosition, int)
{
    return (pText[nPosition] == '\r' || pText[nPosition] == '\n') ? 1 : 0;
}
