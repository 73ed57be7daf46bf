#include <gtest/gtest.h>

#include <memory>

#include "contracts/paramkit/PhotAccuracyJPResult.h"
#include "contracts/paramkit/PhotAccuracyResult.h"
#include "contracts/paramkit/PhotReproducibilityResult.h"
#include "photoquant.h"

namespace {

// Every condition away from its default, as a host describing a near-infrared instrument would.
void vFillEveryCondition(CUVInstrParameters& p) {
    p.m_iSelectType = 12;
    p.m_sParamVersion = "5.2";
    p.m_iMeasMode = 7;
    p.m_iDataMode = 4;
    p.m_iSamplingDevice = 3;
    p.m_iModelSubType = 2;
    p.m_dStartWL = 2500.0;
    p.m_dEndWL = 900.0;
    p.m_dDataInterval = 2.0;
    p.m_bReplRowFlag = 0;
    p.m_bConcCorrect = 1;
    p.m_iWaveDecimals = 2;
    p.m_iPhotoDecimals = 3;
    p.m_iAccessoryOption = 5;
    p.m_iScanSpeed = 0;
    p.m_dSamplingInterval = 4.0;
    p.m_iDelay = 30;
    p.m_iSlitMode = 1;
    p.m_dSlitWidth = 0.5;
    p.m_iSlit = 1;
    p.m_iPMTMode = 0;
    p.m_iPMTVoltage = 650;
    p.m_iLampChangeMode = 1;
    p.m_bLampChangeWLMode = 1;
    p.m_dLampChangeWL = 325.0;
    p.m_iBaseline = 2;
    p.m_iResponse = 0;
    p.m_iD2Lamp = 0;
    p.m_iWILamp = 0;
    p.m_bRSReverse = 1;
    p.m_iDetZeroCorrect = 1;
    p.m_iNIRScanSpeed = 4;
    p.m_iNIRSlitMode = 1;
    p.m_dNIRSlitWidth = 12.0;
    p.m_iDetChangeCorrect = 0;
    p.m_dDetChangeWL = 1650.0;
    p.m_iLightControl = 0;
    p.m_bUVSpeedChange = 1;
    p.m_dSpeedChangeWL = 380.0;
    p.m_iUVScanSpeed = 6;
    p.m_sLengthUnit = "um";
    p.m_sSpeedUnit = "um/min";
    p.m_sWLUnit = "cm-1";
    p.m_bParamAvailable = {1, 1, 0, 0, 1, 2, 1, 1};
    p.m_sMethodParamName[0] = "Light Source";
    p.m_vsMethodParamValues[0] = {"D2", "WI", "D2+WI"};
    p.m_iMethodParamSetting = {2, 1, 0, 0, 0, 0, 1, 3};
    p.m_vsDataModeTexts = {"T%", "A"};
    p.m_vsScanSpeedTexts = {"Survey", "3000"};
    p.m_vsVariableSlitTexts = {"", "L2"};
    p.m_vsSlitTexts = {"1", "2"};
    p.m_vsPMTTexts = {"", "Servo"};
    p.m_vsLampChangeModeTexts = {"Auto", "Fixed"};
    p.m_vsBaselineTexts = {"None"};
    p.m_vsResponseTexts = {"0.1 s"};
    p.m_vsD2LampTexts = {"Dark"};
    p.m_vsWILampTexts = {"Dark"};
    p.m_vsDetZeroCorrectTexts = {"No", "Yes"};
    p.m_vsNIRScanSpeedTexts = {"600"};
    p.m_vsNIRSlitTexts = {"", "Servo"};
    p.m_vsDetChangeCorrectTexts = {"No", "Yes"};
    p.m_vsLightControlTexts = {"Manual"};
    p.m_vsUVScanSpeedTexts = {"60"};
}

}  // namespace

TEST(Paramkit, CopyOfInstrumentParametersCarriesEveryConditionAndText) {
    CUVInstrParameters filled;
    vFillEveryCondition(filled);
    ASSERT_FALSE(filled == CUVInstrParameters());

    const std::unique_ptr<CUVInstrParameters> copy(filled.pCopy());
    EXPECT_TRUE(*copy == filled);
    EXPECT_EQ(copy->m_sParamVersion, "5.2");
    EXPECT_EQ(copy->m_sSpeedUnit, "um/min");
    EXPECT_EQ(copy->GetMehodParamName(0, -1), "Light Source");
    EXPECT_EQ(copy->GetValidParamValue(0, 0), "D2+WI");  // setting 2 of {D2, WI, D2+WI}
    EXPECT_EQ(copy->GetScanSpeedText(0), "Survey");
    EXPECT_EQ(copy->GetLampChangeModeText(-1), "Fixed");  // own mode 1
}

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

TEST(Paramkit, UnsetSamplingIntervalFollowsTheDataInterval) {
    CUVInstrParameters params;
    params.m_dDataInterval = 0.5;
    params.m_dSamplingInterval = 0.0;
    params.vUpdateSamplingInterval();
    EXPECT_EQ(params.m_dSamplingInterval, 0.5);
    EXPECT_EQ(params.GetDataIntervalText(), "0.5 nm");

    params.m_dSamplingInterval = 2.0;
    params.vUpdateSamplingInterval();
    EXPECT_EQ(params.m_dSamplingInterval, 2.0);
}

TEST(Paramkit, AccuracyResultGivesBackWhatTheHostFilled) {
    auto* accuracy = new CPhotAccuracyResult;
    accuracy->vSetTitles({"Sample", "440.0nm", "Lot"});
    accuracy->vSetDiffTitle("Difference");
    accuracy->vSetValueText(3, 1, "0.5012");
    accuracy->vSetLotResultText(3, "Pass");
    accuracy->vSetRatedText(0, 1, "0.5000");
    accuracy->vSetDiffText(0, 1, "0.0012");
    accuracy->vSetScopeText(0, 1, "+/-0.004");
    accuracy->vSetScopeText(0, "+/-0.002");
    accuracy->vSetResultText("Pass");
    accuracy->vSetResultTitle("Photometric accuracy");

    const std::unique_ptr<CGLPResult> owned(accuracy);
    ASSERT_EQ(owned->m_iResultType, 9);
    const auto& result = static_cast<const CPhotAccuracyResult&>(*owned);
    EXPECT_EQ(result.iGetNumbTitle(), 3);
    EXPECT_EQ(result.sGetTitle(1), "440.0nm");
    EXPECT_EQ(result.sGetTitle(3), "");
    EXPECT_EQ(result.sGetDiffTitle(), "Difference");
    EXPECT_EQ(result.sGetScopeTitle(), "");
    EXPECT_EQ(result.sGetValueText(3, 1), "0.5012");
    EXPECT_EQ(result.sGetValueText(1, 3), "");
    EXPECT_EQ(result.sGetLotResultText(3), "Pass");
    EXPECT_EQ(result.sGetDiffText(0, 1), "0.0012");
    EXPECT_EQ(result.sGetDiffText(1, 1), "");  // the view's end of the standards at a wavelength
    EXPECT_EQ(result.sGetScopeText(0, 1), "+/-0.004");
    EXPECT_EQ(result.sGetScopeText(0), "+/-0.002");
    EXPECT_EQ(owned->sGetResultTitle(), "Photometric accuracy");
    EXPECT_EQ(owned->sGetResultText(), "Pass");
}

TEST(Paramkit, ReproducibilityAndCombinedResultsGiveBackWhatTheHostFilled) {
    CPhotReproducibilityResult repro;
    EXPECT_EQ(repro.m_iResultType, 10);
    repro.vSetTitles({"Repeat", "Abs"});
    repro.vSetValueText(2, "1.0003");
    repro.vSetResultValue(0, "0.0004");
    EXPECT_EQ(repro.iGetNumbTitle(), 2);
    EXPECT_EQ(repro.sGetValueText(2), "1.0003");
    EXPECT_EQ(repro.sGetValueText(3), "");
    EXPECT_EQ(repro.sGetResultValue(0), "0.0004");

    CPhotAccuracyJPResult combined;
    EXPECT_EQ(combined.m_iResultType, 29);
    combined.m_iReproRowsPerWave = 3;
    combined.vSetDataTitles(0, {"No.", "257nm", "350nm"});
    combined.vSetAccuracyTitle(9, 0, 0, "Accuracy");
    combined.vSetReproducibilityText(0, 1, -1, 0, "Repeat");
    combined.vSetReproducibilityText(4, 1, 0, 0, "0.7481");
    combined.vSetReproducibilityResultText(-1, "Pass");
    EXPECT_EQ(combined.iGetNumbTitle(0), 3);
    EXPECT_EQ(combined.iGetNumbTitle(1), 0);
    EXPECT_EQ(combined.sGeDataTitle(2, 0), "350nm");
    EXPECT_EQ(combined.sGetAccuracyTitle(9, 0, 0), "Accuracy");
    EXPECT_EQ(combined.sGetAccuracyTitle(9, 0, 1), "");
    EXPECT_EQ(combined.sGetReproducibilityText(0, 1, -1, 0), "Repeat");
    EXPECT_EQ(combined.sGetReproducibilityText(4, 1, 0, 0), "0.7481");
    EXPECT_EQ(combined.sGetReproducibilityText(4, 1, 1, 0), "");
    EXPECT_EQ(combined.sGetReproducibilityResultText(-1), "Pass");
    EXPECT_EQ(combined.sGetAverageText(0), "");

    EXPECT_EQ(CGLPResult().m_iResultType, 0);
}
