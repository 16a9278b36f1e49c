#include "controls/shell/WatchSlots.h"

namespace mw {

int TWatchSlots::Add(void* handle) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!handles_[slot]) {
            handles_[slot] = handle;
            return slot;
        }
    }
    return -1;
}

void* TWatchSlots::Release(int slot) {
    if (slot < 0 || slot >= kSlotCount) return nullptr;
    void* handle = handles_[slot];
    handles_[slot] = nullptr;
    return handle;
}

std::vector<void*> TWatchSlots::ReleaseAll() {
    std::vector<void*> released;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (void* handle = Release(slot)) released.push_back(handle);
    }
    return released;
}

void* TWatchSlots::HandleAt(int slot) const { return slot >= 0 && slot < kSlotCount ? handles_[slot] : nullptr; }

int TWatchSlots::Used() const {
    int used = 0;
    for (void* handle : handles_) used += handle != nullptr;
    return used;
}

TWaitList TWatchSlots::WaitList(void* commandEvent) const {
    TWaitList list;
    list.handles[0] = commandEvent;
    list.slots[0] = -1;
    list.count = 1;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (!handles_[slot]) continue;
        list.handles[list.count] = handles_[slot];
        list.slots[list.count] = slot;
        ++list.count;
    }
    return list;
}

}  // namespace mw
