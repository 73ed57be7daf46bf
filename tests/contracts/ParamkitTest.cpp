#include <gtest/gtest.h>

#include "photoquant.h"

TEST(Paramkit, UnknownCodesAndIdsHaveNoText) {
    CUVInstrParameters params;
    EXPECT_EQ(params.GetDataModeText(1), "Abs");
    EXPECT_EQ(params.GetDataModeText(2), "");
    EXPECT_EQ(params.GetScanSpeedText(-1), "");
    EXPECT_EQ(params.GetSlitText(7), "");  // six slit codes, 0 to 5
    EXPECT_EQ(params.GetNIRSlitText(2), "");
    EXPECT_EQ(params.GetUVScanSpeedText(99), "");
    EXPECT_EQ(params.bIsParamAvailable(8), 0);
    EXPECT_EQ(params.bIsParamAvailable(-1), 0);
    EXPECT_EQ(params.GetMehodParamName(8, -1), "");
    EXPECT_EQ(params.GetValidParamValue(-1, 0), "");

    params.m_iSelectType = 10;
    EXPECT_EQ(params.GetMehodParamName(6, 10), "High Resolution");
    EXPECT_EQ(params.GetMehodParamName(6, 9), "");  // names held are those of family 10

    params.m_iMethodParamSetting[7] = 9;  // beyond the five NIR slit settings
    EXPECT_EQ(params.GetValidParamValue(7, 1), "2 nm");
    EXPECT_EQ(params.GetValidParamValue(7, 5), "");

    CUVSipperParameters sipper;
    EXPECT_EQ(sipper.GetTemperatureTxt(3), "37");
    EXPECT_EQ(sipper.GetTemperatureTxt(6), "");
    CMZ700Parameters autosampler;
    autosampler.m_vsSyringeSpeedTexts = {"Gentle"};
    CMZ700Parameters copied;
    copied.vCopy(autosampler);
    EXPECT_EQ(copied.GetSyringeSpeedTxt(0), "Gentle");
    EXPECT_EQ(copied.GetSyringeSpeedTxt(1), "");
    EXPECT_EQ(copied.GetSyringeCapacityTxt(-1), "");
}
