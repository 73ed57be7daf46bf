#include <climits>

#include "ViewsTestSupport.h"
#include "calibration/MeasuredStandards.h"

using namespace photoquant;

TEST(StandardList, SingleReplicatesCarryLabelsAndCalibrationResultsOnEveryRow) {
    const auto doc = pMeasuredStandards({{1.0, {0.1}}, {2.0, {0.2}}, {3.0, {0.4}}}, 1);
    doc->pdGetWave()[0] = 450.0;
    doc->vSetSampName("STD-A", 0);
    doc->vSetConcPrecision(3);
    doc->vSetXPrecision(3);
    vCalibrateAs(*doc, 1, 0);
    CPlaced<CUVStandardList> placed(*doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Std No. / Name", "Abs(450.0)", "Conc(%)", "diff", "RD", "t"}));
    // 6 pixels a character: 84 + 84/2; then each text + 42; results as wide as "1111.111"
    EXPECT_EQ(Widths(list), (std::vector<int>{126, 102, 84, 90, 90, 90}));
    EXPECT_EQ(list.GetColumnFormat(5), LVCFMT_LEFT);
    // conc = 0.5 + 6.428571 y: differences 1/7, -3/14, 1/14; mean reading 7/30; SD sqrt(1/28)
    EXPECT_EQ(Rows(list),
              (std::vector<Texts>{{"1 STD-A", "0.1000", "1.000", "0.143", "61.2245", "0.755929"},
                                  {"2 ", "0.2000", "2.000", "-0.214", "-91.8367", "-1.13389"},
                                  {"3 ", "0.4000", "3.000", "0.071", "30.6122", "0.377964"}}));
}

TEST(StandardList, ReplicatesLabelTheFirstRowAndResultsStandOnTheLastOfAMeasuredStandard) {
    const double kSkip = std::nan("");
    const std::string kBlanks(12, ' ');
    auto doc = pMeasuredStandards(
        {{1.0, {0.1, 0.1, kSkip}}, {2.0, {0.2, 0.2, 0.2}}, {5.0, {kSkip, kSkip, kSkip}}}, 1);
    doc->vChangeConcVal(kNoValue, 2);
    CPlaced<CUVStandardList> placed(*doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list)[1], "Repl No.");
    EXPECT_EQ(Widths(list), (std::vector<int>{126, 72, 90, 84, 78, 78, 78}));  // "1111.1" + 42
    ASSERT_EQ(list.GetItemCount(), 9);
    EXPECT_EQ(Row(list, 0), (Texts{"1 ", "1", "0.1000", "1.0", "", "", ""}));
    // before a calibration the results have no value: their cells stay empty
    EXPECT_EQ(Row(list, 2), (Texts{kBlanks, "3", "", "1.0", "", "", ""}));
    EXPECT_EQ(Row(list, 6), (Texts{"3 ", "1", "", "*****", "", "", ""}));

    vCalibrateAs(*doc, 4, 0);  // one segment through both means: no differences
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Row(list, 1), (Texts{kBlanks, "2", "0.1000", "1.0", "", "", ""}));
    EXPECT_EQ(Row(list, 2), (Texts{kBlanks, "3", "", "1.0", "0.0", "0", "0"}));
    EXPECT_EQ(Row(list, 8), (Texts{kBlanks, "3", "", "*****", "", "", ""}));
}

TEST(StandardList, TwoWavelengthsAddTheCorrectedReadingAndTypedValuesShowOnlyThere) {
    CUVStandardData doc(0, 2, 1, 2, 2);
    doc.pdGetWave()[0] = 500.0;
    doc.pdGetWave()[1] = 600.0;
    iFeedPoint(doc, {0.5, 0.2});
    iFeedPoint(doc, {0.3, 0.1});
    const CDoublePt typed(0.0, 0.7);
    doc.iMChangeValues(&typed, 1);
    CPlaced<CUVStandardList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Std No. / Name", "Abs(500.0)", "Abs(600.0)", "Abs corr",
                                    "Conc(%)", "diff", "RD", "t"}));
    EXPECT_EQ(Row(list, 0)[3], "-0.3000");  // 0.2 - 0.5
    EXPECT_EQ(Row(list, 1), (Texts{"2 ", "", "", "0.7000", "0.0", "", "", ""}));

    placed.view.vUpdateDisplay(1,
                               0);  // the single-row update shows the stored readings as they are
    EXPECT_EQ(Row(list, 1), (Texts{"2 ", "0.3000", "0.1000", "0.7000", "0.0", "", "", ""}));
    placed.view.vUpdateDisplay(5, 0);  // no such row
    EXPECT_EQ(list.GetItemCount(), 2);
}

TEST(StandardList, PeakHeightShowsOneValueColumn) {
    CUVStandardData doc(2, 1, 1, 1, 1);
    vFeed(doc, {0.0});
    const CDoublePt typed(0.0, 0.1234);
    doc.iMChangeValues(&typed, 0);
    CPlaced<CUVStandardList> placed(doc);
    EXPECT_EQ(Headers(placed.List())[1], "Peak Height");
    EXPECT_EQ(Widths(placed.List())[1], 108);  // 66 + 42
    EXPECT_EQ(Row(placed.List(), 0)[1], "0.1234");
}

TEST(StandardList, RowUpdateWithASampleNearTheIntLimitChangesNoRow) {
    CUVStandardData standards(0, 2, 2, 1, 1);
    CPlaced<CUVStandardList> standardList(standards);
    standardList.view.vUpdateDisplay(INT_MAX, 1);
    EXPECT_EQ(standardList.List().GetItemCount(), 4);
}
