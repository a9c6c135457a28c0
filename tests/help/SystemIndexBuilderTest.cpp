#include "IndexPageLinks.h"
#include "ScriptedUserInterface.h"
#include "SearchIndex.h"
#include "SystemIndexBuilder.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A documentation folder in javadoc's shape: api/index-files/index-N.html.
struct CDocTree {
    CTempFolder temp;
    CString strDoc;
    CStringArray dirs;
    CDocTree()
    {
        strDoc = temp.Path() + "/doc";
        for (const char* psz : {"/doc", "/doc/api", "/doc/api/index-files", "/doc/api/java", "/doc/api/java/lang"})
            mkdir(temp.Path() + psz, 0700);
        dirs.Add("/prog");
        dirs.Add("/prog/help");
        dirs.Add(strDoc + "/api");
    }
};

TEST(IndexPageLinks, LinksInDocumentOrder)
{
    CStringArray links;
    CIndexPageLinks::Scan("<p><A HREF=\"one.html\">1</A> <a class='x' href='two.html#a&amp;b'>2</a>"
                          "<abbr href=\"no\"></abbr><a name=x>z</a><a href=three.html>3</a>"
                          "<a title=\"a>b\" href=\"four.html#&lt;init&gt;(&#65;)\">",
                          links);
    ASSERT_EQ(4, links.GetSize());
    EXPECT_EQ(CString("one.html"), links[0]);
    EXPECT_EQ(CString("two.html#a&b"), links[1]);
    EXPECT_EQ(CString("three.html"), links[2]);
    EXPECT_EQ(CString("four.html#<init>(A)"), links[3]);
}

TEST(SystemIndexBuilder, BuildsFromTheLetterPagesInNumberOrder)
{
    CDocTree tree;
    CScriptedUserInterface ui;
    tree.temp.Write("doc/api/index-files/index-10.html",
                    "<a href=\"index-1.html\">A</a><a href=\"../java/lang/String.html#valueOf(int)\">valueOf</a>"
                    "<a href=\"../java/a/package-summary.html\">a</a><a href=\"../java/b/package-summary.html\">b</a>"
                    "<a href=\"../java/a/package-summary.html\">a again</a>");
    tree.temp.Write("doc/api/index-files/index-1.html",
                    "<a href=\"index-10.html\">V</a>"
                    "<a href=\"../java/lang/String.html\">String</a>"
                    "<a href=\"../java/lang/String.html#length()\">length</a>"
                    "<a href=\"../java/lang/String.html#length()\">again</a>"
                    "<a href=\"https://example.org/\">web</a>"
                    "<a href=\"../overview-summary.html\">overview</a>");
    CSearchIndex index(tree.dirs, FALSE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CString strError;
    ASSERT_TRUE(CSystemIndexBuilder::Build(tree.strDoc + "/api/", index, stats, strError));
    EXPECT_EQ(2, stats.nPages);
    EXPECT_EQ(11, stats.nLinks);
    EXPECT_EQ(6, stats.nAdded);
    // The second link to a's page is refused although "b" came first with that keyword.
    EXPECT_EQ(2, stats.nRefused);
    EXPECT_EQ(3, stats.nSkipped);
    CString strApi = tree.strDoc + "/api";
    EXPECT_EQ(CString("count 0, keywords 0, list 6\n") + "length | 0 | " + strApi +
                  "/java/lang/String.html | 0 | length()\n" + "overview-summary | 3 | overview-summary | 1 | \n" + "package-summary | 0 | " + strApi +
                  "/java/b/package-summary.html | 0 | \n" + "package-summary | 0 | " + strApi +
                  "/java/a/package-summary.html | 0 | \n" +
                  "String | 0 | " + strApi + "/java/lang/String.html | 0 | \n" + "valueOf | 0 | " + strApi +
                  "/java/lang/String.html | 0 | valueOf(int)\n",
              index.Dump());
    EXPECT_TRUE(ui.m_shown.empty());
}

TEST(SystemIndexBuilder, FallsBackToIndexAllAndFailsWithoutPages)
{
    CDocTree tree;
    CSearchIndex index(tree.dirs, FALSE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CString strError;
    EXPECT_FALSE(CSystemIndexBuilder::Build(tree.strDoc, index, stats, strError));
    EXPECT_FALSE(strError.IsEmpty());
    tree.temp.Write("doc/api/index-all.html", "<a href=\"java/lang/Object.html#wait()\">wait</a>");
    ASSERT_TRUE(CSystemIndexBuilder::Build(tree.strDoc, index, stats, strError));
    EXPECT_EQ(1, stats.nAdded);
}

TEST(SystemIndexBuilder, RealJdkDocumentation)
{
    const char* pszDoc = "/usr/share/doc/openjdk-17-doc";
    CStringArray pages;
    struct stat st {};
    if (stat(pszDoc, &st) != 0)
        GTEST_SKIP() << pszDoc << " is absent: the package openjdk-17-doc (scripts/install-deps) installs it";
    ASSERT_TRUE(CSystemIndexBuilder::FindIndexPages(pszDoc, pages));
    CStringArray dirs;
    CSearchIndex index(dirs, FALSE, FALSE);
    CSystemIndexBuilder::CStats stats;
    CString strError;
    ASSERT_TRUE(CSystemIndexBuilder::Build(pszDoc, index, stats, strError));
    EXPECT_GT(stats.nAdded, 10000);
}

} // namespace
