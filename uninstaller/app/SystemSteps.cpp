// The engine's steps for external programs, services, the sub-system, Program Manager icons and
// the per-user program.
#include <cstdio>
#include <cstring>
#include <string>

#include "uninstaller/app/DatabaseEngine.h"
#include "uninstaller/app/EngineSteps.h"
#include "uninstaller/app/ExternalCommand.h"

namespace {

const char kPerUserKey[] = "Software\\Halden Solutions\\SelmUser";
const unsigned kServiceSettleMilliseconds = 3500;

}  // namespace

void RunExternalPrograms(EngineContext& run)
{
    RecordTable<ExternalProgramRecord>& programs = run.store.externalPrograms;
    for (unsigned i = 0; i < programs.count && !run.Cancelled(); ++i) {
        const ExternalProgramRecord& record = *programs[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.section))
            continue;
        char command[kPathSize];
        bool hasFolder = std::strchr(record.commandLine, '\\') != nullptr;
        if (!hasFolder || !run.files.ShortPathOf(record.commandLine, command, sizeof command))
            std::snprintf(command, sizeof command, "%s", record.commandLine);
        run.Show(kLabelProgram, record.displayName[0] ? record.displayName : command, kProgressName);
        char program[kPathSize], arguments[kPathSize];
        if (SplitExternalCommand(run.files, command, run.automatic, program, sizeof program, arguments,
                                 sizeof arguments))
            run.NoteWait(run.actions.RunAndWait(program, arguments, run.options.waitLimitMs),
                         std::string("program ") + program);
    }
}

// Only a service that runs the installation's own program is stopped and deleted; a service
// that is not there is nothing to wait for.
void DeleteServices(EngineContext& run)
{
    RecordTable<ServiceRecord>& services = run.store.services;
    for (unsigned i = 0; i < services.count && !run.Cancelled(); ++i) {
        const ServiceRecord& record = *services[i];
        if (!run.Taken(record.selected) || !run.Reaches(record.section)) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelService, record.name, kProgressName);
        char program[kRegistryValueSize];
        if (!run.actions.ServiceProgram(record.name, program, sizeof program))
            continue;
        std::string item = std::string("service ") + record.name;
        if (!run.places.Names(program)) {
            run.Keep(item, kKeptNotInstallations);
            continue;
        }
        if (!run.actions.DeleteService(record.name)) {
            run.Keep(item, kKeptNotRemovable);
            continue;
        }
        run.ui.Wait(kServiceSettleMilliseconds);
    }
}

void RemoveSubSystem(EngineContext& run)
{
    const char* name = run.store.subSystemName;
    if (!name || !run.Taken(run.store.subSystemSelected))
        return;
    run.Show(kLabelSubSystem, name, kProgressName);
    if (RemoveDatabaseEngine(run.registry, run.actions, run.ui, run.options.silent) == kSubSystemAborted)
        run.aborted = true;
}

void RemoveIcons(EngineContext& run)
{
    RecordTable<IconRecord>& icons = run.store.icons;
    bool tried = false, connected = false;
    for (unsigned i = 0; i < icons.count && !run.Cancelled(); ++i) {
        const IconRecord& icon = *icons[i];
        bool inRun = run.rollback ? icon.section == run.threshold : true;
        if (!tried && run.Taken(icon.selected) && inRun) {
            tried = true;
            connected = run.actions.ConnectProgramManager();
        }
        if (!connected || !run.Taken(icon.selected) || !inRun) {
            run.Advance();
            continue;
        }
        run.Advance(kLabelIcon, icon.name, kProgressName);
        run.actions.RemoveIcon(icon);
    }
    if (connected) {
        run.actions.DisconnectProgramManager();
        run.ui.ClearProgressText();
    }
}

void CleanUpPerUserProgram(EngineContext& run)
{
    const char* id = run.store.perUserId;
    if (!id[0] || !InstallationIsGone(run))
        return;
    unsigned type = 0;
    char path[257];
    std::size_t size = sizeof path - 1;
    if (!run.registry.ReadValue(kRootLocalMachine, kPerUserKey, "Path", &type, reinterpret_cast<unsigned char*>(path),
                                &size) ||
        (type != kRegSz && type != kRegExpandSz))
        return;
    path[size] = '\0';
    if (!path[0])
        return;
    char shortPath[kPathSize], command[kPathSize + kNameSize + 8];
    if (!run.files.ShortPathOf(path, shortPath, sizeof shortPath))
        std::snprintf(shortPath, sizeof shortPath, "%s", path);
    int written = std::snprintf(command, sizeof command, "%s /U \"%s\"", shortPath, id);
    if (written > 0 && static_cast<std::size_t>(written) < sizeof command)
        run.actions.StartProgram(command);
}
