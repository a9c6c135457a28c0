// A program run that prints 10 MB: the time from the start of the run to
// "Application Exit..." in the output window, and the longest time the
// user-interface thread spends on one output chunk. The program is a real
// Java class compiled with the installed javac into a temporary folder.
#include "FixedSystemColors.h"
#include "JavaIDEApp.h"
#include "ProgramRunner.h"
#include "RunMessages.h"
#include "RunThreads.h"
#include "ToolCommands.h"
#include "ToolDocumentHost.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int LINE_COUNT = 163840;  // 64 bytes a line: 10 MB
const char* const FLOOD_SOURCE =
    "import java.io.*;\n"
    "public class Flood {\n"
    "    public static void main(String[] args) throws IOException {\n"
    "        OutputStream out = new BufferedOutputStream(new FileOutputStream(FileDescriptor.out), 65536);\n"
    "        byte[] line = \"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXY00\\n\".getBytes();\n"
    "        for (int i = 0; i < 163840; i++) {\n"
    "            line[61] = (byte) ('0' + i / 10 % 10);\n"
    "            line[62] = (byte) ('0' + i % 10);\n"
    "            out.write(line);\n"
    "        }\n"
    "        out.flush();\n"
    "    }\n"
    "}\n";

// The tool commands with the chunk handler timed.
class CTimedToolCommands : public CToolCommands {
public:
    using CToolCommands::CToolCommands;

    LRESULT OnWindowMessage(UINT nMsg, WPARAM wParam, LPARAM lParam) override
    {
        if (nMsg != WM_OUTPUT_CHUNK)
            return CToolCommands::OnWindowMessage(nMsg, wParam, lParam);
        Clock::time_point start = Clock::now();
        LRESULT nResult = CToolCommands::OnWindowMessage(nMsg, wParam, lParam);
        Clock::time_point end = Clock::now();
        m_maxChunk = std::max(m_maxChunk, end - start);
        m_allChunks += end - start;
        ++m_nChunks;
        const COutputChunk* pChunk = reinterpret_cast<const COutputChunk*>(lParam);
        if (pChunk && std::strcmp(pChunk->m_pBytes, "Application Exit...") == 0)
            m_exitSeen = end;
        return nResult;
    }

    Clock::duration m_maxChunk{};
    Clock::duration m_allChunks{};
    Clock::time_point m_exitSeen{};
    long m_nChunks = 0;
};

struct CBenchFolder {
    CBenchFolder()
    {
        char szTemplate[] = "/tmp/moskrunbenchXXXXXX";
        m_path = ::mkdtemp(szTemplate) ? szTemplate : "";
    }
    ~CBenchFolder()
    {
        std::error_code error;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, error);
    }
    std::string m_path;
};

CBenchFolder& Folder()
{
    static CBenchFolder s_folder;
    return s_folder;
}

// Compiles Flood.java once; FALSE when javac failed.
bool PrepareFlood()
{
    static int s_nState = 0;  // 0 not tried, 1 ready, 2 failed
    if (s_nState == 0) {
        std::ofstream(Folder().m_path + "/Flood.java") << FLOOD_SOURCE;
        std::string strCommand = "cd '" + Folder().m_path + "' && javac Flood.java";
        s_nState = std::system(strCommand.c_str()) == 0 ? 1 : 2;
    }
    return s_nState == 1;
}

void BM_ProgramRunTenMegabytes(benchmark::State& state)
{
    if (!PrepareFlood()) {
        state.SkipWithError("javac could not compile Flood.java");
        return;
    }
    static const CFixedSystemColors s_colors(RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 128));
    CJavaIDEApp app(s_colors);
    CToolDocumentHost host;
    double dWorstExit = 0, dWorstChunk = 0, dTotalExit = 0, dTotalHandling = 0;
    long nChunks = 0;
    for (auto _ : state) {
        CTimedToolCommands tools(app, host);
        std::string strCommandLine = "java -cp " + Folder().m_path + " Flood";
        Clock::time_point start = Clock::now();
        if (!tools.StartProgramRun(strCommandLine.c_str(), Folder().m_path.c_str())) {
            state.SkipWithError("the program run did not start");
            return;
        }
        // A run that never ends is a failure, not a hang of the benchmark.
        const Clock::time_point giveUp = start + std::chrono::seconds(60);
        while (tools.m_exitSeen == Clock::time_point{} && Clock::now() < giveUp)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (tools.m_exitSeen == Clock::time_point{}) {
            tools.OnCommand(CToolCommands::ID_STOP_RUN);
            CRunThreads::WaitIdle(10000);
            state.SkipWithError("the program run did not end within 60 s");
            return;
        }
        double dExit = std::chrono::duration<double, std::milli>(tools.m_exitSeen - start).count();
        double dChunk = std::chrono::duration<double, std::milli>(tools.m_maxChunk).count();
        state.SetIterationTime(dExit / 1000.0);
        dWorstExit = std::max(dWorstExit, dExit);
        dWorstChunk = std::max(dWorstChunk, dChunk);
        dTotalExit += dExit;
        dTotalHandling += std::chrono::duration<double, std::milli>(tools.m_allChunks).count();
        nChunks = tools.m_nChunks;
        size_t nLength = static_cast<size_t>(tools.GetOutputWnd().GetText().GetLength());
        if (nLength < static_cast<size_t>(LINE_COUNT) * 65) {
            state.SkipWithError("the output window lost text");
            return;
        }
        CRunThreads::WaitIdle(10000);
    }
    state.counters["exit_ms_mean"] = dTotalExit / static_cast<double>(state.iterations());
    state.counters["exit_ms_worst"] = dWorstExit;
    state.counters["chunk_ms_worst"] = dWorstChunk;
    state.counters["chunks"] = static_cast<double>(nChunks);
    state.counters["handling_ms_mean"] = dTotalHandling / static_cast<double>(state.iterations());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * LINE_COUNT * 64);
    std::printf("10 MB program run: start to \"Application Exit...\" %.0f ms (worst %.0f ms, target <= 2000); "
                "longest chunk on the UI thread %.2f ms (target <= 50); %ld chunks\n",
                dTotalExit / static_cast<double>(state.iterations()), dWorstExit, dWorstChunk, nChunks);
}
BENCHMARK(BM_ProgramRunTenMegabytes)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv)
{
    // Settings and data of the run stay in the benchmark's own folder.
    std::string strConfig = Folder().m_path + "/config";
    std::string strData = Folder().m_path + "/data";
    std::filesystem::create_directories(strConfig);
    std::filesystem::create_directories(strData);
    ::setenv("MOSK_CONFIG_DIR", strConfig.c_str(), 1);
    ::setenv("MOSK_DATA_DIR", strData.c_str(), 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
