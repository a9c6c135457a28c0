#include "VarMethod.h"

#include "Archive.h"
#include "Argument.h"
#include "JavaParseData.h"
#include "VarContainer.h"
#include "VarLocalClass.h"

#include <algorithm>
#include <cassert>
#include <vector>

MOSK_IMPLEMENT_SERIAL(CVarMethod, CVarMethodDecl, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CVarMethod::CVarMethod()
{
    m_bAbstract = FALSE;
}

CVarMethod::CVarMethod(const char* pszName, int nStartLine) : CVarMethodDecl(pszName, nStartLine)
{
    m_bAbstract = FALSE;
}

CVarMethod::~CVarMethod()
{
    delete m_pLocalClass;
}

void CVarMethod::Serialize(CArchive& ar)
{
    CVarMethodDecl::Serialize(ar);
    if (ar.IsStoring() || m_nLoadedSchema >= CURRENT_SCHEMA)
        m_LocalClasses.Serialize(ar);
}

void CVarMethod::Clear()
{
    m_LocalClasses.DeleteAll();
    delete m_pLocalClass;
    m_pLocalClass = nullptr;
    CVarMethodDecl::Clear();
}

POSITION CVarMethod::AddLocalClass(CVarClass* pClass)
{
    return m_LocalClasses.AddSorted(pClass);
}

void CVarMethod::DumpChildren(CString& strOut, int nIndent) const
{
    CVarMethodDecl::DumpChildren(strOut, nIndent);
    m_LocalClasses.DumpTo(strOut, nIndent);
}

BOOL CVarMethod::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (m_nState == STATE_BODY)
        return ParseBody(pData, ch);
    if (ParseSignature(pData, ch))
        return TRUE;
    if (ch == ';') {
        TakeThrows(pData);
        Finish(pData);
        return FALSE;
    }
    if (ch == '{') {
        TakeThrows(pData);
        m_nState = STATE_BODY;
        m_nBodyDepth = 1;
        pData->ResetWords();
        pData->SetFilter(CJavaParseData::FILTER_BODY);
    }
    return TRUE;
}

void CVarMethod::TakeHeader(CJavaParseData* pData)
{
    int nCount = pData->GetWordCount();
    BOOL bConstructor = nCount > 0 && m_pOwnerClass && pData->GetWord(nCount - 1) == m_pOwnerClass->m_strName;
    for (int i = 0; bConstructor && i < nCount - 1; ++i)
        bConstructor = pData->IsJavaKeyword(pData->GetWord(i));
    if (!bConstructor) {
        CVarMethodDecl::TakeHeader(pData);
        return;
    }
    m_nHeaderOffset = pData->GetWordOffset(0);
    int nSeen = pData->TakeModifiers(this, CJavaParseData::MOD_ALL);
    m_bSynchronized = (nSeen & CJavaParseData::SEEN_SYNCHRONIZED) != 0;
    m_bNative = (nSeen & CJavaParseData::SEEN_NATIVE) != 0;
    m_strName = pData->GetWord(nCount - 1);
    m_nNameOffset = pData->GetWordOffset(nCount - 1);
    m_strType.Empty();
}

void CVarMethod::StartCompact(CJavaParseData* pData, const CVarContainer& record)
{
    int nCount = pData->GetWordCount();
    assert(nCount > 0);
    m_nHeaderOffset = pData->GetWordOffset(0);
    pData->TakeModifiers(this, CJavaParseData::MOD_ALL);
    m_strName = pData->GetWord(nCount - 1);
    m_nNameOffset = pData->GetWordOffset(nCount - 1);
    m_strType.Empty();
    m_bCompact = TRUE;
    // The components are the record's instance fields, in the order of the header.
    std::vector<const CVarObject*> components;
    for (POSITION pos = record.m_Fields.GetHeadPosition(); pos;) {
        const CVarObject* pField = record.m_Fields.GetNext(pos);
        if (!pField->m_bStatic && pField->m_nHeaderOffset < m_nHeaderOffset)
            components.push_back(pField);
    }
    std::stable_sort(components.begin(), components.end(),
                     [](const CVarObject* a, const CVarObject* b) { return a->m_nHeaderOffset < b->m_nHeaderOffset; });
    for (const CVarObject* pComponent : components) {
        auto* pArgument = new CArgument(pComponent->m_strName, m_nStartLine);
        pArgument->m_strType = pComponent->m_strType;
        pArgument->m_nHeaderOffset = pComponent->m_nHeaderOffset;
        pArgument->m_nNameOffset = pComponent->m_nNameOffset;
        pArgument->m_nEndLine = m_nStartLine;
        pArgument->m_bComplete = TRUE;
        AddArgument(pArgument);
    }
    m_bInParams = FALSE;
    m_bParamsDone = TRUE;
    m_nState = STATE_BODY;
    m_nBodyDepth = 1;
    pData->ResetWords();
    pData->SetFilter(CJavaParseData::FILTER_BODY);
}

BOOL CVarMethod::ParseBody(CJavaParseData* pData, char ch)
{
    if (m_pLocalClass) {
        if (m_pLocalClass->Parse(ch))
            return TRUE;
        CVarClass* pLocal = m_pLocalClass;
        m_pLocalClass = nullptr;
        if (pLocal->m_bComplete && !pLocal->m_strName.IsEmpty())
            AddLocalClass(pLocal);
        else
            delete pLocal;
        pData->SetFilter(CJavaParseData::FILTER_BODY);
        return TRUE;
    }
    switch (ch) {
    case '{': {
        int nType = pData->FindTypeDeclaration();
        if (nType == CJavaParseData::TYPE_CLASS || nType == CJavaParseData::TYPE_ENUM) {
            StartLocalClass(pData, nType == CJavaParseData::TYPE_ENUM ? CVarContainer::KIND_ENUM
                                                                      : CVarContainer::KIND_PLAIN, ch);
            return TRUE;
        }
        ++m_nBodyDepth;
        pData->ResetWords();
        return TRUE;
    }
    case '(':
        if (pData->IsRecordHeader())
            StartLocalClass(pData, CVarContainer::KIND_RECORD, ch);
        return TRUE;
    case '}':
        if (--m_nBodyDepth <= 0) {
            Finish(pData);
            pData->SetFilter(CJavaParseData::FILTER_NONE);
            return FALSE;
        }
        pData->ResetWords();
        return TRUE;
    case ';':
        pData->ResetWords();
        return TRUE;
    }
    return TRUE;
}

void CVarMethod::StartLocalClass(CJavaParseData* pData, int nKind, char ch)
{
    auto* pLocal = new CVarLocalClass("", pData->GetPendingLine() + 1);
    pLocal->m_nKind = nKind;
    pLocal->m_strOuterMethod = m_strName;
    if (m_pOwnerClass)
        pLocal->m_strOuterClass = m_pOwnerClass->m_strName;
    if (pLocal->Parse(ch)) {
        m_pLocalClass = pLocal;
        pData->SetFilter(CJavaParseData::FILTER_NONE);
    } else {
        delete pLocal;
    }
}
