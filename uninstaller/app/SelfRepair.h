#pragma once
// The self-repair check of "/W n": a shortcut of the installed application starts the
// uninstaller first, which checks what the installation's Repair key lists, offers a repair
// when something is missing, and then starts the application of shortcut n.

enum SelfRepairResult {
    kSelfRepairEnd,      // nothing (more) to do: the process ends
    kSelfRepairRepair    // the user asked for a repair: start-up goes on
};

// Opens the Repair key (kept in g_app.repairKey) and checks it; starts the application unless
// a repair was chosen.
SelfRepairResult RunSelfRepairCheck(int shortcut);

// Starts the application of shortcut n as the Repair key's "Icons\n" describes it.
void StartShortcutApplication(int shortcut);

// Closes the Repair key when it is open.
void CloseRepairKey();
