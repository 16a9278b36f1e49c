#include "app/jpeg/JpegIdct.h"

#include <cmath>

namespace quillon {

const uint8_t kZigZag[64] = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

namespace {

// basis[x][u] = C(u) / 2 * cos((2x + 1) u pi / 16), C(0) = 1 / sqrt(2), else 1: the transform
// is this matrix applied to the columns and then to the rows.
struct TBasis {
    float m[8][8];
    TBasis() {
        const double pi = std::acos(-1.0);
        for (int x = 0; x < 8; ++x)
            for (int u = 0; u < 8; ++u)
                m[x][u] = float((u == 0 ? std::sqrt(0.5) : 1.0) / 2.0 * std::cos((2 * x + 1) * u * pi / 16.0));
    }
};

const TBasis& Basis() {
    static const TBasis basis;
    return basis;
}

uint8_t ToSample(float value) {
    const float shifted = std::floor(value + 128.5f);
    return shifted <= 0.0f ? 0 : shifted >= 255.0f ? 255 : uint8_t(shifted);
}

}  // namespace

void InverseDct(const float (&coefficients)[64], uint8_t* out, int stride) {
    const auto& m = Basis().m;
    float columns[64];  // after the vertical pass: columns[y * 8 + u]
    for (int u = 0; u < 8; ++u)
        for (int y = 0; y < 8; ++y) {
            float sum = 0.0f;
            for (int v = 0; v < 8; ++v) sum += m[y][v] * coefficients[v * 8 + u];
            columns[y * 8 + u] = sum;
        }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            float sum = 0.0f;
            for (int u = 0; u < 8; ++u) sum += m[x][u] * columns[y * 8 + u];
            out[y * stride + x] = ToSample(sum);
        }
}

}  // namespace quillon
