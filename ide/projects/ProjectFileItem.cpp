#include "ProjectFileItem.h"

#include "Archive.h"
#include "FileObject.h"
#include "PathName.h"
#include "Project.h"
#include "ProjectImage.h"
#include "ProjectMenu.h"

MOSK_IMPLEMENT_SERIAL(CProjectFileItem, CTreeItem, VERSIONABLE_SCHEMA | 2)

namespace {

thread_local CString t_strArchiveFolder;

} // namespace

CProjectFileItem::CFolderScope::CFolderScope(const char* pszFolder)
    : m_strPrevious(t_strArchiveFolder)
{
    t_strArchiveFolder = pszFolder;
}

CProjectFileItem::CFolderScope::~CFolderScope()
{
    t_strArchiveFolder = m_strPrevious;
}

CProjectFileItem::CProjectFileItem() = default;

CProjectFileItem::CProjectFileItem(const char* pszPath)
    : CTreeItem(pszPath)
{
}

CProjectFileItem::~CProjectFileItem() = default;

void CProjectFileItem::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << CPathName::MakeRelative(m_strLabel, t_strArchiveFolder);
        ar << static_cast<DWORD>(m_bNeedsCompile ? 1 : 0);
        return;
    }
    UINT nSchema = ar.GetObjectSchema();
    if (nSchema != 1 && nSchema != 2)
        ar.ThrowError(CArchiveException::badSchema, GetRuntimeClass()->m_lpszClassName);
    m_nSchema = nSchema;
    CString strStored;
    ar >> strStored;
    DWORD nMark = 0;
    if (nSchema >= 2)
        ar >> nMark;
    m_bNeedsCompile = nMark != 0;
    if (!CPathName::MakeAbsolute(strStored, t_strArchiveFolder, m_strLabel))
        m_strLabel = CPathName::ToSlashes(strStored);
}

void CProjectFileItem::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += GetRuntimeClass()->m_lpszClassName;
    strOut += " \"" + m_strLabel + "\"";
    if (m_bNeedsCompile)
        strOut += " needs-compile";
    if (m_nSchema != 2)
        strOut += " schema=1";
    strOut += '\n';
}

BOOL CProjectFileItem::CanDelete() const
{
    return m_pProject && m_pProject->Owns(this);
}

BOOL CProjectFileItem::DeleteFromProject()
{
    return CanDelete() && m_pProject->RemoveFileItem(this, TRUE);
}

CString CProjectFileItem::GetShownLabel() const
{
    return CPathName::FileNameOf(m_strLabel);
}

int CProjectFileItem::GetContextMenu() const
{
    return CanDelete() ? SUBMENU_FILE : SUBMENU_OTHER_FILE;
}

int CProjectFileItem::GetDoubleClickAction() const
{
    return TREE_DBLCLK_OPEN_DOCUMENT;
}

int CProjectFileItem::GetImage() const
{
    CPathName path(m_strLabel);
    CString strName = path.GetFileName();
    BOOL bOwned = CanDelete();
    if (path.HasExtension(".java")) {
        if (bOwned && strName.CompareNoCase(m_pProject->m_strMainClass) == 0)
            return PROJIMG_JAVA_MAIN;
        return m_bNeedsCompile ? PROJIMG_JAVA_COMPILE : PROJIMG_JAVA;
    }
    if (path.HasExtension(".html") || path.HasExtension(".htm")) {
        if (bOwned && strName.CompareNoCase(m_pProject->m_strMainHtml) == 0)
            return PROJIMG_HTML_MAIN;
        return PROJIMG_HTML;
    }
    return PROJIMG_FILE;
}

void CProjectFileItem::SetFileObject(CFileObject* pFileObject)
{
    m_pFileObject.reset(pFileObject);
}
