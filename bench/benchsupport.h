#pragma once

// Ratios against a floor measured in the same run: a console reporter that remembers the
// real time per iteration of every benchmark (the median over repetitions) and ends with
// one summary line per ratio, e.g.
//   RATIO load+save plain: 1.62x floor (BM_LoadSavePlain 812.0 us / BM_FloorPlain 501.2 us), target <= 2x: met; cpu 1.50x
// The verdict is on real time; the ratio of CPU times follows, as a check on a machine
// shared with other work (where real time also counts the waiting for a core).

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
    double target;        // the ratio (or milliseconds) to stay at or below; a ratio of 0 has none
};

inline std::string TargetText(double target)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", target);
    return text;
}

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    explicit RatioReporter(std::vector<BenchRatio> ratios) : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name =
                run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args);
            if (run.run_type == Run::RT_Aggregate) {
                // With only aggregates reported (--benchmark_report_aggregates_only), their
                // median stands for the repetitions.
                if (run.aggregate_name == "median") {
                    const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
                    seconds_[name] = {run.GetAdjustedRealTime() / unit};
                    cpuSeconds_[name] = {run.GetAdjustedCPUTime() / unit};
                }
                continue;
            }
            if (run.iterations <= 0)
                continue;
            seconds_[name].push_back(run.real_accumulated_time / double(run.iterations));
            cpuSeconds_[name].push_back(run.cpu_accumulated_time / double(run.iterations));
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const BenchRatio &r : ratios_) {
            const double subject = Median(seconds_, r.subject);
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
            const double floor = Median(seconds_, r.floor);
            const double cpuFloor = Median(cpuSeconds_, r.floor);
            const double cpuRatio = cpuFloor > 0 ? Median(cpuSeconds_, r.subject) / cpuFloor : 0;
            if (floor <= 0) {
                std::printf("RATIO %s: floor not measured\n", r.label.c_str());
                continue;
            }
            const double ratio = subject / floor;
            // A ratio without a target is printed to show where the time goes.
            const std::string verdict = r.target <= 0 ? std::string("no target")
                                                      : "target <= " + TargetText(r.target) + "x: "
                                                            + (ratio <= r.target ? "met" : "MISSED");
            std::printf("RATIO %s: %.2fx floor (%s %.1f us / %s %.1f us), %s; cpu %.2fx\n", r.label.c_str(), ratio,
                        r.subject.c_str(), subject * 1e6, r.floor.c_str(), floor * 1e6, verdict.c_str(), cpuRatio);
        }
        std::fflush(stdout);
    }

private:
    using Times = std::map<std::string, std::vector<double>>;

    // Median seconds per iteration of a benchmark, -1 when it did not run.
    static double Median(const Times &times, const std::string &name)
    {
        const auto it = times.find(name);
        if (it == times.end() || it->second.empty())
            return -1;
        std::vector<double> v = it->second;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }

    std::vector<BenchRatio> ratios_;
    Times seconds_;
    Times cpuSeconds_;
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
