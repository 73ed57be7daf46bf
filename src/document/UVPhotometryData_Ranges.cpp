// Axis ranges of the documents: the data points, widened by the calibration curve drawn over them.
#include <algorithm>

#include "document/PhotometricNumbers.h"
#include "document/UVPhotometryData.h"

using namespace photoquant;

namespace {
constexpr int kCurveSteps = 1000;
}  // namespace

void CUVPhotometryData::vSetRangesFromPoints() {
    m_dXMin = m_dYMin = kNoValue;
    m_dXMax = m_dYMax = -kNoValue;
    for (int p = 0; p < m_iNumPts && bHasPoint(p); ++p) {
        const CDoublePt& point = m_vPoints[static_cast<size_t>(p)];
        m_dXMin = std::min(m_dXMin, point.x);
        m_dXMax = std::max(m_dXMax, point.x);
        if (bGetMeasured(p) != 0) {
            m_dYMin = std::min(m_dYMin, point.y);
            m_dYMax = std::max(m_dYMax, point.y);
        }
    }
    if (m_dXMin == m_dXMax) {
        m_dXMin = 0.0;
        if (m_dXMax <= 0.0) {
            m_dXMax = 1.0;
        }
    }
    if (m_dYMin == m_dYMax || !bIsUsable(m_dYMin) || !bIsUsable(m_dYMax)) {
        m_dYMin = 0.0;
        if (m_dYMax <= 0.0) {
            m_dYMax = 1.0;
        }
    }
}

void CUVPhotometryData::vWidenYRangeOverCurve(double lo, double hi,
                                              const std::function<double(double)>& curve) {
    auto widen = [&](double x) {
        const double y = curve(x);
        if (!bIsUsable(y)) {
            return;
        }
        if (y < m_dYMin) {
            m_dYMin = y;
        } else if (y > m_dYMax) {
            m_dYMax = y;
        }
    };
    const double step = (hi - lo) / kCurveSteps;
    if (!(step > kEpsilon)) {
        widen(lo);
        widen(hi);
        return;
    }
    // Where the step falls below the resolution of x the sum stops growing: stop there too.
    for (double x = lo; x <= hi; x += step) {
        widen(x);
        if (x + step == x) {
            break;
        }
    }
}
