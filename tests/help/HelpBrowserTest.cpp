#include "BrowserOptions.h"
#include "HelpAddress.h"
#include "HTMLClient.h"
#include "HelpBrowser.h"
#include "HelpHistory.h"
#include "ScriptedUserInterface.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// A display component that records what it is asked.
class CRecordingClient : public CHTMLClient {
public:
    int Load(const char* pszAddress) override
    {
        m_loads.push_back(pszAddress);
        m_strLocation = pszAddress;
        return m_nLoadResult;
    }
    void Forward() override { m_strLocation = m_strForward; }
    void Back() override { m_strLocation = m_strBack; }
    CString GetLocation() const override { return m_strLocation; }
    int GetLinkCount() const override { return static_cast<int>(m_links.size()); }
    CString GetLink(int nIndex) const override { return m_links[static_cast<size_t>(nIndex)]; }
    void SetAutoload(BOOL bAutoload) override { m_bAutoload = bAutoload; }
    void SetColors(COLORREF clrBack, COLORREF clrText, COLORREF clrLink) override
    {
        m_colors = {clrBack, clrText, clrLink};
    }
    CString GetFontFace(int nFont) const override { return m_faces.at(nFont); }
    void SetFontFace(int nFont, const char* pszFace) override { m_faces[nFont] = pszFace; }
    void SetElementSize(int nElement, int nPoints) override { m_sizes[nElement] = nPoints; }

    std::vector<CString> m_loads;
    CString m_strLocation, m_strForward, m_strBack;
    int m_nLoadResult = 0;
    std::vector<CString> m_links;
    BOOL m_bAutoload = FALSE;
    std::vector<COLORREF> m_colors;
    std::map<int, CString> m_faces = {{FONT_HEADING, "Serif"}, {FONT_NORMAL, "Sans"}, {FONT_FIXED, "Mono"}};
    std::map<int, int> m_sizes;
};

TEST(HelpBrowser, AddressesAreResolvedBeforeLoading)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CString strPage = temp.Write("String.html", "<p>");
    struct {
        const char* pszName;
        CString strAddress;
        BOOL bShown;
    } cases[] = {
        {"file:, full path and anchor", "file:" + strPage + "#length()", TRUE},
        {"plain path", strPage, TRUE},
        {"missing file", "file:" + temp.File("Gone.html") + "#x", FALSE},
        {"a folder is not a page", temp.Path(), FALSE},
    };
    for (const auto& c : cases) {
        CRecordingClient client;
        CHelpHistory history;
        CHelpBrowser browser(client, history, FALSE);
        ui.m_shown.clear();
        EXPECT_EQ(c.bShown, browser.ShowAddress(c.strAddress)) << c.pszName;
        if (c.bShown) {
            ASSERT_EQ(1u, client.m_loads.size()) << c.pszName;
            EXPECT_EQ(CHelpAddress::StripFileScheme(c.strAddress), client.m_loads[0]) << c.pszName;
            EXPECT_EQ(CString("String.html"), browser.GetTitle()) << c.pszName;
            EXPECT_EQ(c.strAddress, browser.GetLastAddress()) << c.pszName;
            EXPECT_EQ(CString("Done..."), ui.m_statusTexts.back()) << c.pszName;
            EXPECT_EQ(1, history.GetCount());
        } else {
            EXPECT_TRUE(client.m_loads.empty()) << c.pszName;
            ASSERT_EQ(1u, ui.m_shown.size()) << c.pszName;
            EXPECT_EQ("File " + c.strAddress +
                          " not found. Please make sure Java document direcory is set properly under Options/Directory !",
                      ui.m_shown[0].strText)
                << c.pszName;
            EXPECT_EQ(0, history.GetCount());
        }
    }
}

TEST(HelpBrowser, AFailedLoadLeavesHistoryAndTitle)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CRecordingClient client;
    CHelpHistory history;
    CHelpBrowser browser(client, history, TRUE);
    client.m_nLoadResult = 1;
    EXPECT_FALSE(browser.ShowAddress(temp.Write("a.html", "")));
    EXPECT_EQ(0, history.GetCount());
    EXPECT_TRUE(browser.GetTitle().IsEmpty());
}

TEST(HelpHistory, TheHundredAndFirstAddressDropsTheOldest)
{
    CHelpHistory history;
    for (int i = 1; i <= 101; ++i)
        history.Add(CString(std::to_string(i).c_str()));
    ASSERT_EQ(100, history.GetCount());
    EXPECT_EQ(CString("101"), history.GetEntries().GetHead());
    EXPECT_EQ(CString("2"), history.GetEntries().GetTail());
}

TEST(HelpBrowser, NextAndPreviousFollowTheComponent)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CRecordingClient client;
    CHelpHistory history;
    CHelpBrowser browser(client, history, FALSE);
    ASSERT_TRUE(browser.ShowAddress(temp.Write("a.html", "")));
    client.m_strBack = "/doc/b.html#x";
    browser.Back();
    EXPECT_EQ(CString("b.html"), browser.GetTitle());
    EXPECT_EQ(CString("/doc/b.html#x"), history.GetEntries().GetHead());
    // Nowhere to go: nothing changes.
    client.m_strForward = "/doc/b.html#x";
    browser.Forward();
    EXPECT_EQ(2, history.GetCount());
}

TEST(HelpBrowser, OptionsFillEmptyFacesFromTheComponent)
{
    CRecordingClient client;
    CHelpHistory history;
    CHelpBrowser browser(client, history, FALSE);
    CBrowserOptions options;
    options.bAutoload = FALSE;
    options.strFontFixed = "Courier";
    options.clrBack = RGB(1, 2, 3);
    browser.ApplyOptions(options);
    EXPECT_EQ(CString("Serif"), options.strFontHeading);
    EXPECT_EQ(CString("Sans"), options.strFontNormal);
    EXPECT_EQ(CString("Courier"), client.m_faces[CHTMLClient::FONT_FIXED]);
    EXPECT_FALSE(client.m_bAutoload);
    EXPECT_EQ((std::vector<COLORREF>{RGB(1, 2, 3), RGB(0, 0, 0), RGB(0, 0, 255)}), client.m_colors);
    EXPECT_EQ((std::map<int, int>{{1, 12}, {2, 8}, {3, 10}, {4, 12}, {5, 14}, {6, 18}, {7, 24}}), client.m_sizes);
}

} // namespace
