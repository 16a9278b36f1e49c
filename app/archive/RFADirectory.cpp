#include "app/archive/RFADirectory.h"

#include <algorithm>
#include <cstring>

#include "app/archive/ArchiveInput.h"

namespace quillon {

namespace {

uint32_t LoadUInt32(const uint8_t* b) {
    return uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
}

std::string EntryLabel(uint32_t index) { return "entry " + std::to_string(index); }

// The names buffer is reserved up to this from the start (a directory that is not the end of
// its file can leave no useful bound).
constexpr uint64_t kNamesReserveLimit = uint64_t(64) << 20;

}  // namespace

TRFADirectory ReadRFADirectory(cl::TStream& archive, const std::string& archiveName,
                               const TDirectoryProgress& progress) {
    TArchiveInput input(archive, archiveName);
    const uint64_t size = input.Size();
    const std::string sizeText = " (the file has " + std::to_string(size) + " bytes)";

    if (!input.Contains(0, 4)) input.Fail("it is too short to hold a directory offset" + sizeText);
    TRFADirectory directory;
    // Straight from the stream: a block read here would fetch entry data that is not needed.
    archive.SetPosition(0);
    directory.DirectoryOffset = archive.ReadUInt32LE();
    uint64_t position = directory.DirectoryOffset;
    if (!input.Contains(position, 4))
        input.Fail("its directory offset " + std::to_string(position) + " lies beyond its end" + sizeText);
    const uint32_t count = input.UInt32At(position);
    position += 4;
    if (count > (size - position) / kDirectoryEntryFixedSize)
        input.Fail("its directory claims " + std::to_string(count) + " entries, more than the " +
                   std::to_string(size - position) + " bytes after the directory offset can hold");

    directory.Entries.resize(count);
    // The names take what the directory's records leave of the rest of the file when, as the
    // builder writes it, the directory comes last; never more than the longest names allow.
    const uint64_t namesBound = std::min<uint64_t>(size - position - uint64_t(count) * kDirectoryEntryFixedSize,
                                                   uint64_t(count) * kMaxEntryNameLength);
    directory.Names.reserve(size_t(std::min<uint64_t>(namesBound, kNamesReserveLimit)));
    // Each entry's name length while the names buffer may still grow; the views are set at the end.
    std::vector<uint16_t> nameLengths(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (!input.Contains(position, 4)) input.Fail(EntryLabel(i) + " is cut off by the end of the file");
        const uint32_t nameLength = input.UInt32At(position);
        if (nameLength > kMaxEntryNameLength)
            input.Fail(EntryLabel(i) + " has a name length of " + std::to_string(nameLength) + " bytes (at most " +
                       std::to_string(kMaxEntryNameLength) + ")");
        const size_t recordSize = 4 + nameLength + (kDirectoryEntryFixedSize - 4);
        if (!input.Contains(position, recordSize)) input.Fail(EntryLabel(i) + " is cut off by the end of the file");

        const uint8_t* record = input.Bytes(position, recordSize);
        const char* name = reinterpret_cast<const char*>(record + 4);
        const void* zero = std::memchr(name, 0, nameLength);
        TRFADirectoryEntry& entry = directory.Entries[i];
        nameLengths[i] = uint16_t(zero ? static_cast<const char*>(zero) - name : nameLength);
        directory.Names.insert(directory.Names.end(), name, name + nameLengths[i]);
        const uint8_t* values = record + 4 + nameLength;
        entry.ArchiveSize = LoadUInt32(values);
        entry.Size = LoadUInt32(values + 4);
        entry.DataOffset = LoadUInt32(values + 8);
        if (!input.Contains(entry.DataOffset, 4))
            input.Fail(EntryLabel(i) + " (\"" + std::string(name, nameLengths[i]) + "\") has its data at offset " +
                       std::to_string(entry.DataOffset) + ", beyond the end of the file" + sizeText);
        position += recordSize;
        if (progress) progress(i, count);
    }
    const char* names = directory.Names.data();
    for (uint32_t i = 0; i < count; ++i) {
        directory.Entries[i].Name = std::string_view(names, nameLengths[i]);
        names += nameLengths[i];
    }
    return directory;
}

TRFADirectory ReadRFADirectory(const std::string& archivePath, const TDirectoryProgress& progress) {
    cl::TFileStream file(archivePath, cl::FileMode::OpenRead);
    return ReadRFADirectory(file, archivePath, progress);
}

}  // namespace quillon
