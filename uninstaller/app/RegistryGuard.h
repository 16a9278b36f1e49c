#pragma once
// Judges every registry change of a run before it is made: what the system owns is never
// changed, an item of a system list only when it is the installation's, and nothing is reached
// through a registry link.
//
// - A key whose path passes through a link lies elsewhere: refused. A link named by the log is
//   deleted as a link (RegistryRemoval.h), never followed.
// - Keys of the system (RegistryTreeRules.h) are never deleted. Their values change only when
//   the value itself is the installation's: its data names the installation's program or
//   folders, or a class that does ("Run\Product" = "C:\App\app.exe", ".ext" = "App.Document").
//   A value the system reads for itself (Winlogon, the system's environment) never changes.
// - An item of a system list (a class, a service, an uninstall entry, ...) is the
//   installation's when a value in it, or in the class it refers to, names the installation's
//   program or folders (InstallationPlaces.h). Items are judged once per run, so that the
//   run's own changes (a value deleted, a class removed before the file type that names it)
//   do not change the judgement.
// - A value that starts a program ("Run", a service's "ImagePath") is only ever set to a
//   program of the installation.

#include <map>
#include <string>

#include "uninstaller/app/EngineHost.h"
#include "uninstaller/app/KeptItems.h"

class InstallationPlaces;

class RegistryGuard {
public:
    // Without places nothing but a product's own keys is the installation's.
    RegistryGuard(EngineRegistry& registry, InstallationPlaces* places);
    RegistryGuard(const RegistryGuard&) = delete;
    RegistryGuard& operator=(const RegistryGuard&) = delete;

    // kKeptNothing when the change may be made, else why it may not: kKeptThroughLink,
    // kKeptSystem, kKeptNotInstallations (an item of a system list that is not the
    // installation's) or kKeptForeignProgram.
    KeepReason MayDeleteTree(int root, const char* key);
    // Writing text into the value (log types as in RegistryValueData.h), or deleting it when text
    // is null.
    KeepReason MayChangeValue(int root, const char* key, const char* valueName, const char* text);
    // A key left empty by the run may go: it is not the system's and no link is on its way.
    bool MayDeleteEmptyKey(int root, const char* key);

    // Judges the item that key belongs to now, for every later question of this run.
    void JudgeItemOf(int root, const char* key);

private:
    bool LeadsThroughLink(int root, const char* key, bool keyItselfToo);
    bool OwnsItem(int root, const char* itemKey);
    bool KeyNamesInstallation(int root, const char* key, int levels, bool followReferences, unsigned* budget);
    bool DataNamesInstallation(const char* name, unsigned type, const unsigned char* data, std::size_t size,
                               bool followReferences, unsigned* budget);
    bool TextNamesInstallation(const char* text, bool defaultValue, bool followReferences, unsigned* budget);
    bool Names(const char* text);

    EngineRegistry& registry_;
    InstallationPlaces* places_;
    std::map<std::string, bool> items_;   // "root\ITEM KEY" -> the installation's
};

// How the run's report names a key and a value: "HKLM\Software\X", "HKLM\Software\X: Name"
// ("(default)" for the default value).
std::string RegistryKeyItem(int root, const char* key);
std::string RegistryValueItem(int root, const char* key, const char* valueName);
