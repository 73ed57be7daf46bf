#pragma once
// The mean and the sample variance of replicate readings, in two passes (the mean first), so that
// readings far from zero keep their spread: the variance of a 1/s^2 weighting, a standard's SD,
// Grubbs' test.
#include <vector>

namespace photoquant::detail {

struct CReplicateSpread {
    double dMean = 0.0;
    double dVariance = 0.0;  // divisor m - 1; 0 for fewer than two values
};

inline CReplicateSpread ReplicateSpread(const std::vector<double>& values) {
    CReplicateSpread spread;
    if (values.empty()) {
        return spread;
    }
    for (const double v : values) {
        spread.dMean += v;
    }
    spread.dMean /= static_cast<double>(values.size());
    if (values.size() < 2) {
        return spread;
    }
    double sumSq = 0.0;
    for (const double v : values) {
        sumSq += (v - spread.dMean) * (v - spread.dMean);
    }
    spread.dVariance = sumSq / static_cast<double>(values.size() - 1);
    return spread;
}

}  // namespace photoquant::detail
