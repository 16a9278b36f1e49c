#include "utils/UtCpuid.h"

#include <cpuid.h>
#include <x86intrin.h>

#include <cstring>
#include <initializer_list>

namespace ut {

namespace {

constexpr uint32_t kIdentificationFlag = 1u << 21;  // of the flags register
constexpr uint32_t kExtendedLeaves = 0x80000000u;
constexpr uint32_t kLastBrandLeaf = 0x80000004u;

bool IdentificationFlagToggles() {
#if defined(__x86_64__)
    return true;  // every 64-bit processor has the instruction
#else
    const uint32_t original = __readeflags();
    __writeeflags(original ^ kIdentificationFlag);
    const uint32_t toggled = __readeflags();
    __writeeflags(original);
    return ((original ^ toggled) & kIdentificationFlag) != 0;
#endif
}

struct Registers {
    uint32_t eax = 0, ebx = 0, ecx = 0, edx = 0;
};

Registers Leaf(uint32_t leaf) {
    Registers r;
    __cpuid(leaf, r.eax, r.ebx, r.ecx, r.edx);
    return r;
}

std::string Text(std::initializer_list<uint32_t> words) {
    std::string text;
    for (uint32_t word : words) {
        char bytes[4];
        std::memcpy(bytes, &word, sizeof bytes);
        text.append(bytes, sizeof bytes);
    }
    return text;
}

}  // namespace

CpuidReport ReadCpuidReport() {
    CpuidReport report;
    if (!IdentificationFlagToggles()) return report;
    report.present = true;

    const Registers leaf0 = Leaf(0);
    report.highestLeaf = leaf0.eax;
    report.vendorText = Text({leaf0.ebx, leaf0.edx, leaf0.ecx});
    if (report.highestLeaf >= 1) {
        const Registers leaf1 = Leaf(1);
        report.signature = leaf1.eax;
        report.features = leaf1.edx;
    }
    if (report.highestLeaf >= 2 && report.vendorText == "GenuineIntel") {
        const Registers leaf2 = Leaf(2);
        report.cacheDescriptors = CacheDescriptorsFromLeaf2(leaf2.eax, leaf2.ebx, leaf2.ecx, leaf2.edx);
    }
    // Processors without extended leaves answer with their highest basic leaf, below the range.
    if (Leaf(kExtendedLeaves).eax >= kLastBrandLeaf) {
        for (uint32_t leaf = kExtendedLeaves + 2; leaf <= kLastBrandLeaf; ++leaf) {
            const Registers r = Leaf(leaf);
            report.brandText += Text({r.eax, r.ebx, r.ecx, r.edx});
        }
    }
    return report;
}

}  // namespace ut
