// Faults the API fuzzer found in the photometry document, each kept as the call that showed it.
#include <gtest/gtest.h>

#include <climits>

#include "HostHelpers.h"
#include "photoquant.h"

using namespace photoquant;

TEST(FuzzFindings, SampleAddedToADocumentWithoutReplicatesKeepsNoPoint) {
    CUVPhotometryData doc(0, 0, 0, 1, 1);
    doc.vAddSample(1);
    EXPECT_EQ(doc.iGetNumSamp(), 1);
    EXPECT_EQ(doc.iGetNumPts(), 0);  // (S + 1) R - 1 is -1 without replicates: held at 0
}

TEST(FuzzFindings, SampleIndexNearTheIntLimitReadsAsOutsideTheDocument) {
    // s R + r overflowed an int before the sample was checked.
    CUVPhotometryData doc(0, 2, 4, 1, 1);
    for (int p = 0; p < 8; ++p) {
        iAdd(doc, {0.5});
    }
    EXPECT_EQ(doc.bDeleteData(INT_MAX - 1, 3), 0);
    EXPECT_EQ(doc.dGetAbs(INT_MAX - 1, 3, 0), kNoValue);
    EXPECT_EQ(doc.dGetAbsXY(INT_MAX, 0, 0), kNoValue);
    EXPECT_EQ(doc.GetDateTime(INT_MAX / 2, 3), "");
    EXPECT_EQ(doc.bGetMeasured(7), 1);  // nothing deleted
}
