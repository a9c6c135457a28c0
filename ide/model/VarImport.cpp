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
    EndStatement(pData, nName);
    return FALSE;
}
