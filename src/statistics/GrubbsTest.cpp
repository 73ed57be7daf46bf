#include "statistics/GrubbsTest.h"

#include <algorithm>
#include <cmath>

#include "document/PhotometricNumbers.h"
#include "statistics/Distributions.h"

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
    if (values.size() < 3 || dCritical == kNoValue ||
        !std::all_of(values.begin(), values.end(), isFinite)) {
        return result;
    }
    const double n = static_cast<double>(values.size());
    double mean = 0.0;
    for (const double v : values) {
        mean += v;
    }
    mean /= n;
    double sumSq = 0.0;
    size_t farthest = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        sumSq += (values[i] - mean) * (values[i] - mean);
        if (std::fabs(values[i] - mean) > std::fabs(values[farthest] - mean)) {
            farthest = i;
        }
    }
    const double sd = std::sqrt(sumSq / (n - 1.0));
    if (!(sd > 0.0)) {
        return result;
    }
    result.iSuspect = static_cast<int>(farthest);
    result.dStatistic = std::fabs(values[farthest] - mean) / sd;
    result.dCritical = dCritical;
    result.bOutlier = result.dStatistic > dCritical ? 1 : 0;
    return result;
}

}  // namespace detail
}  // namespace photoquant
