// The source document: titles, the save paths of untitled and named files,
// line ends, saving through a temporary file, and the question about
// changes made by another program.
#include "JavaIDEDoc.h"

#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "RecordingViewHost.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class JavaIDEDocTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CTinctoView::Init(RGB(255, 255, 255), 100); }

    // Gives the file a modification time nSeconds from now.
    static void Touch(const char* pszPath, int nSeconds)
    {
        timespec times[2];
        clock_gettime(CLOCK_REALTIME, &times[0]);
        times[0].tv_sec += nSeconds;
        times[1] = times[0];
        utimensat(AT_FDCWD, pszPath, times, 0);
    }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    CRecordingViewHost m_host;
};

// Runs the test's body with the working folder set to pszFolder.
class CWorkingFolder {
public:
    explicit CWorkingFolder(const char* pszFolder)
    {
        char sz[PATH_MAX];
        m_strOld = getcwd(sz, sizeof sz) ? sz : "/";
        EXPECT_EQ(chdir(pszFolder), 0);
    }
    ~CWorkingFolder() { EXPECT_EQ(chdir(m_strOld), 0); }

private:
    CString m_strOld;
};

TEST_F(JavaIDEDocTest, TitleShowsFolderReadOnlyAndModifiedStates)
{
    CTempFolder other;
    struct Case {
        const char* pszName;
        bool bInWorkingFolder;
        bool bReadOnly;
        bool bType;         // a character typed (refused by a read-only file)
        const char* pszTitle;  // "{path}" stands for the full path
    } cases[] = {
        {"A.java", true, false, false, "A.java"},
        {"B.java", true, false, true, "B.java *"},
        {"C.java", true, true, false, "C.java (RO)"},
        {"D.java", true, true, true, "D.java (RO)"},
        {"E.java", false, true, false, "{path} (RO)"},
        {"F.java", false, false, true, "{path} *"},
    };
    CWorkingFolder cwd(m_folder.Path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        const CTempFolder& folder = c.bInWorkingFolder ? m_folder : other;
        CString strPath = folder.Write(c.pszName, "class A {}\n");
        if (c.bReadOnly)
            chmod(strPath, 0444);
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        m_ui.Answer(IDNO);   // a read-only file stays so
        if (c.bType)
            pair.Type("x");
        CString strExpected(c.pszTitle);
        strExpected.Replace("{path}", strPath);
        EXPECT_EQ(pair.doc.GetTitle(), strExpected);
        EXPECT_EQ(pair.doc.IsModified() ? 1 : 0, c.bType && !c.bReadOnly ? 1 : 0);
        if (c.bReadOnly && geteuid() != 0) {
            EXPECT_TRUE(pair.view.GetReadOnly());
        }
        EXPECT_EQ(m_host.m_recent.back(), strPath);
    }

    CDocViewPair untitled(&m_host);
    untitled.New();
    CString strTitle = untitled.doc.GetTitle();
    EXPECT_EQ(strTitle.Left(8), "untitled");
    untitled.Type("y");
    EXPECT_EQ(untitled.doc.GetTitle(), strTitle + " *");
}

TEST_F(JavaIDEDocTest, UntitledSaveProposesTheFirstTypeAndFixesTheExtension)
{
    struct Case {
        const char* pszText;
        const char* pszProposal;   // "" : the document's title
        const char* pszChosen;
        const char* pszSaved;
    } cases[] = {
        {"public class Foo {\r}\rclass Bar {}\r", "Foo", "Foo.java", "Foo.java"},
        {"interface Shape {}", "Shape", "Shape.jav", "Shape.java"},
        {"import java.util.*;", "", "Notes.JAV", "Notes.java"},
        {"<html></html>", "", "page.html", "page.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        CDocViewPair pair(&m_host);
        pair.New();
        pair.Type(c.pszText);
        m_ui.m_fileDialogs.clear();
        m_ui.AnswerFiles({m_folder.File(c.pszChosen)});
        ASSERT_TRUE(pair.doc.OnFileSave());
        ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
        const auto& dialog = m_ui.m_fileDialogs[0];
        EXPECT_FALSE(dialog.bOpen);
        EXPECT_EQ(dialog.strDefExt, "java");
        EXPECT_EQ(dialog.strFilter, "Java Files (*.java)|*.java|HTML files (*.html)|*.html|All Files (*.*)|*.*||");
        EXPECT_EQ(dialog.nFlags, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT);
        // The proposal is the type's name, else the title "untitledN".
        EXPECT_EQ(dialog.strFolder.Left(*c.pszProposal ? 100 : 8), *c.pszProposal ? c.pszProposal : "untitled");
        EXPECT_EQ(pair.doc.GetPathName(), m_folder.File(c.pszSaved));
        EXPECT_FALSE(pair.doc.IsModified());
        // A new document is written with LF line ends.
        CString strExpected(c.pszText);
        strExpected.Replace("\r", "\n");
        EXPECT_EQ(ReadWholeFile(m_folder.File(c.pszSaved)), strExpected.str());
    }
    // Without an open project nothing is offered; a cancelled dialog saves nothing.
    EXPECT_TRUE(m_ui.m_shown.empty());
    CDocViewPair pair(&m_host);
    pair.New();
    pair.Type("class Gone {}");
    EXPECT_FALSE(pair.doc.OnFileSave());
    EXPECT_TRUE(pair.doc.IsUntitled());
    EXPECT_TRUE(pair.doc.IsModified());
}

TEST_F(JavaIDEDocTest, SavedUntitledFileMayJoinTheOpenProject)
{
    CProjectDoc projects;
    ASSERT_TRUE(projects.OpenProject(m_folder.File("P.mosk"), TRUE));
    m_host.m_pProjectDoc = &projects;
    for (int nAnswer : {IDNO, IDYES}) {
        SCOPED_TRACE(nAnswer);
        CDocViewPair pair(&m_host);
        pair.New();
        pair.Type(nAnswer == IDYES ? "class Yes {}" : "class No {}");
        CString strPath = m_folder.File(nAnswer == IDYES ? "Yes.java" : "No.java");
        m_ui.m_shown.clear();
        m_ui.AnswerFiles({strPath});
        m_ui.Answer(nAnswer);
        ASSERT_TRUE(pair.doc.OnFileSave());
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText, "Select Yes to add the file to project otherwise select NO.");
        EXPECT_EQ(m_ui.m_shown[0].nType, MB_YESNO | MB_ICONQUESTION);
        EXPECT_EQ(projects.GetProject().HasFile(strPath) ? IDYES : IDNO, nAnswer);
    }
    EXPECT_EQ(m_host.m_nTreeRefreshed, 1);
}

TEST_F(JavaIDEDocTest, LineEndsFollowTheFileAndNewTextGetsLf)
{
    struct Case {
        const char* pszName;
        const char* pszOnDisk;   // null: a new document
        const char* pszTyped;
        const char* pszSaved;
    } cases[] = {
        {"new", nullptr, "a\rb", "a\nb"},
        {"no line break", "x", "\r", "\nx"},
        {"lf", "a\nb\n", "\r", "\na\nb\n"},
        {"cr lf", "a\r\nb\r\n", "\r", "\r\na\r\nb\r\n"},
        {"mixed", "a\r\nb\n", "c", "ca\r\nb\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strPath = m_folder.File("Ends.java");
        CDocViewPair pair(&m_host);
        if (c.pszOnDisk) {
            m_folder.Write("Ends.java", c.pszOnDisk);
            ASSERT_TRUE(pair.Open(strPath));
        } else {
            pair.New();
        }
        pair.Type(c.pszTyped);
        if (c.pszOnDisk) {
            ASSERT_TRUE(pair.doc.OnFileSave());
        } else {
            m_ui.AnswerFiles({strPath});
            ASSERT_TRUE(pair.doc.OnFileSave());
        }
        EXPECT_EQ(ReadWholeFile(strPath), c.pszSaved);
    }
}

TEST_F(JavaIDEDocTest, SavingReplacesTheFileWholeKeepingModeAndLinks)
{
    CString strPath = m_folder.Write("Real.java", "class Real {}\n");
    chmod(strPath, 0640);
    ASSERT_EQ(symlink("Real.java", m_folder.File("Link.java")), 0);
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.File("Link.java")));
    pair.Type("// ");
    ASSERT_TRUE(pair.doc.OnFileSave());
    EXPECT_EQ(ReadWholeFile(strPath), "// class Real {}\n");
    struct stat st {};
    ASSERT_EQ(lstat(m_folder.File("Link.java"), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(stat(strPath, &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    // No temporary file stays behind.
    int nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.Path().c_str())) {
        (void)entry;
        ++nFiles;
    }
    EXPECT_EQ(nFiles, 2);
}

TEST_F(JavaIDEDocTest, FileThatCannotBeWrittenIsReportedAndLeftAlone)
{
    struct Case {
        const char* pszName;
        const char* pszSetUp;   // "file": the file is read-only; "folder": its folder is
    } cases[] = {{"file", "file"}, {"folder", "folder"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        if (CString(c.pszSetUp) == "folder" && geteuid() == 0)
            continue;   // the super-user writes into any folder
        CTempFolder folder;
        CString strPath = folder.Write("Locked.java", "class Locked {}\n");
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        pair.Type("x");
        if (CString(c.pszSetUp) == "file")
            chmod(strPath, 0444);
        else
            chmod(folder.Path(), 0555);
        m_ui.m_shown.clear();
        BOOL bSaved = pair.doc.OnSaveDocument(strPath);
        chmod(folder.Path(), 0755);
        EXPECT_FALSE(bSaved);
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText, "Cannot write the file " + strPath + ": Permission denied !!!");
        EXPECT_EQ(ReadWholeFile(strPath), "class Locked {}\n");
        EXPECT_TRUE(pair.doc.IsModified());
        int nFiles = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path().c_str())) {
            (void)entry;
            ++nFiles;
        }
        EXPECT_EQ(nFiles, 1);
    }
}

TEST_F(JavaIDEDocTest, OutsideChangeIsAskedOncePerLossAndGainOfTheFocus)
{
    CString strPath = m_folder.Write("Out.java", "class Out {}\n");
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(strPath));
    CString strQuestion = "File " + strPath + " has been modified from outside. Plese select Yes to reload the file !!!";
    auto focusOut = [&] { pair.view.SendMessage(WM_KILLFOCUS, 0, 0); };
    auto focusIn = [&] {
        pair.view.SendMessage(WM_SETFOCUS, 0, 0);
        pair.view.DeliverPostedMessages();
    };
    auto questions = [&] {
        return std::count_if(m_ui.m_shown.begin(), m_ui.m_shown.end(),
                             [&](const CScriptedUserInterface::Shown& s) { return s.strText == strQuestion; });
    };
    pair.Type("// ");

    // Changed while the window had no focus: asked once; No keeps the text.
    focusOut();
    m_folder.Write("Out.java", "class Changed {}\n");
    Touch(strPath, 5);
    m_ui.Answer(IDNO);
    focusIn();
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(m_ui.m_shown.back().nType, MB_YESNO | MB_ICONQUESTION);
    focusIn();
    focusOut();
    focusIn();
    EXPECT_EQ(questions(), 1);
    EXPECT_EQ(pair.Text(), "// class Out {}\r\n");

    // A further change and a further loss and gain: asked again; Yes reloads.
    focusOut();
    m_folder.Write("Out.java", "class Again {}\n");
    Touch(strPath, 10);
    m_ui.Answer(IDYES);
    focusIn();
    EXPECT_EQ(questions(), 2);
    EXPECT_EQ(pair.Text(), "class Again {}\r\n");
    EXPECT_FALSE(pair.doc.IsModified());
    EXPECT_FALSE(pair.view.CanUndo());   // the typing before belongs to the old text

    // Saving from inside never asks.
    focusOut();
    pair.Type("x");
    ASSERT_TRUE(pair.doc.OnFileSave());
    Touch(strPath, 20);   // the save's own time, however late it is
    focusIn();
    EXPECT_EQ(questions(), 2);
}

TEST_F(JavaIDEDocTest, SaveAfterAnOutsideChangeAsksBeforeWritingOverIt)
{
    CString strPath = m_folder.Write("Race.java", "class Race {}\n");
    CString strQuestion =
        "File " + strPath + " has been modified from outside. Plese select Yes to reload the file !!!";
    struct Case {
        const char* pszName;
        int nAnswer;
        bool bSaved;
        const char* pszOnDisk;
        const char* pszText;
    } cases[] = {
        {"No writes the editor's text over the change", IDNO, true, "// class Race {}\n", "// class Race {}\r\n"},
        {"Yes reloads and writes nothing", IDYES, false, "class Other {}\n", "class Other {}\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        m_folder.Write("Race.java", "class Race {}\n");
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        pair.Type("// ");
        // Another program writes while the window keeps the focus.
        m_folder.Write("Race.java", "class Other {}\n");
        Touch(strPath, 7);
        m_ui.m_shown.clear();
        m_ui.Answer(c.nAnswer);
        EXPECT_EQ(pair.doc.OnFileSave() != FALSE, c.bSaved);
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText, strQuestion);
        EXPECT_EQ(ReadWholeFile(strPath), c.pszOnDisk);
        EXPECT_EQ(pair.Text(), c.pszText);

        // Once settled, a later save asks nothing.
        m_ui.m_shown.clear();
        pair.Type("x");
        EXPECT_TRUE(pair.doc.OnFileSave());
        EXPECT_TRUE(m_ui.m_shown.empty());
    }

    // Save As to another name is no outside change of that file.
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(strPath));
    const std::string strShown = ReadWholeFile(strPath);
    CString strOther = m_folder.Write("Elsewhere.java", "old\n");
    Touch(strOther, 30);
    m_ui.m_shown.clear();
    m_ui.AnswerFiles({strOther});
    EXPECT_TRUE(pair.doc.OnFileSaveAs());
    EXPECT_EQ(ReadWholeFile(strOther), strShown);
    for (const auto& shown : m_ui.m_shown)
        EXPECT_NE(shown.strText, "File " + strOther + " has been modified from outside. Plese select Yes to reload the file !!!");
}

TEST_F(JavaIDEDocTest, SaveReparsesIntoTheProjectAndMarksTheFileForCompiling)
{
    CProjectDoc projects;
    ASSERT_TRUE(projects.OpenProject(m_folder.File("P.mosk"), TRUE));
    m_host.m_pProjectDoc = &projects;
    CString strPath = m_folder.Write("Saved.java", "class Saved {}\n");
    ASSERT_TRUE(projects.GetProject().AddFile(strPath));
    for (BOOL bParse : {FALSE, TRUE}) {
        SCOPED_TRACE(bParse);
        m_host.m_settings.m_bParseOnSave = bParse;
        projects.GetProject().m_ClassMap.RemoveAll();
        CDocViewPair pair(&m_host);
        ASSERT_TRUE(pair.Open(strPath));
        pair.CaretToLine(2);
        pair.Type(bParse ? "class Parsed {}" : "class Skipped {}");
        ASSERT_TRUE(pair.doc.OnFileSave());
        void* pItem = nullptr;
        EXPECT_EQ(projects.GetProject().m_ClassMap.Lookup(bParse ? "Parsed" : "Skipped", pItem) ? 1 : 0, bParse ? 1 : 0);
        CProjectFileItem* pItem2 = projects.GetProject().FindFileItem(strPath);
        ASSERT_NE(pItem2, nullptr);
        EXPECT_TRUE(pItem2->m_bNeedsCompile);
        pItem2->m_bNeedsCompile = FALSE;
    }
}

}  // namespace

namespace {

TEST_F(JavaIDEDocTest, SaveAsTakesTheNewPathAndCreatesTheFile)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("Old.java", "class Old {}\n")));
    pair.Type("// ");
    struct Case {
        const char* pszChosen;
        const char* pszSaved;
    } cases[] = {{"New.jav", "New.java"}, {"sub/Missing/Deep.java", nullptr}, {"page.html", "page.html"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszChosen);
        CString strBefore = pair.doc.GetPathName();
        m_ui.m_fileDialogs.clear();
        m_ui.m_shown.clear();
        m_ui.AnswerFiles({m_folder.File(c.pszChosen)});
        EXPECT_EQ(pair.doc.OnFileSaveAs(), c.pszSaved != nullptr);
        ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
        EXPECT_EQ(m_ui.m_fileDialogs[0].strFilter,
                  "Java Files (*.java)|*.java|HTML Files (*.html)|*.html|All Files (*.*)|*.*||");
        EXPECT_EQ(m_ui.m_fileDialogs[0].strFolder, strBefore);
        if (!c.pszSaved) {
            EXPECT_EQ(m_ui.m_shown.size(), 1u);   // the folder is missing: told, nothing changes
            EXPECT_EQ(pair.doc.GetPathName(), strBefore);
            continue;
        }
        EXPECT_EQ(pair.doc.GetPathName(), m_folder.File(c.pszSaved));
        EXPECT_EQ(m_host.m_recent.back(), m_folder.File(c.pszSaved));
        EXPECT_EQ(ReadWholeFile(m_folder.File(c.pszSaved)), "// class Old {}\n");
        EXPECT_EQ(pair.view.GetPathName(), m_folder.File(c.pszSaved));
    }
    EXPECT_EQ(ReadWholeFile(m_folder.File("Old.java")), "class Old {}\n");
}

TEST_F(JavaIDEDocTest, PendingJumpsHappenAtTheNextPaint)
{
    CDocViewPair pair(&m_host);
    ASSERT_TRUE(pair.Open(m_folder.Write("J.java", "a\nb\nc\nd\n")));
    struct Case {
        int nLine, nColumn, nKind;
        BOOL bDebugger;
        int nCaretLine, nMarked, nDebuggerLine;
    } cases[] = {
        {3, 1, CJavaIDEView::JUMP_GOTO, FALSE, 3, 3, -1},
        {2, 0, CJavaIDEView::JUMP_GOTO, FALSE, 2, 3, -1},
        {4, 1, CJavaIDEView::JUMP_DEBUGGER, TRUE, 4, 3, 4},
        {4, 0, CJavaIDEView::JUMP_DEBUGGER, TRUE, 4, 3, -1},
        {1, 1, CJavaIDEView::JUMP_DEBUGGER, FALSE, 1, 3, 1},
        {0, 0, CJavaIDEView::JUMP_NONE, FALSE, 1, 3, -1},   // the debugger has ended
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLine * 10 + c.nKind);
        m_host.m_bDebugger = c.bDebugger;
        pair.view.SetPendingJump(c.nLine, c.nColumn, c.nKind);
        pair.view.OnPaint();
        EXPECT_EQ(pair.view.GetCaretLine(), c.nCaretLine);
        EXPECT_EQ(pair.view.GetMarkedLine(), c.nMarked);
        EXPECT_EQ(pair.view.GetDebuggerLine(), c.nDebuggerLine);
        EXPECT_NE(pair.view.Dump().Find("jump: 0 -1"), -1);
    }
}

}  // namespace
