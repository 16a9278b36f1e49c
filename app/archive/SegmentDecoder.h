#pragma once
// Decoding of one compressed segment of an archive entry. A segment is an LZO1X stream; this
// decoder reads it as the published LZO1X format does, with these rules of the archive format:
//   - the end marker is only the exact bytes 17, 0, 0; any other 16..23 token whose distance
//     bits are zero is a match at distance 16,384;
//   - matches may reach back into the output of the entry's earlier segments (the history);
//   - a segment must decode to exactly its stated uncompressed size.
// Every read, length and distance is checked; a damaged stream gives a status, never a read or
// write outside the buffers described below.

#include <cstddef>
#include <cstdint>

namespace quillon {

// Largest distance a match can have (token 24..31 with all distance bits set).
constexpr size_t kMaxMatchDistance = 49151;
// The decoder copies in 16-byte steps: the input must stay readable this many bytes past its
// end, and the output writable this many bytes past the segment's end.
constexpr size_t kSegmentInputPadding = 32;
constexpr size_t kSegmentOutputSlack = 32;
// No token turns fewer than 1 input byte into more than 255 output bytes, so a segment that
// claims more output than this per compressed byte cannot be decoded to its size.
constexpr uint64_t kMaxSegmentExpansion = 255;

enum class SegmentStatus {
    Ok,
    InputOverrun,       // the stream ends before its end marker, or a token is cut short
    OutputOverrun,      // the stream produces more than the stated size
    OutputUnderrun,     // the end marker comes before the stated size is reached
    DistanceTooFar      // a match reaches back before the start of the entry's output
};

// A short English description of a status, for error messages.
const char* DescribeSegmentStatus(SegmentStatus status);

// Decodes `inSize` bytes at `in` into exactly `outSize` bytes at `out`.
// `history` bytes before `out` are earlier output that matches may copy from.
// Buffers: in[0 .. inSize + kSegmentInputPadding) readable (the padding's contents do not
// matter), out[-history .. outSize + kSegmentOutputSlack) writable from out on.
// On failure the contents of out are unspecified.
SegmentStatus DecodeSegment(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t history);

}  // namespace quillon
