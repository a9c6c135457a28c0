#include "VarContainer.h"

#include "Archive.h"
#include "ClassIndex.h"
#include "JavaName.h"
#include "JavaParseData.h"
#include "VarCodeBlock.h"
#include "VarInnerClass.h"
#include "VarInnerInterface.h"
#include "VarInterface.h"
#include "VarMethod.h"
#include "Variable.h"

MOSK_IMPLEMENT_SERIAL(CVarContainer, CVarObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

CVarContainer::~CVarContainer()
{
    delete m_pCurrentMember;
}

void CVarContainer::Serialize(CArchive& ar)
{
    CVarObject::Serialize(ar);
    m_Methods.Serialize(ar, CVarObject::GetThisClass());
    m_Fields.Serialize(ar, CVarObject::GetThisClass());
    if (ar.IsStoring())
        ar << m_strParent;
    else
        ar >> m_strParent;
}

void CVarContainer::Clear()
{
    m_Methods.DeleteAll();
    m_Fields.DeleteAll();
    m_CodeBlocks.DeleteAll();
    delete m_pCurrentMember;
    m_pCurrentMember = nullptr;
}

void CVarContainer::GetDisplayText(CString& strText) const
{
    strText = CJavaName::Unqualify(m_strName);
    if (!m_strParent.IsEmpty())
        strText += " extends " + CJavaName::Unqualify(m_strParent);
}

BOOL CVarContainer::ShortenNames()
{
    CVarObject::ShortenNames();
    for (POSITION pos = m_Fields.GetHeadPosition(); pos;)
        m_Fields.GetNext(pos)->ShortenNames();
    for (POSITION pos = m_Methods.GetHeadPosition(); pos;)
        m_Methods.GetNext(pos)->ShortenNames();
    return TRUE;
}

int CVarContainer::CanOverride(const CVarObject* pMethod, const CClassIndex& index) const
{
    const CVarContainer* pHolder = index.FindMethodOwner(pMethod);
    BOOL bAncestor = FALSE;
    if (pHolder) {
        bAncestor = index.IsAncestor(this, pHolder);
        if (!bAncestor && pHolder->IsKindOf(MOSK_RUNTIME_CLASS(CVarInterface)))
            bAncestor = ImplementsInterface(pHolder->m_strName);
    }
    if (!bAncestor)
        return 1;
    for (POSITION pos = m_Methods.GetHeadPosition(); pos;)
        if (m_Methods.GetNext(pos)->IsEqual(pMethod))
            return 2;
    return 0;
}

void CVarContainer::DumpAttributes(CString& strOut) const
{
    CVarObject::DumpAttributes(strOut);
    if (!m_strParent.IsEmpty())
        strOut += " parent=\"" + m_strParent + "\"";
    if (m_nSealed != SEALED_NONE)
        strOut += m_nSealed == SEALED_SEALED ? " sealed" : " non-sealed";
    if (!m_Permits.IsEmpty()) {
        CString strPermits;
        for (int i = 0; i < m_Permits.GetSize(); ++i)
            strPermits += (i ? "," : "") + m_Permits[i];
        strOut += " permits=\"" + strPermits + "\"";
    }
}

void CVarContainer::TakeSealing(const CJavaParseData* pData, int nKeyword, int nFrom)
{
    // "non-sealed" reaches the words as "non" and "sealed": the "-" is no word.
    m_nSealed = SEALED_NONE;
    for (int i = 0; i < nKeyword; ++i) {
        if (pData->GetWord(i) != "sealed")
            continue;
        m_nSealed = i > 0 && pData->GetWord(i - 1) == "non" ? SEALED_NON_SEALED : SEALED_SEALED;
    }
    m_Permits.RemoveAll();
    int nCount = pData->GetWordCount();
    int nPermits = pData->FindWord("permits", nFrom);
    if (nPermits < 0)
        return;
    for (int i = nPermits + 1; i < nCount; ++i)
        m_Permits.Add(pData->GetWord(i));
}

void CVarContainer::DumpChildren(CString& strOut, int nIndent) const
{
    m_Methods.DumpTo(strOut, nIndent);
    m_Fields.DumpTo(strOut, nIndent);
}

BOOL CVarContainer::ParseBody(char ch)
{
    if (m_pCurrentMember)
        return FeedMember(ch);
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    int nLine = pData->GetPendingLine() + 1;
    // Inside the header of an inner class or interface ("implements A, B")
    // only the brace that opens its body matters.
    if (ch != '{' && ch != '}' && pData->FindTypeDeclaration() != CJavaParseData::TYPE_NONE)
        return TRUE;
    switch (ch) {
    case '{': {
        int nType = pData->FindTypeDeclaration();
        if ((nType == CJavaParseData::TYPE_CLASS || nType == CJavaParseData::TYPE_ENUM) && GetInnerClassList()) {
            auto* pClass = new CVarInnerClass("", nLine);
            pClass->m_nKind = nType == CJavaParseData::TYPE_ENUM ? KIND_ENUM : KIND_PLAIN;
            pClass->m_strOuterClass = m_strName;
            m_pCurrentMember = pClass;
            m_nCurrentList = LIST_INNER_CLASSES;
        } else if ((nType == CJavaParseData::TYPE_INTERFACE || nType == CJavaParseData::TYPE_ANNOTATION)
                   && GetInnerInterfaceList()) {
            auto* pInterface = new CVarInnerInterface("", nLine);
            pInterface->m_nKind = nType == CJavaParseData::TYPE_ANNOTATION ? KIND_ANNOTATION : KIND_PLAIN;
            pInterface->m_strOuterClass = m_strName;
            m_pCurrentMember = pInterface;
            m_nCurrentList = LIST_INNER_INTERFACES;
        } else if (IsCompactConstructor(pData)) {
            auto* pMethod = new CVarMethod("", nLine);
            pMethod->m_pOwnerClass = this;
            pMethod->StartCompact(pData, *this);
            m_pCurrentMember = pMethod;
            m_nCurrentList = LIST_METHODS;
            m_nArrayDims = 0;
            return TRUE;
        } else {
            m_pCurrentMember = new CVarCodeBlock(nLine);
            m_nCurrentList = LIST_CODE_BLOCKS;
        }
        m_nArrayDims = 0;
        return FeedMember(ch);
    }
    case '(':
        if (pData->IsRecordHeader() && GetInnerClassList()) {
            auto* pClass = new CVarInnerClass("", nLine);
            pClass->m_nKind = KIND_RECORD;
            pClass->m_strOuterClass = m_strName;
            m_pCurrentMember = pClass;
            m_nCurrentList = LIST_INNER_CLASSES;
        } else {
            CVarMethodDecl* pMethod = NewMethod(pData, nLine);
            pMethod->m_nArrayDims = m_nArrayDims;
            m_pCurrentMember = pMethod;
            m_nCurrentList = LIST_METHODS;
        }
        m_nArrayDims = 0;
        return FeedMember(ch);
    case '=':
    case ';':
    case ',': {
        auto* pField = new CVariable("", nLine);
        pField->m_nArrayDims = m_nArrayDims;
        m_nArrayDims = 0;
        m_pCurrentMember = pField;
        m_nCurrentList = LIST_FIELDS;
        return FeedMember(ch);
    }
    case '[':
        ++m_nArrayDims;
        return TRUE;
    case '}':
        m_nEndLine = nLine;
        m_nEndOffset = pData->GetPendingOffset();
        m_bComplete = TRUE;
        pData->ResetWords();
        return FALSE;
    }
    return TRUE;
}

BOOL CVarContainer::FeedMember(char ch)
{
    if (m_pCurrentMember->Parse(ch))
        return TRUE;
    CVarObject* pMember = m_pCurrentMember;
    int nList = m_nCurrentList;
    m_pCurrentMember = nullptr;
    m_nCurrentList = LIST_NONE;
    if (!pMember->m_bComplete) {
        delete pMember;
        return FALSE;
    }
    int nLine = pMember->m_nStartLine;
    PlaceMember(pMember, nList);
    if (ch == ',' && nList == LIST_FIELDS) {
        // The next declarator of the same declaration; its words were carried over.
        m_pCurrentMember = new CVariable("", nLine);
        m_nCurrentList = LIST_FIELDS;
    }
    return TRUE;
}

void CVarContainer::PlaceMember(CVarObject* pMember, int nList)
{
    CVarList* pList = nullptr;
    switch (nList) {
    case LIST_METHODS: pList = &m_Methods; break;
    case LIST_FIELDS: pList = &m_Fields; break;
    case LIST_INNER_CLASSES: pList = GetInnerClassList(); break;
    case LIST_INNER_INTERFACES: pList = GetInnerInterfaceList(); break;
    case LIST_CODE_BLOCKS:
        m_CodeBlocks.AddTail(pMember);
        return;
    }
    // A stray ";" (after a method body, say) makes a field without a name: nothing was declared.
    if (!pList || pMember->m_strName.IsEmpty()) {
        delete pMember;
        return;
    }
    pList->AddSorted(pMember);
}

BOOL CVarContainer::IsCompactConstructor(const CJavaParseData* pData) const
{
    int nCount = pData->GetWordCount();
    if (m_nKind != KIND_RECORD || nCount == 0 || pData->GetWord(nCount - 1) != m_strName)
        return FALSE;
    for (int i = 0; i < nCount - 1; ++i)
        if (!pData->IsJavaKeyword(pData->GetWord(i)))
            return FALSE;
    return TRUE;
}

CVarMethodDecl* CVarContainer::NewMethod(CJavaParseData*, int nLine)
{
    auto* pMethod = new CVarMethod("", nLine);
    pMethod->m_pOwnerClass = this;
    return pMethod;
}

CString CVarContainer::StripTypeParameters(const CString& strName)
{
    int nAngle = strName.Find('<');
    return nAngle < 0 ? strName : strName.Left(nAngle);
}
