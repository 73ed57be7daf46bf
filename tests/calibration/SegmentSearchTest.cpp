#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <random>
#include <vector>

#include "calibration/SegmentSearch.h"

using photoquant::detail::CSegmentSearch;

namespace {

// The first covering segment by walking the list: what the search must always agree with.
const CCalibSegment* pWalked(const CCalibList& list, double dReading) {
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        if (dReading >= list.GetAt(i)->m_dYMin && dReading <= list.GetAt(i)->m_dYMax) {
            return list.GetAt(i);
        }
    }
    return nullptr;
}

// Segments joining readings at whole steps, so that readings land on joints, inside and in gaps.
class CSegments {
public:
    explicit CSegments(const std::vector<double>& joints) {
        for (size_t i = 0; i + 1 < joints.size(); ++i) {
            auto segment = std::make_unique<CCalibSegment>();
            segment->m_dYMin = std::min(joints[i], joints[i + 1]);
            segment->m_dYMax = std::max(joints[i], joints[i + 1]);
            m_List.Add(segment.get());
            m_Owned.push_back(std::move(segment));
        }
    }
    const CCalibList& List() const { return m_List; }

private:
    CCalibList m_List;
    std::vector<std::unique_ptr<CCalibSegment>> m_Owned;
};

}  // namespace

TEST(SegmentSearch, FindsTheSegmentAWalkAlongTheCurveFinds) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> step(-1, 3);
    const double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (int trial = 0; trial < 60; ++trial) {
        // Rising with flat stretches, the same falling, and wandering up and down.
        std::vector<double> joints = {0.0};
        for (int i = 0; i < 40; ++i) {
            const int iStep = trial % 3 == 2 ? step(random) - 1 : std::max(step(random), 0);
            joints.push_back(joints.back() + (trial % 3 == 1 ? -iStep : iStep));
        }
        const CSegments segments(joints);
        const CSegmentSearch search(segments.List());
        for (double dReading = -130.0; dReading <= 130.0; dReading += 0.5) {
            ASSERT_EQ(search.pFirstCovering(dReading), pWalked(segments.List(), dReading))
                << trial << " at " << dReading;
        }
        EXPECT_EQ(search.pFirstCovering(kNaN), nullptr);
    }
    const CSegments none({});
    EXPECT_EQ(CSegmentSearch(none.List()).pFirstCovering(0.0), nullptr);
}
