// mosk-tool project: the text of a project file and of the project list,
// and one line on standard error with status 1 for a bad file.
#include "ArchiveFile.h"
#include "ProjectSamples.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

int RunTool(const std::string& strArgs)
{
    std::string strTool = std::string(MOSK_BUILD_DIR) + "/tools/mosk-tool";
    int nStatus = std::system((strTool + " project " + strArgs).c_str());
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

} // namespace

TEST(ProjectCommandTest, PrintsProjectFilesAndLists)
{
    CTempFolder tmp;
    std::string strDir = tmp.Path().str() + "/";
    CProjectSample sample;
    sample.strStoredDir = strDir;
    sample.strStoredPath = strDir + "P.mosk";
    tmp.Write("P.mosk", BuildProjectFile(sample));
    tmp.Write("mosk.proj", BuildProjectList(103, "/p/First.mosk", "/p/Second.mosk"));
    CString strOut = tmp.File("out.txt");
    ASSERT_EQ(RunTool(tmp.File("P.mosk").str() + " >" + strOut.str()), 0);
    std::string strText = ReadWholeFile(strOut);
    for (const char* pszLine : {"version = 12\n", "main class file = \"A.java\"\n", "compiler use other compiler = 0\n",
                                "program arguments history = [\"h1\"]\n", "javadoc document type = 2\n",
                                "breakpoints:\n  A\n    pkg.A:10\n    pkg.A:20\n",
                                "tree:\n  CProjectFolder \"P\" path=\""}) {
        EXPECT_NE(strText.find(pszLine), std::string::npos) << pszLine << "\n" << strText;
    }
    EXPECT_NE(strText.find("    CProjectVirtualFolder \"Docs\"\n"), std::string::npos) << strText;

    ASSERT_EQ(RunTool(tmp.File("mosk.proj").str() + " >" + strOut.str()), 0);
    strText = ReadWholeFile(strOut);
    for (const char* pszLine : {"version = 103\n", "interpreter extra options = \"-Xint\"\n",
                                "interpreter other command = \"\"\n",
                                "CProjectRootFolder \"Mosk Projects\"\n  CProjectFolder \"First\""}) {
        EXPECT_NE(strText.find(pszLine), std::string::npos) << pszLine << "\n" << strText;
    }
}

TEST(ProjectCommandTest, BadFilesGiveOneLineAndStatusOne)
{
    CTempFolder tmp;
    std::string strGood = BuildProjectFile(CProjectSample());
    struct Case {
        const char* pszName;
        std::string strData;
    };
    const Case cases[] = {
        {"truncated.mosk", strGood.substr(0, strGood.size() / 2)},
        {"future.mosk", std::string("\x0D\0\0\0\x01" "A", 6)},
        {"bad.proj", std::string("\x68\0\0\0", 4)},
        {"empty.mosk", ""},
    };
    for (const Case& c : cases) {
        tmp.Write(c.pszName, c.strData);
        CString strErr = tmp.File("err.txt");
        EXPECT_EQ(RunTool(tmp.File(c.pszName).str() + " >/dev/null 2>" + strErr.str()), 1) << c.pszName;
        std::string strText = ReadWholeFile(strErr);
        EXPECT_EQ(std::count(strText.begin(), strText.end(), '\n'), 1) << strText;
        EXPECT_EQ(strText.rfind("mosk-tool: ", 0), 0u) << strText;
    }
    EXPECT_EQ(RunTool(tmp.File("missing.mosk").str() + " 2>/dev/null"), 1);
    EXPECT_EQ(RunTool("2>/dev/null"), 2);
}
