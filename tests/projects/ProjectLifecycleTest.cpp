// Open, close, save and the project's services to the rest of the program:
// breakpoints, the manifest path, parsing all files, Save All.
#include "ArchiveFile.h"
#include "FileObject.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectRootFolder.h"
#include "ProjectSamples.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

class ProjectLifecycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strDir = m_tmp.Path() + "/";
        ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), TRUE));
    }

    CProject& Project() { return m_doc.GetProject(); }
    CString Path(const char* pszName) const { return m_strDir + pszName; }

    CTempFolder m_tmp;
    CString m_strDir;
    CScriptedUserInterface m_ui;
    CRecordingHost m_host;
    CProjectDoc m_doc{&m_host};
};

} // namespace

TEST_F(ProjectLifecycleTest, NewAndOpenCommandsUseTheirDialogs)
{
    m_ui.Answer(IDNO);  // do not save P
    m_ui.AnswerFiles({Path("Fresh.txt")});
    ASSERT_TRUE(m_doc.OnProjectNew());
    EXPECT_EQ(Project().GetPathName(), Path("Fresh.mosk"));  // the extension becomes ".mosk"
    EXPECT_EQ(m_ui.m_fileDialogs.back().strTitle, "New Project");
    EXPECT_EQ(m_ui.m_fileDialogs.back().strFilter, "Mosk Files (*.mosk)|*.mosk|All Files (*.*)|*.*||");
    EXPECT_FALSE(m_ui.m_fileDialogs.back().bOpen);

    struct Case {
        const char* pszName;
        const char* pszMessage;
    };
    m_tmp.Write("notes.txt", "x");
    const Case cases[] = {
        {"Missing.mosk", "Project file does not exist !!!"},
        {"notes.txt", "The file is not a Mosk project file !!!"},
    };
    for (const Case& c : cases) {
        m_ui.m_shown.clear();
        m_ui.Answer(IDNO);
        m_ui.AnswerFiles({Path(c.pszName)});
        EXPECT_FALSE(m_doc.OnProjectOpen());
        EXPECT_EQ(m_ui.m_fileDialogs.back().strTitle, "Open Project");
        ASSERT_FALSE(m_ui.m_shown.empty());
        EXPECT_EQ(m_ui.m_shown.back().strText, c.pszMessage);
    }
    m_ui.m_shown.clear();
    EXPECT_FALSE(m_doc.OpenProjectFile(Path("Gone.mosk")));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "File " + Path("Gone.mosk") + " not found !!!");
    // A cancelled dialog changes nothing.
    EXPECT_FALSE(m_doc.OnProjectOpen());
}

TEST_F(ProjectLifecycleTest, CloseProjectFilesSettingClosesTheirWindowsFirst)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    ASSERT_TRUE(Project().Save());
    m_host.m_settings.m_bCloseProjectFiles = TRUE;
    m_host.m_bAllowClose = FALSE;
    EXPECT_FALSE(m_doc.CloseProject());
    EXPECT_TRUE(Project().IsOpen());
    m_host.m_bAllowClose = TRUE;
    EXPECT_TRUE(m_doc.CloseProject());
    EXPECT_EQ(m_host.m_closed, (std::vector<std::string>{Path("A.java").str(), Path("A.java").str()}));
    EXPECT_TRUE(m_ui.m_shown.empty());  // saved already: no question
}

TEST_F(ProjectLifecycleTest, SaveAllSavesTheDocumentsThenTheProject)
{
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    ASSERT_TRUE(Project().AddFile(Path("B.java")));
    EXPECT_TRUE(m_doc.CanSave());
    ASSERT_TRUE(m_doc.OnFileSaveAll());
    EXPECT_EQ(m_host.m_saved, (std::vector<std::string>{Path("B.java").str(), Path("A.java").str()}));
    EXPECT_FALSE(Project().IsModified());
    EXPECT_FALSE(m_doc.CanSave());
    EXPECT_NE(ReadWholeFile(m_tmp.File("P.mosk")).find("A.java"), std::string::npos);
}

TEST_F(ProjectLifecycleTest, BreakpointsAreKeptPerFileAndStored)
{
    CString strA = Path("src/A.java");
    EXPECT_TRUE(Project().AddBreakpoint(strA, "pkg.A", 10));
    EXPECT_FALSE(Project().AddBreakpoint(strA, "pkg.A", 10));
    EXPECT_TRUE(Project().AddBreakpoint(strA, "pkg.A$In", 10));
    EXPECT_TRUE(Project().AddBreakpoint(Path("B.java"), "B", 3));
    EXPECT_TRUE(Project().HasBreakpoint(Path("other/A.java"), 10));  // keyed by base name
    EXPECT_TRUE(Project().RemoveBreakpoint(strA, 10));
    EXPECT_TRUE(Project().RemoveBreakpoint(strA, 10));
    EXPECT_FALSE(Project().RemoveBreakpoint(strA, 10));
    EXPECT_EQ(Project().GetBreakpointSet("A"), nullptr);  // emptied sets go
    EXPECT_EQ(m_host.m_debugger, (std::vector<std::string>{"stop at pkg.A:10", "stop at pkg.A$In:10", "stop at B:3",
                                                            "clear pkg.A:10", "clear pkg.A$In:10"}));
    ASSERT_TRUE(Project().AddBreakpoint(strA, "pkg.A", 65535));
    ASSERT_TRUE(Project().Save());

    CProjectDoc other(&m_host);
    ASSERT_TRUE(other.OpenProject(m_tmp.File("P.mosk"), FALSE));
    CString strDump = other.GetProject().Dump();
    EXPECT_NE(strDump.Find("breakpoints:\n  A\n    pkg.A:65535\n  B\n    B:3\nfiles:\n"), -1) << strDump.c_str();
    other.GetProject().RemoveAllBreakpoints(Path("B.java"));
    EXPECT_EQ(other.GetProject().GetBreakpointSet("B"), nullptr);
    EXPECT_TRUE(other.GetProject().IsModified());
}

TEST_F(ProjectLifecycleTest, ManifestPathFollowsTheMainClassAndOutputFolder)
{
    ASSERT_TRUE(Project().AddFile(Path("Bean.java")));
    struct Case {
        const char *pszMainClass, *pszOutput;
        BOOL bCheck;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"", "/out", FALSE, ""},
        {"Bean.java", "/out", FALSE, "/out/Bean.mft"},
        {"Bean.java", "/out/", FALSE, "/out/Bean.mft"},
        {"Bean.java", "", FALSE, "Bean.mft"},
        {"Bean.java", "/o", FALSE, "/oBean.mft"},  // short folders get no separator
        {"Bean.java", "/out", TRUE, ""},            // not a file of the project
    };
    for (const Case& c : cases) {
        Project().m_strMainClass = c.pszMainClass;
        Project().m_options.m_strCompOutputDir = c.pszOutput;
        EXPECT_EQ(Project().GetManifestPath(c.bCheck), c.pszExpected) << c.pszMainClass << " " << c.pszOutput;
    }
    Project().m_options.m_strCompOutputDir = m_strDir;
    ASSERT_TRUE(Project().AddFile(Path("Bean.mft")));
    EXPECT_EQ(Project().GetManifestPath(TRUE), Path("Bean.mft"));
    EXPECT_EQ(Project().GetMainClassPath(), Path("Bean.java"));
    EXPECT_EQ(Project().GetMainHtmlPath(), "");
    ASSERT_TRUE(m_doc.CloseProject());
    EXPECT_EQ(Project().GetManifestPath(FALSE), "");
}

TEST_F(ProjectLifecycleTest, ParseAllFilesKeepsEachParseResult)
{
    m_tmp.Write("A.java", "package p;\npublic class A { public static void main(String[] a) {} }\ninterface I {}\n");
    m_tmp.Write("B.java", "class B {}\n");
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    ASSERT_TRUE(Project().AddFile(Path("B.java")));
    ASSERT_TRUE(Project().AddFile(Path("Gone.java")));
    ASSERT_EQ(::unlink(Path("Gone.java")), 0);
    m_ui.m_statusTexts.clear();
    EXPECT_EQ(Project().ParseAllFiles(FALSE, FALSE), 2);
    EXPECT_EQ(m_host.m_nProgressMax, 3);
    EXPECT_EQ(m_host.m_nProgressSteps, 3);
    ASSERT_EQ(m_ui.m_statusTexts.size(), 5u);
    EXPECT_EQ(m_ui.m_statusTexts[0], "Wait, Parsing all files for main class...");
    EXPECT_EQ(m_ui.m_statusTexts[1], "Wait, parsing file " + Path("Gone.java"));
    EXPECT_EQ(m_ui.m_statusTexts[4], "Done");
    EXPECT_EQ(m_ui.m_nWaitDepth, 0);
    EXPECT_TRUE(m_ui.m_shown.empty());
    void* pItem = nullptr;
    ASSERT_TRUE(Project().m_ClassMap.Lookup("A", pItem));
    EXPECT_EQ(pItem, Project().FindFileItem(Path("A.java")));
    EXPECT_TRUE(Project().m_ClassMap.Lookup("I", pItem));
    EXPECT_TRUE(Project().m_ClassMap.Lookup("B", pItem));
    ASSERT_NE(Project().FindFileItem(Path("A.java"))->GetFileObject(), nullptr);
    EXPECT_NE(Project().FindFileItem(Path("A.java"))->GetFileObject()->FindClass("A"), nullptr);
    // A removed file takes its classes out of the map.
    ASSERT_TRUE(Project().RemoveFileItem(Project().FindFileItem(Path("B.java")), FALSE));
    EXPECT_FALSE(Project().m_ClassMap.Lookup("B", pItem));
}

TEST_F(ProjectLifecycleTest, OpeningWithParseAllFilesSetParsesQuietly)
{
    m_tmp.Write("A.java", "class A {}\n");
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    ASSERT_TRUE(Project().Save());
    ASSERT_TRUE(m_doc.CloseProject());
    m_host.m_settings.m_bParseAllFiles = TRUE;
    ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), FALSE));
    void* pItem = nullptr;
    EXPECT_TRUE(Project().m_ClassMap.Lookup("A", pItem));
    EXPECT_EQ(m_host.m_nProgressMax, -1);  // no progress bar
}

TEST_F(ProjectLifecycleTest, UseOtherCompilerIsNeverKeptAcrossAReload)
{
    Project().m_options.m_bCompUseOther = TRUE;
    Project().m_options.m_strCompOtherCommand = "jikes";
    ASSERT_TRUE(Project().Save());
    ASSERT_TRUE(m_doc.CloseProject());
    ASSERT_TRUE(m_doc.OpenProject(m_tmp.File("P.mosk"), FALSE));
    EXPECT_FALSE(Project().m_options.m_bCompUseOther);
    EXPECT_EQ(Project().m_options.m_strCompOtherCommand, "jikes");
}

TEST_F(ProjectLifecycleTest, GlobalInterpreterClassPathIsOffered)
{
    m_doc.m_options.m_strInterpClassPath = "/lib/x.jar";
    m_doc.m_options.m_bInterpClassPath = TRUE;
    EXPECT_EQ(m_doc.GetInterpreterClassPath(), "/lib/x.jar");
    EXPECT_TRUE(m_doc.IsInterpreterClassPathOn());
    EXPECT_FALSE(m_doc.CanBuildAll(FALSE));
    ASSERT_TRUE(Project().AddFile(Path("A.java")));
    EXPECT_TRUE(m_doc.CanBuildAll(FALSE));
    EXPECT_FALSE(m_doc.CanBuildAll(TRUE));
}
