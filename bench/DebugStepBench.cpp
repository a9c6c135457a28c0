// A debugger step in the main window (offscreen, the real debugger): the
// time from the debugger's stop answer arriving on the pipe (read by the
// run's reader) to the source window showing the stop line (the view has
// carried out the jump: debugger glyph and caret on the line). One step a
// measurement, 50 steps through a long method; the median is reported.
#include "DebugController.h"
#include "Debugger.h"
#include "DebuggerRun.h"
#include "DocumentWindows.h"
#include "FixedSystemColors.h"
#include "JavaIDEView.h"
#include "MainFrame.h"
#include "MainFrameCommands.h"
#include "MoskApp.h"
#include "Project.h"
#include "ProjectDoc.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int STEP_COUNT = 50;
constexpr int FIRST_LINE = 4;

std::atomic<long long> g_nArrival{0};   // steady-clock ticks of the last stop read from the pipe

void OnRead(const char* pBytes, int)
{
    if (std::strstr(pBytes, "Step completed:") || std::strstr(pBytes, "Breakpoint hit:"))
        g_nArrival = Clock::now().time_since_epoch().count();
}

std::string Source()
{
    std::string str = "public class Steps {\n    public static void main(String[] args) {\n        int x = 0;\n";
    for (int i = 0; i < STEP_COUNT + 5; ++i)
        str += "        x = x + " + std::to_string(i) + ";\n";   // lines 4 ...
    return str + "        System.out.println(x);\n    }\n}\n";
}

bool WaitFor(const std::function<bool()>& fnDone, int nMilliseconds)
{
    auto end = Clock::now() + std::chrono::milliseconds(nMilliseconds);
    while (!fnDone()) {
        if (Clock::now() > end)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    return true;
}

void BM_DebuggerStepToSourceLine(benchmark::State& state)
{
    char szTemplate[] = "/tmp/moskdebugbenchXXXXXX";
    const std::string strFolder = ::mkdtemp(szTemplate) ? szTemplate : "";
    ::setenv("MOSK_CONFIG_DIR", (strFolder + "/config").c_str(), 1);
    ::setenv("MOSK_DATA_DIR", (strFolder + "/data").c_str(), 1);
    ::setenv("MOSK_NO_FIRST_RUN", "1", 1);
    std::filesystem::create_directories(strFolder + "/config");
    std::filesystem::create_directories(strFolder + "/data");
    std::ofstream(strFolder + "/config/mosk.ini") << "[Help]\nWarning=1\n[Editor]\nTip=0\n";
    const std::string strSource = strFolder + "/Steps.java";
    std::ofstream(strSource) << Source();
    if (std::system(("javac -g -d '" + strFolder + "' '" + strSource + "'").c_str()) != 0) {
        state.SkipWithError("javac failed");
        return;
    }

    std::vector<double> samples;
    {
        CFixedSystemColors colors;
        CMoskApp app(colors);
        if (!app.InitInstance(nullptr)) {
            state.SkipWithError("start-up failed");
            return;
        }
        CMainFrame& frame = *app.GetMainFrame();
        CProjectDoc& doc = *app.GetProjectDoc();
        doc.OpenProject((strFolder + "/Steps.mosk").c_str(), TRUE);
        CProject& project = doc.GetProject();
        project.AddFile(strSource.c_str());
        project.m_strMainClass = "Steps.java";
        project.m_options.m_bCompDebug = TRUE;
        project.AddBreakpoint(strSource.c_str(), "Steps", FIRST_LINE);
        frame.OpenFile(QString::fromStdString(strSource));
        CJavaIDEView& view = CDocumentWindows::GetView(frame.GetDocumentWindows().Find(strSource.c_str()));
        CDebuggerRun::SetReadObserver(&OnRead);
        frame.GetCommands().Execute(32843);   // Debug: Run
        auto atLine = [&](int nLine) {
            CDebugger* pDebugger = frame.GetDebugController().GetDebugger();
            return pDebugger && view.GetDebuggerLine() == nLine && pDebugger->IsAtBreak();
        };
        if (!WaitFor([&] { return atLine(FIRST_LINE); }, 30000)) {
            state.SkipWithError("no first stop");
        } else {
            int nLine = FIRST_LINE;
            for (auto _ : state) {
                // The stop's prompt comes after it: the next step goes once the debugger is idle.
                WaitFor([&] { return frame.GetCommands().IsEnabled(32850); }, 10000);
                g_nArrival = 0;
                frame.GetCommands().Execute(32850);   // Step
                ++nLine;
                if (!WaitFor([&] { return atLine(nLine); }, 10000)) {
                    state.SkipWithError("the step did not show");
                    break;
                }
                const Clock::time_point shown = Clock::now();
                const Clock::time_point arrival{Clock::duration(g_nArrival.load())};
                const double dSeconds = std::chrono::duration<double>(shown - arrival).count();
                state.SetIterationTime(dSeconds);
                samples.push_back(dSeconds * 1000.0);
            }
        }
        frame.GetDebugController().GetRun().Terminate();
        WaitFor([&] { return !app.m_DebuggerRun.m_bRunning; }, 10000);
        CDebuggerRun::SetReadObserver(nullptr);
        app.ExitInstance();
    }
    std::filesystem::remove_all(strFolder);
    if (!samples.empty()) {
        std::sort(samples.begin(), samples.end());
        state.counters["median_ms"] = samples[samples.size() / 2];
        state.counters["max_ms"] = samples.back();
    }
}

BENCHMARK(BM_DebuggerStepToSourceLine)->UseManualTime()->Iterations(STEP_COUNT)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
