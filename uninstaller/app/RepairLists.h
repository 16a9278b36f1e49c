#pragma once
// The list files of a repair: per log section, the temporary file that lists the files its
// installation source is to restore, or none. Sections with the same source share one list.

#include <cstddef>

#include "uninstaller/log/ItemStore.h"

class RepairLists {
public:
    enum { kMaxSections = 1024 };

    // Sections 0 to sections - 1 (at most kMaxSections), all without a list.
    explicit RepairLists(unsigned sections);
    ~RepairLists();
    RepairLists(const RepairLists&) = delete;
    RepairLists& operator=(const RepairLists&) = delete;

    // False when the table could not be allocated.
    bool Ready() const { return paths_ != nullptr; }
    unsigned Sections() const { return sections_; }

    // The section's list file, or null.
    const char* Of(Section section) const;
    // The section's own list, else the list of another section whose source text is the same
    // (case-insensitive); null when there is none.
    const char* Find(Section section, const char* const* sourceBySection, unsigned sourceSlots) const;
    // False when the section lies beyond the table or the path does not fit.
    bool Set(Section section, const char* path);
    // Takes the list away from every section that has it (once it has been deleted).
    void Forget(const char* path);

private:
    unsigned sections_;
    char (*paths_)[kPathSize];
};
