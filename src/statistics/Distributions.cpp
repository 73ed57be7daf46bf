// The distributions through one error policy: a domain, pole, overflow or evaluation error
// returns NaN (or the limit) instead of throwing, since no failure of the module is an exception.
#include "statistics/Distributions.h"

#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/students_t.hpp>
#include <cmath>
#include <limits>

namespace photoquant::detail {

namespace {

namespace policies = boost::math::policies;
using QuietPolicy = policies::policy<policies::domain_error<policies::ignore_error>,
                                     policies::pole_error<policies::ignore_error>,
                                     policies::overflow_error<policies::ignore_error>,
                                     policies::evaluation_error<policies::ignore_error>,
                                     policies::rounding_error<policies::ignore_error>>;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool bProbability(double p) {
    return p > 0.0 && p < 1.0;
}

bool bDegreesOfFreedom(double dof) {
    return dof > 0.0 && std::isfinite(dof);
}

}  // namespace

double dStudentQuantile(double p, double dof) {
    if (!bProbability(p) || !bDegreesOfFreedom(dof)) {
        return kNaN;
    }
    return boost::math::quantile(boost::math::students_t_distribution<double, QuietPolicy>(dof), p);
}

double dFisherQuantile(double p, double d1, double d2) {
    if (!bProbability(p) || !bDegreesOfFreedom(d1) || !bDegreesOfFreedom(d2)) {
        return kNaN;
    }
    return boost::math::quantile(boost::math::fisher_f_distribution<double, QuietPolicy>(d1, d2),
                                 p);
}

double dFisherUpperTail(double f, double d1, double d2) {
    if (std::isnan(f) || !bDegreesOfFreedom(d1) || !bDegreesOfFreedom(d2)) {
        return kNaN;
    }
    if (f <= 0.0) {
        return 1.0;
    }
    if (std::isinf(f)) {
        return 0.0;
    }
    return boost::math::cdf(boost::math::complement(
        boost::math::fisher_f_distribution<double, QuietPolicy>(d1, d2), f));
}

}  // namespace photoquant::detail
