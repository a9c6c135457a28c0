#include "VarInterface.h"

#include "DragToken.h"
#include "JavaParseData.h"
#include "VarClass.h"
#include "VarMethod.h"

MOSK_IMPLEMENT_SERIAL(CVarInterface, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CDragToken* CVarInterface::MakeDragToken()
{
    return new CDragToken(CDragToken::DRAG_IFACE, this);
}

void CVarInterface::Clear()
{
    m_InnerClasses.DeleteAll();
    m_InnerInterfaces.DeleteAll();
    CVarContainer::Clear();
}

BOOL CVarInterface::Parse(char ch)
{
    if (m_nState == STATE_BODY)
        return ParseBody(ch);
    if (ch != '{')
        return TRUE;
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    m_nState = STATE_BODY;
    m_nStartLine = pData->GetPendingLine() + 1;
    m_nHeaderOffset = pData->GetWordCount() > 0 ? pData->GetWordOffset(0) : pData->GetPendingOffset();
    pData->TakeModifiers(this, CJavaParseData::MOD_STATIC | CJavaParseData::MOD_FINAL);
    int nKeyword = pData->FindInterfaceWord();
    if (nKeyword < 0)
        return FALSE;
    TakeSealing(pData, nKeyword, nKeyword + 1);
    int nCount = pData->GetWordCount();
    if (nKeyword + 1 < nCount) {
        m_strName = StripTypeParameters(pData->GetWord(nKeyword + 1));
        m_nNameOffset = pData->GetWordOffset(nKeyword + 1);
    }
    if (nKeyword + 3 < nCount && pData->GetWord(nKeyword + 2) == "extends")
        m_strParent = pData->GetWord(nKeyword + 3);
    pData->ResetWords();
    return TRUE;
}

CVarMethodDecl* CVarInterface::NewMethod(CJavaParseData* pData, int nLine)
{
    BOOL bBody = pData->FindWord("default") >= 0 || pData->FindWord("static") >= 0
        || pData->FindWord("private") >= 0;
    if (!bBody)
        return new CVarMethodDecl("", nLine);
    auto* pMethod = new CVarMethod("", nLine);
    pMethod->m_pOwnerClass = this;
    return pMethod;
}

void CVarInterface::DumpChildren(CString& strOut, int nIndent) const
{
    CVarContainer::DumpChildren(strOut, nIndent);
    m_InnerClasses.DumpTo(strOut, nIndent);
    m_InnerInterfaces.DumpTo(strOut, nIndent);
}
