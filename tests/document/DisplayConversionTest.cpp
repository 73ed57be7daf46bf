#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "HostHelpers.h"
#include "photoquant.h"

// The default display options apply throughout: 4 absorbance and 2 %T decimals, and absorbance 10
// for a transmittance at or below zero. Data decimals are 4 without instrument parameters.

TEST(DisplayConversion, SkipMarkerPassesAbsorbanceUnchangedAndIsScaledInPercentModes) {
    CUVPhotometryData doc(0, 1, 2, 1, 1);
    doc.pdGetConcVect()[0] = 2.5;
    doc.vSkipData();
    EXPECT_EQ(doc.GetValue(0).x, 2.5);
    EXPECT_EQ(doc.GetValue(0).y, 15000.0);
    doc.iSetYMode(0);
    EXPECT_EQ(doc.GetValue(0).y, 1500000.0);  // 100 * 15000
}

TEST(DisplayConversion, AbsorbanceOfOrdinaryAndDarkReadingsIsScaledToTenMillimetres) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.5), 0.301);  // log10(2) = 0.30103; 10 mm changes nothing
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.0), 10.0);   // dark: the display option's 10 * 10 / 10 mm
    EXPECT_DOUBLE_EQ(doc.dCalcY(-0.2), 10.0);  // any T <= 0 is dark
    EXPECT_DOUBLE_EQ(doc.dCalcY(1e-310), 10.0);
    doc.vSetPathLength(5.0);
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.5), 0.6021);  // 0.30103 * 10 / 5 = 0.60206
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.0), 20.0);    // 10 * 10 / 5 mm
    doc.vSetPathLengthCorrect(2);               // only a flag of exactly 1 corrects
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.5), 0.301);
    doc.vSetPathLengthCorrect(0);
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.0), 10.0);
}

TEST(DisplayConversion, PercentModesShowAHundredTimesTheFractionAndStoredReadingsStay) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    iAdd(doc, {0.5});
    EXPECT_EQ(doc.iGetYPrecision(), 4);  // absorbance decimals
    doc.iSetYMode(0);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 50.0);  // 100 * 0.5
    EXPECT_EQ(doc.iGetYPrecision(), 2);         // %T decimals
    EXPECT_EQ(doc.GetYUnits(), "%T");
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.1234567), 12.3457);  // 12.34567 to 4 data decimals
    doc.iSetYMode(4);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 50.0);
    EXPECT_EQ(doc.GetYUnits(), "%R");
    doc.iSetYMode(2);
    EXPECT_DOUBLE_EQ(doc.dCalcY(0.1234567), 0.1235);  // a mode without a name only rounds
    EXPECT_EQ(doc.pdGetYData()[0], 0.5);
    EXPECT_EQ(doc.pdGetRawData()[0], 0.5);
}

TEST(DisplayConversion, PeakAndDerivativeValuesAreOnlyRoundedWhateverTheMode) {
    for (int iQuantType : {1, 2, 3}) {
        CUVPhotometryData doc(iQuantType, 1, 1, 1, 1);
        EXPECT_DOUBLE_EQ(doc.dCalcY(0.123456), 0.1235);
        doc.iSetYMode(0);
        EXPECT_DOUBLE_EQ(doc.dCalcY(0.123456), 0.1235);
    }
    CUVPhotometryData ratio(4, 1, 1, 1, 1);
    EXPECT_DOUBLE_EQ(ratio.dCalcY(0.5), 0.301);  // ratio readings are transmittances
}

TEST(DisplayConversion, DataDecimalsFollowTheInstrumentParameters) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    iAdd(doc, {0.3});
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.5229);  // log10(1 / 0.3) = 0.522879
    auto* params = new CUVInstrParameters;
    params->m_iPhotoDecimals = 2;
    doc.vSetInstParam(params);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.52);
    doc.iSetYMode(0);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 30.0);
}

TEST(DisplayConversion, NotANumberAndInfinityAreNotTurnedIntoReadings) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    EXPECT_TRUE(std::isnan(doc.dCalcY(nan)));  // not the dark-reading absorbance
    EXPECT_EQ(doc.dCalcY(inf), -inf);          // log10(1 / inf)
    doc.iSetYMode(0);
    EXPECT_EQ(doc.dCalcY(inf), inf);

    CUVPhotometryData pair(0, 1, 1, 2, 2);
    iAdd(pair, {1.0, nan});
    EXPECT_TRUE(std::isnan(pair.GetValue(0).y));  // a failed reading is no dark reading
}
