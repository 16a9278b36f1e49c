#include "utils/UtBlendMmx.h"

#include <memory>

#if defined(__i386__) || defined(__x86_64__)
#define UT_HAS_MMX_ROUTINES 1
#include <mmintrin.h>

#include <cstring>
#endif

namespace ut {

namespace {

std::unique_ptr<MmxBlendTable> g_table;

#if UT_HAS_MMX_ROUTINES

// Every routine ends with EMMS: MMX shares its registers with the x87 floating-point stack, which
// is unusable until then.
#define UT_MMX __attribute__((target("mmx")))

UT_MMX inline __m64 Load(const uint32_t* words) {
    __m64 value;
    std::memcpy(&value, words, sizeof value);
    return value;
}

UT_MMX inline __m64 Widened(Color32 colour) {
    return _mm_unpacklo_pi8(_mm_cvtsi32_si64(static_cast<int>(colour)), _mm_setzero_si64());
}

// x weighted by w (1 to 254) over y in four 16-bit lanes: ((x - y) * w + y * 256 + 128) >> 8.
// The multiply wraps, but the true sum stays below 65536, so each lane ends up exact.
UT_MMX inline Color32 MixWithoutEmms(Color32 x, Color32 y, unsigned w) {
    const __m64 wideY = Widened(y);
    const __m64 difference = _mm_sub_pi16(Widened(x), wideY);
    const __m64 base = _mm_add_pi16(_mm_slli_pi16(wideY, 8), Load(g_table->Bias()));
    const __m64 sum = _mm_add_pi16(_mm_mullo_pi16(difference, Load(g_table->entries[w])), base);
    return static_cast<Color32>(_mm_cvtsi64_si32(_mm_packs_pu16(_mm_srli_pi16(sum, 8), _mm_setzero_si64())));
}

// The shift divides by 256, not 255, so the full weight would miss the foreground by one.
UT_MMX inline Color32 MixOrEnds(Color32 x, Color32 y, unsigned weight) {
    const unsigned w = ClampedWeight(weight);
    if (w == 0) return y;
    if (w == 255) return x;
    return MixWithoutEmms(x, y, w);
}

UT_MMX Color32 CombineReg(Color32 x, Color32 y, unsigned weight) {
    const Color32 result = MixOrEnds(x, y, weight);
    _mm_empty();
    return result;
}

void CombineMem(Color32 x, Color32& y, unsigned weight) { y = CombineReg(x, y, weight); }

Color32 BlendReg(Color32 foreground, Color32 background) {
    return CombineReg(foreground, background, foreground >> 24);
}

void BlendMem(Color32 foreground, Color32& background) { background = BlendReg(foreground, background); }

Color32 BlendRegEx(Color32 foreground, Color32 background, unsigned master) {
    return CombineReg(foreground, background, ScaledAlpha(foreground >> 24, master));
}

void BlendMemEx(Color32 foreground, Color32& background, unsigned master) {
    background = BlendRegEx(foreground, background, master);
}

UT_MMX void BlendLine(const Color32* source, Color32* destination, size_t count) {
    for (size_t i = 0; i < count; ++i) destination[i] = MixOrEnds(source[i], destination[i], source[i] >> 24);
    _mm_empty();
}

UT_MMX void BlendLineEx(const Color32* source, Color32* destination, size_t count, unsigned master) {
    for (size_t i = 0; i < count; ++i)
        destination[i] = MixOrEnds(source[i], destination[i], ScaledAlpha(source[i] >> 24, master));
    _mm_empty();
}

#endif  // UT_HAS_MMX_ROUTINES

}  // namespace

const BlendRoutines* MmxBlendRoutines() {
#if UT_HAS_MMX_ROUTINES
    static const BlendRoutines kMmx = {CombineReg, CombineMem, BlendReg, BlendMem,
                                       BlendRegEx, BlendMemEx, BlendLine, BlendLineEx};
    return &kMmx;
#else
    return nullptr;
#endif
}

bool BuildMmxBlendTable() {
    if (!MmxBlendRoutines()) return false;
    if (!g_table) {
        g_table = std::make_unique<MmxBlendTable>();
        for (uint32_t i = 0; i < 256; ++i) g_table->entries[i][0] = g_table->entries[i][1] = i * 65537u;
    }
    return true;
}

void FreeMmxBlendTable() { g_table.reset(); }

const MmxBlendTable* MmxBlendTableInUse() { return g_table.get(); }

}  // namespace ut
