#include "ViewsTestSupport.h"
#include "calibration/MeasuredStandards.h"

using namespace photoquant;

TEST(StandardCalibList, PolynomialsListTheirCurveAndOtherTypesOnlyTypeAndForceZero) {
    const auto doc = pMeasuredStandards({{1.0, {0.1}}, {2.0, {0.2}}, {3.0, {0.4}}}, 1);
    CPlaced<CStandardCalibList> placed(*doc);
    CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Parameter", "Value"}));
    EXPECT_EQ(Widths(list), (std::vector<int>{150, 151}));  // 301 / 2, and the rest
    EXPECT_EQ(placed.view.GetStyle() & 0x8005u, 0x8005u);   // report, single selection, no sort
    EXPECT_EQ(Column(list, 1), (Texts{"1st order", "No", "", "", "", ""}));  // not calibrated

    vCalibrateAs(*doc, 1, 0);
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 0),
              (Texts{"Calibration type", "Force through zero", "A 0", "A 1", "R", "R2"}));
    // conc = 0.5 + 6.428571 y; residual squares 1/14 of a spread of 2: R2 = 1 - 1/28
    EXPECT_EQ(Column(list, 1),
              (Texts{"1st order", "No", "0.5", "6.42857", "0.981981", "0.964286"}));

    doc->vSetCalibType(3);  // not recalibrated: the straight line's unused coefficients
    doc->pGetCalibList()->GetAt(0)->m_dCoeff[3] = kNoValue;
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 0, 4), (Texts{"A 2", "A 3", "R", "R2"}));
    EXPECT_EQ(Column(list, 1, 4), (Texts{"0", "*****", "0.981981", "0.964286"}));

    vCalibrateAs(*doc, 4, 1);
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 1), (Texts{"Segmented", "Yes"}));
    doc->vSetCalibType(0);
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 1), (Texts{"", "Yes"}));
}

TEST(UnknownCalibList, ManualCurveListsItsCoefficientsAndRatioItsSettings) {
    CUVUnknownData doc(0, 1, 1, 2, 2);
    vUseManualLine(doc, 0.5, 1.25);
    doc.vSetManualCalibOrder(2);
    doc.vSetCoeff(2, -0.03125);  // kept as -0.0313, half away from zero
    CPlaced<CUnknownCalibList> placed(doc);
    CListCtrl& list = placed.List();
    EXPECT_EQ(Column(list, 0),
              (Texts{"Calibration type", "Manual calibration", "A 0", "A 1", "A 2"}));
    EXPECT_EQ(Column(list, 1), (Texts{"2nd order", "Yes", "0.5000", "1.2500", "-0.0313"}));
    doc.vSetManualCalibOrder(5);  // no such order: no type, no coefficient past the cubic's
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 1), (Texts{"", "Yes", "0.5000", "1.2500", "-0.0313", "0.0000"}));
    doc.vSetManualCalib(0);
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(list.GetItemCount(), 0);

    doc.vSetResultType(2);
    doc.vSetKFactor(1, 2.5);
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Column(list, 0),
              (Texts{"Subtract background", "K-Factor 0", "K-Factor 1", "K-Factor 2", "Operand"}));
    EXPECT_EQ(Column(list, 1), (Texts{"No", "1.0000", "2.5000", "1.0000", "Times"}));
}
