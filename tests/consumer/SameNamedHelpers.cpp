// A host with helpers of its own that carry the names the module's helpers once had in the global
// namespace. The host's functions must serve the host, and the module's results must not change:
// a library that exported its helpers would call the host's versions instead of its own (the
// dynamic linker binds the first definition it finds, the program's), and round, format and label
// its results by them.
#include <cmath>
#include <cstddef>
#include <functional>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "photoquant.h"

bool bIsUsable(double) {
    return false;
}
double dRoundDecimals(double value, int) {
    return value;
}
int iRoundHalfAway(double) {
    return 0;
}
std::string sFixed(double, int) {
    return "host";
}
std::string sModuleString(UINT) {
    return "host";
}
std::string sModuleStringOf(UINT, int, int) {
    return "host";
}
void vWriteReportLine(std::ostream& out, const std::string&, const std::string&) {
    out << "host\n";
}
std::string sCutToFit(const std::string&, std::size_t) {
    return "host";
}
std::string sCoefficientText(double) {
    return "host";
}
std::string sCodeText(const std::vector<std::string>&, int) {
    return "host";
}
double dPeakArea(const double*, int, int, int, double, int) {
    return -1.0;
}
int bWriteReportFile(const std::string&, const std::function<void(std::ostream&)>&) {
    return 0;
}

namespace {

int g_iFailures = 0;

void vCheck(bool bHolds, const std::string& what) {
    if (!bHolds) {
        std::cout << "FAILED: " << what << '\n';
        ++g_iFailures;
    }
}

bool bStartsWith(const std::string& text, const std::string& start) {
    return text.compare(0, start.size(), start) == 0;
}

CDoublePt Absorbance(double dAbs) {
    return {500.0, std::pow(10.0, -dAbs)};
}

}  // namespace

int main() {
    // The host's names are the host's.
    vCheck(!bIsUsable(1.0) && sFixed(1.0, 2) == "host" && sModuleString(17) == "host" &&
               dPeakArea(nullptr, 0, 0, 0, 1.0, 0) == -1.0,
           "the host's own functions serve the host");

    // 50 %T reads as log10(2) = 0.30103, shown rounded to 4 decimals: 0.3010.
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    const CDoublePt half(500.0, 0.5);
    doc.iAddValues(&half, 1);
    vCheck(std::abs(doc.GetValue(0).y - 0.301) < 1e-12, "a reading is rounded by the module");

    // Labels from the module's string table, lines as the module writes them, limits in fixed
    // notation with the concentration's 0 decimals.
    CUVStandardData standards(0, 2, 1, 1, 1);
    standards.vChangeConcVal(1.0, 0);
    standards.vChangeConcVal(2.0, 1);
    for (const double dAbs : {0.1, 0.2}) {
        const CDoublePt reading = Absorbance(dAbs);
        standards.iAddValues(&reading, 1);
    }
    standards.vCalibrate();
    const std::string calibration = standards.GetCalibrationData();
    vCheck(bStartsWith(calibration, "Calibration type:\t1st order\nForce through zero:\tNo\nA0:\t"),
           "the calibration text is the module's: " + calibration);
    vCheck(calibration.find("Lower Concentration Limit (%) :\t0\n"
                            "Upper Concentration Limit (%) :\t1000000000\n") != std::string::npos,
           "the limits are written by the module: " + calibration);

    CUVUnknownData unknowns(0, 1, 1, 1, 1);
    unknowns.vSetInstParam(new CUVInstrParameters);
    vCheck(bStartsWith(unknowns.GetInstData(),
                       "Measurement Type:\tPhotometry, Wavelength\nData Mode:\tAbs\n"),
           "the measurement conditions are the module's: " + unknowns.GetInstData());
    vCheck(CPhotometryListView::sCellText(std::string(200, 'x')) == std::string(126, 'x'),
           "a cell is cut by the module");

    // A triangle of height 1 over 21 points from 460 nm down to 440 nm, apex at 450 nm: the
    // rectangles over points 0..19 (the last never counts) give 1 + 2 (0.9 + ... + 0.1) = 10.
    CUVStandardData peaks(1, 1, 1, 21, 21);
    std::vector<double> y(21);
    for (int i = 0; i < 21; ++i) {
        y[static_cast<std::size_t>(i)] = 1.0 - std::abs(i - 10) / 10.0;
    }
    CUVWaveData spectrum(460.0, 1.0, y.data(), 21);
    peaks.iAddPeakValues(&spectrum);
    vCheck(std::abs(peaks.GetValue(0).y - 10.0) < 1e-9, "a peak area is the module's sum");

    std::cout << (g_iFailures == 0 ? "the module's results are its own\n" : "");
    return g_iFailures == 0 ? 0 : 1;
}
