#include "PackageObject.h"

#include "Archive.h"

MOSK_IMPLEMENT_SERIAL(CPackageObject, CFileObject, 1)

CPackageObject::~CPackageObject()
{
    for (POSITION pos = m_Files.GetHeadPosition(); pos;)
        delete m_Files.GetNext(pos);
}

void CPackageObject::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strPackageName;
    else
        ar >> m_strPackageName;
    CFileObject::Serialize(ar);
}

void CPackageObject::DumpTo(CString& strOut, int nIndent) const
{
    DumpIndent(strOut, nIndent);
    strOut += "CPackageObject \"" + m_strPackageName + "\"\n";
    DumpLists(strOut, nIndent + 2);
}
