// The photoquant half of the side-by-side comparison (bench/compare/compare.py runs both halves).
// Reads the workloads the script wrote into a folder as raw little-endian doubles, runs each
// through the library as a host or an analyst's program would, and prints one JSON object a line:
// the time per item of every workload (best of several rounds) and the numbers the script checks
// against numpy and scipy (coefficients, peak counts, derivative values).
//
//   photoquant_compare <folder>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "contracts/numkit/PeakArea.h"
#include "photoquant.h"

namespace {

constexpr int kRounds = 5;
constexpr double kMinRoundSeconds = 0.05;

std::vector<double> ReadDoubles(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        throw std::runtime_error("cannot read " + path);
    }
    const auto bytes = static_cast<size_t>(in.tellg());
    std::vector<double> values(bytes / sizeof(double));
    in.seekg(0);
    in.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(bytes));
    return values;
}

// Seconds per call of work: the best of kRounds rounds, each repeating the work until it has run
// for kMinRoundSeconds, so that short workloads are not lost in the clock's resolution.
double dSecondsPerCall(const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        int calls = 0;
        const Clock::time_point start = Clock::now();
        double elapsed = 0.0;
        do {
            work();
            ++calls;
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < kMinRoundSeconds);
        best = std::min(best, elapsed / calls);
    }
    return best;
}

// Seconds per call of work as above, with prepare run before every call outside the clock: for a
// call that replaces its input, which each call must find as it was.
double dSecondsPerPreparedCall(const std::function<void()>& prepare,
                               const std::function<void()>& work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        int calls = 0;
        double elapsed = 0.0;
        do {
            prepare();
            const Clock::time_point start = Clock::now();
            work();
            elapsed += std::chrono::duration<double>(Clock::now() - start).count();
            ++calls;
        } while (elapsed < kMinRoundSeconds);
        best = std::min(best, elapsed / calls);
    }
    return best;
}

void vPrintTiming(const std::string& workload, double seconds, int items) {
    std::printf("{\"workload\": \"%s\", \"seconds_per_item\": %.9g, \"items\": %d}\n",
                workload.c_str(), seconds / items, items);
}

std::vector<CDoublePt> Points(const std::vector<double>& x, const std::vector<double>& y) {
    std::vector<CDoublePt> points(x.size());
    for (size_t i = 0; i < x.size(); ++i) {
        points[i] = CDoublePt(x[i], y[i]);
    }
    return points;
}

// Polynomial fits of order 1 to 3 on 10 to 10,000 points.
void vPolynomialFits(const std::string& folder) {
    for (const int n : {10, 100, 1000, 10000}) {
        const std::vector<CDoublePt> points =
            Points(ReadDoubles(folder + "/fit_x_" + std::to_string(n) + ".bin"),
                   ReadDoubles(folder + "/fit_y_" + std::to_string(n) + ".bin"));
        for (int order = 1; order <= 3; ++order) {
            volatile double sink = 0.0;
            const double seconds = dSecondsPerCall([&] {
                const CLeastSquaresFit fit(points.data(), n, order, 0);
                sink = sink + fit.dGetCoeff(0);
            });
            vPrintTiming("polyfit order " + std::to_string(order) + " n " + std::to_string(n),
                         seconds, 1);
        }
    }
}

struct CSpectra {
    std::vector<double> y;  // spectrum s at s * points
    int iCount;
    int iPoints;

    const double* pdSpectrum(int s) const { return y.data() + static_cast<size_t>(s) * iPoints; }
};

CSpectra ReadSpectra(const std::string& folder) {
    const std::vector<double> shape = ReadDoubles(folder + "/spectra_shape.bin");
    CSpectra spectra{ReadDoubles(folder + "/spectra.bin"), static_cast<int>(shape[0]),
                     static_cast<int>(shape[1])};
    return spectra;
}

// Second-derivative Savitzky-Golay filter (window 15, cubic) over every spectrum: each copied
// into the points the numeric layer takes and filtered alone, as spectra arrive from the
// instrument, and all of them in one call (vSmoothSGGenMany), as scipy's savgol_filter is handed
// the whole array. The one call must give every spectrum to the last bit as the single calls do.
void vDerivatives(const std::string& folder, const CSpectra& spectra) {
    const std::vector<double> params = ReadDoubles(folder + "/savgol_params.bin");
    const int halfWidth = static_cast<int>(params[0]);
    const int polyOrder = static_cast<int>(params[1]);
    const int derivOrder = static_cast<int>(params[2]);
    const auto points = static_cast<size_t>(spectra.iPoints);
    std::vector<CDoublePt> readings(static_cast<size_t>(spectra.iCount) * points);
    for (int s = 0; s < spectra.iCount; ++s) {
        const double* y = spectra.pdSpectrum(s);
        for (int i = 0; i < spectra.iPoints; ++i) {
            readings[static_cast<size_t>(s) * points + static_cast<size_t>(i)] = CDoublePt(i, y[i]);
        }
    }
    std::vector<CDoublePt> one(points);
    auto smoothOne = [&](int s) {
        const double* y = spectra.pdSpectrum(s);
        for (int i = 0; i < spectra.iPoints; ++i) {
            one[static_cast<size_t>(i)] = CDoublePt(i, y[i]);
        }
        vSmoothSGGen(one.data(), spectra.iPoints, 1, halfWidth, polyOrder, derivOrder, 0);
    };
    const double seconds = dSecondsPerCall([&] {
        for (int s = 0; s < spectra.iCount; ++s) {
            smoothOne(s);
        }
    });
    vPrintTiming("savgol derivative per spectrum", seconds, spectra.iCount);

    std::vector<CDoublePt> all(readings.size());
    const double secondsAll =
        dSecondsPerPreparedCall([&] { std::copy(readings.begin(), readings.end(), all.begin()); },
                                [&] {
                                    vSmoothSGGenMany(all.data(), spectra.iCount, spectra.iPoints, 1,
                                                     halfWidth, polyOrder, derivOrder, 0);
                                });
    vPrintTiming("savgol derivative per spectrum, one call for all", secondsAll, spectra.iCount);

    bool bSame = true;
    for (int s = 0; s < spectra.iCount; ++s) {
        smoothOne(s);
        for (size_t i = 0; i < points; ++i) {
            bSame = bSame && all[static_cast<size_t>(s) * points + i].y == one[i].y;
        }
    }
    std::printf("{\"check\": \"savgol one call equals per spectrum\", \"value\": %s}\n",
                bSame ? "true" : "false");
    smoothOne(0);
    std::printf("{\"check\": \"savgol spectrum 0\", \"values\": [");
    for (size_t i = 0; i < points; ++i) {
        std::printf("%s%.17g", i == 0 ? "" : ", ", one[i].y);
    }
    std::printf("]}\n");
}

// Peaks by prominence, each integrated by the trapezoid rule over its extent: one finder searches
// every spectrum in turn and the areas are taken from its peaks, so that nothing is allocated per
// spectrum.
void vPeaksAndAreas(const std::string& folder, const CSpectra& spectra) {
    const double threshold = ReadDoubles(folder + "/peak_params.bin")[0];
    std::vector<CDoublePt> points(static_cast<size_t>(spectra.iPoints));
    std::vector<int> counts(static_cast<size_t>(spectra.iCount));
    CPeakFinder finder;
    volatile double sink = 0.0;
    auto integrateOne = [&](int s) {
        const double* y = spectra.pdSpectrum(s);
        for (int i = 0; i < spectra.iPoints; ++i) {
            points[static_cast<size_t>(i)] = CDoublePt(i, y[i]);
        }
        const int iNumPeaks = finder.iFindPeaks(spectra.iPoints, points.data(), 0, threshold);
        for (int k = 0; k < iNumPeaks; ++k) {
            const CPeak peak = finder.GetPeak(k);
            sink = sink + photoquant::detail::dPeakArea(y, spectra.iPoints, peak.m_iStart,
                                                        peak.m_iEnd, 1.0, 1);
        }
        counts[static_cast<size_t>(s)] = iNumPeaks;
    };
    const double seconds = dSecondsPerCall([&] {
        for (int s = 0; s < spectra.iCount; ++s) {
            integrateOne(s);
        }
    });
    vPrintTiming("peaks and trapezoid areas per spectrum", seconds, spectra.iCount);
    long total = 0;
    for (const int count : counts) {
        total += count;
    }
    std::printf("{\"check\": \"peak count\", \"value\": %ld}\n", total);
}

// A whole quantitation: standards measured and calibrated (2nd order, concentration from the
// reading), then the unknowns' transmittances taken in as one block, their concentrations computed
// as one block, and the replicates of each sample condensed into mean and SD in one pass: the
// block path a host takes for imported data (an instrument's points arrive one by one instead).
void vQuantitation(const std::string& folder) {
    const std::vector<double> stdConc = ReadDoubles(folder + "/quant_std_conc.bin");
    const std::vector<double> stdT = ReadDoubles(folder + "/quant_std_t.bin");
    const std::vector<double> unkT = ReadDoubles(folder + "/quant_unk_t.bin");
    const std::vector<double> shape = ReadDoubles(folder + "/quant_shape.bin");
    const int iStdRep = static_cast<int>(shape[0]);
    const int iUnkRep = static_cast<int>(shape[1]);
    const int iNumStd = static_cast<int>(stdConc.size());
    const int iNumUnk = static_cast<int>(unkT.size()) / iUnkRep;
    double dMean0 = 0.0;
    double dSD0 = 0.0;

    const double seconds = dSecondsPerCall([&] {
        CUVStandardData standards(0, iNumStd, iStdRep, 1, 1);
        standards.vSetCalibOpt(1);
        standards.vSetCalibType(2);
        for (int s = 0; s < iNumStd; ++s) {
            standards.vChangeConcVal(stdConc[static_cast<size_t>(s)], s);
        }
        standards.iAddValuesBlock(stdT.data(), nullptr, static_cast<int>(stdT.size()));
        standards.vCalibrate();

        CUVUnknownData unknowns(0, iNumUnk, iUnkRep, 1, 1);
        unknowns.vSetResultType(1);
        unknowns.vSetStatisticalMode(1);
        const int iNumPoints = static_cast<int>(unkT.size());
        unknowns.iAddValuesBlock(unkT.data(), nullptr, iNumPoints);
        unknowns.vCalcConcBlock(0, iNumPoints, standards.pGetCalibList());
        unknowns.vCalcStatistics();
        dMean0 = unknowns.dGetMeanConc(0);
        dSD0 = unknowns.dGetSD(0);
    });
    vPrintTiming("whole quantitation of 100,000 unknown points", seconds, 1);
    std::printf("{\"check\": \"sample 0 mean and SD\", \"values\": [%.17g, %.17g]}\n", dMean0,
                dSD0);
}

// The cubic fit on badly scaled concentrations, coefficients printed to the last digit.
void vAccuracy(const std::string& folder) {
    const std::vector<double> x = ReadDoubles(folder + "/accuracy_x.bin");
    const std::vector<double> y = ReadDoubles(folder + "/accuracy_y.bin");
    const std::vector<CDoublePt> points = Points(x, y);
    const CLeastSquaresFit fit(points.data(), static_cast<int>(points.size()), 3, 0);
    std::printf("{\"check\": \"cubic coefficients\", \"values\": [%.17g, %.17g, %.17g, %.17g]}\n",
                fit.dGetCoeff(0), fit.dGetCoeff(1), fit.dGetCoeff(2), fit.dGetCoeff(3));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: photoquant_compare <folder written by compare.py>\n");
        return 2;
    }
    const std::string folder = argv[1];
    try {
        vAccuracy(folder);
        vPolynomialFits(folder);
        const CSpectra spectra = ReadSpectra(folder);
        vDerivatives(folder, spectra);
        vPeaksAndAreas(folder, spectra);
        vQuantitation(folder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
