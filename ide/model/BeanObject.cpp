#include "BeanObject.h"

#include "Archive.h"
#include "BeanListenInterface.h"
#include "BeanEvent.h"
#include "BeanProp.h"
#include "JavaName.h"
#include "JavaParseData.h"
#include "VarMethodDecl.h"

MOSK_IMPLEMENT_SERIAL(CBeanObject, CVarContainer, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

void CBeanObject::Serialize(CArchive& ar)
{
    CVarContainer::Serialize(ar);
    if (ar.IsStoring())
        ar << m_nReserved1 << m_nReserved2;
    else
        ar >> m_nReserved1 >> m_nReserved2;
    m_Listeners.Serialize(ar);
}

void CBeanObject::Clear()
{
    m_Listeners.DeleteAll();
    CVarContainer::Clear();
}

void CBeanObject::GetDisplayText(CString& strText) const
{
    strText = CJavaName::Unqualify(m_strName);
}

POSITION CBeanObject::AddListener(CBeanListenInterface* pListener)
{
    return m_Listeners.AddSorted(pListener);
}

void CBeanObject::DumpAttributes(CString& strOut) const
{
    CVarContainer::DumpAttributes(strOut);
    CString str;
    str.Format(" reserved=%d,%d", m_nReserved1, m_nReserved2);
    strOut += str;
}

void CBeanObject::DumpChildren(CString& strOut, int nIndent) const
{
    CVarContainer::DumpChildren(strOut, nIndent);
    m_Listeners.DumpTo(strOut, nIndent);
}

namespace {

BOOL HasPrefix(const CString& strWord, const char* pszPrefix)
{
    CString strPrefix = pszPrefix;
    return strWord.GetLength() > strPrefix.GetLength()
        && strWord.Left(strPrefix.GetLength()).CompareNoCase(strPrefix) == 0;
}

CVarMethodDecl* NewAccessor(const CString& strName, int nLine)
{
    auto* pMethod = new CVarMethodDecl(strName, nLine);
    pMethod->m_bComplete = TRUE;
    return pMethod;
}

} // namespace

CVarMethodDecl* CBeanObject::NewMethod(CJavaParseData*, int nLine)
{
    return new CVarMethodDecl("", nLine);
}

void CBeanObject::TakeProperty(CJavaParseData* pData, int nLine)
{
    int nCount = pData->GetWordCount();
    int i = 0;
    int nAccess = ACCESS_NONE;
    static const struct { const char* pszFlag; int nAccess; } s_flags[] = {{"H", 1}, {"I", 3}, {"E", 2}};
    for (const auto& flag : s_flags)
        if (i < nCount && pData->GetWord(i).CompareNoCase(flag.pszFlag) == 0) {
            nAccess = flag.nAccess;
            i++;
        }
    while (i < nCount && (pData->GetWord(i) == "class" || pData->GetWord(i) == "interface"))
        i++;
    if (i + 1 >= nCount)
        return;  // no type and name
    CString strType = pData->GetWord(i++);
    if (m_bDescriptor) {
        // "[Lpkg.Name;": the brackets and the ";" never reached the word; the "L" did.
        if (strType.GetLength() > 1 && strType[0] == 'L')
            strType = strType.Mid(1);
    } else {
        for (int n = 0; n < m_nArrayDims; n++)
            strType += "[]";
    }
    auto* pProp = new CBeanProp(pData->GetWord(i++), nLine);
    pProp->m_strType = strType;
    pProp->m_nAccess = nAccess;
    pProp->m_bComplete = TRUE;
    for (int nAccessor = 0; nAccessor < 2 && i < nCount; nAccessor++, i++) {
        const CString& strWord = pData->GetWord(i);
        if ((HasPrefix(strWord, "get") || HasPrefix(strWord, "is")) && !pProp->m_pGetter)
            pProp->m_pGetter = NewAccessor(strWord, nLine);
        else if (HasPrefix(strWord, "set") && !pProp->m_pSetter)
            pProp->m_pSetter = NewAccessor(strWord, nLine);
    }
    AddField(pProp);
}

void CBeanObject::TakeListener(CJavaParseData* pData, int nLine)
{
    int nCount = pData->GetWordCount();
    if (nCount == 0)
        return;
    auto* pListener = new CBeanListenInterface(pData->GetWord(0), nLine);
    pListener->m_bComplete = TRUE;
    int i = 1;
    if (i < nCount && HasPrefix(pData->GetWord(i), "add"))
        pListener->m_pAdder = NewAccessor(pData->GetWord(i++), nLine);
    if (i < nCount && HasPrefix(pData->GetWord(i), "remove"))
        pListener->m_pRemover = NewAccessor(pData->GetWord(i++), nLine);
    for (; i < nCount; i++)
        pListener->AddEvent(new CBeanEvent(pData->GetWord(i), nLine));
    AddListener(pListener);
}

BOOL CBeanObject::Parse(char ch)
{
    CJavaParseData* pData = CJavaParseData::GetCurrent();
    if (!pData)
        return FALSE;
    int nLine = pData->GetPendingLine() + 1;
    if (m_nState == STATE_HEADER) {
        if (ch != '{')
            return TRUE;
        if (pData->GetWordCount() > 0)
            m_strName = pData->GetWord(pData->GetWordCount() - 1);
        m_nState = STATE_BODY;
        pData->ResetWords();
        return TRUE;
    }
    switch (m_nSection) {
    case SECTION_NONE:
        if (ch == '{') {
            CString strWord = pData->GetWordCount() > 0 ? pData->GetWord(pData->GetWordCount() - 1) : CString();
            m_nSection = strWord.CompareNoCase("Properties") == 0 ? SECTION_PROPERTIES
                       : strWord.CompareNoCase("Events") == 0   ? SECTION_EVENTS
                       : strWord.CompareNoCase("Methods") == 0  ? SECTION_METHODS : SECTION_NONE;
            if (m_nSection == SECTION_NONE)
                return FALSE;  // not a description
            pData->ResetWords();
        } else if (ch == '}') {
            m_nEndLine = nLine;
            m_bComplete = TRUE;
            pData->ResetWords();
            return FALSE;
        }
        return TRUE;
    case SECTION_METHODS:
        if (ch == '}' && !m_pCurrentMember) {
            m_nSection = SECTION_NONE;
            pData->ResetWords();
            return TRUE;
        }
        return ParseBody(ch);
    default:
        break;
    }
    // Properties and events: entries end with ";" (or the section's "}").
    if (ch == '[') {
        m_nBrackets++;
        return TRUE;
    }
    if (ch == ']') {
        if (m_nBrackets > 0)
            m_nBrackets--;
        m_nArrayDims++;
        return TRUE;
    }
    if (ch == ';' && m_nBrackets > 0) {
        m_bDescriptor = TRUE;
        m_nBrackets = 0;
        return TRUE;
    }
    if (ch != ';' && ch != '}')
        return TRUE;
    if (m_nSection == SECTION_PROPERTIES)
        TakeProperty(pData, nLine);
    else
        TakeListener(pData, nLine);
    m_nBrackets = 0;
    m_nArrayDims = 0;
    m_bDescriptor = FALSE;
    pData->ResetWords();
    if (ch == '}')
        m_nSection = SECTION_NONE;
    return TRUE;
}
