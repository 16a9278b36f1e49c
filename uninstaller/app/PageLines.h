#pragma once
// The lines of the wizard's list pages (private files to sub-systems), one per record of the
// item store, in table order. Page 10 lists the sub-system (when the log names one), then the
// external programs, then the services.

#include <cstddef>

#include "uninstaller/log/ItemStore.h"

// Number of lines of a list page; 0 for the other pages.
unsigned PageItemCount(const ItemStore& store, int page);

// Text of line index, shortened to size. Registry lines begin with the hive
// ("HKEY_LOCAL_MACHINE\Software\...").
void PageItemText(const ItemStore& store, int page, unsigned index, char* out, size_t size);

// The selected flag of the record behind line index.
int* PageItemSelection(ItemStore& store, int page, unsigned index);

// The longest line text: buffers of this size hold every line whole.
enum { kPageLineSize = kPathSize + kRegistryValueSize + 64 };
