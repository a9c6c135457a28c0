#include "VarObject.h"

#include "JavaParseData.h"

#include "Archive.h"
#include "BrowserTree.h"
#include "JavaName.h"

#include <atomic>

MOSK_IMPLEMENT_SERIAL(CVarObject, CObject, VERSIONABLE_SCHEMA | CVarObject::CURRENT_SCHEMA)

namespace {

std::atomic<bool> s_bOldFormatRead{false};

} // namespace

CVarObject::CVarObject() : m_nAccess(ACCESS_PROTECTED)
{
}

CVarObject::CVarObject(const char* pszName, int nStartLine)
    : m_strName(pszName), m_nStartLine(nStartLine), m_nAccess(ACCESS_NONE)
{
}

BOOL CVarObject::IsOldFormatRead()
{
    return s_bOldFormatRead;
}

void CVarObject::SetOldFormatRead(BOOL bOld)
{
    s_bOldFormatRead = bOld != FALSE;
}

void CVarObject::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_strName << m_nStartLine << m_nEndLine << m_nAccess << m_nState << m_bComplete << m_bStatic
           << m_bFinal << m_strType << m_bAbstract;
        return;
    }
    // Outside ReadObject (a direct Serialize) the stream is in the current form.
    UINT nSchema = ar.GetObjectSchema();
    m_nLoadedSchema = nSchema == static_cast<UINT>(-1) ? CURRENT_SCHEMA : nSchema;
    BOOL bVersionable = GetRuntimeClass()->IsVersionable();
    if (bVersionable && (m_nLoadedSchema < 1 || m_nLoadedSchema > CURRENT_SCHEMA)) {
        CString strDetail;
        strDetail.Format("%s schema %u", GetRuntimeClass()->m_lpszClassName, m_nLoadedSchema);
        ar.ThrowError(CArchiveException::badSchema, strDetail);
    }
    ar >> m_strName >> m_nStartLine >> m_nEndLine >> m_nAccess >> m_nState >> m_bComplete >> m_bStatic >> m_bFinal
        >> m_strType;
    if (bVersionable && m_nLoadedSchema < CURRENT_SCHEMA) {
        // Older streams have no abstract flag.
        m_bAbstract = FALSE;
        SetOldFormatRead(TRUE);
    } else {
        ar >> m_bAbstract;
    }
}

BOOL CVarObject::Parse(char)
{
    return FALSE;
}

void CVarObject::Clear()
{
}

BOOL CVarObject::AddToTree(CBrowserTree& tree, void* hParent)
{
    if (m_strName.IsEmpty())
        return TRUE;
    CString strText;
    GetDisplayText(strText);
    tree.InsertItem(strText, GetImage(), hParent, this);
    return TRUE;
}

BOOL CVarObject::CanBeOverridden() const
{
    return FALSE;
}

void CVarObject::GetDisplayText(CString& strText) const
{
    strText = CJavaName::Unqualify(m_strName);
}

BOOL CVarObject::GetHelpText(CString&) const
{
    return FALSE;
}

BOOL CVarObject::IsEqual(const CVarObject* pOther) const
{
    return pOther && m_strName == pOther->m_strName && m_strType == pOther->m_strType;
}

int CVarObject::AccessImage(int nFirst) const
{
    switch (m_nAccess) {
    case ACCESS_PUBLIC: return nFirst;
    case ACCESS_PROTECTED: return nFirst + 1;
    default: return nFirst + 2;
    }
}

int CVarObject::GetImage() const
{
    return AccessImage(IMG_FIELD_PUBLIC);
}

BOOL CVarObject::CanBeExtended() const
{
    return FALSE;
}

CDragToken* CVarObject::MakeProjectDragToken()
{
    return nullptr;
}

CDragToken* CVarObject::MakeDragToken()
{
    return nullptr;
}

BOOL CVarObject::ShortenNames()
{
    m_strName = CJavaName::Unqualify(m_strName);
    return TRUE;
}

void CVarObject::AppendJoined(CString& strOut, const CString& strItem, const char* pszSeparator)
{
    if (!strOut.IsEmpty())
        strOut += pszSeparator;
    strOut += strItem;
}

void CVarObject::DumpAttributes(CString& strOut) const
{
    CString str;
    str.Format(" \"%s\" type=\"%s\" lines=%d-%d access=%d state=%d", m_strName.c_str(), m_strType.c_str(),
               m_nStartLine, m_nEndLine, m_nAccess, m_nState);
    strOut += str;
    CString strFlags;
    if (m_bComplete)
        AppendJoined(strFlags, "complete", ",");
    if (m_bStatic)
        AppendJoined(strFlags, "static", ",");
    if (m_bFinal)
        AppendJoined(strFlags, "final", ",");
    if (m_bAbstract)
        AppendJoined(strFlags, "abstract", ",");
    if (!strFlags.IsEmpty())
        strOut += " " + strFlags;
}

void CVarObject::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += GetRuntimeClass()->m_lpszClassName;
    DumpAttributes(strOut);
    strOut += '\n';
    DumpChildren(strOut, nIndent + 2);
}

void CVarObject::EndStatement(CJavaParseData* pData, int nName)
{
    int nCount = pData->GetWordCount();
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
}
