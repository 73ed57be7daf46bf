// Faults the API fuzzer found in the standards document, each kept as the call that showed it.
#include <gtest/gtest.h>

#include <climits>

#include "photoquant.h"

TEST(FuzzFindings, RemeasureOfAStandardOutsideTheDocumentStoresNothing) {
    CUVStandardData doc(0, 2, 2, 1, 1);
    for (const double t : {0.5, 0.4, 0.3, 0.2}) {
        const CDoublePt reading(450.0, t);
        doc.iAddValues(&reading, 1);
    }
    const CDoublePt remeasured(450.0, 0.9);
    // Replicate 2 of 2 would be point 0 * 2 + 2, the first replicate of standard 1.
    doc.vSetRemeasureMode(0, 2, -1);
    EXPECT_EQ(doc.iAddValues(&remeasured, 1), 0);
    EXPECT_EQ(doc.pdGetRawData()[2], 0.3);
    // A sample number near the int limit overflowed s R + r.
    doc.vSetRemeasureMode(INT_MAX, 1, -1);
    EXPECT_EQ(doc.iAddValues(&remeasured, 1), 0);
    CUVWaveData spectrum(450.0, 1.0, &remeasured.y, 1);
    EXPECT_EQ(doc.iAddPeakValues(&spectrum), 0);
    EXPECT_EQ(doc.pdGetRawData()[3], 0.2);
}
