// Calibrating 10, 100 and 1,000 standards of 3 replicates each, segmented and by a 3rd-order fit,
// and segmented up to 10,000 standards entered from the highest concentration down (sorted and
// looked up in n log n, where an exchange sort and a walk along the segments took n^2).
// After building the curve the standards document widens its reading range by evaluating every
// segment at 1,000 steps over its concentration range, so a segmented calibration of S standards
// evaluates about 1,000 * (S - 1) points: the fitted complexity shows that cost growing linearly.
// The polynomial fit on its own is timed at 10 to 10,000 points of order 1 to 3, the sizes the
// comparison with numpy.polyfit uses (compare/compare.py).
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "calibration/UVStandardData.h"
#include "contracts/numkit/LeastSquaresFit.h"

namespace {

constexpr int kNumRep = 3;

// Standards at c = 1..S with a slightly bending response, A = 0.001 c - 2e-8 c^2, and replicates
// spread by 0.0002 around it, fed as transmittances the way a host measures them; descending
// enters c = S first.
void vMeasureStandards(CUVStandardData& doc, int iNumSamp, bool bDescending) {
    const auto dConcOf = [&](int s) { return bDescending ? iNumSamp - s : s + 1.0; };
    for (int s = 0; s < iNumSamp; ++s) {
        doc.vChangeConcVal(dConcOf(s), s);
    }
    for (int s = 0; s < iNumSamp; ++s) {
        const double c = dConcOf(s);
        for (int r = 0; r < kNumRep; ++r) {
            const double dAbs = 0.001 * c - 2e-8 * c * c + 0.0002 * (r - 1);
            const CDoublePt reading(450.0, std::pow(10.0, -dAbs));
            doc.iAddValues(&reading, 1);
        }
    }
}

// Argument: the number of standards. Calibration type 4 is segmented, 3 the 3rd-order fit.
void vCalibrate(benchmark::State& state, int iCalibType, bool bDescending = false) {
    const int iNumSamp = static_cast<int>(state.range(0));
    CUVStandardData doc(0, iNumSamp, kNumRep, 1, 1);
    vMeasureStandards(doc, iNumSamp, bDescending);
    doc.vSetCalibType(iCalibType);
    for (auto _ : state) {
        doc.vCalibrate();
    }
    benchmark::DoNotOptimize(doc.dGetTStat(iNumSamp - 1));
    state.SetComplexityN(iNumSamp);
    state.SetItemsProcessed(state.iterations() * iNumSamp);
}

void BM_CalibrateSegmented(benchmark::State& state) {
    vCalibrate(state, 4);
}

void BM_CalibrateSegmentedDescending(benchmark::State& state) {
    vCalibrate(state, 4, true);
}

void BM_CalibrateThirdOrder(benchmark::State& state) {
    vCalibrate(state, 3);
}

// Arguments: the number of points and the order. Concentrations 0.5 to 50 with a slightly bending
// response and a deterministic scatter of about 5e-4, as in the comparison with numpy.
void BM_PolynomialFit(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const int order = static_cast<int>(state.range(1));
    std::vector<CDoublePt> points(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double c = 0.5 + 49.5 * i / (n - 1);
        points[static_cast<size_t>(i)] =
            CDoublePt(c, 0.002 + 0.021 * c - 1.1e-4 * c * c + 5e-4 * std::sin(7.0 * i));
    }
    for (auto _ : state) {
        const CLeastSquaresFit fit(points.data(), n, order, 0);
        benchmark::DoNotOptimize(fit.dGetCoeff(0));
    }
    state.SetItemsProcessed(state.iterations() * n);
}

}  // namespace

BENCHMARK(BM_CalibrateSegmented)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalibrateSegmentedDescending)
    ->Arg(1000)
    ->Arg(10000)
    ->Complexity(benchmark::oNLogN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalibrateThirdOrder)
    ->Arg(10)
    ->Arg(100)
    ->Arg(1000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PolynomialFit)
    ->ArgsProduct({{10, 1000, 10000}, {1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);
