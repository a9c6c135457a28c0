#include "GuiBuilderRun.h"
#include "Introspection.h"
#include "MDIOutputFrame.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ResourceFileItem.h"
#include "ScopedEnvironment.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
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

namespace {

// Runs the event loop until fnDone holds (at most nMilliseconds).
bool WaitUntil(const std::function<bool()>& fnDone, int nMilliseconds = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!fnDone() && timer.elapsed() < nMilliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return fnDone();
}

CString Escaped(const CString& strText)
{
    CString strOut;
    for (int i = 0; i < strText.GetLength(); i++)
        strOut += strText[i] == '\r' ? CString("\\r") : strText[i] == '\n' ? CString("\\n\n") : strText.Mid(i, 1);
    return strOut;
}

} // namespace

TEST(GuiBuilderRunTest, AControlStartCapturesTheOutputOfOneRunAtATime)
{
    CTempFolder folder;
    // A builder that talks on both its outputs and waits for a file before it ends.
    CTempFolder jdk;
    CString strGo = folder.File("go");
    CString strScript = "#!/bin/sh\necho \"editing $3\"\necho 'on stderr' >&2\n"
                        "while [ ! -e \"" + strGo + "\" ]; do sleep 0.05; done\necho done\n";
    CString strJava = jdk.Write("java", strScript.str());
    ::chmod(strJava, 0755);
    CIntrospection::SetJdkFolder(jdk.Path());
    CScriptedUserInterface ui;
    CProjectDoc doc;
    ASSERT_TRUE(doc.OpenProject(folder.File("Demo.mosk"), TRUE));
    CString strFirst = folder.Write("First.res", "// Mosk Resource file\n\nBegin Dialog 1.0 \"First\"\nEnd Dialog");
    CString strSecond = folder.Write("Second.res", "// Mosk Resource file\n\nBegin Frame 1.0 \"Second\"\nEnd Frame");
    ASSERT_TRUE(doc.GetProject().AddFile(strFirst));
    ASSERT_TRUE(doc.GetProject().AddFile(strSecond));
    CMDIOutputFrame output;
    output.GetView().Write("the previous run\n");
    CGuiBuilderRun run(doc, folder.Path());
    int nShown = 0;
    run.SetOutput(output.GetHandle(), [&] {
        ++nShown;
        output.GetView().Clear();
    });

    ASSERT_TRUE(run.EditResource(strFirst, TRUE));
    EXPECT_EQ(ui.m_statusTexts.back(), "Wait, Loading the resource...");
    EXPECT_TRUE(run.IsCaptureTaken());
    EXPECT_EQ(nShown, 1);
    ASSERT_TRUE(WaitUntil([&] { return output.GetView().GetText().Find("on stderr") >= 0; }));
    // A second captured start while the first reads: told, and run without capture.
    ASSERT_TRUE(run.EditResource(strSecond, TRUE));
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "Cannot redirect output for more than one DEBUG GUI builder session at a time. "
                                     "No output redirection will be done for this session.");
    EXPECT_EQ(nShown, 1);
    EXPECT_EQ(run.GetRunningCount(), 2);

    folder.Write("go", "");
    ASSERT_TRUE(WaitForBuilders(run));
    ASSERT_TRUE(WaitUntil([&] { return !run.IsCaptureTaken(); }));
    // Both ends of the first builder's output, in order; the second one's went elsewhere.
    CString strText = output.GetView().GetText();
    EXPECT_EQ(strText.Find("Second"), -1) << Escaped(strText);
    EXPECT_EQ(strText.Find("GUI Builder Started...\r\n"), 0) << Escaped(strText);
    EXPECT_NE(strText.Find("editing First\r\n"), -1) << Escaped(strText);
    EXPECT_EQ(strText.Right(25), "done\r\nGUI Builder Exit...") << Escaped(strText);

    // Free again: the next Control start captures ("go" is there: it ends at once).
    ASSERT_TRUE(run.EditResource(strSecond, TRUE));
    EXPECT_EQ(nShown, 2);
    ASSERT_TRUE(WaitForBuilders(run));
    ASSERT_TRUE(WaitUntil([&] { return !run.IsCaptureTaken(); }));
    EXPECT_NE(output.GetView().GetText().Find("editing Second"), -1);
    CIntrospection::SetJdkFolder("");
}

TEST(GuiBuilderRunTest, TheRealBuilderWithoutADisplaySaysSoInTheCapturedOutput)
{
    // The builder of classes.zip, run by the JDK's java with no display to open its window on.
    const char* pszZip = MOSK_BUILD_DIR "/ide/share/mosk/classes.zip";
    struct stat st;
    ASSERT_EQ(::stat(pszZip, &st), 0) << pszZip;
    CScopedEnvironment display("DISPLAY", nullptr);
    CScopedEnvironment classPath("CLASSPATH", pszZip);
    CTempFolder folder;
    CScriptedUserInterface ui;
    CProjectDoc doc;
    ASSERT_TRUE(doc.OpenProject(folder.File("Demo.mosk"), TRUE));
    CString strRes = folder.Write("Login.res", "// Mosk Resource file\n\nBegin Dialog 1.0 \"Login\"\n"
                                               "\tBegin ComponentGroup\n\tEnd ComponentGroup\nEnd Dialog");
    ASSERT_TRUE(doc.GetProject().AddFile(strRes));
    CMDIOutputFrame output;
    CGuiBuilderRun run(doc, folder.Path());
    run.SetOutput(output.GetHandle(), [&] { output.GetView().Clear(); });
    ASSERT_TRUE(run.EditResource(strRes, TRUE));
    ASSERT_TRUE(WaitUntil([&] { return run.GetRunningCount() == 0 && !run.IsCaptureTaken(); }, 60000));
    CString strText = output.GetView().GetText();
    EXPECT_EQ(strText.Find("GUI Builder Started...\r\n"), 0) << Escaped(strText);
    EXPECT_NE(strText.Find("MGB: no display to show the design on"), -1) << Escaped(strText);
    EXPECT_EQ(strText.Right(19), "GUI Builder Exit...") << Escaped(strText);
    // Nothing was generated, so nothing is offered.
    EXPECT_TRUE(ui.m_shown.empty());
}
