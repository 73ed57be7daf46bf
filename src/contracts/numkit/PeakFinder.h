#pragma once
// Finds the peaks of a spectrum given as points (x, y): the peak-area and peak-height quantitation
// of the photometry documents asks it for the peaks and integrates them itself.
//
// A peak is a local maximum of the (optionally smoothed) readings that stands out by its
// prominence, the height of the apex above the higher of the two lowest points that separate it
// from higher ground on either side:
//
//     prominence = y_apex - max(min y left of the apex, min y right of the apex),
//
// each minimum taken up to the first point higher than the apex, or the end of the data.
// sensitivity sets the smoothing before the search (0: none; s > 0: a moving average over
// 2^s + 1 points), threshold the least prominence, in units of y. Details at the top of
// PeakFinder.cpp.
#include <vector>

#include "PhotoquantExport.h"
#include "contracts/numkit/PeakList.h"
#include "contracts/uikit/DoublePt.h"

class PQ_EXPORT CPeakFinder {
public:
    // Searches the n points at once; the points are not kept.
    CPeakFinder(int n, const CDoublePt* pPoints, int sensitivity, double threshold);
    // A finder with no peaks, for searching spectrum after spectrum with iFindPeaks.
    CPeakFinder() = default;

    // Replaces the peaks with those of the n points, found as the constructor finds them, and
    // returns their number. A finder kept for the spectra of a run searches each without
    // allocating once its storage has grown to the most peaks:
    //   CPeakFinder finder;
    //   for (...) { finder.iFindPeaks(n, points, 0, 0.01); ... finder.GetPeak(k) ... }
    int iFindPeaks(int n, const CDoublePt* pPoints, int sensitivity, double threshold);

    int iGetNumPeaks() const { return static_cast<int>(m_vPeaks.size()); }
    // Peak k (0 <= k < iGetNumPeaks()) as vCopyPeaks would append it: start, end, apex and height,
    // area 0. Any other k gives a peak of zeros.
    CPeak GetPeak(int k) const;
    // Appends a new CPeak per peak found, in the order of their apexes, with start, end, apex and
    // height filled and the area 0; the list's owner deletes them. flags is reserved: pass 0.
    void vCopyPeaks(CPeakList& list, int flags) const;

private:
    struct CFoundPeak {
        int iStart;
        int iEnd;
        int iApex;
        double dHeight;
    };

    std::vector<CFoundPeak> m_vPeaks;
};
