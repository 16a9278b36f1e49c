// Fuzzes the segment decoder. The first byte picks the mode:
//   even: bytes 1-2 are the stated size, bytes 3-4 the length of earlier output, the rest is
//         a segment; decoded in buffers exactly as large as the decoder may use. Where liblzo2
//         is at hand and both decoders accept the segment, their outputs must agree.
//   odd:  the rest is data; compressed by liblzo2's lzo1x_1 in 32 KiB segments and decoded
//         through the entry decoder, it must come back exactly.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/archive/EntryDecoder.h"
#include "app/archive/SegmentDecoder.h"
#include "classlib/core/Stream.h"

#ifdef QUILLON_FUZZ_WITH_LZO
#include <lzo/lzo1x.h>
#endif

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

void DecodeRawSegment(const uint8_t* data, size_t size) {
    if (size < 4) return;
    const size_t outSize = data[0] | data[1] << 8;
    const size_t history = std::min<size_t>(data[2] | data[3] << 8, quillon::kMaxMatchDistance);
    data += 4;
    size -= 4;

    std::vector<uint8_t> in(data, data + size);
    in.resize(size + quillon::kSegmentInputPadding);
    std::vector<uint8_t> out(history + outSize + quillon::kSegmentOutputSlack);
    for (size_t i = 0; i < history; ++i) out[i] = uint8_t(i * 13);
    const quillon::SegmentStatus status = quillon::DecodeSegment(in.data(), size, out.data() + history, outSize, history);

#ifdef QUILLON_FUZZ_WITH_LZO
    // Both accepting means both walked the same tokens: the formats differ only where one of
    // them stops or refuses.
    if (status == quillon::SegmentStatus::Ok && history == 0) {
        std::vector<uint8_t> reference(outSize + 1);
        lzo_uint referenceSize = reference.size();
        if (lzo1x_decompress_safe(data, size, reference.data(), &referenceSize, nullptr) == LZO_E_OK &&
            referenceSize == outSize)
            Check(std::memcmp(reference.data(), out.data(), outSize) == 0);
    }
#else
    (void)status;
#endif
}

void RoundTrip(const uint8_t* data, size_t size) {
#ifdef QUILLON_FUZZ_WITH_LZO
    static const bool initialised = lzo_init() == LZO_E_OK;
    Check(initialised);
    std::vector<uint8_t> work(LZO1X_1_MEM_COMPRESS);
    cl::TMemoryStream decoded;
    quillon::TBlockWriter writer([&decoded]() -> cl::TStream& { return decoded; });
    quillon::TEntryDecoder decoder(writer);
    for (size_t start = 0; start < size; start += 32768) {
        const size_t chunk = std::min<size_t>(32768, size - start);
        std::vector<uint8_t> compressed(chunk + chunk / 16 + 64 + 3 + quillon::kSegmentInputPadding);
        lzo_uint compressedSize = 0;
        Check(lzo1x_1_compress(data + start, chunk, compressed.data(), &compressedSize, work.data()) == LZO_E_OK);
        Check(!decoder.AddSegment(compressed.data(), compressedSize, chunk));
    }
    Check(!decoder.Finish());
    Check(decoded.Bytes().size() == size && (size == 0 || std::memcmp(decoded.Bytes().data(), data, size) == 0));
#else
    (void)data;
    (void)size;
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    if (data[0] % 2 == 0)
        DecodeRawSegment(data + 1, size - 1);
    else
        RoundTrip(data + 1, size - 1);
    return 0;
}
