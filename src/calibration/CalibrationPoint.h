#pragma once
// A measured replicate of a standard as the polynomial calibration takes it: one point per
// measured replicate, nothing averaged. The standards document hands them out in the order its fit
// takes them (GetCalibrationPoints), so that a host, a report's residual plot or the calibration
// statistics see exactly the points behind the curve.
#include <vector>

#include "contracts/uikit/DoublePt.h"
#include "document/QuantitationCodes.h"

namespace photoquant {

struct CCalibrationPoint {
    int iPoint = 0;         // the document's point: standard * R + replicate
    int iStandard = 0;      // the standard (sample) it belongs to
    double dConc = 0.0;     // the standard's concentration, x
    double dReading = 0.0;  // the displayed reading, y
};

namespace detail {

// The pairs a least-squares fit of the calibration takes: (x, y) when the curve gives the reading
// from the concentration (direction 0), (y, x) when it gives the concentration from the reading.
inline std::vector<CDoublePt> FitPairs(const std::vector<CCalibrationPoint>& points,
                                       int iDirection) {
    std::vector<CDoublePt> pairs;
    pairs.reserve(points.size());
    for (const CCalibrationPoint& point : points) {
        if (iDirection == kConcFromReading) {
            pairs.emplace_back(point.dReading, point.dConc);
        } else {
            pairs.emplace_back(point.dConc, point.dReading);
        }
    }
    return pairs;
}

}  // namespace detail
}  // namespace photoquant
