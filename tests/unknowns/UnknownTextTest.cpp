#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "UnknownsTestSupport.h"

using namespace photoquant;

namespace {

std::string sFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string sTempPath(const char* name) {
    return ::testing::TempDir() + name;
}

}  // namespace

TEST(UnknownText, RatioSettingsNameTheBackgroundKFactorsAndOperand) {
    CUVUnknownData three(0, 1, 1, 3, 3);
    three.vSetResultType(2);
    EXPECT_EQ(three.GetCalibrationData(),
              "Subtract background:\tYes\nK-Factor 0:\t1.0000\nK-Factor 1:\t1.0000\n"
              "K-Factor 2:\t1.0000\nOperand:\tTimes\n");
    CUVUnknownData two(0, 1, 1, 2, 2);
    two.vSetResultType(2);
    two.vSetKFactor(1, kNoValue);
    two.vSetRatioOperand(0);
    EXPECT_EQ(two.GetCalibrationData(),
              "Subtract background:\tNo\nK-Factor 0:\t1.0000\nK-Factor 1:\t*****\n"
              "K-Factor 2:\t1.0000\nOperand:\tPlus\n");
}

TEST(UnknownText, ManualCalibrationInBothNumberForms) {
    CUVUnknownData doc(0, 1, 1, 1, 1);
    vUseManualLine(doc, 0.0, 1.5);
    doc.vSetXPrecision(1);
    const std::string limits =
        "Lower Concentration Limit (%) :\t0.0\nUpper Concentration Limit (%) :\t1000000000.0\n";
    EXPECT_EQ(doc.GetCalibrationData(),
              "Calibration type:\t1st order\nManual calibration:\tYes\nA0:\t0.0000\nA1:\t1.5000\n" +
                  limits);
    const std::string path = sTempPath("unknowns_manual.txt");
    doc.vGetCalibrationData(path);
    EXPECT_EQ(sFileText(path),
              "Calibration type:\t1st order\nManual calibration:\tYes\nA0:\t0\n"
              "A1:\t1.5\n" +
                  limits + std::string(1, '\0'));

    doc.vSetManualCalibOrder(3);
    doc.pGetCalibSeg()->m_dCoeff[2] = kNoValue;
    doc.pGetCalibSeg()->m_dCoeff[3] = 1.23456e-5;  // typed past the setter's rounding
    const std::string coefficients = "A0:\t0.0000\nA1:\t1.5000\nA2:\t*****\nA3:\t0.0000\n";
    EXPECT_EQ(doc.GetCalibrationData(),
              "Calibration type:\t3rd order\nManual calibration:\tYes\n" + coefficients + limits);
    doc.vGetCalibrationData(path);
    EXPECT_NE(sFileText(path).find("A2:\t*****\nA3:\t1.235e-05\n"), std::string::npos);
    std::remove(path.c_str());
}

TEST(UnknownText, NoSettingsGiveNoLinesAndAFileOfOneZeroByte) {
    CUVUnknownData doc(0, 1, 1, 1, 1);
    doc.vSetResultType(1);  // concentration from the standards: nothing of the document's own
    EXPECT_EQ(doc.GetCalibrationData(), "");
    const std::string path = sTempPath("unknowns_empty.txt");
    doc.vGetCalibrationData(path);
    EXPECT_EQ(sFileText(path), std::string(1, '\0'));
    std::remove(path.c_str());
    const std::string unreachable = sTempPath("no-such-folder/unknowns.txt");
    doc.vGetCalibrationData(unreachable);
    EXPECT_FALSE(std::ifstream(unreachable).good());
}

TEST(UnknownText, SampleLabelsPadTheNumberToSixCharacters) {
    CUVUnknownData doc(0, 5, 1, 1, 1);
    const int numbers[5] = {1, 0, -3, 12345, 123456};
    for (int s = 0; s < 5; ++s) {
        doc.vSetSampleNo(s, numbers[s]);
        doc.vSetUnkSampName("Name", s);
        doc.vSetSampName("Gen", s);
    }
    EXPECT_EQ(doc.sGetUnkSampNoName(0), "1     Name");
    EXPECT_EQ(doc.sGetUnkSampNoName(1), "BLK   Name");
    EXPECT_EQ(doc.sGetUnkSampNoName(2), "3     Name");
    EXPECT_EQ(doc.sGetUnkSampNoName(3), "12345 Name");
    EXPECT_EQ(doc.sGetUnkSampNoName(4), "123456Name");
    EXPECT_EQ(doc.sGetUnkSampName(1), "BLK Gen");
    EXPECT_EQ(doc.sGetUnkSampName(2), "3 Gen");
    EXPECT_EQ(doc.sGetUnkSampNoName(5), "");
}
