// A run of a plate reader's export size: 100,000 unknown points with replicate statistics, read,
// calculated and reported. How long it takes is the benchmarks' business (bench/runfile); here it
// must run, and its last sample must come out as worked out by hand.
#include <gtest/gtest.h>

#include <sstream>

#include "AppTestSupport.h"

namespace {

constexpr int kSamples = 25000;
constexpr int kReps = 4;

// Standards 1..5 read 0.1..0.5: a first-order fit of concentration from reading gives 10 * y.
// Sample k reads a, a + 0.002, a + 0.004, a + 0.006 with a = 0.2 + 0.001 (k mod 100); every
// 1000th sample is a blank reading 0, and the last sample's fourth replicate was not measured.
std::string sLargeRunFile() {
    std::ostringstream json;
    json << R"({"title": "100,000 points", "reading_unit": "Abs",
 "method": {"quantitation": "wavelength", "wavelengths": [595.0], "replicates": 4,
            "calibration": "1st order", "direction": "concentration from reading",
            "decimals": 3, "statistics": true},
 "instrument": {"data_mode": "Abs"},
 "standards": [)";
    for (int s = 1; s <= 5; ++s) {
        const double y = 0.1 * s;
        json << (s > 1 ? "," : "") << R"({"name": "Std )" << s << R"(", "concentration": )" << s
             << R"(, "readings": [[)" << y << "],[" << y << "],[" << y << "],[" << y << "]]}";
    }
    json << R"(], "unknowns": [)";
    for (int k = 0; k < kSamples; ++k) {
        json << (k > 0 ? "," : "") << R"({"name": "S)" << k << '"';
        if (k % 1000 == 0) {
            json << R"(, "blank": true, "readings": [[0],[0],[0],[0]]})";
            continue;
        }
        const double a = 0.2 + 0.001 * (k % 100);
        json << R"(, "readings": [)";
        for (int r = 0; r < kReps; ++r) {
            json << (r > 0 ? "," : "");
            if (k == kSamples - 1 && r == kReps - 1) {
                json << "null";
            } else {
                json << '[' << a + 0.002 * r << ']';
            }
        }
        json << "]}";
    }
    json << "]}";
    return json.str();
}

}  // namespace

TEST(LargeRun, HundredThousandPointsWithStatisticsRunToTheHandWorkedLastSample) {
    const CScratchDir dir;
    const auto path = dir.Write("large.json", sLargeRunFile());
    const CExecutedRun run(path.string());
    ASSERT_TRUE(run.bOk()) << run.m_sProblem;
    const CUVUnknownData& unknowns = run.Run().Unknowns();
    ASSERT_EQ(unknowns.iGetNumPts(), kSamples * kReps);
    const int last = kSamples - 1;  // a = 0.299; replicates 0.299, 0.301, 0.303
    EXPECT_NEAR(unknowns.dGetMeanConc(last), 3.01, 1e-9);
    EXPECT_NEAR(unknowns.dGetSD(last), 0.02, 1e-9);  // 10 * sample SD of (-0.002, 0, 0.002)
    EXPECT_EQ(unknowns.dGetConc(1000), 0.0);         // a blank
    // Sample 1001 (a = 0.201), measured after that blank: 10 * (0.201 + 0.003).
    EXPECT_NEAR(unknowns.dGetMeanConc(1001), 2.04, 1e-9);

    const CProgramResult program = RunProgram("run '" + path.string() + "'");
    EXPECT_EQ(program.m_iExit, 0) << program.m_sErr;
    EXPECT_TRUE(bHas(program.m_sOut, "S24999")) << "the report reaches the last sample";
}
