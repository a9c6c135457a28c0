#include "GuiBuilderRun.h"
#include "Introspection.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ResourceFileItem.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// Runs the event loop until no builder runs (at most five seconds).
bool WaitForBuilders(const CGuiBuilderRun& run)
{
    QElapsedTimer timer;
    timer.start();
    while (run.GetRunningCount() > 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return run.GetRunningCount() == 0;
}

} // namespace

TEST(GuiBuilderRunTest, EditedResourceIsRefusedUntilTheBuilderEndsThenItsSourceIsOffered)
{
    CTempFolder folder;
    // A "java" that behaves like the builder: it writes NAME.java (and a backup) beside the resource.
    CTempFolder jdk;
    CString strScript = "#!/bin/sh\nres=\"$2\"\necho \"$@\" > \"" + folder.File("args") +
                        "\"\nbase=\"${res%.res}\"\necho 'class Login { }' > \"$base.java\"\n"
                        "touch \"$base.java.bak\"\nsleep 0.5\n";
    CString strJava = jdk.Write("java", strScript.str());
    ::chmod(strJava, 0755);
    CIntrospection::SetJdkFolder(jdk.Path());
    CScriptedUserInterface ui;
    CProjectDoc doc;
    ASSERT_TRUE(doc.OpenProject(folder.File("Demo.mosk"), TRUE));
    CString strRes = folder.Write("Login.res", "// Mosk Resource file\n\nBegin Frame 1.0 \"Login\"\nEnd Frame\n"
                                               "\nBegin Dialog 1.0 \"Ask\"\nEnd Dialog");
    ASSERT_TRUE(doc.GetProject().AddFile(strRes));
    CGuiBuilderRun run(doc, folder.Path());
    EXPECT_EQ(CGuiBuilderRun::ResourceCommandLine(strRes, "Ask", FALSE),
              "\"" + jdk.Path() + "/java\" MGB \"" + strRes + "\" \"Ask\" \"Dialog\"");

    ASSERT_TRUE(run.EditResource(strRes));
    EXPECT_EQ(ui.m_statusTexts.back(), "Wait, Loading the resource...");
    auto* pItem = dynamic_cast<CResourceFileItem*>(doc.GetProject().FindFileItem(strRes));
    ASSERT_NE(pItem, nullptr);
    EXPECT_TRUE(pItem->m_bEditing);
    // Opened again while it runs: no window list here, so the message.
    EXPECT_FALSE(run.EditResource(strRes));
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "This resource is already being edited !!!");

    ui.Answer(IDYES);
    ASSERT_TRUE(WaitForBuilders(run));
    EXPECT_FALSE(pItem->m_bEditing);
    // The first dialog was chosen over the earlier frame.
    EXPECT_EQ(ReadWholeFile(folder.File("args")), "MGB " + std::string(strRes.c_str()) + " Ask Dialog\n");
    ASSERT_EQ(ui.m_shown.size(), 2u) << ReadWholeFile(folder.File("Login.java")) << "|" << ui.m_shown.back().strText;
    EXPECT_EQ(ui.m_shown[1].strText, "Do you want to add the file " + folder.File("Login.java") + " to the project ?");
    EXPECT_TRUE(doc.GetProject().HasFile(folder.File("Login.java")));
    struct stat st;
    EXPECT_NE(::stat(folder.File("Login.java.bak"), &st), 0);

    // Once the source is in the project it is not offered again.
    ASSERT_TRUE(run.EditResource(strRes));
    ASSERT_TRUE(WaitForBuilders(run));
    EXPECT_EQ(ui.m_shown.size(), 2u);
    CIntrospection::SetJdkFolder("");
}
