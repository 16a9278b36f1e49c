#pragma once
// Tab captions: CR LF starts a new line, and "&" marks the accelerator character, which is
// drawn underlined. In each line the first "&" is taken out ("&&" leaves one "&", an "&" at the
// end of a line stays); only the caption's first "&" can make an accelerator.

#include <string>
#include <vector>

namespace mw {

struct TCaptionLine {
    std::string text;     // as drawn
    int underline = -1;   // position in text of the accelerator character, -1 for none
};

std::vector<TCaptionLine> SplitCaption(const std::string& caption);

// The accelerator character, or '\0' when the caption has none.
char CaptionAccelerator(const std::string& caption);

// The key typed matches the accelerator, without regard to case.
bool IsAcceleratorKey(const std::string& caption, char key);

}  // namespace mw
