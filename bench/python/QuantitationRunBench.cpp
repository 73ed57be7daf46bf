// The quantitation the Python module runs for 100,000 unknown points, timed in C++: the program's
// runner over a run file made of arrays (what photoquant.Unknowns.quantify does once the arrays
// are copied in) with the outcomes the module reads its arrays from; and the documents' block path
// alone on the same readings (the whole array in one intake, its concentrations in one call, the
// statistics once), the least a host can do. quantitation.py beside this file times the same work
// from Python and prints all three.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "host/QuantitationRun.h"
#include "host/SampleOutcome.h"

using namespace photoquant;

namespace {

constexpr int kReplicates = 4;
constexpr int kSamples = 25000;  // x 4 replicates: 100,000 points

// The absorbance of unknown point p, spread over 0.1 to 1.5 Abs; quantitation.py uses the same.
double dUnknownAbsorbance(int p) {
    return 0.1 + 1.4 * static_cast<double>((p * 7919) % 10007) / 10007.0;
}

CPointEntry Measured(double dAbs) {
    CPointEntry point;
    point.m_eKind = CPointEntry::EKind::kMeasured;
    point.m_vdTransmittance = {dTransmittanceOf(dAbs, kAbsorbanceMode)};
    return point;
}

// Iron standards read four times, a straight line of the reading on the concentration.
CRunFile IronRun(int iSamples) {
    CRunFile file;
    file.m_sSource = "bench";
    CMethodQuantParam* pQuant = file.m_Method.pGetQuantParam();
    pQuant->m_iNumRep = kReplicates;
    pQuant->m_iNumWave = 1;
    pQuant->m_bStatisticalMode = 1;
    file.m_Settings.m_iDirection = kReadingFromConc;
    const double conc[] = {0.5, 1.0, 2.0, 4.0, 8.0};
    const double abs[][kReplicates] = {{0.104, 0.108, 0.105, 0.106},
                                       {0.206, 0.203, 0.207, 0.205},
                                       {0.401, 0.405, 0.399, 0.402},
                                       {0.797, 0.802, 0.794, 0.800},
                                       {1.598, 1.591, 1.602, 1.600}};
    for (int s = 0; s < 5; ++s) {
        CStandardEntry standard{"Fe " + std::to_string(conc[s]), conc[s], {}};
        for (const double a : abs[s]) {
            standard.m_vPoints.push_back(Measured(a));
        }
        file.m_vStandards.push_back(std::move(standard));
    }
    for (int s = 0; s < iSamples; ++s) {
        CUnknownEntry unknown;
        unknown.m_iSampleNo = s + 1;
        for (int r = 0; r < kReplicates; ++r) {
            unknown.m_vPoints.push_back(Measured(dUnknownAbsorbance(s * kReplicates + r)));
        }
        file.m_vUnknowns.push_back(std::move(unknown));
    }
    return file;
}

void BM_RunQuantitation(benchmark::State& state) {
    const CRunFile given = IronRun(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        CRunFile file = given;  // the run adjusts its file's limits, as the module's copy does
        CQuantitationRun run(file);
        std::string problem;
        run.bCompute(problem);
        const CUnknownOutcomes outcomes = UnknownOutcomes(run);
        benchmark::DoNotOptimize(outcomes.m_vSamples.back().m_dMean);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kReplicates);
}
// The documents alone: the run's standards calibrated, the unknowns sized from the same method.
void BM_DocumentBlockPath(benchmark::State& state) {
    const int S = static_cast<int>(state.range(0));
    CRunFile file = IronRun(0);
    CQuantitationRun calibration(file);
    std::string problem;
    calibration.bCompute(problem);
    const CUVStandardData& standards = calibration.Standards();
    std::vector<double> transmittances;
    for (int p = 0; p < S * kReplicates; ++p) {
        transmittances.push_back(dTransmittanceOf(dUnknownAbsorbance(p), kAbsorbanceMode));
    }
    for (auto _ : state) {
        CUVUnknownData unknowns;
        unknowns.vSetEmpty(&file.m_Method, S);
        unknowns.vSetResultType(kConcResult);
        unknowns.vSetConc0Data(standards.dGetBlkData());
        unknowns.vSetBlkData(unknowns.dGetConc0Data());
        unknowns.iAddValuesBlock(transmittances.data(), nullptr, S * kReplicates);
        unknowns.vCalcConcBlock(0, S * kReplicates, standards.pGetCalibList());
        unknowns.vCalcStatistics();
        benchmark::DoNotOptimize(unknowns.dGetMeanConc(S - 1));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * kReplicates);
}
BENCHMARK(BM_DocumentBlockPath)->Arg(250)->Arg(2500)->Arg(kSamples)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_RunQuantitation)->Arg(250)->Arg(2500)->Arg(kSamples)->Unit(benchmark::kMillisecond);

}  // namespace
