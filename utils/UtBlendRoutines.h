#pragma once
// The set of pixel-blending routines. Colours are 32-bit 0xAARRGGBB values; weights and alphas
// run from 0 (nothing of the foreground) to 255 (only the foreground), larger ones count as 255.
// Every routine treats the four bytes alike, the alpha byte included.

#include <cstddef>
#include <cstdint>

namespace ut {

using Color32 = uint32_t;

struct BlendRoutines {
    // x weighted by weight over y.
    Color32 (*CombineReg)(Color32 x, Color32 y, unsigned weight);
    void (*CombineMem)(Color32 x, Color32& y, unsigned weight);
    // The foreground weighted by its own alpha over the background.
    Color32 (*BlendReg)(Color32 foreground, Color32 background);
    void (*BlendMem)(Color32 foreground, Color32& background);
    // As above with the foreground's alpha scaled by a master alpha.
    Color32 (*BlendRegEx)(Color32 foreground, Color32 background, unsigned master);
    void (*BlendMemEx)(Color32 foreground, Color32& background, unsigned master);
    // Every source pixel by its alpha over the destination pixel at the same index.
    void (*BlendLine)(const Color32* source, Color32* destination, size_t count);
    void (*BlendLineEx)(const Color32* source, Color32* destination, size_t count, unsigned master);
};

inline unsigned ClampedWeight(unsigned weight) { return weight > 255 ? 255 : weight; }

// An alpha scaled by a master alpha, rounded.
inline unsigned ScaledAlpha(unsigned alpha, unsigned master) {
    return (ClampedWeight(alpha) * ClampedWeight(master) + 127) / 255;
}

}  // namespace ut
