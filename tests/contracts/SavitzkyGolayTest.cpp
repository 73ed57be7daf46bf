#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "contracts/numkit/SavitzkyGolay.h"
#include "contracts/numkit/WindowConvolution.h"

namespace {

std::vector<CDoublePt> Sampled(int n, const std::function<double(double)>& f) {
    std::vector<CDoublePt> points;
    for (int i = 0; i < n; ++i) {
        points.emplace_back(i, f(i));
    }
    return points;
}

}  // namespace

TEST(SavitzkyGolay, PolynomialUpToTheOrderComesBackUnchangedToTheEnds) {
    const auto cubic = [](double i) { return 0.5 - 0.25 * i + 0.03 * i * i - 0.001 * i * i * i; };
    auto points = Sampled(20, cubic);
    vSmoothSGGen(points.data(), 20, 1, 3, 3, 0, 0);
    for (int i = 0; i < 20; ++i) {
        EXPECT_NEAR(points[static_cast<size_t>(i)].y, cubic(i), 1e-12) << i;
    }
}

TEST(SavitzkyGolay, ImpulseGivesTheTabulatedFivePointQuadraticWeights) {
    const auto impulse = [](double i) { return i == 10.0 ? 1.0 : 0.0; };
    auto smoothed = Sampled(21, impulse);
    vSmoothSGGen(smoothed.data(), 21, 1, 2, 2, 0, 0);
    const double value[] = {-3 / 35.0, 12 / 35.0, 17 / 35.0, 12 / 35.0, -3 / 35.0};
    auto second = Sampled(21, impulse);
    vSmoothSGGen(second.data(), 21, 1, 2, 2, 2, 0);
    const double curvature[] = {2 / 7.0, -1 / 7.0, -2 / 7.0, -1 / 7.0, 2 / 7.0};
    for (int k = 0; k < 5; ++k) {
        EXPECT_NEAR(smoothed[static_cast<size_t>(8 + k)].y, value[k], 1e-14);
        EXPECT_NEAR(second[static_cast<size_t>(8 + k)].y, curvature[k], 1e-14);
    }
}

TEST(SavitzkyGolay, DerivativesArePerPointWithStepOneAndPerUnitOfXOtherwise) {
    // d2/di2 of 0.3 i^2 is 0.6; of a line 0; d/di of 0.7 - 0.2 i is -0.2. 12 points, half width 5
    auto parabola = Sampled(12, [](double i) { return 0.3 * i * i; });
    vSmoothSGGen(parabola.data(), 12, 1, 5, 3, 2, 0);
    auto line = Sampled(12, [](double i) { return 0.7 - 0.2 * i; });
    auto slope = line;
    vSmoothSGGen(line.data(), 12, 1, 5, 3, 2, 0);
    vSmoothSGGen(slope.data(), 12, 1, 5, 3, 1, 0);
    for (size_t i = 0; i < 12; ++i) {
        EXPECT_NEAR(parabola[i].y, 0.6, 1e-12) << i;
        EXPECT_NEAR(line[i].y, 0.0, 1e-12) << i;
        EXPECT_NEAR(slope[i].y, -0.2, 1e-12) << i;
    }
    // y = 0.3 x^2 at x = 2i is 1.2 i^2: d2 per point 2.4, per unit of X 2.4 / 2^2 = 0.6
    auto spaced = Sampled(15, [](double i) { return 1.2 * i * i; });
    vSmoothSGGen(spaced.data(), 15, 2, 3, 2, 2, 0);
    for (const CDoublePt& point : spaced) {
        EXPECT_NEAR(point.y, 0.6, 1e-12);
    }
}

TEST(SavitzkyGolay, SillyArgumentsAreBroughtBackSafely) {
    const auto parabola = [](double i) { return 1.0 + 0.5 * i * i; };
    auto shortData = Sampled(6, parabola);  // half width 10 shrinks to 2, order 9 drops to 4
    vSmoothSGGen(shortData.data(), 6, 0, 10, 9, 0, 0);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(shortData[static_cast<size_t>(i)].y, parabola(i), 1e-12);
    }
    auto single = Sampled(1, parabola);
    vSmoothSGGen(single.data(), 1, 1, 3, 2, 1, 0);  // one point: no slope to see
    EXPECT_EQ(single[0].y, 0.0);
    vSmoothSGGen(nullptr, 5, 1, 2, 2, 0, 0);
    vSmoothSGGen(shortData.data(), 0, 1, 2, 2, 0, 0);
    EXPECT_NEAR(shortData[5].y, parabola(5), 1e-12);
}

// The weights kept from one spectrum serve the next only when the window is the same: windows
// that differ in one setting each (half width, order, derivative, step) give their own results,
// and going back to the first window gives its results again.
TEST(SavitzkyGolay, KeptWeightsFollowEveryChangeOfTheWindow) {
    const auto band = [](double i) { return std::exp(-(i - 30.0) * (i - 30.0) / 50.0); };
    auto smooth = [&](int step, int half, int order, int deriv) {
        auto points = Sampled(61, band);
        vSmoothSGGen(points.data(), 61, step, half, order, deriv, 0);
        return points;
    };
    const auto first = smooth(1, 4, 3, 1);
    for (const auto& other :
         {smooth(1, 5, 3, 1), smooth(1, 4, 2, 1), smooth(1, 4, 3, 2), smooth(2, 4, 3, 1)}) {
        EXPECT_NE(other[30].y, first[30].y);
    }
    const auto again = smooth(1, 4, 3, 1);
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(again[i].y, first[i].y) << i;
    }
    // Step 2 halves a first derivative per unit of X.
    EXPECT_DOUBLE_EQ(smooth(2, 4, 3, 1)[20].y, first[20].y / 2.0);
}

// Many spectra in one call come out as each would alone.
TEST(SavitzkyGolay, ManySpectraInOneCallMatchEachAlone) {
    std::vector<CDoublePt> all;
    std::vector<std::vector<CDoublePt>> alone;
    for (int s = 0; s < 3; ++s) {
        auto spectrum = Sampled(41, [s](double i) { return std::sin(0.2 * i + s) + 0.01 * i; });
        all.insert(all.end(), spectrum.begin(), spectrum.end());
        vSmoothSGGen(spectrum.data(), 41, 1, 3, 2, 1, 0);
        alone.push_back(spectrum);
    }
    vSmoothSGGenMany(all.data(), 3, 41, 1, 3, 2, 1, 0);
    for (size_t s = 0; s < 3; ++s) {
        for (size_t i = 0; i < 41; ++i) {
            EXPECT_EQ(all[s * 41 + i].y, alone[s][i].y) << s << ", " << i;
        }
    }
}

// The interior convolution gives every output as the single sum of its window to the last bit,
// with 16-byte vectors and, where the processor has them, 32-byte vectors: whole blocks and the
// outputs after them, short and long windows, on readings and weights of 53 significant bits (whose
// products are rounded, so that a fused multiply-add would show).
TEST(SavitzkyGolay, EveryVectorWidthGivesTheSingleSumsToTheLastBit) {
    using namespace photoquant::detail;
    std::mt19937_64 bits(2024u);
    auto next = [&bits] { return static_cast<double>(bits() >> 11) * 0x1.0p-53 - 0.5; };
    std::vector<double> y(400);
    for (double& value : y) {
        value = next();
    }
    std::vector<EVectorWidth> widths{EVectorWidth::k16Bytes};
    if (WidestVectors() == EVectorWidth::k32Bytes) {
        widths.push_back(EVectorWidth::k32Bytes);
    }
    for (const int size : {1, 5, 15, 31}) {
        std::vector<double> weights(static_cast<size_t>(size));
        for (double& weight : weights) {
            weight = next();
        }
        const int count = static_cast<int>(y.size()) - size + 1;
        for (const EVectorWidth width : widths) {
            std::vector<CDoublePt> out(static_cast<size_t>(count));
            vConvolveWindow(weights.data(), size, y.data(), out.data(), count, width);
            for (int i = 0; i < count; ++i) {
                EXPECT_EQ(out[static_cast<size_t>(i)].y,
                          dWindowSum(weights.data(), size, y.data() + i))
                    << size << ", " << i;
            }
        }
    }
}
