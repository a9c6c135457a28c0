#include "VarImport.h"

#include "JavaParseData.h"

MOSK_IMPLEMENT_SERIAL(CVarImport, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

BOOL CVarImport::Parse(char ch)
{
    if (ch != ';')
        return TRUE;
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    int nCount = pData->GetWordCount();
    int nName = pData->FindWord("import") + 1;
    if (nName > 0 && nName + 1 < nCount && pData->GetWord(nName) == "static") {
        m_bStatic = TRUE;
        ++nName;
    }
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
