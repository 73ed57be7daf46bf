#include "calibration/SegmentSearch.h"

namespace photoquant::detail {

namespace {

bool bCovers(const CCalibSegment& segment, double dReading) {
    return dReading >= segment.m_dYMin && dReading <= segment.m_dYMax;
}

}  // namespace

CSegmentSearch::CSegmentSearch(const CCalibList& list) : m_List(list) {
    bool bRising = true;
    bool bFalling = true;
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        const CCalibSegment* pSegment = list.GetAt(i);
        if (pSegment == nullptr) {
            return;
        }
        if (i > 0) {
            const CCalibSegment& previous = *list.GetAt(i - 1);
            bRising = bRising && previous.m_dYMin <= pSegment->m_dYMin &&
                      previous.m_dYMax <= pSegment->m_dYMax;
            bFalling = bFalling && previous.m_dYMin >= pSegment->m_dYMin &&
                       previous.m_dYMax >= pSegment->m_dYMax;
        }
    }
    m_Order = bRising ? ERangeOrder::kRising
                      : (bFalling ? ERangeOrder::kFalling : ERangeOrder::kUnordered);
}

const CCalibSegment* CSegmentSearch::pFirstCovering(double dReading) const {
    switch (m_Order) {
        case ERangeOrder::kRising:
            return pBisectRising(dReading);
        case ERangeOrder::kFalling:
            return pBisectFalling(dReading);
        case ERangeOrder::kUnordered:
            break;
    }
    return pWalk(dReading);
}

const CCalibSegment* CSegmentSearch::pWalk(double dReading) const {
    for (INT_PTR i = 0; i < m_List.GetSize(); ++i) {
        const CCalibSegment* pSegment = m_List.GetAt(i);
        if (pSegment != nullptr && bCovers(*pSegment, dReading)) {
            return pSegment;
        }
    }
    return nullptr;
}

const CCalibSegment* CSegmentSearch::pBisectRising(double dReading) const {
    return pFirstCoveringFrom(iFirstWhere([dReading](const CCalibSegment& segment) {
                                  return segment.m_dYMax >= dReading;
                              }),
                              dReading);
}

const CCalibSegment* CSegmentSearch::pBisectFalling(double dReading) const {
    return pFirstCoveringFrom(iFirstWhere([dReading](const CCalibSegment& segment) {
                                  return segment.m_dYMin <= dReading;
                              }),
                              dReading);
}

const CCalibSegment* CSegmentSearch::pFirstCoveringFrom(INT_PTR i, double dReading) const {
    if (i >= m_List.GetSize()) {
        return nullptr;
    }
    const CCalibSegment* pSegment = m_List.GetAt(i);
    return bCovers(*pSegment, dReading) ? pSegment : nullptr;
}

}  // namespace photoquant::detail
