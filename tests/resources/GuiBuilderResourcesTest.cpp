#include "GuiBuilderResources.h"
#include "GuiBuilderSetup.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ResourceFile.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const char* const DIALOG_BLOCK = "Begin Dialog 1.0 \"Dialog1\"\n"
                                 "\tBegin ComponentGroup\n"
                                 "\tEnd ComponentGroup\n"
                                 "\t\"BACKCOLOR\" \"192,192,192\"\n"
                                 "\t\"GRIDSIZE\" \"10,10\"\n"
                                 "\t\"GRIDSNAP\" \"false\"\n"
                                 "\t\"DIALOGSIZE\" \"100,100\"\n"
                                 "\t\"DIALOGTITLE\" \"\"\n"
                                 "\t\"DIALOGMODAL\" \"true\"\n"
                                 "End Dialog";

class GuiBuilderResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_doc.OpenProject(m_folder.File("Demo.mosk"), TRUE)); }
    CProject& Project() { return m_doc.GetProject(); }

    CTempFolder m_folder;
    CScriptedUserInterface m_ui;
    CProjectDoc m_doc;
};

} // namespace

TEST_F(GuiBuilderResourcesTest, BlocksByteForByte)
{
    EXPECT_EQ(CResourceFile::BlockText("Dialog1", FALSE), DIALOG_BLOCK);
    EXPECT_EQ(CResourceFile::BlockText("Main", TRUE), "Begin Frame 1.0 \"Main\"\n"
                                                      "\tBegin ComponentGroup\n"
                                                      "\tEnd ComponentGroup\n"
                                                      "\t\"BACKCOLOR\" \"192,192,192\"\n"
                                                      "\t\"GRIDSIZE\" \"10,10\"\n"
                                                      "\t\"GRIDSNAP\" \"false\"\n"
                                                      "\t\"FRAMESIZE\" \"100,100\"\n"
                                                      "\t\"FRAMETITLE\" \"\"\n"
                                                      "End Frame");
}

TEST_F(GuiBuilderResourcesTest, AddDialogProposesTheFirstFreeNameAndWritesTheBlock)
{
    EXPECT_EQ(CGuiBuilderResources::ProposeName(Project(), FALSE), "Dialog1");
    m_ui.AnswerFiles({m_folder.File("Dialog1.res")});
    ASSERT_TRUE(CGuiBuilderResources::NewResource(Project(), nullptr, FALSE));
    ASSERT_EQ(m_ui.m_fileDialogs.size(), 1u);
    EXPECT_FALSE(m_ui.m_fileDialogs[0].bOpen);
    EXPECT_EQ(m_ui.m_fileDialogs[0].strTitle, "New Dialog");
    EXPECT_EQ(m_ui.m_fileDialogs[0].strFilter, "Mosk Resource Files (*.res)|*.res|All Files (*.*)|*.*||");
    EXPECT_EQ(m_ui.m_fileDialogs[0].strFolder, m_folder.File("Dialog1"));
    EXPECT_EQ(ReadWholeFile(m_folder.File("Dialog1.res")), std::string("// Mosk Resource file\n\n") + DIALOG_BLOCK);
    EXPECT_TRUE(Project().HasFile(m_folder.File("Dialog1.res")));

    // Dialog2 on disk only, Dialog3 in the project only: the next is Dialog4.
    m_folder.Write("Dialog2.res", "x");
    Project().AddFile(m_folder.File("Dialog3.res"));
    ::unlink(m_folder.File("Dialog3.res"));
    EXPECT_EQ(CGuiBuilderResources::ProposeName(Project(), FALSE), "Dialog4");
    EXPECT_EQ(CGuiBuilderResources::ProposeName(Project(), TRUE), "Frame1");

    // Another extension: the message, and nothing made.
    m_ui.AnswerFiles({m_folder.File("Other.txt")});
    EXPECT_FALSE(CGuiBuilderResources::NewResource(Project(), nullptr, TRUE));
    EXPECT_EQ(m_ui.m_shown.back().strText, "Mosk resources must have res extension !!!");
    EXPECT_TRUE(ReadWholeFile(m_folder.File("Other.txt")).empty());
    EXPECT_FALSE(Project().HasFile(m_folder.File("Other.txt")));
    // Cancelled: nothing.
    EXPECT_FALSE(CGuiBuilderResources::NewResource(Project(), nullptr, TRUE));
}

TEST_F(GuiBuilderResourcesTest, CopyPasteAndMakeCopyRenameTheDesign)
{
    m_ui.AnswerFiles({m_folder.File("Dialog1.res")});
    ASSERT_TRUE(CGuiBuilderResources::NewResource(Project(), nullptr, FALSE));
    EXPECT_TRUE(CGuiBuilderResources::CopyToClipboard(m_folder.File("Dialog1.res"), FALSE));
    EXPECT_EQ(m_ui.m_strClipboard, "Dialog:" + m_folder.File("Dialog1.res"));
    EXPECT_TRUE(CGuiBuilderResources::CanPaste());
    ASSERT_TRUE(CGuiBuilderResources::Paste(Project(), nullptr));
    // The name is in the project: the copy is Dialog11.res, its design renamed after it.
    CResourceFile copy;
    ASSERT_TRUE(copy.Read(m_folder.File("Dialog11.res")));
    ASSERT_EQ(copy.GetDesigns().size(), 1u);
    EXPECT_EQ(copy.GetDesigns()[0].strName, "Dialog11");
    EXPECT_TRUE(Project().HasFile(m_folder.File("Dialog11.res")));

    struct {
        const char* pszText;
        BOOL bNames;
    } cases[] = {
        {"dialog:", FALSE},
        {"Window:/tmp/x.res", FALSE},
        {"", FALSE},
        {"frame:/no/such/file.res", FALSE},
    };
    for (const auto& c : cases) {
        CString strPath;
        EXPECT_EQ(CGuiBuilderResources::NamesResource(c.pszText, strPath), c.bNames) << c.pszText;
    }
    CString strPath;
    EXPECT_TRUE(CGuiBuilderResources::NamesResource("FRAME:" + m_folder.File("Dialog1.res"), strPath));
    m_ui.m_strClipboard = "some other text";
    EXPECT_FALSE(CGuiBuilderResources::CanPaste());
    EXPECT_FALSE(CGuiBuilderResources::Paste(Project(), nullptr));

    // A design rename refuses spaces.
    EXPECT_FALSE(CGuiBuilderResources::RenameDesign(m_folder.File("Dialog1.res"), 0, "My Dialog"));
    EXPECT_EQ(m_ui.m_shown.back().strText, "Invalid Name. No Spaces allowed in the name.");
    EXPECT_TRUE(CGuiBuilderResources::RenameDesign(m_folder.File("Dialog1.res"), 0, "Login"));
    CResourceFile file;
    file.Read(m_folder.File("Dialog1.res"));
    EXPECT_EQ(file.GetDesigns()[0].strName, "Login");
    // A file without a design cannot be renamed inside.
    m_folder.Write("Empty.res", "// Mosk Resource file");
    EXPECT_FALSE(CGuiBuilderResources::RenameDesignAfterFile(m_folder.File("Empty.res")));
    EXPECT_EQ(m_ui.m_shown.back().strText, "Invalid resource file object !!!");
}

TEST_F(GuiBuilderResourcesTest, MgbIniAndClassPathAtStartUp)
{
    CTempFolder program;
    program.Write("MGB.INI", "GRID=10");
    EXPECT_TRUE(CGuiBuilderSetup::UpdateMgbIni(program.Path(), "/home/u/.config/mosk"));
    EXPECT_EQ(ReadWholeFile(program.File("MGB.INI")), "GRID=10\nDEFAULTMOSKINI=/home/u/.config/mosk/mosk.ini\n");
    EXPECT_FALSE(CGuiBuilderSetup::UpdateMgbIni(program.Path(), "/elsewhere"));  // the line is there already
    EXPECT_EQ(CGuiBuilderSetup::EscapeProperty("a\\b"), "a\\\\b");

    const char* pszOld = std::getenv("CLASSPATH");
    CString strOld = pszOld ? pszOld : "";
    EXPECT_FALSE(CGuiBuilderSetup::EnsureClassPath(program.Path()));
    EXPECT_NE(m_ui.m_shown.back().strText.Find("Unable to find file " + program.File("classes.zip")), -1);
    program.Write("classes.zip", "zip");
    ::setenv("CLASSPATH", "/lib/a.jar", 1);
    EXPECT_TRUE(CGuiBuilderSetup::EnsureClassPath(program.Path()));
    EXPECT_EQ(CString(std::getenv("CLASSPATH")), program.File("classes.zip") + ":/lib/a.jar");
    EXPECT_TRUE(CGuiBuilderSetup::EnsureClassPath(program.Path()));  // not added twice
    EXPECT_EQ(CString(std::getenv("CLASSPATH")), program.File("classes.zip") + ":/lib/a.jar");
    if (pszOld)
        ::setenv("CLASSPATH", strOld, 1);
    else
        ::unsetenv("CLASSPATH");
}
