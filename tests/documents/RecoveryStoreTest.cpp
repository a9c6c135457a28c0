#include "RecoveryFiles.h"
#include "RecoveryStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

int CountFiles(const CString& strFolder)
{
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder.c_str()))
        n += entry.is_regular_file() ? 1 : 0;
    return n;
}

}  // namespace

TEST(RecoveryStoreTest, KeepsEachTextByteForByteForTheNextStart)
{
    CTempFolder folder;
    CRecoveryStore store(folder.File("recovery"));
    const std::string strBinary("a\0b\r\nc\n\xff\xfe tail", 15);
    CString strError;
    ASSERT_TRUE(store.Write("/src/A.java", "", "class A {}\r\n", 100, strError)) << strError.c_str();
    ASSERT_TRUE(store.Write("", "untitled1", strBinary, 200, strError));
    ASSERT_TRUE(store.Write("/src/Empty.java", "", "", 50, strError));
    // A later write of the same document replaces its file.
    ASSERT_TRUE(store.Write("/src/A.java", "", "class A { int n; }\r\n", 150, strError));
    EXPECT_EQ(CountFiles(store.GetFolder()), 3);
    EXPECT_EQ(std::filesystem::status(store.GetFolder().c_str()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);

    // The program that wrote them still runs: nothing to offer yet.
    EXPECT_TRUE(store.FindOrphans().empty());

    HandOverRecoveryFiles(store.GetFolder(), EndedProcess());
    std::vector<CRecoveryStore::CEntry> entries = store.FindOrphans();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(store.Dump(), "/src/Empty.java||50|0\n/src/A.java||150|20\n|untitled1|200|15\n");
    EXPECT_EQ(entries[1].m_strText, "class A { int n; }\r\n");
    EXPECT_EQ(entries[2].m_strText, strBinary);

    // This program's own clean-up leaves another program's files alone.
    store.RemoveOwn();
    EXPECT_EQ(CountFiles(store.GetFolder()), 3);
    CRecoveryStore::Remove(entries[0]);
    EXPECT_EQ(store.FindOrphans().size(), 2u);
}

TEST(RecoveryStoreTest, DamagedFilesAreNeitherOfferedNorRemoved)
{
    CTempFolder folder;
    CRecoveryStore store(folder.File("recovery"));
    CString strError;
    ASSERT_TRUE(store.Write("/src/B.java", "", "0123456789", 1, strError));
    std::string strWhole = CRecoveryStore::Format("/src/B.java", "", "0123456789", 1);
    int nDead = EndedProcess();
    HandOverRecoveryFiles(store.GetFolder(), nDead);
    ASSERT_EQ(store.FindOrphans().size(), 1u);

    struct Case {
        const char* pszName;
        std::string strData;
    } cases[] = {
        {"cut in the text", strWhole.substr(0, strWhole.size() - 1)},
        {"cut in the header", strWhole.substr(0, 30)},
        {"empty", ""},
        {"text longer than said", strWhole + "x"},
        {"another file", "[Java]\nExePath=/usr\n"},
        {"no blank line", std::string(strWhole).erase(strWhole.find("\n\n"), 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CString strFile = folder.Write(("recovery/" + std::to_string(nDead) + "-bad.recover").c_str(), c.strData);
        CRecoveryStore::CEntry entry;
        EXPECT_FALSE(CRecoveryStore::Read(strFile, entry));
        EXPECT_EQ(store.FindOrphans().size(), 1u);
        EXPECT_TRUE(std::filesystem::exists(strFile.c_str()));
    }
    // Names that are not recovery files are never taken for one.
    folder.Write("recovery/notes.txt", strWhole);
    folder.Write("recovery/x-1.recover", strWhole);
    EXPECT_EQ(store.FindOrphans().size(), 1u);
}

TEST(RecoveryStoreTest, KeepsOnlyTheDocumentsStillUnsaved)
{
    CTempFolder folder;
    CRecoveryStore store(folder.File("recovery"));
    CString strError;
    ASSERT_TRUE(store.Write("/a/One.java", "", "1", 1, strError));
    ASSERT_TRUE(store.Write("/a/Two.java", "", "2", 1, strError));
    ASSERT_TRUE(store.Write("", "untitled3", "3", 1, strError));
    store.RemoveAllBut({CRecoveryStore::GetKey("/a/Two.java", ""), CRecoveryStore::GetKey("", "untitled3")});
    HandOverRecoveryFiles(store.GetFolder(), EndedProcess());
    EXPECT_EQ(store.Dump(), "|untitled3|1|1\n/a/Two.java||1|1\n");
}
