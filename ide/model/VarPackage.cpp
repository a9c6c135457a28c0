#include "VarPackage.h"

#include "JavaParseData.h"

MOSK_IMPLEMENT_SERIAL(CVarPackage, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

BOOL CVarPackage::Parse(char ch)
{
    if (ch != ';')
        return TRUE;
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    int nName = pData->FindWord("package") + 1;
    EndStatement(pData, nName);
    return FALSE;
}
