// Many runs through the real runners: afterwards the process holds the
// descriptors it held before, has no child left, and its memory has settled.
#include "ProgramRunState.h"
#include "ProgramRunner.h"
#include "RunnerTestSupport.h"
#include "TempFolder.h"
#include "ToolRunState.h"
#include "ToolRunner.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <unistd.h>

namespace {

// Resident memory of this process in bytes.
#ifdef __SANITIZE_ADDRESS__
extern "C" void __sanitizer_purge_allocator();
#endif

// The resident size of this process. Under AddressSanitizer freed memory
// waits in the sanitizer's quarantine first; it is handed back before the
// count, so that what is counted is what the runs keep.
long ResidentBytes()
{
#ifdef __SANITIZE_ADDRESS__
    __sanitizer_purge_allocator();
#endif
    long nPages = 0, nResident = 0;
    if (FILE* pFile = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(pFile, "%ld %ld", &nPages, &nResident) != 2)
            nResident = 0;
        std::fclose(pFile);
    }
    return nResident * sysconf(_SC_PAGESIZE);
}

constexpr int RUNS = 1000;
constexpr int JVM_RUNS = 20;
#ifdef __SANITIZE_ADDRESS__
// AddressSanitizer keeps a record of every thread and allocation stack it has
// seen (about 6 MB over these runs); its leak check at exit covers the rest.
constexpr long SETTLED_BYTES = 10L * 1024 * 1024;
#else
constexpr long SETTLED_BYTES = 5L * 1024 * 1024;
#endif

}  // namespace

TEST(RunnerSoakTest, AThousandToolRunsAndAThousandProgramRunsLeaveNothingBehind)
{
    CTempFolder folder;
    CToolRunState toolRecord;
    CToolRunner tools(toolRecord);
    CProgramRunState programRecord;
    CProgramRunner programs(programRecord);
    const int nFdsBefore = CountOpenFds();
    long nResidentAt100 = 0;

    for (int i = 0; i < RUNS; ++i) {
        SCOPED_TRACE(i);
        {
            CRecordingWindow frame;
            CRecordingOutput output;
            ASSERT_TRUE(tools.Start("echo tool", folder.Path(), "", 0, WM_COMPILE_DONE, frame.GetHandle(), &output));
            ASSERT_TRUE(WaitUntil([&] { return frame.HasMessage(WM_COMPILE_DONE); }));
            // The completion handler's part: the output, and the record idle.
            CString strText;
            ASSERT_TRUE(tools.TakeRedirectText(strText));
            ASSERT_EQ(strText, "tool\n");
            toolRecord.m_bRunning = FALSE;
            ASSERT_TRUE(CRunThreads::WaitIdle(60000));
        }
        {
            CRecordingWindow frame;
            CRecordingOutput output;
            // Every fiftieth run starts a real virtual machine.
            const char* pszLine = i % (RUNS / JVM_RUNS) == 0 ? MOSK_JAVA_EXE " -Xshare:auto -version" : "echo program";
            ASSERT_TRUE(programs.Start(pszLine, folder.Path(), frame.GetHandle(), &output));
            ASSERT_TRUE(WaitUntil([&] { return !programs.IsBusy(); }));
            ASSERT_TRUE(CRunThreads::WaitIdle(60000));
            ASSERT_NE(frame.AllChunks().find("Application Exit..."), std::string::npos) << frame.AllChunks();
        }
        if (i == 99)
            nResidentAt100 = ResidentBytes();
    }
    EXPECT_EQ(CountOpenFds(), nFdsBefore);
    EXPECT_FALSE(HasZombieOrChild());
    const long nResidentEnd = ResidentBytes();
    EXPECT_LE(nResidentEnd - nResidentAt100, SETTLED_BYTES)
        << "after 100 runs " << nResidentAt100 << " bytes, at the end " << nResidentEnd;
    std::printf("soak: %d tool runs, %d program runs (%d JVMs); resident %ld KB after 100, %ld KB at the end\n", RUNS,
                RUNS, JVM_RUNS, nResidentAt100 / 1024, nResidentEnd / 1024);
}
