#pragma once
// The processor record: what the identification instruction (CPUID) reports, interpreted.

#include <cstdint>
#include <string>
#include <vector>

namespace ut {

enum class CpuVendor : uint8_t { Unknown = 0, Intel = 1, Cyrix = 2, Amd = 3, Transmeta = 4 };

// Feature bits of leaf 1 (EDX).
constexpr uint32_t kFeatureTimeStampCounter = 1u << 4;
constexpr uint32_t kFeatureMmx = 1u << 23;

// The raw answers of the identification instruction.
struct CpuidReport {
    bool present = false;      // the identification flag of the flags register could be toggled
    uint32_t highestLeaf = 0;  // leaf 0
    std::string vendorText;    // leaf 0, e.g. "GenuineIntel"
    uint32_t signature = 0;    // leaf 1, EAX
    uint32_t features = 0;     // leaf 1, EDX
    std::vector<uint8_t> cacheDescriptors;  // leaf 2 (Intel only)
    std::string brandText;     // leaves 0x80000002 to 0x80000004, where the processor has them
};

struct ProcessorInfo {
    bool hasCpuid = false;
    CpuVendor vendor = CpuVendor::Unknown;
    unsigned family = 0;  // with the extended family and model folded in as the makers define
    unsigned model = 0;
    unsigned stepping = 0;
    unsigned type = 0;
    uint32_t features = 0;
    std::string vendorName;
    std::string productName;
    bool hasMmx = false;
    unsigned clockMhz = 0;            // measured; 0 without a time-stamp counter
    unsigned normalizedClockMhz = 0;  // snapped to the usual marketing steps
};

// The record for the report, without the clock speed. Empty when the instruction is missing.
ProcessorInfo DescribeProcessor(const CpuidReport& report);

// The valid one-byte cache descriptors of leaf 2's registers: a register whose bit 31 is set
// holds none, and the lowest byte of EAX is an iteration count, not a descriptor.
std::vector<uint8_t> CacheDescriptorsFromLeaf2(uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx);

}  // namespace ut
