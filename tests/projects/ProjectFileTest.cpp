// Reading ".mosk" files of every version from hand-made bytes, the fix-ups
// of older versions, moved projects, paths written on Windows, writing
// version 12, and what malformed files do.
#include "ArchiveFile.h"
#include "ByteBuilder.h"
#include "Project.h"
#include "ProjectDoc.h"
#include "ProjectFolder.h"
#include "ProjectRootFolder.h"
#include "ProjectSamples.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

std::string Backslashed(std::string str)
{
    for (char& ch : str)
        if (ch == '/')
            ch = '\\';
    return str;
}

std::string Join(const CStringArray& arr)
{
    std::string str;
    for (int i = 0; i < arr.GetSize(); ++i)
        str += (i ? "," : "") + arr[i].str();
    return str;
}

std::string FileList(const CProject& project)
{
    std::string str;
    for (POSITION pos = project.GetFileList().GetHeadPosition(); pos;)
        str += project.GetFileList().GetNext(pos).str() + "\n";
    return str;
}

// A project folder "proj" with a source file, and a "shared" folder beside it.
class ProjectFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_strProj = m_tmp.Path().str() + "/proj/";
        m_strPath = m_strProj + "P.mosk";
        mkdir(m_strProj.c_str(), 0777);
        mkdir((m_tmp.Path().str() + "/shared").c_str(), 0777);
        mkdir((m_strProj + "src").c_str(), 0777);
    }

    CProjectSample Sample(int nVersion) const
    {
        CProjectSample s;
        s.nVersion = nVersion;
        s.strStoredDir = Backslashed(m_strProj);
        s.strStoredPath = Backslashed(m_strPath);
        s.oldFiles = {Backslashed(m_strProj + "src/A.java"), m_tmp.Path().str() + "/shared/dialog.res"};
        return s;
    }

    void Write(const std::string& strData) const
    {
        CString strError;
        ASSERT_TRUE(CArchiveFile::WriteWholeFile(m_strPath.c_str(), strData, strError)) << strError.c_str();
    }

    CTempFolder m_tmp;
    std::string m_strProj, m_strPath;
    CScriptedUserInterface m_ui;
    CRecordingHost m_host;
};

} // namespace

TEST_F(ProjectFileTest, EveryVersionReadsWithItsFixups)
{
    struct Expect {
        int nVersion;
        const char* pszDir;  // "real" for the folder of the file
        int nSets, nDebug, nDeprecation, nDocType;
        const char *pszArgsHistory, *pszExtraHistory, *pszCompClassPathHistory, *pszInterpClassPathHistory,
            *pszDocClassPathHistory;
        BOOL bArgsOn, bOtherMainOn, bMoved;
    };
    const Expect table[] = {
        {1, "real", 0, 0, 0, 1, "", "", "", "", "", FALSE, FALSE, FALSE},
        {2, "real", 0, 0, 0, 1, "", "", "", "", "", FALSE, FALSE, FALSE},
        {3, "real", 0, 1, 0, 1, "", "", "cp1", "icp", "", TRUE, TRUE, FALSE},
        {4, "real", 1, 1, 0, 1, "", "", "cp1", "icp", "", TRUE, TRUE, FALSE},
        {5, "/old/place/", 1, 1, 0, 1, "", "", "cp1", "icp", "", TRUE, TRUE, FALSE},
        {6, "/old/place/", 1, 1, 0, 1, "", "", "cp1", "icp", "", TRUE, TRUE, FALSE},
        {7, "/old/place/", 1, 1, 1, 2, "args", "", "cp1", "icp", "dcp", TRUE, TRUE, FALSE},
        {8, "/old/place/", 1, 1, 1, 2, "h1", "-X", "cp1", "icp", "dcp", TRUE, TRUE, FALSE},
        {9, "/old/place/", 1, 1, 1, 2, "h1", "e1", "cp1", "icp", "dcp", TRUE, TRUE, FALSE},
        {10, "real", 1, 1, 1, 2, "h1", "e1", "cp1", "icp", "dcp", TRUE, TRUE, TRUE},
        {11, "real", 1, 1, 1, 2, "h1", "e1", "c1", "i1", "dcp", TRUE, TRUE, TRUE},
        {12, "real", 1, 1, 1, 2, "h1", "e1", "c1", "i1", "dc1", FALSE, FALSE, TRUE},
    };
    const std::string strTmp = m_tmp.Path().str();
    for (const Expect& e : table) {
        SCOPED_TRACE(e.nVersion);
        CProjectSample sample = Sample(e.nVersion);
        sample.strStoredDir = "\\old\\place\\";
        Write(BuildProjectFile(sample));
        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.OpenProject(m_strPath.c_str(), FALSE));
        const CProject& p = doc.GetProject();
        const CToolOptions& o = p.m_options;
        EXPECT_EQ(p.m_nVersion, 12u);
        EXPECT_TRUE(p.IsModified());
        EXPECT_EQ(p.IsMoved(), e.bMoved);
        EXPECT_EQ(p.m_strMainClass, "A.java");
        EXPECT_EQ(p.m_strMainHtml, "");  // the main class wins
        EXPECT_EQ(p.m_strProjectDir, std::string(e.pszDir) == "real" ? m_strProj : e.pszDir);
        EXPECT_EQ(static_cast<int>(p.GetBreakpoints().size()), e.nSets);
        EXPECT_EQ(o.m_bCompDebug, e.nDebug);
        EXPECT_EQ(o.m_bCompDeprecation, e.nDeprecation);
        EXPECT_EQ(o.m_nDocType, e.nDocType);
        EXPECT_FALSE(o.m_bCompUseOther);
        EXPECT_EQ(Join(o.m_arrProgramArgsHistory), e.pszArgsHistory);
        EXPECT_EQ(Join(o.m_arrCompExtraOptionsHistory), e.pszExtraHistory);
        EXPECT_EQ(Join(o.m_arrCompClassPathHistory), e.pszCompClassPathHistory);
        EXPECT_EQ(Join(o.m_arrInterpClassPathHistory), e.pszInterpClassPathHistory);
        EXPECT_EQ(Join(o.m_arrDocClassPathHistory), e.pszDocClassPathHistory);
        EXPECT_EQ(o.m_bInterpProgramArgs, e.bArgsOn);
        EXPECT_EQ(o.m_bInterpOtherMain, e.bOtherMainOn);
        EXPECT_EQ(FileList(p), m_strProj + "src/A.java\n" + strTmp + "/shared/dialog.res\n");
        if (e.nVersion >= 10) {
            EXPECT_EQ(p.GetNode()->Dump(), "CProjectFolder \"P\" path=\"" + m_strPath + "\" loaded current\n"
                                           "  CProjectFileItem \"" + m_strProj + "src/A.java\" needs-compile\n"
                                           "  CProjectVirtualFolder \"Docs\"\n"
                                           "    CResourceFileItem \"" + strTmp + "/shared/dialog.res\" schema=1\n");
        } else {
            EXPECT_EQ(p.GetNode()->Dump(), "CProjectFolder \"P\" path=\"" + m_strPath + "\" loaded current\n"
                                           "  CProjectFileItem \"" + m_strProj + "src/A.java\"\n"
                                           "  CResourceFileItem \"" + strTmp + "/shared/dialog.res\"\n");
        }
        EXPECT_TRUE(m_ui.m_shown.empty());
    }
}

TEST_F(ProjectFileTest, MainClassAndHtmlFollowTheFiles)
{
    struct Case {
        int nVersion;
        bool bFiles;
        const char *pszMainClass, *pszExpectClass, *pszExpectHtml;
    };
    const Case cases[] = {
        {2, true, "", "", "page.html"},       // a main HTML file alone stays
        {2, false, "A.java", "", ""},         // no files: both go
        {9, false, "", "", ""},
        {12, true, "A.java", "A.java", ""},   // both set: the main class wins
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nVersion);
        CProjectSample sample = Sample(c.nVersion);
        sample.strMainClass = c.pszMainClass;
        if (!c.bFiles)
            sample.oldFiles.clear();
        Write(BuildProjectFile(sample));
        CProjectDoc doc(&m_host);
        ASSERT_TRUE(doc.OpenProject(m_strPath.c_str(), FALSE));
        EXPECT_EQ(doc.GetProject().m_strMainClass, c.pszExpectClass);
        EXPECT_EQ(doc.GetProject().m_strMainHtml, c.pszExpectHtml);
    }
}

TEST_F(ProjectFileTest, MovedProjectTakesItsNewPlace)
{
    CProjectSample sample = Sample(12);
    sample.strStoredDir = "C:\\work\\proj\\";
    sample.strStoredPath = "C:\\work\\proj\\P.mosk";
    Write(BuildProjectFile(sample));
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.OpenProject(m_strPath.c_str(), FALSE));
    const CProject& p = doc.GetProject();
    EXPECT_TRUE(p.IsMoved());
    EXPECT_TRUE(p.IsModified());
    EXPECT_EQ(p.m_strProjectDir, m_strProj);
    EXPECT_EQ(p.GetNode()->m_strPath, m_strPath);
    EXPECT_EQ(p.GetMainClassPath(), m_strProj + "src/A.java");
}

TEST_F(ProjectFileTest, UnmovedVersion12FileIsWrittenBackByteForByte)
{
    CProjectSample sample = Sample(12);
    sample.strStoredDir = m_strProj;
    sample.strStoredPath = m_strPath;
    sample.bUseOtherCompiler = FALSE;
    sample.bProgramArgsOn = TRUE;
    sample.strMainHtml = "";
    std::string strOriginal = BuildProjectFile(sample);
    Write(strOriginal);
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.OpenProject(m_strPath.c_str(), FALSE));
    CProject& p = doc.GetProject();
    EXPECT_FALSE(p.IsModified());
    EXPECT_TRUE(p.m_options.m_bInterpProgramArgs);
    ASSERT_TRUE(p.Save());
    // The schema-1 resource item comes back as schema 2 with its mark, its
    // path with "/"; everything else as it was.
    std::string strExpected = strOriginal;
    std::string strClass = "CResourceFileItem";
    size_t nClass = strExpected.find(strClass);
    ASSERT_NE(nClass, std::string::npos);
    strExpected[nClass - 4] = 2;
    for (std::string strText : {"src\\A.java", "..\\shared\\dialog.res"}) {
        size_t n = strExpected.find(strText);
        ASSERT_NE(n, std::string::npos);
        for (size_t i = n; i < n + strText.size(); ++i)
            if (strExpected[i] == '\\')
                strExpected[i] = '/';
        if (strText[0] == '.')
            strExpected.insert(n + strText.size(), std::string(4, '\0'));
    }
    EXPECT_EQ(ReadWholeFile(m_strPath.c_str()), strExpected);
}

TEST_F(ProjectFileTest, WindowsRelativePathsAreWrittenBackWithSlashes)
{
    Write(BuildProjectFile(Sample(10)));
    CProjectDoc doc(&m_host);
    ASSERT_TRUE(doc.OpenProject(m_strPath.c_str(), FALSE));
    EXPECT_EQ(doc.GetProject().FindFileItem((m_tmp.Path() + "/shared/dialog.res").c_str()) != nullptr, true);
    ASSERT_TRUE(doc.GetProject().Save());
    std::string strSaved = ReadWholeFile(m_strPath.c_str());
    EXPECT_NE(strSaved.find("\x14../shared/dialog.res"), std::string::npos);
    EXPECT_NE(strSaved.find("\x0Asrc/A.java"), std::string::npos);
    EXPECT_EQ(strSaved.find('\\'), std::string::npos);

    // Read again from another place, the paths follow the project.
    std::string strMoved = m_tmp.Path().str() + "/moved/";
    mkdir(strMoved.c_str(), 0777);
    CString strError;
    ASSERT_TRUE(CArchiveFile::WriteWholeFile((strMoved + "P.mosk").c_str(), strSaved, strError));
    CProjectDoc other(&m_host);
    ASSERT_TRUE(other.OpenProject((strMoved + "P.mosk").c_str(), FALSE));
    EXPECT_EQ(FileList(other.GetProject()), strMoved + "src/A.java\n" + m_tmp.Path().str() + "/shared/dialog.res\n");
}

TEST_F(ProjectFileTest, BadFilesAreReportedAndLeftAlone)
{
    std::string strGood = BuildProjectFile(Sample(12));
    struct Case {
        const char* pszName;
        std::string strData;
        const char* pszMessageStart;
    };
    std::string strBadSchema = strGood;
    strBadSchema.replace(strBadSchema.find("CProjectFolder") - 4, 2, std::string("\x02\x00", 2));
    std::string strBadItemSchema = strGood;
    strBadItemSchema.replace(strBadItemSchema.find("CProjectFileItem") - 4, 2, std::string("\x03\x00", 2));
    std::string strUnknownClass = strGood;
    strUnknownClass.replace(strUnknownClass.find("CProjectVirtualFolder"), 8, "CUnknown");
    std::string strFolderAsItem = strGood;
    strFolderAsItem[strFolderAsItem.find("CProjectVirtualFolder") - 10] = 2;  // its record tag
    const Case cases[] = {
        {"folder in an item record", strFolderAsItem, "Error reading the project file"},
        {"version 13", CByteBuilder().Dword(13).Str("A.java").Data(), "Incorrect project version"},
        {"version 0", CByteBuilder().Dword(0).Data(), "Incorrect project version"},
        {"empty", "", "Error reading the project file"},
        {"folder schema", strBadSchema, "Error reading the project file"},
        {"item schema", strBadItemSchema, "Error reading the project file"},
        {"unknown class", strUnknownClass, "Error reading the project file"},
        {"huge count", CByteBuilder().Dword(9).Dword(0xFFFFFFFF).Data(), "Error reading the project file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        Write(c.strData);
        m_ui.m_shown.clear();
        CProjectDoc doc(&m_host);
        EXPECT_FALSE(doc.OpenProject(m_strPath.c_str(), FALSE));
        ASSERT_EQ(m_ui.m_shown.size(), 1u);
        EXPECT_EQ(m_ui.m_shown[0].strText.Find(c.pszMessageStart), 0) << m_ui.m_shown[0].strText.c_str();
        EXPECT_FALSE(doc.GetProject().IsOpen());
        EXPECT_EQ(doc.GetRoot()->GetChildCount(), 0);
        EXPECT_EQ(ReadWholeFile(m_strPath.c_str()), c.strData);
    }
}

TEST_F(ProjectFileTest, EveryTruncationOfEveryVersionFailsCleanly)
{
    for (int nVersion = 1; nVersion <= 12; ++nVersion) {
        std::string strGood = BuildProjectFile(Sample(nVersion));
        for (size_t n = 0; n < strGood.size(); ++n) {
            CProjectDoc doc(&m_host);
            CProjectFolder node("P", m_strPath.c_str());
            node.m_bLoaded = TRUE;
            CString strError;
            ASSERT_FALSE(doc.GetProject().ReadBytes(strGood.substr(0, n), m_strPath.c_str(), &node, strError))
                << nVersion << " at " << n;
            EXPECT_FALSE(strError.IsEmpty());
            EXPECT_EQ(node.GetChildCount(), 0);
            EXPECT_EQ(doc.GetProject().GetFileCount(), 0);
        }
    }
}

TEST_F(ProjectFileTest, ListedProjectWithMissingFileIsReported)
{
    CProjectDoc doc(&m_host);
    CProjectFolder* pNode = new CProjectFolder("Gone", (m_strProj + "Gone.mosk").c_str());
    doc.GetRoot()->AddChild(pNode, FALSE);
    EXPECT_FALSE(doc.ReadProjectSettings(pNode));
    ASSERT_EQ(m_ui.m_shown.size(), 1u);
    EXPECT_EQ(m_ui.m_shown[0].strText, "Project file " + m_strProj + "Gone.mosk does not exist !!!");
    EXPECT_FALSE(doc.GetProject().IsOpen());
}
