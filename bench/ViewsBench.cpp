// Refreshing the unknowns list: one full rebuild (columns, rows, every cell text) of 100 to 10,000
// data rows, with replicates condensed into mean, SD and CV on every second row, and on an XY stage
// with five statistics rows after every ten positions. The rebuild should grow linearly with the
// rows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "photoquant.h"
#include "unknowns/UVUnknownData.h"
#include "views/UVUnknownList.h"

namespace {

constexpr int kReplicates = 2;
constexpr int kPositions = 10;

// Readings spread over absorbances 0.05 to 1.05, every point measured.
void vFillReadings(double* pdRaw, int* pbMeasured, int nPoints) {
    for (int p = 0; p < nPoints; ++p) {
        pdRaw[p] = std::pow(10.0, -(0.05 + static_cast<double>(p % 1000) / 1000.0));
        pbMeasured[p] = 1;
    }
}

// Concentrations on the line conc = 10 * reading, with replicate statistics.
std::unique_ptr<CUVUnknownData> ReplicateDocument(int nRows) {
    auto* pdRaw = new double[nRows];
    auto* pbMeasured = new int[nRows];
    vFillReadings(pdRaw, pbMeasured, nRows);
    auto doc = std::make_unique<CUVUnknownData>(0, nRows / kReplicates, kReplicates, 1, 1, pdRaw,
                                                new double[1]{500.0}, pbMeasured, nullptr);
    doc->vSetResultType(1);
    doc->vSetManualCalib(1);
    doc->pGetCalibSeg()->m_iDirection = 1;
    doc->vSetCoeff(1, 10.0);
    doc->vSetStatisticalMode(1);
    doc->vCalcConc();
    return doc;
}

std::unique_ptr<CUVUnknownData> StageDocument(int nRows) {
    auto* pdRaw = new double[nRows];
    auto* pbMeasured = new int[nRows];
    vFillReadings(pdRaw, pbMeasured, nRows);
    auto doc = std::make_unique<CUVUnknownData>(0, nRows / kPositions, kPositions, 1, 1, 1, pdRaw,
                                                new double[1]{500.0}, pbMeasured, nullptr);
    doc->vCalculateDistribution();
    return doc;
}

void vRunRefresh(benchmark::State& state, CUVUnknownData& doc, int bMeasResult) {
    CWnd frame;
    frame.Create("", "", WS_POPUP, CRect(0, 0, 800, 600), nullptr, 0);
    CUVUnknownList view;
    view.vSetMeasResult(bMeasResult);
    view.Create("", "", LVS_REPORT, CRect(0, 0, 800, 600), &frame, 1);
    doc.AddView(&view);
    view.OnInitialUpdate();
    for (auto _ : state) {
        view.OnUpdate(nullptr, 0, nullptr);
        benchmark::DoNotOptimize(view.GetListCtrl().GetItemCount());
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_RefreshReplicateRows(benchmark::State& state) {
    const std::unique_ptr<CUVUnknownData> doc = ReplicateDocument(static_cast<int>(state.range(0)));
    vRunRefresh(state, *doc, 0);
}
BENCHMARK(BM_RefreshReplicateRows)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_RefreshStageRows(benchmark::State& state) {
    const std::unique_ptr<CUVUnknownData> doc = StageDocument(static_cast<int>(state.range(0)));
    vRunRefresh(state, *doc, 1);
}
BENCHMARK(BM_RefreshStageRows)
    ->RangeMultiplier(10)
    ->Range(100, 10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
