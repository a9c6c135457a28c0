// Drives Subwright.Replace through a real Java virtual machine.
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

enum EKind { kRegular, kMissing, kFolder, kReadOnly };

struct SJavaCase {
    const char* pszName;
    std::string strBefore = "//B\nold\n//E\n";
    const char* pszFileName = "A.java";  // null: the file argument is null
    EKind nKind = kRegular;
    bool bCutPath = false;               // pass the path with a tail and its length
    const char* pszBegin = "//B";        // null: a null argument
    int nBeginLength = 0;
    const char* pszEnd = "//E";
    int nEndLength = 0;
    const char* pszText = "x";
    int nTextLength = 0;
    int nCode = 0;
    std::string strAfter = "//B\nx\n//E\n";
};

const SJavaCase g_cases[] = {
    {.pszName = "trims new text", .strBefore = "  //B\r\n  old\r\n  //E\r\n", .pszText = "\r\n\n \v\f\tx();\r\n\r\n",
     .strAfter = "  //B\r\n  x();\r\n  //E\r\n"},
    {.pszName = "comment past marker", .strBefore = "//B generated, keep\nold\n//E\n",
     .strAfter = "//B generated, keep\nx\n//E\n"},
    {.pszName = "white space only", .strBefore = "//B\n   \n//E\n", .strAfter = "//B\nx   \n//E\n"},
    {.pszName = "string and block comment", .strBefore = "s(\"//B\");\n/* //B */\nold\n//E\n", .nCode = 3},
    {.pszName = "end missing", .strBefore = "//B\nold\n", .nCode = 4},
    {.pszName = "end before begin", .strBefore = "//E\nold\n//B\n", .nCode = 6},
    {.pszName = "missing file", .nKind = kMissing, .nCode = 1},
    {.pszName = "folder", .nKind = kFolder, .nCode = 1},
    {.pszName = "read-only", .nKind = kReadOnly, .nCode = 1},
    {.pszName = "null file", .pszFileName = nullptr, .nCode = 1},
    {.pszName = "null marker", .pszBegin = nullptr, .nCode = 3},
    {.pszName = "null text", .pszText = nullptr, .strAfter = "//B\n\n//E\n"},
    {.pszName = "lengths cut", .bCutPath = true, .pszBegin = "//Bxyz", .nBeginLength = 3, .pszEnd = "//E\u00e4",
     .nEndLength = 3, .pszText = "x();junk", .nTextLength = 4, .strAfter = "//B\nx();\n//E\n"},
    {.pszName = "lengths too long", .pszBegin = "//B", .nBeginLength = 99, .pszText = "x", .nTextLength = 99},
    // Lengths count characters as Java does (UTF-16 units): 9 of them are "//B Grüße".
    {.pszName = "non-ASCII", .strBefore = "// \u00e4\n//B Gr\u00fc\u00dfe\nalt\n//E\n",
     .pszFileName = "Gr\u00f6\u00dfe.java", .pszBegin = "//B Gr\u00fc\u00dfen", .nBeginLength = 9,
     .pszText = "s = \"\u20ac \U0001F600 \\uD83D\\uDE00 \\uDC00\";",
     .strAfter = "// \u00e4\n//B Gr\u00fc\u00dfe\ns = \"\u20ac \U0001F600 \U0001F600 \uFFFD\";\n//E\n"},
    {.pszName = "non-ASCII text with its own length", .pszText = "caf\u00e9 \u00fc \u20acjunk", .nTextLength = 8,
     .strAfter = "//B\ncaf\u00e9 \u00fc \u20ac\n//E\n"},
    {.pszName = "cut inside a surrogate pair", .pszText = "ab\U0001F600c", .nTextLength = 3,
     .strAfter = "//B\nab\n//E\n"},
};

struct SJavaRun {
    int nStatus = -1;
    std::vector<int> codes;
};

// The environment of the Java virtual machine. In the AddressSanitizer build
// libsubwright needs the sanitizer's runtime loaded before anything else in
// the process, so it is preloaded; the machine takes SIGSEGV itself (null
// checks, safepoints), and the leak check is left to the in-process tests of
// the replacer, since the machine keeps its own memory until it exits.
std::vector<std::string> DriverEnvironment()
{
    std::vector<std::string> env;
    for (char** ppsz = environ; *ppsz; ++ppsz) {
        std::string str = *ppsz;
#ifdef MOSK_ASAN_RUNTIME
        if (str.starts_with("LD_PRELOAD=") || str.starts_with("ASAN_OPTIONS="))
            continue;
#endif
        env.push_back(str);
    }
#ifdef MOSK_ASAN_RUNTIME
    env.push_back("LD_PRELOAD=" MOSK_ASAN_RUNTIME);
    env.push_back("ASAN_OPTIONS=detect_leaks=0:handle_segv=0");
#endif
    return env;
}

// Runs the driver over the argument files in a Java virtual machine, with
// an optional limit on the size of files it writes, and waits for it.
SJavaRun RunDriver(const CTempFolder& folder, const std::vector<std::string>& argFiles,
                   rlim_t nFileSizeLimit = RLIM_INFINITY)
{
    std::vector<std::string> args = {MOSK_JAVA_EXE, "-XX:-UsePerfData", "-XX:TieredStopAtLevel=1",
                                     "-Djava.io.tmpdir=" + folder.Path().str(),
                                     "-Djava.library.path=" MOSK_SUBWRIGHT_DIR, "-cp", MOSK_JAVA_CLASSPATH,
                                     "ReplaceDriver"};
    args.insert(args.end(), argFiles.begin(), argFiles.end());
    std::vector<char*> argv;
    for (std::string& str : args)
        argv.push_back(str.data());
    argv.push_back(nullptr);
    std::vector<std::string> env = DriverEnvironment();
    std::vector<char*> envp;
    for (std::string& str : env)
        envp.push_back(str.data());
    envp.push_back(nullptr);

    SJavaRun run;
    int fds[2];
    if (pipe(fds) != 0)
        return run;
    pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[1], STDOUT_FILENO);
        close(fds[0]);
        close(fds[1]);
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{nFileSizeLimit, nFileSizeLimit};
        if (nFileSizeLimit != RLIM_INFINITY && setrlimit(RLIMIT_FSIZE, &limit) != 0)
            _exit(126);
        execve(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    close(fds[1]);
    std::string strOut;
    char chunk[4096];
    ssize_t n;
    while ((n = read(fds[0], chunk, sizeof(chunk))) > 0 || (n < 0 && errno == EINTR))
        if (n > 0)
            strOut.append(chunk, static_cast<size_t>(n));
    close(fds[0]);
    if (pid > 0)
        while (waitpid(pid, &run.nStatus, 0) < 0 && errno == EINTR) {
        }
    std::istringstream lines(strOut);
    for (int nCode; lines >> nCode;)
        run.codes.push_back(nCode);
    return run;
}

void WriteBytes(const std::string& strPath, const std::string& strBytes)
{
    std::ofstream(strPath, std::ios::binary) << strBytes;
}

std::string Field(const char* psz)
{
    return psz ? psz : "<null>";
}

// The driver's argument file: the eight arguments separated by NUL bytes.
std::string JoinFields(std::initializer_list<std::string> fields)
{
    std::string str;
    for (const std::string& strField : fields)
        str += (str.empty() ? "" : std::string(1, '\0')) + strField;
    return str;
}

TEST(SubwrightTest, ReplacesThroughTheJavaVirtualMachine)
{
    CTempFolder folder;
    std::vector<std::string> argFiles, paths;
    for (size_t i = 0; i < std::size(g_cases); ++i) {
        const SJavaCase& c = g_cases[i];
        std::string strDir = folder.File(std::to_string(i).c_str()).str();
        std::filesystem::create_directory(strDir);
        std::string strPath = strDir + "/" + (c.pszFileName ? c.pszFileName : "A.java");
        if (c.nKind == kFolder)
            std::filesystem::create_directory(strPath);
        else if (c.nKind != kMissing)
            WriteBytes(strPath, c.strBefore);
        if (c.nKind == kReadOnly)
            chmod(strPath.c_str(), 0444);
        paths.push_back(strPath);

        std::string strFileArg = c.pszFileName ? strPath + (c.bCutPath ? ".tail" : "") : Field(nullptr);
        int nFileLength = c.bCutPath ? static_cast<int>(strPath.size()) : 0;
        argFiles.push_back(strDir + ".args");
        WriteBytes(argFiles.back(),
                   JoinFields({strFileArg, std::to_string(nFileLength), Field(c.pszBegin), std::to_string(c.nBeginLength),
                               Field(c.pszEnd), std::to_string(c.nEndLength), Field(c.pszText),
                               std::to_string(c.nTextLength)}));
    }

    SJavaRun run = RunDriver(folder, argFiles);
    ASSERT_TRUE(WIFEXITED(run.nStatus) && WEXITSTATUS(run.nStatus) == 0) << run.nStatus;
    ASSERT_EQ(std::size(g_cases), run.codes.size());
    for (size_t i = 0; i < std::size(g_cases); ++i) {
        const SJavaCase& c = g_cases[i];
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(c.nCode, run.codes[i]);
        if (c.nKind == kRegular || c.nKind == kReadOnly) {
            EXPECT_EQ(c.nCode == 0 ? c.strAfter : c.strBefore, ReadWholeFile(paths[i].c_str()));
        }
    }
}

TEST(SubwrightTest, FailedWriteInTheJavaVirtualMachineKeepsTheOriginal)
{
    CTempFolder folder;
    const std::string strBefore = "//B\nold\n//E\n";
    std::string strPath = folder.Write("A.java", strBefore).str();
    WriteBytes(folder.File("args").str(), JoinFields({strPath, "0", "//B", "0", "//E", "0", std::string(200, 'x'), "0"}));

    SJavaRun run = RunDriver(folder, {folder.File("args").str()}, 64);
    ASSERT_TRUE(WIFEXITED(run.nStatus) && WEXITSTATUS(run.nStatus) == 0) << run.nStatus;
    EXPECT_EQ(std::vector<int>{5}, run.codes);
    EXPECT_EQ(strBefore, ReadWholeFile(strPath.c_str()));
    EXPECT_EQ(2, std::distance(std::filesystem::directory_iterator(folder.Path().c_str()),
                               std::filesystem::directory_iterator()));
}

} // namespace
