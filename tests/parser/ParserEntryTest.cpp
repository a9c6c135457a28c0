// The parser's entry points and what they promise beyond the rules: the
// messages through the user-interface seam, file times, offsets in files
// past 64 KB, block comments, the main class, source paths, survival of
// garbage and truncated input, and mosk-tool outline's exit status.
#include "FileObject.h"
#include "JavaOutline.h"
#include "JavaParser.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"
#include "VarBlockComment.h"
#include "VarClass.h"
#include "VarImport.h"
#include "VarInterface.h"
#include "VarMethod.h"
#include "VarPackage.h"
#include "Variable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

std::unique_ptr<CFileObject> Parse(const std::string& strText)
{
    return std::unique_ptr<CFileObject>(CJavaParser::ParseText(strText.data(), static_cast<long>(strText.size())));
}

TEST(JavaParser, UnreadableFileShowsMessageAndGivesNothing)
{
    CScriptedUserInterface ui;
    CTempFolder folder;
    CString strMissing = folder.File("Missing.java");
    EXPECT_EQ(CJavaParser::ParseFile(strMissing), nullptr);
    EXPECT_EQ(CJavaParser::ParseFile(folder.Path()), nullptr);
    EXPECT_EQ(CJavaParser::ParseIntrospectionFile(strMissing), nullptr);
    ASSERT_EQ(ui.m_shown.size(), 3u);
    EXPECT_EQ(ui.m_shown[0].strText, "Error opening the file " + strMissing + " for parsing !!!");
    EXPECT_EQ(ui.m_shown[1].strText, "Error opening the file " + folder.Path() + " for parsing !!!");

    CString strError;
    EXPECT_EQ(CJavaParser::ParseFile(strMissing, strError), nullptr);
    EXPECT_FALSE(strError.IsEmpty());
    EXPECT_EQ(ui.m_shown.size(), 3u);  // the quiet form shows nothing
}

TEST(JavaParser, FileFromDiskTakesItsTime)
{
    CScriptedUserInterface ui;
    CTempFolder folder;
    CString strPath = folder.Write("A.java", "class A { void f() {} }");
    struct stat st;
    ASSERT_EQ(stat(strPath, &st), 0);
    std::unique_ptr<CFileObject> pFile(CJavaParser::ParseFile(strPath));
    ASSERT_TRUE(pFile);
    EXPECT_EQ(pFile->m_nLastWriteTime, static_cast<long long>(st.st_mtim.tv_sec));
    ASSERT_TRUE(pFile->FindClass("A"));
    EXPECT_TRUE(pFile->FindClass("A")->m_bComplete);
    EXPECT_TRUE(ui.m_shown.empty());
}

TEST(JavaParser, IntrospectionFileEmptyGivesNothingWithoutTime)
{
    CScriptedUserInterface ui;
    CTempFolder folder;
    EXPECT_EQ(CJavaParser::ParseIntrospectionFile(folder.Write("empty.txt", "")), nullptr);
    std::unique_ptr<CFileObject> pFile(
        CJavaParser::ParseIntrospectionFile(folder.Write("dump.txt", "public class java.lang.Object {\n}\n")));
    ASSERT_TRUE(pFile);
    EXPECT_EQ(pFile->m_nLastWriteTime, 0);
    ASSERT_TRUE(pFile->GetFirstClass());
    EXPECT_EQ(pFile->GetFirstClass()->m_strName, "java.lang.Object");
    EXPECT_TRUE(ui.m_shown.empty());
}

// A class far past 64 KB: every offset is the true index in the text.
TEST(JavaParser, OffsetsPast64KAreExact)
{
    std::string strText = "package big;\n\npublic class Big {\n";
    for (int i = 0; i < 6000; ++i)
        strText += "    int field" + std::to_string(i) + ";\n";
    strText += "    static class Inner {\n        public void last(int x) {\n        }\n    }\n}\n";
    ASSERT_GT(strText.size(), 100000u);
    auto pFile = Parse(strText);
    ASSERT_TRUE(pFile);
    CVarClass* pBig = pFile->FindClass("Big");
    ASSERT_TRUE(pBig);
    EXPECT_EQ(pBig->m_nHeaderOffset, static_cast<long>(strText.find("public class Big")));
    EXPECT_EQ(pBig->m_nNameOffset, static_cast<long>(strText.find("Big {")));
    EXPECT_EQ(pBig->m_nEndOffset, static_cast<long>(strText.rfind('}')));
    EXPECT_EQ(pBig->m_nEndLine, 6008);

    CVarObject* pField = pBig->m_Fields.FindName("field5999");
    ASSERT_TRUE(pField);
    EXPECT_EQ(pField->m_nNameOffset, static_cast<long>(strText.find("field5999")));
    EXPECT_EQ(pField->m_nStartLine, 6003);

    ASSERT_EQ(pBig->m_InnerClasses.GetCount(), 1);
    CVarClass* pInner = pBig->m_InnerClasses.GetHead();
    EXPECT_EQ(pInner->m_nHeaderOffset, static_cast<long>(strText.find("static class Inner")));
    EXPECT_EQ(pInner->m_nEndOffset, static_cast<long>(strText.rfind('}', strText.rfind('}') - 1)));
    auto* pLast = static_cast<CVarMethod*>(pInner->m_Methods.FindName("last"));
    ASSERT_TRUE(pLast);
    long lLast = static_cast<long>(strText.find("public void last"));
    EXPECT_EQ(pLast->m_nHeaderOffset, lLast);
    EXPECT_EQ(pLast->m_nNameOffset, lLast + 12);
    EXPECT_EQ(pLast->m_nEndOffset, static_cast<long>(strText.find('}', lLast)));
    EXPECT_EQ(pLast->m_Arguments.GetHead()->m_nNameOffset, static_cast<long>(strText.find("x)", lLast)));
    // The text between header and end offsets is the whole declaration, as a copy needs it.
    EXPECT_EQ(strText.substr(pLast->m_nHeaderOffset, pLast->m_nEndOffset - pLast->m_nHeaderOffset + 1),
              "public void last(int x) {\n        }");
}

TEST(JavaParser, BlockCommentsAreListedWithTheirLines)
{
    auto pFile = Parse("/* one */\nclass A {\n  /** two\n   * lines */\n  int x; // line\n  /*/ three */\n}\n");
    ASSERT_TRUE(pFile);
    ASSERT_EQ(pFile->m_BlockComments.GetCount(), 3);
    std::string strLines;
    for (POSITION pos = pFile->m_BlockComments.GetHeadPosition(); pos;) {
        CVarBlockComment* p = pFile->m_BlockComments.GetNext(pos);
        strLines += std::to_string(p->m_nStartLine) + "-" + std::to_string(p->m_nEndLine) + " ";
        EXPECT_TRUE(p->m_bComplete);
    }
    EXPECT_EQ(strLines, "1-1 3-4 6-6 ");
    EXPECT_TRUE(pFile->FindClass("A")->m_Fields.FindName("x"));
}

TEST(JavaParser, PackageReplacedAndImportsInOrder)
{
    auto pFile = Parse("package a;\npackage b.c;\nimport z.Z;\nimport a.*;\nclass A {}");
    ASSERT_TRUE(pFile && pFile->m_pPackage);
    EXPECT_EQ(pFile->m_pPackage->m_strName, "b.c");
    ASSERT_EQ(pFile->m_Imports.GetCount(), 2);
    EXPECT_EQ(pFile->m_Imports.GetHead()->m_strName, "z.Z");
}

TEST(JavaParser, MainClassIsTheFirstWithStaticMain)
{
    auto pFile = Parse("class A { void main(String[] a) {} }\n"
                       "class B { public static void main(String[] a) {} }\n"
                       "class C { static void main(String[] a) {} }\n");
    ASSERT_TRUE(pFile);
    EXPECT_FALSE(CJavaParser::HasMainMethod(pFile->FindClass("A")));
    EXPECT_EQ(CJavaParser::FindMainClass(pFile.get()), pFile->FindClass("B"));
    auto pNone = Parse("class A { int main; }");
    EXPECT_EQ(CJavaParser::FindMainClass(pNone.get()), nullptr);
}

TEST(JavaParser, SourcePathTriesTheFolderThenTheClassPath)
{
    CTempFolder folder;
    std::filesystem::create_directories((folder.Path() + "/src/com/x").str());
    std::filesystem::create_directories((folder.Path() + "/lib2/com/x").str());
    folder.Write("src/com/x/A.java", "class A {}");
    folder.Write("lib2/com/x/B.java", "class B {}");
    CString strSrc = folder.Path() + "/src";
    CString strPath = folder.Path() + "/lib1:" + folder.Path() + "/lib2/";
    EXPECT_EQ(CJavaParser::GetSourcePath("com.x", "A", strSrc, strPath), strSrc + "/com/x/A.java");
    EXPECT_EQ(CJavaParser::GetSourcePath("com.x", "B", strSrc + "/", strPath), folder.Path() + "/lib2/com/x/B.java");
    EXPECT_EQ(CJavaParser::GetSourcePath("com.x", "C", strSrc, strPath), strSrc + "/com/x/C.java");
    EXPECT_EQ(CJavaParser::GetSourcePath("", "D", strSrc, ""), strSrc + "/D.java");
}

// Whatever the input, the parse ends, and quickly.
TEST(JavaParser, SurvivesGarbageAndTruncation)
{
    std::string strSample = ReadWholeFile((std::string(MOSK_TEST_DATA) + "/outline/modern.java").c_str());
    ASSERT_FALSE(strSample.empty());
    auto start = std::chrono::steady_clock::now();
    for (size_t n = 0; n <= strSample.size(); n += 7) {
        auto pFile = Parse(strSample.substr(0, n));
        ASSERT_TRUE(pFile);
        if (CVarClass* pBox = pFile->FindClass("Box")) {
            EXPECT_EQ(pBox->m_bComplete, n > strSample.find("\n}\n", strSample.find("private void helper")) + 1);
        }
    }
    std::mt19937 random(7);
    for (int i = 0; i < 200; ++i) {
        std::string strGarbage(static_cast<size_t>(random() % 3000), '\0');
        for (char& ch : strGarbage)
            ch = static_cast<char>(random() % 8 ? "class{}()<>@'\";,=[]. \n/*x"[random() % 26] : random() % 256);
        EXPECT_TRUE(Parse(strGarbage));
    }
    const std::string pathological[] = {
        std::string(200000, '<'),
        std::string(100000, '{') + std::string(50000, '}'),
        "class A { " + std::string(100000, '@') + " }",
        "class A { int x = " + std::string(50000, '(') + "; }",
        [] { std::string s = "class A { boolean b = "; for (int i = 0; i < 20000; ++i) s += "a<b<c "; return s; }(),
        [] { std::string s; for (int i = 0; i < 2000; ++i) s += "public "; return s + "class A { }"; }(),
        "class A { String s = \"" + std::string(100000, '\\') + "\"; }",
        "class A { String s = \"\"\"" + std::string(100000, 'x') + "; }",
        std::string(300000, 'w'),
    };
    for (const std::string& str : pathological)
        EXPECT_TRUE(Parse(str));
    double dSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(dSeconds, 60.0);
}

TEST(JavaParser, LongModifierRunKeepsTheClass)
{
    std::string strText;
    for (int i = 0; i < 2000; ++i)
        strText += "public ";
    auto pFile = Parse(strText + "class A { int x; }");
    ASSERT_TRUE(pFile && pFile->GetFirstClass());
    EXPECT_EQ(pFile->GetFirstClass()->m_nAccess, CVarObject::ACCESS_PUBLIC);
}

// Runs a command line through the shell; returns its exit status.
int RunTool(const std::string& strCommand)
{
    int nStatus = std::system(strCommand.c_str());
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

TEST(OutlineCommand, UnreadableFileGetsOneLineAndStatusOne)
{
    std::string strTool = std::string(MOSK_BUILD_DIR) + "/tools/mosk-tool";
    if (!std::filesystem::exists(strTool))
        GTEST_SKIP() << "mosk-tool is not built";
    CTempFolder folder;
    CString strA = folder.Write("A.java", "class A { int x; }");
    CString strB = folder.Write("B.java", "interface B { }");
    CString strOut = folder.File("out.txt"), strErr = folder.File("err.txt");
    std::string strArgs = " outline " + strA.str() + " " + folder.File("None.java").str() + " " + strB.str();
    EXPECT_EQ(RunTool(strTool + strArgs + " >" + strOut.str() + " 2>" + strErr.str()), 1);
    EXPECT_EQ(ReadWholeFile(strOut),
              strA.str() + "\t1\t1\tclass\tA\tclass\t-\t-\t-\n" + strA.str() + "\t1\t1\tfield\tA.x\tint\t-\t-\t-\n"
                  + strB.str() + "\t1\t1\tinterface\tB\tinterface\t-\t-\t-\n");
    std::string strError = ReadWholeFile(strErr);
    EXPECT_NE(strError.find("None.java"), std::string::npos);
    EXPECT_EQ(std::count(strError.begin(), strError.end(), '\n'), 1);

    EXPECT_EQ(RunTool(strTool + " outline " + strA.str() + " >/dev/null"), 0);
    EXPECT_EQ(RunTool(strTool + " outline 2>/dev/null"), 2);
}

} // namespace
