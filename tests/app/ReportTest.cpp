#include <gtest/gtest.h>

#include <regex>

#include "AppTestSupport.h"
#include "host/ReportNumbers.h"
#include "host/ReportWriters.h"
#include "host/Sha256.h"

using namespace photoquant;

namespace {

std::string sReportOf(const std::string& example) {
    const CProgramResult result = RunProgram("run '" + sExample(example) + "'");
    EXPECT_EQ(result.m_iExit, 0) << result.m_sErr;
    return sCompact(result.m_sOut);
}

}  // namespace

TEST(Report, SaysWhichBlankCorrectedWhatAndHowEachResultWasCorrected) {
    const std::string report = sReportOf("one-wavelength.json");
    EXPECT_TRUE(bHas(report, "\nOperator:  analyst 1, water laboratory\n"));
    EXPECT_TRUE(std::regex_search(
        report, std::regex("\nDate and time:  20[0-9-]{8}T[0-9:]{8}[+-][0-9]{2}:[0-9]{2}\n")));
    EXPECT_TRUE(bHas(report,
                     "BLK Reagent blank  0.0100 Abs  1 Well water, 2 River water, "
                     "3 Spinach digest\n"));
    EXPECT_TRUE(bHas(report, "Zero-concentration reading y0:  0.0052 Abs"));
    // Spinach digest: n 3, mean 2.787, SD 0.020 and CV 0.73 to two digits, 1 / 1.25 * 2 = 1.6.
    EXPECT_TRUE(bHas(report,
                     "3 Spinach digest  3  2.787  0.020  0.73  2.787 \u00b1 0.041 mg/L (95 %)  "
                     "0.0100 Abs  "
                     "\u00f7 1.25 g weight, \u00d7 2 dilution  1.6  per g of sample\n"));
    EXPECT_TRUE(bHas(report, "Equation:  Abs = 0.00518056 + 0.198802\u00b7c, c in mg/L\n"));
    EXPECT_TRUE(bHas(report, "Limits:  0.500 to 8.000 mg/L, from the run file\n"));
    EXPECT_TRUE(bHas(report, "\nmethod.limits.upper  8.0\n"));
    EXPECT_FALSE(bHas(report, "Unknowns calibration"));  // nothing in it, left out
    EXPECT_FALSE(bHas(report, "(none)"));
}

TEST(Report, ShowsEverySettingGivenAndLimitsFromTheStandardsWhenNoneAreGiven) {
    const std::string derivative = sReportOf("derivative.json");
    EXPECT_TRUE(bHas(derivative, "\nslit_width  1.0\n"));
    EXPECT_TRUE(bHas(derivative, "\nphotometric_decimals  6\n"));
    EXPECT_TRUE(bHas(derivative, "\nmethod.derivative.points  7\n"));
    EXPECT_TRUE(bHas(derivative,
                     "Limits:  5.00 to 20.00 mg/L, from the standards' "
                     "concentration range (the run file gives none)\n"));
    EXPECT_TRUE(bHas(derivative, "SHA-256 of spectra/caffeine-cola.csv:"));

    // Three samples in groups of two: the third is named, not silently missing.
    const CScratchDir dir;
    const auto file = dir.Write("groups.json", R"({"reading_unit": "Abs", "method": {
        "quantitation": "wavelength", "wavelengths": [500], "replicates": 2, "statistics": true,
        "statistics_group": 2, "manual_calibration": {"order": 1, "coefficients": [0, 2]}},
        "unknowns": [{"name": "A", "readings": [[0.1], [0.2]]},
                     {"name": "B", "readings": [[0.3], [0.4]]},
                     {"name": "C", "readings": [[0.5], [0.6]]}]})");
    const CProgramResult groups = RunProgram("run '" + file.string() + "'");
    ASSERT_EQ(groups.m_iExit, 0) << groups.m_sErr;
    // Group A, B: c = 2 A of 0.2, 0.4, 0.6, 0.8: mean 0.5, SD 0.258199.
    const std::string text = sCompact(groups.m_sOut);
    EXPECT_TRUE(bHas(text, "\n1 A, 2 B  0.5  0.26  52\n"));
    EXPECT_TRUE(bHas(text, "their group of 2 samples being incomplete: 3 C."));
}

TEST(Report, NumbersPrintAsALaboratoryWritesThem) {
    EXPECT_EQ(sSignificant(0.0127102, 2), "0.013");
    EXPECT_EQ(sSignificant(0.500985, 2), "0.50");
    EXPECT_EQ(sSignificant(1234.5, 2), "1200");
    EXPECT_EQ(sSignificant(9.96, 2), "10");
    EXPECT_EQ(sSignificant(2.5e-7, 2), "2.5e-07");
    EXPECT_EQ(sSignificant(kNoValue, 2), "");
    EXPECT_EQ(sSignificantBeside(2.89262e-19, 1.6, 6), "0");  // a zero intercept's noise
    EXPECT_EQ(sSignificantBeside(0.00518056, 1.6, 6), "0.00518056");
    EXPECT_EQ(sNearOne(0.9999998), "0.99999980");  // never "1"
    EXPECT_EQ(sNearOne(0.99), "0.9900");
    EXPECT_EQ(sRoundTrip(0.1), "0.1");
    EXPECT_EQ(std::strtod(sRoundTrip(2.0 / 3.0).c_str(), nullptr), 2.0 / 3.0);
    // FIPS 180-4 examples.
    EXPECT_EQ(sSha256Hex("abc"),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(sSha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}
