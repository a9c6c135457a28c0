#include "VarCodeBlock.h"

#include "JavaParseData.h"

MOSK_IMPLEMENT_DYNAMIC(CVarCodeBlock, CVarObject)

BOOL CVarCodeBlock::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (ch == '{') {
        if (m_nBraceDepth++ == 0) {
            m_nState = STATE_BODY;
            m_nHeaderOffset = pData->GetPendingOffset();
            pData->SetFilter(CJavaParseData::FILTER_BODY);
        }
        pData->ResetWords();
    } else if (ch == '}' && --m_nBraceDepth <= 0) {
        m_nEndLine = pData->GetPendingLine() + 1;
        m_nEndOffset = pData->GetPendingOffset();
        m_bComplete = TRUE;
        pData->ResetWords();
        pData->SetFilter(CJavaParseData::FILTER_NONE);
        return FALSE;
    }
    return TRUE;
}
