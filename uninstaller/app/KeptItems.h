#pragma once
// What a run left in place of what its log names, and why: the run goes on, and its report says
// what was kept.

#include <cstddef>
#include <string>
#include <vector>

enum KeepReason {
    kKeptNothing,
    kKeptNotFullPath,         // a path that is not a full path
    kKeptNoExactName,         // a name that has no exact form on this system
    kKeptSystem,              // the system's own file, folder, key, value or library
    kKeptSharedFolder,        // lies directly in a shared or user folder (Program Files, Documents, ...)
    kKeptThroughLink,         // reached through a link, or leading elsewhere than its name
    kKeptLink,                // a link that could not be removed as a link
    kKeptOtherInstallation,   // another installation's
    kKeptNotOwnIni,           // an INI file or section that is not the installation's own
    kKeptNotShortcut,         // a file that is not a shortcut
    kKeptNotInstallations,    // a class, service, uninstall entry, ... that names another program
    kKeptForeignProgram,      // a value that starts programs would start another program
    kKeptNotRemovable,        // could not be deleted or put back (in use, read-only, ...)
    kKeptTimedOut,            // a program or registration still running at the time limit
    kKeptCrashed              // a registration that ended by an exception
};

const char* KeepReasonText(KeepReason reason);

struct KeptItem {
    std::string item;   // a path, "HKLM\...\Winlogon: Shell", "service PlugPlay", ...
    KeepReason reason;
};

class KeptItems {
public:
    void Add(const std::string& item, KeepReason reason) { items_.push_back(KeptItem{item, reason}); }
    const std::vector<KeptItem>& Items() const { return items_; }
    // "Kept 2: <item> (<reason>); <item> (<reason>)", cut with "..." to at most limit
    // characters, double quotes turned into single ones and control characters into spaces (the
    // report quotes the text); "" when nothing was kept.
    std::string Summary(std::size_t limit) const;

private:
    std::vector<KeptItem> items_;
};
