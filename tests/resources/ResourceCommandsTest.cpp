// The project tree's resource commands on the kinds of node they work on,
// over a real project: which node each is offered on, and that a command
// given on a node of another kind changes nothing.
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFileItem.h"
#include "ProjectFolder.h"
#include "ProjectMenu.h"
#include "ProjectVirtualFolder.h"
#include "ResourceCommands.h"
#include "ResourceFileItem.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

TEST(ResourceCommandsTest, EachCommandAppliesToItsKindOfNodeOnly)
{
    CTempFolder folder;
    CScriptedUserInterface ui;
    CProjectDoc doc;
    ASSERT_TRUE(doc.OpenProject(folder.File("Demo.mosk"), TRUE));
    CProject& project = doc.GetProject();
    CString strRes = folder.Write("Login.res", "// Mosk Resource file\n\nBegin Dialog 1.0 \"Login\"\nEnd Dialog");
    CString strJava = folder.Write("Main.java", "class Main { }\n");
    ASSERT_TRUE(project.AddFile(strRes));
    ASSERT_TRUE(project.AddFile(strJava));
    CProjectVirtualFolder* pFolder = project.AddFolder(project.GetNode());
    ASSERT_NE(pFolder, nullptr);
    CTreeItem* pProject = project.GetNode();
    CTreeItem* pResource = project.FindFileItem(strRes);
    CTreeItem* pJava = project.FindFileItem(strJava);
    ASSERT_TRUE(pResource && pResource->IsKindOf(MOSK_RUNTIME_CLASS(CResourceFileItem)));

    // Columns: the project's node, a folder, a resource, another file, nothing.
    struct {
        UINT nID;
        std::vector<bool> applies;
    } cases[] = {
        {ID_RESOURCE_ADD_DIALOG, {true, false, false, false, false}},
        {ID_RESOURCE_ADD_FRAME, {true, false, false, false, false}},
        {ID_RESOURCE_FOLDER_ADD_DIALOG, {false, true, false, false, false}},
        {ID_RESOURCE_FOLDER_ADD_FRAME, {false, true, false, false, false}},
        {ID_RESOURCE_PASTE, {true, true, false, false, false}},
        {ID_RESOURCE_GROUP_ADD_DIALOG, {false, false, true, false, false}},
        {ID_RESOURCE_GROUP_ADD_FRAME, {false, false, true, false, false}},
        {ID_RESOURCE_DELETE_DIALOG, {false, false, true, false, false}},
        {ID_RESOURCE_DELETE_FRAME, {false, false, true, false, false}},
        {ID_RESOURCE_DELETE, {false, false, true, false, false}},
        {ID_RESOURCE_RENAME_DIALOG, {false, false, true, false, false}},
        {ID_RESOURCE_RENAME, {false, false, true, false, false}},
        {ID_RESOURCE_MAKE_COPY, {false, false, true, false, false}},
        {ID_RESOURCE_COPY, {false, false, true, false, false}},
        {33008, {false, false, false, false, false}},
    };
    CTreeItem* nodes[] = {pProject, pFolder, pResource, pJava, nullptr};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nID);
        for (size_t i = 0; i < std::size(nodes); ++i) {
            EXPECT_EQ(CResourceCommands::AppliesTo(c.nID, project, nodes[i]), c.applies[i]) << "node " << i;
            // Given where it does not apply, a command does nothing: no dialog, no message, no file.
            if (!c.applies[i]) {
                EXPECT_FALSE(CResourceCommands::OnCommand(c.nID, project, nodes[i])) << "node " << i;
            }
        }
    }
    EXPECT_TRUE(ui.m_fileDialogs.empty());
    EXPECT_TRUE(ui.m_shown.empty());
    EXPECT_FALSE(ui.m_bClipboardHasText);
    EXPECT_EQ(project.GetFileCount(), 2);

    // The renames are label edits: the command itself does nothing here.
    EXPECT_FALSE(CResourceCommands::OnCommand(ID_RESOURCE_RENAME, project, pResource));
    // Copy names a dialog resource as one.
    ASSERT_TRUE(CResourceCommands::OnCommand(ID_RESOURCE_COPY, project, pResource));
    EXPECT_EQ(ui.m_strClipboard, "Dialog:" + strRes);

    // Once the project is closed nothing applies.
    ASSERT_TRUE(doc.CloseProject());
    for (const auto& c : cases)
        for (CTreeItem* pNode : {pProject, pResource})
            EXPECT_FALSE(CResourceCommands::AppliesTo(c.nID, project, pNode)) << c.nID;
}
