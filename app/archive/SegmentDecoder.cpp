#include "app/archive/SegmentDecoder.h"

#include <cstring>

namespace quillon {

namespace {

// Fixed-size copies compile to a few unaligned loads and stores.
inline void Copy8(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 8); }
inline void Copy16(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 16); }

// Copies count bytes in 16-byte steps; may read and write up to 15 bytes beyond count.
inline void WildCopy(uint8_t* to, const uint8_t* from, size_t count) {
    Copy16(to, from);
    for (size_t i = 16; i < count; i += 16) Copy16(to + i, from + i);
}

// Appends len bytes that start dist bytes back; when dist < len the last dist bytes repeat.
// May write up to 31 bytes beyond len: a match of up to 32 bytes, nearly all of them, takes no
// branch on its length.
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
        // A short period: write the first multiple of it that is at least 8 bytes one byte at
        // a time, then copy 8 bytes at a time from that far back, which repeats the pattern.
        size_t step = dist;
        while (step < 8) step += dist;
        const size_t head = len < step ? len : step;
        size_t i = 0;
        for (; i < head; ++i) out[i] = from[i];
        for (; i < len; i += 8) Copy8(out + i, out + i - step);
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

// The tokens 33..255, by far the commonest, in the form the main loop uses them: the length
// from a table, and for 64..255 (one distance byte) the part of the distance in the token.
struct TLongMatchTables {
    uint8_t Length[256];
    uint8_t ShortDistance[256];  // 64..255: 1 + the three distance bits of the token
};

constexpr TLongMatchTables MakeLongMatchTables() {
    TLongMatchTables tables{};
    for (int t = 33; t < 256; ++t) {
        tables.Length[t] = uint8_t(t >= 64 ? (t >> 5) + 1 : (t & 31) + 2);
        tables.ShortDistance[t] = uint8_t(t >= 64 ? ((t >> 2) & 7) + 1 : 0);
    }
    return tables;
}

constexpr TLongMatchTables kLongMatch = MakeLongMatchTables();

// What decoding a 33..255 token needs to go on: where the next token (or a literal run) starts
// if no run follows, the literals the token carries, the match distance and the byte after the
// token (a run's length byte, when there is one).
struct TTokenStep {
    const uint8_t* Next;
    size_t Count;
    size_t Distance;
    size_t After;
};

// Takes `oneByte` (a 64..255 token, one distance byte) over `twoBytes` (33..63) by conditional
// moves: the two kinds come in no predictable order, and a mispredicted branch here costs more
// than working out both.
inline TTokenStep PickTokenStep(size_t t, const TTokenStep& oneByte, TTokenStep twoBytes) {
#if defined(__GNUC__) && defined(__x86_64__)
    __asm__("cmp $63, %[t]\n\t"
            "cmova %[n1], %[n2]\n\t"
            "cmova %[c1], %[c2]\n\t"
            "cmova %[d1], %[d2]\n\t"
            "cmova %[a1], %[a2]"
            : [n2] "+r"(twoBytes.Next), [c2] "+r"(twoBytes.Count), [d2] "+r"(twoBytes.Distance),
              [a2] "+r"(twoBytes.After)
            : [n1] "r"(oneByte.Next), [c1] "r"(oneByte.Count), [d1] "r"(oneByte.Distance), [a1] "r"(oneByte.After),
              [t] "r"(t)
            : "cc");
    return twoBytes;
#else
    // The same by masks, which compilers keep free of branches.
    const size_t mask = size_t(0) - size_t(t >= 64);
    twoBytes.Next += (oneByte.Next - twoBytes.Next) & ptrdiff_t(mask);
    twoBytes.Count ^= (oneByte.Count ^ twoBytes.Count) & mask;
    twoBytes.Distance ^= (oneByte.Distance ^ twoBytes.Distance) & mask;
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

    for (;;) {
        size_t len;
        size_t dist;
        if (ip < inFast && op < outFast && size_t(ip[0]) - 16 > 16) {
            // A token other than 16..32. Its end, the literals after it and the next token's
            // place are worked out from the token's bytes alone, and the run check from the
            // byte after it, so the next token's place is known a few cycles after this one's
            // bytes arrive.
            const size_t t = ip[0];
            const size_t b0 = ip[1];
            TTokenStep step;
            if (t > 32) {
                uint16_t distanceBytes;
                std::memcpy(&distanceBytes, ip + 1, 2);
                step = PickTokenStep(t, {ip + 2 + (t & 3), t & 3, (b0 << 3) + kLongMatch.ShortDistance[t], ip[2]},
                                     {ip + 3 + (b0 & 3), b0 & 3, size_t(distanceBytes >> 2) + 1, ip[3]});
                len = kLongMatch.Length[t];
            } else {
                // 0..15, only ever right after literals (see the checked path).
                const size_t afterRun = count >= 4;
                step = {ip + 2 + (t & 3), t & 3, 1 + (afterRun << 11) + (b0 << 2) + (t >> 2), ip[2]};
                len = 2 + afterRun;
            }
            dist = step.Distance;
            count = step.Count;
            const uint8_t* const tokenEnd = step.Next - count;
            if (dist > size_t(op - outStart)) return SegmentStatus::DistanceTooFar;
            const uint8_t* const from = op - dist;
            if (dist >= 8) {
                // len is at most 33 here.
                Copy8(op, from);
                Copy8(op + 8, from + 8);
                Copy8(op + 16, from + 16);
                Copy8(op + 24, from + 24);
                if (len > 32) Copy8(op + 32, from + 32);
            } else {
                CopyMatch(op, dist, len);
            }
            op += len;
            if ((count | (step.After >> 4)) != 0) {
                // 0..3 literals; the next token follows.
                std::memcpy(op, tokenEnd, 4);
                op += count;
                ip = step.Next;
                continue;
            }
            ip = tokenEnd + 1;
            if (step.After != 0) {
                count = step.After + 3;
                Copy16(op, ip);
                Copy16(op + 16, ip + 16);
            } else {
                status = ReadLengthExtension(ip, inEnd, 18, size_t(outEnd - op), count);
                if (status != SegmentStatus::Ok) return status;
                if (count > size_t(inEnd - ip)) return SegmentStatus::InputOverrun;
                if (count > size_t(outEnd - op)) return SegmentStatus::OutputOverrun;
                WildCopy(op, ip, count);
            }
            op += count;
            ip += count;
            continue;
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
        CopyMatch(op, dist, len);
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
    }
}

}  // namespace quillon
