#include "HelpAddress.h"
#include "SearchEntry.h"
#include "StringArray.h"

#include <gtest/gtest.h>

namespace {

CStringArray HelpDirs()
{
    CStringArray dirs;
    dirs.Add("/prog");
    dirs.Add("/prog/help");
    dirs.Add("/doc/api");
    return dirs;
}

TEST(SearchEntry, EntryFromADocumentAddress)
{
    struct {
        const char* pszName;
        const char* pszAddress;
        const char* pszDump;  // keyword | dir | file | ext | anchor
    } cases[] = {
        {"anchor up to its parenthesis", "/doc/api/String.html#length()", "length | 3 | String | 1 | length()"},
        {"file: in any case is dropped", "FiLe:/doc/api/String.html#chars", "chars | 3 | String | 1 | chars"},
        {"file:// with an absolute path", "file:///doc/api/A.html", "A | 3 | A | 1 | "},
        {"htm and other extensions give code 2", "/prog/help/intro.HTM", "intro | 2 | intro | 2 | "},
        {"hlp gives code 2 too", "/prog/tips.hlp", "tips | 1 | tips | 2 | "},
        {"_top_ anchor takes the file", "/doc/api/Map.html#_top_", "Map | 3 | Map | 1 | _top_"},
        {"outside the help folders: the name", "/elsewhere/deep/Page.html", "Page | 0 | /elsewhere/deep/Page.html | 0 | "},
        {"outside with anchor: the anchor", "/elsewhere/Page.html#sec(2)", "sec | 0 | /elsewhere/Page.html | 0 | sec(2)"},
        {"sub-folder of a help folder is outside", "/doc/api/java/lang/Object.html",
         "Object | 0 | /doc/api/java/lang/Object.html | 0 | "},
        {"empty anchor after #", "/doc/api/X.html#", "X | 3 | X | 1 | "},
    };
    CStringArray dirs = HelpDirs();
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszDump), CSearchEntry::FromAddress(c.pszAddress, dirs).Dump()) << c.pszName;
}

TEST(SearchEntry, EmptyHelpFolderEntriesNeverMatch)
{
    CStringArray dirs;
    dirs.Add("");
    EXPECT_EQ(CString("a | 0 | a.html | 0 | "), CSearchEntry::FromAddress("a.html", dirs).Dump());
}

TEST(SearchEntry, SameIgnoresCaseButNotTheDirectory)
{
    CSearchEntry a("Top", "java/Foo", "Foo", 3, 1);
    EXPECT_TRUE(a.IsSame(CSearchEntry("TOP", "JAVA/foo", "foo", 3, 2)));
    EXPECT_FALSE(a.IsSame(CSearchEntry("Top", "java/Foo", "Foo", 4, 1)));
    EXPECT_FALSE(a.IsSame(CSearchEntry("Other", "java/Foo", "Foo", 3, 1)));
}

TEST(HelpAddress, RelativeLinksJoinThePageFolder)
{
    struct {
        const char* pszName;
        const char* pszPage;
        const char* pszLink;
        const char* pszResult;
    } cases[] = {
        {"parent steps", "/doc/api/index-files/index-1.html", "../java/lang/String.html#length()",
         "/doc/api/java/lang/String.html#length()"},
        {"dot steps", "/doc/api/index.html", "./a/./b.html", "/doc/api/a/b.html"},
        {"in-page anchor", "/doc/api/p.html", "#top", "/doc/api/p.html#top"},
        {"absolute path", "/doc/api/p.html", "/other/x.html", "/other/x.html"},
        {"file: link", "/doc/api/p.html", "file:/other/x.html", "/other/x.html"},
        {"percent escapes", "/doc/api/p.html", "A%20B.html#%3Cinit%3E()", "/doc/api/A B.html#<init>()"},
        {"query dropped", "/doc/p.html", "q.html?x=1", "/doc/q.html"},
        {"too many parents stop at the root", "/a/p.html", "../../../x.html", "/x.html"},
        {"web link is not local", "/doc/p.html", "https://example.org/x", ""},
        {"mail link is not local", "/doc/p.html", "mailto:me@example.org", ""},
        {"page without folder", "p.html", "q.html", "q.html"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.pszResult), CHelpAddress::ResolveLink(c.pszPage, c.pszLink)) << c.pszName;
}

TEST(HelpAddress, FilePartAndAnchor)
{
    EXPECT_EQ(CString("/a/b.html"), CHelpAddress::GetFilePart("FILE:/a/b.html#x#y"));
    EXPECT_EQ(CString("x#y"), CHelpAddress::GetAnchor("/a/b.html#x#y"));
    EXPECT_EQ(CString("/a"), CHelpAddress::GetFolder("/a/b.html"));
    EXPECT_EQ(CString("/"), CHelpAddress::GetFolder("/b.html"));
    EXPECT_EQ(CString("b.html"), CHelpAddress::GetFileName("c:\\a\\b.html"));
}

} // namespace
