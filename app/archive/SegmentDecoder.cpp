#include "app/archive/SegmentDecoder.h"

#include <algorithm>
#include <cstring>

namespace quillon {

namespace {

// Fixed-size copies compile to a few unaligned loads and stores.
inline void Copy8(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 8); }
inline void Copy16(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 16); }

// Copies count bytes (at least 1) in 16-byte steps; may read and write up to 31 bytes beyond
// count. The first 32 take no branch: most runs that get here are no longer.
inline void WildCopy(uint8_t* to, const uint8_t* from, size_t count) {
    Copy16(to, from);
    Copy16(to + 16, from + 16);
    for (size_t i = 32; i < count; i += 16) Copy16(to + i, from + i);
}

// The first 8 bytes of a match whose period (dist) is under 8: 4 one at a time, then 4 copied
// from where the pattern has just been written out. Returns the smallest multiple of the
// period that is at least 8: from there back on, 8-byte copies repeat the pattern.
inline size_t StartShortPeriod(uint8_t* out, size_t dist) {
    static constexpr uint8_t kNextFour[8] = {0, 1, 2, 1, 0, 4, 4, 4};
    static constexpr uint8_t kStride[8] = {0, 8, 8, 9, 8, 10, 12, 14};
    const uint8_t* const from = out - dist;
    out[0] = from[0];
    out[1] = from[1];
    out[2] = from[2];
    out[3] = from[3];
    std::memcpy(out + 4, from + kNextFour[dist], 4);
    return kStride[dist];
}

// Appends len bytes that start dist bytes back; when dist < len the last dist bytes repeat.
// May write up to 31 bytes beyond len.
inline void CopyMatch(uint8_t* out, size_t dist, size_t len) {
    const uint8_t* from = out - dist;
    if (dist >= 16) {
        Copy16(out, from);
        Copy16(out + 16, from + 16);
        for (size_t i = 32; i < len; i += 16) Copy16(out + i, from + i);
    } else if (dist >= 8) {
        Copy8(out, from);
        Copy8(out + 8, from + 8);
        Copy8(out + 16, from + 16);
        Copy8(out + 24, from + 24);
        for (size_t i = 32; i < len; i += 8) Copy8(out + i, from + i);
    } else {
        const size_t stride = StartShortPeriod(out, dist);
        for (size_t i = 8; i < len; i += 8) Copy8(out + i, out + i - stride);
    }
}

// Reads a length continued in extra bytes: base + 255 for each zero byte + the first non-zero
// byte. Fails early once the length passes limit (the output still free), so it cannot overflow.
inline SegmentStatus ReadLengthExtension(const uint8_t*& ip, const uint8_t* end, size_t base, size_t limit,
                                         size_t& length) {
    size_t n = base;
    for (;;) {
        if (ip >= end) return SegmentStatus::InputOverrun;
        const uint8_t b = *ip++;
        if (b != 0) {
            length = n + b;
            return SegmentStatus::Ok;
        }
        n += 255;
        if (n > limit) return SegmentStatus::OutputOverrun;
    }
}

// The literal run that opens a segment. First byte 0: 18 + extension; 1..15: byte + 3;
// 16 and 17: no literals, the byte is the first token; 18..255: byte - 17.
inline SegmentStatus DecodeFirstLiteralRun(const uint8_t*& ip, const uint8_t* end, size_t limit, size_t& count) {
    if (ip >= end) return SegmentStatus::InputOverrun;
    const uint8_t b = *ip;
    if (b == 16 || b == 17) {
        count = 0;
        return SegmentStatus::Ok;
    }
    ++ip;
    if (b == 0) return ReadLengthExtension(ip, end, 18, limit, count);
    count = b < 16 ? b + 3u : b - 17u;
    return SegmentStatus::Ok;
}

// The literals after a match. count comes in as the low two bits of the token's last byte but
// one (the token, or the first distance byte): 1..3 literals. When they are 0, a byte 0..15 at
// ip starts a longer run (byte + 3; 0 gives 18 + extension) and any other byte is the next token.
// *ip is looked at before it is known to be in bounds (it is then padding); the caller's next
// token read rejects that case.
inline SegmentStatus DecodeTrailingLiterals(const uint8_t*& ip, const uint8_t* end, size_t limit, size_t& count) {
    if ((count | (*ip >> 4)) != 0) return SegmentStatus::Ok;
    if (ip >= end) return SegmentStatus::InputOverrun;
    const uint8_t b = *ip++;
    if (b == 0) return ReadLengthExtension(ip, end, 18, limit, count);
    count = b + 3u;
    return SegmentStatus::Ok;
}

// The tokens other than 16..32, by far the commonest, as the main loop takes them: the length,
// and the distance as ((v & DistanceMask) * DistanceScale >> 2) + DistanceBase, where v holds
// the two bytes after the token, the first one low:
//   0..15 (one distance byte):   4 * byte + (t >> 2) + 1
//   64..255 (one distance byte): 8 * byte + ((t >> 2) & 7) + 1
//   33..63 (two distance bytes): (v >> 2) + 1
// Tokens 0..15 read differently after a run of 4 or more literals: 2,048 further, 1 longer.
// Eight bytes, so that an entry's address is one scaled index.
struct alignas(8) TTokenForm {
    uint16_t DistanceMask;
    uint16_t DistanceBase;
    uint8_t DistanceScale;
    uint8_t Length;
};

struct TTokenForms {
    TTokenForm Form[256];
};

constexpr TTokenForms MakeTokenForms(bool afterRun) {
    TTokenForms forms{};
    for (int t = 0; t < 256; ++t) {
        TTokenForm& form = forms.Form[t];
        if (t < 16)
            form = {0xFF, uint16_t((t >> 2) + 1 + (afterRun ? 2048 : 0)), 16, uint8_t(afterRun ? 3 : 2)};
        else if (t >= 64)
            form = {0xFF, uint16_t(((t >> 2) & 7) + 1), 32, uint8_t((t >> 5) + 1)};
        else if (t > 32)
            form = {0xFFFF, 1, 1, uint8_t((t & 31) + 2)};
    }
    return forms;
}

constexpr TTokenForms kFormsAfterShort = MakeTokenForms(false);
constexpr TTokenForms kFormsAfterRun = MakeTokenForms(true);

// Where a token of the fast path and the literals after it end if no run follows, the literals
// (0..3) and the byte after the token, a run's length when there is one.
struct TTokenStep {
    const uint8_t* Next;
    size_t Count;
    size_t After;
};

// Takes `oneByte` (tokens with one distance byte) over `twoBytes` (33..63) by conditional moves:
// the two kinds come in no predictable order, and a mispredicted branch on the way to the next
// token costs more than working out both.
inline TTokenStep PickTokenStep(size_t t, const TTokenStep& oneByte, TTokenStep twoBytes) {
#if defined(__GNUC__) && defined(__x86_64__)
    __asm__("cmp $30, %[k]\n\t"
            "cmova %[n1], %[n2]\n\t"
            "cmova %[c1], %[c2]\n\t"
            "cmova %[a1], %[a2]"
            : [n2] "+r"(twoBytes.Next), [c2] "+r"(twoBytes.Count), [a2] "+r"(twoBytes.After)
            : [n1] "r"(oneByte.Next), [c1] "r"(oneByte.Count), [a1] "r"(oneByte.After), [k] "r"(t - 33)
            : "cc");
    return twoBytes;
#else
    // The same by masks, which compilers keep free of branches.
    const size_t mask = size_t(0) - size_t(t - 33 > 30);
    twoBytes.Next += (oneByte.Next - twoBytes.Next) & ptrdiff_t(mask);
    twoBytes.Count ^= (oneByte.Count ^ twoBytes.Count) & mask;
    twoBytes.After ^= (oneByte.After ^ twoBytes.After) & mask;
    return twoBytes;
#endif
}

}  // namespace

const char* DescribeSegmentStatus(SegmentStatus status) {
    switch (status) {
        case SegmentStatus::Ok: return "no error";
        case SegmentStatus::InputOverrun: return "its compressed data ends before the end marker";
        case SegmentStatus::OutputOverrun: return "it decodes to more bytes than its stated size";
        case SegmentStatus::OutputUnderrun: return "it decodes to fewer bytes than its stated size";
        case SegmentStatus::DistanceTooFar: return "a match refers back before the start of the entry";
    }
    return "unknown error";
}

SegmentStatus DecodeSegment(const uint8_t* in, size_t inSize, uint8_t* out, size_t outSize, size_t history) {
    const uint8_t* ip = in;
    const uint8_t* const inEnd = in + inSize;
    uint8_t* op = out;
    uint8_t* const outEnd = out + outSize;
    const uint8_t* const outStart = out - history;
    // Before these, a token of the commonest forms (no length extension) and up to 18 literals
    // after it can neither read past the input nor write past the output, so the loop takes
    // them without those checks; everything else goes through the checked path below.
    const uint8_t* const inFast = inSize > 32 ? inEnd - 32 : in;
    uint8_t* const outFast = outSize > 64 ? outEnd - 64 : out;

    // The literals copied just before the current token; once a token's bytes are read, the
    // two bits that give the literals after it.
    size_t count = 0;
    SegmentStatus status = DecodeFirstLiteralRun(ip, inEnd, outSize, count);
    if (status != SegmentStatus::Ok) return status;
    if (count > size_t(inEnd - ip)) return SegmentStatus::InputOverrun;
    if (count > size_t(outEnd - op)) return SegmentStatus::OutputOverrun;
    if (count != 0) WildCopy(op, ip, count);
    op += count;
    ip += count;

    const TTokenForms* forms = count >= 4 ? &kFormsAfterRun : &kFormsAfterShort;
    // Tokens of the fast path that surely fit before inFast and outFast: one takes at most 22
    // input bytes and 51 output bytes.
    const auto fastTokens = [&]() -> size_t {
        if (ip >= inFast || op >= outFast) return 0;
        return std::min(size_t(inFast - ip) >> 5, size_t(outFast - op) >> 6);
    };
    size_t budget = fastTokens();
    for (;;) {
        size_t len;
        size_t dist;
        if (budget != 0) {
            do {
                // A token other than 16..32. Its end, the literals after it and the next token's
                // place are worked out from the token's bytes alone, and the run check from the
                // byte after it, so the next token's place is known a few cycles after this one's
                // bytes arrive.
                const size_t t = ip[0];
                if (t - 16 <= 16) break;
                const size_t b0 = ip[1];
                const TTokenForm& form = forms->Form[t];
                uint16_t distanceBytes;
                std::memcpy(&distanceBytes, ip + 1, 2);
                const TTokenStep step =
                    PickTokenStep(t, {ip + 2 + (t & 3), t & 3, ip[2]}, {ip + 3 + (b0 & 3), b0 & 3, ip[3]});
                len = form.Length;
                dist = ((uint32_t(distanceBytes & form.DistanceMask) * form.DistanceScale) >> 2) + form.DistanceBase;
                count = step.Count;
                const uint8_t* const tokenEnd = step.Next - count;
                // As addresses: dist is at most 16,384 here, and no buffer lies that close to 0.
                if (uintptr_t(op) - dist < uintptr_t(outStart)) return SegmentStatus::DistanceTooFar;
                // len is at most 33 here.
                const uint8_t* const from = op - dist;
                if (dist >= 8) {
                    Copy8(op, from);
                    Copy8(op + 8, from + 8);
                    Copy8(op + 16, from + 16);
                    Copy8(op + 24, from + 24);
                    if (len > 32) Copy8(op + 32, from + 32);
                } else {
                    const size_t stride = StartShortPeriod(op, dist);
                    Copy8(op + 8, op + 8 - stride);
                    Copy8(op + 16, op + 16 - stride);
                    Copy8(op + 24, op + 24 - stride);
                    Copy8(op + 32, op + 32 - stride);
                }
                op += len;
                if ((count | (step.After >> 4)) != 0) {
                    // 0..3 literals; the next token follows.
                    std::memcpy(op, tokenEnd, 4);
                    op += count;
                    ip = step.Next;
                    forms = &kFormsAfterShort;
                    continue;
                }
                ip = tokenEnd + 1;
                forms = &kFormsAfterRun;
                if (step.After != 0) {
                    count = step.After + 3;
                    Copy16(op, ip);
                    Copy16(op + 16, ip + 16);
                    op += count;
                    ip += count;
                    continue;
                }
                // A longer run: its length is unbounded, so the budget is worked out again.
                status = ReadLengthExtension(ip, inEnd, 18, size_t(outEnd - op), count);
                if (status != SegmentStatus::Ok) return status;
                if (count > size_t(inEnd - ip)) return SegmentStatus::InputOverrun;
                if (count > size_t(outEnd - op)) return SegmentStatus::OutputOverrun;
                WildCopy(op, ip, count);
                op += count;
                ip += count;
                budget = fastTokens() + 1;  // the loop's condition takes one off
            } while (--budget != 0);
        }
        if (budget == 0) {
            // Spent: while both ends are still far, the fast path goes on.
            budget = fastTokens();
            if (budget != 0) continue;
        }

        // Every other token, and any token near the ends, with all checks. ip and op may stand
        // up to 3 bytes past their ends after the short literal copy at the bottom; the checks
        // at the top of the next pass catch that before anything read there is used.
        if (ip >= inEnd) return SegmentStatus::InputOverrun;
        const size_t t = *ip++;
        if (t > 32) {
            // The two commonest tokens, 64..255 (1 distance byte) and 33..63 (2 distance
            // bytes), decoded without branches: mispredicted branches dominate the cost here.
            const size_t isShort = t >= 64 ? ~size_t(0) : 0;
            const size_t b0 = ip[0];
            const size_t b1 = ip[1];
            len = (((t >> 5) + 1) & isShort) | (((t & 31) + 2) & ~isShort);
            dist = ((((b0 << 3) + ((t >> 2) & 7)) & isShort) | (((b1 << 6) + (b0 >> 2)) & ~isShort)) + 1;
            ip += 2 + isShort;  // + ~0 is - 1
            count = ((t & isShort) | (b0 & ~isShort)) & 3;
        } else if (t < 16) {
            // Only reached right after literals: after 1..3 of them a 2-byte match within
            // 1,024 bytes, after a longer run a 3-byte match 2,049..3,072 bytes back.
            const size_t afterRun = count >= 4;
            len = 2 + afterRun;
            dist = 1 + (afterRun << 11) + (size_t(ip[0]) << 2) + (t >> 2);
            ip += 1;
            count = t & 3;
        } else {
            if (op > outEnd) return SegmentStatus::OutputOverrun;
            const size_t outLeft = size_t(outEnd - op);
            if (t == 32) {
                status = ReadLengthExtension(ip, inEnd, 33, outLeft, len);
                if (status != SegmentStatus::Ok) return status;
                if (inEnd - ip < 2) return SegmentStatus::InputOverrun;
                dist = (size_t(ip[1]) << 6) + (ip[0] >> 2) + 1;
                count = ip[0] & 3;
                ip += 2;
            } else {
                if (inEnd - ip < 2) return SegmentStatus::InputOverrun;
                if (t == 17 && ip[0] == 0 && ip[1] == 0)
                    return outLeft == 0 ? SegmentStatus::Ok : SegmentStatus::OutputUnderrun;
                len = t & 7;
                if (len == 0) {
                    status = ReadLengthExtension(ip, inEnd, 9, outLeft, len);
                    if (status != SegmentStatus::Ok) return status;
                    if (inEnd - ip < 2) return SegmentStatus::InputOverrun;
                } else {
                    len += 2;
                }
                // Bit 3 of the token adds 16,384: distances 16,384..32,767 or 32,768..49,151.
                dist = (size_t(ip[1]) << 6) + (ip[0] >> 2) + 16384 + ((t & 8) << 11);
                count = ip[0] & 3;
                ip += 2;
            }
        }
        if (ip > inEnd) return SegmentStatus::InputOverrun;
        if (ptrdiff_t(len) > outEnd - op) return SegmentStatus::OutputOverrun;
        if (dist > size_t(op - outStart)) return SegmentStatus::DistanceTooFar;
        if (dist >= 16 && op < outFast) {
            // Most long matches are at most 64 bytes: copied without a loop.
            const uint8_t* const from = op - dist;
            Copy16(op, from);
            Copy16(op + 16, from + 16);
            Copy16(op + 32, from + 32);
            Copy16(op + 48, from + 48);
            for (size_t i = 64; i < len; i += 16) Copy16(op + i, from + i);
        } else {
            CopyMatch(op, dist, len);
        }
        op += len;

        status = DecodeTrailingLiterals(ip, inEnd, size_t(outEnd - op), count);
        if (status != SegmentStatus::Ok) return status;
        if (count <= 3) {
            // Copied 4 at a time; checked at the top of the next pass (see above).
            std::memcpy(op, ip, 4);
        } else {
            if (count > size_t(inEnd - ip)) return SegmentStatus::InputOverrun;
            if (count > size_t(outEnd - op)) return SegmentStatus::OutputOverrun;
            WildCopy(op, ip, count);
        }
        op += count;
        ip += count;
        forms = count >= 4 ? &kFormsAfterRun : &kFormsAfterShort;
        budget = fastTokens();
    }
}

}  // namespace quillon
