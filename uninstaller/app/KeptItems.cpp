#include "uninstaller/app/KeptItems.h"

const char* KeepReasonText(KeepReason reason)
{
    switch (reason) {
    case kKeptNotFullPath: return "not a full path";
    case kKeptNoExactName: return "no exact name on this system";
    case kKeptSystem: return "the system's own";
    case kKeptSharedFolder: return "in a shared or user folder";
    case kKeptThroughLink: return "reached through a link";
    case kKeptLink: return "a link that could not be removed as a link";
    case kKeptOtherInstallation: return "another installation's";
    case kKeptNotOwnIni: return "not an INI section of this installation";
    case kKeptNotShortcut: return "not a shortcut";
    case kKeptNotInstallations: return "not the installation's";
    case kKeptForeignProgram: return "would start a program not the installation's";
    case kKeptNotRemovable: return "could not be removed";
    case kKeptTimedOut: return "did not end in time";
    case kKeptCrashed: return "crashed";
    default: return "";
    }
}

std::string KeptItems::Summary(std::size_t limit) const
{
    if (items_.empty())
        return "";
    std::string text = "Kept " + std::to_string(items_.size()) + ":";
    for (std::size_t i = 0; i < items_.size() && text.size() <= limit; ++i)
        text += (i ? "; " : " ") + items_[i].item + " (" + KeepReasonText(items_[i].reason) + ")";
    // Names from a log carry no quote or line break into the report.
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
