#pragma once

// Ratios against a floor measured in the same run: a console reporter that remembers the
// real time per iteration of every benchmark (the median over repetitions) and ends with
// one summary line per ratio, e.g.
//   RATIO load+save plain: 1.62x floor (BM_LoadSavePlain 812.0 us / BM_FloorPlain 501.2 us), target <= 2x: met

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

struct BenchRatio
{
    std::string label;    // what is compared
    std::string subject;  // benchmark name of our code
    std::string floor;    // benchmark name of the floor; empty: `target` is an absolute limit in ms
    double target;        // the ratio (or milliseconds) to stay at or below
};

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(std::vector<BenchRatio> ratios) : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0)
                continue;
            seconds_[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)]
                .push_back(run.real_accumulated_time / double(run.iterations));
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const BenchRatio &r : ratios_) {
            const double subject = Median(r.subject);
            if (subject < 0) {
                std::printf("RATIO %s: not measured\n", r.label.c_str());
                continue;
            }
            if (r.floor.empty()) {
                const double ms = subject * 1e3;
                std::printf("TIME  %s: %.2f ms (%s), target < %.0f ms: %s\n", r.label.c_str(), ms,
                            r.subject.c_str(), r.target, ms < r.target ? "met" : "MISSED");
                continue;
            }
            const double floor = Median(r.floor);
            if (floor <= 0) {
                std::printf("RATIO %s: floor not measured\n", r.label.c_str());
                continue;
            }
            const double ratio = subject / floor;
            std::printf("RATIO %s: %.2fx floor (%s %.1f us / %s %.1f us), target <= %.0fx: %s\n", r.label.c_str(),
                        ratio, r.subject.c_str(), subject * 1e6, r.floor.c_str(), floor * 1e6, r.target,
                        ratio <= r.target ? "met" : "MISSED");
        }
        std::fflush(stdout);
    }

private:
    // Median seconds per iteration of a benchmark, -1 when it did not run.
    double Median(const std::string &name) const
    {
        const auto it = seconds_.find(name);
        if (it == seconds_.end() || it->second.empty())
            return -1;
        std::vector<double> v = it->second;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

    std::vector<BenchRatio> ratios_;
    std::map<std::string, std::vector<double>> seconds_;
};

// Runs the registered benchmarks with the ratio summary; the body of a benchmark's main().
inline int RunBenchmarksWithRatios(int argc, char **argv, std::vector<BenchRatio> ratios)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
