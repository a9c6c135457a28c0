#include "ArchiveFile.h"
#include "AtomicFile.h"
#include "Profile.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

size_t s_nKillAt = 0;

// Dies the way a crash or a power cut would: no clean-up, no destructor.
BOOL KillWhenReached(size_t nWrittenSoFar)
{
    if (nWrittenSoFar >= s_nKillAt)
        raise(SIGKILL);
    return TRUE;
}

BOOL FailAlways(size_t)
{
    return FALSE;
}

// Runs fnWrite in a child process that is killed once nKillAt bytes have
// gone out; TRUE when the child died of the signal.
bool RunKilledAt(size_t nKillAt, const std::function<void()>& fnWrite)
{
    pid_t pid = fork();
    if (pid == 0) {
        s_nKillAt = nKillAt;
        CAtomicFile::SetFaultHook(KillWhenReached);
        fnWrite();
        _exit(0);
    }
    int nStatus = 0;
    waitpid(pid, &nStatus, 0);
    return WIFSIGNALED(nStatus) && WTERMSIG(nStatus) == SIGKILL;
}

int CountFiles(const CString& strFolder)
{
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(strFolder.c_str()))
        n += entry.is_regular_file() ? 1 : 0;
    return n;
}

class AtomicFileTest : public ::testing::Test {
protected:
    void TearDown() override { CAtomicFile::SetFaultHook(nullptr); }
    CTempFolder m_folder;
};

}  // namespace

TEST_F(AtomicFileTest, AWriterKilledMidwayLeavesTheOldFileWhole)
{
    const std::string strOld(100000, 'o');
    std::string strNew;
    for (int i = 0; i < 20000; ++i)
        strNew += "line " + std::to_string(i) + "\n";
    CString strPath = m_folder.File("target.txt");
    struct Writer {
        const char* pszName;
        std::function<void()> fnWrite;
    } writers[] = {
        {"chunked writes", [&] {
             CAtomicFile file;
             CString strError;
             if (!file.Open(strPath, strError))
                 _exit(2);
             for (size_t n = 0; n < strNew.size(); n += 4096)
                 file.Write(strNew.data() + n, std::min<size_t>(4096, strNew.size() - n));
             file.Commit(strError);
         }},
        {"whole-file writer", [&] {
             CString strError;
             CArchiveFile::WriteWholeFile(strPath, strNew, strError);
         }},
        {"settings file", [&] {
             CProfile profile(strPath);
             profile.WriteString("S", "k", strNew.substr(0, 50000).c_str());
         }},
    };
    // Killed before the first byte, in the middle and just before the end.
    const size_t killPoints[] = {0, 4096, 40960, strNew.size() - 4096};
    for (const Writer& writer : writers) {
        for (size_t nKillAt : killPoints) {
            SCOPED_TRACE(testing::Message() << writer.pszName << " killed at " << nKillAt);
            m_folder.Write("target.txt", strOld);
            if (!RunKilledAt(nKillAt, writer.fnWrite))
                continue;  // this writer issues fewer writes: it finished before the point
            EXPECT_EQ(ReadWholeFile(strPath), strOld);
        }
        SCOPED_TRACE(writer.pszName);
        m_folder.Write("target.txt", strOld);
        ASSERT_FALSE(RunKilledAt(SIZE_MAX, writer.fnWrite));
        EXPECT_NE(ReadWholeFile(strPath), strOld);
    }
}

TEST_F(AtomicFileTest, AFailedWriteChangesNothingAndLeavesNoTemporaryFile)
{
    CString strPath = m_folder.Write("a.txt", "old");
    CAtomicFile::SetFaultHook(FailAlways);
    CString strError;
    EXPECT_FALSE(CAtomicFile::WriteFile(strPath, "new", 3, strError));
    EXPECT_FALSE(strError.IsEmpty());
    CAtomicFile::SetFaultHook(nullptr);
    EXPECT_EQ(ReadWholeFile(strPath), "old");
    EXPECT_EQ(CountFiles(m_folder.Path()), 1);

    // An abandoned writer removes its temporary file.
    {
        CAtomicFile file;
        ASSERT_TRUE(file.Open(strPath, strError));
        file.Write("partial", 7);
    }
    EXPECT_EQ(ReadWholeFile(strPath), "old");
    EXPECT_EQ(CountFiles(m_folder.Path()), 1);
}

TEST_F(AtomicFileTest, KeepsModeAndFollowsLinks)
{
    CString strReal = m_folder.Write("real.txt", "old");
    chmod(strReal, 0604);
    CString strLink = m_folder.File("link.txt");
    ASSERT_EQ(symlink("real.txt", strLink), 0);
    CString strError;
    ASSERT_TRUE(CAtomicFile::WriteFile(strLink, "new", 3, strError)) << strError.c_str();
    struct stat st {};
    ASSERT_EQ(lstat(strLink, &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(ReadWholeFile(strReal), "new");
    ASSERT_EQ(stat(strReal, &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0604u);

    // A file without write permission is refused with the reason.
    chmod(strReal, 0444);
    EXPECT_FALSE(CAtomicFile::WriteFile(strReal, "x", 1, strError));
    EXPECT_STREQ(strError, std::strerror(EACCES));
    EXPECT_EQ(ReadWholeFile(strReal), "new");
}

TEST_F(AtomicFileTest, RenameNeverReplacesAFileThatAppeared)
{
    CString strFrom = m_folder.Write("from.txt", "from");
    CString strTo = m_folder.Write("to.txt", "to");
    EXPECT_FALSE(CAtomicFile::RenameNoReplace(strFrom, strTo));
    EXPECT_EQ(errno, EEXIST);
    EXPECT_EQ(ReadWholeFile(strTo), "to");
    EXPECT_EQ(ReadWholeFile(strFrom), "from");
    CString strFree = m_folder.File("free.txt");
    EXPECT_TRUE(CAtomicFile::RenameNoReplace(strFrom, strFree));
    EXPECT_EQ(ReadWholeFile(strFree), "from");
    EXPECT_NE(access(strFrom, F_OK), 0);
}
