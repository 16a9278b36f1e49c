#include "uninstaller/app/PageLines.h"

#include <cstdio>
#include <cstring>

#include "uninstaller/app/WizardSteps.h"

namespace {

// Old registry values are shown up to this many characters after a value name.
const int kShownOldValue = 255;

void Put(char* out, size_t size, const char* text)
{
    std::snprintf(out, size, "%s", text);
}

void DirectoryLine(const DirectoryRecord& record, char* out, size_t size)
{
    size_t length = std::strlen(record.path);
    if (length && record.path[length - 1] == '\\')
        --length;
    std::snprintf(out, size, "%.*s", static_cast<int>(length), record.path);
}

// Keys are shown with their hive, which the key path alone does not tell.
const char* HivePrefix(int root)
{
    static const char* const kHives[] = {"HKEY_CLASSES_ROOT\\", "HKEY_CURRENT_USER\\", "HKEY_LOCAL_MACHINE\\",
                                         "HKEY_USERS\\", "HKEY_CURRENT_CONFIG\\"};
    return root >= 0 && root < static_cast<int>(sizeof kHives / sizeof *kHives) ? kHives[root] : "";
}

void RegistryKeyLine(const RegistryKeyRecord& record, char* out, size_t size)
{
    if (record.valueName[0])
        std::snprintf(out, size, "%s%s Value Name: %s", HivePrefix(record.root), record.keyPath, record.valueName);
    else
        std::snprintf(out, size, "%s%s", HivePrefix(record.root), record.keyPath);
}

void RegistryEditLine(const RegistryEditRecord& record, char* out, size_t size)
{
    // The first of the old values (a list of strings) is the one shown.
    if (record.valueName[0])
        std::snprintf(out, size, "%s%s Value Name: %s=%.*s", HivePrefix(record.root), record.keyPath,
                      record.valueName, kShownOldValue, record.oldValues);
    else
        std::snprintf(out, size, "%s%s=%s", HivePrefix(record.root), record.keyPath, record.oldValues);
}

unsigned SubSystemLines(const ItemStore& store)
{
    return store.subSystemName ? 1 : 0;
}

}  // namespace

unsigned PageItemCount(const ItemStore& store, int page)
{
    switch (page) {
    case kPagePrivateFiles: return store.privateFiles.count;
    case kPageSystemFiles: return store.systemFiles.count;
    case kPageDirectories: return store.directories.count;
    case kPageIniFiles: return store.iniFiles.count;
    case kPageIniItems: return store.iniItems.count;
    case kPageRegistryKeys: return store.registryKeys.count;
    case kPageRegistryTrees: return store.registryTrees.count;
    case kPageRegistryEdits: return store.registryEdits.count;
    case kPageIcons: return store.icons.count;
    case kPageSubSystems: return SubSystemLines(store) + store.externalPrograms.count + store.services.count;
    default: return 0;
    }
}

void PageItemText(const ItemStore& store, int page, unsigned index, char* out, size_t size)
{
    if (size == 0)
        return;
    out[0] = '\0';
    if (index >= PageItemCount(store, page))
        return;
    switch (page) {
    case kPagePrivateFiles: Put(out, size, store.privateFiles[index]->path); break;
    case kPageSystemFiles: Put(out, size, store.systemFiles[index]->path); break;
    case kPageDirectories: DirectoryLine(*store.directories[index], out, size); break;
    case kPageIniFiles: Put(out, size, store.iniFiles[index]->path); break;
    case kPageIniItems: {
        const IniItemRecord& item = *store.iniItems[index];
        std::snprintf(out, size, "%s: [%s] %s=%s", item.file, item.sectionName, item.itemName, item.firstOldValue);
        break;
    }
    case kPageRegistryKeys: RegistryKeyLine(*store.registryKeys[index], out, size); break;
    case kPageRegistryTrees: {
        const RegistryTreeRecord& tree = *store.registryTrees[index];
        std::snprintf(out, size, "%s%s", HivePrefix(tree.root), tree.keyPath);
        break;
    }
    case kPageRegistryEdits: RegistryEditLine(*store.registryEdits[index], out, size); break;
    case kPageIcons: Put(out, size, store.icons[index]->name); break;
    case kPageSubSystems: {
        if (index < SubSystemLines(store)) {
            Put(out, size, store.subSystemName);
            break;
        }
        index -= SubSystemLines(store);
        if (index < store.externalPrograms.count) {
            const ExternalProgramRecord& program = *store.externalPrograms[index];
            Put(out, size, program.displayName[0] ? program.displayName : program.commandLine);
            break;
        }
        Put(out, size, store.services[index - store.externalPrograms.count]->name);
        break;
    }
    }
}

int* PageItemSelection(ItemStore& store, int page, unsigned index)
{
    if (index >= PageItemCount(store, page))
        return nullptr;
    switch (page) {
    case kPagePrivateFiles: return &store.privateFiles[index]->selected;
    case kPageSystemFiles: return &store.systemFiles[index]->selected;
    case kPageDirectories: return &store.directories[index]->selected;
    case kPageIniFiles: return &store.iniFiles[index]->selected;
    case kPageIniItems: return &store.iniItems[index]->selected;
    case kPageRegistryKeys: return &store.registryKeys[index]->selected;
    case kPageRegistryTrees: return &store.registryTrees[index]->selected;
    case kPageRegistryEdits: return &store.registryEdits[index]->selected;
    case kPageIcons: return &store.icons[index]->selected;
    case kPageSubSystems:
        if (index < SubSystemLines(store))
            return &store.subSystemSelected;
        index -= SubSystemLines(store);
        if (index < store.externalPrograms.count)
            return &store.externalPrograms[index]->selected;
        return &store.services[index - store.externalPrograms.count]->selected;
    default: return nullptr;
    }
}
