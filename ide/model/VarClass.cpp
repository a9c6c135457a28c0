#include "VarClass.h"

#include "Archive.h"
#include "DragToken.h"
#include "JavaName.h"
#include "JavaParseData.h"
#include "VarInterface.h"
#include "Variable.h"

MOSK_IMPLEMENT_SERIAL(CVarClass, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CVarClass::Serialize(CArchive& ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring()) {
        ar.SerializeStrings(m_Interfaces);
        m_InnerClasses.Serialize(ar);
        m_InnerInterfaces.Serialize(ar);
        return;
    }
    if (m_nLoadedSchema == 1) {
        // Schema 1 kept the one implemented interface as a string; empty meant none.
        CString strInterface;
        ar >> strInterface;
        if (!strInterface.IsEmpty())
            m_Interfaces.Add(strInterface);
        return;
    }
    ar.SerializeStrings(m_Interfaces);
    if (m_nLoadedSchema >= 3) {
        m_InnerClasses.Serialize(ar);
        m_InnerInterfaces.Serialize(ar);
    }
}

void CVarClass::Clear()
{
    m_InnerClasses.DeleteAll();
    m_InnerInterfaces.DeleteAll();
    CVarContainer::Clear();
}

void CVarClass::GetDisplayText(CString& strText) const
{
    strText.Empty();
    if (m_bFinal)
        strText += "Final ";
    strText += CJavaName::Unqualify(m_strName);
    if (!m_strParent.IsEmpty())
        strText += " extends " + CJavaName::Unqualify(m_strParent);
    CString strInterfaces;
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        AppendJoined(strInterfaces, CJavaName::Unqualify(m_Interfaces[i]), ", ");
    if (!strInterfaces.IsEmpty())
        strText += " implements " + strInterfaces;
}

CDragToken* CVarClass::MakeProjectDragToken()
{
    return new CDragToken(CDragToken::DRAG_PROJCLASS, this);
}

CDragToken* CVarClass::MakeDragToken()
{
    return new CDragToken(CDragToken::DRAG_CLASS, this);
}

BOOL CVarClass::ImplementsInterface(const char* pszName) const
{
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        if (m_Interfaces[i].CompareNoCase(pszName) == 0)
            return TRUE;
    return FALSE;
}

POSITION CVarClass::AddInnerInterface(CVarInterface* pInterface)
{
    return m_InnerInterfaces.AddSorted(pInterface);
}

CVarClass* CVarClass::FindClassAtLine(int nLine)
{
    for (POSITION pos = m_InnerClasses.GetHeadPosition(); pos;)
        if (CVarClass* pFound = m_InnerClasses.GetNext(pos)->FindClassAtLine(nLine))
            return pFound;
    return (m_nStartLine <= nLine && nLine <= m_nEndLine) ? this : nullptr;
}

void CVarClass::DumpAttributes(CString& strOut) const
{
    CVarContainer::DumpAttributes(strOut);
    CString strInterfaces;
    for (int i = 0; i < m_Interfaces.GetSize(); ++i)
        AppendJoined(strInterfaces, m_Interfaces[i], ",");
    if (!m_Interfaces.IsEmpty())
        strOut += " implements=\"" + strInterfaces + "\"";
}

void CVarClass::DumpChildren(CString& strOut, int nIndent) const
{
    CVarContainer::DumpChildren(strOut, nIndent);
    m_InnerClasses.DumpTo(strOut, nIndent);
    m_InnerInterfaces.DumpTo(strOut, nIndent);
}

BOOL CVarClass::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (m_nState == STATE_BODY) {
        if (m_nParseStep == STEP_CONSTANTS && !m_pCurrentMember)
            return ParseEnumConstant(ch);
        return ParseBody(ch);
    }
    if (m_nKind == KIND_RECORD && m_nParseStep == STEP_NONE && ch == '(') {
        if (TakeHeader(pData) < 0)
            return FALSE;
        m_nParseStep = STEP_COMPONENTS;
        m_nArrayDims = 0;
        pData->ResetWords();
        return TRUE;
    }
    if (m_nParseStep == STEP_COMPONENTS) {
        if (ch == '[') {
            ++m_nArrayDims;
        } else if (ch == ',' || ch == ')') {
            MakeComponent(pData);
            if (ch == ')')
                m_nParseStep = STEP_AFTER_COMPONENTS;
        }
        return TRUE;
    }
    if (ch != '{')
        return TRUE;
    m_nState = STATE_BODY;
    m_nStartLine = pData->GetPendingLine() + 1;
    if (m_nParseStep == STEP_AFTER_COMPONENTS) {
        TakeSupertypes(pData, 0);
    } else {
        int nName = TakeHeader(pData);
        if (nName < 0)
            return FALSE;
        TakeSupertypes(pData, nName + 1);
    }
    pData->ResetWords();
    m_nParseStep = m_nKind == KIND_ENUM ? STEP_CONSTANTS : STEP_NONE;
    return TRUE;
}

int CVarClass::TakeHeader(CJavaParseData* pData)
{
    const char* pszKeyword = m_nKind == KIND_ENUM ? "enum" : m_nKind == KIND_RECORD ? "record" : "class";
    m_nHeaderOffset = pData->GetWordCount() > 0 ? pData->GetWordOffset(0) : pData->GetPendingOffset();
    pData->TakeModifiers(this, CJavaParseData::MOD_STATIC | CJavaParseData::MOD_FINAL | CJavaParseData::MOD_ABSTRACT);
    int nKeyword = pData->FindWord(pszKeyword);
    if (nKeyword < 0)
        return -1;
    TakeSealing(pData, nKeyword, nKeyword + 1);
    int nName = nKeyword + 1;
    if (nName < pData->GetWordCount()) {
        m_strName = StripTypeParameters(pData->GetWord(nName));
        m_nNameOffset = pData->GetWordOffset(nName);
    }
    return nName;
}

void CVarClass::TakeSupertypes(CJavaParseData* pData, int nFrom)
{
    int nCount = pData->GetWordCount();
    int i = nFrom;
    if (i + 1 < nCount && pData->GetWord(i) == "extends") {
        m_strParent = pData->GetWord(i + 1);
        i += 2;
    }
    if (i < nCount && pData->GetWord(i) == "implements") {
        for (++i; i < nCount && pData->GetWord(i) != "permits"; ++i)
            m_Interfaces.Add(pData->GetWord(i));
    }
}

BOOL CVarClass::ParseEnumConstant(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (m_nNesting > 0) {
        // Inside the arguments or the class body of a constant.
        if (ch == '(' || ch == '{' || ch == '[') {
            ++m_nNesting;
        } else if (ch == ')' || ch == '}' || ch == ']') {
            if (--m_nNesting == 0)
                pData->ResetWords();
        }
        return TRUE;
    }
    switch (ch) {
    case '(':
    case '{':
    case '[':
        MakeEnumConstant(pData);
        ++m_nNesting;
        return TRUE;
    case ',':
        MakeEnumConstant(pData);
        m_bConstantMade = FALSE;
        pData->ResetWords();
        return TRUE;
    case ';':
        MakeEnumConstant(pData);
        m_nParseStep = STEP_NONE;
        pData->ResetWords();
        return TRUE;
    case '}':
        MakeEnumConstant(pData);
        m_nParseStep = STEP_NONE;
        return ParseBody(ch);
    }
    return TRUE;
}

void CVarClass::MakeEnumConstant(CJavaParseData* pData)
{
    int nCount = pData->GetWordCount();
    if (m_bConstantMade || nCount == 0)
        return;
    m_bConstantMade = TRUE;
    auto* pConstant = new CVariable(pData->GetWord(nCount - 1), pData->GetPendingLine() + 1);
    pConstant->m_nHeaderOffset = pData->GetWordOffset(nCount - 1);
    pConstant->m_nNameOffset = pConstant->m_nHeaderOffset;
    pConstant->m_nEndLine = pConstant->m_nStartLine;
    pConstant->m_nEndOffset = pData->GetPendingOffset();
    pConstant->m_strType = m_strName;
    pConstant->m_nAccess = ACCESS_PUBLIC;
    pConstant->m_bStatic = TRUE;
    pConstant->m_bFinal = TRUE;
    pConstant->m_bComplete = TRUE;
    AddField(pConstant);
}

void CVarClass::MakeComponent(CJavaParseData* pData)
{
    if (pData->GetWordCount() > 0) {
        auto* pComponent = new CVariable("", pData->GetPendingLine() + 1);
        pComponent->m_nHeaderOffset = pData->GetWordOffset(0);
        pData->TakeTypeAndName(pComponent, m_nArrayDims);
        pComponent->m_nEndLine = pComponent->m_nStartLine;
        pComponent->m_nEndOffset = pData->GetPendingOffset();
        pComponent->m_nAccess = ACCESS_PRIVATE;
        pComponent->m_bFinal = TRUE;
        pComponent->m_bComplete = TRUE;
        if (pComponent->m_strName.IsEmpty())
            delete pComponent;
        else
            AddField(pComponent);
    }
    m_nArrayDims = 0;
    pData->ResetWords();
}
