#include "BeanDoc.h"
#include "BeanIntrospectionQueue.h"
#include "BeanItem.h"
#include "BeanObject.h"
#include "BeanParseData.h"
#include "BeanProp.h"
#include "BrowserHost.h"
#include "Introspection.h"
#include "ScriptedUserInterface.h"
#include "StringArray.h"
#include "TempFolder.h"
#include "TreeFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace {

const char* const CLASSES_ZIP = MOSK_BUILD_DIR "/ide/share/mosk/classes.zip";

std::vector<std::unique_ptr<CBeanObject>> Beans(const char* pszText)
{
    std::vector<std::unique_ptr<CBeanObject>> beans;
    CBeanParseData::ReadText(pszText, static_cast<long>(strlen(pszText)), beans);
    return beans;
}

const char* const GAUGE = "class demo.Gauge\n{\n\tProperties\n\t{\n\t\tint value getValue setValue;\n"
                          "\t\tjava.lang.String label setLabel;\n\t}\n\tEvents\n\t{\n\t}\n\tMethods\n\t{\n"
                          "\t\tpublic void reset();\n\t}\n}\n";

// The bean index made by a folder "Tools" under the root holding Gauge.
void FillSample(CBeanDoc& doc)
{
    CTreeFolder* pTools = doc.AddFolder(doc.GetRoot());
    pTools->m_strLabel = "Tools";
    auto beans = Beans(GAUGE);
    ASSERT_EQ(doc.AddBeans(pTools, beans), 1);
    doc.Commit();
}

} // namespace

TEST(BeanDocTest, FoldersNestFourDeepBelowTheRoot)
{
    CScriptedUserInterface ui;
    CBeanDoc doc;
    CTreeFolder* pFolder = doc.GetRoot();
    for (int i = 0; i < 4; i++) {
        pFolder = doc.AddFolder(pFolder);
        ASSERT_NE(pFolder, nullptr) << i;
        EXPECT_EQ(pFolder->m_strLabel, "New Folder");
    }
    EXPECT_EQ(doc.AddFolder(pFolder), nullptr);
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "Nested too deep !!!");
    EXPECT_EQ(pFolder->GetChildCount(), 0);
}

TEST(BeanDocTest, DuplicateBeanNamesTheFolderThatHoldsIt)
{
    CScriptedUserInterface ui;
    CBeanDoc doc;
    FillSample(doc);
    auto again = Beans(GAUGE);
    EXPECT_EQ(doc.AddBeans(doc.GetRoot(), again), 0);
    ASSERT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ui.m_shown[0].strText, "Duplicate bean demo.Gauge found under folder Tools");
    EXPECT_EQ(doc.GetRoot()->GetChildCount(), 1);
}

TEST(BeanDocTest, IndexReadsBackAndDeleteAsks)
{
    CTempFolder folder;
    CScriptedUserInterface ui;
    CBeanDoc doc;
    ASSERT_TRUE(doc.Open(folder.File("mosk.bns")));
    EXPECT_EQ(doc.Dump(), "Folder Beans\n");
    FillSample(doc);
    const CString strDump = "Folder Beans\n"
                            "  Folder Tools\n"
                            "    Bean demo.Gauge\n"
                            "      Property java.lang.String label get=None set=setLabel\n"
                            "      Property int value get=getValue set=setValue\n"
                            "      Method void reset( )\n";
    EXPECT_EQ(doc.Dump(), strDump);
    CBeanDoc again;
    ASSERT_TRUE(again.Open(folder.File("mosk.bns")));
    EXPECT_EQ(again.Dump(), strDump);
    CBeanItem* pItem = again.FindBean("demo.Gauge");
    ASSERT_NE(pItem, nullptr);
    EXPECT_EQ(pItem->m_strLabel, "demo.Gauge");
    auto* pLabel = static_cast<CBeanProp*>(pItem->GetBean()->m_Fields.FindName("label"));
    EXPECT_EQ(pLabel->GetImage(), IMG_PROP_WRITE);

    EXPECT_FALSE(again.DeleteItem(again.GetRoot()));
    ui.Answer(IDNO);
    EXPECT_FALSE(again.DeleteItem(pItem));
    ui.Answer(IDYES);
    EXPECT_TRUE(again.DeleteItem(pItem));
    EXPECT_EQ(ui.m_shown.back().strText, "Are you sure you want to delete ???");
    CBeanDoc third;
    third.Open(folder.File("mosk.bns"));
    EXPECT_EQ(third.Dump(), "Folder Beans\n  Folder Tools\n");
}

TEST(BeanDocTest, DamagedIndexIsRefusedAndLeftAsItIs)
{
    CTempFolder folder;
    CBeanDoc sample;
    sample.Open(folder.File("good.bns"));
    FillSample(sample);
    const std::string strGood = ReadWholeFile(folder.File("good.bns"));
    CBeanDoc doc;
    const CString strEmpty = doc.Dump();
    for (size_t n = 0; n < strGood.size(); n++) {
        CString strError;
        ASSERT_FALSE(doc.ReadBytes(strGood.substr(0, n), strError)) << n;
        ASSERT_FALSE(strError.IsEmpty()) << n;
        ASSERT_EQ(doc.Dump(), strEmpty) << n;
    }
    // Folders nested without end, an absurd child count, a bean where the root should be.
    std::string strFolder = strGood.substr(4, strGood.find("Beans") + 5 - 4);
    std::string strDeep;
    for (int i = 0; i < 200; i++)
        strDeep += std::string("\x01\x00\x00\x00", 4) + "\x01\x80\x01\x00\x00\x00\x01X";
    struct {
        const char* pszName;
        std::string strData;
    } cases[] = {
        {"endless nesting", std::string("\x01\x00\x00\x00", 4) + strFolder.substr(0, strFolder.size() - 10) +
                                std::string("\x01\x00\x00\x00\x05", 5) + "Beans" + strDeep},
        {"absurd child count", std::string("\x01\x00\x00\x00", 4) + strFolder.substr(0, strFolder.size() - 10) +
                                   std::string("\xff\xff\xff\x7f\x05", 5) + "Beans"},
        {"wrong root class", std::string("\x01\x00\x00\x00", 4) + "\xff\xff\x01\x00\x09\x00" + "CBeanItem"},
    };
    for (const auto& c : cases) {
        CString strError;
        EXPECT_FALSE(doc.ReadBytes(c.strData, strError)) << c.pszName;
        EXPECT_FALSE(strError.IsEmpty()) << c.pszName;
        EXPECT_EQ(doc.Dump(), strEmpty) << c.pszName;
    }
    CScriptedUserInterface ui;
    CString strPath = folder.Write("mosk.bns", strGood.substr(0, 30));
    CBeanDoc opened;
    EXPECT_FALSE(opened.Open(strPath));
    EXPECT_EQ(ui.m_shown.size(), 1u);
    EXPECT_EQ(ReadWholeFile(strPath), strGood.substr(0, 30));
}

TEST(BeanDocTest, DumpBeanOnAJarWithAManifest)
{
    ASSERT_TRUE(std::filesystem::exists(CLASSES_ZIP));
    CTempFolder folder;
    std::filesystem::create_directories((folder.Path() + "/demo").c_str());
    folder.Write("demo/TickListener.java",
                 "package demo;\npublic interface TickListener extends java.util.EventListener {\n"
                 "  void tick(java.util.EventObject e);\n  void tock(java.util.EventObject e);\n}\n");
    folder.Write("demo/Meter.java",
                 "package demo;\npublic class Meter implements java.io.Serializable {\n"
                 "  public Meter() { }\n"
                 "  public int getLevel() { return 0; }\n  public void setLevel(int n) { }\n"
                 "  public boolean isOn() { return true; }\n"
                 "  public void setNote(String s) { }\n"
                 "  public String[] getNames() { return null; }\n  public void setNames(String[] n) { }\n"
                 "  public void addTickListener(TickListener l) { }\n"
                 "  public void removeTickListener(TickListener l) { }\n"
                 "  public void reset() { }\n}\n");
    folder.Write("demo/Helper.java", "package demo;\npublic class Helper { public Helper() { } }\n");
    folder.Write("manifest.mft", "Manifest-Version: 1.0\n\nName: demo/Meter.class\nJava-Bean: True\n\n");
    std::filesystem::path jdk = std::filesystem::path(MOSK_JAVAC).parent_path();
    CString strBuild = CString("cd '") + folder.Path() + "' && '" MOSK_JAVAC "' -nowarn -d . demo/*.java && '" +
                       (jdk / "jar").c_str() + "' cfm meters.jar manifest.mft demo/*.class";
    ASSERT_EQ(std::system(strBuild), 0);

    const char* pszOld = std::getenv("CLASSPATH");
    CString strOld = pszOld ? pszOld : "";
    ::setenv("CLASSPATH", CLASSES_ZIP, 1);
    CIntrospection::SetJdkFolder(jdk.c_str());
    CScriptedUserInterface ui;
    CTempFolder data;
    CBeanDoc doc;
    doc.Open(data.File("mosk.bns"));
    CStringArray arrFiles;
    arrFiles.Add(folder.File("meters.jar"));
    arrFiles.Add(folder.File("manifest.mft"));  // not a bean file: left out
    CBeanIntrospectionQueue queue(doc, arrFiles);
    EXPECT_EQ(queue.RunToEnd(), CIntrospectionQueue::STATE_DONE);
    EXPECT_EQ(queue.GetCaption(), "Wait, Introspecting bean meters.jar");
    EXPECT_EQ(queue.Finish(doc.GetRoot()), 1) << doc.GetHost().m_strOutput;
    EXPECT_EQ(doc.GetHost().m_strOutput.Left(28), "Wait, introspecting bean...\n");
    CIntrospection::SetJdkFolder("");
    if (pszOld)
        ::setenv("CLASSPATH", strOld, 1);
    else
        ::unsetenv("CLASSPATH");

    EXPECT_EQ(doc.FindBean("demo.Helper"), nullptr);  // not marked in the manifest
    CBeanItem* pItem = doc.FindBean("demo.Meter");
    ASSERT_NE(pItem, nullptr) << doc.Dump();
    CString strDump = doc.Dump();
    for (const char* pszLine : {"Property int level get=getLevel set=setLevel",
                                "Property boolean on get=isOn set=None",
                                "Property java.lang.String note get=None set=setNote",
                                "Property java.lang.String names get=getNames set=setNames",
                                "Listener demo.TickListener add=addTickListener remove=removeTickListener",
                                "Event tick", "Event tock", "Method void reset( )"})
        EXPECT_NE(strDump.Find(pszLine), -1) << pszLine << "\n" << strDump;
    CBeanDoc again;
    ASSERT_TRUE(again.Open(data.File("mosk.bns")));
    EXPECT_EQ(again.Dump(), strDump);
}
