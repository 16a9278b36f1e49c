// The repair's last step: each installation source that has a list is found (where the log
// says, else where the user points), checked against the identity the log recorded, and run
// with its list. The highest section runs first; sections sharing its list do not run again.
#include <cstring>

#include "uninstaller/app/RepairSource.h"
#include "uninstaller/app/RepairSteps.h"

namespace {

enum SourceSearch { kSourceFound, kSourceCancelled, kSourceUnavailable };

// Asks until a readable file with the logged identity is named, or the user cancels.
SourceSearch FindSource(RepairContext& run, char* path, std::size_t size, const char* identity)
{
    for (;;) {
        FileFacts facts{};
        if (run.system.LookUpFile(path, &facts) == kFileReadable &&
            IsLoggedSource(identity, facts.written, facts.size))
            return kSourceFound;
        // Nobody is there to ask: this source cannot be run, but others may.
        if (run.options.silent)
            return kSourceUnavailable;
        if (!run.ui.AskSourcePath(identity, path, size))
            return kSourceCancelled;
    }
}

void DeleteList(RepairContext& run, const char* list)
{
    char path[kPathSize];
    std::strcpy(path, list);   // list is the table's entry, which Forget clears
    run.system.DeleteListFile(path);
    run.lists.Forget(path);
}

}  // namespace

void RunSources(RepairContext& run)
{
    if (!run.listWritten)
        return;
    for (unsigned section = run.lists.Sections(); section-- > 0 && !run.Stopped();) {
        const char* list = run.lists.Of(static_cast<Section>(section));
        const char* source = run.SourceOf(static_cast<Section>(section));
        if (!list || !source)
            continue;
        char path[kPathSize], identity[kPathSize];
        if (!SplitSourceText(source, path, sizeof path, identity, sizeof identity)) {
            run.failed = true;
            continue;
        }
        switch (FindSource(run, path, sizeof path, identity)) {
        case kSourceCancelled:
            run.promptCancelled = true;
            return;
        case kSourceUnavailable:
            run.failed = true;
            continue;
        case kSourceFound:
            break;
        }
        if (!run.system.RunSource(path, list))
            run.failed = true;
        DeleteList(run, list);
    }
}

void DeleteRemainingLists(RepairContext& run)
{
    for (unsigned section = 0; section < run.lists.Sections(); ++section) {
        if (const char* list = run.lists.Of(static_cast<Section>(section)))
            DeleteList(run, list);
    }
}
