#include "tools/rfa_writer/RfaWriter.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#ifdef RFA_WRITER_WITH_LZO
#include <lzo/lzo1x.h>
#endif

namespace rfa_test {

namespace {

void Append32(std::vector<uint8_t>& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(uint8_t(value >> shift));
}

// Literal runs as the format reads them, then the end marker 17, 0, 0. The first run is
// counted by the first byte (18..255 for 1..238 bytes, or 0 + extension for 18 and more).
std::vector<uint8_t> LiteralOnlySegment(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    if (size > 0 && size <= 238) {
        out.push_back(uint8_t(17 + size));
    } else if (size > 238) {
        out.push_back(0);
        size_t rest = size - 18;  // 255 per zero byte, then a non-zero byte
        while (rest > 255) {
            out.push_back(0);
            rest -= 255;
        }
        out.push_back(uint8_t(rest));
    }
    out.insert(out.end(), data, data + size);
    out.insert(out.end(), {17, 0, 0});
    return out;
}

#ifdef RFA_WRITER_WITH_LZO
std::vector<uint8_t> LzoSegment(const uint8_t* data, size_t size, Compression compression) {
    static const bool initialised = lzo_init() == LZO_E_OK;
    if (!initialised) throw std::runtime_error("lzo_init failed");
    std::vector<uint8_t> out(size + size / 16 + 64 + 3);
    std::vector<uint8_t> work(compression == Compression::Lzo1x999 ? LZO1X_999_MEM_COMPRESS : LZO1X_1_MEM_COMPRESS);
    lzo_uint outSize = 0;
    const int result = compression == Compression::Lzo1x999
                           ? lzo1x_999_compress(data, size, out.data(), &outSize, work.data())
                           : lzo1x_1_compress(data, size, out.data(), &outSize, work.data());
    if (result != LZO_E_OK) throw std::runtime_error("LZO compression failed");
    out.resize(outSize);
    return out;
}
#endif

std::vector<TestSegment> MakeSegments(const TestEntry& entry, const WriterOptions& options) {
    if (entry.RawSegments) return entry.Segments;
    std::vector<TestSegment> segments;
    if (entry.Data.empty()) {
        if (options.EmptyEntryAsOneSegment) segments.push_back({CompressSegment(nullptr, 0, options.compression), 0});
        return segments;
    }
    for (size_t start = 0; start < entry.Data.size(); start += options.SegmentSize) {
        const size_t size = std::min(options.SegmentSize, entry.Data.size() - start);
        segments.push_back({CompressSegment(entry.Data.data() + start, size, options.compression), uint32_t(size)});
    }
    return segments;
}

}  // namespace

bool HasLzo() {
#ifdef RFA_WRITER_WITH_LZO
    return true;
#else
    return false;
#endif
}

Compression BestCompression() { return HasLzo() ? Compression::Lzo1x999 : Compression::LiteralOnly; }

TestEntry TestEntry::FromData(std::string name, std::vector<uint8_t> data) {
    TestEntry entry;
    entry.Name = std::move(name);
    entry.Data = std::move(data);
    return entry;
}

TestEntry TestEntry::FromText(std::string name, const std::string& text) {
    return FromData(std::move(name), std::vector<uint8_t>(text.begin(), text.end()));
}

TestEntry TestEntry::FromSegments(std::string name, std::vector<TestSegment> segments) {
    TestEntry entry;
    entry.Name = std::move(name);
    entry.Segments = std::move(segments);
    entry.RawSegments = true;
    return entry;
}

std::vector<uint8_t> CompressSegment(const uint8_t* data, size_t size, Compression compression) {
    if (compression == Compression::LiteralOnly) return LiteralOnlySegment(data, size);
#ifdef RFA_WRITER_WITH_LZO
    return LzoSegment(data, size, compression);
#else
    throw std::runtime_error("this build has no liblzo2; use Compression::LiteralOnly");
#endif
}

ArchiveImage BuildArchive(const std::vector<TestEntry>& entries, const WriterOptions& options) {
    ArchiveImage image;
    std::vector<uint8_t>& bytes = image.Bytes;
    Append32(bytes, 0);  // the directory offset, filled in below

    std::vector<uint32_t> archiveSizes;
    for (const TestEntry& entry : entries) {
        const std::vector<TestSegment> segments = MakeSegments(entry, options);
        EntryLayout layout;
        layout.DataOffset = uint32_t(bytes.size());
        Append32(bytes, uint32_t(segments.size()));
        uint32_t offset = 0;
        for (const TestSegment& segment : segments) {
            Append32(bytes, uint32_t(segment.Compressed.size()));
            Append32(bytes, segment.UncompressedSize);
            Append32(bytes, offset);
            offset += uint32_t(segment.Compressed.size());
        }
        for (const TestSegment& segment : segments) {
            layout.SegmentDataOffsets.push_back(uint32_t(bytes.size()));
            bytes.insert(bytes.end(), segment.Compressed.begin(), segment.Compressed.end());
        }
        archiveSizes.push_back(uint32_t(bytes.size()) - layout.DataOffset);
        image.Entries.push_back(std::move(layout));
    }

    image.DirectoryOffset = uint32_t(bytes.size());
    image.PutUInt32(0, image.DirectoryOffset);
    Append32(bytes, uint32_t(entries.size()));
    for (size_t i = 0; i < entries.size(); ++i) {
        const TestEntry& entry = entries[i];
        EntryLayout& layout = image.Entries[i];
        layout.DirectoryEntryOffset = uint32_t(bytes.size());
        layout.NameLength = uint32_t(entry.Name.size());
        Append32(bytes, layout.NameLength);
        bytes.insert(bytes.end(), entry.Name.begin(), entry.Name.end());
        Append32(bytes, archiveSizes[i]);
        uint32_t size = 0;
        if (entry.RawSegments) {
            for (const TestSegment& segment : entry.Segments) size += segment.UncompressedSize;
        } else {
            size = uint32_t(entry.Data.size());
        }
        Append32(bytes, size);
        Append32(bytes, layout.DataOffset);
        bytes.insert(bytes.end(), 12, 0);
    }
    return image;
}

void WriteArchive(const std::string& path, const std::vector<TestEntry>& entries, const WriterOptions& options) {
    BuildArchive(entries, options).Save(path);
}

uint32_t ArchiveImage::FieldOffset(Field field, size_t entry, size_t segment) const {
    switch (field) {
        case Field::DirectoryOffset: return 0;
        case Field::EntryCount: return DirectoryOffset;
        case Field::NameLength: return Entries.at(entry).DirectoryEntryOffset;
        case Field::ArchiveSize: return Entries.at(entry).DirectoryEntryOffset + 4 + Entries.at(entry).NameLength;
        case Field::Size: return FieldOffset(Field::ArchiveSize, entry) + 4;
        case Field::DataOffset: return FieldOffset(Field::ArchiveSize, entry) + 8;
        case Field::SegmentCount: return Entries.at(entry).DataOffset;
        case Field::CompressedSize: return Entries.at(entry).DataOffset + 4 + 12 * uint32_t(segment);
        case Field::UncompressedSize: return FieldOffset(Field::CompressedSize, entry, segment) + 4;
        case Field::SegmentOffset: return FieldOffset(Field::CompressedSize, entry, segment) + 8;
    }
    throw std::logic_error("unknown field");
}

void ArchiveImage::Set(Field field, uint32_t value, size_t entry, size_t segment) {
    PutUInt32(FieldOffset(field, entry, segment), value);
}

uint32_t ArchiveImage::Get(Field field, size_t entry, size_t segment) const {
    const uint32_t offset = FieldOffset(field, entry, segment);
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value |= uint32_t(Bytes.at(offset + i)) << (8 * i);
    return value;
}

void ArchiveImage::PutUInt32(uint32_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) Bytes.at(offset + i) = uint8_t(value >> (8 * i));
}

void ArchiveImage::Save(const std::string& path) const {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(Bytes.data()), std::streamsize(Bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path);
}

std::vector<TestEntry> EntriesFromFolder(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<TestEntry> entries;
    for (const fs::directory_entry& item : fs::recursive_directory_iterator(folder)) {
        if (!item.is_regular_file()) continue;
        std::ifstream file(item.path(), std::ios::binary);
        std::vector<uint8_t> data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        entries.push_back(TestEntry::FromData(fs::relative(item.path(), folder).generic_string(), std::move(data)));
    }
    std::sort(entries.begin(), entries.end(), [](const TestEntry& a, const TestEntry& b) { return a.Name < b.Name; });
    return entries;
}

}  // namespace rfa_test
