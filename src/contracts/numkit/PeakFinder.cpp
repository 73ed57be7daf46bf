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
//    The walks are not taken one by one (each noise wiggle on a flank would walk down the flank
//    and across the valley, a walk per wiggle over much of the spectrum). Between two neighbouring
//    maxima the curve falls and then rises (a rise followed by a fall would be a maximum between
//    them), so a walk that enters the stretch between them passes its valley, its lowest point,
//    whether it stops on the far slope or goes on: the lowest point of a walk is the lowest valley
//    between the apex and the first maximum higher than it. One pass over the points finds the
//    maxima and the valleys between them; then one sweep over the maxima from left to right
//    answers every walk to the left, and one from right to left every walk to the right. A sweep
//    keeps a stack of the maxima not yet passed by one at least as high, each with the lowest
//    valley between it and the maximum below it on the stack; a new maximum takes the places of
//    those it reaches and the lowest of their valleys, which is the lowest point of its own walk.
//    Each maximum enters and leaves the stack once: linear in the number of points. A point that
//    is not a number stops every walk (it is not at or below the apex): it stands in the list of
//    maxima as a top that is never passed and never a peak.
// 4. Extent: each peak runs from the lowest point between its apex and the previous peak's apex
//    (or the start) to the lowest point between its apex and the next peak's apex (or the end),
//    taking the lowest point nearest the apex when several are equally low; neighbouring peaks
//    may share that point.
// 5. The height is the reading (not the smoothed value) at the apex.
// The x of the points are not read: the points are taken in their order.
// The working storage of a search (searched curve, tops, stack) is kept per thread and grows to
// the longest spectrum searched, so that the spectra of a run are searched without allocating; a
// finder kept across them (iFindPeaks) reuses its list of peaks as well.
#include "contracts/numkit/PeakFinder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxSensitivity = 30;  // 2^(s-1) stays inside int

// A maximum of the searched curve, or a point that is not a number (dHeight NaN), with the valley
// between it and the previous top (or the start) and the lowest points of its walks.
struct CTop {
    int iIndex;
    double dHeight;
    double dValleyBefore;
    double dLeftLowest;
    double dRightLowest;
};

// A top of a sweep not yet passed by one at least as high, with the lowest valley between it and
// the top below it on the stack.
struct CGround {
    double dHeight;
    double dLowest;
};

struct CSearchStorage {
    std::vector<double> searched;     // the readings or their moving average
    std::vector<long double> prefix;  // prefix sums of the moving average
    std::vector<CTop> tops;           // in the order of their points
    std::vector<CGround> ground;      // the sweep's stack
    std::vector<int> apexes;          // maxima prominent enough
};

CSearchStorage& StorageOfThisThread() {
    thread_local CSearchStorage storage;
    return storage;
}

// The curve searched: the readings, or for sensitivity s > 0 their moving average.
const double* pdSearched(const CDoublePt* pPoints, int n, int sensitivity,
                         CSearchStorage& storage) {
    storage.searched.resize(static_cast<size_t>(n));
    double* searched = storage.searched.data();
    if (sensitivity <= 0) {
        for (int i = 0; i < n; ++i) {
            searched[i] = pPoints[i].y;
        }
        return searched;
    }
    const int halfWidth = std::min(1 << (std::min(sensitivity, kMaxSensitivity) - 1), n);
    // Prefix sums in extended precision: the differences below would otherwise lose digits.
    std::vector<long double>& prefix = storage.prefix;
    prefix.resize(static_cast<size_t>(n) + 1);
    prefix[0] = 0.0L;
    for (int i = 0; i < n; ++i) {
        prefix[static_cast<size_t>(i) + 1] = prefix[static_cast<size_t>(i)] + pPoints[i].y;
    }
    for (int i = 0; i < n; ++i) {
        const int first = std::max(0, i - halfWidth);
        const int last = std::min(n - 1, i + halfWidth);
        const long double sum =
            prefix[static_cast<size_t>(last) + 1] - prefix[static_cast<size_t>(first)];
        searched[i] = static_cast<double>(sum / (last - first + 1));
    }
    return searched;
}

// The tops of the curve in order, each with the valley before it, and the valley after the last
// in the slot after it; returns the number of tops (n >= 3). Maxima are interior points higher
// than their left neighbour, followed by a run of equal points (a plateau) and then a lower point;
// a plateau's maximum is its first point. Every point is written into the next slot and counted
// only if it is a maximum, and the valley restarts at a maximum by choosing between two values by
// index: the rise and fall of noise cannot be predicted, and branches on them would be
// mispredicted at every other point.
int iFindTops(const double* s, int n, std::vector<CTop>& tops) {
    if (tops.size() < static_cast<size_t>(n) + 1) {
        tops.resize(static_cast<size_t>(n) + 1);  // at most one top a point, and the slot after
    }
    CTop* top = tops.data();
    int count = 0;
    double valley = std::numeric_limits<double>::infinity();
    auto vWriteNextTop = [&](int i) {
        top[count].iIndex = i;
        top[count].dHeight = s[i];
        top[count].dValleyBefore = valley;
    };
    // A point that is not a number ends a stretch: the next valley starts after it.
    auto bNotANumber = [&](int i) {
        if (!std::isnan(s[i])) {
            return false;
        }
        vWriteNextTop(i);
        ++count;
        valley = std::numeric_limits<double>::infinity();
        return true;
    };
    if (!bNotANumber(0)) {
        valley = s[0];
    }
    int i = 1;
    while (i < n - 1) {
        const double y = s[i];
        const bool bRise = y > s[i - 1];
        if (bNotANumber(i)) {
            ++i;
            continue;
        }
        valley = std::min(valley, y);
        if (bRise & (s[i + 1] == y)) {
            int plateauEnd = i + 1;
            while (plateauEnd + 1 < n && s[plateauEnd + 1] == y) {
                ++plateauEnd;
            }
            if (plateauEnd + 1 < n && s[plateauEnd + 1] < y) {
                vWriteNextTop(i);
                ++count;
                valley = y;
            }
            i = plateauEnd + 1;
            continue;
        }
        const int iMaximum = static_cast<int>(bRise) & static_cast<int>(s[i + 1] < y);
        vWriteNextTop(i);
        count += iMaximum;
        const double candidates[2] = {valley, y};
        valley = candidates[iMaximum];
        ++i;
    }
    if (i == n - 1 && !bNotANumber(i)) {
        valley = std::min(valley, s[i]);
    }
    top[count].dValleyBefore = valley;
    return count;
}

// The lowest point of every top's walk to the left: the sweep from the left described above.
void vLowestToTheLeft(CTop* tops, int count, std::vector<CGround>& ground) {
    ground.clear();
    for (CTop* top = tops; top != tops + count; ++top) {
        double low = top->dValleyBefore;
        while (!ground.empty() && ground.back().dHeight <= top->dHeight) {
            low = std::min(low, ground.back().dLowest);
            ground.pop_back();
        }
        ground.push_back({top->dHeight, low});
        top->dLeftLowest = low;
    }
}

// And to the right, sweeping from the right.
void vLowestToTheRight(CTop* tops, int count, std::vector<CGround>& ground) {
    ground.clear();
    for (int k = count - 1; k >= 0; --k) {
        CTop& top = tops[k];
        double low = tops[k + 1].dValleyBefore;
        while (!ground.empty() && ground.back().dHeight <= top.dHeight) {
            low = std::min(low, ground.back().dLowest);
            ground.pop_back();
        }
        ground.push_back({top.dHeight, low});
        top.dRightLowest = low;
    }
}

// Index of the lowest point from the apex (exclusive) to limit (inclusive), nearest the apex first.
int iNearestLowest(const double* s, int apex, int limit) {
    const int dir = limit < apex ? -1 : 1;
    int lowest = apex;
    for (int k = apex + dir; k != limit + dir; k += dir) {
        if (s[k] < s[lowest]) {
            lowest = k;
        }
    }
    return lowest;
}

}  // namespace

CPeakFinder::CPeakFinder(int n, const CDoublePt* pPoints, int sensitivity, double threshold) {
    iFindPeaks(n, pPoints, sensitivity, threshold);
}

int CPeakFinder::iFindPeaks(int n, const CDoublePt* pPoints, int sensitivity, double threshold) {
    m_vPeaks.clear();
    if (pPoints == nullptr || n < 3) {
        return 0;
    }
    CSearchStorage& storage = StorageOfThisThread();
    const double* searched = pdSearched(pPoints, n, sensitivity, storage);
    const int iNumTops = iFindTops(searched, n, storage.tops);
    CTop* tops = storage.tops.data();
    vLowestToTheLeft(tops, iNumTops, storage.ground);
    vLowestToTheRight(tops, iNumTops, storage.ground);

    // prominence = apex - max(lowest to the left, lowest to the right); a top that is not a
    // number has none
    std::vector<int>& apexes = storage.apexes;
    apexes.clear();
    for (const CTop* top = tops; top != tops + iNumTops; ++top) {
        const double prominence = top->dHeight - std::max(top->dLeftLowest, top->dRightLowest);
        if (prominence >= threshold) {
            apexes.push_back(top->iIndex);
        }
    }
    for (size_t k = 0; k < apexes.size(); ++k) {
        const int apex = apexes[k];
        const int leftLimit = k > 0 ? apexes[k - 1] + 1 : 0;
        const int rightLimit = k + 1 < apexes.size() ? apexes[k + 1] - 1 : n - 1;
        m_vPeaks.push_back({iNearestLowest(searched, apex, leftLimit),
                            iNearestLowest(searched, apex, rightLimit), apex, pPoints[apex].y});
    }
    return iGetNumPeaks();
}

CPeak CPeakFinder::GetPeak(int k) const {
    if (k < 0 || k >= iGetNumPeaks()) {
        return CPeak();
    }
    const CFoundPeak& peak = m_vPeaks[static_cast<size_t>(k)];
    return CPeak(peak.iStart, peak.iEnd, peak.iApex, peak.dHeight);
}

void CPeakFinder::vCopyPeaks(CPeakList& list, int /*flags: reserved*/) const {
    for (const CFoundPeak& peak : m_vPeaks) {
        list.Add(new CPeak(peak.iStart, peak.iEnd, peak.iApex, peak.dHeight));
    }
}
