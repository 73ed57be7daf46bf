// Faults the API fuzzer found in the list views, each kept as the call that showed it.
#include <gtest/gtest.h>

#include <climits>

#include "ViewsTestSupport.h"

TEST(FuzzFindings, RowUpdatesWithIndicesNearTheIntLimitChangeNoRow) {
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

    CUVStandardData standards(0, 2, 2, 1, 1);
    CPlaced<CUVStandardList> standardList(standards);
    standardList.view.vUpdateDisplay(INT_MAX, 1);
    EXPECT_EQ(standardList.List().GetItemCount(), 4);
}
