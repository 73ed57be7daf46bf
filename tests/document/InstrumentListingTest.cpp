#include "document/InstrumentListing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "photoquant.h"

using namespace photoquant::detail;

namespace {

// Gives the document its method wavelengths and a copy of the parameters it was measured with.
void vPrepare(CUVPhotometryData& doc, const CUVInstrParameters& inst,
              const std::vector<double>& waves = {}) {
    for (size_t i = 0; i < waves.size(); ++i) {
        doc.pdGetWave()[i] = waves[i];
    }
    doc.vSetInstParam(inst.pCopy());
}

CUVInstrParameters Family(int iSelectType) {
    CUVInstrParameters inst;
    inst.m_iSelectType = iSelectType;
    return inst;
}

// The value of the first row labelled so, or "(absent)".
std::string sValue(const std::vector<CListingRow>& rows, const std::string& label) {
    for (const CListingRow& row : rows) {
        if (row.sLabel == label) {
            return row.sValue;
        }
    }
    return "(absent)";
}

}  // namespace

TEST(InstrumentListing, FixedWavelengthAnalysisListsEachWavelengthInItsDecimals) {
    CUVPhotometryData doc(0, 1, 1, 2, 2);
    vPrepare(doc, Family(3), {450.0, 600.0});
    // Family 3 has no lamp-change rows and no baseline for fixed wavelengths; absorbance mode with
    // the correction on shows both path rows.
    EXPECT_EQ(sInstrumentListingText(doc),
              "Measurement Type:\tPhotometry, Wavelength\nData Mode:\tAbs\n"
              "Number of Wavelengths:\t2\nWavelength 1:\t450.0 nm\nWavelength 2:\t600.0 nm\n"
              "Delay:\t0 s\nSlit Width:\t2.00 nm\nPath Correct:\tOn\nPath Length:\t10.0 mm\n");
}

TEST(InstrumentListing, PeakAreaOnNearInfraredFamilyListsScanAndDetectorGroups) {
    CUVInstrParameters inst = Family(10);
    inst.m_bParamAvailable = {1, 1, 1, 1, 1, 1, 0, 0};
    inst.m_dSamplingInterval = 0.0;  // not set: follows the data interval
    inst.m_dDataInterval = 0.5;
    inst.m_iDelay = 2;
    inst.m_iPMTMode = 0;
    CUVPhotometryData doc(1, 1, 1, 1, 1);
    doc.vSetZeroInst(1);
    doc.vSetIntegMethod(5);  // no method of its own: rectangular sums
    vPrepare(doc, inst);
    EXPECT_EQ(sInstrumentListingText(doc),
              "Measurement Type:\tPhotometry, Peak area\nData Mode:\tAbs\n"
              "Start Wavelength:\t800.0 nm\nEnd Wavelength:\t200.0 nm\nScan Speed:\t600 nm/min\n"
              "Sampling Interval:\t0.5000 nm\nDelay:\t2 s\nAuto Zero before each run:\tOn\n"
              "Wavelength of Auto Zero before each run:\t190.0 nm\nSlit Width:\t2.00 nm\n"
              "PMT Voltage:\t400 V\nLamp Change Mode:\tAuto\nLamp Change Wavelength:\t340.0 nm\n"
              "Baseline Correction:\tSystem\nHigh Resolution:\tMedium\nD2 Lamp:\tOn\n"
              "WI Lamp:\tOn\nR/S Reverse:\tOff\nPath Correct:\tOn\nPath Length:\t10.0 mm\n"
              "Stray Light Correction:\tOff\nDetector Zero Correction:\tOff\n--- NIR ---\n"
              "Scan Speed:\t750 nm/min\nSlit:\t8.0 nm\nPbS Gain:\tAuto\n"
              "Detector change correct:\tOn\nDetector change Wavelength:\t850.0 nm\n"
              "Light control mode:\tAuto\n--------------\nPeak Apex:\t450.0 +/- 1.0 nm\n"
              "Integration Method:\tRectangular\nThreshold:\t0.0100\nSensitivity:\t 1\n");
}

TEST(InstrumentListing, DerivativeWithAutoZeroOffListsDerivativeSettingsWithoutZeroWavelength) {
    CUVInstrParameters inst = Family(0);
    inst.m_bParamAvailable = {1, 1, 0, 0, 0, 0, 0, 0};
    CUVPhotometryData doc(3, 1, 1, 1, 1);
    vPrepare(doc, inst);
    EXPECT_EQ(sInstrumentListingText(doc),
              "Measurement Type:\tPhotometry, Derivative\nData Mode:\tAbs\n"
              "Start Wavelength:\t800.0 nm\nEnd Wavelength:\t200.0 nm\nScan Speed:\t600 nm/min\n"
              "Sampling Interval:\t1.0000 nm\nDelay:\t0 s\nAuto Zero before each run:\tOff\n"
              "Slit Width:\t2 nm\nLamp Change Mode:\tAuto\nLamp Change Wavelength:\t340.0 nm\n"
              "Baseline Correction:\tSystem\nResponse:\tMedium\nPath Correct:\tOn\n"
              "Path Length:\t10.0 mm\nWavelength:\t450.0 nm\nDerivative Order:\t2\n"
              "Smoothing Order:\t3\nNumber of points:\t7\n");
}

TEST(InstrumentListing, FamilyRowsFollowSelectType) {
    CUVPhotometryData doc(1, 1, 1, 1, 1);
    vPrepare(doc, Family(3));
    auto rows = InstrumentListingRows(doc, kConditionsTextStyle);
    EXPECT_EQ(sValue(rows, "Data Interval"), "1 nm");
    EXPECT_EQ(sValue(rows, "Lamp Change Mode"), "(absent)");
    EXPECT_EQ(sValue(rows, "Baseline Correction"), "System");  // spectra keep the baseline

    CUVInstrParameters inst = Family(7);
    inst.m_iScanSpeed = 0;
    vPrepare(doc, inst);
    rows = InstrumentListingRows(doc, kConditionsTextStyle);
    EXPECT_EQ(sValue(rows, "Scan Speed"), "2400");  // fastest speed, no unit
    EXPECT_EQ(sValue(rows, "PMT Voltage"), "Auto");
    EXPECT_EQ(sValue(rows, "Response"), "(absent)");

    inst = Family(8);
    inst.m_bUVSpeedChange = 1;
    doc.vSetQuantType(2);
    doc.vSetSensitivity(3);
    vPrepare(doc, inst);
    rows = InstrumentListingRows(doc, kConditionsTextStyle);
    EXPECT_EQ(sValue(rows, "--- UV Scan speed change function ---"), "");
    EXPECT_EQ(sValue(rows, "Speed change Wavelength"), "340.0 nm");
    EXPECT_EQ(sValue(rows, "Scan Speed"), "600 nm/min");       // the scan's own speed comes first
    EXPECT_EQ(rows.at(rows.size() - 4).sValue, "300 nm/min");  // UV speed code 3
    EXPECT_EQ(sValue(rows, "Integration Method"), "(absent)");
    EXPECT_EQ(sValue(rows, "Sensitivity"), " 8");  // 2^3
    doc.vSetQuantType(0);
    rows = InstrumentListingRows(doc, kConditionsTextStyle);
    EXPECT_EQ(sValue(rows, "Integration Time"), "0.5 s");
    EXPECT_EQ(sValue(rows, "Baseline Correction"), "(absent)");

    vPrepare(doc, Family(12));
    rows = InstrumentListingRows(doc, kConditionsTextStyle);
    EXPECT_EQ(sValue(rows, "Stray Light Correction"), "Off");
    EXPECT_EQ(sValue(rows, "Light control mode"), "Auto");
    EXPECT_EQ(sValue(rows, "Detector Zero Correction"), "(absent)");  // not for wavelength type
}

// The page's headers, its missing path rows and its slit text are checked on the page itself.
TEST(InstrumentListing, PageAndReportTextDifferInSlitPmtAndIntegrationTimeRows) {
    CUVInstrParameters inst = Family(9);
    inst.m_dNIRSlitWidth = 4.9;  // slit code 4, whose text is "2"
    inst.m_iPMTMode = -1;
    CUVPhotometryData doc(2, 1, 1, 1, 1);
    vPrepare(doc, inst);
    const auto text = InstrumentListingRows(doc, kConditionsTextStyle);
    const auto page = InstrumentListingRows(doc, kInstrumentPageStyle);
    EXPECT_EQ(sValue(text, "Slit"), "4.9 nm");
    EXPECT_EQ(sValue(page, "Slit"), "2 nm");
    EXPECT_EQ(sValue(text, "PMT Voltage"), "");  // mode -1 has no text
    EXPECT_EQ(sValue(page, "PMT Voltage"), "400 V");
    EXPECT_TRUE(page.at(page.size() - 5).bHeader);  // "--- Peak Detection ---"

    inst = Family(8);
    doc.vSetQuantType(5);  // neither spectral nor a fixed-wavelength type
    vPrepare(doc, inst);
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kConditionsTextStyle), "Integration Time"),
              "0.5 s");
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kInstrumentPageStyle), "Integration Time"),
              "(absent)");
}

TEST(InstrumentListing, PageSlitWidthKeepsTheNotationOfEarlierRows) {
    CUVPhotometryData doc(0, 1, 1, 0, 0);
    CUVInstrParameters inst = Family(3);
    inst.m_dSlitWidth = 1.25;
    vPrepare(doc, inst);
    // No wavelength row wrote a fixed number: 2 significant digits, 1.25 -> 1.2 (binary 1.25 ties
    // to even).
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kInstrumentPageStyle), "Slit Width"), "1.2 nm");
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kConditionsTextStyle), "Slit Width"), "1.25 nm");
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kConditionsTextStyle), "Number of Wavelengths"),
              "0");
    doc.bSetEmpty(1, 1, 1, 1);
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kInstrumentPageStyle), "Slit Width"), "1.25 nm");
}

TEST(InstrumentListing, LongTextsAreCutToTheirBuffersAndMissingParametersListNothing) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    EXPECT_EQ(sInstrumentListingText(doc), "");
    EXPECT_TRUE(InstrumentListingRows(doc, kInstrumentPageStyle).empty());

    CUVInstrParameters inst = Family(0);
    inst.m_vsDataModeTexts[1] = std::string(300, 'x');
    vPrepare(doc, inst);
    const std::string text = sInstrumentListingText(doc);
    const size_t start = text.find("Data Mode");
    // 255 characters fit the 256-character line buffer, the line feed included.
    EXPECT_EQ(text.find('\n', start) - start + 1, 255u);
    EXPECT_EQ(text.substr(start + 254, 7), "\nNumber");
    EXPECT_EQ(sValue(InstrumentListingRows(doc, kInstrumentPageStyle), "Data Mode").size(), 127u);
}
