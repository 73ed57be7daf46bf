#pragma once
// Grubbs' test for a single outlier among replicate readings (ISO 5725-2, 7.3.4; the two-sided
// form): the value farthest from the mean is suspect when
//
//     G = max |v_i − mean| / sd  >  G_crit = (n − 1) / √n · √(t² / (n − 2 + t²)),
//     t = t(1 − α / (2n), n − 2),    sd the sample SD (divisor n − 1),
//
// which holds for normally distributed replicates, n >= 3. For n = 3 at α = 0.05, G_crit =
// 1.1543; for n = 10, 2.2900. The test only flags: what to do with a suspect reading is the
// analyst's choice, and the statistics never drop one themselves.
#include <vector>

#include "PhotoquantExport.h"
#include "statistics/StatisticsTypes.h"

namespace photoquant {

// The test of the values at level dAlpha; fewer than three values, a value that is not a finite
// number, or values without spread give no test (iSuspect -1, statistic and critical kNoValue).
PQ_EXPORT CGrubbsResult GrubbsTest(const std::vector<double>& values, double dAlpha = 0.05);
// G_crit for n values at level dAlpha; kNoValue for n < 3.
PQ_EXPORT double dGrubbsCritical(int n, double dAlpha = 0.05);

}  // namespace photoquant
