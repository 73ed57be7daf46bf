// Faults the API fuzzer found in the unknowns document, each kept as the call that showed it.
#include <gtest/gtest.h>

#include <climits>

#include "UnknownsTestSupport.h"

TEST(FuzzFindings, RemeasureOfAnUnknownOutsideTheDocumentStoresNothing) {
    CUVUnknownData doc(0, 2, 2, 1, 1);
    vFeed(doc, {0.1, 0.2, 0.3, 0.4});
    // Replicate 2 of 2 would be point 0 * 2 + 2, the first replicate of sample 1.
    doc.vSetRemeasureMode(0, 2, -1);
    EXPECT_EQ(iFeedPoint(doc, {0.9}), 0);
    EXPECT_DOUBLE_EQ(doc.GetValue(2).y, 0.3);
    // A sample number near the int limit overflowed s R + r.
    doc.vSetRemeasureMode(INT_MAX, 1, -1);
    EXPECT_EQ(iFeedPoint(doc, {0.9}), 0);
    EXPECT_DOUBLE_EQ(doc.GetValue(3).y, 0.4);
}
