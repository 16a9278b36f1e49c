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
    case kKeptNotRemovable: return "could not be removed";
    default: return "";
    }
}

void KeptItems::Add(const std::string& item, KeepReason reason)
{
    items_.push_back(Item{item, reason});
}

std::string KeptItems::Summary(std::size_t limit) const
{
    if (items_.empty())
        return "";
    std::string more = items_.size() > 1 ? " and " + std::to_string(items_.size() - 1) + " more" : "";
    std::string reason = std::string(" (") + KeepReasonText(items_[0].reason) + ")";
    std::string item = items_[0].item;
    const std::size_t fixed = 5 + reason.size() + more.size();
    // A long path loses its middle: its start and its name tell it best.
    if (fixed + item.size() > limit && limit > fixed + 8) {
        std::size_t room = limit - fixed - 3;
        item = item.substr(0, room / 2) + "..." + item.substr(item.size() - (room - room / 2));
    }
    std::string summary = "kept " + item + reason + more;
    return summary.size() > limit ? summary.substr(0, limit) : summary;
}
