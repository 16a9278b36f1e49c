#pragma once
// Test tooling, not part of the programs: writes RFA archives in the exact layout the explorer
// reads, from a list of entries or a folder, and breaks them on purpose.
//
// Layout written: DirectoryOffset at 0, then each entry's data block (SegmentCount, the
// segment table, the compressed segments), then the directory. Each entry is cut into segments
// of at most SegmentSize bytes, each compressed on its own as an LZO1X stream.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rfa_test {

enum class Compression {
    LiteralOnly,  // literal runs and the end marker only; needs no library
    Lzo1x1,       // liblzo2's fast compressor
    Lzo1x999      // liblzo2's best compressor
};

// True when this build has liblzo2 (the host builds); the Lzo compressions need it.
bool HasLzo();
// The best compression this build has.
Compression BestCompression();

struct TestSegment {
    std::vector<uint8_t> Compressed;
    uint32_t UncompressedSize = 0;
};

struct TestEntry {
    std::string Name;                  // full entry name with "/" separators
    std::vector<uint8_t> Data;         // the contents, segmented and compressed by the writer
    std::vector<TestSegment> Segments; // written as they are instead, when RawSegments is set
    bool RawSegments = false;

    static TestEntry FromData(std::string name, std::vector<uint8_t> data);
    static TestEntry FromText(std::string name, const std::string& text);
    static TestEntry FromSegments(std::string name, std::vector<TestSegment> segments);
};

struct WriterOptions {
    Compression compression = Compression::LiteralOnly;
    size_t SegmentSize = 32768;
    // An empty entry gets no segments (SegmentCount 0) by default, or one segment holding only
    // the end marker.
    bool EmptyEntryAsOneSegment = false;
};

// Fields of a written archive that tests may overwrite to break it.
enum class Field {
    DirectoryOffset,  // header
    EntryCount,       // directory
    NameLength,       // of an entry
    ArchiveSize,
    Size,
    DataOffset,
    SegmentCount,     // of an entry's data block
    CompressedSize,   // of a segment record
    UncompressedSize,
    SegmentOffset
};

struct EntryLayout {
    uint32_t DirectoryEntryOffset = 0;       // where its NameLength is
    uint32_t NameLength = 0;
    uint32_t DataOffset = 0;                  // where its SegmentCount is
    std::vector<uint32_t> SegmentDataOffsets; // absolute offsets of its compressed segments
};

struct ArchiveImage {
    std::vector<uint8_t> Bytes;
    uint32_t DirectoryOffset = 0;
    std::vector<EntryLayout> Entries;

    // Where a field is; entry and segment select which one.
    uint32_t FieldOffset(Field field, size_t entry = 0, size_t segment = 0) const;
    void Set(Field field, uint32_t value, size_t entry = 0, size_t segment = 0);
    uint32_t Get(Field field, size_t entry = 0, size_t segment = 0) const;
    void PutUInt32(uint32_t offset, uint32_t value);
    void Save(const std::string& path) const;
};

// One LZO1X stream for the bytes, as a segment of the archive holds it.
std::vector<uint8_t> CompressSegment(const uint8_t* data, size_t size, Compression compression);

ArchiveImage BuildArchive(const std::vector<TestEntry>& entries, const WriterOptions& options = {});
void WriteArchive(const std::string& path, const std::vector<TestEntry>& entries, const WriterOptions& options = {});

// Every file below folder, named by its path relative to it with "/" separators, in name order.
std::vector<TestEntry> EntriesFromFolder(const std::string& folder);

}  // namespace rfa_test
