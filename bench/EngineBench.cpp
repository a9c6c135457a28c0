// Colouring engine throughput over the JDK's java.base sources: a plain byte
// scan as the baseline, the tokenizer producing rich text into 4096-byte
// transfer buffers, and loading (tokenizer plus stream-in into the control).
// Prints MB/s of each, their ratios, and the memory the control needs to
// hold a 5 MB text.
#include "Corpus.h"
#include "SummaryReporter.h"
#include "RichEditCtrl.h"
#include "RichTextExport.h"
#include "StreamInData.h"
#include "TinctoView.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <malloc.h>
#include <map>
#include <string>

namespace {

CCorpus g_corpus;

// Streams one text through the tokenizer into a reused transfer buffer; returns the bytes produced.
size_t ProduceRichText(CTinctoView& view, const std::string& strText, std::vector<BYTE>& buffer)
{
    view.BeginTransfer(strText.data(), static_cast<long>(strText.size()));
    CStreamInData data(&view);
    data.SetFormat(&CTinctoView::m_NormalTxt);
    CEditStreamCookie cookie{nullptr, &data, 0};
    size_t nTotal = 0;
    for (;;) {
        LONG lCount = 0;
        CTinctoView::EditStreamCallBack(reinterpret_cast<DWORD_PTR>(&cookie), buffer.data(),
                                        static_cast<LONG>(buffer.size()), &lCount);
        if (lCount <= 0)
            break;
        nTotal += static_cast<size_t>(lCount);
    }
    view.EndTransfer();
    return nTotal;
}

void BM_ByteScan(benchmark::State& state)
{
    for (auto _ : state) {
        size_t nLines = 0;
        for (const CCorpus::CFile& file : g_corpus.Files())
            for (char ch : file.strText)
                nLines += ch == '\n';
        benchmark::DoNotOptimize(nLines);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_corpus.TotalBytes()));
}

void BM_RichText(benchmark::State& state)
{
    CTinctoView view;
    view.SetPathName("A.java");
    std::vector<BYTE> buffer(4096);
    size_t nOut = 0;
    for (auto _ : state) {
        for (const CCorpus::CFile& file : g_corpus.Files())
            nOut += ProduceRichText(view, file.strText, buffer);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_corpus.TotalBytes()));
    state.counters["rtf_per_text"] = static_cast<double>(nOut) / static_cast<double>(state.iterations() * g_corpus.TotalBytes());
}

// Loads one text into a fresh control the way the editor opens a file:
// through the view's own LoadText, with its size hint and transfer size.
void LoadIntoControl(CTinctoView& view, CRichEditCtrl& ctrl, const std::string& strText)
{
    view.SetEditCtrl(&ctrl);
    view.LoadText(strText.data(), static_cast<long>(strText.size()));
    view.SetEditCtrl(nullptr);
}

void BM_Load(benchmark::State& state)
{
    CTinctoView view;
    view.SetPathName("A.java");
    for (auto _ : state) {
        for (const CCorpus::CFile& file : g_corpus.Files()) {
            CRichEditCtrl ctrl;
            LoadIntoControl(view, ctrl, file.strText);
            benchmark::DoNotOptimize(ctrl.GetTextLength());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * g_corpus.TotalBytes()));
}

// Bytes the heap hands out, mapped blocks included.
size_t HeapInUse()
{
    struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Memory of a control holding about 5 MB of Java: the model's own account
// and the growth of the heap while it loads.
void ReportMemory()
{
    std::string strText;
    for (const CCorpus::CFile& file : g_corpus.Files()) {
        if (strText.size() >= 5u * 1000 * 1000)
            break;
        strText += file.strText;
    }
    CTinctoView view;
    view.SetPathName("A.java");
    size_t nBefore = HeapInUse();
    auto* pCtrl = new CRichEditCtrl;
    LoadIntoControl(view, *pCtrl, strText);
    size_t nAfter = HeapInUse();
    double dText = static_cast<double>(pCtrl->GetTextLength());
    std::printf("memory        %.2f MB text: model %.2f MB (%.2f x), heap growth %.2f MB (%.2f x; target <= 3)\n",
                dText / 1e6, static_cast<double>(pCtrl->GetMemoryUsage()) / 1e6,
                static_cast<double>(pCtrl->GetMemoryUsage()) / dText, static_cast<double>(nAfter - nBefore) / 1e6,
                static_cast<double>(nAfter - nBefore) / dText);
    delete pCtrl;
}


} // namespace

BENCHMARK(BM_ByteScan)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RichText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (!g_corpus.LoadDefault("engine_bench"))
        return 1;
    CTinctoView::Init(RGB(255, 255, 255), 100);
    benchmark::Initialize(&argc, argv);
    CSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    double dScan = reporter.MBPerSecond("BM_ByteScan");
    double dRich = reporter.MBPerSecond("BM_RichText");
    std::printf("\nbyte scan     %8.1f MB/s\n", dScan);
    double dLoad = reporter.MBPerSecond("BM_Load");
    std::printf("rich text     %8.1f MB/s  (target >= 100; %.3f of the byte scan)\n", dRich, dRich / dScan);
    std::printf("load          %8.1f MB/s  (target >= 50; %.3f of the byte scan, %.3f of rich text)\n", dLoad,
                dLoad / dScan, dLoad / dRich);
    ReportMemory();
    benchmark::Shutdown();
    return 0;
}
