// The colouring view at editor speed, on the JDK's java.base sources:
// opening a 5 MB file (read, tokenize, stream in), typing a letter in a
// 100,000-line file, typing "/" "*" at its top so that everything below
// becomes comment, undoing that, and the memory a view needs for 5 MB.
#include "Archive.h"
#include "ArchiveFile.h"
#include "Corpus.h"
#include "KeyState.h"
#include "RichEditCtrl.h"
#include "SummaryReporter.h"
#include "TinctoView.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

CCorpus g_corpus;
std::string g_strFivePath;
int64_t g_nFiveBytes = 0;

using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

// Corpus files joined until the text holds nBytes or nLines.
std::string JoinCorpus(size_t nBytes, size_t nLines)
{
    std::string strText;
    size_t nCount = 0;
    for (const CCorpus::CFile& file : g_corpus.Files()) {
        if (strText.size() >= nBytes || nCount >= nLines)
            break;
        strText += file.strText;
        nCount += static_cast<size_t>(std::count(file.strText.begin(), file.strText.end(), '\n'));
    }
    return strText;
}

// The text without its block comments (strings and character literals
// respected), so that a "/*" typed at the top reaches the end of the text.
std::string WithoutBlockComments(const std::string& strText)
{
    std::string out;
    out.reserve(strText.size());
    size_t i = 0, n = strText.size();
    while (i < n) {
        char ch = strText[i];
        if (ch == '"' || ch == '\'') {
            out += ch;
            for (++i; i < n && strText[i] != ch && strText[i] != '\n'; ++i) {
                out += strText[i];
                if (strText[i] == '\\' && i + 1 < n)
                    out += strText[++i];
            }
            if (i < n)
                out += strText[i++];
        } else if (ch == '/' && i + 1 < n && strText[i + 1] == '/') {
            while (i < n && strText[i] != '\n')
                out += strText[i++];
        } else if (ch == '/' && i + 1 < n && strText[i + 1] == '*') {
            size_t end = strText.find("*/", i + 2);
            i = end == std::string::npos ? n : end + 2;
        } else {
            out += strText[i++];
        }
    }
    return out;
}

void Keystroke(CTinctoView& view, int nKey, UINT nChar)
{
    view.SendMessage(WM_KEYDOWN, static_cast<WPARAM>(nKey), 0);
    if (nChar)
        view.SendMessage(WM_CHAR, nChar, 0);
    view.SendMessage(WM_KEYUP, static_cast<WPARAM>(nKey), 0);
}

void BM_OpenFiveMegabytes(benchmark::State& state)
{
    for (auto _ : state) {
        auto* pCtrl = new CRichEditCtrl;
        auto* pView = new CTinctoView;
        pView->SetPathName(g_strFivePath.c_str());
        pView->Create(pCtrl);
        CString strError;
        CArchiveFile::Load(g_strFivePath.c_str(), [&](CArchive& ar) { pView->Serialize(ar); }, strError);
        benchmark::DoNotOptimize(pCtrl->GetTextLength());
        // Closing the window is not part of opening it.
        state.PauseTiming();
        delete pView;
        delete pCtrl;
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * g_nFiveBytes);
}

size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

void ReportEditing()
{
    std::string strText = WithoutBlockComments(JoinCorpus(SIZE_MAX, 100000));
    // Exactly 100,000 lines.
    size_t nLines = 0, at = 0;
    while (nLines < 100000 && at < strText.size()) {
        at = strText.find('\n', at);
        if (at == std::string::npos)
            break;
        ++at;
        ++nLines;
    }
    strText.resize(at);
    CRichEditCtrl ctrl;
    CTinctoView view;
    view.SetPathName("Big.java");
    view.Create(&ctrl);
    view.LoadText(strText.data(), static_cast<long>(strText.size()));
    view.OnInitialUpdate();
    CKeyState::SetModifiers(FALSE, FALSE);

    // A letter typed at the start of an identifier in the middle of the text.
    LONG nMiddle = ctrl.LineIndex(ctrl.GetLineCount() / 2);
    CString strWindow;
    ctrl.GetTextRange(nMiddle, nMiddle + 20000, strWindow);
    size_t nAt = strWindow.str().find(" = ");
    LONG nPos = nMiddle + static_cast<LONG>(nAt == std::string::npos ? 0 : nAt + 3);
    std::vector<double> typed;
    for (int i = 0; i < 2000; ++i) {
        ctrl.SetSel(nPos, nPos);
        Clock::time_point start = Clock::now();
        Keystroke(view, 'Q', 'q');
        typed.push_back(MicrosSince(start));
        Keystroke(view, VK_BACK, VK_BACK);
    }

    ctrl.SetSel(0, 0);
    Clock::time_point start = Clock::now();
    Keystroke(view, '/', '/');
    double dSlash = MicrosSince(start);
    start = Clock::now();
    Keystroke(view, '8', '*');
    double dStar = MicrosSince(start);
    COLORREF crComment = CTinctoView::GetBlockCommentText()->GetCharFormat().crTextColor;
    CHARFORMAT cf{};
    ctrl.GetCharFormat(ctrl.GetTextLength() - 2, ctrl.GetTextLength() - 1, cf);
    bool bAllComment = cf.crTextColor == crComment;
    start = Clock::now();
    view.OnUndo();
    double dUndo = MicrosSince(start);
    ctrl.GetCharFormat(ctrl.GetTextLength() - 2, ctrl.GetTextLength() - 1, cf);
    bool bBack = cf.crTextColor != crComment;

    std::printf("\n100,000-line file (%.2f MB, block comments removed):\n", static_cast<double>(strText.size()) / 1e6);
    std::printf("typing a letter  median %8.1f us  (target <= 50 us; 2000 keystrokes, key down + char + key up)\n",
                Median(typed));
    std::printf("typing \"/\"       %8.2f ms\n", dSlash / 1000);
    std::printf("typing \"*\"       %8.2f ms  (target <= 100 ms; the text below is comment: %s)\n", dStar / 1000,
                bAllComment ? "yes" : "NO");
    std::printf("undo of \"*\"      %8.2f ms  (target <= 100 ms; colours back: %s)\n", dUndo / 1000,
                bBack ? "yes" : "NO");
}

void ReportMemory(const std::string& strText)
{
    size_t nBefore = HeapInUse();
    auto* pCtrl = new CRichEditCtrl;
    auto* pView = new CTinctoView;
    pView->SetPathName("A.java");
    pView->Create(pCtrl);
    pView->LoadText(strText.data(), static_cast<long>(strText.size()));
    size_t nAfter = HeapInUse();
    double dText = static_cast<double>(strText.size());
    std::printf("memory of a view holding %.2f MB: %.2f MB (%.2f x the text; target <= 4)\n", dText / 1e6,
                static_cast<double>(nAfter - nBefore) / 1e6, static_cast<double>(nAfter - nBefore) / dText);
    delete pView;
    delete pCtrl;
}

}  // namespace

BENCHMARK(BM_OpenFiveMegabytes)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!g_corpus.LoadDefault("view_bench"))
        return 1;
    CTinctoView::Init(RGB(255, 255, 255), 100);
    std::string strFive = JoinCorpus(5u * 1000 * 1000, SIZE_MAX);
    char szPath[] = "/tmp/mosk-view-bench-XXXXXX";
    int nFd = mkstemp(szPath);
    if (nFd < 0 || write(nFd, strFive.data(), strFive.size()) != static_cast<ssize_t>(strFive.size())) {
        std::fprintf(stderr, "view_bench: cannot write a temporary file\n");
        return 1;
    }
    close(nFd);
    g_strFivePath = szPath;
    g_nFiveBytes = static_cast<int64_t>(strFive.size());
    benchmark::Initialize(&argc, argv);
    CSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    double dMBps = reporter.MBPerSecond("BM_OpenFiveMegabytes");
    std::printf("\nopening a %.2f MB file in a view  %8.1f ms  (target <= 100 ms; read, tokenize, stream in)\n",
                static_cast<double>(strFive.size()) / 1e6, dMBps > 0 ? static_cast<double>(strFive.size()) / 1e3 / dMBps : 0.0);
    ReportEditing();
    ReportMemory(strFive);
    unlink(szPath);
    benchmark::Shutdown();
    return 0;
}
