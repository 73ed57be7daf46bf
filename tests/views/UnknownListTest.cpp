#include <climits>

#include "ViewsTestSupport.h"

namespace {

const std::string kBlanks(12, ' ');

}  // namespace

TEST(UnknownList, BlankShowsOneRowAndReplicatesCondenseOnTheLastRow) {
    CUVUnknownData doc(0, 4, 3, 1, 1);
    doc.pdGetWave()[0] = 500.0;
    const char* names[] = {"blank", "s1", "s2", "s3"};
    for (int s = 0; s < 4; ++s) {
        doc.vSetSampName(names[s], s);
    }
    doc.vSetSampleNo(0, 0);
    doc.vSetConcPrecision(3);
    doc.vSetStatisticalMode(1);
    vUseManualLine(doc, 0.0, 1.0);  // conc = reading
    vFeed(doc, {0.05, 0.05, 0.05, 0.10, 0.12, 0.14, 0.1, -0.1, 0.0, 0.2});
    doc.vSkipData();
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Samp No. / Name", "Repl No.", "Abs(500.0)", "Conc(%)",
                                    "Avg Conc [SD][CV] (%)"}));
    // 90 + 45; 48 + 24; the rest their text + 45
    EXPECT_EQ(Widths(list), (std::vector<int>{135, 72, 105, 87, 171}));
    ASSERT_EQ(list.GetItemCount(), 10);  // the blank's two later replicates have no row
    EXPECT_EQ(Row(list, 0), (Texts{"BLK blank", "1", "0.0500", "0.050", ""}));
    EXPECT_EQ(Row(list, 1), (Texts{"1 s1", "1", "0.1000", "0.100", ""}));
    // mean 0.12, SD sqrt((0.044 - 0.36^2/3) / 2) = 0.02, CV 0.02 / 0.12
    EXPECT_EQ(Row(list, 3), (Texts{kBlanks, "3", "0.1400", "0.140", "0.120 [0.02][16.6667]"}));
    // mean 0: SD sqrt(0.02 / 2), no CV
    EXPECT_EQ(Row(list, 6), (Texts{kBlanks, "3", "0.0000", "0.000", "0.000 [0.1][*****]"}));
    EXPECT_EQ(Row(list, 7)[0], "3 s3");
    EXPECT_EQ(list.GetItemData(7), 9u);  // rows keep their data index
    // s3 had no reading when s2 closed its statistics: a mean of 0 without SD
    EXPECT_EQ(Row(list, 9), (Texts{kBlanks, "3", "", "", "0.000 [*****][*****]"}));

    // the last reading arrives: row 11 - 2 blank replicates
    vFeed(doc, {0.3});
    placed.view.vUpdateDisplay(3, 2, 0, 1);
    // mean 0.25, SD sqrt(0.005), CV of 0.07071 (5 decimals) and 0.25
    EXPECT_EQ(Row(list, 9), (Texts{kBlanks, "3", "0.3000", "0.300", "0.250 [0.0707107][28.284]"}));
    placed.view.vUpdateDisplay(3, 2, 0, -5);  // row 21 does not exist
    EXPECT_EQ(list.GetItemCount(), 10);
}

TEST(UnknownList, SingleReadingsAreFlaggedAgainstTheLimitsButBlanksNever) {
    CUVUnknownData doc(0, 3, 1, 1, 1);
    doc.vSetSampleNo(0, 0);
    doc.vSetConcPrecision(3);
    doc.vSetLoLimit(1.0);
    doc.vSetHiLimit(10.0);
    doc.vSetStatisticalMode(1);
    vUseManualLine(doc, 0.0, 1.0);  // conc = reading
    vFeed(doc, {12.345, 12.345, 0.5});
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Row(list, 0), (Texts{"BLK ", "12.3450", "12.345", ""}));
    // one reading per sample: no SD
    EXPECT_EQ(Row(list, 1), (Texts{"1 ", "12.3450", "12.345 HIGH", "12.345 [*****][*****] HIGH"}));
    EXPECT_EQ(Row(list, 2), (Texts{"2 ", "0.5000", "0.500 LOW", "0.500 [*****][*****] LOW"}));

    doc.vSetCoeff(1, 1e9);  // 12.345e9 is beyond what a cell shows
    doc.vCalcConc();
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(Row(list, 1), (Texts{"1 ", "12.3450", "*****", "***** [*****][*****]"}));
}

TEST(UnknownList, RatiosShowTheirMeanWithTheReadingsSignificantDigits) {
    CUVUnknownData doc(0, 1, 2, 2, 2);
    doc.pdGetWave()[0] = 500.0;
    doc.pdGetWave()[1] = 600.0;
    doc.vSetResultType(2);
    doc.vSetStatisticalMode(1);
    iFeedPoint(doc, {2.0, 1.0});
    iFeedPoint(doc, {2.25, 1.0});
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Samp No. / Name", "Repl No.", "Abs(500.0)", "Abs(600.0)",
                                    "Ratio", "Avg Ratio [SD][CV] (%)"}));
    EXPECT_EQ(Row(list, 0), (Texts{"1 ", "1", "2.0000", "1.0000", "2", ""}));
    // ratios 2 and 2.25: mean 2.125 shown as 2.1 (1 decimal), SD sqrt(0.03125), CV 8.3189 %
    EXPECT_EQ(Row(list, 1),
              (Texts{kBlanks, "2", "2.2500", "1.0000", "2.25", "2.1 [0.176777][8.3189]"}));
    placed.view.vUpdateDisplay(0, 1, 0, 0);  // five significant digits, unrounded
    EXPECT_EQ(Row(list, 1)[5], "2.125 [0.176777][8.3189]");
}

TEST(UnknownList, WithoutReplicateRowsTheDocumentLabelsOneRowPerSample) {
    CUVUnknownData doc(0, 2, 1, 1, 1);
    doc.pdGetWave()[0] = 500.0;
    auto* pInst = new CUVInstrParameters;
    pInst->m_bReplRowFlag = 0;
    pInst->m_iWaveDecimals = 2;
    doc.vSetInstParam(pInst);
    doc.vSetSampleNo(1, 0);
    doc.vSetUnkSampName("A", 0);
    doc.vSetUnkSampName("B", 1);
    vFeed(doc, {0.1, 0.2});
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Samp No. / Name", "Abs(500.00)"}));
    EXPECT_EQ(Row(list, 0), (Texts{"1     A", "0.1000"}));
    EXPECT_EQ(Row(list, 1), (Texts{"BLK   B", "0.2000"}));

    placed.view.vUpdateDisplay(1, 0, 1, 0);  // a new row for sample 1 before the old one
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(Row(list, 1), (Texts{"BLK   B", "0.2000"}));
    EXPECT_EQ(list.GetItemData(1), 1u);
}

TEST(UnknownList, StagePositionsAreFollowedByTheirStatisticsRows) {
    // Sample 0 reads 1, 2, 3; sample 1 reads 4 and 6, its third position unmeasured.
    auto* pdRaw = new double[6]{0.1, 0.01, 0.001, 1e-4, 1e-6, 1e-9};
    CUVUnknownData doc(0, 2, 3, 1, 1, 1, pdRaw, new double[1]{500.0}, new int[6]{1, 1, 1, 1, 1, 0},
                       new int[2]{1, 2});
    double x[3] = {0.0, 1.0, 2.0};
    double y[3] = {5.0, 5.0, 5.0};
    CPhotParamsObj stage{.m_iNumCoord = 3, .m_pdCoordX = x, .m_pdCoordY = y};
    doc.vSetCoordArray(&stage);
    doc.vCalculateDistribution();
    CHostView host;
    CUVUnknownList view;
    view.vSetMeasResult(1);
    vPlace(view, doc, host);
    const CListCtrl& list = view.GetListCtrl();
    EXPECT_EQ(Headers(list),
              (Texts{"Samp No. / Name", "X coordinate", "Y coordinate", "Abs(500.0)"}));
    // 72 + 36; "Max" 18 + 9; then 60 + 9
    EXPECT_EQ(Widths(list), (std::vector<int>{135, 108, 27, 69}));
    EXPECT_EQ(list.GetColumnFormat(1) + list.GetColumnFormat(2), 2 * LVCFMT_RIGHT);
    ASSERT_EQ(list.GetItemCount(), 16);
    EXPECT_EQ(Row(list, 1), (Texts{kBlanks, "1.0", "5.0", "2.0000"}));
    EXPECT_EQ(Column(list, 2, 3, 8), (Texts{"Average", "Max", "Min", "Range", "3 sigma"}));
    // 1, 2, 3: average 2, range 2, 3 sigma 3 sqrt(2/3)
    EXPECT_EQ(Column(list, 3, 3, 8), (Texts{"2.0000", "3.0000", "1.0000", "2.0000", "2.4495"}));
    EXPECT_EQ(Row(list, 8), (Texts{"2 ", "0.0", "5.0", "4.0000"}));
    EXPECT_EQ(Row(list, 10), (Texts{kBlanks, "2.0", "5.0", ""}));
    EXPECT_EQ(list.GetItemText(15, 3), "3.0000");  // 4 and 6: SD 1
    // A position update finds its row below the statistics rows of the samples before it.
    doc.pdGetRawData()[3] = 1e-5;
    view.vUpdateXYDisplay(1, 0);
    EXPECT_EQ(list.GetItemText(8, 3), "5.0000");
    EXPECT_EQ(list.GetItemText(3, 3), "2.0000");

    CXYStageParam::vSetCalcSampunit(1);
    view.OnUpdate(nullptr, 0, nullptr);
    CXYStageParam::vSetCalcSampunit(0);
    ASSERT_EQ(list.GetItemCount(), 11);
    // pooled 1, 2, 3, 4, 6: mean 3.2, squares 14.8 over 5, 3 sigma 3 sqrt(2.96)
    EXPECT_EQ(Column(list, 3, 6, 11), (Texts{"3.2000", "6.0000", "1.0000", "5.0000", "5.1614"}));

    view.vSetMeasResult(0);
    view.vSetXYStageControl(1);
    view.OnUpdate(nullptr, 0, nullptr);
    ASSERT_EQ(list.GetItemCount(), 6);
    doc.vSetMeasured(5, 1);
    view.vUpdateXYDisplay(1, 2);
    EXPECT_EQ(Row(list, 5)[3], "9.0000");
    view.vUpdateXYDisplay(7, 0);
    EXPECT_EQ(list.GetItemCount(), 6);
}

TEST(UnknownList, PeakAreaShowsThePeakValueInOneColumn) {
    CUVUnknownData doc(1, 1, 1, 1, 1);
    vUseManualLine(doc, 0.0, 1.0);  // conc = reading
    vFeed(doc, {0.0});
    const CDoublePt typed(0.0, 0.5);
    doc.iMChangeValues(&typed, 0);
    doc.vCalcConc();
    CPlaced<CUVUnknownList> placed(doc);
    EXPECT_EQ(Headers(placed.List()), (Texts{"Samp No. / Name", "Peak Area", "Conc(%)"}));
    EXPECT_EQ(Row(placed.List(), 0), (Texts{"1 ", "0.5000", "0.5"}));
}

TEST(UnknownList, SingleRowUpdatesRewriteTheRowOfTheirPointOrNone) {
    // A blank (its second replicate has no row), then sample 1 on rows 1 and 2.
    CUVUnknownData doc(0, 2, 2, 1, 1);
    doc.vSetSampleNo(0, 0);
    auto* pResult = new CPhotReproducibilityResult;
    pResult->vSetTitles({"No.", "Repl", "Abs"});
    pResult->vSetValueText(0, "first");
    pResult->vSetValueText(1, "second");
    doc.vSetGLPResult(pResult);
    vFeed(doc, {0.5, 0.5, 0.5, 0.5});
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    const std::vector<Texts> before = Rows(list);
    placed.view.vUpdateXYDisplay(9, 0);      // the document has no positions
    placed.view.vUpdateDisplay(0, 1, 0, 0);  // the blank's second replicate has no row
    placed.view.vUpdateGLPDisplay(1, 2, 0);  // nor has a third replicate
    EXPECT_EQ(Rows(list), before);
    pResult->vSetValueText(0, "again");
    placed.view.vUpdateGLPDisplay(1, 0, 0);  // point 2, shown on row 1
    EXPECT_EQ(Column(list, 2, 0, 3), (Texts{"first", "again", "second"}));
}

TEST(UnknownList, ReadingsWithoutValueLeaveTheirCellEmpty) {
    // Two method wavelengths, one reading a point: the second has no reading to show.
    CUVUnknownData doc(0, 1, 1, 1, 2);
    vFeed(doc, {0.5});
    CPlaced<CUVUnknownList> placed(doc);
    EXPECT_EQ(Row(placed.List(), 0), (Texts{"1 ", "0.5000", ""}));
}

TEST(UnknownList, RowUpdatesWithIndicesNearTheIntLimitChangeNoRow) {
    // Sample times replicates, and the rows of the blanks before a sample, overflowed an int.
    CUVUnknownData doc(0, 2, 4, 1, 1);
    vFeed(doc, {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8});
    CPlaced<CUVUnknownList> placed(doc);
    const Texts before = Row(placed.List(), 5);
    placed.view.vUpdateDisplay(INT_MAX / 2, 1, 0, 0);
    placed.view.vUpdateDisplay(1, 1, 0, INT_MIN);
    placed.view.vUpdateXYDisplay(INT_MAX, 0);
    placed.view.vUpdateGLPDisplay(INT_MAX, 0, 0);
    placed.view.vUpdateDisplay(-2, INT_MAX, 1, 0);  // no row is inserted for it either
    EXPECT_EQ(placed.List().GetItemCount(), 8);
    EXPECT_EQ(Row(placed.List(), 5), before);
}
