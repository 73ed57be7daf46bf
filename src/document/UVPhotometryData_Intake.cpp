// Measurement intake: the host hands the document the readings of one point per call, as they are
// measured. Readings go to the raw array at the reading cursor; the point they complete is marked
// measured and gets its XY point (X = the sample's concentration, Y = its photometric value).
//
// The intake may run on a feeder thread: the locked operations hold the data set's lock for their
// whole length, including the decision whether there is room left.
#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/UVPhotometryData.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {
using Lock = std::lock_guard<std::recursive_mutex>;
}  // namespace

int CUVPhotometryData::iStoreAtCursor(const CDoublePt* pReadings, int n) {
    n = std::min(n, iIntakeCapacity() - m_iCursor);
    if (pReadings == nullptr || n <= 0 || m_iNumActWave <= 0) {
        return 0;
    }
    for (int i = 0; i < n; ++i) {
        m_vdRawData[static_cast<size_t>(m_iCursor + i)] = pReadings[i].y;
    }
    m_iCursor += n;
    // The point the cursor has just completed (or entered, for a partial point).
    const int m = iRoundHalfAway(static_cast<double>(m_iCursor) / m_iNumActWave);
    vMarkMeasured(m <= 1 ? 0 : m - 1);
    return n;
}

void CUVPhotometryData::vMarkMeasured(int iPoint) {
    vSetMeasured(iPoint, 1);
    vSetManualStd(iPoint, 0);
}

int CUVPhotometryData::iAppendMeasuredPoint(int iPoint, bool bDisplay) {
    const int iSamp = iPoint / m_iNumRep;
    if (!bHasSample(iSamp)) {
        return 0;
    }
    CDoublePt point(m_vdConc[static_cast<size_t>(iSamp)], 0.0);
    if (m_iQuantType == kWavelengthQuant) {
        point.y = dStoredPointValue(iPoint, false);
    }
    return bDisplay ? iAppendValue(point) : iAppendStoredValue(point);
}

int CUVPhotometryData::iAddValues(const CDoublePt* pReadings, int n) {
    const Lock lock(GetLock());
    if (iStoreAtCursor(pReadings, n) == 0 || m_iNumRep <= 0) {
        return 0;
    }
    return iAppendMeasuredPoint(std::max(m_iCursor / m_iNumActWave - 1, 0));
}

bool CUVPhotometryData::bTakesWholePoints() const {
    return m_iNumActWave > 0 && m_iNumRep > 0 && m_iCursor % m_iNumActWave == 0 &&
           iIntakeCapacity() % m_iNumActWave == 0;
}

bool CUVPhotometryData::bRemeasurePending() const {
    return m_iRemeasureSamp >= 0 && m_iRemeasureRep >= 0;
}

int CUVPhotometryData::iAddValuesOneByOne(const double* pdReadings, const int* pbSkipped,
                                          int iNumPoints) {
    const int W = std::max(m_iNumActWave, 0);
    std::vector<CDoublePt> readings(static_cast<size_t>(W));
    int iAdded = 0;
    for (int i = 0; i < iNumPoints; ++i) {
        if (pbSkipped != nullptr && pbSkipped[i] != 0) {
            vSkipData();
            continue;
        }
        for (int k = 0; k < W; ++k) {
            readings[static_cast<size_t>(k)].y = pdReadings[static_cast<size_t>(i) * W + k];
        }
        iAdded += iAddValues(readings.data(), W);
    }
    return iAdded;
}

int CUVPhotometryData::iAddValuesBlock(const double* pdReadings, const int* pbSkipped,
                                       int iNumPoints) {
    const Lock lock(GetLock());
    if (pdReadings == nullptr || iNumPoints <= 0) {
        return 0;
    }
    if (!bTakesWholePoints() || bRemeasurePending()) {
        // A cursor inside a point, room for part of a point only, or a point to be measured again
        // first: the document's own intake takes the points, so that its clipping and routing
        // hold.
        return iAddValuesOneByOne(pdReadings, pbSkipped, iNumPoints);
    }
    const int W = m_iNumActWave;
    const int n = std::min(iNumPoints, (iIntakeCapacity() - m_iCursor) / W);
    const int iFirstShown = m_iNumPts;
    int iAdded = 0;
    for (int i = 0; i < n; ++i) {
        if (pbSkipped != nullptr && pbSkipped[i] != 0) {
            vSkipAtCursor(false);
            continue;
        }
        const int iPoint = m_iCursor / W;
        std::copy_n(pdReadings + static_cast<size_t>(i) * W, W,
                    m_vdRawData.data() + static_cast<size_t>(m_iCursor));
        m_iCursor += W;
        vMarkMeasured(iPoint);
        iAdded += iAppendMeasuredPoint(iPoint, false);
    }
    vFillDisplayPoints(iFirstShown, m_iNumPts);
    return iAdded;
}

int CUVPhotometryData::iSetValues(const CDoublePt* pReadings, int n, int iPoint) {
    const Lock lock(GetLock());
    if (pReadings == nullptr || n <= 0 || m_iNumActWave <= 0 || m_iNumRep <= 0 ||
        !bHasPointSlot(iPoint)) {
        return 0;
    }
    const int iFirst = iPoint * m_iNumActWave;
    if (iFirst >= iIntakeCapacity()) {
        return 0;
    }
    // A split point is written by two calls, the second continuing after the readings of the
    // first; no call writes past the point's own readings.
    const int iOffset = m_iRemeasureSplit >= 0 ? m_iRemeasureSplit : 0;
    const int iStored =
        std::clamp(std::min(n, m_iNumActWave - iOffset), 0, iIntakeCapacity() - iFirst - iOffset);
    for (int i = 0; i < iStored; ++i) {
        m_vdRawData[static_cast<size_t>(iFirst + iOffset + i)] = pReadings[i].y;
    }
    m_iRemeasureSplit = m_iRemeasureSplit == 0 ? iStored : -1;
    vSetMeasured(iPoint, 1);

    const int iSamp = iPoint / m_iNumRep;
    if (!bHasSample(iSamp)) {
        return 0;
    }
    CDoublePt point(m_vdConc[static_cast<size_t>(iSamp)], 0.0);
    if (m_iQuantType == kWavelengthQuant) {
        // The value comes from the readings of this call when they make a whole point; the half of
        // a split point takes the other half from the stored readings.
        double dPassed[3] = {0.0, 0.0, 0.0};
        const bool bWholePoint = iOffset == 0 && n >= m_iNumActWave && m_iNumActWave <= 3;
        for (int i = 0; bWholePoint && i < m_iNumActWave; ++i) {
            dPassed[i] = pReadings[i].y;
        }
        point.y = bWholePoint ? dPhotometricValue(dPassed, m_iNumActWave)
                              : dStoredPointValue(iPoint, false);
    }
    return CDataXY::iSetValue(point, iPoint);
}

int CUVPhotometryData::iAddXYValues(const CDoublePt* pReadings, int n) {
    const Lock lock(GetLock());
    iStoreAtCursor(pReadings, n);
    return 0;
}

int CUVPhotometryData::iMChangeValues(const CDoublePt* pReadings, int iPoint) {
    const Lock lock(GetLock());
    if (pReadings == nullptr || !bHasPointSlot(iPoint)) {
        return 0;
    }
    // The typed value is an absorbance for wavelength quantitation, the value itself otherwise.
    const double y = pReadings[0].y;
    const double dTransmittance = 1.0 / std::pow(10.0, y);
    if (m_iQuantType == kWavelengthQuant && m_iNumActWave == 1) {
        bWriteChecked(m_vdRawData, iPoint, m_iRawCapacity, dTransmittance);
    }
    vSetMeasured(iPoint, 1);
    vSetManualStd(iPoint, 1);
    m_vdManualValue[static_cast<size_t>(iPoint)] =
        m_iQuantType == kWavelengthQuant ? dTransmittance : y;

    const int iSamp = m_iNumRep > 0 ? iPoint / m_iNumRep : -1;
    if (!bHasSample(iSamp) || iPoint >= m_iNumPts) {
        return 0;
    }
    const auto i = static_cast<size_t>(iPoint);
    m_vdX[i] = m_vdConc[static_cast<size_t>(iSamp)];
    m_vdY[i] = y;
    m_vPoints[i] = CDoublePt(dCalcX(m_vdX[i]), dRoundDecimals(y, m_iDataDecimals));
    return 1;
}

void CUVPhotometryData::vSkipData() {
    const Lock lock(GetLock());
    vSkipAtCursor();
}

void CUVPhotometryData::vSkipAtCursor(bool bDisplay) {
    if (m_iNumActWave <= 0 || m_iCursor >= iIntakeCapacity()) {
        return;
    }
    const int iPoint = m_iCursor / m_iNumActWave;
    vSetMeasured(iPoint, 0);
    vSetManualStd(iPoint, 0);
    const int iSamp = m_iNumRep > 0 ? iPoint / m_iNumRep : -1;
    const CDoublePt point = bHasSample(iSamp)
                                ? CDoublePt(m_vdConc[static_cast<size_t>(iSamp)], kSkipMarker)
                                : CDoublePt(0.0, 0.0);
    if (bDisplay) {
        iAppendValue(point);
    } else {
        iAppendStoredValue(point);
    }
    m_iCursor = std::min(m_iCursor + m_iNumActWave, iIntakeCapacity());
}

void CUVPhotometryData::vRepeatData() {
    const Lock lock(GetLock());
    if (m_iNumActWave <= 0 || m_iCursor < m_iNumActWave) {
        return;
    }
    m_iCursor -= m_iNumActWave;
    if (m_iNumPts > 0) {
        --m_iNumPts;
    }
    const int iPoint = m_iCursor / m_iNumActWave;
    vSetMeasured(iPoint, 0);
    vSetManualStd(iPoint, 0);
}

int CUVPhotometryData::bDeleteData(int iSamp, int iRep) {
    if (iSamp < 0 || iSamp >= m_iNumSamp || iRep < 0 || iRep >= m_iNumRep) {
        return 0;
    }
    const int iPoint = iSamp * m_iNumRep + iRep;
    const int bWasMeasured = bGetMeasured(iPoint);
    if (bWasMeasured != 0) {
        vSetMeasured(iPoint, 0);
        vSetManualStd(iPoint, 0);
    }
    return bWasMeasured;
}

void CUVPhotometryData::vSetRemeasureMode(int iSamp, int iRep, int iSplit) {
    m_iRemeasureSamp = iSamp;
    m_iRemeasureRep = iRep;
    m_iRemeasureSplit = iSplit;
}

int CUVPhotometryData::iRemeasurePoint() const {
    // A replicate the document does not have must not land on another sample's point.
    if (m_iRemeasureSamp < 0 || m_iRemeasureSamp >= m_iNumSamp || m_iRemeasureRep < 0 ||
        m_iRemeasureRep >= m_iNumRep) {
        return -1;
    }
    return m_iRemeasureSamp * m_iNumRep + m_iRemeasureRep;
}

double CUVPhotometryData::dRawAt(int iPoint, int iReading, int iPointsPerSample) const {
    const int iReadingsPerPoint = m_iNumActWave != 0 ? m_iNumActWave : m_iNumMethodWave;
    if (iReading < 0 || iReading >= iReadingsPerPoint || iPoint < 0 ||
        iPoint >= m_iNumSamp * iPointsPerSample) {
        return kNoValue;
    }
    const long index = static_cast<long>(iPoint) * iReadingsPerPoint + iReading;
    return bIndexWithin(index, m_iRawCapacity, m_vdRawData.size())
               ? dCalcY(m_vdRawData[static_cast<size_t>(index)])
               : kNoValue;
}

double CUVPhotometryData::dGetAbs(int iSamp, int iRep, int iReading) const {
    if (iSamp < 0 || iSamp >= m_iNumSamp || iRep < 0 || iRep >= m_iNumRep) {
        return kNoValue;
    }
    return dRawAt(iSamp * m_iNumRep + iRep, iReading, m_iNumRep);
}

double CUVPhotometryData::dGetAbsXY(int iSamp, int iCoord, int iReading) const {
    if (iSamp < 0 || iSamp >= m_iNumSamp || iCoord < 0 || iCoord >= m_iNumCoord) {
        return kNoValue;
    }
    return dRawAt(iSamp * m_iNumCoord + iCoord, iReading, m_iNumCoord);
}
