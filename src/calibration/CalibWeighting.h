#pragma once
// The weights of a polynomial calibration's points (the weighting codes and the reasons a
// calibration is refused are in document/QuantitationCodes.h).
//
// Over one decade of concentration the readings of a photometric calibration scatter about
// equally; over several decades the scatter grows with the level, and an unweighted fit lets the
// top standards decide the curve while the bottom ones, where detection limits and low results
// live, hardly count. Weighted least squares gives each point i a weight w_i inversely
// proportional to the variance of its response and minimises
//
//     sum w_i (v_i - P(u_i))^2          (u, v) = (x, y), or (y, x) for a curve x = P(y)
//
// with x the standard's concentration and y the reading, whatever the conversion direction:
//
//     none    w_i = 1                   the fit as it has always been, bit for bit
//     1/x     w_i ~ 1 / |x_i|           1/x^2   w_i ~ 1 / x_i^2
//     1/y     w_i ~ 1 / |y_i|           1/y^2   w_i ~ 1 / y_i^2
//     1/s^2   w_i ~ 1 / s_j^2           s_j^2 the sample variance (divisor m - 1) of the readings
//                                       of the point's standard j, m >= 2 replicates
//
// normalised to sum w_i = n, so that the residual standard deviation
// s = sqrt(sum w_i e_i^2 / (n - p)) keeps the units of the response and equals the unweighted one
// for equal weights. A weight that would be infinite (a zero concentration under 1/x or 1/x^2, a
// zero reading under 1/y or 1/y^2, a standard with fewer than two replicates or with identical
// ones under 1/s^2) refuses the calibration instead; the reason is kept
// (CUVStandardData::iGetCalibRefusal). Negative concentrations or readings (a reading below the
// blank) take the weight of their magnitude.
#include <map>
#include <vector>

#include "calibration/CalibrationPoint.h"
#include "document/QuantitationCodes.h"

namespace photoquant::detail {

// The normalised weights of the calibration points under a weighting, and the relative variance
// the weighting assigns to a reading anywhere on the curve (an unknown's, say).
class CCalibWeights {
public:
    CCalibWeights(const std::vector<CCalibrationPoint>& points, int iWeighting);

    int iGetRefusal() const { return m_iRefusal; }
    // One weight per point, summing to n; empty without weighting (or when refused).
    const std::vector<double>& GetWeights() const { return m_vdWeights; }
    // 1 / w at concentration x and reading y, on the calibration's normalised scale: the variance
    // of one reading there in units of the residual variance s^2. Under 1/s^2 the standards'
    // variances are interpolated linearly in the concentration, held constant beyond the end
    // standards. 1 without weighting.
    double dRelativeVariance(double x, double y) const;

private:
    // The unnormalised variance function 1/w of the weighting at (x, y).
    double dVarianceFunction(double x, double y) const;
    double dInterpolatedVariance(double x) const;
    // Each standard's replicate variance by standard, kept by concentration for the
    // interpolation; empty, with the refusal set, when a standard has none.
    std::map<int, double> StandardVariances(const std::vector<CCalibrationPoint>& points);

    int m_iWeighting;
    int m_iRefusal = kRefusalNone;
    double m_dNormalisation = 1.0;  // n / sum(1 / variance function): w_i = this / v(x_i, y_i)
    std::vector<double> m_vdWeights;
    std::vector<CDoublePt> m_vStandardVariance;  // (concentration, s^2) by concentration, 1/s^2
};

}  // namespace photoquant::detail
