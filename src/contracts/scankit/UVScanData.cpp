// Peak integration and derivative smoothing on a spectrum.
//
// Inner choices: the peaks are searched on the raw readings with the points in their stored
// order (CPeakFinder does not read X); the area delta is the magnitude of the X step, so that a
// spectrum scanned downward integrates to a positive area; both operations hold the spectrum's
// critical section, as they read and rewrite its point arrays.
#include "contracts/scankit/UVScanData.h"

#include <cmath>
#include <mutex>
#include <vector>

#include "contracts/numkit/PeakArea.h"
#include "contracts/numkit/PeakFinder.h"
#include "contracts/numkit/SavitzkyGolay.h"

IMPLEMENT_DYNAMIC(CUVScanData, CDataY)

using namespace photoquant::detail;

CUVScanData::CUVScanData(double dFirstX, double dStep, const double* pdY, int n)
    : CDataY(dFirstX, dStep, pdY, n) {}

CUVScanData::~CUVScanData() {
    m_PeakList.vDeleteAll();
}

std::vector<CDoublePt> CUVScanData::ReadingsAsPoints() const {
    std::vector<CDoublePt> points;
    for (int i = 0; i < iGetNumPts(); ++i) {
        points.emplace_back(m_vdX[static_cast<size_t>(i)], m_vdY[static_cast<size_t>(i)]);
    }
    return points;
}

double CUVScanData::dIntervalForAreas() const {
    return std::fabs(dGetStep());
}

int CUVScanData::iIntegrate(int method, int sensitivity, double threshold, int /*flags*/) {
    std::lock_guard<std::recursive_mutex> guard(m_csData);
    m_PeakList.vDeleteAll();
    const int n = iGetNumPts();
    const std::vector<CDoublePt> points = ReadingsAsPoints();
    const CPeakFinder finder(n, points.data(), sensitivity, threshold);
    finder.vCopyPeaks(m_PeakList, 0);
    for (INT_PTR k = 0; k < m_PeakList.GetSize(); ++k) {
        CPeak* pPeak = m_PeakList.GetAt(k);
        pPeak->m_dHeight = m_vdY[static_cast<size_t>(pPeak->m_iApex)];
        pPeak->m_dArea =
            dPeakArea(m_vdY.data(), n, pPeak->m_iStart, pPeak->m_iEnd, dIntervalForAreas(), method);
    }
    return static_cast<int>(m_PeakList.GetSize());
}

void CUVScanData::vSmoothSGGen(int step, int halfWidth, int polyOrder, int derivOrder) {
    std::lock_guard<std::recursive_mutex> guard(m_csData);
    const int n = iGetNumPts();
    std::vector<CDoublePt> points = ReadingsAsPoints();
    ::vSmoothSGGen(points.data(), n, step, halfWidth, polyOrder, derivOrder, 0);
    for (int i = 0; i < n; ++i) {
        m_vdY[static_cast<size_t>(i)] = points[static_cast<size_t>(i)].y;
        vFillDisplayPoint(i);
    }
    vSetRangesFromData();
}
