#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "contracts/scankit/UVWaveData.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

TEST(ScanData, GaussianOnAFineGridIntegratesToItsAnalyticArea) {
    // 0.8 * exp(-(wl - 540)^2 / (2 * 5^2)) from 600 nm down to 480 nm in 0.5 nm steps (+-12 sigma)
    std::vector<double> y;
    for (int i = 0; i < 241; ++i) {
        const double wl = 600.0 - 0.5 * i;
        y.push_back(0.8 * std::exp(-(wl - 540.0) * (wl - 540.0) / 50.0));
    }
    CUVWaveData spectrum(600.0, 0.5, y.data(), 241);
    const double area = 0.8 * 5.0 * std::sqrt(2.0 * kPi);  // height * sigma * sqrt(2 pi)
    // The coarse Romberg sum at the same step is half the area, so Romberg gives area * 7/6.
    for (auto [method, expected] : {std::pair{1, area}, std::pair{2, area * 7.0 / 6.0}}) {
        ASSERT_EQ(spectrum.iIntegrate(method, 0, 0.01, 0), 1);
        ASSERT_EQ(spectrum.pGetPeakList()->GetSize(), 1);  // emptied before each integration
        const CPeak* pPeak = spectrum.pGetPeakList()->GetAt(0);
        EXPECT_NEAR(pPeak->m_dArea, expected, 1e-6 * expected) << method;
        EXPECT_EQ(spectrum.GetValue(pPeak->m_iApex).x, 540.0);
        EXPECT_EQ(pPeak->m_dHeight, 0.8);
    }
}

TEST(ScanData, WaveDataRunsDownwardAndItsDerivativeReplacesRawAndDisplayReadings) {
    std::vector<double> y;
    for (int i = 0; i < 12; ++i) {
        y.push_back(0.01 * i * i);  // d2/di2 = 0.02 per point
    }
    CUVWaveData spectrum(450.0, 0.5, y.data(), 12);
    spectrum.vSmoothSGGen(1, 5, 3, 2);
    for (int i = 0; i < 12; ++i) {
        EXPECT_NEAR(spectrum.pdGetYData()[i], 0.02, 1e-14);
        EXPECT_NEAR(spectrum.GetValue(i).y, 0.02, 1e-14);
        EXPECT_EQ(spectrum.GetValue(i).x, 450.0 - 0.5 * i);
    }
}
