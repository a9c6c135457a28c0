// The application object with the project list: loaded at start-up, the
// last project opened again, the open project saved and remembered at
// close, and user commands seeing the open project's files.
#include "AppTestUtil.h"
#include "Command.h"
#include "CommandRunner.h"
#include "CommandsDoc.h"
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ScriptedUserInterface.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const CFixedSystemColors s_colors(RGB(250, 250, 240), RGB(0, 0, 0), RGB(0, 0, 200));

// Opening a project makes its folder the current one; the tests put the
// current folder back before their temporary folders go.
class CKeepCurrentFolder {
public:
    CKeepCurrentFolder() : m_path(std::filesystem::current_path()) {}
    ~CKeepCurrentFolder() { std::filesystem::current_path(m_path); }

private:
    std::filesystem::path m_path;
};

class CHeadlessApp : public CJavaIDEApp {
public:
    CHeadlessApp() : CJavaIDEApp(s_colors) {}
    CString OpenProjectPath() { return GetOpenProjectPath(); }
};

TEST(AppProjects, ProjectListLastProjectAndUserCommands)
{
    CKeepCurrentFolder keep;
    CSettingsFolder folder;
    CAppFolders::EnsureFolder(folder.DataFolder());
    CString strProject = folder.Folder().File("Game.mosk");
    CString strSource = folder.Folder().Write("Game.java", "public class Game { public static void main(String[] a) {} }\n");
    {
        CCommandsDoc doc;
        CCommand* pCommand = new CCommand;
        pCommand->m_strName = "Show";
        pCommand->m_strCommand = "echo";
        pCommand->m_strArguments = "<Open Project Files WO Path> <File Name>";
        pCommand->m_bOnFileMenu = TRUE;
        doc.Add(pCommand);
        CString strError;
        ASSERT_TRUE(doc.Save(folder.DataFolder() + "/user.cmd", strError)) << strError.str();
    }
    CScriptedUserInterface ui;
    folder.WriteIni("[Java]\nDocPath=/docs\n");
    {
        CHeadlessApp app;
        ASSERT_TRUE(app.InitInstance(nullptr));
        CProjectDoc* pDoc = app.GetProjectDoc();
        ASSERT_NE(pDoc, nullptr);
        EXPECT_EQ(app.OpenProjectPath(), "");
        ASSERT_TRUE(pDoc->OpenProject(strProject, TRUE));
        ASSERT_TRUE(pDoc->GetProject().AddFile(strSource, nullptr));
        EXPECT_EQ(app.OpenProjectPath(), strProject);

        CString strLine;
        EXPECT_TRUE(app.RunUserCommand(CCommandsDoc::FIRST_FILE_COMMAND_ID, strSource, [&](const CCommandLaunch& launch) {
            strLine = launch.m_strCommandLine;
            return TRUE;
        }));
        EXPECT_EQ(strLine, "echo  \"Game.java\" Game");
        EXPECT_FALSE(app.RunUserCommand(CCommandsDoc::FIRST_FILE_COMMAND_ID + 1, strSource, nullptr));

        EXPECT_TRUE(app.CanCloseMainFrame());
        app.ExitInstance();
    }
    EXPECT_NE(folder.ReadIni().find("Project=" + strProject.str()), std::string::npos);
    EXPECT_FALSE(ReadWholeFile(strProject).empty());            // the project was saved
    EXPECT_FALSE(ReadWholeFile(folder.DataFolder() + "/mosk.proj").empty());  // and the list with it

    // The next start opens the last project again and lists it.
    CHeadlessApp app;
    ASSERT_TRUE(app.InitInstance(nullptr));
    EXPECT_EQ(app.OpenProjectPath(), strProject);
    EXPECT_NE(app.GetProjectDoc()->FindProjectNode(strProject), nullptr);
    ASSERT_EQ(app.GetProjectDoc()->GetProject().GetFileList().GetCount(), 1);
    EXPECT_TRUE(ui.m_shown.empty()) << ui.m_shown[0].strText.str();
    app.ExitInstance();
}

TEST(AppProjects, DamagedProjectListIsReportedAndLeftAlone)
{
    CSettingsFolder folder;
    CAppFolders::EnsureFolder(folder.DataFolder());
    folder.Folder().Write("data/mosk.proj", std::string("\x68\x00\x00\x00\x01", 5));
    CScriptedUserInterface ui;
    folder.WriteIni("[Java]\nDocPath=/docs\n");
    CHeadlessApp app;
    ASSERT_TRUE(app.InitInstance(nullptr));
    ASSERT_NE(app.GetProjectDoc(), nullptr);
    EXPECT_EQ(ui.m_shown.size(), 1u);
    EXPECT_TRUE(app.CanCloseMainFrame());
    app.ExitInstance();
    EXPECT_EQ(ReadWholeFile(folder.DataFolder() + "/mosk.proj").size(), 5u);
}

}  // namespace
