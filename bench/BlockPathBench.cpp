// The block path over 10^3 to 10^7 unknown points (4 replicates, one reading each): the intake of
// all transmittances in one call, the concentrations from a 2nd-order curve in one call, and the
// replicate statistics in one pass. Each is fitted against n (->Complexity()) and should come out
// O(N). The largest size holds about 0.8 GB of document; run with --benchmark_filter to leave it
// out on a small machine.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "photoquant.h"
#include "unknowns/UVUnknownData.h"

namespace {

constexpr int kReplicates = 4;

// Transmittances of absorbances 0.05 to 1.05, spread evenly.
std::vector<double> Transmittances(int n) {
    std::vector<double> t(static_cast<size_t>(n));
    for (int p = 0; p < n; ++p) {
        t[static_cast<size_t>(p)] =
            std::pow(10.0, -(0.05 + static_cast<double>(p % 1000) / 1000.0));
    }
    return t;
}

std::unique_ptr<CUVUnknownData> EmptyUnknowns(int n) {
    auto doc = std::make_unique<CUVUnknownData>(0, n / kReplicates, kReplicates, 1, 1);
    doc->vSetResultType(1);
    doc->vSetStatisticalMode(1);
    doc->vSetConc0Data(0.0);
    return doc;
}

// concentration = 0.3 + 9.5 y + 0.8 y^2, over every reading.
struct CQuadratic {
    CCalibSegment segment;
    CCalibList list;
    CQuadratic() {
        segment.m_iOrder = 2;
        segment.m_iDirection = 1;
        segment.m_dCoeff[0] = 0.3;
        segment.m_dCoeff[1] = 9.5;
        segment.m_dCoeff[2] = 0.8;
        segment.m_dYMin = -photoquant::kNoValue;
        segment.m_dYMax = photoquant::kNoValue;
        list.Add(&segment);
    }
};

void BM_BlockIntake(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<double> t = Transmittances(n);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<CUVUnknownData> doc = EmptyUnknowns(n);
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc->iAddValuesBlock(t.data(), nullptr, n));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_BlockConcentrations(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CQuadratic curve;
    const std::unique_ptr<CUVUnknownData> doc = EmptyUnknowns(n);
    doc->iAddValuesBlock(Transmittances(n).data(), nullptr, n);
    for (auto _ : state) {
        doc->vCalcConcBlock(0, n, &curve.list);
        benchmark::DoNotOptimize(doc->GetValue(n - 1).x);
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_BlockStatistics(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const CQuadratic curve;
    const std::unique_ptr<CUVUnknownData> doc = EmptyUnknowns(n);
    doc->iAddValuesBlock(Transmittances(n).data(), nullptr, n);
    doc->vCalcConcBlock(0, n, &curve.list);
    for (auto _ : state) {
        doc->vCalcStatistics();
        benchmark::DoNotOptimize(doc->dGetSD(n / kReplicates - 1));
    }
    state.SetComplexityN(n);
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(BM_BlockIntake)
    ->RangeMultiplier(10)
    ->Range(1000, 10000000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_BlockConcentrations)
    ->RangeMultiplier(10)
    ->Range(1000, 10000000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
BENCHMARK(BM_BlockStatistics)
    ->RangeMultiplier(10)
    ->Range(1000, 10000000)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();
