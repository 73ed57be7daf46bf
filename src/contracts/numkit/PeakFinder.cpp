// Peak detection by topographic prominence.
//
// Method and inner choices:
// 1. Smoothing: with sensitivity s > 0 the readings are replaced, for the search only, by their
//    moving average over 2^s + 1 points (half width 2^(s-1)), centred so that a symmetric peak
//    keeps its apex; near the ends the window is cut to the points that exist. s <= 0 searches the
//    readings as they are.
// 2. Apexes are the local maxima of the searched curve inside the data: a point higher than its
//    left neighbour followed by a run of equal points (a plateau) and then a lower point; the apex
//    of a plateau is its first point. A maximum at either end of the data is no peak, as its other
//    flank is not measured.
// 3. Prominence, as in topography: from the apex go left up to the first point higher than the
//    apex (or the start), take the lowest point passed; likewise to the right; the prominence is
//    the apex minus the higher of the two. Noise wiggles on the flank of a large peak thus have a
//    small prominence while the large peak keeps its full one. Apexes with a prominence of at
//    least the threshold are peaks.
// 4. Extent: each peak runs from the lowest point between its apex and the previous peak's apex
//    (or the start) to the lowest point between its apex and the next peak's apex (or the end),
//    taking the lowest point nearest the apex when several are equally low; neighbouring peaks
//    may share that point.
// 5. The height is the reading (not the smoothed value) at the apex.
// The x of the points are not read: the points are taken in their order.
#include "contracts/numkit/PeakFinder.h"

#include <algorithm>

namespace {

constexpr int kMaxSensitivity = 30;  // 2^(s-1) stays inside int

std::vector<double> MovingAverage(const std::vector<double>& y, int sensitivity) {
    const int n = static_cast<int>(y.size());
    if (sensitivity <= 0 || n == 0) {
        return y;
    }
    const int halfWidth = std::min(1 << (std::min(sensitivity, kMaxSensitivity) - 1), n);
    // Prefix sums in extended precision: the differences below would otherwise lose digits.
    std::vector<long double> prefix(static_cast<size_t>(n) + 1, 0.0L);
    for (int i = 0; i < n; ++i) {
        prefix[static_cast<size_t>(i) + 1] =
            prefix[static_cast<size_t>(i)] + y[static_cast<size_t>(i)];
    }
    std::vector<double> averaged(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int first = std::max(0, i - halfWidth);
        const int last = std::min(n - 1, i + halfWidth);
        const long double sum =
            prefix[static_cast<size_t>(last) + 1] - prefix[static_cast<size_t>(first)];
        averaged[static_cast<size_t>(i)] = static_cast<double>(sum / (last - first + 1));
    }
    return averaged;
}

// Interior local maxima, a plateau represented by its first point.
std::vector<int> LocalMaxima(const std::vector<double>& s) {
    std::vector<int> apexes;
    const int n = static_cast<int>(s.size());
    int i = 1;
    while (i < n - 1) {
        if (!(s[static_cast<size_t>(i)] > s[static_cast<size_t>(i) - 1])) {
            ++i;
            continue;
        }
        int plateauEnd = i;
        while (plateauEnd + 1 < n &&
               s[static_cast<size_t>(plateauEnd) + 1] == s[static_cast<size_t>(i)]) {
            ++plateauEnd;
        }
        if (plateauEnd + 1 < n &&
            s[static_cast<size_t>(plateauEnd) + 1] < s[static_cast<size_t>(i)]) {
            apexes.push_back(i);
        }
        i = plateauEnd + 1;
    }
    return apexes;
}

// Lowest point passed walking from the apex in direction dir (-1 or +1) until a higher point.
double dLowestBeforeHigherGround(const std::vector<double>& s, int apex, int dir) {
    const int n = static_cast<int>(s.size());
    const double top = s[static_cast<size_t>(apex)];
    double lowest = top;
    for (int k = apex + dir; k >= 0 && k < n && s[static_cast<size_t>(k)] <= top; k += dir) {
        lowest = std::min(lowest, s[static_cast<size_t>(k)]);
    }
    return lowest;
}

double dProminence(const std::vector<double>& s, int apex) {
    const double base =
        std::max(dLowestBeforeHigherGround(s, apex, -1), dLowestBeforeHigherGround(s, apex, +1));
    return s[static_cast<size_t>(apex)] - base;
}

// Index of the lowest point from the apex (exclusive) to limit (inclusive), nearest the apex first.
int iNearestLowest(const std::vector<double>& s, int apex, int limit) {
    const int dir = limit < apex ? -1 : 1;
    int lowest = apex;
    for (int k = apex + dir; k != limit + dir; k += dir) {
        if (s[static_cast<size_t>(k)] < s[static_cast<size_t>(lowest)]) {
            lowest = k;
        }
    }
    return lowest;
}

}  // namespace

CPeakFinder::CPeakFinder(int n, const CDoublePt* pPoints, int sensitivity, double threshold) {
    if (pPoints == nullptr || n < 3) {
        return;
    }
    std::vector<double> y(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        y[static_cast<size_t>(i)] = pPoints[i].y;
    }
    const std::vector<double> searched = MovingAverage(y, sensitivity);

    std::vector<int> apexes;
    for (const int apex : LocalMaxima(searched)) {
        if (dProminence(searched, apex) >= threshold) {
            apexes.push_back(apex);
        }
    }
    for (size_t k = 0; k < apexes.size(); ++k) {
        const int apex = apexes[k];
        const int leftLimit = k > 0 ? apexes[k - 1] + 1 : 0;
        const int rightLimit = k + 1 < apexes.size() ? apexes[k + 1] - 1 : n - 1;
        m_vPeaks.push_back({iNearestLowest(searched, apex, leftLimit),
                            iNearestLowest(searched, apex, rightLimit), apex,
                            y[static_cast<size_t>(apex)]});
    }
}

void CPeakFinder::vCopyPeaks(CPeakList& list, int /*flags: reserved*/) const {
    for (const CFoundPeak& peak : m_vPeaks) {
        list.Add(new CPeak(peak.iStart, peak.iEnd, peak.iApex, peak.dHeight));
    }
}
