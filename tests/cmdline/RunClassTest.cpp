// The class a project runs, its folder, package paths and the main-class
// search, over real source files.
#include "ProjectFixture.h"
#include "RunClass.h"
#include "ToolCommandLine.h"

#include <unistd.h>

TEST_F(CmdlineProjectTest, ClassToRunAndRunFolder)
{
    AddSamples();
    struct Case {
        const char* pszName;
        const char* pszMainClass;
        BOOL bOtherOn;
        const char* pszOther;
        const char* pszClass;
        bool bInMainFolder;  // else the current directory (empty)
    };
    const Case cases[] = {
        {"main class in a package", "Main.java", FALSE, "", "app.core.Main", true},
        {"main class without a package", "Plain.java", FALSE, "", "Plain", true},
        {"other main class", "Main.java", TRUE, "x.Other", "x.Other", false},
        {"other main class switched on but empty", "Main.java", TRUE, "", "app.core.Main", true},
        {"other main class switched off", "Plain.java", FALSE, "x.Other", "Plain", true},
        {"no main class", "", FALSE, "", "", false},
        {"other main class without a main class file", "", TRUE, "x.Other", "x.Other", false},
        {"main class file not in the list", "Gone.java", FALSE, "", "Gone", false},
    };
    for (const Case& c : cases) {
        Project().m_strMainClass = c.pszMainClass;
        Project().m_options.m_bInterpOtherMain = c.bOtherOn;
        Project().m_options.m_strInterpOtherMain = c.pszOther;
        EXPECT_EQ(CRunClass::ClassToRun(Project()), c.pszClass) << c.pszName;
        EXPECT_EQ(CRunClass::HasClassToRun(Project()), *c.pszClass != '\0') << c.pszName;
        EXPECT_EQ(CRunClass::RunFolder(Project()), c.bInMainFolder ? m_tmp.Path() : CString()) << c.pszName;
    }
}

TEST_F(CmdlineProjectTest, UnreadableMainClassFileRunsItsBareName)
{
    CString strPath = AddSource("Gone.java", "package p;\nclass Gone {}\n");
    ASSERT_EQ(::unlink(strPath), 0);
    Project().m_strMainClass = "Gone.java";
    EXPECT_EQ(CRunClass::ClassToRun(Project()), "Gone");
}

TEST_F(CmdlineProjectTest, InterpreterLineOfAProject)
{
    AddSamples();
    Project().m_strMainClass = "Main.java";
    Project().m_options.m_bInterpProgramArgs = TRUE;
    Project().m_options.m_strInterpProgramArgs = "in.txt";
    CToolOptions global;
    EXPECT_EQ(CToolCommandLine::Interpreter(&Project().m_options, global, "", CRunClass::ClassToRun(Project())),
              "java   app.core.Main in.txt");
    Project().m_strMainClass.Empty();
    EXPECT_EQ(CToolCommandLine::Interpreter(&Project().m_options, global, "", CRunClass::ClassToRun(Project())),
              "java    ");
}

TEST_F(CmdlineProjectTest, PackageNamesAndPaths)
{
    struct Case {
        const char* pszFile;
        const char* pszText;
        const char* pszName;
        const char* pszPath;
    };
    const Case cases[] = {
        {"A.java", "package a.b.c;\nclass A {}\n", "a.b.c", "a/b/c"},
        {"B.java", "package one;\nclass B {}\n", "one", "one"},
        {"C.java", "class C {}\n", "", ""},
        {"D.java", "", "", ""},
    };
    for (const Case& c : cases) {
        CString strPath = m_tmp.Write(c.pszFile, c.pszText);
        CString strName, strPackagePath, strError;
        EXPECT_TRUE(CRunClass::PackageName(strPath, strName, strError)) << c.pszFile;
        EXPECT_EQ(strName, c.pszName) << c.pszFile;
        EXPECT_TRUE(CRunClass::PackagePath(strPath, strPackagePath, strError)) << c.pszFile;
        EXPECT_EQ(strPackagePath, c.pszPath) << c.pszFile;
    }
    CString strName = "stale", strError;
    EXPECT_FALSE(CRunClass::PackagePath(m_tmp.File("Missing.java"), strName, strError));
    EXPECT_TRUE(strName.IsEmpty());
    EXPECT_FALSE(strError.IsEmpty());
}

TEST_F(CmdlineProjectTest, MainClassSearchFollowsTheFileList)
{
    // Nothing to find yet: only a class whose main is not static.
    AddSource("Helper.java", "class Helper {\n    void main(String[] a) {}\n}\n");
    EXPECT_EQ(CRunClass::FindMainClassFile(Project()), "");
    Project().SetModifiedFlag(FALSE);
    EXPECT_FALSE(CRunClass::AdoptMainClassFile(Project()));
    EXPECT_TRUE(Project().m_strMainClass.IsEmpty());
    EXPECT_FALSE(Project().IsModified());

    // New files go to the head of the list: Zed, then notes.txt, then First.
    AddSource("First.java", "public class First {\n    public static void main(String[] a) {}\n}\n");
    AddSource("notes.txt", "class Notes {\n    public static void main(String[] a) {}\n}\n");
    CString strZed = AddSource("Zed.java", "package z;\nclass Zed {\n    public static void main(String[] a) {}\n}\n");
    EXPECT_EQ(CRunClass::FindMainClassFile(Project()), strZed);
    ASSERT_TRUE(CRunClass::AdoptMainClassFile(Project()));
    EXPECT_EQ(Project().m_strMainClass, "Zed.java");
    EXPECT_TRUE(Project().IsModified());
    EXPECT_EQ(CRunClass::ClassToRun(Project()), "z.Zed");

    // A file that cannot be read is passed over.
    ASSERT_EQ(::unlink(strZed), 0);
    EXPECT_EQ(CRunClass::FindMainClassFile(Project()), m_tmp.File("First.java"));
}
