#pragma once
// Grubbs' test against a critical value already known for this number of values: many samples
// of as many replicates share one, so the quantile is looked up once for all of them.
#include <vector>

#include "statistics/GrubbsTest.h"

namespace photoquant::detail {

CGrubbsResult GrubbsTestAgainst(const std::vector<double>& values, double dCritical);

}  // namespace photoquant::detail
