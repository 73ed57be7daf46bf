#include <gtest/gtest.h>

#include "UnknownsTestSupport.h"

// Two readings per point, as the instrument hands them over: the reference wavelength at
// absorbance 0.05 and the analytical one a higher, so that the point reads a.
TEST(UnknownEndToEnd, StandardsCalibrateAndUnknownsReadTheirConcentrationsFromTheList) {
    // Standards 1, 2, 3 read 0.1, 0.2, 0.3: a first-order fit of conc from reading gives 10 * y.
    CUVStandardData standards(0, 3, 1, 2, 2);
    standards.vSetCalibOpt(1);
    for (int s = 0; s < 3; ++s) {
        standards.vChangeConcVal(s + 1.0, s);
        iFeedPoint(standards, {0.05, 0.05 + 0.1 * (s + 1)});
    }
    standards.vCalibrate();
    const CCalibList* pList = standards.pGetCalibList();
    ASSERT_EQ(pList->GetSize(), 1);

    // A blank and one sample, three replicates each.
    CUVUnknownData unknowns(0, 2, 3, 2, 2);
    unknowns.vSetResultType(1);
    unknowns.vSetStatisticalMode(1);
    unknowns.vSetSampleNo(0, 0);
    unknowns.vSetConc0Data(standards.dGetBlkData());  // about 0: the curve passes the origin
    EXPECT_EQ(unknowns.bIsBlkOK(), 1);
    const double readings[6] = {0.02, 0.02, 0.02, 0.17, 0.19, 0.21};
    for (int p = 0; p < 6; ++p) {
        iFeedPoint(unknowns, {0.05, 0.05 + readings[p]});
        unknowns.vCalcConc(p / 3, p % 3, pList);
    }
    EXPECT_NEAR(unknowns.dGetBlkData(), 0.02, 1e-12);
    EXPECT_EQ(dPointConc(unknowns, 0), 0.0);
    EXPECT_NEAR(dPointConc(unknowns, 3), 1.5, 1e-9);  // 10 * (0.17 - 0.02)
    EXPECT_NEAR(dPointConc(unknowns, 5), 1.9, 1e-9);  // 10 * (0.21 - 0.02)
    EXPECT_EQ(unknowns.dGetConc(0), 0.0);
    EXPECT_EQ(unknowns.dGetSD(0), -1.0);
    EXPECT_NEAR(unknowns.dGetConc(1), 1.7, 1e-9);
    EXPECT_NEAR(unknowns.dGetMeanConc(1), 1.7, 1e-9);
    EXPECT_NEAR(unknowns.dGetSD(1), 0.2, 1e-9);  // deviations -0.2, 0, 0.2: sqrt(0.08 / 2)
    EXPECT_NEAR(CUVUnknownData::dCalcCV(unknowns.dGetMeanConc(1), unknowns.dGetSD(1)),
                0.2 / 1.7 * 100.0, 1e-6);
}
