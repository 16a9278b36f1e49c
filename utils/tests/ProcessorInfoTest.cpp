#include "utils/UtProcessorInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using ut::CpuVendor;

ut::CpuidReport Report(const char* vendor, uint32_t signature, std::string brand = "",
                       std::vector<uint8_t> descriptors = {}) {
    ut::CpuidReport report;
    report.present = true;
    report.highestLeaf = 2;
    report.vendorText = vendor;
    report.signature = signature;
    report.features = ut::kFeatureTimeStampCounter | ut::kFeatureMmx;
    report.brandText = std::move(brand);
    report.cacheDescriptors = std::move(descriptors);
    return report;
}

struct ProcessorCase {
    const char* what;
    ut::CpuidReport report;
    CpuVendor vendor;
    const char* vendorName;
    unsigned family, model, stepping, type;
    const char* productName;
};

TEST(DescribeProcessor, VendorsSignaturesAndNames) {
    // The brand text as processors give it: 48 bytes, padded with spaces in front and zeros behind.
    const std::string intelBrand = std::string("       Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz") + std::string(2, '\0');
    const ProcessorCase kCases[] = {
        {"current Intel: extended model, brand text", Report("GenuineIntel", 0x000906EA, intelBrand),
         CpuVendor::Intel, "Intel", 6, 0x9E, 10, 0, "Intel(R) Core(TM) i7-8700 CPU @ 3.20GHz"},
        {"current AMD: extended family", Report("AuthenticAMD", 0x00800F82, "AMD Ryzen 7 2700X Eight-Core Processor"),
         CpuVendor::Amd, "AMD", 0x17, 8, 2, 0, "AMD Ryzen 7 2700X Eight-Core Processor"},
        {"Pentium II without a second-level cache", Report("GenuineIntel", 0x00000652, "", {0x01, 0x02, 0x40}),
         CpuVendor::Intel, "Intel", 6, 5, 2, 0, "Celeron"},
        {"Pentium II with 1 MB of it", Report("GenuineIntel", 0x00000652, "", {0x01, 0x44}),
         CpuVendor::Intel, "Intel", 6, 5, 2, 0, "Pentium II Xeon"},
        {"Pentium III", Report("GenuineIntel", 0x00000673, "", {0x43}),
         CpuVendor::Intel, "Intel", 6, 7, 3, 0, "Pentium III"},
        {"Pentium OverDrive", Report("GenuineIntel", 0x00001532),
         CpuVendor::Intel, "Intel", 5, 3, 2, 1, "Pentium"},
        {"K6-2 by the table", Report("AuthenticAMD", 0x0000058C), CpuVendor::Amd, "AMD", 5, 8, 12, 0, "K6-2"},
        {"Cyrix 6x86", Report("CyrixInstead", 0x00000524), CpuVendor::Cyrix, "Cyrix", 5, 2, 4, 0, "6x86"},
        {"Transmeta, whatever its brand", Report("GenuineTMx86", 0x00000543, "Transmeta(tm) Efficeon"),
         CpuVendor::Transmeta, "Transmeta", 5, 4, 3, 0, "Crusoe"},
        {"another maker with a brand", Report("CentaurHauls", 0x000006A9, "VIA Nehemiah"),
         CpuVendor::Unknown, "Unknown", 6, 0xA, 9, 0, "VIA Nehemiah"},
        {"another maker without one", Report("Geode by NSC", 0x00000552), CpuVendor::Unknown, "Unknown", 5, 5, 2, 0,
         "Unknown"},
        {"a brand text of blanks", Report("AuthenticAMD", 0x00000681, std::string(12, ' ') + std::string(36, '\0')),
         CpuVendor::Amd, "AMD", 6, 8, 1, 0, "Athlon"},
    };
    for (const ProcessorCase& c : kCases) {
        const ut::ProcessorInfo info = ut::DescribeProcessor(c.report);
        EXPECT_TRUE(info.hasCpuid) << c.what;
        EXPECT_EQ(info.vendor, c.vendor) << c.what;
        EXPECT_EQ(info.vendorName, c.vendorName) << c.what;
        EXPECT_EQ(info.family, c.family) << c.what;
        EXPECT_EQ(info.model, c.model) << c.what;
        EXPECT_EQ(info.stepping, c.stepping) << c.what;
        EXPECT_EQ(info.type, c.type) << c.what;
        EXPECT_EQ(info.productName, c.productName) << c.what;
    }
}

TEST(DescribeProcessor, FeatureBits) {
    ut::CpuidReport report = Report("GenuineIntel", 0x00000543);
    report.features = ut::kFeatureMmx;
    EXPECT_TRUE(ut::DescribeProcessor(report).hasMmx);
    report.features = ~ut::kFeatureMmx;
    const ut::ProcessorInfo info = ut::DescribeProcessor(report);
    EXPECT_FALSE(info.hasMmx);
    EXPECT_EQ(info.features, ~ut::kFeatureMmx);
}

TEST(DescribeProcessor, EmptyWithoutTheInstruction) {
    ut::CpuidReport report = Report("GenuineIntel", 0x00000543, "Intel");
    report.present = false;
    const ut::ProcessorInfo info = ut::DescribeProcessor(report);
    EXPECT_FALSE(info.hasCpuid);
    EXPECT_EQ(info.vendor, CpuVendor::Unknown);
    EXPECT_EQ(info.family, 0u);
    EXPECT_EQ(info.features, 0u);
    EXPECT_FALSE(info.hasMmx);
    EXPECT_EQ(info.vendorName, "");
    EXPECT_EQ(info.productName, "");
}

TEST(CacheDescriptorsFromLeaf2, SkipsTheCountAndInvalidRegisters) {
    // EAX: count 1 and descriptors 0x50, 0x5B, 0x66; EBX marked invalid; EDX with a zero byte.
    EXPECT_EQ(ut::CacheDescriptorsFromLeaf2(0x665B5001, 0x80707A7B, 0x00000000, 0x007A7000),
              (std::vector<uint8_t>{0x50, 0x5B, 0x66, 0x70, 0x7A}));
}

}  // namespace
