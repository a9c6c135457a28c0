#include "JavaOutline.h"

#include "FileObject.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInnerClass.h"
#include "VarInnerInterface.h"
#include "VarInterface.h"
#include "VarLocalClass.h"
#include "VarMethod.h"
#include "VarPackage.h"
#include "Variable.h"

#include <algorithm>
#include <vector>

namespace {

class COutlineWriter {
public:
    COutlineWriter(const char* pszFile, CString& strOut) : m_strFile(pszFile), m_strOut(strOut) {}

    void WriteFile(const CFileObject& file)
    {
        if (file.m_pPackage)
            Line(*file.m_pPackage, "package", file.m_pPackage->m_strName, "", "");
        for (POSITION pos = file.m_Imports.GetHeadPosition(); pos;) {
            const CVarImport* pImport = file.m_Imports.GetNext(pos);
            Line(*pImport, "import", pImport->m_strName, "", "");
        }
        std::vector<const CVarObject*> types;
        Collect(file.m_Classes, types);
        Collect(file.m_Interfaces, types);
        SortBySource(types);
        for (const CVarObject* pType : types)
            WriteObject(*pType, "");
    }

private:
    static void Collect(const CVarList& list, std::vector<const CVarObject*>& out)
    {
        for (POSITION pos = list.GetHeadPosition(); pos;)
            out.push_back(list.GetNext(pos));
    }

    static void SortBySource(std::vector<const CVarObject*>& objects)
    {
        std::stable_sort(objects.begin(), objects.end(), [](const CVarObject* a, const CVarObject* b) {
            if (a->m_nNameOffset != b->m_nNameOffset)
                return a->m_nNameOffset < b->m_nNameOffset;
            return a->m_nHeaderOffset < b->m_nHeaderOffset;
        });
    }

    static CString Qualify(const CString& strScope, const CString& strName)
    {
        return strScope.IsEmpty() ? strName : strScope + "." + strName;
    }

    static const char* ContainerKind(const CVarObject& object)
    {
        if (object.IsKindOf(MOSK_RUNTIME_CLASS(CVarLocalClass)))
            return "local class";
        if (object.IsKindOf(MOSK_RUNTIME_CLASS(CVarInnerClass)))
            return "inner class";
        if (object.IsKindOf(MOSK_RUNTIME_CLASS(CVarInnerInterface)))
            return "inner interface";
        if (object.IsKindOf(MOSK_RUNTIME_CLASS(CVarInterface)))
            return "interface";
        return "class";
    }

    static const char* DeclaredWith(const CVarContainer& container)
    {
        switch (container.m_nKind) {
        case CVarContainer::KIND_ENUM: return "enum";
        case CVarContainer::KIND_RECORD: return "record";
        case CVarContainer::KIND_ANNOTATION: return "@interface";
        }
        return container.IsClass() ? "class" : "interface";
    }

    void WriteObject(const CVarObject& object, const CString& strScope)
    {
        CString strName = Qualify(strScope, object.m_strName);
        if (const auto* pContainer = dynamic_cast<const CVarContainer*>(&object)) {
            WriteContainer(*pContainer, strName);
        } else if (const auto* pMethod = dynamic_cast<const CVarMethodDecl*>(&object)) {
            WriteMethod(*pMethod, strName);
        } else {
            Line(object, "field", strName, object.m_strType, "");
        }
    }

    void WriteContainer(const CVarContainer& container, const CString& strName)
    {
        CString strDetail;
        if (!container.m_strParent.IsEmpty())
            strDetail = "extends " + container.m_strParent;
        if (const auto* pClass = dynamic_cast<const CVarClass*>(&container)) {
            CString strInterfaces;
            for (int i = 0; i < pClass->m_Interfaces.GetSize(); ++i)
                strInterfaces += (i ? ", " : "") + pClass->m_Interfaces[i];
            if (!strInterfaces.IsEmpty())
                strDetail += (strDetail.IsEmpty() ? "implements " : " implements ") + strInterfaces;
        }
        if (!container.m_Permits.IsEmpty()) {
            CString strPermits;
            for (int i = 0; i < container.m_Permits.GetSize(); ++i)
                strPermits += (i ? ", " : "") + container.m_Permits[i];
            strDetail += (strDetail.IsEmpty() ? "permits " : " permits ") + strPermits;
        }
        Line(container, ContainerKind(container), strName, DeclaredWith(container), strDetail);
        std::vector<const CVarObject*> members;
        Collect(container.m_Fields, members);
        Collect(container.m_Methods, members);
        if (const CVarList* pInner = const_cast<CVarContainer&>(container).GetInnerClassList())
            Collect(*pInner, members);
        if (const CVarList* pInner = const_cast<CVarContainer&>(container).GetInnerInterfaceList())
            Collect(*pInner, members);
        SortBySource(members);
        for (const CVarObject* pMember : members)
            WriteObject(*pMember, strName);
    }

    void WriteMethod(const CVarMethodDecl& method, const CString& strName)
    {
        CString strThrows;
        for (int i = 0; i < method.m_Exceptions.GetSize(); ++i)
            strThrows += (i ? ", " : "") + method.m_Exceptions[i];
        Line(method, "method", strName, method.m_strType, strThrows.IsEmpty() ? CString() : "throws " + strThrows);
        for (POSITION pos = method.m_Arguments.GetHeadPosition(); pos;) {
            const CVariable* pArgument = method.m_Arguments.GetNext(pos);
            Line(*pArgument, "argument", Qualify(strName, pArgument->m_strName), pArgument->m_strType, "");
        }
        if (const auto* pMethod = dynamic_cast<const CVarMethod*>(&method)) {
            std::vector<const CVarObject*> locals;
            Collect(pMethod->m_LocalClasses, locals);
            SortBySource(locals);
            for (const CVarObject* pLocal : locals)
                WriteObject(*pLocal, strName);
        }
    }

    static const char* Access(int nAccess)
    {
        switch (nAccess) {
        case CVarObject::ACCESS_PUBLIC: return "public";
        case CVarObject::ACCESS_PROTECTED: return "protected";
        case CVarObject::ACCESS_PRIVATE: return "private";
        }
        return "-";
    }

    static CString Flags(const CVarObject& object)
    {
        CString str;
        auto add = [&str](BOOL b, const char* psz) {
            if (b)
                str += CString(str.IsEmpty() ? "" : ",") + psz;
        };
        add(object.m_bStatic, "static");
        add(object.m_bFinal, "final");
        add(object.m_bAbstract, "abstract");
        if (const auto* pContainer = dynamic_cast<const CVarContainer*>(&object)) {
            add(pContainer->m_nSealed == CVarContainer::SEALED_SEALED, "sealed");
            add(pContainer->m_nSealed == CVarContainer::SEALED_NON_SEALED, "non-sealed");
        }
        if (const auto* pMethod = dynamic_cast<const CVarMethodDecl*>(&object)) {
            add(pMethod->m_bSynchronized, "synchronized");
            add(pMethod->m_bNative, "native");
            if (const auto* pBodied = dynamic_cast<const CVarMethod*>(pMethod))
                add(pBodied->m_bCompact, "compact");
        }
        add(!object.m_bComplete, "incomplete");
        return str;
    }

    void Line(const CVarObject& object, const char* pszKind, const CString& strName, const CString& strType,
              const CString& strDetail)
    {
        CString strLine;
        strLine.Format("%s\t%d\t%d\t%s\t", m_strFile.c_str(), object.m_nStartLine, object.m_nEndLine, pszKind);
        m_strOut += strLine;
        m_strOut += Field(strName) + "\t" + Field(strType) + "\t" + Access(object.m_nAccess) + "\t"
                  + Field(Flags(object)) + "\t" + Field(strDetail) + "\n";
    }

    static CString Field(const CString& str)
    {
        return str.IsEmpty() ? CString("-") : str;
    }

    CString m_strFile;
    CString& m_strOut;
};

} // namespace

void CJavaOutline::Write(const CFileObject& file, const char* pszFile, CString& strOut)
{
    COutlineWriter(pszFile, strOut).WriteFile(file);
}
