#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "HostHelpers.h"
#include "photoquant.h"

namespace {

// A document measured with a method of select type 5 on the connected instrument, compared again
// with that method: each test changes one condition on one side.
class Reflection : public ::testing::Test {
protected:
    Reflection() {
        theirs().m_iSelectType = 5;
        doc.vSetEmpty(&method, 1);
    }
    CUVInstrParameters& own() { return *doc.pGetInstParam(); }
    CUVInstrParameters& theirs() { return *method.pGetInstrParam(); }
    int iReflect() { return doc.bInstrParamReflect(&method, &instrument); }

    CUVMethod method;
    CUVInstrument instrument;
    CUVPhotometryData doc;
};

}  // namespace

TEST_F(Reflection, OldParameterVersionIsReportedBeforeAnyAccessoryCheck) {
    EXPECT_EQ(iReflect(), 0);
    own().m_sParamVersion = "3.5";
    theirs().m_iSamplingDevice = 1;
    EXPECT_EQ(iReflect(), 1);
    EXPECT_EQ(own().m_sParamVersion, "3");  // kept as its whole number
    theirs().m_iSelectType = 6;             // the model check still follows
    EXPECT_EQ(iReflect(), 2);
}

TEST_F(Reflection, ModelChecksDependOnTheSelectType) {
    doc.vSetInstModelType(2);
    instrument.m_iInstType = 3;
    EXPECT_EQ(iReflect(), 2);  // select types 5 to 9 compare the model type
    own().m_iSelectType = theirs().m_iSelectType = 11;
    EXPECT_EQ(iReflect(), 0);  // 11 compares nothing
    own().m_iSelectType = theirs().m_iSelectType = 10;
    EXPECT_EQ(iReflect(), 0);  // 10 compares the sub-type only
    own().m_iModelSubType = 1;
    EXPECT_EQ(iReflect(), 3);
    own().m_iSelectType = theirs().m_iSelectType = 13;
    EXPECT_EQ(iReflect(), 3);
    own().m_iSelectType = theirs().m_iSelectType = 12;
    EXPECT_EQ(iReflect(), 2);  // both differ: the model type wins
    instrument.m_iInstType = 2;
    EXPECT_EQ(iReflect(), 3);
    theirs().m_iSelectType = 13;
    EXPECT_EQ(iReflect(), 2);
}

TEST_F(Reflection, AccessoryChecksFollowTheDocumentsSamplingDevice) {
    own().m_iSamplingDevice = theirs().m_iSamplingDevice = 2;
    EXPECT_EQ(iReflect(), 0);
    theirs().m_iSamplingDevice = 1;
    EXPECT_EQ(iReflect(), 4);
    own().m_iSamplingDevice = 1;
    EXPECT_EQ(iReflect(), 0);
    method.pGetSipperParam()->m_iTemperature = 0;  // set on one side only
    EXPECT_EQ(iReflect(), 4);
    doc.pGetSipperParam()->m_iTemperature = 5;
    EXPECT_EQ(iReflect(), 0);
    own().m_iSamplingDevice = theirs().m_iSamplingDevice = 3;
    method.pGetMultiCellParam()->m_dTemperature = 25.0;
    EXPECT_EQ(iReflect(), 4);
    doc.pGetMultiCellParam()->m_dTemperature = 30.0;
    EXPECT_EQ(iReflect(), 0);
    own().m_iAccessoryOption = 1;
    EXPECT_EQ(iReflect(), 0);  // the option counts on select type 3 only
    own().m_iSelectType = theirs().m_iSelectType = 3;
    EXPECT_EQ(iReflect(), 4);
    own().m_iSamplingDevice = theirs().m_iSamplingDevice = 4;
    EXPECT_EQ(iReflect(), 0);
}

TEST_F(Reflection, TemperatureAndOptionPagesFollowTheDevice) {
    own().m_iSamplingDevice = 1;
    EXPECT_EQ(doc.bHasTemperature(-1), 0);  // sipper temperature -1: not set
    doc.pGetSipperParam()->m_iTemperature = 0;
    EXPECT_EQ(doc.bHasTemperature(-1), 1);
    EXPECT_EQ(doc.bHasOptionParam(1), 1);
    EXPECT_EQ(doc.bHasOptionParam(-1), 1);
    EXPECT_EQ(doc.bHasOptionParam(2), 0);
    own().m_iSamplingDevice = 3;
    doc.pGetMultiCellParam()->m_dTemperature = 25.0;
    EXPECT_EQ(doc.bHasTemperature(3), 1);  // select type 5 controls the cell temperature
    EXPECT_EQ(doc.bHasOptionParam(3), 1);
    EXPECT_EQ(doc.bHasOptionParam(-1), 1);
    own().m_iSelectType = 4;
    EXPECT_EQ(doc.bHasTemperature(3), 0);
    EXPECT_EQ(doc.bHasOptionParam(3), 0);
    EXPECT_EQ(doc.bHasOptionParam(-1), 0);
}

TEST_F(Reflection, MeasurementTypeNamesTheQuantitation) {
    const char* expected[] = {"Photometry, Wavelength", "Photometry, Peak area",
                              "Photometry, Peak height", "Photometry, Derivative",
                              "Photometry, Ratio"};
    for (int iQuantType = 0; iQuantType < 5; ++iQuantType) {
        doc.vSetQuantType(iQuantType);
        EXPECT_EQ(doc.sGetMeasType(), expected[iQuantType]);
    }
    doc.vSetQuantType(7);
    EXPECT_EQ(doc.sGetMeasType(), "Photometry");
    own().m_iMeasMode = 7;
    EXPECT_EQ(doc.sGetMeasType(), "Measure on In-plane Distribution");
}

TEST(ReflectionTexts, PathLengthCorrectionIsShownForAbsorbanceLikeModes) {
    CUVPhotometryData doc(0, 1, 1, 1, 1);
    EXPECT_EQ(doc.sGetPathLengthCorrect(), "On");
    doc.vSetPathLengthCorrect(0);
    EXPECT_EQ(doc.sGetPathLengthCorrect(), "Off");
    for (int mode : {5, 6}) {
        doc.iSetYMode(mode);
        EXPECT_EQ(doc.sGetPathLengthCorrect(), "On");  // whatever the flag
    }
    for (int mode : {0, 2, 3, 4}) {
        doc.iSetYMode(mode);
        EXPECT_EQ(doc.bIsPathLengthCorrect(), 0);
        EXPECT_EQ(doc.sGetPathLengthCorrect(), "");
        EXPECT_EQ(doc.bIsDspPathLength(), mode == 4 ? 0 : 1);
    }
}

TEST(ReflectionTransfer, CopiedCalibrationRebuildsEveryPointManualOnesIncluded) {
    std::vector<double> conc = {1.0, 2.0, 3.0};
    std::vector<int> measured(6, 1);
    std::vector<int> manual = {0, 0, 0, 1, 0, 0};
    std::vector<double> manualValue = {0.0, 0.0, 0.0, 0.01, 0.0, 0.0};
    std::vector<double> raw = {0.5, 0.5, 0.1, 0.9, 0.01, 1.0};
    CPhotParamsObj transfer{.m_iNumSamp = 3,
                            .m_iNumRep = 2,
                            .m_iNumMethodWave = 1,
                            .m_iNumRawData = 6,
                            .m_pdConc = conc.data(),
                            .m_pbMeasured = measured.data(),
                            .m_pbManual = manual.data(),
                            .m_pdManualValue = manualValue.data(),
                            .m_pdRawData = raw.data()};

    CUVPhotometryData doc(0, 1, 1, 1, 1);  // smaller than what it is given
    doc.iSetYMode(0);
    doc.vCopyCalibration(&transfer);
    EXPECT_EQ(doc.iGetNumActWave(), 1);  // 6 readings / (3 * 2)
    EXPECT_EQ(doc.iGetNumPts(), 6);
    EXPECT_EQ(doc.iGetYMode(), 1);
    EXPECT_EQ(doc.GetValue(3).x, 2.0);         // point 3 / R = sample 1
    EXPECT_DOUBLE_EQ(doc.GetValue(2).y, 1.0);  // log10(1 / 0.1)
    EXPECT_DOUBLE_EQ(doc.GetValue(3).y, 2.0);  // manual 0.01, not the reading 0.9
    EXPECT_DOUBLE_EQ(doc.GetValue(4).y, 2.0);  // log10(1 / 0.01)
    EXPECT_EQ(iAdd(doc, {0.5}), 0);            // complete

    transfer.m_iNumSamp = 2;  // shrink, then add a sample: it starts without readings
    transfer.m_iNumRep = 1;
    transfer.m_iNumRawData = 2;
    doc.vCopyCalibration(&transfer);
    doc.vAddSample(0);
    EXPECT_DOUBLE_EQ(doc.dGetAbs(2, 0, 0), 10.0);  // reading 0: the dark-reading absorbance

    std::vector<double> pair = {0.5, 0.25};
    transfer.m_iNumSamp = 1;
    transfer.m_iNumMethodWave = 2;
    transfer.m_iNumRawData = 0;  // no count: W = M
    transfer.m_pdRawData = pair.data();
    doc.vCopyCalibration(&transfer);
    EXPECT_EQ(doc.iGetNumActWave(), 2);
    EXPECT_DOUBLE_EQ(doc.GetValue(0).y, 0.301);  // log10 4 - log10 2

    transfer.m_iQuantType = 1;  // peak values come from the spectra later
    doc.vCopyCalibration(&transfer);
    EXPECT_EQ(doc.pdGetYData()[0], 0.0);

    // A negative count changes nothing, however many samples come with it.
    for (const auto& [iNumSamp, iNumRep] : {std::pair{134217729, INT_MIN}, std::pair{-1, 2}}) {
        transfer.m_iNumSamp = iNumSamp;
        transfer.m_iNumRep = iNumRep;
        doc.vCopyCalibration(&transfer);
        EXPECT_EQ(doc.iGetNumSamp(), 1);
        EXPECT_EQ(doc.iGetNumRep(), 1);
    }
}

TEST(ReflectionTransfer, StagePositionsMakeTheRoundTrip) {
    CUVMethod method;
    vSetUpMethod(method, 1, {500.0});
    method.pGetXYStageParam()->vSetCoordArray({{1, 2}, {3, 4}, {5, 6}});
    CUVPhotometryData doc;
    doc.vSetEmpty(&method, 1);
    CPhotParamsObj transfer;
    transfer.m_iNumCoord = 5;  // asks for more than the document holds
    doc.vGetCoordArray(&transfer);
    ASSERT_EQ(transfer.m_iNumCoord, 3);
    EXPECT_EQ(transfer.m_pdCoordX[2], 5.0);
    EXPECT_EQ(transfer.m_pdCoordY[1], 4.0);
    transfer.m_pdCoordX[0] = 10.0;
    doc.vSetCoordArray(&transfer);
    EXPECT_EQ(doc.GetCoordPt(0).x, 10.0);
    EXPECT_EQ(doc.GetCoordPt(0).y, 2.0);
    transfer.m_iNumCoord = 2;  // fewer than the document's three
    doc.vSetCoordArray(&transfer);
    EXPECT_EQ(doc.iGetNumCoord(), 3);
    EXPECT_EQ(doc.GetCoordPt(2).x, 0.0);
    delete[] transfer.m_pdCoordX;
    delete[] transfer.m_pdCoordY;
    transfer.m_iNumCoord = 2;
    doc.vGetCoordArray(&transfer);
    EXPECT_EQ(doc.iGetNumCoord(), 2);
    delete[] transfer.m_pdCoordX;
    delete[] transfer.m_pdCoordY;
}

TEST(ReflectionTransfer, ChangedConcentrationMovesOnlyThePointsAlreadyAdded) {
    CUVPhotometryData doc(0, 2, 2, 1, 1);
    iAdd(doc, {0.5});
    doc.vChangeConcVal(7.0, 0);
    EXPECT_EQ(doc.GetValue(0).x, 7.0);
    EXPECT_EQ(doc.pdGetXData()[1], 0.0);  // replicate 1 not added yet
    doc.vChangeConcVal(4.0, 1);
    EXPECT_EQ(doc.dGetConc(1), 4.0);
    EXPECT_EQ(doc.iGetNumPts(), 1);
    EXPECT_EQ(doc.pdGetXData()[2], 0.0);
}
