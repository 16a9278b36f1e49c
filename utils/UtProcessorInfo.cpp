#include "utils/UtProcessorInfo.h"

#include <algorithm>

namespace ut {

namespace {

struct VendorEntry {
    const char* text;
    CpuVendor vendor;
    const char* name;
};

constexpr VendorEntry kVendors[] = {
    {"GenuineIntel", CpuVendor::Intel, "Intel"},
    {"CyrixInstead", CpuVendor::Cyrix, "Cyrix"},
    {"AuthenticAMD", CpuVendor::Amd, "AMD"},
    {"GenuineTMx86", CpuVendor::Transmeta, "Transmeta"},
};

// Names of processors that do not report a brand text themselves; the first match counts.
// Where the cache decides, a Pentium II or III without a second-level cache is a Celeron and
// one with a large cache a Xeon.
struct ModelName {
    CpuVendor vendor;
    unsigned family;
    unsigned firstModel;
    unsigned lastModel;
    const char* name;
    bool cacheDecides = false;
};

constexpr unsigned kAnyModel = 0xFF;  // models (with the extended bits) end there

constexpr ModelName kModelNames[] = {
    {CpuVendor::Intel, 4, 0, kAnyModel, "486"},
    {CpuVendor::Intel, 5, 4, 4, "Pentium MMX"},
    {CpuVendor::Intel, 5, 8, 8, "Pentium MMX"},
    {CpuVendor::Intel, 5, 0, kAnyModel, "Pentium"},
    {CpuVendor::Intel, 6, 1, 1, "Pentium Pro"},
    {CpuVendor::Intel, 6, 3, 5, "Pentium II", true},
    {CpuVendor::Intel, 6, 6, 6, "Celeron"},
    {CpuVendor::Intel, 6, 7, 8, "Pentium III", true},
    {CpuVendor::Intel, 6, 9, 9, "Pentium M"},
    {CpuVendor::Intel, 6, 10, 11, "Pentium III", true},
    {CpuVendor::Intel, 6, 13, 13, "Pentium M"},
    {CpuVendor::Intel, 15, 0, kAnyModel, "Pentium 4"},
    {CpuVendor::Amd, 4, 0, kAnyModel, "Am486"},
    {CpuVendor::Amd, 5, 0, 3, "K5"},
    {CpuVendor::Amd, 5, 6, 7, "K6"},
    {CpuVendor::Amd, 5, 8, 8, "K6-2"},
    {CpuVendor::Amd, 5, 9, 9, "K6-III"},
    {CpuVendor::Amd, 6, 0, kAnyModel, "Athlon"},
    {CpuVendor::Cyrix, 4, 0, kAnyModel, "MediaGX"},
    {CpuVendor::Cyrix, 5, 0, kAnyModel, "6x86"},
    {CpuVendor::Cyrix, 6, 0, kAnyModel, "6x86MX"},
};

// Leaf 2 descriptors that tell Intel's family 6 variants apart.
constexpr uint8_t kNoSecondLevelCache = 0x40;
constexpr uint8_t kSecondLevelCache1M = 0x44;
constexpr uint8_t kSecondLevelCache2M = 0x45;

bool Has(const std::vector<uint8_t>& descriptors, uint8_t descriptor) {
    return std::find(descriptors.begin(), descriptors.end(), descriptor) != descriptors.end();
}

std::string TrimmedBrand(const std::string& text) {
    const size_t end = text.find('\0');
    const std::string visible = text.substr(0, end);
    const size_t first = visible.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    return visible.substr(first, visible.find_last_not_of(' ') - first + 1);
}

std::string TableName(const ProcessorInfo& info, const std::vector<uint8_t>& descriptors) {
    for (const ModelName& entry : kModelNames) {
        if (entry.vendor != info.vendor || entry.family != info.family) continue;
        if (info.model < entry.firstModel || info.model > entry.lastModel) continue;
        const std::string name = entry.name;
        if (entry.cacheDecides) {
            if (Has(descriptors, kNoSecondLevelCache)) return "Celeron";
            if (Has(descriptors, kSecondLevelCache1M) || Has(descriptors, kSecondLevelCache2M))
                return name + " Xeon";
        }
        return name;
    }
    return "Unknown";
}

}  // namespace

ProcessorInfo DescribeProcessor(const CpuidReport& report) {
    ProcessorInfo info;
    if (!report.present) return info;
    info.hasCpuid = true;
    info.vendorName = "Unknown";
    for (const VendorEntry& entry : kVendors) {
        if (report.vendorText == entry.text) {
            info.vendor = entry.vendor;
            info.vendorName = entry.name;
        }
    }

    const uint32_t signature = report.signature;
    const unsigned baseFamily = (signature >> 8) & 0xF;
    const unsigned baseModel = (signature >> 4) & 0xF;
    info.family = baseFamily == 0xF ? baseFamily + ((signature >> 20) & 0xFF) : baseFamily;
    info.model = (baseFamily == 0x6 || baseFamily == 0xF) ? baseModel + (((signature >> 16) & 0xF) << 4) : baseModel;
    info.stepping = signature & 0xF;
    info.type = (signature >> 12) & 0x3;
    info.features = report.features;
    info.hasMmx = (report.features & kFeatureMmx) != 0;

    const std::string brand = TrimmedBrand(report.brandText);
    if (info.vendor == CpuVendor::Transmeta)
        info.productName = "Crusoe";
    else if (!brand.empty())
        info.productName = brand;
    else
        info.productName = TableName(info, report.cacheDescriptors);
    return info;
}

std::vector<uint8_t> CacheDescriptorsFromLeaf2(uint32_t eax, uint32_t ebx, uint32_t ecx, uint32_t edx) {
    std::vector<uint8_t> descriptors;
    const uint32_t registers[] = {eax, ebx, ecx, edx};
    for (int r = 0; r < 4; ++r) {
        if (registers[r] & 0x80000000u) continue;
        for (int byte = r == 0 ? 1 : 0; byte < 4; ++byte) {
            const auto descriptor = static_cast<uint8_t>(registers[r] >> (8 * byte));
            if (descriptor != 0) descriptors.push_back(descriptor);
        }
    }
    return descriptors;
}

}  // namespace ut
