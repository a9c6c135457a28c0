// Opening, saving and closing a source document: what the user is told
// when a file cannot be read, read-only files, line-end styles kept on save,
// and the question asked before a modified document closes.
#include "SourceDocument.h"

#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class SourceDocumentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { CTinctoView::Init(RGB(255, 255, 255), 100); }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
};

TEST_F(SourceDocumentTest, FilesThatCannotBeOpenedAreReported)
{
    m_folder.Write("plain.java", "class A {}\n");
    struct Case {
        const char* pszName;
        const char* pszSetUp;   // "missing", "folder", "unreadable"
        const char* pszSaid;
    } cases[] = {
        {"nothere.java", "missing", "Cannot find the file"},
        {"sub", "folder", "is a folder"},
        {"plain.java/inside.java", "missing", "Cannot find the file"},
        {"locked.java", "unreadable", "Cannot read the file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strPath = m_folder.File(c.pszName);
        if (CString(c.pszSetUp) == "folder")
            mkdir(strPath, 0755);
        if (CString(c.pszSetUp) == "unreadable") {
            if (geteuid() == 0)
                continue;   // the super-user reads everything
            m_folder.Write(c.pszName, "x");
            chmod(strPath, 0);
        }
        m_ui.m_shown.clear();
        CSourceDocument doc;
        EXPECT_FALSE(doc.Open(strPath));
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        const CString& strSaid = m_ui.m_shown[0].strText;
        EXPECT_NE(strSaid.Find(c.pszSaid), -1) << strSaid.c_str();
        EXPECT_NE(strSaid.Find(strPath), -1) << strSaid.c_str();
        EXPECT_EQ(strSaid.Right(4), " !!!");
        EXPECT_EQ(doc.GetEditCtrl().GetTextLength(), 0);
    }
}

TEST_F(SourceDocumentTest, OpenLoadsTheTextColouredWithCrLfLineEnds)
{
    CString strPath = m_folder.Write("Hello.java", "public class Hello {\n}\n");
    CSourceDocument doc;
    ASSERT_TRUE(doc.Open(strPath));
    EXPECT_TRUE(m_ui.m_shown.empty());
    EXPECT_EQ(doc.GetEditCtrl().GetWindowText(), "public class Hello {\r\n}\r\n");
    EXPECT_EQ(doc.GetTitle(), "Hello.java");
    EXPECT_EQ(doc.GetPathName(), strPath);
    EXPECT_TRUE(doc.IsUnix());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.IsReadOnly());
    EXPECT_EQ(m_ui.m_nWaitDepth, 0);   // the wait cursor shown while loading is gone again
    COLORREF crKeyword = CTinctoView::GetJavaLanguage()->GetJavaKeywords()->GetTextFormat()->GetTextForeColor();
    CHARFORMAT cf;
    doc.GetEditCtrl().GetCharFormat(0, 6, cf);
    EXPECT_EQ(cf.crTextColor, crKeyword);
}

TEST_F(SourceDocumentTest, ReadOnlyFileOpensReadOnlyAndRefusesToSave)
{
    CString strPath = m_folder.Write("Fixed.java", "class Fixed {}\n");
    chmod(strPath, 0444);
    CSourceDocument doc;
    ASSERT_TRUE(doc.Open(strPath));
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_TRUE(doc.GetEditCtrl().GetReadOnly());
    doc.GetEditCtrl().SetSel(0, -1);
    doc.GetEditCtrl().Clear();
    EXPECT_EQ(doc.GetEditCtrl().GetWindowText(), "class Fixed {}\r\n");
    EXPECT_FALSE(doc.Save());
    EXPECT_EQ(ReadWholeFile(strPath), "class Fixed {}\n");
}

TEST_F(SourceDocumentTest, SaveKeepsTheFilesLineEndStyle)
{
    struct Case {
        const char* pszOnDisk;
        const char* pszSaved;
    } cases[] = {
        {"a\nb\n", "// x\na\nb\n"},
        {"a\r\nb\r\n", "// x\r\na\r\nb\r\n"},
        {"a\r\nb\n", "// x\r\na\r\nb\r\n"},   // any CR: CR LF everywhere
        {"ab", "// x\r\nab"},                   // no line end at all: CR LF
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszOnDisk);
        CString strPath = m_folder.Write("Save.java", c.pszOnDisk);
        CSourceDocument doc;
        ASSERT_TRUE(doc.Open(strPath));
        doc.GetEditCtrl().SetSel(0, 0);
        doc.GetEditCtrl().ReplaceSel("// x\r\n");
        EXPECT_TRUE(doc.IsModified());
        EXPECT_TRUE(doc.Save());
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(ReadWholeFile(strPath), c.pszSaved);
    }
    EXPECT_TRUE(m_ui.m_shown.empty());
}

TEST_F(SourceDocumentTest, SaveKeepsThePermissionsAndLeavesNoTemporaryFile)
{
    CString strPath = m_folder.Write("Mode.java", "x\n");
    chmod(strPath, 0640);
    CSourceDocument doc;
    ASSERT_TRUE(doc.Open(strPath));
    doc.GetEditCtrl().ReplaceSel("y");
    ASSERT_TRUE(doc.Save());
    struct stat st {};
    ASSERT_EQ(stat(strPath, &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    int nEntries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(m_folder.Path().c_str()))
        ++nEntries;
    EXPECT_EQ(nEntries, 1);
}

TEST_F(SourceDocumentTest, CanCloseAsksOnlyForAModifiedDocument)
{
    struct Case {
        bool bModify;
        int nAnswer;           // 0: no question expected
        BOOL bMayClose;
        const char* pszOnDisk; // afterwards
    } cases[] = {
        {false, 0, TRUE, "old\n"},
        {true, IDCANCEL, FALSE, "old\n"},
        {true, IDNO, TRUE, "old\n"},
        {true, IDYES, TRUE, "new old\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        CString strPath = m_folder.Write("Close.java", "old\n");
        CSourceDocument doc;
        ASSERT_TRUE(doc.Open(strPath));
        if (c.bModify)
            doc.GetEditCtrl().ReplaceSel("new ");
        m_ui.m_shown.clear();
        if (c.nAnswer)
            m_ui.Answer(c.nAnswer);
        EXPECT_EQ(doc.CanClose(), c.bMayClose);
        ASSERT_EQ(m_ui.m_shown.size(), c.nAnswer ? 1u : 0u);
        if (c.nAnswer) {
            EXPECT_EQ(m_ui.m_shown[0].strText, "Save changes to Close.java?");
            EXPECT_EQ(m_ui.m_shown[0].nType, MB_YESNOCANCEL | MB_ICONQUESTION);
        }
        EXPECT_EQ(ReadWholeFile(strPath), c.pszOnDisk);
    }
}

TEST_F(SourceDocumentTest, UntitledDocumentSavesUnderANewPath)
{
    CSourceDocument doc;
    doc.NewUntitled();
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetMessageTarget(), static_cast<IMessageTarget*>(&doc.GetView()));
    doc.GetMessageTarget()->SendMessage(WM_CHAR, 'a', 0);
    doc.GetMessageTarget()->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.Save());   // no path yet

    // A path that cannot be written leaves the document untitled.
    mkdir(m_folder.File("dir"), 0755);
    EXPECT_FALSE(doc.SaveAs(m_folder.File("dir")));
    EXPECT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_TRUE(doc.IsUntitled());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_TRUE(doc.IsModified());

    CString strPath = m_folder.File("New.java");
    ASSERT_TRUE(doc.SaveAs(strPath));
    EXPECT_FALSE(doc.IsUntitled());
    EXPECT_EQ(doc.GetPathName(), strPath);
    EXPECT_EQ(doc.GetTitle(), "New.java");
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadWholeFile(strPath), "a\n");   // a new file gets LF line ends
    // A new file is as readable as any other the user makes, not owner-only.
    mode_t nMask = umask(0);
    umask(nMask);
    struct stat st {};
    ASSERT_EQ(stat(strPath, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0666u & ~nMask);
}

TEST_F(SourceDocumentTest, CanCloseSavesThroughTheGivenSave)
{
    struct Case {
        BOOL bSaved;
        BOOL bMayClose;
    } cases[] = {{TRUE, TRUE}, {FALSE, FALSE}};
    for (const Case& c : cases) {
        CSourceDocument doc;
        doc.NewUntitled();
        doc.GetEditCtrl().ReplaceSel("x");
        m_ui.Answer(IDYES);
        int nCalls = 0;
        EXPECT_EQ(doc.CanClose([&] { ++nCalls; return c.bSaved; }), c.bMayClose);
        EXPECT_EQ(nCalls, 1);
    }
}

}  // namespace
