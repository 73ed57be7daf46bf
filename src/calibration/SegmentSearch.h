#pragma once
// The first segment of a calibration, in curve order, whose reading range [m_dYMin, m_dYMax] holds
// a reading: the segment that turns the reading into a concentration.
//
// A segmented calibration over many standards holds one segment per neighbouring pair, and every
// standard and every unknown asks for its segment. When the ranges run in one direction along the
// curve (both bounds never fall, or both never rise, as the readings of standards usually do), the
// first covering segment is found by bisection: rising, it is the first whose m_dYMax reaches the
// reading, provided its m_dYMin does not pass it (every later m_dYMin lies higher still); falling,
// the first whose m_dYMin reaches down to the reading, provided its m_dYMax reaches it. Otherwise
// the segments are walked in order. Both give the same segment, so ties between equal ranges keep
// going to the earlier one. A reading that is not a number lies in no range.
#include "calibration/CalibList.h"

namespace photoquant::detail {

class CSegmentSearch {
public:
    // Reads the list's order once; the list must outlive the search and stay unchanged.
    explicit CSegmentSearch(const CCalibList& list);

    // Null when no segment covers the reading.
    const CCalibSegment* pFirstCovering(double dReading) const;

private:
    enum class ERangeOrder { kRising, kFalling, kUnordered };

    const CCalibSegment* pWalk(double dReading) const;
    const CCalibSegment* pBisectRising(double dReading) const;
    const CCalibSegment* pBisectFalling(double dReading) const;
    const CCalibSegment* pFirstCoveringFrom(INT_PTR i, double dReading) const;

    // The first index whose segment meets a condition that, once met, holds for every later one;
    // the size of the list when none does.
    template <class Condition>
    INT_PTR iFirstWhere(Condition bMet) const {
        INT_PTR lo = 0;
        INT_PTR hi = m_List.GetSize();
        while (lo < hi) {
            const INT_PTR mid = lo + (hi - lo) / 2;
            if (bMet(*m_List.GetAt(mid))) {
                hi = mid;
            } else {
                lo = mid + 1;
            }
        }
        return lo;
    }

    const CCalibList& m_List;
    ERangeOrder m_Order = ERangeOrder::kUnordered;
};

}  // namespace photoquant::detail
