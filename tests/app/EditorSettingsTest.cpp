// The editor and tool settings: defaults of an empty settings file, odd and
// empty values, system colours, the text formats' colour keys, the round
// trip through the file and saves that leave an unchanged file alone.
#include "AppTestUtil.h"
#include "EditorSettings.h"
#include "FixedSystemColors.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const CFixedSystemColors s_colors(RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9));

struct CDefaultCase {
    const char* pszSection;
    const char* pszKey;
    const char* pszValue;
};

// What saving the defaults writes, for a sample of every section.
const CDefaultCase s_defaults[] = {
    {"Fonts", "Face", "courier"},
    {"Fonts", "Height", "-13"},
    {"Editor", "Tabsize", "8"},
    {"Editor", "TabSpaces", "0"},
    {"Editor", "MenuItems", "20"},
    {"Editor", "MRULength", "8"},
    {"Editor", "Tip", "1"},
    {"Editor", "UndoBufferSize", "100"},
    {"Help", "Warning", "0"},
    {"Help", "BackColor", "197121"},   // RGB(1,2,3)
    {"Help", "ForeColor", "394500"},   // RGB(4,5,6)
    {"Help", "LinkColor", "591879"},   // RGB(7,8,9)
    {"Help", "FontHeading", "Times New Roman"},
    {"Help", "FontFixed", "Courier New"},
    {"Help", "Header1", "32"},
    {"Help", "Header6", "10"},
    {"Help", "DefaultSize", "9"},
    {"Edit", "BackColor", "197121"},
    {"Jar", "ManifestFile", ""},
    {"Jar", "Custom", "0"},
    {"RMIC", "StubDir", "0"},
    {"RMIC", "Verbose", "0"},
    {"RIMC", "CustomOptions", ""},
    {"RIMC", "StubDirPath", ""},
};

TEST(EditorSettings, EmptyFileGivesTheDefaults)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("");
    CEditorSettings settings;
    settings.Load(profile, s_colors);
    EXPECT_EQ(settings.Dump(), CEditorSettings(s_colors).Dump());
    ASSERT_TRUE(settings.Save(profile));
    for (const CDefaultCase& c : s_defaults) {
        SCOPED_TRACE(std::string(c.pszSection) + "/" + c.pszKey);
        EXPECT_TRUE(profile.HasKey(c.pszSection, c.pszKey));
        EXPECT_EQ(profile.GetString(c.pszSection, c.pszKey, "missing"), c.pszValue);
    }
    // The RMI texts are in "RIMC" only; the switches in "RMIC" only.
    EXPECT_FALSE(profile.HasKey("RMIC", "CustomOptions"));
    EXPECT_FALSE(profile.HasKey("RIMC", "Verbose"));
}

struct COddCase {
    const char* pszIni;
    int CEditorSettings::* pField;
    int nExpected;
};

const COddCase s_oddInts[] = {
    {"[Editor]\nTabsize=12abc\n", &CEditorSettings::m_nTabSize, 12},
    {"[Editor]\nTabsize=\n", &CEditorSettings::m_nTabSize, 0},
    {"[Editor]\nTabsize=x4\n", &CEditorSettings::m_nTabSize, 0},
    {"[EDITOR]\ntabsize = 16\n", &CEditorSettings::m_nTabSize, 16},
    {"[Editor]\nTabsize\n", &CEditorSettings::m_nTabSize, 8},
    {"[Fonts]\nHeight=-15\n", &CEditorSettings::m_nFontHeight, -15},
    {"[Fonts]\nHeight=0\n", &CEditorSettings::m_nFontHeight, 0},
    {"[Editor]\nTabSpaces=7\n", &CEditorSettings::m_bTabSpaces, TRUE},
    {"[Editor]\nTip=\n", &CEditorSettings::m_bTip, FALSE},
    {"[Editor]\nTip=no\n", &CEditorSettings::m_bTip, FALSE},
    {"[Help]\nTip=0\n", &CEditorSettings::m_bTip, TRUE},
    {"[Help]\nWarning=1\n", &CEditorSettings::m_bWarning, TRUE},
    {"[Editor]\nWarning=1\n", &CEditorSettings::m_bWarning, FALSE},
};

TEST(EditorSettings, OddAndEmptyValues)
{
    for (const COddCase& c : s_oddInts) {
        SCOPED_TRACE(c.pszIni);
        CSettingsFolder folder;
        CEditorSettings settings(s_colors);
        settings.Load(folder.WriteIni(c.pszIni), s_colors);
        EXPECT_EQ(settings.*c.pField, c.nExpected);
    }
}

TEST(EditorSettings, EmptyStringsAndColours)
{
    CSettingsFolder folder;
    CEditorSettings settings(s_colors);
    settings.Load(folder.WriteIni("[Fonts]\nFace=\n[Help]\nBackColor=\nLinkColor=255\n[Edit]\nBackColor=16711680\n"),
                  s_colors);
    EXPECT_EQ(settings.m_strFontFace, "");
    EXPECT_EQ(settings.m_clrHelpBack, 0u);
    EXPECT_EQ(settings.m_clrHelpLink, RGB(255, 0, 0));
    EXPECT_EQ(settings.m_clrHelpFore, RGB(4, 5, 6));  // missing: the system colour
    EXPECT_EQ(settings.m_clrEditBack, RGB(0, 0, 255));
}

TEST(EditorSettings, RoundTripThroughTheFile)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("; kept\n[Other]\nKey=value\n");
    CEditorSettings settings(s_colors);
    settings.m_strFontFace = "DejaVu Sans Mono";
    settings.m_nFontHeight = -20;
    settings.m_bTabSpaces = TRUE;
    settings.m_bTip = FALSE;
    settings.m_clrHelpLink = RGB(10, 20, 30);
    settings.m_nHelpHeader4 = 15;
    settings.m_strJarCustomOptions = "-C out .";
    settings.m_bRmicNoWrite = TRUE;
    settings.m_strRmicSkelDirPath = "/tmp/skel";
    ASSERT_TRUE(settings.Save(profile));

    CEditorSettings again(CFixedSystemColors(0, 0, 0));
    again.Load(profile, CFixedSystemColors(0, 0, 0));
    EXPECT_EQ(again.Dump(), settings.Dump());
    EXPECT_EQ(profile.GetString("Other", "Key", ""), "value");
    EXPECT_EQ(folder.ReadIni().rfind("; kept\n", 0), 0u);
}

TEST(EditorSettings, SavingUnchangedSettingsLeavesTheFileAlone)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("");
    CEditorSettings settings(s_colors);
    ASSERT_TRUE(settings.Save(profile));
    struct stat before, after;
    ASSERT_EQ(stat(folder.ConfigFile("mosk.ini"), &before), 0);
    ASSERT_TRUE(settings.Save(profile));
    ASSERT_EQ(stat(folder.ConfigFile("mosk.ini"), &after), 0);
    EXPECT_EQ(before.st_ino, after.st_ino);  // a rewrite would have renamed a new file into place

    settings.m_nTabSize = 12;
    ASSERT_TRUE(settings.Save(profile));
    EXPECT_EQ(profile.GetInt("Editor", "Tabsize", 0), 12);
}

TEST(EditorSettings, LineBreakInAValueDoesNotMakeAKey)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("");
    CEditorSettings settings(s_colors);
    settings.m_strJarOutputFile = "out.jar\n[Editor]\nTabsize=99";
    ASSERT_TRUE(settings.Save(profile));
    EXPECT_EQ(profile.GetString("Jar", "OutputFile", ""), "out.jar");
    EXPECT_EQ(profile.GetInt("Editor", "Tabsize", 0), 8);
}

TEST(EditorSettings, TextFormatColours)
{
    CSettingsFolder folder;
    CProfile& profile = folder.WriteIni("[CommentText]\nColorGreen=200\nFontStyle=2\n[Number]\nColorRed=\n");
    CEditorSettings settings(s_colors);
    settings.Load(profile, s_colors);
    const CEditorSettings::CFormatColor* pComment = settings.GetFormatColor("CommentText");
    ASSERT_NE(pComment, nullptr);
    EXPECT_EQ(pComment->nGreen, 200);
    EXPECT_EQ(pComment->nFontStyle, 2);
    EXPECT_EQ(settings.GetFormatColor("Number")->nRed, 0);
    EXPECT_EQ(settings.GetFormatColor("StringText")->nRed, 193);
    EXPECT_EQ(settings.GetFormatColor("Keywords")->nBlue, 192);
    EXPECT_EQ(settings.GetFormatColor("Datatypes")->nRed, 192);
    EXPECT_EQ(settings.GetFormatColor("Comment"), nullptr);

    // Unchanged formats are not written: the editor saves its own edits.
    ASSERT_TRUE(settings.Save(profile));
    EXPECT_FALSE(profile.HasKey("StringText", "ColorRed"));
    EXPECT_FALSE(settings.SetFormatColor("Bogus", 1, 2, 3, 0));
    ASSERT_TRUE(settings.SetFormatColor("StringText", 1, 2, 3, 1));
    ASSERT_TRUE(settings.Save(profile));
    EXPECT_EQ(profile.GetKeyNames("StringText"),
              (std::vector<CString>{"ColorRed", "ColorBlue", "ColorGreen", "FontStyle"}));
    EXPECT_EQ(profile.GetInt("StringText", "ColorBlue", 0), 3);
}

TEST(EditorSettings, FontHeights)
{
    struct {
        int nStored, nDpi, nExpected;
    } cases[] = {
        {-13, 96, -13}, {0, 96, -13}, {0, 120, -17}, {0, 72, -10}, {-20, 120, -20}, {12, 96, 12},
    };
    for (auto& c : cases) {
        CEditorSettings settings(s_colors);
        settings.m_nFontHeight = c.nStored;
        EXPECT_EQ(settings.GetEditorFontHeight(c.nDpi), c.nExpected) << c.nStored << " at " << c.nDpi;
    }
    EXPECT_EQ(CEditorSettings::PointsToHeight(8, 96), -11);  // 10.67 rounds to 11
}

} // namespace
