// Fuzzes the directory reader and, for each entry it accepts, the extraction of that entry:
// any input must give a directory or ERFAFormatError, never a crash, a hang or a read outside
// the buffers.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/archive/ArchiveInput.h"
#include "app/archive/EntryExtraction.h"
#include "app/archive/RFADirectory.h"
#include "app/archive/RFAFormatError.h"
#include "classlib/core/Stream.h"

namespace {

// Counts what is written and stops a decode that grows too large for a fuzzing run.
class TCountingSink : public cl::TStream {
public:
    struct ETooLarge {};
    size_t Read(void*, size_t) override { return 0; }
    size_t Write(const void*, size_t count) override {
        written_ += count;
        if (written_ > (64u << 20)) throw ETooLarge{};
        return count;
    }
    int64_t Seek(int64_t, cl::SeekOrigin) override { return int64_t(written_); }

private:
    size_t written_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    cl::TMemoryStream archive(std::vector<uint8_t>(data, data + size));
    quillon::TRFADirectory directory;
    try {
        directory = quillon::ReadRFADirectory(archive, "fuzz.rfa");
    } catch (const quillon::ERFAFormatError&) {
        return 0;
    }
    quillon::TArchiveInput input(archive, "fuzz.rfa");
    for (size_t i = 0; i < directory.Entries.size() && i < 16; ++i) {
        const quillon::TRFADirectoryEntry& record = directory.Entries[i];
        const quillon::TRFAFile file = quillon::MakeRFAFile(record.Name, record.ArchiveSize, directory.DirectoryOffset,
                                                            record.DataOffset, uint32_t(i), record.Size);
        TCountingSink sink;
        try {
            quillon::DecodeEntry(input, file, sink);
        } catch (const quillon::ERFAFormatError&) {
        } catch (const TCountingSink::ETooLarge&) {
        }
    }
    return 0;
}
