// Recalculating peak and derivative values from the stored spectra of a full run: 1,000 spectra of
// 3,601 points each (1000 nm down to 280 nm at 0.2 nm), as after the user changes the peak or
// derivative settings of a finished measurement, and the numeric layer's calls on the same spectra
// handed over as points. Reported per spectrum.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "contracts/numkit/PeakArea.h"
#include "contracts/numkit/PeakFinder.h"
#include "contracts/numkit/SavitzkyGolay.h"
#include "document/UVPhotometryData.h"

namespace {

constexpr int kNumSpectra = 1000;
constexpr int kNumPoints = 3601;
constexpr double kStartWL = 1000.0;
constexpr double kInterval = 0.2;

// Absorbance of spectrum s at wavelength wl: bands at 450 nm (the quantified one, growing with the
// sample) and 600 nm on a sloping baseline, with a little detector noise.
double dAbsorbance(int s, double wl, std::uint32_t& noise) {
    noise = noise * 1664525u + 1013904223u;
    const double d450 = (wl - 450.0) / 8.0;
    const double d600 = (wl - 600.0) / 15.0;
    return 0.02 + 0.00005 * (1000.0 - wl) + (0.2 + 0.0008 * s) * std::exp(-d450 * d450 / 2.0) +
           0.5 * std::exp(-d600 * d600 / 2.0) + 0.0004 * ((noise >> 8) / 16777216.0 - 0.5);
}

// A run reopened from its stored readings (transmittances), every point measured.
std::unique_ptr<CUVPhotometryData> pStoredRun(int iQuantType) {
    auto* pdRaw = new double[static_cast<size_t>(kNumSpectra) * kNumPoints];
    auto* pbMeasured = new int[kNumSpectra];
    auto* pdConc = new double[kNumSpectra];
    std::uint32_t noise = 12345u;
    for (int s = 0; s < kNumSpectra; ++s) {
        for (int i = 0; i < kNumPoints; ++i) {
            const double dAbs = dAbsorbance(s, kStartWL - i * kInterval, noise);
            pdRaw[static_cast<size_t>(s) * kNumPoints + static_cast<size_t>(i)] =
                std::pow(10.0, -dAbs);
        }
        pbMeasured[s] = 1;
        pdConc[s] = 0.01 * s;
    }
    auto doc =
        std::make_unique<CUVPhotometryData>(iQuantType, kNumSpectra, 1, kNumPoints, 1, pdRaw,
                                            nullptr, pbMeasured, pdConc, nullptr, nullptr, nullptr);
    auto* pInst = new CUVInstrParameters;
    pInst->m_dStartWL = kStartWL;
    pInst->m_dDataInterval = kInterval;
    doc->vSetInstParam(pInst);
    doc->vSetPeakRange(2.0);
    return doc;
}

// The absorbances of every spectrum as points, one spectrum after the other.
std::vector<CDoublePt> AllSpectraAsPoints() {
    std::vector<CDoublePt> points(static_cast<size_t>(kNumSpectra) * kNumPoints);
    std::uint32_t noise = 12345u;
    for (int s = 0; s < kNumSpectra; ++s) {
        for (int i = 0; i < kNumPoints; ++i) {
            points[static_cast<size_t>(s) * kNumPoints + static_cast<size_t>(i)] =
                CDoublePt(i, dAbsorbance(s, kStartWL - i * kInterval, noise));
        }
    }
    return points;
}

void vReportPerSpectrum(benchmark::State& state) {
    const auto spectra = static_cast<double>(state.iterations()) * kNumSpectra;
    state.SetItemsProcessed(static_cast<int64_t>(spectra));
    state.counters["time_per_spectrum"] =
        benchmark::Counter(spectra, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Argument: the integration method (0 rectangular, 1 trapezoid, 2 Romberg).
void BM_PeakAreaRecalculation(benchmark::State& state) {
    auto doc = pStoredRun(1);
    doc->vSetIntegMethod(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        doc->vCalculatePeakValues();
    }
    benchmark::DoNotOptimize(doc->GetValue(kNumSpectra - 1));
    vReportPerSpectrum(state);
}

void BM_DerivativeRecalculation(benchmark::State& state) {
    auto doc = pStoredRun(3);
    for (auto _ : state) {
        doc->vCalculateDerivValues();
    }
    benchmark::DoNotOptimize(doc->GetValue(kNumSpectra - 1));
    vReportPerSpectrum(state);
}

// Second derivative (half width 7, cubic) of all spectra in one call. The call replaces the
// readings, so every iteration starts from a fresh copy, made outside the clock.
void BM_SavitzkyGolayManySpectra(benchmark::State& state) {
    const std::vector<CDoublePt> readings = AllSpectraAsPoints();
    std::vector<CDoublePt> spectra(readings.size());
    for (auto _ : state) {
        state.PauseTiming();
        spectra = readings;
        state.ResumeTiming();
        vSmoothSGGenMany(spectra.data(), kNumSpectra, kNumPoints, 1, 7, 3, 2, 0);
    }
    benchmark::DoNotOptimize(spectra.back().y);
    vReportPerSpectrum(state);
}

// Spectrum s of the run, its readings also copied into y, as the area takes them.
const CDoublePt* pSpectrumWithReadings(const std::vector<CDoublePt>& spectra, int s,
                                       std::vector<double>& y) {
    const CDoublePt* pSpectrum = spectra.data() + static_cast<size_t>(s) * kNumPoints;
    for (int i = 0; i < kNumPoints; ++i) {
        y[static_cast<size_t>(i)] = pSpectrum[i].y;
    }
    return pSpectrum;
}

// Peaks (prominence 0.01) and their trapezoid areas on every spectrum, as a host reduces a run:
// one finder kept for all spectra, its peaks read in place (nothing allocated per spectrum) ...
void BM_PeaksAndAreasKeptFinder(benchmark::State& state) {
    const std::vector<CDoublePt> spectra = AllSpectraAsPoints();
    std::vector<double> y(kNumPoints);
    CPeakFinder finder;
    double sum = 0.0;
    for (auto _ : state) {
        for (int s = 0; s < kNumSpectra; ++s) {
            const CDoublePt* pSpectrum = pSpectrumWithReadings(spectra, s, y);
            const int iNumPeaks = finder.iFindPeaks(kNumPoints, pSpectrum, 0, 0.01);
            for (int k = 0; k < iNumPeaks; ++k) {
                const CPeak peak = finder.GetPeak(k);
                sum += photoquant::detail::dPeakArea(y.data(), kNumPoints, peak.m_iStart,
                                                     peak.m_iEnd, 1.0, 1);
            }
        }
    }
    benchmark::DoNotOptimize(sum);
    vReportPerSpectrum(state);
}

// ... and a finder and a list of new peaks per spectrum, as the documents ask for them.
void BM_PeaksAndAreasFinderPerSpectrum(benchmark::State& state) {
    const std::vector<CDoublePt> spectra = AllSpectraAsPoints();
    std::vector<double> y(kNumPoints);
    double sum = 0.0;
    for (auto _ : state) {
        for (int s = 0; s < kNumSpectra; ++s) {
            const CDoublePt* pSpectrum = pSpectrumWithReadings(spectra, s, y);
            CPeakList peaks;
            CPeakFinder(kNumPoints, pSpectrum, 0, 0.01).vCopyPeaks(peaks, 0);
            for (INT_PTR k = 0; k < peaks.GetSize(); ++k) {
                sum += photoquant::detail::dPeakArea(y.data(), kNumPoints, peaks.GetAt(k)->m_iStart,
                                                     peaks.GetAt(k)->m_iEnd, 1.0, 1);
            }
            peaks.vDeleteAll();
        }
    }
    benchmark::DoNotOptimize(sum);
    vReportPerSpectrum(state);
}

}  // namespace

BENCHMARK(BM_PeakAreaRecalculation)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DerivativeRecalculation)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SavitzkyGolayManySpectra)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeaksAndAreasKeptFinder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PeaksAndAreasFinderPerSpectrum)->Unit(benchmark::kMillisecond);
