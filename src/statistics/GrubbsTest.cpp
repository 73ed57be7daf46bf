#include "statistics/GrubbsTest.h"

#include <algorithm>
#include <cmath>

#include "calibration/ReplicateSpread.h"
#include "document/PhotometricNumbers.h"
#include "statistics/Distributions.h"
#include "statistics/GrubbsAgainstCritical.h"

namespace photoquant {

double dGrubbsCritical(int n, double dAlpha) {
    if (n < 3) {
        return kNoValue;
    }
    const double count = n;
    const double t = detail::dStudentQuantile(1.0 - dAlpha / (2.0 * count), count - 2.0);
    const double critical =
        (count - 1.0) / std::sqrt(count) * std::sqrt(t * t / (count - 2.0 + t * t));
    return std::isfinite(critical) ? critical : kNoValue;
}

CGrubbsResult GrubbsTest(const std::vector<double>& values, double dAlpha) {
    return detail::GrubbsTestAgainst(values,
                                     dGrubbsCritical(static_cast<int>(values.size()), dAlpha));
}

namespace detail {

CGrubbsResult GrubbsTestAgainst(const std::vector<double>& values, double dCritical) {
    CGrubbsResult result;
    result.iCount = static_cast<int>(values.size());
    const auto isFinite = [](double v) { return std::isfinite(v); };
    if (values.size() < 3 || !bHasValue(dCritical) ||
        !std::all_of(values.begin(), values.end(), isFinite)) {
        return result;
    }
    const detail::CReplicateSpread spread = detail::ReplicateSpread(values);
    size_t farthest = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (std::fabs(values[i] - spread.dMean) > std::fabs(values[farthest] - spread.dMean)) {
            farthest = i;
        }
    }
    const double sd = std::sqrt(spread.dVariance);
    if (!(sd > 0.0)) {
        return result;
    }
    result.iSuspect = static_cast<int>(farthest);
    result.dStatistic = std::fabs(values[farthest] - spread.dMean) / sd;
    result.dCritical = dCritical;
    result.bOutlier = result.dStatistic > dCritical ? 1 : 0;
    return result;
}

}  // namespace detail
}  // namespace photoquant
