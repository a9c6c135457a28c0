#include "NumberKeywords.h"

BOOL CNumberKeywords::IsKeyword(const char* pszWord)
{
    if (!*pszWord)
        return FALSE;
    for (const char* p = pszWord; *p; ++p)
        if (!((*p >= '0' && *p <= '9') || *p == '.'))
            return FALSE;
    return TRUE;
}
