// Reading INSTALL.LOG into the item store (g_itemStore, see ItemStore.h).
//
// Use from the program:
//     if (AllocateItemTables() != 0) ...            // once, before reading
//     if (ReadInstallLog(logPath, topDirectory, sizeof topDirectory, system, ui) != 0)
//         ...                                       // message already shown: end sequence
//     ... wizard, engine (read g_itemStore) ...
//     FreeItemStore();                              // at exit: frees every record and table
//
// `system` is normally a WindowsLogSystem (WindowsLogSystem.h); `ui` is the program's own LogUi.
#pragma once

#include <cstddef>
#include <cstdint>

#include "uninstaller/log/ItemStore.h"
#include "uninstaller/log/LogHost.h"
#include "uninstaller/log/LogInput.h"

// Empties the store; its tables then grow as the log's records come. 0 on success.
int AllocateItemTables();

// Reads the log once into g_itemStore. topDirectory receives the top created directory (short
// form, trailing "\"; also kept in g_itemStore.topDirectory). 0 on success, 1 on failure: the
// message has been shown through `ui`.
int ReadInstallLog(const char* logPath, char* topDirectory, std::size_t topDirectorySize,
                   LogSystem& system, LogUi& ui);

// The same from any input (the log's bytes in memory, for instance). logPath still places the
// log for the top directory (then in g_itemStore.topDirectory) and its folder's record.
int ReadInstallLogFrom(LogInput& input, const char* logPath, LogSystem& system, LogUi& ui);

// Frees every record, table and arena block, and empties the store.
void FreeItemStore();
