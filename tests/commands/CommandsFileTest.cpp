// The user commands file "user.cmd": streams written by hand byte for byte,
// the writer giving the same bytes, bad and truncated files, and the rule
// that decides which commands appear on the context menus.
#include "Command.h"
#include "CommandsDoc.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

namespace {

// Little-endian pieces of a hand-made stream.
std::string DW(uint32_t n)
{
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                       static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)};
}
std::string W(uint16_t n)
{
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)};
}
std::string Str(const std::string& s)
{
    return std::string(1, static_cast<char>(s.size())) + s;
}
// A CCommand object's fields: four switches then four strings.
std::string Fields(uint32_t a, uint32_t b, uint32_t c, uint32_t d, const char* pszName, const char* pszCommand,
                   const char* pszDir, const char* pszArgs)
{
    return DW(a) + DW(b) + DW(c) + DW(d) + Str(pszName) + Str(pszCommand) + Str(pszDir) + Str(pszArgs);
}
std::string NewClass(uint16_t nSchema = 1, const std::string& strName = "CCommand")
{
    return W(0xFFFF) + W(nSchema) + W(static_cast<uint16_t>(strName.size())) + strName;
}

// Two commands: the first introduces the class (index 1, the object 2), the
// second refers to it with 0x8001.
std::string TwoCommands()
{
    return DW(1) + DW(2) + NewClass() + Fields(1, 0, 1, 0, "Jar it", "jar", "<File Directory>", "cf x.jar <File Name>")
           + W(0x8001) + Fields(0, 1, 0, 1, "List", "ls -l", "", "<Project Directory>");
}

const char* const s_twoCommandsDump =
    "version: 1\n"
    "commands: 2\n"
    "command 1\n"
    "  name: Jar it\n"
    "  command: jar\n"
    "  startup directory: <File Directory>\n"
    "  arguments: cf x.jar <File Name>\n"
    "  use IDE class path: 1\n"
    "  capture output: 0\n"
    "  on file menu: 1\n"
    "  on project menu: 0\n"
    "command 2\n"
    "  name: List\n"
    "  command: ls -l\n"
    "  startup directory: \n"
    "  arguments: <Project Directory>\n"
    "  use IDE class path: 0\n"
    "  capture output: 1\n"
    "  on file menu: 0\n"
    "  on project menu: 1\n";

TEST(CommandsFile, HandMadeStreamLoadsAndIsWrittenBackByteForByte)
{
    CTempFolder folder;
    CString strPath = folder.Write("user.cmd", TwoCommands());
    CCommandsDoc doc;
    CString strError;
    ASSERT_TRUE(doc.Load(strPath, strError)) << strError.str();
    EXPECT_EQ(doc.Dump(), s_twoCommandsDump);

    CString strCopy = folder.File("copy.cmd");
    ASSERT_TRUE(doc.Save(strCopy, strError)) << strError.str();
    EXPECT_EQ(ReadWholeFile(strCopy), TwoCommands());
}

TEST(CommandsFile, SwitchesOtherThanOneCountAsSet)
{
    CTempFolder folder;
    CString strPath = folder.Write("user.cmd", DW(1) + DW(1) + NewClass() + Fields(7, 0, 0xFFFFFFFF, 0, "n", "c", "", ""));
    CCommandsDoc doc;
    CString strError;
    ASSERT_TRUE(doc.Load(strPath, strError)) << strError.str();
    EXPECT_TRUE(doc.GetAt(0)->m_bUseIDEClassPath);
    EXPECT_TRUE(doc.GetAt(0)->m_bOnFileMenu);
    ASSERT_TRUE(doc.Save(strPath, strError));
    EXPECT_EQ(ReadWholeFile(strPath), DW(1) + DW(1) + NewClass() + Fields(1, 0, 1, 0, "n", "c", "", ""));
}

TEST(CommandsFile, EmptyListAndMissingFile)
{
    CTempFolder folder;
    CCommandsDoc doc;
    CString strError;
    CString strPath = folder.File("user.cmd");
    ASSERT_TRUE(doc.Save(strPath, strError));
    EXPECT_EQ(ReadWholeFile(strPath), DW(1) + DW(0));

    doc.Add(new CCommand);
    EXPECT_TRUE(doc.Load(folder.File("none.cmd"), strError));  // nothing saved yet: an empty list
    EXPECT_EQ(doc.GetCount(), 0);
    EXPECT_FALSE(doc.Load(folder.File("none.cmd"), strError, TRUE));
    EXPECT_FALSE(strError.IsEmpty());
}

TEST(CommandsFile, BadFilesAreRefusedAndChangeNothing)
{
    const std::string strGood = TwoCommands();
    struct {
        const char* pszName;
        std::string strBytes;
    } cases[] = {
        {"empty file", ""},
        {"only the version", DW(1)},
        {"version 2", DW(2) + DW(0)},
        {"version 0", DW(0) + DW(0)},
        {"count beyond the data", DW(1) + DW(3) + NewClass() + Fields(0, 0, 0, 0, "a", "b", "", "")},
        {"huge count", DW(1) + DW(0xFFFFFFFF)},
        {"another class", DW(1) + DW(1) + NewClass(1, "CProject") + Fields(0, 0, 0, 0, "a", "b", "", "")},
        {"unknown class", DW(1) + DW(1) + NewClass(1, "CNothing") + Fields(0, 0, 0, 0, "a", "b", "", "")},
        {"schema 2", DW(1) + DW(1) + NewClass(2) + Fields(0, 0, 0, 0, "a", "b", "", "")},
        {"null command", DW(1) + DW(1) + W(0)},
        {"same object twice", DW(1) + DW(2) + NewClass() + Fields(0, 0, 0, 0, "a", "b", "", "") + W(2)},
        {"string past the end", DW(1) + DW(1) + NewClass() + DW(0) + DW(0) + DW(0) + DW(0) + "\x09" "abc"},
        {"cut in the second command", strGood.substr(0, strGood.size() - 5)},
        {"cut in a switch", strGood.substr(0, 8 + 14 + 6)},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CTempFolder folder;
        CString strPath = folder.Write("user.cmd", c.strBytes);
        CCommandsDoc doc;
        CCommand* pKept = new CCommand;
        pKept->m_strName = "kept";
        doc.Add(pKept);
        CString strError;
        EXPECT_FALSE(doc.Load(strPath, strError));
        EXPECT_FALSE(strError.IsEmpty());
        ASSERT_EQ(doc.GetCount(), 1);
        EXPECT_EQ(doc.GetAt(0)->m_strName, "kept");
        EXPECT_EQ(ReadWholeFile(strPath), c.strBytes);
    }
}

TEST(CommandsFile, FailedSaveLeavesTheOldFile)
{
    CTempFolder folder;
    CCommandsDoc doc;
    CString strError;
    EXPECT_FALSE(doc.Save(folder.File("missing/user.cmd"), strError));
    EXPECT_FALSE(strError.IsEmpty());

    CString strPath = folder.Write("user.cmd", TwoCommands());
    std::filesystem::permissions(folder.Path().c_str(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    bool bWritable = ::access(folder.Path(), W_OK) == 0;  // root writes anyway
    if (!bWritable) {
        EXPECT_FALSE(doc.Save(strPath, strError));
    }
    std::filesystem::permissions(folder.Path().c_str(), std::filesystem::perms::owner_all);
    if (!bWritable) {
        EXPECT_EQ(ReadWholeFile(strPath), TwoCommands());
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path().c_str()),
                                std::filesystem::directory_iterator()), 1);  // no temporary left
    }
}

// A list made of commands described by a letter each: 'f' file menu, 'p'
// project menu, 'b' both, '-' neither, 'n' both but without a name, 'c'
// both but without a command text.
CCommandsDoc* MakeList(const char* pszKinds)
{
    CCommandsDoc* pDoc = new CCommandsDoc;
    for (const char* p = pszKinds; *p; ++p) {
        CCommand* pCommand = new CCommand;
        pCommand->m_strName.Format("c%d", static_cast<int>(p - pszKinds));
        pCommand->m_strCommand = "run";
        pCommand->m_bOnFileMenu = *p == 'f' || *p == 'b' || *p == 'n' || *p == 'c';
        pCommand->m_bOnProjectMenu = *p == 'p' || *p == 'b' || *p == 'n' || *p == 'c';
        if (*p == 'n')
            pCommand->m_strName.Empty();
        if (*p == 'c')
            pCommand->m_strCommand.Empty();
        pDoc->Add(pCommand);
    }
    return pDoc;
}

TEST(CommandsFile, MenuRule)
{
    struct {
        const char* pszKinds;
        std::vector<int> file, project;
    } cases[] = {
        {"", {}, {}},
        {"fpb-", {0, 2}, {1, 2}},
        {"ncb", {2}, {2}},
        {"bbbbbbbbbbbb", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"---------fff", {9}, {}},
        {"pppppppppppf", {}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.pszKinds);
        std::unique_ptr<CCommandsDoc> pDoc(MakeList(c.pszKinds));
        EXPECT_EQ(pDoc->GetMenuCommands(FALSE), c.file);
        EXPECT_EQ(pDoc->GetMenuCommands(TRUE), c.project);
    }

    std::unique_ptr<CCommandsDoc> pDoc(MakeList("fpb-fffffffff"));
    EXPECT_EQ(CCommandsDoc::GetMenuCommandId(0, FALSE), 49510u);
    EXPECT_EQ(CCommandsDoc::GetMenuCommandId(9, TRUE), 49529u);
    EXPECT_EQ(pDoc->FindMenuCommand(49512, FALSE), pDoc->GetAt(2));
    EXPECT_EQ(pDoc->FindMenuCommand(49521, TRUE), pDoc->GetAt(1));
    EXPECT_EQ(pDoc->FindMenuCommand(49511, FALSE), nullptr);  // project-only command
    EXPECT_EQ(pDoc->FindMenuCommand(49513, FALSE), nullptr);  // on no menu
    EXPECT_EQ(pDoc->FindMenuCommand(49520, FALSE), nullptr);  // outside the file menu's numbers
    EXPECT_EQ(pDoc->FindMenuCommand(49519, FALSE), pDoc->GetAt(9));
    EXPECT_EQ(pDoc->FindMenuCommand(49509, FALSE), nullptr);
}

} // namespace
