// The directory settings: the three folder lists, DocPath and ApiDocDir,
// the help directory list with its fixed positions and the user folders
// from index 100, and what saving writes back.
#include "AppTestUtil.h"
#include "DirSettings.h"

#include <gtest/gtest.h>

namespace {

CStringArray Strings(std::initializer_list<const char*> items)
{
    CStringArray arr;
    for (const char* psz : items)
        arr.Add(psz);
    return arr;
}

bool Same(const CStringArray& a, const CStringArray& b)
{
    if (a.GetSize() != b.GetSize())
        return false;
    for (int i = 0; i < a.GetSize(); ++i)
        if (a[i] != b[i])
            return false;
    return true;
}

std::string Joined(const CStringArray& arr)
{
    std::string str;
    for (int i = 0; i < arr.GetSize(); ++i)
        str += "[" + arr[i].str() + "]";
    return str;
}

struct CListCase {
    const char* pszName;
    const char* pszIni;
    CStringArray CDirSettings::* pList;
    CStringArray expected;
};

TEST(DirSettings, FolderLists)
{
    const CListCase cases[] = {
        {"count 0 takes the single value", "[Java]\nExePath=/jdk/bin\nExePathCount=0\n", &CDirSettings::m_ExePaths,
         Strings({"/jdk/bin"})},
        {"no count, no value", "[Java]\n", &CDirSettings::m_ExePaths, Strings({})},
        {"empty members are left out",
         "[Java]\nSrcPath=/x\nSrcPathCount=3\nSrcPath1=/a\nSrcPath2=\nSrcPath3=/c\n", &CDirSettings::m_SrcPaths,
         Strings({"/a", "/c"})},
        {"a count names only what is there", "[Java]\nDocPathCount=2\nDocPath1=/d1\n", &CDirSettings::m_DocPaths,
         Strings({"/d1"})},
        {"a count beyond the keys stops at them",
         "[Java]\nExePathCount=2000000000\nExePath1=/one\nExePath2=/two\n", &CDirSettings::m_ExePaths,
         Strings({"/one", "/two"})},
        {"a negative count is none", "[Java]\nExePath=/jdk\nExePathCount=-3\n", &CDirSettings::m_ExePaths,
         Strings({"/jdk"})},
    };
    for (const CListCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CSettingsFolder folder;
        CDirSettings dirs;
        dirs.Load(folder.WriteIni(c.pszIni), "/prog");
        EXPECT_EQ(Joined(dirs.*c.pList), Joined(c.expected));
    }
}

TEST(DirSettings, DocPathAndApiDocDir)
{
    struct {
        const char* pszDocPath;
        const char* pszDocAfter;
        const char* pszApiDocDir;
    } cases[] = {
        {"/jdk/docs", "/jdk/docs", "/jdk/docs/api/"},
        {"/jdk/docs/api", "/jdk/docs", "/jdk/docs/api/"},
        {"/jdk/docs/api/java/lang", "/jdk/docs", "/jdk/docs/api/"},
        {"/srv/apidocs/jdk", "/srv/apidocs/jdk", "/srv/apidocs/jdk/api/"},
        {"/srv/apis/api", "/srv/apis", "/srv/apis/api/"},
        {"", "", ""},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszDocPath);
        CSettingsFolder folder;
        CDirSettings dirs;
        dirs.Load(folder.WriteIni(std::string("[Java]\nDocPath=") + c.pszDocPath + "\n"), "/prog");
        EXPECT_EQ(dirs.m_strDocPath, c.pszDocAfter);
        EXPECT_EQ(dirs.m_strApiDocDir, c.pszApiDocDir);
    }
}

TEST(DirSettings, ProgramFolderDefaultsAndStringsKeepTheirValues)
{
    CSettingsFolder folder;
    CDirSettings dirs;
    dirs.m_strBrowserPath = "/usr/bin/browser";
    dirs.Load(folder.WriteIni("[Java]\nExePath=/jdk/bin\n"), "/data/mosk");
    EXPECT_EQ(dirs.m_strProgramPath, "/data/mosk");
    EXPECT_EQ(dirs.m_strBrowserPath, "/usr/bin/browser");  // missing key: the present value
    EXPECT_EQ(dirs.m_strExePath, "/jdk/bin");

    dirs.Load(folder.WriteIni("[Mosk]\nPath=/opt/mosk\n[Browser]\nPath=\n"), "/data/mosk");
    EXPECT_EQ(dirs.m_strProgramPath, "/opt/mosk");
    EXPECT_EQ(dirs.m_strBrowserPath, "");
}

TEST(DirSettings, HelpDirectoryPositions)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("[Java]\nDocPath=/jdk/docs\n[User]\nPath1=/mine\nPath2=\nPath7=/more\n");
    CDirSettings dirs;
    dirs.Load(profile, "/prog");
    BOOL bWarning = TRUE;
    dirs.BuildHelpDirs(profile, bWarning);
    EXPECT_FALSE(bWarning);
    ASSERT_EQ(dirs.m_HelpDirs.GetSize(), 102);
    EXPECT_EQ(dirs.m_HelpDirs[0], "/prog");
    EXPECT_EQ(dirs.m_HelpDirs[1], "/prog/help");
    EXPECT_EQ(dirs.m_nProgramDirNumber, 1);
    EXPECT_EQ(dirs.m_nProgramHelpDirNumber, 2);
    EXPECT_EQ(dirs.m_strTipsFile, "/prog/tips.txt");
    EXPECT_EQ(dirs.m_HelpDirs[2], "/jdk/docs/api");
    EXPECT_EQ(dirs.m_HelpDirs[11], "/jdk/docs/guide/intl/demo/messageformat");
    EXPECT_EQ(dirs.m_HelpDirs[13], "/jdk/docs/guide/intl/demo/messageformat");  // kept twice
    EXPECT_EQ(dirs.m_HelpDirs[14], "/jdk/docs/guide/intl/demp/textbound");
    EXPECT_EQ(dirs.m_HelpDirs[30], "/jdk/docs/tooldocs/win32");
    for (int i = 31; i < 100; ++i)
        EXPECT_TRUE(dirs.m_HelpDirs[i].IsEmpty()) << i;
    EXPECT_EQ(dirs.m_HelpDirs[100], "/mine");
    EXPECT_EQ(dirs.GetHelpDir(101), "/mine");
    EXPECT_EQ(dirs.GetHelpDir(102), "/more");
    EXPECT_EQ(dirs.GetHelpDir(0), "");
    EXPECT_EQ(dirs.GetHelpDir(103), "");
    EXPECT_EQ(dirs.FindHelpDirNumber("/jdk/docs/guide/intl/demo/messageformat"), 12);
    EXPECT_EQ(dirs.FindHelpDirNumber("/nowhere"), 0);
}

TEST(DirSettings, HelpDirectoryWithoutDocumentation)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("[Java]\nBeanDocPath=/bdk\nJSDKDocPath=/jsdk\n");
    CDirSettings dirs;
    dirs.Load(profile, "");
    BOOL bWarning = TRUE;
    dirs.BuildHelpDirs(profile, bWarning);
    EXPECT_TRUE(bWarning);  // cleared only when the documentation folders are added
    EXPECT_TRUE(dirs.NeedsFirstRunInfo(FALSE));
    EXPECT_FALSE(dirs.NeedsFirstRunInfo(TRUE));
    ASSERT_EQ(dirs.m_HelpDirs.GetSize(), 100);
    EXPECT_EQ(dirs.m_HelpDirs[0], "/bdk/javadoc");
    EXPECT_EQ(dirs.m_HelpDirs[1], "/jsdk/apidoc");
    EXPECT_EQ(dirs.m_nProgramDirNumber, 0);
}

TEST(DirSettings, SaveAndLoadAgain)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("[User]\nPath1=/old1\nPath2=/old2\nPath3=/old3\n");
    CDirSettings dirs;
    dirs.Load(profile, "/prog");
    dirs.m_strExePath = "/jdk/bin";
    dirs.m_strDocPath = "/jdk/docs";
    dirs.UpdateApiDocDir();
    dirs.m_strBrowserPath = "/bin/browse";
    dirs.m_ExePaths = Strings({"/jdk/bin", "/jdk2/bin"});
    dirs.m_DocPaths = Strings({"/jdk/docs"});
    BOOL bWarning = FALSE;
    dirs.BuildHelpDirs(profile, bWarning);
    ASSERT_EQ(dirs.m_HelpDirs.GetSize(), 103);
    dirs.m_HelpDirs.RemoveAt(101);  // the user removed "/old2"
    ASSERT_TRUE(dirs.Save(profile));

    EXPECT_EQ(profile.GetInt("Java", "ExePathCount", -1), 2);
    EXPECT_EQ(profile.GetString("Java", "ExePath2", ""), "/jdk2/bin");
    EXPECT_EQ(profile.GetInt("Java", "SrcPathCount", -1), 0);
    EXPECT_EQ(profile.GetString("Mosk", "Path", ""), "/prog");
    EXPECT_EQ(profile.GetKeyNames("User"), (std::vector<CString>{"Path1", "Path2"}));
    EXPECT_EQ(profile.GetString("User", "Path2", ""), "/old3");

    CDirSettings again;
    again.Load(profile, "/elsewhere");
    again.BuildHelpDirs(profile, bWarning);
    EXPECT_EQ(again.Dump(), dirs.Dump());
    EXPECT_TRUE(Same(again.m_ExePaths, dirs.m_ExePaths));

    // An emptied entry removes its key.
    dirs.m_HelpDirs[100] = "";
    ASSERT_TRUE(dirs.Save(profile));
    EXPECT_EQ(profile.GetKeyNames("User"), std::vector<CString>{"Path2"});
}

} // namespace
