#pragma once
// What a run left in place of what its log names, and why: the run goes on, and its report says
// what was kept.

#include <string>
#include <vector>

enum KeepReason {
    kKeptNothing,
    kKeptNotFullPath,         // a path that is not a full path
    kKeptNoExactName,         // a name that has no exact form on this system
    kKeptSystem,              // the system's own file or folder
    kKeptSharedFolder,        // lies directly in a shared or user folder (Program Files, Documents, ...)
    kKeptThroughLink,         // reached through a link, or leading elsewhere than its name
    kKeptLink,                // a link that could not be removed as a link
    kKeptOtherInstallation,   // another installation's
    kKeptNotOwnIni,           // an INI file or section that is not the installation's own
    kKeptNotShortcut,         // a file that is not a shortcut
    kKeptNotRemovable         // could not be deleted or put back (in use, read-only, ...)
};

const char* KeepReasonText(KeepReason reason);

class KeptItems {
public:
    void Add(const std::string& item, KeepReason reason);
    bool Empty() const { return items_.empty(); }
    // "kept <item> (<reason>)" for the first item, and how many more there are; at most
    // limit characters.
    std::string Summary(std::size_t limit) const;

private:
    struct Item {
        std::string item;
        KeepReason reason;
    };
    std::vector<Item> items_;
};
