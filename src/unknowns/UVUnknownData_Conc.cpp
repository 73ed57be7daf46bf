// Concentrations of the unknowns: the blank, the choice of calibration segment, the amount
// correction.
//
// For one point, in this order: its reading (the displayed photometric value) is blank-corrected,
// the segment turns it into a concentration, the weight/solvent/dilution/revision correction
// scales it, and it becomes the X of the point. Walking the points in order, each blank sample's
// reading becomes the blank value for the samples after it, up to the next blank.
#include <algorithm>
#include <vector>

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

// The calibration segment that evaluates a reading: the first in curve order whose reading range
// holds it, bounds included; off the curve, the end segment that lies on the reading's side, the
// lower end deciding when both apply; none in a gap between segments or for a reading that is not a
// number. The ranges and the end segments are read from the list once, so that a block of readings
// is matched against them without going back to the list for each.
class CSegmentChoice {
public:
    explicit CSegmentChoice(const CCalibList& list) {
        m_vRanges.reserve(static_cast<size_t>(list.GetSize()));
        for (INT_PTR i = 0; i < list.GetSize(); ++i) {
            if (const CCalibSegment* pSegment = list.GetAt(i)) {
                m_vRanges.push_back({pSegment->m_dYMin, pSegment->m_dYMax, pSegment});
            }
        }
        const CCalibSegment* pFirst = list.GetAt(0);
        const CCalibSegment* pLast = list.GetAt(list.GetUpperBound());
        if (pFirst != nullptr && pLast != nullptr) {
            m_pAbove = pFirst->m_dYMax < pLast->m_dYMax ? pLast : pFirst;
            m_pBelow = pLast->m_dYMin <= pFirst->m_dYMin ? pLast : pFirst;
        }
    }

    const CCalibSegment* pFor(double dReading) const {
        for (const CRange& range : m_vRanges) {
            if (dReading >= range.dYMin && dReading <= range.dYMax) {
                return range.pSegment;
            }
        }
        if (m_pAbove == nullptr) {
            return nullptr;
        }
        if (m_pBelow->m_dYMin > dReading) {
            return m_pBelow;
        }
        return m_pAbove->m_dYMax < dReading ? m_pAbove : nullptr;
    }

private:
    struct CRange {
        double dYMin;
        double dYMax;
        const CCalibSegment* pSegment;
    };
    std::vector<CRange> m_vRanges;
    const CCalibSegment* m_pAbove = nullptr;  // the end segment above the curve's top
    const CCalibSegment* m_pBelow = nullptr;  // the end segment below its bottom
};

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
    m_vdX[i] = dConc;
    m_vPoints[i].x = dConc;
    if (m_vdEvaluatedReading.size() <= i) {
        m_vdEvaluatedReading.resize(std::max(i + 1, static_cast<size_t>(m_iNumPts)), kNoValue);
    }
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
    const CSegmentChoice choice(list);
    for (int p = iFirstPoint; p < iFirstPoint + iNumPoints; ++p) {
        if (bGetMeasured(p) != 0) {
            vCalcConcBlk(p, choice.pFor(dCorrectConcBlk(p)));
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
