#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <string>

namespace {

// Runs a shell command line; its standard output, and its exit status in nStatus.
std::string RunShell(const CString& strCommand, int& nStatus)
{
    std::string strOut;
    FILE* pPipe = ::popen(strCommand, "r");
    if (!pPipe)
        return strOut;
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pPipe)) > 0;)
        strOut.append(buffer, n);
    int nRaw = ::pclose(pPipe);
    nStatus = WIFEXITED(nRaw) ? WEXITSTATUS(nRaw) : -1;
    return strOut;
}

const char* const TOOL = MOSK_BUILD_DIR "/tools/mosk-tool";

} // namespace

TEST(MoskToolIndexTest, AddPackagesFillsTheIndexThatIndexPrints)
{
    CTempFolder folder;
    folder.Write("Dot.java", "package shapes;\npublic class Dot extends Point { public int x; public void move(int dx) { } }\n");
    folder.Write("Vec.java", "package shapes;\npublic class Vec implements Comparable<Vec> { public int compareTo(Vec o) { return 0; } }\n");
    CString strCompile = CString("cd '") + folder.Path() + "' && '" MOSK_JAVAC "' -d . Vec.java 2>&1";
    int nStatus = -1;
    RunShell(strCompile, nStatus);
    ASSERT_EQ(nStatus, 0);
    CString strEnv = CString("CLASSPATH='" MOSK_BUILD_DIR "/ide/share/mosk/classes.zip' ");
    std::string strOut = RunShell(strEnv + TOOL + " add-packages '" + folder.File("idx.pkg") + "' '" + folder.File("Dot.java") +
                                 "' '" + folder.File("shapes/Vec.class") + "'",
                             nStatus);
    EXPECT_EQ(nStatus, 0) << strOut;
    EXPECT_NE(strOut.find("Wait, introspecting class - "), std::string::npos) << strOut;
    strOut = RunShell(CString(TOOL) + " index '" + folder.File("idx.pkg") + "'", nStatus);
    EXPECT_EQ(nStatus, 0);
    EXPECT_EQ(strOut, "Package shapes\n"
                      "    Class Dot extends Point\n"
                      "      Field int x\n"
                      "      Method void move(int)\n"
                      "    Class Vec extends Object implements Comparable<Vec>\n"
                      "      Method int compareTo(Vec)\n"
                      "      Method Vec( )\n");

    folder.Write("bad.pkg", std::string("\x05\x00\x00\x00", 4));
    strOut = RunShell(CString(TOOL) + " index '" + folder.File("bad.pkg") + "' 2>&1", nStatus);
    EXPECT_EQ(nStatus, 1);
    EXPECT_NE(strOut.find("bad.pkg"), std::string::npos);
}
