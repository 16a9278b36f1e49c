#include "app/archive/SegmentDecoder.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace quillon {

namespace {

// The quick path takes the literal runs after tokens by a branch while they are rare, and by
// conditional moves while they come too often for the branch to be guessed: it turns to moves
// after kCloseRuns runs in a row each within kTokensPerRun tokens of the one before, and back
// after a group of kGroupTokens tokens with at most one run in kTokensPerRun.
constexpr size_t kTokensPerRun = 8;
constexpr size_t kCloseRuns = 8;
constexpr size_t kGroupTokens = 64;

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

// CopyMatch for a match that may be long, with 64 bytes of room past its end: most long matches
// are at most 64 bytes, copied without a loop.
inline void CopyLongMatch(uint8_t* out, size_t dist, size_t len) {
    if (dist < 16) return CopyMatch(out, dist, len);
    const uint8_t* const from = out - dist;
    Copy16(out, from);
    Copy16(out + 16, from + 16);
    Copy16(out + 32, from + 32);
    Copy16(out + 48, from + 48);
    for (size_t i = 64; i < len; i += 32) {
        Copy16(out + i, from + i);
        Copy16(out + i + 16, from + i + 16);
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

// The tokens as the main loop takes them: the length, and the distance as
// ((v & DistanceMask) * DistanceScale >> 2) + DistanceBase, where v holds the two bytes after the
// token, the first one low:
//   0..15 (one distance byte):   4 * byte + (t >> 2) + 1
//   64..255 (one distance byte): 8 * byte + ((t >> 2) & 7) + 1
//   33..63 (two distance bytes): (v >> 2) + 1
//   18..23, 25..31 (two bytes):  (v >> 2) + 16,384, or + 32,768 when bit 3 is set
// Tokens 0..15 read differently after a run of 4 or more literals: 2,048 further, 1 longer.
// Length 0 marks the rest: 16, 24 and 32, whose length goes on in further bytes (their entry
// holds only the distance base), and 17, which may be the end marker.
// Step is how far apart the 8-byte pieces of a match's copy are taken from: 0 for a match of at
// most 8 bytes, whose copy needs only its first piece.
// Eight bytes, so that an entry's address is one scaled index.
struct alignas(8) TTokenForm {
    uint16_t DistanceMask;
    uint16_t DistanceBase;
    uint8_t DistanceScale;
    uint8_t Length;
    uint8_t Step;
};

struct TTokenForms {
    TTokenForm Form[256];
};

constexpr TTokenForm MakeTokenForm(uint16_t mask, uint16_t base, uint8_t scale, uint8_t length) {
    return {mask, base, scale, length, uint8_t(length > 8 ? 8 : 0)};
}

constexpr TTokenForms MakeTokenForms(bool afterRun) {
    TTokenForms forms{};
    for (int t = 0; t < 256; ++t) {
        TTokenForm& form = forms.Form[t];
        if (t < 16)
            form = MakeTokenForm(0xFF, uint16_t((t >> 2) + 1 + (afterRun ? 2048 : 0)), 16, uint8_t(afterRun ? 3 : 2));
        else if (t >= 64)
            form = MakeTokenForm(0xFF, uint16_t(((t >> 2) & 7) + 1), 32, uint8_t((t >> 5) + 1));
        else if (t > 32)
            form = MakeTokenForm(0xFFFF, 1, 1, uint8_t((t & 31) + 2));
        else if (t == 32)
            form = MakeTokenForm(0, 1, 0, 0);
        else if (t >= 16 && (t & 7) != 0 && t != 17)
            form = MakeTokenForm(0xFFFF, uint16_t(16384 + ((t & 8) << 11)), 1, uint8_t((t & 7) + 2));
        else if (t >= 16)
            form = MakeTokenForm(0, uint16_t(16384 + ((t & 8) << 11)), 0, 0);
    }
    return forms;
}

constexpr TTokenForms kFormsAfterShort = MakeTokenForms(false);
constexpr TTokenForms kFormsAfterRun = MakeTokenForms(true);

// Where a token of the fast path without a length extension ends, the two bits that give the
// literals after it and the byte after it. Tokens 16..63 have two distance bytes, the others one.
struct TTokenEnd {
    const uint8_t* End;
    const uint8_t* Next;  // End + Count: the next token when no longer run follows
    size_t Count;
    size_t After;
};

// By conditional moves (adc adds the carry of the form test to the end): the two kinds come in
// no predictable order, and a mispredicted branch on the way to the next token costs more than
// working out both. The next token's place is worked out for both kinds before the choice, so
// that it waits on the token byte for only a move after the test.
inline TTokenEnd FindTokenEnd(const uint8_t* ip, size_t t) {
    const size_t countTwo = ip[1] & 3;
    size_t count = t & 3;
    size_t after = ip[2];
    const uint8_t* end = ip;
    const uint8_t* next = ip + 2 + count;
#if defined(__GNUC__) && defined(__x86_64__)
    __asm__("cmp $48, %[k]\n\t"
            "cmovb %[countTwo], %[count]\n\t"
            "cmovb %[a3], %[after]\n\t"
            "cmovb %[nextTwo], %[next]\n\t"
            "adc $2, %[end]"
            : [count] "+r"(count), [after] "+r"(after), [end] "+r"(end), [next] "+r"(next)
            : [k] "r"(t - 16), [countTwo] "r"(countTwo), [a3] "r"(size_t(ip[3])), [nextTwo] "r"(ip + 3 + countTwo)
            : "cc");
#else
    const size_t twoBytes = t - 16 < 48;
    const size_t mask = size_t(0) - twoBytes;
    count ^= (count ^ countTwo) & mask;
    after ^= (after ^ ip[3]) & mask;
    end += 2 + twoBytes;
    next = end + count;
#endif
    return {end, next, count, after};
}

// The literals after a token whose bits and following byte are not both 0: the bits give 0..3,
// and when they are 0, a byte 1..15 after the token starts a run of byte + 3.
struct TLiteralStep {
    const uint8_t* From;
    const uint8_t* Next;  // the next token
    size_t Count;
    size_t Run;  // 1 for a run
};

// By conditional moves, for stretches where runs come too often for a branch to guess them.
inline TLiteralStep StepOverLiterals(const TTokenEnd& end) {
    const uint8_t* next = end.Next;
    size_t count = end.Count;
#if defined(__GNUC__) && defined(__x86_64__)
    size_t test = end.After;
    __asm__("shr $4, %[test]\n\t"
            "or %[bits], %[test]\n\t"
            "cmovz %[runNext], %[next]\n\t"
            "cmovz %[runCount], %[count]"
            : [next] "+r"(next), [count] "+r"(count), [test] "+r"(test)
            : [bits] "r"(end.Count), [runNext] "r"(end.End + end.After + 4), [runCount] "r"(end.After + 3)
            : "cc");
#else
    if ((end.Count | (end.After >> 4)) == 0) {
        next = end.End + end.After + 4;
        count = end.After + 3;
    }
#endif
    const size_t run = size_t(next - end.End) - count;
    return {end.End + run, next, count, run};
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
    // Before these, a token without a length extension (or with one that leaves the match within
    // outFast) and up to 18 literals after it can neither read past the input nor write past the
    // output, so the loop takes them without those checks; everything else goes through the
    // checked path below.
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
    // Tokens of the fast path that surely fit before inFast and outFast: one takes at most 23
    // input bytes and, its match aside when that is long, 51 output bytes.
    const auto fastTokens = [&]() -> size_t {
        if (ip >= inFast || op >= outFast) return 0;
        return std::min(size_t(inFast - ip) >> 5, size_t(outFast - op) >> 6);
    };
    size_t budget = fastTokens();
    bool runsByMoves = false;
    bool carefulToken = false;  // the quick path stopped at a token for the careful path
    size_t runs = 0;            // by moves: in the current group
    size_t groupBudget = 0;     // by moves: the budget at the group's start
    size_t closeRuns = 0;       // by a branch: the current row of close runs
    size_t lastRunBudget = 0;   // by a branch: the budget at the last run
    // A new budget; groupBudget and lastRunBudget move with it, so that they still tell how many
    // tokens back the group started and the last run was.
    const auto setBudget = [&](size_t fresh) {
        groupBudget += fresh - budget;
        lastRunBudget += fresh - budget;
        budget = fresh;
    };
    // The quick path: takes tokens until the budget is spent, or leaves it unspent at a token for
    // the careful path. It comes in four copies: for the two ways to take literal runs, and for
    // output near its start or past the farthest distance from it, where no match can reach
    // before the start.
    const auto takeQuickTokens = [&](auto byMoves, auto farFromStart) __attribute__((always_inline)) -> SegmentStatus {
        // By moves, a group at a time.
        const size_t groupEnd = decltype(byMoves)::value && budget > kGroupTokens ? budget - kGroupTokens : 0;
        do {
            size_t len;
            size_t dist;
            // Its end, the literals after it and the next token's place are worked out from
            // the token's bytes alone, and the run check from the byte after it, so the next
            // token's place is known a few cycles after this one's bytes arrive.
            const size_t t = ip[0];
            const TTokenForm& form = forms->Form[t];
            len = form.Length;
            TTokenEnd end;
            if (__builtin_expect(len != 0, 1)) {
                uint16_t distanceBytes;
                std::memcpy(&distanceBytes, ip + 1, 2);
                end = FindTokenEnd(ip, t);
                dist = ((uint32_t(distanceBytes) & form.DistanceMask) * form.DistanceScale >> 2) + form.DistanceBase;
                // As addresses: dist is at most 49,151 here, and no buffer lies that close to 0.
                if (!decltype(farFromStart)::value && uintptr_t(op) - dist < uintptr_t(outStart))
                    return SegmentStatus::DistanceTooFar;
                // len is at most 33 here.
                const uint8_t* const from = op - dist;
                if (__builtin_expect(dist >= 8, 1)) {
                    // The pieces past the first are written either way, but a match of at
                    // most 8 bytes takes them from its first piece again: from further on, a
                    // match less than 32 bytes back would read bytes just stored, partly
                    // covered by a store, which the processor waits for.
                    Copy8(op, from);
                    const size_t step = form.Step;
                    const uint8_t* const from8 = from + step;
                    Copy8(op + 8, from8);
                    Copy8(op + 16, from8 + step);
                    Copy8(op + 24, from8 + 2 * step);
                    if (len > 32) Copy8(op + 32, from + 32);
                } else {
                    const size_t stride = StartShortPeriod(op, dist);
                    Copy8(op + 8, op + 8 - stride);
                    Copy8(op + 16, op + 16 - stride);
                    Copy8(op + 24, op + 24 - stride);
                    Copy8(op + 32, op + 32 - stride);
                }
            } else {
                // 16, 24 and 32, whose length goes on in further bytes, and 17 (the end
                // marker, or a match 16,384 back). Taken here: a length in one byte, when the
                // match leaves the output's margin; the careful path takes the rest.
                const size_t extra = ip[1];
                len = extra + 9 + (t >> 5) * 24;
                if (t == 17 || extra == 0 || len > size_t(outFast - op)) {
                    carefulToken = true;
                    return SegmentStatus::Ok;
                }
                const size_t d0 = ip[2];
                dist = (size_t(ip[3]) << 6) + (d0 >> 2) + form.DistanceBase;
                if (dist > size_t(op - outStart)) return SegmentStatus::DistanceTooFar;
                end = {ip + 4, ip + 4 + (d0 & 3), d0 & 3, ip[4]};
                CopyLongMatch(op, dist, len);
                // The budget starts again after the match. The token and its literals take no
                // more room than any other token; at least 1, as the loop's condition takes
                // one off once they are copied.
                setBudget(std::max(std::min(size_t(inFast - ip) >> 5, size_t(outFast - (op + len)) >> 6), size_t(1)));
            }
            count = end.Count;
            const uint8_t* const tokenEnd = end.End;
            op += len;
            if constexpr (decltype(byMoves)::value) {
                if ((count | end.After) != 0) {
                    const TLiteralStep step = StepOverLiterals(end);
                    Copy16(op, step.From);
                    Copy16(op + 16, step.From + 16);
                    op += step.Count;
                    ip = step.Next;
                    count = step.Count;
                    forms = step.Run ? &kFormsAfterRun : &kFormsAfterShort;
                    runs += step.Run;
                    continue;
                }
            } else if (__builtin_expect((count | (end.After >> 4)) != 0, 1)) {
                // 0..3 literals; the next token follows.
                std::memcpy(op, tokenEnd, 4);
                op += count;
                ip = end.Next;
                forms = &kFormsAfterShort;
                continue;
            } else if (end.After != 0) {
                count = end.After + 3;
                Copy16(op, tokenEnd + 1);
                Copy16(op + 16, tokenEnd + 17);
                op += count;
                ip = tokenEnd + 1 + count;
                forms = &kFormsAfterRun;
                // Without a branch: whether runs are close is what no branch could guess here.
                closeRuns = (closeRuns + 1) & (size_t(0) - size_t(lastRunBudget - budget < kTokensPerRun));
                lastRunBudget = budget;
                if (closeRuns == kCloseRuns) {
                    closeRuns = 0;
                    runsByMoves = true;
                    --budget;
                    return SegmentStatus::Ok;
                }
                continue;
            }
            ip = tokenEnd + 1;
            forms = &kFormsAfterRun;
            // A longer run: its length is unbounded, so the budget is worked out again.
            status = ReadLengthExtension(ip, inEnd, 18, size_t(outEnd - op), count);
            if (status != SegmentStatus::Ok) return status;
            if (count > size_t(inEnd - ip)) return SegmentStatus::InputOverrun;
            if (count > size_t(outEnd - op)) return SegmentStatus::OutputOverrun;
            WildCopy(op, ip, count);
            op += count;
            ip += count;
            setBudget(fastTokens() + 1);  // the loop's condition takes one off
        } while (--budget > groupEnd);
        return SegmentStatus::Ok;
    };
    for (;;) {
        size_t len;
        size_t dist;
        if (budget != 0) {
            // No distance goes past kMaxMatchDistance, so from there on no match can reach
            // before the start, and op only grows.
            const bool farFromStart = size_t(op - outStart) >= kMaxMatchDistance;
            if (runsByMoves) {
                groupBudget = budget;
                status = farFromStart ? takeQuickTokens(std::true_type(), std::true_type())
                                      : takeQuickTokens(std::true_type(), std::false_type());
                runsByMoves = runs * kTokensPerRun > groupBudget - budget;
                runs = 0;
            } else {
                status = farFromStart ? takeQuickTokens(std::false_type(), std::true_type())
                                      : takeQuickTokens(std::false_type(), std::false_type());
            }
            if (status != SegmentStatus::Ok) return status;
            if (!carefulToken && budget != 0) continue;
            carefulToken = false;
        }
        if (budget == 0) {
            // Spent: while both ends are still far, the quick path goes on.
            setBudget(fastTokens());
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
        if (op < outFast) {
            CopyLongMatch(op, dist, len);
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
        setBudget(fastTokens());
    }
}

}  // namespace quillon
