#include "uninstaller/app/RunReport.h"

std::string RunReport::Summary(std::size_t limit) const
{
    if (kept_.empty())
        return std::string();
    std::string text = "Kept " + std::to_string(kept_.size()) + ":";
    for (std::size_t i = 0; i < kept_.size(); ++i)
        text += (i ? "; " : " ") + kept_[i].item + " (" + kept_[i].reason + ")";
    // The report quotes the text: names from a log carry no quote or line break into it.
    for (char& c : text) {
        if (c == '"')
            c = '\'';
        else if (static_cast<unsigned char>(c) < ' ')
            c = ' ';
    }
    if (text.size() > limit)
        text = limit >= 3 ? text.substr(0, limit - 3) + "..." : text.substr(0, limit);
    return text;
}
