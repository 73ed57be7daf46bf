#include "ViewsTestSupport.h"

TEST(ValidationView, AccuracyListsEachWavelengthsStandardsUntilOneHasNoDifference) {
    CUVUnknownData doc(0, 3, 1, 2, 2);
    auto* pResult = new CPhotAccuracyResult;
    pResult->vSetTitles({"Std", "A1", "A2", "Lot result", ""});
    pResult->vSetWaveTitle("WL");
    pResult->vSetRatedTitle("Rated value");
    pResult->vSetDiffTitle("Difference (Abs)");
    pResult->vSetScopeTitle("Allowed scope");
    pResult->vSetValueText(0, 0, "0.101");
    pResult->vSetValueText(0, 1, "0.202");
    pResult->vSetLotResultText(0, "OK");
    pResult->vSetValueText(1, 1, "0.250");
    pResult->vSetLotResultText(1, "NG");
    for (const auto& [s, w, diff] : {std::tuple{0, 0, "0.001"}, {1, 0, "0.002"}, {0, 1, "0.003"}}) {
        pResult->vSetDiffText(s, w, diff);
        pResult->vSetRatedText(s, w, "1.0");
        pResult->vSetScopeText(s, w, "0.01");
    }
    pResult->vSetWaveText(0, "440 nm");
    pResult->vSetWaveText(1, "546 nm");
    pResult->vSetResultTitle("Judgement");
    pResult->vSetResultText("Pass");
    doc.vSetGLPResult(pResult);
    iFeedPoint(doc, {0.1, 0.2});
    doc.vSkipData();
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Headers(list), (Texts{"Std", "A1", "A2", "Lot result", ""}));
    // the last two widths follow the wider difference (96) and scope (78) titles, times 1.5
    EXPECT_EQ(Widths(list), (std::vector<int>{27, 18, 18, 144, 117}));
    EXPECT_EQ(Row(list, 0), (Texts{"1 ", "0.101", "0.202", "OK", ""}));
    EXPECT_EQ(Row(list, 1), (Texts{"2 ", "", "", "", ""}));
    EXPECT_EQ(list.GetItemCount(), 3);  // incomplete: no summary yet

    placed.view.vUpdateGLPDisplay(1, 0, 1);  // the last wavelength also brings the lot result
    EXPECT_EQ(Row(list, 1), (Texts{"2 ", "", "0.250", "NG", ""}));
    placed.view.vUpdateGLPDisplay(4, 0, 0);  // no such row
    EXPECT_EQ(list.GetItemCount(), 3);

    doc.vSkipData();
    placed.view.OnUpdate(nullptr, 0, nullptr);
    // a gap, the titles, standards 0 and 1 at 440 nm, standard 0 at 546 nm, a gap, the verdict
    EXPECT_EQ(Column(list, 0, 3), (Texts{"", "", "", "", "", "", "Judgement"}));
    EXPECT_EQ(Column(list, 1, 3), (Texts{"", "WL", "440 nm", "", "546 nm", "", "Pass"}));
    EXPECT_EQ(Column(list, 3, 3),
              (Texts{"", "Difference (Abs)", "0.001", "0.002", "0.003", "", ""}));
    EXPECT_EQ(Row(list, 6), (Texts{"", "", "1.0", "0.002", "0.01"}));
    EXPECT_EQ(list.GetColumnWidth(2), 78);   // "Rated value" 66 + "88" 12
    EXPECT_EQ(list.GetColumnWidth(3), 144);  // wide enough already
}

TEST(ValidationView, ReproducibilityShowsEachRepeatAndOneWidenedSummaryRow) {
    CUVUnknownData doc(0, 1, 3, 1, 1);
    auto* pResult = new CPhotReproducibilityResult;
    pResult->vSetTitles({"No.", "Repl", "Abs", "Verdict"});
    for (int r = 0; r < 3; ++r) {
        pResult->vSetValueText(r, "0.50" + std::to_string(r));
    }
    pResult->vSetResultTitle("Spread");
    pResult->vSetResultValue(0, "0.002");
    pResult->vSetScopeText(0, "0.005 or less");
    pResult->vSetResultText("Pass");
    doc.vSetGLPResult(pResult);
    vFeed(doc, {0.5, 0.5, 0.5});
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    ASSERT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(Row(list, 1), (Texts{std::string(12, ' '), "2", "0.501", ""}));
    EXPECT_EQ(Row(list, 3), (Texts{"Spread", "0.002", "0.005 or less", "Pass"}));
    // widened to text + 12 where the text is wider: 36 + 12, 30 + 12, 78 + 12; "Pass" is not
    EXPECT_EQ(Widths(list), (std::vector<int>{48, 42, 90, 63}));
}

TEST(ValidationView, CombinedResultFollowsTheRowsOfABlankAndRunsRepeatsPerWavelength) {
    CUVUnknownData doc(0, 2, 2, 2, 2);
    doc.vSetSampleNo(0, 0);
    auto* pResult = new CPhotAccuracyJPResult;
    pResult->m_iReproRowsPerWave = 3;
    pResult->vSetDataTitles(0, {"Sample", "Rep", "WL1", "WL2"});
    pResult->vSetReproducibilityTitle(0, 0, 0, "Repeat no.");
    pResult->vSetValueText(2, 1, "0.2001");
    pResult->vSetAverageTitle("Average");
    pResult->vSetAverageText(0, "0.1");
    for (int j = 0; j < 3; ++j) {
        pResult->vSetAccuracyText(j, 0, 0, std::string("a").append(std::to_string(j)));
    }
    const int repeats[7] = {-1, 0, 1, 2, 0, 1, 2};
    for (int j = 0; j < 7; ++j) {
        pResult->vSetReproducibilityText(j, 0, repeats[j], 0,
                                         std::string("r").append(std::to_string(repeats[j])));
    }
    pResult->vSetAccuracyTitle(9, 0, 0, "Accuracy");
    pResult->vSetAccuracyResultText("Pass");
    pResult->vSetReproducibilityTitle(17, 0, 0, "Repeatability result");
    pResult->vSetReproducibilityResultText(-1, "Fail");
    doc.vSetGLPResult(pResult);
    for (int p = 0; p < 4; ++p) {
        iFeedPoint(doc, {0.1, 0.2});
    }
    CPlaced<CUVUnknownList> placed(doc);
    const CListCtrl& list = placed.List();
    EXPECT_EQ(Row(list, 1), (Texts{"1 ", "1", "", "0.2001"}));
    // after 3 data rows (the blank's second replicate has none): average, gap, accuracy table,
    // gap, repeat table, gap, verdicts
    EXPECT_EQ(Column(list, 0, 3),
              (Texts{"Average", "", "a0", "a1", "a2", "", "r-1", "r0", "r1", "r2", "r0", "r1", "r2",
                     "", "Accuracy", "Repeatability result"}));
    EXPECT_EQ(Row(list, 3), (Texts{"Average", "0.1", "", ""}));
    EXPECT_EQ(list.GetItemText(18, 1), "Fail");
    // "Repeat no." set the first column to 90; the verdict's title needs 120 + 12
    EXPECT_EQ(list.GetColumnWidth(0), 132);

    doc.vSetGLPResult(new CGLPResult);  // a result of no known kind shows nothing of its own
    placed.view.OnUpdate(nullptr, 0, nullptr);
    EXPECT_EQ(list.GetColumnCount(), 0);
    EXPECT_EQ(list.GetItemCount(), 3);
}
