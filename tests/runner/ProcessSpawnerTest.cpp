#include "ProcessSpawner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct SplitCase {
    const char* pszName;
    const char* pszLine;
    std::vector<std::string> expected;
};

const SplitCase kSplitCases[] = {
    {"empty", "", {}},
    {"blanks only", "  \t ", {}},
    {"words", "javac  -g\tFoo.java", {"javac", "-g", "Foo.java"}},
    {"quoted blanks", "java -cp \"/a b/c\" Main", {"java", "-cp", "/a b/c", "Main"}},
    {"quote inside word", "a\"b c\"d e", {"ab cd", "e"}},
    {"empty quoted argument", "prog \"\" x", {"prog", "", "x"}},
    {"escaped quote", "echo \\\"hi\\\"", {"echo", "\"hi\""}},
    {"two backslashes then quote", "a\\\\\"b c\"", {"a\\b c"}},
    {"three backslashes then quote", "a\\\\\\\"b", {"a\\\"b"}},
    {"backslashes without quote", "C:\\dir\\x y\\\\z", {"C:\\dir\\x", "y\\\\z"}},
    {"doubled quote inside quotes", "\"say \"\"hi\"\"\"", {"say \"hi\""}},
    {"unterminated quote", "a \"b c", {"a", "b c"}},
};

TEST(ProcessSpawnerTest, SplitsCommandLinesLikeWindows)
{
    for (const SplitCase& c : kSplitCases) {
        std::vector<std::string> got;
        for (const CString& s : CProcessSpawner::SplitCommandLine(c.pszLine))
            got.push_back(s.str());
        EXPECT_EQ(got, c.expected) << c.pszName;
    }
}

TEST(ProcessSpawnerTest, FindsProgramsInPath)
{
    const CString strSh = CProcessSpawner::FindProgram("sh");
    ASSERT_FALSE(strSh.IsEmpty());
    EXPECT_EQ(access(strSh, X_OK), 0);
    EXPECT_EQ(CProcessSpawner::FindProgram("./relative/prog"), "./relative/prog");
    EXPECT_TRUE(CProcessSpawner::FindProgram("mosk-no-such-program-xyz").IsEmpty());
    EXPECT_TRUE(CProcessSpawner::FindProgram("").IsEmpty());
}

struct FailCase {
    const char* pszName;
    const char* pszLine;
    const char* pszDir;
    const char* pszReason;   // part of the error text
};

TEST(ProcessSpawnerTest, StartFailuresGiveAReasonAndNoProcess)
{
    const FailCase cases[] = {
        {"empty line", "   ", nullptr, "empty"},
        {"missing program", "mosk-no-such-program-xyz -x", nullptr, "\"mosk-no-such-program-xyz\" was not found"},
        {"missing folder", "/bin/sh -c true", "/nonexistent/mosk-dir", "\"/nonexistent/mosk-dir\" does not exist"},
        {"not executable", "/etc/hostname", nullptr, "/etc/hostname: "},
    };
    const int fdNull = CProcessSpawner::OpenNullInput();
    ASSERT_GE(fdNull, 0);
    for (const FailCase& c : cases) {
        pid_t nPid = 123;
        CString strError;
        EXPECT_FALSE(CProcessSpawner::Spawn(c.pszLine, c.pszDir, fdNull, fdNull, fdNull, nPid, strError)) << c.pszName;
        EXPECT_EQ(nPid, 0) << c.pszName;
        EXPECT_NE(strError.Find(c.pszReason), -1) << c.pszName << ": " << strError.c_str();
    }
    close(fdNull);
}

TEST(ProcessSpawnerTest, ChildRunsInTheWorkingFolderWithTheGivenDescriptors)
{
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    const int fdNull = CProcessSpawner::OpenNullInput();
    pid_t nPid = 0;
    CString strError;
    ASSERT_TRUE(CProcessSpawner::Spawn("/bin/sh -c \"pwd; echo err >&2\"", "/usr", fdNull, fds[1], fds[1], nPid, strError))
        << strError.c_str();
    close(fds[1]);
    close(fdNull);
    std::string strOut;
    char buffer[256];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0)
        strOut.append(buffer, static_cast<size_t>(n));
    close(fds[0]);
    int nStatus = 0;
    ASSERT_EQ(waitpid(nPid, &nStatus, 0), nPid);
    EXPECT_EQ(strOut, "/usr\nerr\n");
}

TEST(ProcessSpawnerTest, WriteToAClosedReaderFailsWithoutSignal)
{
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_CLOEXEC), 0);
    EXPECT_TRUE(CProcessSpawner::WriteAll(fds[1], "abc", 3));
    close(fds[0]);
    EXPECT_FALSE(CProcessSpawner::WriteAll(fds[1], "abc", 3));   // would kill the test by SIGPIPE otherwise
    close(fds[1]);
    EXPECT_FALSE(CProcessSpawner::WriteAll(-1, "abc", 3));
}

} // namespace
