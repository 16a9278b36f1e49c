#include "app/search/ContentSearch.h"

#include "app/archive/EntryExtraction.h"
#include "app/search/TermMatcher.h"
#include "classlib/core/Exception.h"
#include "classlib/core/TextUtils.h"

namespace quillon {

namespace {

// The decoder's target: takes the bytes for the matcher and keeps nothing.
class TMatchingStream : public cl::TStream {
public:
    explicit TMatchingStream(TTermMatcher& matcher) : matcher_(matcher) {}

    size_t Read(void*, size_t) override { throw cl::EReadError("Stream read error"); }
    size_t Write(const void* buffer, size_t count) override {
        matcher_.Feed(static_cast<const uint8_t*>(buffer), count);
        written_ += static_cast<int64_t>(count);
        return count;
    }
    int64_t Seek(int64_t offset, cl::SeekOrigin origin) override {
        // Only where the end is can be asked; the bytes are gone.
        if (offset != 0 || origin == cl::SeekOrigin::Beginning) throw cl::EStreamError("Stream seek error");
        return written_;
    }

private:
    TTermMatcher& matcher_;
    int64_t written_ = 0;
};

}  // namespace

bool IsContentSearchable(const std::string& entryString) {
    const std::string_view fileName = EntryFileName(entryString);
    if (!fileName.empty() && fileName.front() == '*') return false;
    const std::string extension = cl::UpperCase(cl::ExtractFileExt(std::string(fileName)));
    for (const char* binary : {".WAV", ".DDS", ".BAF", ".SM", ".TGA"})
        if (extension == binary) return false;
    return true;
}

TContentMatch SearchEntryContents(TArchiveInput& archive, const TRFAFile& entry, const std::string& term,
                                  const std::function<void()>& betweenSegments, TDecodeBuffers* reuse) {
    TTermMatcher matcher(term);
    TMatchingStream stream(matcher);
    TContentMatch match;
    match.SegmentCount = DecodeEntry(archive, entry, stream, betweenSegments, reuse);
    match.Found = matcher.Found();
    return match;
}

}  // namespace quillon
