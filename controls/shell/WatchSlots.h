#pragma once
// The watched handles of a directory-change watcher: 63 numbered slots, so that one wait
// covers them all plus the watcher's command event (64 objects, the system's limit). A slot
// number stays with its handle while the handle lives, so that the owner can map a change
// reported by slot number back to its folder.

#include <array>
#include <vector>

namespace mw {

// One wait's objects: position 0 is the command event, then the occupied slots in slot order.
struct TWaitList {
    static constexpr int kCapacity = 64;
    std::array<void*, kCapacity> handles{};
    std::array<int, kCapacity> slots{};  // the slot of each position; -1 at position 0
    int count = 0;
};

class TWatchSlots {
public:
    static constexpr int kSlotCount = 63;

    // Puts the handle in the lowest free slot and returns that slot; -1 when all are taken.
    int Add(void* handle);
    // Empties the slot and returns its handle (nullptr when it was free or out of range).
    void* Release(int slot);
    // Empties every slot and returns the handles they held.
    std::vector<void*> ReleaseAll();
    void* HandleAt(int slot) const;
    int Used() const;

    TWaitList WaitList(void* commandEvent) const;

private:
    std::array<void*, kSlotCount> handles_{};  // nullptr marks a free slot
};

}  // namespace mw
