#pragma once
// The shell list's file-name filter: masks with "*" (any run of characters) and "?" (any one
// character), compared without regard to ASCII case, separated by ";" or ",".

#include <string>
#include <vector>

namespace mw {

// Whether the name matches the mask as a whole. "*.*" matches every name, also one without a
// dot, as the command line's masks do.
bool MaskMatches(const std::string& mask, const std::string& name);

class TFileFilter {
public:
    TFileFilter() = default;
    explicit TFileFilter(const std::string& text);

    // False when the filter lets every file through: no masks, or "*" or "*.*" among them.
    bool Active() const { return active_; }
    const std::vector<std::string>& Masks() const { return masks_; }
    // A name passes an inactive filter, or when one of the masks matches it.
    bool Matches(const std::string& name) const;

private:
    std::vector<std::string> masks_;
    bool active_ = false;
};

}  // namespace mw
