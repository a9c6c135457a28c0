#include "BrowserHost.h"
#include "ClassIntrospectionQueue.h"
#include "FileObject.h"
#include "JavaParser.h"
#include "Introspection.h"
#include "PackageObject.h"
#include "PkgDoc.h"
#include "ScriptedUserInterface.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "VarClass.h"
#include "VarInterface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <filesystem>
#include <sys/stat.h>

namespace {

const char* const CLASSES_ZIP = MOSK_BUILD_DIR "/ide/share/mosk/classes.zip";

// Compiles the sources of folder (relative names) with the JDK's javac into the folder.
bool Compile(const CTempFolder& folder, const char* pszFiles)
{
    CString strCommand = CString("cd '") + folder.Path() + "' && '" MOSK_JAVAC "' -nowarn -d . " + pszFiles +
                         " >/dev/null 2>&1";
    return std::system(strCommand) == 0;
}

class IntrospectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(std::filesystem::exists(CLASSES_ZIP)) << "build the moskclasses target";
        const char* pszOld = std::getenv("CLASSPATH");
        m_bHadClassPath = pszOld != nullptr;
        m_strOldClassPath = pszOld ? pszOld : "";
        ::setenv("CLASSPATH", CLASSES_ZIP, 1);
        CIntrospection::SetJdkFolder(std::filesystem::path(MOSK_JAVA).parent_path().c_str());
    }
    void TearDown() override
    {
        if (m_bHadClassPath)
            ::setenv("CLASSPATH", m_strOldClassPath, 1);
        else
            ::unsetenv("CLASSPATH");
        CIntrospection::SetJdkFolder("");
    }

    bool m_bHadClassPath = false;
    CString m_strOldClassPath;
};

} // namespace

TEST_F(IntrospectionTest, CompiledClassesReachTheIndexWithTheirMembers)
{
    CTempFolder folder;
    std::filesystem::create_directories((folder.Path() + "/org/deep/er").c_str());
    folder.Write("org/deep/er/Store.java",
                 "package org.deep.er;\n"
                 "public class Store<T extends Comparable<T>> extends java.util.AbstractList<T> implements Shelf {\n"
                 "  public int[][] grid;\n  protected String label;\n  private long hidden;\n"
                 "  public Store(int size) throws java.io.IOException { }\n"
                 "  public T get(int i) { return null; }\n  public int size() { return 0; }\n"
                 "  public synchronized void put(T[] items, java.util.Map<String, T> map) "
                 "throws java.io.IOException, InterruptedException { }\n"
                 "  public void show() { }\n}\n");
    folder.Write("org/deep/er/Shelf.java", "package org.deep.er;\npublic interface Shelf { void show(); }\n");
    ASSERT_TRUE(Compile(folder, "org/deep/er/Store.java org/deep/er/Shelf.java"));

    CTempFolder data;
    CPkgDoc doc;
    doc.Open(data.File("mosk.pkg"));
    CStringArray arrFiles;
    arrFiles.Add(folder.File("org/deep/er/Store.class"));
    arrFiles.Add(folder.File("org/deep/er/Missing.class"));  // skipped
    arrFiles.Add(folder.File("org/deep/er/Shelf.class"));
    CClassIntrospectionQueue queue(doc, arrFiles);
    EXPECT_EQ(queue.RunToEnd(), CIntrospectionQueue::STATE_DONE) << doc.GetHost().m_strOutput;
    EXPECT_EQ(queue.GetCaption(), "Wait, Introspecting class Shelf.class");
    EXPECT_EQ(queue.GetFinishedCount(), 2);
    EXPECT_TRUE(queue.Finish());

    CPackageObject* pPackage = doc.FindPackage("org.deep.er");
    ASSERT_NE(pPackage, nullptr) << doc.Dump();
    CVarClass* pStore = pPackage->FindClass("Store");
    ASSERT_NE(pStore, nullptr) << doc.Dump();
    // Supertypes are kept by their short names, as the index finds classes.
    EXPECT_EQ(pStore->m_strParent, "AbstractList<T>");
    ASSERT_EQ(pStore->m_Interfaces.GetSize(), 1);
    EXPECT_EQ(pStore->m_Interfaces[0], "Shelf");
    ASSERT_NE(pPackage->FindInterface("Shelf"), nullptr);
    CString strDump = doc.Dump();
    for (const char* pszLine : {"Field int[][] grid", "Field String label", "Method void put(T[], Map<String, T>) "
                                "throws IOException, InterruptedException", "Method T get(int)", "Method Store(int) throws IOException"})
        EXPECT_NE(strDump.Find(pszLine), -1) << pszLine << "\n" << strDump;
    EXPECT_EQ(strDump.Find("hidden"), -1);
    // A project class derived from it may override its methods.
    const char* pszMine = "class Mine extends Store { }\n";
    std::unique_ptr<CFileObject> pMine(CJavaParser::ParseText(pszMine, static_cast<long>(strlen(pszMine))));
    EXPECT_EQ(pMine->GetFirstClass()->CanOverride(pStore->m_Methods.FindName("get"), doc), 0);
    // Saved: the index on disk lists the same.
    CPkgDoc again;
    ASSERT_TRUE(again.Open(data.File("mosk.pkg")));
    EXPECT_EQ(again.Dump(), strDump);
    // The output window: the start line of each file, "Done" after each.
    const CString& strOut = doc.GetHost().m_strOutput;
    EXPECT_EQ(strOut.Find("Wait, introspecting class - " + folder.File("org/deep/er/Store.class") + "\n"), 0);
    EXPECT_NE(strOut.Find("Done\n\nWait, introspecting class - " + folder.File("org/deep/er/Shelf.class") + "\n"), -1);
    EXPECT_EQ(strOut.Right(4), "Done");
}

TEST_F(IntrospectionTest, HelperFailureCancelsAndLeavesNoOutputFile)
{
    CTempFolder folder;
    CString strBad = folder.Write("Broken.class", "not a class file");
    CPkgDoc doc;
    CStringArray arrFiles;
    arrFiles.Add(strBad);
    CClassIntrospectionQueue queue(doc, arrFiles);
    EXPECT_EQ(queue.RunToEnd(), CIntrospectionQueue::STATE_CANCELLED);
    EXPECT_FALSE(queue.Finish());
    EXPECT_EQ(doc.GetPackageCount(), 0);
    EXPECT_NE(doc.GetHost().m_strOutput.Find("DumpClass: cannot load Broken"), -1);
    EXPECT_EQ(doc.GetHost().m_strOutput.Right(7), "Aborted");
}

TEST_F(IntrospectionTest, CancelTerminatesTheHelper)
{
    // A "java" that never ends stands in for a helper that hangs.
    CTempFolder jdk;
    CString strJava = jdk.Write("java", "#!/bin/sh\nexec sleep 60\n");
    ::chmod(strJava, 0755);
    CIntrospection::SetJdkFolder(jdk.Path());
    CTempFolder folder;
    CString strClass = folder.Write("Slow.class", "x");
    CBrowserHost host;
    CIntrospection run(host);
    CString strError;
    ASSERT_TRUE(run.Start("DumpClass", strClass, strError)) << strError;
    EXPECT_EQ(run.GetCommandLine(), strJava + " DumpClass Slow " + run.GetOutputPath());
    CString strOutput = run.GetOutputPath();
    struct stat st;
    ASSERT_EQ(::lstat(strOutput, &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(st.st_mode & 077, 0u);  // made with mkstemp: private to this user
    EXPECT_FALSE(run.WaitForEnd(100));
    EXPECT_TRUE(run.IsRunning());
    run.Abort();
    ASSERT_TRUE(run.WaitForEnd(5000));
    EXPECT_EQ(run.GetExitCode(), CIntrospection::ABORT_EXIT_CODE);
    EXPECT_FALSE(run.Succeeded());
    run.DeleteOutput();
    EXPECT_NE(::lstat(strOutput, &st), 0);
}

TEST_F(IntrospectionTest, HelperThatCannotStartWritesTheReasons)
{
    CIntrospection::SetJdkFolder("/nonexistent/jdk/bin");
    CTempFolder folder;
    CPkgDoc doc;
    CStringArray arrFiles;
    arrFiles.Add(folder.Write("A.class", "x"));
    arrFiles.Add(folder.Write("B.class", "x"));
    CClassIntrospectionQueue queue(doc, arrFiles);
    EXPECT_EQ(queue.RunToEnd(), CIntrospectionQueue::STATE_CANCELLED);
    EXPECT_EQ(doc.GetHost().m_strOutput, "Error introspecting a class. Please make sure of the following -\n"
                                         "1. Java BIN is defined in the System path variable\n"
                                         "2. DumpClass.class file is located in Mosk classes.zip file\n");
}
