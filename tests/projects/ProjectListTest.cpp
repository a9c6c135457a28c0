// The project list "mosk.proj": every version from hand-made bytes, the
// upgrade that saves the list again at once, and what bad lists do.
#include "ArchiveFile.h"
#include "ByteBuilder.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectRootFolder.h"
#include "ProjectSamples.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

class ProjectListTest : public ::testing::Test {
protected:
    void Write(const std::string& strData) const
    {
        CString strError;
        ASSERT_TRUE(CArchiveFile::WriteWholeFile(m_strList, strData, strError)) << strError.c_str();
    }

    CTempFolder m_tmp;
    CString m_strList = m_tmp.File("mosk.proj");
    CScriptedUserInterface m_ui;
    CRecordingHost m_host;
};

} // namespace

TEST_F(ProjectListTest, EveryVersionReadsAndOlderOnesAreSavedAgainAtOnce)
{
    struct Expect {
        int nVersion;
        BOOL bOptions;        // the three groups are there (101 on)
        BOOL bExtraOptions;   // interpreter and javadoc extra options (103 on)
        BOOL bOtherInterp;    // the interpreter's own command (104)
    };
    const Expect table[] = {
        {100, FALSE, FALSE, FALSE},
        {101, TRUE, FALSE, FALSE},
        {102, TRUE, FALSE, FALSE},
        {103, TRUE, TRUE, FALSE},
        {104, TRUE, TRUE, TRUE},
    };
    for (const Expect& e : table) {
        SCOPED_TRACE(e.nVersion);
        std::string strOriginal = BuildProjectList(e.nVersion, "C:\\work\\First.mosk", "/home/u/Second.mosk");
        Write(strOriginal);
        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.Load(m_strList));
        const CToolOptions& o = doc.m_options;
        EXPECT_EQ(doc.m_nReadVersion, static_cast<DWORD>(e.nVersion));
        EXPECT_EQ(doc.m_nVersion, 104u);
        EXPECT_EQ(o.m_bInterpClassPath, e.bOptions);
        EXPECT_EQ(o.m_strInterpReserved, e.bOptions ? "res" : "");
        EXPECT_EQ(o.m_arrInterpClassPathHistory.GetSize(), e.bOptions ? 2 : 0);
        EXPECT_EQ(o.m_strCompOtherCommand, e.bOptions ? "guavac" : "");
        EXPECT_EQ(o.m_bCompExtraOptions, e.bOptions);
        EXPECT_EQ(o.m_nDocType, e.bOptions ? 2 : 1);
        EXPECT_EQ(o.m_bDocNoDeprecated, e.bOptions);
        EXPECT_EQ(o.m_bInterpExtraOptions, e.bExtraOptions);
        EXPECT_EQ(o.m_strInterpExtraOptions, e.bExtraOptions ? "-Xint" : "");
        EXPECT_EQ(o.m_bDocExtraOptions, e.bExtraOptions);
        EXPECT_EQ(o.m_bInterpUseOther, e.bOtherInterp);
        EXPECT_EQ(o.m_strInterpOtherCommand, e.bOtherInterp ? "kaffe" : "");
        EXPECT_EQ(doc.GetRoot()->Dump(), "CProjectRootFolder \"Mosk Projects\"\n"
                                         "  CProjectFolder \"First\" path=\"C:/work/First.mosk\" pending=3\n"
                                         "  CProjectFolder \"Second\" path=\"/home/u/Second.mosk\"\n");
        EXPECT_FALSE(doc.IsModified());

        // An older list was written again as version 104 and reads back the same.
        std::string strSaved = ReadWholeFile(m_strList);
        if (e.nVersion == 104) {
            EXPECT_EQ(strSaved, strOriginal);
        } else {
            EXPECT_EQ(strSaved.substr(0, 4), std::string("\x68\0\0\0", 4));
            CProjectDoc again(&m_host);
            ASSERT_TRUE(again.Load(m_strList));
            EXPECT_FALSE(again.m_bUpgraded);
            // Beyond the version line, only the pending count of the first node differs.
            CString strDump = doc.Dump(), strAgain = again.Dump();
            strDump.Delete(0, strDump.Find('\n'));
            strAgain.Delete(0, strAgain.Find('\n'));
            strDump.Replace(" pending=3", "");
            EXPECT_EQ(strAgain, strDump);
        }
    }
    EXPECT_TRUE(m_ui.m_shown.empty());
}

TEST_F(ProjectListTest, Version104IsWrittenByteForByte)
{
    std::string strOriginal = BuildProjectList(104, "/p/First.mosk", "/p/Second.mosk");
    Write(strOriginal);
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_strList));
    doc.SetModifiedFlag();
    ASSERT_TRUE(doc.SaveModified());
    // Only the first node's child count changes: it is the count the node holds now.
    std::string strExpected = strOriginal;
    strExpected[strExpected.find("CProjectFolder") + 14] = 0;
    EXPECT_EQ(ReadWholeFile(m_strList), strExpected);
}

TEST_F(ProjectListTest, MissingListStartsEmpty)
{
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.Load(m_strList));
    EXPECT_EQ(doc.GetRoot()->Dump(), "CProjectRootFolder \"Mosk Projects\"\n");
    EXPECT_EQ(doc.GetPathName(), m_strList);
    EXPECT_EQ(doc.m_options.m_nDocType, 1);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ReadWholeFile(m_strList).empty());
}

TEST_F(ProjectListTest, BadListIsReportedAndNeverOverwritten)
{
    std::string strGood = BuildProjectList(104, "/p/First.mosk", "/p/Second.mosk");
    std::string strChild = strGood;
    // A project node that claims to be a file item.
    strChild.replace(strChild.find("CProjectFolder"), 14, "CProjectFileIt");
    struct Case {
        const char* pszName;
        std::string strData;
    };
    const Case cases[] = {
        {"empty", ""},
        {"version 105", CByteBuilder().Dword(105).Data()},
        {"truncated", strGood.substr(0, strGood.size() - 3)},
        {"no tree", strGood.substr(0, strGood.find('\xFF') - 4)},
        {"wrong class", strChild},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Write(c.strData);
        m_ui.m_shown.clear();
        CProjectDoc doc(&m_host);
        EXPECT_FALSE(doc.Load(m_strList));
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText.Find("Error reading the project list"), 0);
        EXPECT_EQ(doc.GetRoot()->GetChildCount(), 0);
        // Adding a project does not write over the bad list.
        EXPECT_TRUE(doc.AddProjectNode("/p/Third.mosk"));
        EXPECT_FALSE(doc.SaveModified());
        EXPECT_EQ(ReadWholeFile(m_strList), c.strData);
    }
}

TEST_F(ProjectListTest, EveryTruncationFailsWithoutChangingTheDocument)
{
    for (int nVersion = 100; nVersion <= 104; ++nVersion) {
        std::string strGood = BuildProjectList(nVersion, "/p/First.mosk", "/p/Second.mosk");
        CProjectDoc doc(&m_host);
        CString strError;
        ASSERT_TRUE(doc.ReadBytes(strGood, strError));
        CString strBefore = doc.Dump();
        for (size_t n = 0; n < strGood.size(); ++n) {
            ASSERT_FALSE(doc.ReadBytes(strGood.substr(0, n), strError)) << nVersion << " at " << n;
            ASSERT_EQ(doc.Dump(), strBefore);
        }
    }
}
