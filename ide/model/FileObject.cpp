#include "FileObject.h"

#include "Archive.h"
#include "VarBlockComment.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInterface.h"
#include "VarPackage.h"

MOSK_IMPLEMENT_SERIAL(CFileObject, CObject, 1)

CFileObject::~CFileObject()
{
    delete m_pPackage;
}

void CFileObject::Serialize(CArchive& ar)
{
    m_Classes.Serialize(ar);
    m_Interfaces.Serialize(ar);
    m_Imports.Serialize(ar);
}

void CFileObject::Clear()
{
    delete m_pPackage;
    m_pPackage = nullptr;
    m_Classes.DeleteAll();
    m_Interfaces.DeleteAll();
    m_Imports.DeleteAll();
    m_BlockComments.DeleteAll();
}

CVarClass* CFileObject::GetFirstClass() const
{
    return m_Classes.IsEmpty() ? nullptr : m_Classes.GetHead();
}

CVarInterface* CFileObject::GetFirstInterface() const
{
    return m_Interfaces.IsEmpty() ? nullptr : m_Interfaces.GetHead();
}

CVarContainer* CFileObject::GetClassAtLine(int nLine) const
{
    for (POSITION pos = m_Classes.GetHeadPosition(); pos;)
        if (CVarClass* pFound = m_Classes.GetNext(pos)->FindClassAtLine(nLine))
            return pFound;
    for (POSITION pos = m_Interfaces.GetHeadPosition(); pos;) {
        CVarInterface* pInterface = m_Interfaces.GetNext(pos);
        if (pInterface->m_nStartLine <= nLine && nLine <= pInterface->m_nEndLine)
            return pInterface;
    }
    return nullptr;
}

CVarClass* CFileObject::FindClass(const char* pszName) const
{
    return m_Classes.FindName(pszName);
}

CVarInterface* CFileObject::FindInterface(const char* pszName) const
{
    return m_Interfaces.FindName(pszName);
}

BOOL CFileObject::ShortenNames()
{
    for (POSITION pos = m_Classes.GetHeadPosition(); pos;)
        m_Classes.GetNext(pos)->ShortenNames();
    for (POSITION pos = m_Interfaces.GetHeadPosition(); pos;)
        m_Interfaces.GetNext(pos)->ShortenNames();
    return TRUE;
}

void CFileObject::DumpLists(CString& strOut, int nIndent) const
{
    m_Classes.DumpTo(strOut, nIndent);
    m_Interfaces.DumpTo(strOut, nIndent);
    m_Imports.DumpTo(strOut, nIndent);
}

void CFileObject::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += "CFileObject\n";
    DumpLists(strOut, nIndent + 2);
}
