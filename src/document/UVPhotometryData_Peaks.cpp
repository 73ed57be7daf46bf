// Peak and derivative quantitation: for peak area, peak height and derivative analyses a point is a
// whole spectrum. Its Y values are stored as the point's readings (W is then the number of spectrum
// points) and reduced to one value:
//   peak area / height: the first peak, in list order, whose apex lies within
//                       [peak apex - peak range, peak apex + peak range], both ends included;
//   derivative:         |d^n A / d(point)^n| of the Savitzky-Golay smoothed spectrum at the point
//                       nearest the derivative wavelength (spectra run downward from the scan
//                       start, point i lying at start - i * interval).
// The stored spectra can be reduced again after the peak or derivative settings have changed.
#include <algorithm>
#include <cmath>
#include <mutex>
#include <vector>

#include "contracts/framework/MessageBox.h"
#include "contracts/numkit/PeakArea.h"
#include "contracts/numkit/PeakFinder.h"
#include "contracts/numkit/PeakList.h"
#include "contracts/numkit/SavitzkyGolay.h"
#include "contracts/scankit/UVWaveData.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {

using Lock = std::lock_guard<std::recursive_mutex>;

// A derivative needs a half window of at least this many points: spectra of fewer than 12 points.
constexpr int kMinDerivHalfWindow = 5;

}  // namespace

bool CUVPhotometryData::bWithinPeakWindow(double dWavelength) const {
    return dWavelength >= m_dPeakApex - m_dPeakRange && dWavelength <= m_dPeakApex + m_dPeakRange;
}

int CUVPhotometryData::iDerivIndex() const {
    if (!m_pInstParam || m_pInstParam->m_dDataInterval == 0.0) {
        return -1;
    }
    const double dIndex =
        (m_pInstParam->m_dStartWL - m_dPhotomDiffWL) / m_pInstParam->m_dDataInterval;
    return std::fabs(dIndex) < 2147483646.0 ? iRoundHalfAway(dIndex) : -1;
}

double CUVPhotometryData::dSpectrumValue(CUVWaveData* pWaveData, bool bWarn) const {
    if (bIsPeakQuant(m_iQuantType)) {
        pWaveData->iIntegrate(m_iIntegMethod, m_iSensitivity, m_dThreshold, 0);
        const CPeakList* pPeaks = pWaveData->pGetPeakList();
        for (INT_PTR i = 0; i < pPeaks->GetSize(); ++i) {
            const CPeak* pPeak = pPeaks->GetAt(i);
            if (bWithinPeakWindow(pWaveData->GetValue(pPeak->m_iApex).x)) {
                return m_iQuantType == kPeakAreaQuant ? pPeak->m_dArea : pPeak->m_dHeight;
            }
        }
        return 0.0;
    }
    if (m_iQuantType != kDerivativeQuant) {
        return 0.0;
    }
    const int iNumPoints = pWaveData->iGetNumPts();
    const int iHalfWindowLimit = iNumPoints / 2 - 1;
    if (iHalfWindowLimit < kMinDerivHalfWindow) {
        if (bWarn) {
            AfxMessageBox(sModuleString(kTooFewPointsMessage), MB_OK | MB_ICONEXCLAMATION);
        }
        return 0.0;
    }
    pWaveData->vSmoothSGGen(1, std::min(m_iDerivWindow, iHalfWindowLimit), m_iDerivSmoothOrder,
                            m_iDerivOrder);
    const int i = iDerivIndex();
    return i >= 0 && i < iNumPoints ? std::fabs(pWaveData->pdGetYData()[i]) : 0.0;
}

int CUVPhotometryData::iAddPeakValues(CUVWaveData* pWaveData) {
    const Lock lock(GetLock());
    if (pWaveData == nullptr || m_iNumActWave <= 0 || m_iNumRep <= 0) {
        return 0;
    }
    // A spectrum fills exactly one point: a longer one is cut, a shorter one leaves the rest of
    // the point's readings at 0, so the next spectrum starts on its own point.
    const int iRoom = std::min(m_iNumActWave, iIntakeCapacity() - m_iCursor);
    if (iRoom <= 0) {
        return 0;
    }
    const int n = std::clamp(pWaveData->iGetNumPts(), 0, iRoom);
    std::copy_n(pWaveData->pdGetYData(), n, m_vdRawData.begin() + m_iCursor);
    std::fill_n(m_vdRawData.begin() + m_iCursor + n, iRoom - n, 0.0);
    m_iCursor += iRoom;
    const int iPoint = std::max(m_iCursor / m_iNumActWave - 1, 0);
    vSetMeasured(iPoint, 1);
    vSetManualStd(iPoint, 0);
    const int iSamp = iPoint / m_iNumRep;
    if (!bHasSample(iSamp)) {
        return 0;
    }
    const CDoublePt point(m_vdConc[static_cast<size_t>(iSamp)], dSpectrumValue(pWaveData, true));
    return CDataXY::iAddValue(point);
}

int CUVPhotometryData::iSetPeakValues(CUVWaveData* pWaveData, int iPoint) {
    const Lock lock(GetLock());
    if (pWaveData == nullptr || m_iNumActWave <= 0 || m_iNumRep <= 0 || !bHasPointSlot(iPoint)) {
        return 0;
    }
    // The spectrum replaces the point's own readings only, never those of the next point.
    const int iFirst = iPoint * m_iNumActWave;
    const int n = std::min({pWaveData->iGetNumPts(), m_iNumActWave, iIntakeCapacity() - iFirst});
    if (n > 0) {
        std::copy_n(pWaveData->pdGetYData(), n, m_vdRawData.begin() + iFirst);
    }
    vSetMeasured(iPoint, 1);
    vSetManualStd(iPoint, 0);
    const int iSamp = iPoint / m_iNumRep;
    if (!bHasSample(iSamp)) {
        return 0;
    }
    const CDoublePt point(m_vdConc[static_cast<size_t>(iSamp)], dSpectrumValue(pWaveData, true));
    return CDataXY::iSetValue(point, iPoint);
}

void CUVPhotometryData::vPrepareInstForRecalc() {
    if (m_pInstParam) {
        m_pInstParam->m_iMeasMode = 0;
        m_pInstParam->vUpdate();
        m_pInstParam->m_iMeasMode = 2;
    }
}

std::vector<CDoublePt> CUVPhotometryData::StoredSpectrum(int iPoint, bool bWithX) const {
    // Absorbance of each stored reading, rounded to the data decimals, then path-corrected.
    std::vector<CDoublePt> points(static_cast<size_t>(m_iNumActWave));
    const size_t first = static_cast<size_t>(iPoint) * static_cast<size_t>(m_iNumActWave);
    for (size_t k = 0; k < points.size(); ++k) {
        const double dReading = first + k < m_vdRawData.size() ? m_vdRawData[first + k] : 0.0;
        double y = dRoundDecimals(dAbsorbance(dReading), m_iDataDecimals);
        if (m_bPathLengthCorrect == 1) {
            y = y * 10.0 / m_dPathLength;
        }
        points[k] = CDoublePt(bWithX ? dCalcX(static_cast<double>(k) + m_iFirstX) : 0.0, y);
    }
    return points;
}

double CUVPhotometryData::dStoredPeakValue(int iPoint, CPeakList& peaks) const {
    const std::vector<CDoublePt> spectrum = StoredSpectrum(iPoint, true);
    const int iNumPoints = static_cast<int>(spectrum.size());
    CPeakFinder(iNumPoints, spectrum.data(), m_iSensitivity, m_dThreshold).vCopyPeaks(peaks, 0);

    std::vector<double> y(spectrum.size());
    std::transform(spectrum.begin(), spectrum.end(), y.begin(),
                   [](const CDoublePt& point) { return point.y; });
    const double dInterval = m_pInstParam ? m_pInstParam->m_dDataInterval : 1.0;
    const double dStart = m_pInstParam ? m_pInstParam->m_dStartWL : 0.0;
    for (INT_PTR i = 0; i < peaks.GetSize(); ++i) {
        CPeak* pPeak = peaks.GetAt(i);
        if (pPeak->m_iApex < 0 || pPeak->m_iApex >= iNumPoints) {
            continue;
        }
        pPeak->m_dHeight = y[static_cast<size_t>(pPeak->m_iApex)];
        pPeak->m_dArea = dPeakArea(y.data(), iNumPoints, pPeak->m_iStart, pPeak->m_iEnd, dInterval,
                                   m_iIntegMethod);
    }
    for (INT_PTR i = 0; i < peaks.GetSize(); ++i) {
        const CPeak* pPeak = peaks.GetAt(i);
        if (bWithinPeakWindow(dStart - pPeak->m_iApex * dInterval)) {
            return m_iQuantType == kPeakAreaQuant     ? pPeak->m_dArea
                   : m_iQuantType == kPeakHeightQuant ? pPeak->m_dHeight
                                                      : 0.0;
        }
    }
    return 0.0;
}

void CUVPhotometryData::vCalculatePeakValues() {
    vPrepareInstForRecalc();
    CPeakList peaks;
    for (int iPoint = 0; iPoint < m_iNumSamp * m_iNumRep && m_iNumActWave > 0; ++iPoint) {
        CDoublePt point(dGetConc(iPoint / m_iNumRep), dStoredPeakValue(iPoint, peaks));
        if (bGetManualStd(iPoint) != 0) {
            point.y = m_vdManualValue[static_cast<size_t>(iPoint)];
        }
        CDataXY::iSetValue(point, iPoint);
        peaks.vDeleteAll();
    }
    vSetRangesFromData();
}

void CUVPhotometryData::vCalculateDerivValues() {
    vPrepareInstForRecalc();
    const int iHalfWindowLimit = m_iNumActWave / 2 - 1;
    for (int iPoint = 0; iPoint < m_iNumSamp * m_iNumRep && m_iNumActWave > 0; ++iPoint) {
        CDoublePt point(dGetConc(iPoint / m_iNumRep), 0.0);
        if (iHalfWindowLimit >= kMinDerivHalfWindow) {
            std::vector<CDoublePt> spectrum = StoredSpectrum(iPoint, false);
            vSmoothSGGen(spectrum.data(), m_iNumActWave, 1,
                         std::min(m_iDerivWindow, iHalfWindowLimit), m_iDerivSmoothOrder,
                         m_iDerivOrder, 0);
            const int i = iDerivIndex();
            point.y =
                i >= 0 && i < m_iNumActWave ? std::fabs(spectrum[static_cast<size_t>(i)].y) : 0.0;
        }
        if (bGetManualStd(iPoint) != 0) {
            point.y = m_vdManualValue[static_cast<size_t>(iPoint)];
        }
        CDataXY::iSetValue(point, iPoint);
    }
    vSetRangesFromData();
}
