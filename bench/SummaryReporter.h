// CSummaryReporter: the console report of Google Benchmark that also keeps
// each benchmark's throughput (MB/s) for a closing summary. With
// repetitions, the median counts; without, the single run.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

class CSummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            auto it = run.counters.find("bytes_per_second");
            if (it == run.counters.end())
                continue;
            bool bMedian = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration && m_bHasMedian.count(run.run_name.function_name))
                continue;
            if (bMedian || run.run_type == Run::RT_Iteration) {
                m_mbPerSecond[run.run_name.function_name] = it->second.value / 1e6;
                if (bMedian)
                    m_bHasMedian[run.run_name.function_name] = true;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Throughput of a benchmark function in MB/s; 0 when it did not run.
    double MBPerSecond(const std::string& strName) const
    {
        auto it = m_mbPerSecond.find(strName);
        return it == m_mbPerSecond.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_mbPerSecond;
    std::map<std::string, bool> m_bHasMedian;
};
