#include "Archive.h"
#include "BrowserHost.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "PackageObject.h"
#include "PkgDoc.h"
#include "ScriptedUserInterface.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "VarClass.h"
#include "VarInterface.h"
#include "VarMethodDecl.h"

#include <gtest/gtest.h>

#include <cstring>
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

std::string Str(const std::string& str) { return static_cast<char>(str.size()) + str; }

std::string NewClass(const char* pszName, int nSchema)
{
    return Bytes({0xFF, 0xFF, nSchema, 0, static_cast<int>(strlen(pszName)), 0}) + pszName;
}

std::string VarFields(const char* pszName, const char* pszType)
{
    return Str(pszName) + Dw(1) + Dw(2) + Dw(1) + Dw(1) + Dw(1) + Dw(0) + Dw(0) + Str(pszType);
}

CFileObject* Parse(const char* pszText) { return CJavaParser::ParseText(pszText, static_cast<long>(strlen(pszText))); }

// An index of three packages that the questions below are asked of.
void FillSample(CPkgDoc& doc)
{
    doc.AddParsedFile(Parse("package a.base;\npublic class Base { public void run() {} public int size() { return 0; } }\n"
                            "public interface Shape extends Drawable { void draw(); }\n"));
    doc.AddParsedFile(Parse("package a.more;\npublic class Middle extends Base { }\n"
                            "public class Loop1 extends Loop2 { }\npublic class Loop2 extends Loop1 { }\n"
                            "public interface Drawable { void paint(); }\n"));
    doc.AddParsedFile(Parse("public class Leaf extends Middle { }\n"));
}

} // namespace

TEST(PkgDocTest, AddingTheSameSourceTwiceKeepsOneCopyOfEachClass)
{
    CTempFolder folder;
    CString strSource = folder.Write("Shapes.java", "package geo;\npublic class Circle { }\nclass square { }\n"
                                                     "interface Round { }\n");
    CPkgDoc doc;
    doc.Open(folder.File("mosk.pkg"));
    CStringArray arrPaths;
    arrPaths.Add(strSource);
    ASSERT_TRUE(doc.AddSourceFiles(arrPaths));
    folder.Write("Shapes.java", "package geo;\npublic class Circle { int r; }\nclass Square { }\ninterface Round { }\n");
    ASSERT_TRUE(doc.AddSourceFiles(arrPaths));
    // "square" and "Square" are one class for the index: the newer one stays.
    EXPECT_EQ(doc.Dump(), "Package geo\n"
                          "    Class Circle\n"
                          "      Field int r\n"
                          "    Class Square\n"
                          "    Interface Round\n");
    EXPECT_FALSE(doc.IsModified());
}

TEST(PkgDocTest, SourceWithoutPackageGoesToUser)
{
    CPkgDoc doc;
    CPackageObject* pPackage = doc.AddParsedFile(Parse("class Lonely { }\n"));
    ASSERT_NE(pPackage, nullptr);
    EXPECT_EQ(pPackage->m_strPackageName, "User");
    EXPECT_EQ(doc.FindPackageOf("Lonely", FALSE), pPackage);
}

TEST(PkgDocTest, SavedIndexReadsBackTheSame)
{
    CTempFolder folder;
    CPkgDoc doc;
    doc.Open(folder.File("mosk.pkg"));
    FillSample(doc);
    ASSERT_TRUE(doc.Commit());
    CPkgDoc again;
    ASSERT_TRUE(again.Open(folder.File("mosk.pkg")));
    EXPECT_EQ(again.Dump(), doc.Dump());
    EXPECT_EQ(again.GetPackageCount(), 3);
}

TEST(PkgDocTest, MissingIndexStartsEmptyUnderItsPath)
{
    CTempFolder folder;
    CPkgDoc doc;
    ASSERT_TRUE(doc.Open(folder.File("mosk.pkg")));
    EXPECT_EQ(doc.GetPackageCount(), 0);
    EXPECT_EQ(doc.GetPathName(), folder.File("mosk.pkg"));
    EXPECT_TRUE(ReadWholeFile(folder.File("mosk.pkg")).empty());
}

TEST(PkgDocTest, OlderIndexLoadsAndIsWrittenBackAtOnce)
{
    CTempFolder folder;
    std::string strOld = Dw(1) + NewClass("CPackageObject", 1) + Str("old") + Dw(1) + NewClass("CVarClass", 2) +
                         VarFields("Ancient", "") + Dw(0) + Dw(0) + Str("") + Bytes({0, 0}) + Dw(0) + Dw(0);
    CString strPath = folder.Write("mosk.pkg", strOld);
    CPkgDoc doc;
    ASSERT_TRUE(doc.Open(strPath));
    ASSERT_NE(doc.FindClass("Ancient"), nullptr);
    std::string strNow = ReadWholeFile(strPath);
    EXPECT_NE(strNow, strOld);
    EXPECT_FALSE(CVarObject::IsOldFormatRead());
    CPkgDoc again;
    ASSERT_TRUE(again.Open(strPath));
    EXPECT_EQ(ReadWholeFile(strPath), strNow);  // the current format is not written again
    EXPECT_EQ(again.Dump(), "Package old\n    Class Ancient\n");
}

TEST(PkgDocTest, DeletePackageAskedAndAnsweredNoChangesNothing)
{
    CTempFolder folder;
    CScriptedUserInterface ui;
    CPkgDoc doc;
    doc.Open(folder.File("mosk.pkg"));
    FillSample(doc);
    doc.Commit();
    std::string strBefore = ReadWholeFile(folder.File("mosk.pkg"));
    ui.Answer(IDNO);
    EXPECT_FALSE(doc.DeletePackage("a.more"));
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "Are you sure you want to delete package a.more ???");
    EXPECT_EQ(ui.m_shown[0].nType, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_NE(doc.FindPackage("a.more"), nullptr);
    EXPECT_EQ(ReadWholeFile(folder.File("mosk.pkg")), strBefore);

    ui.Answer(IDYES);
    EXPECT_TRUE(doc.DeletePackage("a.more"));
    EXPECT_EQ(doc.FindPackage("a.more"), nullptr);
    CPkgDoc again;
    again.Open(folder.File("mosk.pkg"));
    EXPECT_EQ(again.FindClass("Middle"), nullptr);
    EXPECT_NE(again.FindClass("Base"), nullptr);
}

TEST(PkgDocTest, FindAndAncestorQuestions)
{
    CPkgDoc doc;
    FillSample(doc);
    CVarClass* pLeaf = doc.FindClass("Leaf");
    ASSERT_NE(pLeaf, nullptr);
    EXPECT_EQ(doc.FindInterface("Leaf"), nullptr);
    EXPECT_EQ(doc.FindClass("leaf"), nullptr);  // names are exact
    EXPECT_EQ(doc.FindClassOrInterface("Shape"), doc.FindInterface("Shape"));
    EXPECT_EQ(doc.FindPackageOf("Drawable", TRUE), doc.FindPackage("a.more"));
    EXPECT_EQ(doc.FindPackageOf("Drawable", FALSE), nullptr);

    struct {
        const char* pszName;
        const char* pszClass;
        const char* pszOther;
        BOOL bAncestor;
    } cases[] = {
        {"parent", "Leaf", "Middle", TRUE},
        {"grandparent in another package", "Leaf", "Base", TRUE},
        {"itself is no ancestor", "Leaf", "Leaf", FALSE},
        {"child is no ancestor", "Base", "Leaf", FALSE},
        {"circle of parents ends", "Loop1", "Base", FALSE},
        {"interface parent chain", "Shape", "Drawable", TRUE},
    };
    for (const auto& c : cases) {
        CVarContainer* pClass = doc.FindClassOrInterface(c.pszClass);
        CVarContainer* pOther = doc.FindClassOrInterface(c.pszOther);
        ASSERT_TRUE(pClass && pOther) << c.pszName;
        EXPECT_EQ(doc.IsAncestor(pClass, pOther), c.bAncestor) << c.pszName;
    }
}

TEST(PkgDocTest, CanOverrideAnswersFromTheIndex)
{
    CPkgDoc doc;
    FillSample(doc);
    CVarClass* pBase = doc.FindClass("Base");
    CVarObject* pRun = pBase->m_Methods.FindName("run");
    ASSERT_NE(pRun, nullptr);
    EXPECT_EQ(doc.FindMethodOwner(pRun), pBase);
    std::unique_ptr<CFileObject> pFile(Parse("class Mine extends Middle { public void run() {} }\n"
                                             "class Other { }\nclass Painter implements Drawable { }\n"));
    CVarClass* pMine = pFile->FindClass("Mine");
    EXPECT_EQ(pMine->CanOverride(pRun, doc), 2);
    EXPECT_EQ(pMine->CanOverride(pBase->m_Methods.FindName("size"), doc), 0);
    EXPECT_EQ(pFile->FindClass("Other")->CanOverride(pRun, doc), 1);
    CVarObject* pPaint = doc.FindInterface("Drawable")->m_Methods.FindName("paint");
    EXPECT_EQ(pFile->FindClass("Painter")->CanOverride(pPaint, doc), 0);
}

TEST(PkgDocTest, IntrospectedClassGoesToThePackageOfItsQualifiedName)
{
    CPkgDoc doc;
    EXPECT_TRUE(doc.AddIntrospectedFile(Parse("package java.util;\npublic class java.util.ArrayList extends "
                                              "java.util.AbstractList { public java.lang.Object get(int arg0); }\n")));
    CPackageObject* pPackage = doc.FindPackage("java.util");
    ASSERT_NE(pPackage, nullptr);
    ASSERT_NE(pPackage->FindClass("ArrayList"), nullptr);
    EXPECT_FALSE(doc.AddIntrospectedFile(Parse("public class Plain { }\n")));
    EXPECT_EQ(doc.GetHost().m_strOutput, "\nObject Plain does not have a valid package name....");
    EXPECT_EQ(doc.FindClass("Plain"), nullptr);
}

TEST(PkgDocTest, DamagedIndexIsRefusedAndLeftAsItIs)
{
    CTempFolder folder;
    CPkgDoc sample;
    sample.Open(folder.File("good.pkg"));
    FillSample(sample);
    sample.Commit();
    const std::string strGood = ReadWholeFile(folder.File("good.pkg"));
    ASSERT_GT(strGood.size(), 100u);

    // Every truncation: an error, and the document keeps what it held.
    CPkgDoc doc;
    doc.AddParsedFile(Parse("package keep;\nclass Kept { }\n"));
    const CString strKept = doc.Dump();
    for (size_t n = 0; n < strGood.size(); n++) {
        CString strError;
        ASSERT_FALSE(doc.ReadBytes(strGood.substr(0, n), strError)) << n;
        ASSERT_FALSE(strError.IsEmpty()) << n;
        ASSERT_EQ(doc.Dump(), strKept) << n;
    }
    struct {
        const char* pszName;
        std::string strData;
    } cases[] = {
        {"absurd package count", Dw(0x7FFFFFFF) + strGood.substr(4)},
        {"wrong class of object", Dw(1) + NewClass("CVarClass", 3) + VarFields("C", "") + Dw(0) + Dw(0) + Str("")},
        {"unknown class", Dw(1) + NewClass("CNoSuchThing", 1) + Str("p")},
        {"null package", Dw(1) + Bytes({0, 0})},
        {"absurd class count", Dw(1) + NewClass("CPackageObject", 1) + Str("p") + Dw(0x10000000)},
    };
    for (const auto& c : cases) {
        CString strError;
        EXPECT_FALSE(doc.ReadBytes(c.strData, strError)) << c.pszName;
        EXPECT_FALSE(strError.IsEmpty()) << c.pszName;
        EXPECT_EQ(doc.Dump(), strKept) << c.pszName;
    }

    // Opened at start-up: reported, the file untouched, nothing saved over it.
    CScriptedUserInterface ui;
    CString strPath = folder.Write("mosk.pkg", strGood.substr(0, strGood.size() / 2));
    CPkgDoc opened;
    EXPECT_FALSE(opened.Open(strPath));
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_NE(ui.m_shown[0].strText.Find("Error reading the package index"), -1);
    opened.AddParsedFile(Parse("class New { }\n"));
    EXPECT_FALSE(opened.Commit());
    EXPECT_EQ(ReadWholeFile(strPath), strGood.substr(0, strGood.size() / 2));
}
