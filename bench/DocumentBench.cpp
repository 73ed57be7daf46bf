// Intake throughput of the photometry document and the cost of growing it one sample at a time.
#include <benchmark/benchmark.h>

#include <vector>

#include "photoquant.h"

namespace {

constexpr int kSamples = 1000;
constexpr int kReplicates = 3;

// A wavelength quantitation at one to three wavelengths, kReplicates replicates per sample.
void vSetUpMethod(CUVMethod& method, int iNumWave) {
    CMethodQuantParam* quant = method.pGetQuantParam();
    quant->m_iNumRep = kReplicates;
    quant->m_iNumWave = iNumWave;
    const double waves[] = {400.0, 500.0, 600.0};
    for (int i = 0; i < 3; ++i) {
        quant->m_dWave[i] = waves[i];
    }
}

// Every point of a freshly dimensioned document fed through iAddValues, as a host measures them.
void BM_IntakeAllPoints(benchmark::State& state) {
    const int iNumWave = static_cast<int>(state.range(0));
    CUVMethod method;
    vSetUpMethod(method, iNumWave);
    const std::vector<CDoublePt> readings = {{400.0, 0.8}, {500.0, 0.3}, {600.0, 0.5}};
    const int iNumPoints = kSamples * kReplicates;
    for (auto _ : state) {
        state.PauseTiming();
        CUVPhotometryData doc;
        doc.vSetEmpty(&method, kSamples);
        state.ResumeTiming();
        for (int p = 0; p < iNumPoints; ++p) {
            benchmark::DoNotOptimize(doc.iAddValues(readings.data(), iNumWave));
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * iNumPoints);
}
BENCHMARK(BM_IntakeAllPoints)->Arg(1)->Arg(2)->Arg(3);

// A document prepared to grow sample by sample, as the unknowns are entered one at a time.
void BM_GrowBySample(benchmark::State& state) {
    const int iNumSamples = static_cast<int>(state.range(0));
    for (auto _ : state) {
        CUVPhotometryData doc(0, 0, 1, 1, 1);
        doc.bSetEmpty(1, 1);
        for (int s = 0; s < iNumSamples; ++s) {
            doc.vAddSample(1);
        }
        benchmark::DoNotOptimize(doc.iGetNumSamp());
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * iNumSamples);
}
BENCHMARK(BM_GrowBySample)->Arg(1000)->Arg(10000)->Arg(100000)->Complexity(benchmark::oN);

}  // namespace
