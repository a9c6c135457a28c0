#include "PathName.h"

#include <gtest/gtest.h>

TEST(PathNameTest, SplitsIntoDriveFolderBaseAndExtension)
{
    struct Case {
        const char* pszPath;
        const char* pszDrive;
        const char* pszFolder;
        const char* pszBase;
        const char* pszExt;
    };
    const Case cases[] = {
        {"/home/u/Hello.java", "", "/home/u/", "Hello", ".java"},
        {"C:\\java\\proj\\Hello.java", "C:", "/java/proj/", "Hello", ".java"},
        {"Hello", "", "", "Hello", ""},
        {"/a.b/c.tar.gz", "", "/a.b/", "c.tar", ".gz"},
        {"/a/folder/", "", "/a/folder/", "", ""},
        {"..\\lib\\X.java", "", "../lib/", "X", ".java"},
    };
    for (const Case& c : cases) {
        CPathName path(c.pszPath);
        EXPECT_EQ(path.GetDrive(), c.pszDrive) << c.pszPath;
        EXPECT_EQ(path.GetFolder(), c.pszFolder) << c.pszPath;
        EXPECT_EQ(path.GetBaseName(), c.pszBase) << c.pszPath;
        EXPECT_EQ(path.GetExtension(), c.pszExt) << c.pszPath;
    }
    EXPECT_TRUE(CPathName("/x/A.MOSK").HasExtension(".mosk"));
}

TEST(PathNameTest, RelativePathsStepOutOfTheProjectFolder)
{
    struct Case {
        const char* pszPath;
        const char* pszDir;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"/p/proj/A.java", "/p/proj/", "A.java"},
        {"/p/proj/src/a/A.java", "/p/proj/", "src/a/A.java"},
        {"/p/shared/B.java", "/p/proj/", "../shared/B.java"},
        {"/q/B.java", "/p/proj/sub/", "../../../q/B.java"},
        {"/p/proj/A.java", "/p/proj", "A.java"},
        // Components compare exactly: another letter case is another folder.
        {"/p/Proj/A.java", "/p/proj/", "../Proj/A.java"},
        // Another drive, or no full path: stored whole.
        {"D:\\lib\\A.java", "/p/proj/", "D:/lib/A.java"},
        {"A.java", "/p/proj/", "A.java"},
        // The folder itself is never stored as an empty text, which names nothing.
        {"/p/proj/", "/p/proj/", "./"},
        {"/p/proj/", "/p/proj", "./"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CPathName::MakeRelative(c.pszPath, c.pszDir), c.pszExpected) << c.pszPath;
}

TEST(PathNameTest, StoredTextsResolveAgainstTheFolderOfTheFile)
{
    struct Case {
        const char* pszText;
        const char* pszFolder;
        bool bOk;
        const char* pszExpected;
    };
    const Case cases[] = {
        {"src\\A.java", "/p/proj/", true, "/p/proj/src/A.java"},
        {"..\\..\\x\\B.java", "/p/proj/", true, "/x/B.java"},
        {"../../../../B.java", "/p/proj", true, "/B.java"},
        {"./a//b/./C.java", "/p/", true, "/p/a/b/C.java"},
        {"/abs/D.java", "/p/", true, "/abs/D.java"},
        {"C:\\win\\E.java", "/p/", false, ""},
        {"", "/p/", false, ""},
        {"F.java", "relative/", false, ""},
    };
    for (const Case& c : cases) {
        CString strResult;
        EXPECT_EQ(CPathName::MakeAbsolute(c.pszText, c.pszFolder, strResult) != FALSE, c.bOk) << c.pszText;
        if (c.bOk) {
            EXPECT_EQ(strResult, c.pszExpected) << c.pszText;
        }
    }
    CString strLong;
    EXPECT_FALSE(CPathName::MakeAbsolute(CString('a', CPathName::MAX_PATH_LENGTH + 1), "/", strLong));
}

TEST(PathNameTest, RelativeAndAbsoluteRoundTrip)
{
    const char* paths[] = {"/p/proj/A.java", "/p/other/deep/B.java", "/C.java", "/p/proj/x/y/z/D.html", "/p/proj/",
                           "/p/C:/a/First.mosk", "/C:/a/F.mosk"};
    for (const char* pszPath : paths) {
        CString strBack;
        ASSERT_TRUE(CPathName::MakeAbsolute(CPathName::MakeRelative(pszPath, "/p/proj/"), "/p/proj/", strBack));
        EXPECT_EQ(strBack, pszPath);
    }
}
