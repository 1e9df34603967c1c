// Google Benchmark's console table, plus each benchmark's time per iteration (the median where a
// benchmark runs repetitions), so that a benchmark program can print its ratio against the baseline
// that ran in the same process.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median") {
                seconds_[name] = run.GetAdjustedRealTime();
                fromMedian_[name] = true;
            } else if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !fromMedian_[name]) {
                seconds_[name] = run.GetAdjustedRealTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Ours over the baseline in time per iteration; 0 when either did not run.
    double timeRatio(const std::string& ours, const std::string& baseline) const
    {
        auto a = seconds_.find(ours);
        auto b = seconds_.find(baseline);
        return a != seconds_.end() && b != seconds_.end() && b->second > 0 ? a->second / b->second : 0.0;
    }
    void printTimeRatio(const std::string& ours, const std::string& baseline) const
    {
        if (double ratio = timeRatio(ours, baseline); ratio > 0)
            std::printf("%s / %s time ratio: %.2f\n", ours.c_str(), baseline.c_str(), ratio);
    }
    void printThroughputRatio(const std::string& ours, const std::string& baseline) const
    {
        if (double ratio = timeRatio(ours, baseline); ratio > 0)
            std::printf("%s / %s throughput ratio: %.2f\n", ours.c_str(), baseline.c_str(), 1.0 / ratio);
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> fromMedian_;
};

// Runs the benchmarks that the command line selects, reporting through the reporter; false when the
// command line holds arguments that Google Benchmark does not know.
inline bool RunBenchmarks(int* argc, char** argv, RatioReporter& reporter)
{
    benchmark::Initialize(argc, argv);
    if (benchmark::ReportUnrecognizedArguments(*argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return true;
}
