#include "HelpSearch.h"
#include "IndexBytes.h"
#include "ScriptedUserInterface.h"
#include "SearchIndex.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace {

TEST(HelpSearch, PrefixRules)
{
    CTempFolder temp;
    CScriptedUserInterface ui;
    CStringArray dirs;
    dirs.Add("/prog");
    dirs.Add("/prog/help");
    dirs.Add("/doc/api");
    CSearchIndex system(dirs, FALSE, FALSE), user(dirs, TRUE, FALSE);
    ASSERT_TRUE(system.Load(temp.Write("mosk.ipg",
                                       RawIndex(5, CRawEntry{3, "java/lang/String", 1, "length()", "length"},
                                                CRawEntry{3, "java/lang/Map", 1, "", "Map"},
                                                CRawEntry{3, "java/lang/String", 1, "", "String"},
                                                CRawEntry{3, "java/lang/String", 1, "", "string"},
                                                CRawEntry{0, "/other/StringBuffer.html", 0, "", "StringBuffer"}))));
    ASSERT_TRUE(user.Load(temp.Write("user.ipg", RawIndex(2, CRawEntry{0, "/home/me/Mine.html", 0, "", "Mine"},
                                                          CRawEntry{0, "/home/me/Strong.html", 0, "top", "Strong"}))));
    CHelpSearch search(&system, &user);
    struct {
        const char* pszText;
        int nTab;
        int nKeyword;
        const char* pszTopics;  // display and address per topic
    } cases[] = {
        {"", CHelpSearch::TAB_JDK, 0, ""},
        {"LEN", CHelpSearch::TAB_JDK, 0, "String.length() /doc/api/java/lang/String.html#length()\n"},
        {"m", CHelpSearch::TAB_JDK, 1, "Map /doc/api/java/lang/Map.html\n"},
        // "String" and "string" are one keyword; the same address is listed once.
        {"str", CHelpSearch::TAB_JDK, 2, "String /doc/api/java/lang/String.html\n"},
        {"stringb", CHelpSearch::TAB_JDK, 3, "StringBuffer /other/StringBuffer.html\n"},
        {"mi", CHelpSearch::TAB_USER, 0, "Mine /home/me/Mine.html\n"},
        {"stro", CHelpSearch::TAB_USER, 1, "Strong.top /home/me/Strong.html#top\n"},
        {"zzz", CHelpSearch::TAB_NONE, -1, ""},
    };
    for (const auto& c : cases) {
        CHelpSearch::CResult result = search.Lookup(c.pszText);
        EXPECT_EQ(c.nTab, result.nTab) << c.pszText;
        EXPECT_EQ(c.nKeyword, result.nKeyword) << c.pszText;
        std::string strTopics;
        for (int i = 0; i < result.displays.GetSize(); ++i)
            strTopics += result.displays[i].str() + " " + result.addresses[i].str() + "\n";
        EXPECT_EQ(c.pszTopics, strTopics) << c.pszText;
    }
    // Without a user index only the "JDK" list answers.
    CHelpSearch jdkOnly(&system, nullptr);
    EXPECT_EQ(CHelpSearch::TAB_NONE, jdkOnly.Lookup("mi").nTab);
    EXPECT_TRUE(ui.m_shown.empty());
}

} // namespace
