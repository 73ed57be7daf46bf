// The standards document: construction, measurement routing, calibration and axis ranges.
#include "calibration/UVStandardData.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "calibration/CalibOptions.h"
#include "calibration/CalibWeighting.h"
#include "calibration/SegmentSearch.h"
#include "contracts/numkit/LeastSquaresFit.h"
#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CUVStandardData, CUVPhotometryData)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// Sorts by concentration; standards of equal concentration keep the order in which they were
// measured. A concentration that is not a number sorts last, so that the order stays a strict one.
template <class T, class Conc>
void vSortByConcentration(std::vector<T>& items, Conc dConcOf) {
    std::stable_sort(items.begin(), items.end(), [&dConcOf](const T& a, const T& b) {
        const double dA = dConcOf(a);
        const double dB = dConcOf(b);
        return std::isnan(dB) ? !std::isnan(dA) : dA < dB;
    });
}

// A reading that is not a number, infinite or the no-value marker says nothing about the curve:
// such a point is left out of the calibration as an unmeasured one is.
bool bCalibrationReading(double dReading) {
    return bHasValue(dReading) && std::isfinite(dReading);
}

}  // namespace

CUVStandardData::CUVStandardData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                                 int iNumMethodWave)
    : CUVPhotometryData(iQuantType, iNumSamp, iNumRep, iNumActWave, iNumMethodWave) {
    vSetName(sModuleString(kStandardsName));
    m_iCalibOpt = CCalibOptions().m_iValue;
    vSizeResults();
}

CUVStandardData::CUVStandardData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                                 int iNumMethodWave, double* pdRawData, double* pdWave,
                                 int* pbMeasured, double* pdConc, int* pbManual,
                                 double* pdManualValue)
    : CUVPhotometryData(iQuantType, iNumSamp, iNumRep, iNumActWave, iNumMethodWave, pdRawData,
                        pdWave, pbMeasured, pdConc, pbManual, pdManualValue, nullptr) {
    vSetName(sModuleString(kStandardsName));
    m_iCalibOpt = CCalibOptions().m_iValue;
    vSizeResults();
}

CUVStandardData::~CUVStandardData() {
    vDeleteSegments();
}

void CUVStandardData::vSizeResults() {
    // The results follow the sample count: a document re-dimensioned to more standards still has
    // a result for each of them.
    const auto n = static_cast<size_t>(m_iNumSamp);
    for (auto* results : {&m_vdPredictedConc, &m_vdDiff, &m_vdRelDiff, &m_vdTStat}) {
        if (results->size() < n) {
            results->resize(n, kNoValue);
        }
    }
}

void CUVStandardData::vDeleteSegments() {
    for (INT_PTR i = 0; i < m_CalibList.GetSize(); ++i) {
        delete m_CalibList.GetAt(i);
    }
    m_CalibList.RemoveAll();
}

void CUVStandardData::vClearCalibration() {
    vDeleteSegments();
    vSizeResults();
    for (auto* results : {&m_vdPredictedConc, &m_vdDiff, &m_vdRelDiff, &m_vdTStat}) {
        std::fill_n(results->begin(), m_iNumSamp, kNoValue);
    }
}

void CUVStandardData::vCopyCalibration(CPhotParamsObj* pParams) {
    CUVPhotometryData::vCopyCalibration(pParams);
    if (m_iQuantType == kDerivativeQuant) {
        vCalculateDerivValues();
    } else if (bIsPeakQuant(m_iQuantType)) {
        vCalculatePeakValues();
    }
    vCalibrate();
}

int CUVStandardData::iAddValues(const CDoublePt* pReadings, int n) {
    if (bRemeasurePending()) {
        return CUVPhotometryData::iSetValues(pReadings, n, iRemeasurePoint());
    }
    return CUVPhotometryData::iAddValues(pReadings, n);
}

int CUVStandardData::iAddPeakValues(CUVWaveData* pWaveData) {
    if (bRemeasurePending()) {
        const int iResult = CUVPhotometryData::iSetPeakValues(pWaveData, iRemeasurePoint());
        m_iRemeasureSamp = -1;
        m_iRemeasureRep = -1;
        return iResult;
    }
    return CUVPhotometryData::iAddPeakValues(pWaveData);
}

// ---------------------------------------------------------------------------------------------
// Calibration

void CUVStandardData::vCalibrate() {
    // Results of an earlier calibration never stay on show under a new one.
    vClearCalibration();
    m_iCalibRefusal = kRefusalNone;
    if (bIsPolynomialCalib(m_iCalibType)) {
        vFitPolynomial(m_iCalibType);
    } else if (m_iCalibType == kSegmentedCalib) {
        vBuildSegments();
    }
    vSetRangesFromData();
    if (!m_CalibList.IsEmpty()) {
        vSetBlkData(m_CalibList.GetAt(0)->dCalcConc0Data());
        vCalcStandardResults();
    }
}

CCalibSegment* CUVStandardData::pNewSegment(int iOrder) const {
    auto* pSegment = new CCalibSegment;
    pSegment->m_iOrder = iOrder;
    pSegment->m_iDirection = m_iCalibOpt;
    return pSegment;
}

std::vector<CCalibrationPoint> CUVStandardData::GetCalibrationPoints() const {
    // Every measured replicate enters the fit on its own; nothing is averaged.
    std::vector<CCalibrationPoint> points;
    for (int p = 0; p < m_iNumPts && bHasPoint(p); ++p) {
        const CDoublePt& point = m_vPoints[static_cast<size_t>(p)];
        if (bGetMeasured(p) != 0 && bCalibrationReading(point.y)) {
            points.push_back({p, m_iNumRep > 0 ? p / m_iNumRep : 0, point.x, point.y});
        }
    }
    vSortByConcentration(points, [](const CCalibrationPoint& point) { return point.dConc; });
    return points;
}

void CUVStandardData::vFitPolynomial(int iOrder) {
    const std::vector<CCalibrationPoint> points = GetCalibrationPoints();
    if (static_cast<int>(points.size()) < iOrder + 1) {
        m_iCalibRefusal = kRefusalTooFewPoints;
        return;
    }
    const detail::CCalibWeights weights(points, m_iWeighting);
    if (weights.iGetRefusal() != kRefusalNone) {
        m_iCalibRefusal = weights.iGetRefusal();
        return;
    }
    const std::vector<CDoublePt> pairs = detail::FitPairs(points, m_iCalibOpt);
    const CLeastSquaresFit fit(
        pairs.data(), static_cast<int>(pairs.size()), iOrder, m_bForceZero,
        weights.GetWeights().empty() ? nullptr : weights.GetWeights().data());
    if (fit.bIsValid() == 0) {
        m_iCalibRefusal = kRefusalFitFailed;
        return;
    }
    CCalibSegment* pSegment = pNewSegment(iOrder);
    pSegment->m_dXMin = m_bForceZero != 0 ? 0.0 : points.front().dConc;
    pSegment->m_dXMax = points.back().dConc;
    pSegment->m_dYMin = -kNoValue;
    pSegment->m_dYMax = kNoValue;
    for (int i = 0; i <= iOrder; ++i) {
        pSegment->m_dCoeff[i] = fit.dGetCoeff(i);
    }
    pSegment->m_dR = fit.dGetR();
    pSegment->m_dR2 = fit.dGetR2();
    m_CalibList.Add(pSegment);
}

bool CUVStandardData::bMeanReading(int iSamp, double& dMean) const {
    double dSum = 0.0;
    int iCount = 0;
    for (int r = 0; r < m_iNumRep; ++r) {
        const int p = iSamp * m_iNumRep + r;
        if (bHasPoint(p) && bGetMeasured(p) != 0 &&
            bCalibrationReading(m_vPoints[static_cast<size_t>(p)].y)) {
            dSum += m_vPoints[static_cast<size_t>(p)].y;
            ++iCount;
        }
    }
    if (iCount == 0) {
        return false;
    }
    dMean = dSum / iCount;
    return true;
}

void CUVStandardData::vBuildSegments() {
    if (m_iNumRep <= 0) {
        return;
    }
    // One (concentration, mean reading) pair per standard with a measured replicate.
    std::vector<CDoublePt> pairs;
    for (int s = 0; s < m_iNumPts / m_iNumRep; ++s) {
        double dMean = 0.0;
        if (bMeanReading(s, dMean)) {
            pairs.emplace_back(dGetConc(s), dMean);
        }
    }
    vSortByConcentration(pairs, [](const CDoublePt& pair) { return pair.x; });
    const bool bDirectionReading = m_iCalibOpt == kReadingFromConc;

    if (m_bForceZero != 0 && !pairs.empty() && std::fabs(pairs.front().x) > kEpsilon) {
        const CDoublePt first = pairs.front();
        CCalibSegment* pOrigin = pNewSegment(1);
        pOrigin->m_dXMin = 0.0;
        pOrigin->m_dXMax = first.x;
        pOrigin->m_dYMin = 0.0;
        pOrigin->m_dYMax = first.y;
        pOrigin->m_dCoeff[0] = 0.0;
        pOrigin->m_dCoeff[1] = bDirectionReading ? first.y / first.x : first.x / first.y;
        m_CalibList.Add(pOrigin);
    }
    for (size_t i = 0; i + 1 < pairs.size(); ++i) {
        const CDoublePt lo = pairs[i];
        const CDoublePt hi = pairs[i + 1];
        CCalibSegment* pSegment = pNewSegment(1);
        pSegment->m_dXMin = lo.x;
        pSegment->m_dXMax = hi.x;
        pSegment->m_dYMin = std::min(lo.y, hi.y);
        pSegment->m_dYMax = std::max(lo.y, hi.y);
        if (bDirectionReading) {
            pSegment->m_dCoeff[1] = (hi.y - lo.y) / (hi.x - lo.x);
            pSegment->m_dCoeff[0] = lo.y - pSegment->m_dCoeff[1] * lo.x;
        } else {
            // Equal mean readings give a flat segment rather than an infinite slope.
            pSegment->m_dCoeff[1] =
                std::fabs(hi.y - lo.y) <= kEpsilon ? 0.0 : (hi.x - lo.x) / (hi.y - lo.y);
            pSegment->m_dCoeff[0] = lo.x - pSegment->m_dCoeff[1] * lo.y;
        }
        m_CalibList.Add(pSegment);
    }
}

const CCalibSegment* CUVStandardData::pSegmentForReading(const CSegmentSearch& search,
                                                         double dReading) const {
    if (const CCalibSegment* pSegment = search.pFirstCovering(dReading)) {
        return pSegment;
    }
    // Off the curve: the end segment that reaches furthest in that direction.
    const CCalibSegment* pFirst = m_CalibList.GetAt(0);
    const CCalibSegment* pLast = m_CalibList.GetAt(m_CalibList.GetUpperBound());
    const CCalibSegment* pTop = pLast->m_dYMax > pFirst->m_dYMax ? pLast : pFirst;
    const CCalibSegment* pBottom = pFirst->m_dYMin < pLast->m_dYMin ? pFirst : pLast;
    if (dReading > pTop->m_dYMax) {
        return pTop;
    }
    if (dReading < pBottom->m_dYMin) {
        return pBottom;
    }
    return nullptr;
}

void CUVStandardData::vCalcStandardResults() {
    // 10^-(P+1) by P+1 divisions; decimal places are used within 0..kMaxDecimalPlaces.
    const int iDivisions = m_iXPrecision < 0 ? 0 : std::min(m_iXPrecision, kMaxDecimalPlaces) + 1;
    double dThreshold = 1.0;
    for (int i = 0; i < iDivisions; ++i) {
        dThreshold /= 10.0;
    }
    double dSumY = 0.0;
    double dSumD2 = 0.0;
    const CSegmentSearch search(m_CalibList);
    for (int s = 0; s < m_iNumSamp; ++s) {
        const auto i = static_cast<size_t>(s);
        m_vdPredictedConc[i] = m_vdDiff[i] = m_vdRelDiff[i] = m_vdTStat[i] = kNoStandardResult;
        double dMean = 0.0;
        if (!bMeanReading(s, dMean)) {
            continue;
        }
        dSumY += dMean;
        const CCalibSegment* pSegment = pSegmentForReading(search, dMean);
        if (pSegment == nullptr) {
            continue;
        }
        m_vdPredictedConc[i] = pSegment->dEvaluateX(dMean);
        m_vdDiff[i] = m_vdPredictedConc[i] - dGetConc(s);
        if (std::fabs(m_vdDiff[i]) < dThreshold) {
            m_vdDiff[i] = 0.0;
        }
        dSumD2 += m_vdDiff[i] * m_vdDiff[i];
    }
    if (m_iNumSamp == 1) {
        m_vdDiff[0] = m_vdRelDiff[0] = m_vdTStat[0] = 0.0;
        return;
    }
    // The mean runs over all standards; one without a measured point adds nothing but counts.
    const double dMeanY = dSumY / m_iNumSamp;
    const double dSD = std::sqrt(dSumD2 / (m_iNumSamp - 1));
    for (int s = 0; s < m_iNumSamp; ++s) {
        const auto i = static_cast<size_t>(s);
        m_vdRelDiff[i] = dMeanY > kEpsilon ? m_vdDiff[i] / dMeanY * 100.0 : 0.0;
        m_vdTStat[i] = dSD > kEpsilon && m_vdDiff[i] < kNoStandardResult ? m_vdDiff[i] / dSD : 0.0;
    }
}

// ---------------------------------------------------------------------------------------------
// Axis ranges and the curve

void CUVStandardData::vSetRangesFromData() {
    vSetRangesFromPoints();
    for (INT_PTR i = 0; i < m_CalibList.GetSize(); ++i) {
        const CCalibSegment& segment = *m_CalibList.GetAt(i);
        vWidenYRangeOverCurve(segment.m_dXMin, segment.m_dXMax,
                              [&segment](double x) { return segment.dEvaluateY(x); });
    }
}

CDoublePt CUVStandardData::GetPointFromX(double x, int* pFound) {
    if (m_CalibList.IsEmpty()) {
        return CUVPhotometryData::GetPointFromX(x, pFound);
    }
    const CCalibSegment* pSegment = m_CalibList.GetAt(m_CalibList.GetUpperBound());
    for (INT_PTR i = 0; i < m_CalibList.GetSize(); ++i) {
        if (m_CalibList.GetAt(i)->m_dXMax > x) {
            pSegment = m_CalibList.GetAt(i);
            break;
        }
    }
    if (pFound != nullptr) {
        *pFound = 1;
    }
    return {x, pSegment->dEvaluateY(x)};
}

// ---------------------------------------------------------------------------------------------
// Accessors

double CUVStandardData::dGetPredictedConc(int iSamp) const {
    return tReadChecked(m_vdPredictedConc, iSamp, m_iNumSamp, kNoValue);
}

double CUVStandardData::dGetDiff(int iSamp) const {
    return tReadChecked(m_vdDiff, iSamp, m_iNumSamp, kNoValue);
}

double CUVStandardData::dGetRelDiff(int iSamp) const {
    return tReadChecked(m_vdRelDiff, iSamp, m_iNumSamp, kNoValue);
}

double CUVStandardData::dGetTStat(int iSamp) const {
    return tReadChecked(m_vdTStat, iSamp, m_iNumSamp, kNoValue);
}
