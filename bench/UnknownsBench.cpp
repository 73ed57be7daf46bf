// Unknowns at laboratory scale: concentrations and replicate statistics over 100,000 points on a
// fitted cubic (solved for the concentration) and on a 100-segment calibration, and the in-plane
// distribution of 1,000 samples at 100 stage positions and 3 wavelengths.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "photoquant.h"
#include "unknowns/UVUnknownData.h"

using namespace photoquant;

namespace {

constexpr int kPoints = 100000;
constexpr int kReplicates = 2;

// Every point measured, readings spread evenly over absorbances 0.05 to 1.05.
std::unique_ptr<CUVUnknownData> MeasuredUnknowns() {
    auto* pdRaw = new double[kPoints];
    auto* pbMeasured = new int[kPoints];
    for (int p = 0; p < kPoints; ++p) {
        pdRaw[p] = std::pow(10.0, -(0.05 + static_cast<double>(p % 1000) / 1000.0));
        pbMeasured[p] = 1;
    }
    auto* pdWavelength = new double[1]{500.0};  // the document takes it, as the raw arrays
    auto doc = std::make_unique<CUVUnknownData>(0, kPoints / kReplicates, kReplicates, 1, 1, pdRaw,
                                                pdWavelength, pbMeasured, nullptr);
    doc->vSetResultType(1);
    doc->vSetStatisticalMode(1);
    doc->vSetConc0Data(0.0);
    return doc;
}

void vRunCalibration(benchmark::State& state, const CCalibList& list) {
    const std::unique_ptr<CUVUnknownData> doc = MeasuredUnknowns();
    for (auto _ : state) {
        doc->vCalcConc(&list);
        benchmark::DoNotOptimize(doc->dGetSD(kPoints / kReplicates - 1));
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_ConcOnCubic(benchmark::State& state) {
    // reading = 0.002 + 0.1 c + 0.004 c^2 + 0.0001 c^3 over 0 to 10, solved for c.
    CCalibSegment cubic;
    cubic.m_iOrder = 3;
    cubic.m_iDirection = 0;
    cubic.m_dCoeff[0] = 0.002;
    cubic.m_dCoeff[1] = 0.1;
    cubic.m_dCoeff[2] = 0.004;
    cubic.m_dCoeff[3] = 0.0001;
    cubic.m_dXMin = 0.0;
    cubic.m_dXMax = 10.0;
    cubic.m_dYMin = -kNoValue;
    cubic.m_dYMax = kNoValue;
    CCalibList list;
    list.Add(&cubic);
    vRunCalibration(state, list);
}
BENCHMARK(BM_ConcOnCubic)->Unit(benchmark::kMillisecond);

void BM_ConcOnHundredSegments(benchmark::State& state) {
    // Standards every 0.01 absorbance from 0.05 to 1.05, concentration 10 per absorbance.
    std::vector<CCalibSegment> segments(100);
    CCalibList list;
    for (int i = 0; i < 100; ++i) {
        CCalibSegment& segment = segments[static_cast<size_t>(i)];
        segment.m_iDirection = 1;
        segment.m_dYMin = 0.05 + 0.01 * i;
        segment.m_dYMax = 0.05 + 0.01 * (i + 1);
        segment.m_dCoeff[0] = 0.0;
        segment.m_dCoeff[1] = 10.0;
        list.Add(&segment);
    }
    vRunCalibration(state, list);
}
BENCHMARK(BM_ConcOnHundredSegments)->Unit(benchmark::kMillisecond);

void BM_InPlaneDistribution(benchmark::State& state) {
    constexpr int kSamples = 1000;
    constexpr int kPositions = 100;
    constexpr int kWaves = 3;
    constexpr int kStagePoints = kSamples * kPositions;
    auto* pdRaw = new double[kStagePoints * kWaves];
    auto* pbMeasured = new int[kStagePoints];
    for (int i = 0; i < kStagePoints * kWaves; ++i) {
        pdRaw[i] = std::pow(10.0, -(0.1 + static_cast<double>(i % 97) / 100.0));
    }
    for (int p = 0; p < kStagePoints; ++p) {
        pbMeasured[p] = 1;
    }
    CUVUnknownData doc(0, kSamples, kPositions, 1, kWaves, kWaves, pdRaw,
                       new double[kWaves]{400.0, 500.0, 600.0}, pbMeasured, nullptr);
    for (auto _ : state) {
        doc.vCalculateDistribution();
        benchmark::DoNotOptimize(doc.dGetAllSamplSigma(kWaves - 1));
    }
    state.SetItemsProcessed(state.iterations() * kStagePoints * kWaves);
}
BENCHMARK(BM_InPlaneDistribution)->Unit(benchmark::kMillisecond);

}  // namespace
