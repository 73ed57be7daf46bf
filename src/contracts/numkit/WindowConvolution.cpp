// The window convolution of the Savitzky-Golay interior.
//
// Inner choices:
// - Outputs are taken in blocks whose sums stay in registers while the window's weights pass over
//   them once: for each weight, the block's sums each gain w[k] * y[i + k], so every sum still
//   grows in window order. The compiler turns the block's inner loop into vector instructions
//   (the optimisation report, -fopt-info-vec, lists it for both builds). The block is as large as
//   the vector registers hold with room for the weight and a product: 4 vectors of 2 sums with
//   16-byte vectors, 12 vectors of 4 sums with 32-byte vectors (measured best on a 3,601-point
//   spectrum); their independent additions hide each other's latency.
// - The AVX2 build is the same source compiled for 32-byte vectors. This file is compiled without
//   contraction of a multiplication and an addition (-ffp-contract=off, src/CMakeLists.txt), so
//   each product is rounded before it is added in every build, as in dWindowSum, even where the
//   processor has fused multiply-add.
// - Outputs after the last whole block are single sums.
#include "contracts/numkit/WindowConvolution.h"

namespace photoquant::detail {

namespace {

template <int kBlock>
[[gnu::always_inline]] inline void vConvolveBlock(const double* weights, int size, const double* y,
                                                  CDoublePt* out) {
    double sums[kBlock] = {};
    for (int k = 0; k < size; ++k) {
        const double w = weights[k];
        for (int j = 0; j < kBlock; ++j) {
            sums[j] += w * y[k + j];
        }
    }
    for (int j = 0; j < kBlock; ++j) {
        out[j].y = sums[j];
    }
}

template <int kBlock>
[[gnu::always_inline]] inline void vConvolveInBlocks(const double* weights, int size,
                                                     const double* y, CDoublePt* out, int count) {
    int i = 0;
    for (; i + kBlock <= count; i += kBlock) {
        vConvolveBlock<kBlock>(weights, size, y + i, out + i);
    }
    for (; i < count; ++i) {
        out[i].y = dWindowSum(weights, size, y + i);
    }
}

void vConvolve16Bytes(const double* weights, int size, const double* y, CDoublePt* out, int count) {
    vConvolveInBlocks<8>(weights, size, y, out, count);
}

[[gnu::target("avx2")]] void vConvolve32Bytes(const double* weights, int size, const double* y,
                                              CDoublePt* out, int count) {
    vConvolveInBlocks<48>(weights, size, y, out, count);
}

}  // namespace

EVectorWidth WidestVectors() {
    static const EVectorWidth widest =
        __builtin_cpu_supports("avx2") ? EVectorWidth::k32Bytes : EVectorWidth::k16Bytes;
    return widest;
}

double dWindowSum(const double* weights, int size, const double* y) {
    double sum = 0.0;
    for (int k = 0; k < size; ++k) {
        sum += weights[k] * y[k];
    }
    return sum;
}

void vConvolveWindow(const double* weights, int size, const double* y, CDoublePt* out, int count,
                     EVectorWidth width) {
    if (width == EVectorWidth::k32Bytes) {
        vConvolve32Bytes(weights, size, y, out, count);
    } else {
        vConvolve16Bytes(weights, size, y, out, count);
    }
}

}  // namespace photoquant::detail
