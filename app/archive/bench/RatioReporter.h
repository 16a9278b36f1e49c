#pragma once
// A console reporter that, after the usual table, prints how benchmarks compare with their
// peers: for each pair, the peer's time divided by the subject's (how many times faster the
// subject is) or the subject's divided by the peer's (how many times longer it takes). Each
// benchmark's time is its median when it ran repeatedly, and the time it is measured by (the
// wall clock for real-time benchmarks, else the CPU time).

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace quillon::bench {

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    enum class TRatio { Speedup, TimeFactor };

    // Without colours: the output is mostly kept in files.
    TRatioReporter() : ConsoleReporter(OO_Tabular) {}

    // Reports subject against peer (benchmark names as printed, without aggregate suffixes).
    void Compare(std::string subject, std::string peer, TRatio ratio);

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

private:
    struct TPair {
        std::string Subject;
        std::string Peer;
        TRatio Ratio;
    };
    struct TTime {
        double Value = 0;
        bool Median = false;
    };

    std::vector<TPair> pairs_;
    std::map<std::string, TTime> times_;
};

}  // namespace quillon::bench
