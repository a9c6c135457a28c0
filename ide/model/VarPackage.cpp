#include "VarPackage.h"

#include "JavaParseData.h"

MOSK_IMPLEMENT_SERIAL(CVarPackage, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

BOOL CVarPackage::Parse(char ch)
{
    if (ch != ';')
        return TRUE;
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    int nCount = pData->GetWordCount();
    int nName = pData->FindWord("package") + 1;
    if (nName > 0 && nName < nCount) {
        m_strName = pData->GetWord(nName);
        m_nNameOffset = pData->GetWordOffset(nName);
    }
    if (nCount > 0)
        m_nHeaderOffset = pData->GetWordOffset(0);
    m_nEndLine = pData->GetPendingLine() + 1;
    m_nEndOffset = pData->GetPendingOffset();
    m_bComplete = TRUE;
    pData->ResetWords();
    return FALSE;
}
