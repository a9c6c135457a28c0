#include "Profile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

class ProfileTest : public ::testing::Test {
protected:
    CString Write(const std::string& strText) { return m_folder.Write("mosk.ini", strText); }
    CTempFolder m_folder;
};

} // namespace

TEST_F(ProfileTest, ReadsWithWindowsRules)
{
    CProfile profile(Write("; comment\r\n[Editor]\r\nTabSize = 8 \r\nFont=Courier New\r\nLead=42abc\r\n"
                           "Neg=-7\r\nMin=-2147483648\r\nMax=2147483647\r\nWrap=4294967296\r\n"
                           "NegWrap=-4294967295\r\nWord=abc\r\nEmpty=\r\n\r\n[ other ]\r\nkey=v\r\n"));
    struct Case {
        const char* pszSection;
        const char* pszKey;
        int nExpected;
    } ints[] = {
        {"Editor", "TabSize", 8}, {"EDITOR", "tabsize", 8}, {"Editor", "Lead", 42}, {"Editor", "Neg", -7},
        {"Editor", "Word", 0},    {"Editor", "Empty", 0},   {"Editor", "Missing", 99}, {"Nowhere", "TabSize", 99},
        {"Other", "key", 0},      {"Editor", "Min", -2147483647 - 1}, {"Editor", "Max", 2147483647},
        {"Editor", "Wrap", 0},    {"Editor", "NegWrap", 1},
    };
    for (const Case& c : ints) {
        SCOPED_TRACE(testing::Message() << c.pszSection << "/" << c.pszKey);
        EXPECT_EQ(profile.GetInt(c.pszSection, c.pszKey, 99), c.nExpected);
    }
    EXPECT_STREQ(profile.GetString("editor", "FONT", "x"), "Courier New");
    EXPECT_STREQ(profile.GetString("Editor", "Empty", "x"), "");
    EXPECT_STREQ(profile.GetString("Editor", "none", "dflt"), "dflt");
    EXPECT_STREQ(profile.GetString("other", "key", ""), "v");
}

TEST_F(ProfileTest, WritesKeepTheRestOfTheFile)
{
    CString strPath = Write("; keep me\n[A]\nx=1\n\n[B]\ny=2\n");
    CProfile profile(strPath);
    EXPECT_TRUE(profile.WriteString("a", "X", "10"));   // replaces, whatever the case
    EXPECT_TRUE(profile.WriteInt("A", "z", 3));         // appended to its section
    EXPECT_TRUE(profile.WriteString("C", "w", "new"));  // new section at the end
    EXPECT_TRUE(profile.WriteString("B", "y", nullptr));  // removes the key
    EXPECT_EQ(ReadWholeFile(strPath), "; keep me\n[A]\nX=10\nz=3\n\n[B]\n\n[C]\nw=new\n");
    EXPECT_TRUE(profile.WriteString("A", nullptr, nullptr));  // removes the section
    EXPECT_EQ(ReadWholeFile(strPath), "; keep me\n[B]\n\n[C]\nw=new\n");
    EXPECT_EQ(profile.GetSectionNames(), (std::vector<CString>{"B", "C"}));
}

TEST_F(ProfileTest, SeesChangesMadeByAnotherWriter)
{
    CString strPath = Write("[S]\nk=1\n");
    CProfile reader(strPath);
    EXPECT_EQ(reader.GetInt("S", "k", 0), 1);
    CProfile writer(strPath);
    writer.WriteInt("S", "k", 123456);
    EXPECT_EQ(reader.GetInt("S", "k", 0), 123456);
}

TEST_F(ProfileTest, FailedWriteLeavesTheFileAsItWas)
{
    std::filesystem::create_directory(m_folder.File("ro").c_str());
    CString strPath = m_folder.Write("ro/mosk.ini", "[S]\nk=1\n");
    chmod(m_folder.File("ro"), 0555);
    CProfile profile(strPath);
    bool bCanWrite = access(m_folder.File("ro"), W_OK) == 0;  // the superuser writes anyway
    if (!bCanWrite) {
        EXPECT_FALSE(profile.WriteInt("S", "k", 2));
        EXPECT_EQ(profile.GetInt("S", "k", 0), 1);
    }
    EXPECT_EQ(ReadWholeFile(strPath).substr(0, 4), "[S]\n");
    chmod(m_folder.File("ro"), 0755);
    // No temporary file is left next to the settings file.
    int nFiles = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.File("ro").c_str()))
        nFiles += entry.is_regular_file();
    EXPECT_EQ(nFiles, 1);
}

TEST_F(ProfileTest, AppProfileLivesInTheSettingsFolder)
{
    m_folder.SetAsAppFolders();
    CProfile::App().WriteInt("Colors", "Red", 5);
    EXPECT_EQ(ReadWholeFile(m_folder.File("config/mosk.ini")), "[Colors]\nRed=5\n");
    EXPECT_EQ(CProfile::App().GetInt("colors", "red", 0), 5);
}

TEST_F(ProfileTest, SavingThroughALinkReplacesTheLinkedFile)
{
    // Settings kept in another folder (a dotfiles checkout) and linked in.
    std::filesystem::create_directory(m_folder.File("dotfiles").c_str());
    CString strReal = m_folder.Write("dotfiles/mosk.ini", "[S]\nk=1\n");
    chmod(strReal, 0640);
    CString strLink = m_folder.File("mosk.ini");
    ASSERT_EQ(symlink("dotfiles/mosk.ini", strLink), 0);
    CProfile profile(strLink);
    EXPECT_TRUE(profile.WriteInt("S", "k", 2));
    struct stat st {};
    ASSERT_EQ(lstat(strLink, &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadWholeFile(strReal), "[S]\nk=2\n");
    ASSERT_EQ(stat(strReal, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}
