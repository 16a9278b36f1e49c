#pragma once
// What a run kept of what its log named, and why: the status report tells it.

#include <cstddef>
#include <string>
#include <vector>

struct KeptItem {
    std::string item;     // "HKLM\...\Winlogon: Shell", "service PlugPlay", a path
    std::string reason;   // "owned by the system"
};

class RunReport {
public:
    void Keep(const std::string& item, const std::string& reason) { kept_.push_back(KeptItem{item, reason}); }
    const std::vector<KeptItem>& Kept() const { return kept_; }

    // "Kept 2: item (reason); item (reason)", shortened with "..." to at most limit characters,
    // double quotes turned into single ones and control characters into spaces; empty when
    // nothing was kept.
    std::string Summary(std::size_t limit) const;

private:
    std::vector<KeptItem> kept_;
};
