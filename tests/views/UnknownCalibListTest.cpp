#include <string>
#include <vector>

#include "ViewsTestSupport.h"

using Texts = std::vector<std::string>;

TEST(UnknownCalibList, ManualCurveListsItsCoefficientsAndRatioItsSettings) {
    CUVUnknownData doc(0, 1, 1, 2, 2);
    doc.vSetResultType(1);
    doc.vSetManualCalib(1);
    doc.vSetManualCalibOrder(2);
    doc.vSetCoeff(0, 0.5);
    doc.vSetCoeff(1, 1.25);
    doc.vSetCoeff(2, -0.03125);  // kept as -0.0313, half away from zero
    CHostView host;
    CUnknownCalibList view;
    vPlace(view, doc, host);
    const CListCtrl& list = view.GetListCtrl();
    auto Rows = [&] {
        std::vector<Texts> rows;
        for (int i = 0; i < list.GetItemCount(); ++i) {
            rows.push_back(Row(list, i));
        }
        return rows;
    };
    EXPECT_EQ(Widths(list), (std::vector<int>{150, 151}));
    EXPECT_EQ(Rows(), (std::vector<Texts>{{"Calibration type", "2nd order"},
                                          {"Manual calibration", "Yes"},
                                          {"A 0", "0.5000"},
                                          {"A 1", "1.2500"},
                                          {"A 2", "-0.0313"}}));
    doc.vSetManualCalibOrder(5);  // no such order: no type, and no coefficient past the cubic's
    view.OnUpdate(nullptr, 0, nullptr);
    ASSERT_EQ(list.GetItemCount(), 6);
    EXPECT_EQ(Row(list, 0), (Texts{"Calibration type", ""}));
    EXPECT_EQ(Row(list, 5), (Texts{"A 3", "0.0000"}));

    doc.vSetManualCalib(0);
    view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(list.GetItemCount(), 0);

    doc.vSetResultType(2);
    doc.vSetKFactor(1, 2.5);
    view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Rows(), (std::vector<Texts>{{"Subtract background", "No"},
                                          {"K-Factor 0", "1.0000"},
                                          {"K-Factor 1", "2.5000"},
                                          {"K-Factor 2", "1.0000"},
                                          {"Operand", "Times"}}));
}
