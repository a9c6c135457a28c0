// mosk-tool commands: a hand-made "user.cmd" printed field by field; bad,
// truncated and missing files get one line on standard error and status 1.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

std::string Tool()
{
    return std::string(MOSK_BUILD_DIR) + "/tools/mosk-tool";
}

int RunTool(const std::string& strCommand)
{
    int nStatus = std::system(strCommand.c_str());
    return WIFEXITED(nStatus) ? WEXITSTATUS(nStatus) : -1;
}

std::string DW(uint32_t n)
{
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                       static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
}

std::string Str(const std::string& s)
{
    return std::string(1, static_cast<char>(s.size())) + s;
}

std::string OneCommand()
{
    return DW(1) + DW(1) + std::string("\xFF\xFF\x01\x00\x08\x00", 6) + "CCommand" + DW(0) + DW(1) + DW(1) + DW(1)
           + Str("Javap") + Str("javap") + Str("<File Directory>") + Str("-c <File Name>");
}

TEST(CommandsCommand, PrintsEveryField)
{
    if (!std::filesystem::exists(Tool()))
        GTEST_SKIP() << "mosk-tool is not built";
    CTempFolder folder;
    CString strFile = folder.Write("user.cmd", OneCommand());
    CString strOut = folder.File("out.txt"), strErr = folder.File("err.txt");
    EXPECT_EQ(RunTool(Tool() + " commands " + strFile.str() + " >" + strOut.str() + " 2>" + strErr.str()), 0);
    EXPECT_EQ(ReadWholeFile(strOut), "version: 1\n"
                                     "commands: 1\n"
                                     "command 1\n"
                                     "  name: Javap\n"
                                     "  command: javap\n"
                                     "  startup directory: <File Directory>\n"
                                     "  arguments: -c <File Name>\n"
                                     "  use IDE class path: 0\n"
                                     "  capture output: 1\n"
                                     "  on file menu: 1\n"
                                     "  on project menu: 1\n");
    EXPECT_EQ(ReadWholeFile(strErr), "");
}

TEST(CommandsCommand, BadFilesGetOneLineAndStatusOne)
{
    if (!std::filesystem::exists(Tool()))
        GTEST_SKIP() << "mosk-tool is not built";
    CTempFolder folder;
    std::string strGood = OneCommand();
    struct {
        const char* pszName;
        CString strPath;
    } cases[] = {
        {"truncated", folder.Write("cut.cmd", strGood.substr(0, strGood.size() - 3))},
        {"empty", folder.Write("empty.cmd", "")},
        {"text", folder.Write("text.cmd", "[Editor]\nTabsize=8\n")},
        {"missing", folder.File("none.cmd")},
        {"a folder", folder.Path()},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strOut = folder.File("out.txt"), strErr = folder.File("err.txt");
        EXPECT_EQ(RunTool(Tool() + " commands " + c.strPath.str() + " >" + strOut.str() + " 2>" + strErr.str()), 1);
        EXPECT_EQ(ReadWholeFile(strOut), "");
        std::string strError = ReadWholeFile(strErr);
        EXPECT_EQ(std::count(strError.begin(), strError.end(), '\n'), 1) << strError;
        EXPECT_NE(strError.find(c.strPath.str()), std::string::npos);
    }
    EXPECT_EQ(RunTool(Tool() + " commands 2>/dev/null"), 2);
}

} // namespace
