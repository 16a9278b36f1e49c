#include "app/archive/bench/RatioReporter.h"

#include <cstdio>
#include <utility>

namespace quillon::bench {

void TRatioReporter::Compare(std::string subject, std::string peer, TRatio ratio) {
    pairs_.push_back({std::move(subject), std::move(peer), ratio});
}

void TRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type == Run::RT_Aggregate && !median) continue;
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        TTime& time = times_[name];
        if (time.Median && !median) continue;  // a median stands for its repetitions
        const bool wallClock = run.run_name.time_type == "real_time";
        time = {wallClock ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime(), median};
    }
}

void TRatioReporter::Finalize() {
    ConsoleReporter::Finalize();
    bool any = false;
    for (const TPair& pair : pairs_) {
        const auto subject = times_.find(pair.Subject);
        const auto peer = times_.find(pair.Peer);
        if (subject == times_.end() || peer == times_.end() || subject->second.Value <= 0 || peer->second.Value <= 0)
            continue;
        if (!any) std::printf("\nSide by side:\n");
        any = true;
        if (pair.Ratio == TRatio::Speedup)
            std::printf("  %-40s %5.2fx as fast as %s\n", pair.Subject.c_str(), peer->second.Value / subject->second.Value,
                        pair.Peer.c_str());
        else
            std::printf("  %-40s %5.2fx the time of %s\n", pair.Subject.c_str(), subject->second.Value / peer->second.Value,
                        pair.Peer.c_str());
    }
    std::fflush(stdout);
}

}  // namespace quillon::bench
