// The statistics of a calibration of 25, 50 and 100 standards in triplicate (a straight line,
// unweighted and weighted by 1/x^2), and the intervals of 6,250, 12,500 and 25,000 unknown samples
// in triplicate on it. Both grow linearly: the fit's statistics cost O(n p^2) for n points and p
// coefficients, and each sample's interval a fixed amount; the fitted complexities show it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "photoquant.h"

namespace {

constexpr int kNumRep = 3;

// Standards at c = 1..S reading A = 0.002 + 0.01 c with replicates spread by 0.0003, fed as
// transmittances, and calibrated.
std::unique_ptr<CUVStandardData> pCalibratedStandards(int iNumSamp, int iWeighting) {
    auto doc = std::make_unique<CUVStandardData>(0, iNumSamp, kNumRep, 1, 1);
    doc->vSetCalibOpt(0);
    doc->vSetWeighting(iWeighting);
    for (int s = 0; s < iNumSamp; ++s) {
        doc->vChangeConcVal(s + 1.0, s);
    }
    for (int s = 0; s < iNumSamp; ++s) {
        for (int r = 0; r < kNumRep; ++r) {
            const double dAbs = 0.002 + 0.01 * (s + 1.0) + 0.0003 * (r - 1) * ((s % 3) - 1);
            const CDoublePt reading(450.0, std::pow(10.0, -dAbs));
            doc->iAddValues(&reading, 1);
        }
    }
    doc->vSetCalibType(1);
    doc->vCalibrate();
    return doc;
}

void vCalibrationStatistics(benchmark::State& state, int iWeighting) {
    const int iNumSamp = static_cast<int>(state.range(0));
    const std::unique_ptr<CUVStandardData> standards = pCalibratedStandards(iNumSamp, iWeighting);
    for (auto _ : state) {
        const photoquant::CCalibrationStatistics stats(*standards);
        benchmark::DoNotOptimize(stats.GetLimits().dQuantificationLimit);
    }
    state.SetComplexityN(iNumSamp);
    state.SetItemsProcessed(state.iterations() * iNumSamp);
}

void BM_CalibrationStatistics(benchmark::State& state) {
    vCalibrationStatistics(state, photoquant::kWeightNone);
}

void BM_CalibrationStatisticsWeighted(benchmark::State& state) {
    vCalibrationStatistics(state, photoquant::kWeightInverseConcSquared);
}

// Argument: the number of unknown samples, every replicate measured, readings spread evenly over
// absorbances 0.05 to 1.05, concentrations computed from the 100 standards' line.
void BM_SampleIntervals(benchmark::State& state) {
    const int iNumSamp = static_cast<int>(state.range(0));
    const int iNumPts = iNumSamp * kNumRep;
    auto* pdRaw = new double[static_cast<size_t>(iNumPts)];
    auto* pbMeasured = new int[static_cast<size_t>(iNumPts)];
    for (int p = 0; p < iNumPts; ++p) {
        pdRaw[p] = std::pow(10.0, -(0.05 + static_cast<double>(p % 1000) / 1000.0));
        pbMeasured[p] = 1;
    }
    auto* pdWavelength = new double[1]{450.0};  // the document takes it, as the raw arrays
    CUVUnknownData unknowns(0, iNumSamp, kNumRep, 1, 1, pdRaw, pdWavelength, pbMeasured, nullptr);
    unknowns.vSetResultType(1);
    const std::unique_ptr<CUVStandardData> standards =
        pCalibratedStandards(100, photoquant::kWeightNone);
    unknowns.vCalcConc(standards->pGetCalibList());
    const photoquant::CCalibrationStatistics stats(*standards);
    for (auto _ : state) {
        const std::vector<photoquant::CSampleInterval> intervals = stats.SampleIntervals(unknowns);
        benchmark::DoNotOptimize(intervals.back().dUpper);
    }
    state.SetComplexityN(iNumSamp);
    state.SetItemsProcessed(state.iterations() * iNumSamp);
}

}  // namespace

BENCHMARK(BM_CalibrationStatistics)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalibrationStatisticsWeighted)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SampleIntervals)
    ->Arg(6250)
    ->Arg(12500)
    ->Arg(25000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
