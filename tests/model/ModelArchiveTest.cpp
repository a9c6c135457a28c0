#include "Archive.h"
#include "ArchiveFile.h"
#include "ModelSamples.h"
#include "PackageObject.h"
#include "TempFolder.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethod.h"
#include "Variable.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string str;
    for (int b : bytes)
        str += static_cast<char>(b);
    return str;
}

std::string Dw(DWORD n)
{
    return Bytes({static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF), static_cast<int>((n >> 16) & 0xFF),
                  static_cast<int>(n >> 24)});
}

std::string Str(const std::string& str)
{
    return static_cast<char>(str.size()) + str;
}

std::string NewClass(const char* pszName, int nSchema)
{
    return Bytes({0xFF, 0xFF, nSchema, 0, static_cast<int>(strlen(pszName)), 0}) + pszName;
}

// CVarObject fields: name, start, end, access, state, complete, static, final, type (and abstract from schema 3).
std::string VarFields(const char* pszName, const char* pszType, bool bWithAbstract, DWORD nAbstract = 0)
{
    std::string str = Str(pszName) + Dw(1) + Dw(2) + Dw(1) + Dw(1) + Dw(1) + Dw(0) + Dw(0) + Str(pszType);
    return bWithAbstract ? str + Dw(nAbstract) : str;
}

// A package index: a DWORD count of packages, each a CPackageObject object.
void SerializeIndex(CArchive& ar, std::vector<std::unique_ptr<CPackageObject>>& packages)
{
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(packages.size());
        for (auto& p : packages)
            ar.WriteObject(p.get());
        return;
    }
    DWORD nCount = ar.ReadBoundedCount(2);
    for (DWORD i = 0; i < nCount; ++i)
        packages.emplace_back(
            static_cast<CPackageObject*>(ar.ReadOwnedObject(MOSK_RUNTIME_CLASS(CPackageObject))));
}

// Reads an index from bytes; the archive error's cause, or none.
int LoadIndex(const std::string& strData, std::vector<std::unique_ptr<CPackageObject>>& packages)
{
    try {
        CArchive ar(strData.data(), strData.size());
        SerializeIndex(ar, packages);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

} // namespace

TEST(ModelArchiveTest, RoundTripOfEveryStoredClass)
{
    std::unique_ptr<CPackageObject> pPackage(MakeSamplePackage());
    std::string strData = StoreObject(pPackage.get());
    for (const char* pszClass : {"CPackageObject", "CVarClass", "CVarInnerClass", "CVarLocalClass", "CVarInterface",
                                 "CVarInnerInterface", "CVarMethodDecl", "CVarMethod", "CVariable", "CArgument",
                                 "CVarImport", "CBeanObject", "CBeanProp", "CBeanEvent", "CBeanListenInterface"})
        EXPECT_NE(strData.find(pszClass), std::string::npos) << pszClass;

    CVarObject::SetOldFormatRead(FALSE);
    CArchive ar(strData.data(), strData.size());
    std::unique_ptr<CObject> pBack(ar.ReadObject(MOSK_RUNTIME_CLASS(CPackageObject)));
    EXPECT_EQ(ar.GetRemaining(), 0u);
    EXPECT_EQ(pBack->Dump(), pPackage->Dump());
    EXPECT_EQ(StoreObject(pBack.get()), strData);
    EXPECT_FALSE(CVarObject::IsOldFormatRead());
    // Not stored: the package statement.
    EXPECT_EQ(static_cast<CPackageObject*>(pBack.get())->m_pPackage, nullptr);
}

TEST(ModelArchiveTest, SmallClassesRoundTrip)
{
    // Each class alone, so that a mistake in one reader is not hidden by the tree around it.
    for (const char* pszClass : {"CVarObject", "CVariable", "CArgument", "CVarContainer", "CVarClass", "CVarInnerClass",
                                 "CVarLocalClass", "CVarInterface", "CVarInnerInterface", "CVarMethodDecl", "CVarMethod",
                                 "CVarPackage", "CVarImport", "CVarPattern", "CVarBlockComment", "CBeanObject",
                                 "CBeanProp", "CBeanEvent", "CBeanListenInterface", "CFileObject", "CPackageObject"}) {
        const CRuntimeClass* pClass = CRuntimeClass::FromName(pszClass);
        ASSERT_NE(pClass, nullptr) << pszClass;
        std::unique_ptr<CObject> pObject(pClass->CreateObject());
        if (pObject->IsKindOf(MOSK_RUNTIME_CLASS(CVarObject))) {
            auto* pVar = static_cast<CVarObject*>(pObject.get());
            pVar->m_strName = "name";
            pVar->m_strType = "List<String>...";
            pVar->m_nStartLine = 3;
            pVar->m_bStatic = TRUE;
        }
        std::string strData = StoreObject(pObject.get());
        CArchive ar(strData.data(), strData.size());
        std::unique_ptr<CObject> pBack(ar.ReadObject(MOSK_RUNTIME_CLASS(CObject)));
        EXPECT_EQ(pBack->GetRuntimeClass(), pClass);
        EXPECT_EQ(pBack->Dump(), pObject->Dump()) << pszClass;
        EXPECT_EQ(ar.GetRemaining(), 0u) << pszClass;
    }
}

TEST(ModelArchiveTest, FieldOrderOfAVariable)
{
    CVariable var("x", 4);
    var.m_nEndLine = 6;
    var.m_nAccess = CVarObject::ACCESS_PUBLIC;
    var.m_nState = 1;
    var.m_bComplete = TRUE;
    var.m_bStatic = TRUE;
    var.m_strType = "int";
    var.m_nHeaderOffset = 70000;  // offsets are not stored
    std::string strExpected = NewClass("CVariable", 3) + Str("x") + Dw(4) + Dw(6) + Dw(1) + Dw(1) + Dw(1) + Dw(1) +
                              Dw(0) + Str("int") + Dw(0);
    EXPECT_EQ(StoreObject(&var), strExpected);
}

TEST(ModelArchiveTest, OlderSchemasLoadAndRaiseTheOldFormatFlag)
{
    // A class of schema 1 or 2 with one method (arguments only, no local
    // classes) and the implemented interfaces in the old or the new form.
    struct {
        int nSchema;
        std::string strInterfaces;
    } cases[] = {
        {1, Str("Runnable")},
        {2, Bytes({1, 0}) + Str("Runnable")},
    };
    for (const auto& c : cases) {
        std::string strData = Dw(1) + NewClass("CPackageObject", 1) + Str("p") + Dw(1) +
                              NewClass("CVarClass", c.nSchema) + VarFields("C", "", false) + Dw(2) +
                              NewClass("CVarMethod", c.nSchema) + VarFields("m", "int", false) + Dw(1) +
                              NewClass("CArgument", c.nSchema) + VarFields("a", "String", false) +
                              NewClass("CVarMethodDecl", c.nSchema) + VarFields("n", "void", false) + Dw(0) + Dw(0) +
                              Str("Base") + c.strInterfaces + Dw(0) + Dw(0);
        CVarObject::SetOldFormatRead(FALSE);
        std::vector<std::unique_ptr<CPackageObject>> packages;
        ASSERT_EQ(LoadIndex(strData, packages), CArchiveException::none) << c.nSchema;
        EXPECT_TRUE(CVarObject::IsOldFormatRead());
        CVarClass* pClass = packages[0]->GetFirstClass();
        ASSERT_NE(pClass, nullptr);
        EXPECT_EQ(pClass->m_nLoadedSchema, static_cast<UINT>(c.nSchema));
        ASSERT_EQ(pClass->m_Interfaces.GetSize(), 1);
        EXPECT_EQ(pClass->m_Interfaces[0], "Runnable");
        EXPECT_EQ(pClass->m_strParent, "Base");
        ASSERT_EQ(pClass->m_Methods.GetCount(), 2);
        auto* pMethod = static_cast<CVarMethod*>(pClass->m_Methods.GetHead());
        EXPECT_EQ(pMethod->m_Arguments.GetHead()->m_strType, "String");
        // A declaration starts abstract; the old stream has no flag, which reads as 0.
        EXPECT_FALSE(static_cast<CVarObject*>(pClass->m_Methods.GetTail())->m_bAbstract);
        CString strText;
        pMethod->GetDisplayText(strText);
        EXPECT_EQ(strText, "int m(String)");
    }
}

TEST(ModelArchiveTest, MalformedModelStreamsRaiseTheArchiveError)
{
    const std::string strPackage = Dw(1) + NewClass("CPackageObject", 1) + Str("p");
    struct {
        const char* pszWhat;
        std::string strData;
        int nCause;
    } cases[] = {
        {"import in the class list", strPackage + Dw(1) + NewClass("CVarImport", 3) + VarFields("x", "", true),
         CArchiveException::badClass},
        {"schema from the future", strPackage + Dw(1) + NewClass("CVarClass", 4) + VarFields("C", "", true),
         CArchiveException::badSchema},
        {"schema 0", strPackage + Dw(1) + NewClass("CVarClass", 0) + VarFields("C", "", true),
         CArchiveException::badSchema},
        {"package of schema 2", Dw(1) + NewClass("CPackageObject", 2) + Str("p") + Dw(0) + Dw(0) + Dw(0),
         CArchiveException::badSchema},
        {"null class", strPackage + Dw(1) + Bytes({0, 0}), CArchiveException::badIndex},
        {"absurd package count", Dw(0x40000000), CArchiveException::badCount},
        {"absurd method count", strPackage + Dw(1) + NewClass("CVarClass", 3) + VarFields("C", "", true) + Dw(0xFFFFFFFF),
         CArchiveException::badCount},
        {"absurd interface count",
         strPackage + Dw(1) + NewClass("CVarClass", 3) + VarFields("C", "", true) + Dw(0) + Dw(0) + Str("") +
             Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}),
         CArchiveException::badCount},
        {"one class twice in a list",
         strPackage + Dw(2) + NewClass("CVarClass", 3) + VarFields("C", "", true) + Dw(0) + Dw(0) + Str("") +
             Bytes({0, 0}) + Dw(0) + Dw(0) + Bytes({0x04, 0x00}),
         CArchiveException::badIndex},
        {"unknown class", strPackage + Dw(1) + NewClass("CVarEnum", 3), CArchiveException::badClass},
    };
    for (const auto& c : cases) {
        std::vector<std::unique_ptr<CPackageObject>> packages;
        EXPECT_EQ(LoadIndex(c.strData, packages), c.nCause) << c.pszWhat;
    }
}

TEST(ModelArchiveTest, EveryTruncationOfAnIndexRaisesTheArchiveError)
{
    std::vector<std::unique_ptr<CPackageObject>> packages;
    packages.emplace_back(MakeSamplePackage());
    CArchive ar;
    SerializeIndex(ar, packages);
    const std::string& strData = ar.GetData();
    for (size_t n = 0; n < strData.size(); ++n) {
        std::unique_ptr<char[]> pCopy(new char[n + 1]);
        memcpy(pCopy.get(), strData.data(), n);
        std::vector<std::unique_ptr<CPackageObject>> loaded;
        EXPECT_NE(LoadIndex(std::string(pCopy.get(), n), loaded), CArchiveException::none) << n;
    }
}

TEST(ModelArchiveTest, IndexFileSavesAndLoads)
{
    CTempFolder folder;
    CString strPath = folder.File("mosk.pkg");
    std::vector<std::unique_ptr<CPackageObject>> packages;
    packages.emplace_back(MakeSamplePackage());
    packages.emplace_back(new CPackageObject("empty"));
    CString strError;
    ASSERT_TRUE(CArchiveFile::Save(strPath, [&](CArchive& ar) { SerializeIndex(ar, packages); }, strError));
    std::vector<std::unique_ptr<CPackageObject>> loaded;
    ASSERT_TRUE(CArchiveFile::Load(strPath, [&](CArchive& ar) { SerializeIndex(ar, loaded); }, strError));
    ASSERT_EQ(loaded.size(), 2u);
    EXPECT_EQ(loaded[0]->Dump(), packages[0]->Dump());
    EXPECT_EQ(loaded[1]->m_strPackageName, "empty");

    folder.Write("bad.pkg", Dw(1) + NewClass("CPackageObject", 1) + Str("p") + Dw(1) + NewClass("CVarEnum", 3));
    loaded.clear();
    EXPECT_FALSE(CArchiveFile::Load(folder.File("bad.pkg"), [&](CArchive& ar) { SerializeIndex(ar, loaded); }, strError));
    EXPECT_NE(strError.Find("CVarEnum"), -1) << strError.c_str();
}
