// Concentrations of the unknowns: the blank, the choice of calibration segment, the amount
// correction.
//
// For one point, in this order: its reading (the displayed photometric value) is blank-corrected,
// the segment turns it into a concentration, the weight/solvent/dilution/revision correction
// scales it, and it becomes the X of the point. Walking the points in order, each blank sample's
// reading becomes the blank value for the samples after it, up to the next blank.
#include <algorithm>

#include "calibration/SegmentSearch.h"
#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "unknowns/UVUnknownData.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// A correction the host never sized for the sample leaves the concentration as it is.
double dCorrection(const std::vector<double>& values, int iSamp) {
    return tReadChecked(values, iSamp, static_cast<long>(values.size()), 1.0);
}

}  // namespace

bool CUVUnknownData::bHasPointIndex(int iSamp, int iRep) const {
    return iSamp >= 0 && iSamp < m_iNumSamp && iRep >= 0 && iRep < m_iNumRep;
}

double CUVUnknownData::dReading(int iPoint) const {
    return bHasPoint(iPoint) ? m_vPoints[static_cast<size_t>(iPoint)].y : kNoValue;
}

void CUVUnknownData::vStoreConc(int iPoint, double dConc, double dEvaluatedReading) {
    if (!bHasPoint(iPoint)) {
        return;
    }
    const auto i = static_cast<size_t>(iPoint);
    vSizeEvaluatedReadings(i + 1);
    vStoreConcAt(i, dConc, dEvaluatedReading);
}

void CUVUnknownData::vSizeEvaluatedReadings(size_t iPoints) {
    // Entries past those stored read as no value, as a point never evaluated does.
    if (m_vdEvaluatedReading.size() < iPoints) {
        m_vdEvaluatedReading.resize(std::max(iPoints, static_cast<size_t>(m_iNumPts)), kNoValue);
    }
}

void CUVUnknownData::vStoreConcAt(size_t i, double dConc, double dEvaluatedReading) {
    m_vdX[i] = dConc;
    m_vPoints[i].x = dConc;
    m_vdEvaluatedReading[i] = dEvaluatedReading;
}

double CUVUnknownData::dGetEvaluatedReading(int iPoint) const {
    return tReadChecked(m_vdEvaluatedReading, iPoint, m_iNumPts, kNoValue);
}

double CUVUnknownData::dCorrectConcBlk(int iPoint) const {
    if (!bHasPoint(iPoint) || m_iNumRep <= 0) {
        return kNoValue;
    }
    const double y = dReading(iPoint);
    if (m_bBlkOK == 1 && iGetSampleNo(iPoint / m_iNumRep) != kBlankSampleNo) {
        return y - dGetBlkData() + m_dConc0Data;
    }
    return y;
}

double CUVUnknownData::dAmountCorrected(int iSamp, double dConc) const {
    const CUVInstrParameters* pInst = pGetInstParam();
    if (pInst == nullptr || pInst->m_bConcCorrect == 0 || m_bConcRevision == 0) {
        return dConc;
    }
    // Multiplied in this order, as concentrations reported so far were.
    return dCorrection(m_vdSolvent, iSamp) / dCorrection(m_vdWeightSetting, iSamp) * dConc *
           dCorrection(m_vdDilutionRatio, iSamp) * dCorrection(m_vdRevisionCoef, iSamp);
}

void CUVUnknownData::vCalcConcBlk(int iPoint, const CCalibSegment* pSegment) {
    if (!bHasPoint(iPoint) || m_iNumRep <= 0) {
        return;
    }
    const int iSamp = iPoint / m_iNumRep;
    const double y = dReading(iPoint);
    double dConc = 0.0;
    double dEvaluated = kNoValue;
    if (m_bBlkOK == 1 && iGetSampleNo(iSamp) == kBlankSampleNo) {
        vSetBlkData(y);
    } else if (pSegment == nullptr) {
        // No segment covers the reading: the point has no concentration, and no correction can
        // turn the marker into a number.
        vStoreConc(iPoint, kNoValue, kNoValue);
        return;
    } else {
        dEvaluated = dCorrectConcBlk(iPoint);
        dConc = pSegment->dEvaluateX(dEvaluated);
    }
    vStoreConc(iPoint, dAmountCorrected(iSamp, dConc), dEvaluated);
}

const CCalibSegment* CUVUnknownData::pChooseSegment(const CCalibList& list,
                                                    const CSegmentSearch& search,
                                                    double dReading) const {
    if (const CCalibSegment* pSegment = search.pFirstCovering(dReading)) {
        return pSegment;
    }
    // Off the curve: the end segment that lies on the reading's side, the lower end deciding when
    // both apply. A gap between segments, or a reading that is not a number, has none.
    const CCalibSegment* pFirst = list.GetAt(0);
    const CCalibSegment* pLast = list.GetAt(list.GetUpperBound());
    if (pFirst == nullptr || pLast == nullptr) {
        return nullptr;
    }
    const CCalibSegment* pChosen = nullptr;
    if (pFirst->m_dYMax < pLast->m_dYMax) {
        if (pLast->m_dYMax < dReading) {
            pChosen = pLast;
        }
    } else if (pFirst->m_dYMax < dReading) {
        pChosen = pFirst;
    }
    if (pLast->m_dYMin <= pFirst->m_dYMin) {
        if (pLast->m_dYMin > dReading) {
            pChosen = pLast;
        }
    } else if (pFirst->m_dYMin > dReading) {
        pChosen = pFirst;
    }
    return pChosen;
}

void CUVUnknownData::vCalcConc(int iSamp, int iRep, const CCalibList* pCalibList) {
    if (pCalibList == nullptr || pCalibList->IsEmpty() || !bHasPointIndex(iSamp, iRep)) {
        return;
    }
    vCalcConcRange(iSamp * m_iNumRep + iRep, 1, *pCalibList);
    if (iRep == m_iNumRep - 1) {
        vCalcStatistics();
    }
}

void CUVUnknownData::vCalcConc(const CCalibList* pCalibList) {
    if (pCalibList == nullptr || pCalibList->IsEmpty()) {
        return;
    }
    vCalcConcRange(0, m_iNumPts, *pCalibList);
    vCalcStatistics();
}

void CUVUnknownData::vCalcConcBlock(int iFirstPoint, int iNumPoints, const CCalibList* pCalibList) {
    if (pCalibList == nullptr || pCalibList->IsEmpty() || iFirstPoint < 0 || iNumPoints <= 0 ||
        m_iNumRep <= 0) {
        return;
    }
    const long iEnd = std::min(static_cast<long>(iFirstPoint) + iNumPoints,
                               static_cast<long>(m_iNumSamp) * m_iNumRep);
    vCalcConcRange(iFirstPoint, static_cast<int>(std::max(iEnd - iFirstPoint, 0L)), *pCalibList);
}

void CUVUnknownData::vCalcConcRange(int iFirstPoint, int iNumPoints, const CCalibList& list) {
    // The order of the segments' ranges is read once for the whole range of points, and the range
    // is held once to the points the document has, so that each point is read directly: a large
    // import computes every concentration through here.
    const CSegmentSearch search(list);
    const long iFirst = std::max(iFirstPoint, 0);
    const long iEnd =
        std::min({static_cast<long>(iFirstPoint) + iNumPoints, static_cast<long>(m_iMaxPts),
                  static_cast<long>(iPointSlots()), static_cast<long>(m_vbMeasured.size())});
    if (iEnd <= iFirst || m_iNumRep <= 0) {
        return;
    }
    vSizeEvaluatedReadings(static_cast<size_t>(iEnd));
    for (long p = iFirst; p < iEnd; ++p) {
        const auto i = static_cast<size_t>(p);
        if (m_vbMeasured[i] == 0) {
            continue;
        }
        const int iSamp = static_cast<int>(p / m_iNumRep);
        const double y = m_vPoints[i].y;
        if (m_bBlkOK == 1 && iGetSampleNo(iSamp) == kBlankSampleNo) {
            vSetBlkData(y);
            vStoreConcAt(i, dAmountCorrected(iSamp, 0.0), kNoValue);
            continue;
        }
        const double dEvaluated = m_bBlkOK == 1 ? y - dGetBlkData() + m_dConc0Data : y;
        const CCalibSegment* pSegment = pChooseSegment(list, search, dEvaluated);
        if (pSegment == nullptr) {
            vStoreConcAt(i, kNoValue, kNoValue);
        } else {
            vStoreConcAt(i, dAmountCorrected(iSamp, pSegment->dEvaluateX(dEvaluated)), dEvaluated);
        }
    }
}

void CUVUnknownData::vCalcConc(int iSamp, int iRep) {
    if (!bHasPointIndex(iSamp, iRep)) {
        return;
    }
    const int iPoint = iSamp * m_iNumRep + iRep;
    if (bGetMeasured(iPoint) != 0) {
        vCalcConcBlk(iPoint, &m_ManualSeg);
    }
    if (iRep == m_iNumRep - 1) {
        vCalcStatistics();
    }
}

void CUVUnknownData::vCalcConc() {
    for (int p = 0; p < m_iNumPts; ++p) {
        if (bGetMeasured(p) != 0) {
            vCalcConcBlk(p, &m_ManualSeg);
        }
    }
    vCalcStatistics();
}
