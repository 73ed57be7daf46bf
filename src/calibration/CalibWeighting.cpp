// Weights of the calibration points: the variance function of the weighting at each point,
// inverted and normalised to sum to the number of points.
#include "calibration/CalibWeighting.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "calibration/ReplicateSpread.h"

namespace photoquant::detail {

namespace {

bool bFinitePositive(double value) {
    return std::isfinite(value) && value > 0.0;
}

}  // namespace

CCalibWeights::CCalibWeights(const std::vector<CCalibrationPoint>& points, int iWeighting)
    : m_iWeighting(iWeighting) {
    if (iWeighting == kWeightNone) {
        return;
    }
    if (iWeighting < kWeightNone || iWeighting > kWeightInverseVariance) {
        m_iRefusal = kRefusalUnknownWeighting;
        return;
    }
    // Under 1/s^2 a point takes its own standard's variance, even where two standards share a
    // concentration.
    const std::map<int, double> standardVariance =
        iWeighting == kWeightInverseVariance ? StandardVariances(points) : std::map<int, double>();
    if (m_iRefusal != kRefusalNone) {
        return;
    }
    std::vector<double> inverse;
    inverse.reserve(points.size());
    double sum = 0.0;
    for (const CCalibrationPoint& point : points) {
        const double variance = iWeighting == kWeightInverseVariance
                                    ? standardVariance.at(point.iStandard)
                                    : dVarianceFunction(point.dConc, point.dReading);
        const double weight = 1.0 / variance;
        if (!bFinitePositive(variance) || !bFinitePositive(weight)) {
            m_iRefusal =
                iWeighting <= kWeightInverseConcSquared ? kRefusalZeroConc : kRefusalZeroReading;
            return;
        }
        inverse.push_back(weight);
        sum += weight;
    }
    if (!bFinitePositive(sum)) {
        m_iRefusal = kRefusalTooFewPoints;
        return;
    }
    m_dNormalisation = static_cast<double>(points.size()) / sum;
    m_vdWeights.reserve(inverse.size());
    for (const double weight : inverse) {
        m_vdWeights.push_back(weight * m_dNormalisation);
    }
}

std::map<int, double> CCalibWeights::StandardVariances(
    const std::vector<CCalibrationPoint>& points) {
    std::map<int, std::vector<double>> readings;
    std::map<int, double> conc;
    std::map<int, double> variances;
    for (const CCalibrationPoint& point : points) {
        readings[point.iStandard].push_back(point.dReading);
        conc[point.iStandard] = point.dConc;
    }
    for (const auto& [iStandard, values] : readings) {
        if (values.size() < 2) {
            m_iRefusal = kRefusalTooFewReplicates;
            return {};
        }
        const double variance = ReplicateSpread(values).dVariance;
        if (!bFinitePositive(variance) || !bFinitePositive(1.0 / variance)) {
            m_iRefusal = kRefusalIdenticalReplicates;
            return {};
        }
        variances[iStandard] = variance;
        m_vStandardVariance.emplace_back(conc[iStandard], variance);
    }
    std::stable_sort(m_vStandardVariance.begin(), m_vStandardVariance.end(),
                     [](const CDoublePt& a, const CDoublePt& b) { return a.x < b.x; });
    return variances;
}

double CCalibWeights::dVarianceFunction(double x, double y) const {
    switch (m_iWeighting) {
        case kWeightInverseConc:
            return std::fabs(x);
        case kWeightInverseConcSquared:
            return x * x;
        case kWeightInverseReading:
            return std::fabs(y);
        case kWeightInverseReadingSquared:
            return y * y;
        case kWeightInverseVariance:
            return dInterpolatedVariance(x);
        default:
            return 1.0;
    }
}

double CCalibWeights::dInterpolatedVariance(double x) const {
    if (m_vStandardVariance.empty()) {
        return 1.0;
    }
    const auto above = std::find_if(m_vStandardVariance.begin(), m_vStandardVariance.end(),
                                    [x](const CDoublePt& standard) { return standard.x > x; });
    if (above == m_vStandardVariance.begin()) {
        return above->y;
    }
    const CDoublePt below = *(above - 1);
    if (above == m_vStandardVariance.end() || below.x == x) {
        return below.y;
    }
    // below.x < x < above.x
    return below.y + (above->y - below.y) * (x - below.x) / (above->x - below.x);
}

double CCalibWeights::dRelativeVariance(double x, double y) const {
    if (m_iWeighting == kWeightNone || m_iRefusal != kRefusalNone) {
        return 1.0;
    }
    return dVarianceFunction(x, y) / m_dNormalisation;
}

}  // namespace photoquant::detail
