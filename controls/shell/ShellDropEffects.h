#pragma once
// The drop effects the dragged shell items allow.

#include <windows.h>
#include <objidl.h>

namespace mw {

// The effects (copy 1, move 2, link 4) that every item of the data object's "Shell IDList
// Array" allows, as their folder tells; all three when the format is missing or unreadable.
DWORD DropEffectOfItems(IDataObject* data);

}  // namespace mw
