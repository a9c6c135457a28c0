// The main window's layout model: its keys and defaults in the settings
// file, the arithmetic of the output and project toggles, the placing of a
// saved window on the screens there are, and the recent-file list.
#include "MainFrameLayout.h"
#include "Profile.h"
#include "RecentFileList.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

class LayoutFileTest : public ::testing::Test {
protected:
    CProfile& Ini(const std::string& strText)
    {
        m_folder.Write("mosk.ini", strText);
        m_pProfile = std::make_unique<CProfile>(m_folder.File("mosk.ini"));
        return *m_pProfile;
    }
    std::string Text() const { return ReadWholeFile(m_folder.File("mosk.ini")); }

    CTempFolder m_folder;
    std::unique_ptr<CProfile> m_pProfile;
};

TEST_F(LayoutFileTest, AFileWithoutTheSectionsGivesTheDefaults)
{
    CMainFrameLayout layout;
    layout.m_nMainSizeX = 1;   // every value is read, not kept
    layout.Read(Ini("[Other]\nx=1\n"));
    EXPECT_EQ(layout.Dump(), CMainFrameLayout().Dump());
    EXPECT_EQ(layout.Dump(),
              "Windows.MainOrigX=0\nWindows.MainOrigY=0\nWindows.MainSizeX=640\nWindows.MainSizeY=480\n"
              "Windows.Split1Y1=640\nWindows.Split1Y2=0\nWindows.Split2X1=175\nWindows.Split2X2=0\n"
              "Windows.Output=0\nWindows.Project=1\nStatusBar.Display=1\n"
              "ToolBar: display=1 float=0 dock=59419 rect=0,0,0,0\n"
              "DebugBar: display=0 float=0 dock=59419 rect=0,0,0,0\n"
              "BrowserBar: display=0 float=0 dock=59419 rect=0,0,0,0\n"
              "ProjWnd: 0,0 0x0 maximize=0\nratios: output=3.000 project=4.000\n");
}

TEST_F(LayoutFileTest, ValuesAreReadAsWritten)
{
    struct Case {
        const char* pszIni;
        const char* pszExpected;   // a line of the dump
    } cases[] = {
        {"[Windows]\nMainOrigX=12\nMainSizeY=700\n", "Windows.MainSizeY=700\n"},
        {"[Windows]\nOutput=5\n", "Windows.Output=1\n"},
        {"[Windows]\nProject=0\n", "Windows.Project=0\n"},
        {"[StatusBar]\nDisplay=0\n", "StatusBar.Display=0\n"},
        // Any non-zero "Display" shows the bar.
        {"[DebugBar]\nDisplay=268435456\nFloat=1\nleft=30\ntop=40\nright=230\nbottom=70\n",
         "DebugBar: display=1 float=1 dock=59419 rect=30,40,230,70\n"},
        {"[browserbar]\ndisplay=7\ndock=59422\n", "BrowserBar: display=1 float=0 dock=59422 rect=0,0,0,0\n"},
        // A side that is no dock bar docks on top.
        {"[ToolBar]\nDock=123\n", "ToolBar: display=1 float=0 dock=59419 rect=0,0,0,0\n"},
        {"[ProjWnd]\nOrigX=5\nOrigY=6\nWidth=300\nHeight=200\nMaximize=1\n", "ProjWnd: 5,6 300x200 maximize=1\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszIni);
        CMainFrameLayout layout;
        layout.Read(Ini(c.pszIni));
        EXPECT_NE(layout.Dump().Find(c.pszExpected), -1) << layout.Dump().c_str();
    }
}

TEST_F(LayoutFileTest, WritingStoresDisplayAsTheVisibleBitAndTheDockOfDockedBarsOnly)
{
    CProfile& profile = Ini("[DebugBar]\nDock=59421\n");
    CMainFrameLayout layout;
    layout.Read(profile);
    layout.m_bars[CMainFrameLayout::BAR_TOOL].m_nDock = CMainFrameLayout::DOCK_LEFT;
    layout.m_bars[CMainFrameLayout::BAR_DEBUG] = CBarLayout{TRUE, TRUE, CMainFrameLayout::DOCK_BOTTOM, 10, 20, 110, 50};
    layout.m_bStatusBar = FALSE;
    layout.m_bOutput = TRUE;
    layout.m_nSplit1Y1 = 300;
    ASSERT_TRUE(layout.Write(profile));

    struct Key {
        const char* pszSection;
        const char* pszKey;
        int nValue;
    } keys[] = {
        {"StatusBar", "Display", 0},     {"ToolBar", "Display", 268435456}, {"ToolBar", "Dock", 59420},
        {"DebugBar", "Display", 268435456}, {"DebugBar", "Float", 1},      {"DebugBar", "left", 10},
        {"DebugBar", "top", 20},         {"DebugBar", "right", 110},       {"DebugBar", "bottom", 50},
        // Floating: the side it was docked on stays.
        {"DebugBar", "Dock", 59421},     {"BrowserBar", "Display", 0},     {"BrowserBar", "Dock", 59419},
        {"Windows", "Output", 1},        {"Windows", "Split1Y1", 300},     {"Windows", "Project", 1},
        {"Windows", "MainSizeX", 640},
    };
    CProfile reread(m_folder.File("mosk.ini"));
    for (const Key& key : keys) {
        SCOPED_TRACE(std::string(key.pszSection) + "." + key.pszKey);
        EXPECT_EQ(reread.GetInt(key.pszSection, key.pszKey, -12345), key.nValue);
    }
    CMainFrameLayout back;
    back.Read(reread);
    back.m_bars[CMainFrameLayout::BAR_DEBUG].m_nDock = CMainFrameLayout::DOCK_BOTTOM;
    EXPECT_EQ(back.Dump(), layout.Dump());
}

TEST(MainFrameLayout, AMaximisedWindowStoresItsNormalPlace)
{
    CMainFrameLayout layout;
    layout.SetMainWindow(CLayoutRect{0, 0, 1920, 1080}, CLayoutRect{100, 80, 800, 600}, TRUE);
    EXPECT_EQ(layout.GetMainWindow(), (CLayoutRect{100, 80, 800, 600}));
    layout.SetMainWindow(CLayoutRect{5, 6, 700, 500}, CLayoutRect{1, 1, 2, 2}, FALSE);
    EXPECT_EQ(layout.GetMainWindow(), (CLayoutRect{5, 6, 700, 500}));
}

TEST(MainFrameLayout, ASavedWindowIsFittedOntoTheScreens)
{
    const std::vector<CLayoutRect> screens = {{0, 0, 1280, 1000}, {1280, 0, 800, 600}};
    struct Case {
        const char* pszName;
        CLayoutRect saved;
        CLayoutRect expected;
    } cases[] = {
        {"on the primary screen", {10, 20, 640, 480}, {10, 20, 640, 480}},
        {"on the second screen", {1300, 10, 600, 400}, {1300, 10, 600, 400}},
        {"off every screen", {5000, -3000, 640, 480}, {0, 0, 640, 480}},
        {"larger than its screen", {1300, 0, 2000, 1500}, {1280, 0, 800, 600}},
        {"hanging over the edge", {1000, 900, 640, 480}, {640, 520, 640, 480}},
        {"without a size", {0, 0, 0, 0}, {0, 0, 640, 480}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CMainFrameLayout layout;
        layout.SetMainWindow(c.saved, c.saved, FALSE);
        EXPECT_EQ(layout.FitMainWindow(screens), c.expected);
    }
}

TEST(MainFrameLayout, InitialRowsAndColumns)
{
    struct Case {
        int nY1, nY2, nX1, nX2;
        int nUpper, nLower, nProject, nDocuments;
    } cases[] = {
        {0, 0, 175, 0, 400, 200, 175, 300},     // two thirds / one third; a third of the width
        {350, 120, 200, 500, 350, 120, 200, 500},
        {0, 90, 0, 0, 400, 90, 0, 300},
    };
    for (const Case& c : cases) {
        CMainFrameLayout layout;
        layout.m_nSplit1Y1 = c.nY1;
        layout.m_nSplit1Y2 = c.nY2;
        layout.m_nSplit2X1 = c.nX1;
        layout.m_nSplit2X2 = c.nX2;
        int nUpper = -1, nLower = -1, nProject = -1, nDocuments = -1;
        layout.GetInitialRows(600, nUpper, nLower);
        layout.GetInitialColumns(900, nProject, nDocuments);
        EXPECT_EQ(nUpper, c.nUpper);
        EXPECT_EQ(nLower, c.nLower);
        EXPECT_EQ(nProject, c.nProject);
        EXPECT_EQ(nDocuments, c.nDocuments);
    }
}

TEST(MainFrameLayout, TogglesGiveAHiddenPaneItsShareBack)
{
    struct Case {
        int nFirst, nSecond;
    } cases[] = {{300, 150}, {400, 100}, {250, 250}, {599, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nFirst);
        CMainFrameLayout layout;
        EXPECT_EQ(layout.HideOutput(c.nFirst, c.nSecond), c.nFirst + c.nSecond);
        int nUpper = 0, nLower = 0;
        layout.ShowOutput(c.nFirst + c.nSecond, nUpper, nLower);
        EXPECT_NEAR(nUpper, c.nFirst, 1);
        EXPECT_EQ(nUpper + nLower, c.nFirst + c.nSecond);

        EXPECT_EQ(layout.FloatProject(c.nSecond, c.nFirst), c.nFirst + c.nSecond);
        int nProject = 0, nDocuments = 0;
        layout.DockProject(c.nFirst + c.nSecond, nProject, nDocuments);
        EXPECT_NEAR(nProject, c.nSecond, 1);
        EXPECT_EQ(nProject + nDocuments, c.nFirst + c.nSecond);
    }
    // Before any hiding the ratios give a quarter to the project and a third to the output.
    CMainFrameLayout fresh;
    int nUpper = 0, nLower = 0, nProject = 0, nDocuments = 0;
    fresh.ShowOutput(600, nUpper, nLower);
    fresh.DockProject(800, nProject, nDocuments);
    EXPECT_EQ(nLower, 200);
    EXPECT_EQ(nProject, 200);
    // A pane of no size leaves the ratio alone.
    fresh.HideOutput(600, 0);
    fresh.FloatProject(0, 800);
    EXPECT_NE(fresh.Dump().Find("ratios: output=3.000 project=4.000"), -1);
}

TEST_F(LayoutFileTest, RecentFilesAreKeptNewestFirstWithoutProjects)
{
    CRecentFileList recent(3);
    for (const char* pszPath : {"/a/One.java", "/a/Two.java", "/a/p.MOSK", "", "/a/Three.java", "/a/One.java",
                                "/a/Four.java"})
        recent.Add(pszPath);
    EXPECT_EQ(recent.Dump(), "1 /a/Four.java\n2 /a/One.java\n3 /a/Three.java\n");
    CProfile& profile = Ini("[Recent File List]\nFile4=/old.java\n");
    ASSERT_TRUE(recent.Write(profile));
    EXPECT_EQ(profile.GetString("Recent File List", "File1", ""), "/a/Four.java");
    EXPECT_FALSE(profile.HasKey("Recent File List", "File4"));

    CRecentFileList back(8);
    back.Read(profile);
    EXPECT_EQ(back.Dump(), recent.Dump());
    back.Remove(0);
    back.SetSize(1);
    EXPECT_EQ(back.Dump(), "1 /a/One.java\n");
}

}  // namespace
