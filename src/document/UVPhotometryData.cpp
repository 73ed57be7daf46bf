// Construction, dimensions, accessors and the display conversion of the photometry data document.
#include "document/UVPhotometryData.h"

#include <algorithm>
#include <cmath>

#include "contracts/paramkit/DataDisplayOptions.h"
#include "contracts/paramkit/UVMethod.h"
#include "contracts/xykit/GrowGeometrically.h"
#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/RoundingBlock.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CUVPhotometryData, CDataXY)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

constexpr int kInitialSampleNo = 1;
constexpr double kInitialSD = -1.0;  // no SD

}  // namespace

CUVPhotometryData::CUVPhotometryData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                                     int iNumMethodWave)
    : m_iQuantType(iQuantType) {
    const bool bFits = bRoomFor(iNumSamp, iNumRep, 0, iNumActWave);
    vDimension(bFits ? iNumSamp : 0, iNumRep, 0, iNumActWave, iNumMethodWave);
    vInitBaseState();
    vFixYMode(kAbsorbanceMode);
}

CUVPhotometryData::CUVPhotometryData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                                     int iNumMethodWave, double* pdRawData, double* pdWave,
                                     int* pbMeasured, double* pdConc, int* pbManual,
                                     double* pdManualValue, int* piSampleNo)
    : m_iQuantType(iQuantType),
      m_iNumRep(std::max(iNumRep, 0)),
      m_iNumActWave(iNumActWave > 0 ? iNumActWave : std::clamp(iNumMethodWave, 0, kMaxMethodWaves)),
      m_iNumMethodWave(std::clamp(iNumMethodWave, 0, kMaxMethodWaves)) {
    const bool bFits = detail::bDocumentFits(iNumSamp, iNumRep, 0, m_iNumActWave);
    vTakeArrays(bFits ? iNumSamp : 0, m_iNumRep, m_iNumActWave, pdRawData, pbMeasured, pdConc,
                pbManual, pdManualValue, piSampleNo);
    vReadMethodWaves(pdWave, m_iNumMethodWave);
    delete[] pdWave;
    m_iCursor = m_iRawCapacity;
    vRebuildPoints(true);
    vInitBaseState();
    vSetRangesFromData();
    vFixYMode(kAbsorbanceMode);
}

CUVPhotometryData::CUVPhotometryData(int iQuantType, int iNumSamp, int iNumCoord, int iNumRep,
                                     int iNumActWave, int iNumMethodWave, double* pdRawData,
                                     double* pdWave, int* pbMeasured, int* piSampleNo)
    : m_iQuantType(iQuantType),
      m_iNumRep(std::max(iNumRep, 0)),
      m_iNumCoord(std::max(iNumCoord, 0)),
      m_iNumActWave(std::max(iNumActWave, 0)),
      m_iNumMethodWave(std::clamp(iNumMethodWave, 0, kMaxMethodWaves)) {
    const bool bFits = detail::bDocumentFits(iNumSamp, iNumRep, iNumCoord, iNumActWave);
    vTakeArrays(bFits ? iNumSamp : 0, m_iNumCoord, m_iNumActWave, pdRawData, pbMeasured, nullptr,
                nullptr, nullptr, piSampleNo);
    vReadMethodWaves(pdWave, m_iNumMethodWave);
    delete[] pdWave;
    m_iCursor = m_iRawCapacity;
    m_iNumPts = m_iMaxPts;
    vInitBaseState();
    vSetRangesFromData();
    vFixYMode(kAbsorbanceMode);
}

CUVPhotometryData::~CUVPhotometryData() = default;

// ---------------------------------------------------------------------------------------------
// Storage

void CUVPhotometryData::vTakeArrays(int iNumSamp, int iPointsPerSample, int iNumActWave,
                                    double* pdRawData, int* pbMeasured, double* pdConc,
                                    int* pbManual, double* pdManualValue, int* piSampleNo) {
    int iPoints = iNumSamp * iPointsPerSample;
    int iReadings = iPoints * iNumActWave;
    // Taking an array over allocates nothing: every host array is the document's before any
    // storage below is asked for, so none is lost when it cannot be had.
    m_vdRawData.vTakeOver(pdRawData, static_cast<size_t>(iReadings));
    m_vbMeasured.vTakeOver(pbMeasured, static_cast<size_t>(iPoints));
    m_vbManual.vTakeOver(pbManual, static_cast<size_t>(iPoints));
    m_vdManualValue.vTakeOver(pdManualValue, static_cast<size_t>(iPoints));
    m_vdConc.vTakeOver(pdConc, static_cast<size_t>(iNumSamp));
    m_viSampleNo.vTakeOver(piSampleNo, static_cast<size_t>(iNumSamp));
    if (!bMakeRoom(iNumSamp, iPoints, iReadings)) {
        iNumSamp = iPoints = iReadings = 0;
    }
    // Arrays not handed in are new: growing them gives every entry its initial value.
    m_iNumSamp = iNumSamp;
    vSizeSamples(iNumSamp);
    vSizePoints(iPoints);
    m_vdRawData.resize(std::max(m_vdRawData.size(), static_cast<size_t>(iReadings)), 0.0);
    m_iRawCapacity = iReadings;
}

void CUVPhotometryData::vReadMethodWaves(const double* pdWave, int iCount) {
    for (int i = 0; pdWave != nullptr && i < iCount && i < kMaxMethodWaves; ++i) {
        m_dWave[i] = pdWave[i];
    }
}

void CUVPhotometryData::vSizeSamples(int iNumSamp) {
    const auto n = static_cast<size_t>(std::max(iNumSamp, 0));
    vGrowGeometrically(m_viSampleNo, std::max(n, m_viSampleNo.size()), kInitialSampleNo);
    vGrowGeometrically(m_vdConc, std::max(n, m_vdConc.size()));
    for (auto* values : {&m_vdMeanConc, &m_vdWeight, &m_vdDilution}) {
        vGrowGeometrically(*values, std::max(n, values->size()));
    }
    vGrowGeometrically(m_vdSD, std::max(n, m_vdSD.size()), kInitialSD);
}

void CUVPhotometryData::vResetSamples(int iFrom, int iTo) {
    for (auto s = static_cast<size_t>(std::max(iFrom, 0)); s < static_cast<size_t>(iTo); ++s) {
        m_viSampleNo[s] = kInitialSampleNo;
        m_vdConc[s] = 0.0;
        m_vdSD[s] = kInitialSD;
        m_vdMeanConc[s] = 0.0;
        m_vdWeight[s] = 0.0;
        m_vdDilution[s] = 0.0;
    }
}

void CUVPhotometryData::vSizePoints(int iNumPoints) {
    const auto n = static_cast<size_t>(std::max(iNumPoints, 0));
    vGrowGeometrically(m_vbMeasured, std::max(n, m_vbMeasured.size()));
    vGrowGeometrically(m_vbManual, std::max(n, m_vbManual.size()));
    vGrowGeometrically(m_vdManualValue, std::max(n, m_vdManualValue.size()));
    vGrowGeometrically(m_vdRatio, std::max(n, m_vdRatio.size()));
    vResizePoints(static_cast<int>(n));
}

CDoublePt CUVPhotometryData::EmptyDisplayPoint() const {
    return {dCalcX(0.0), dCalcY(0.0)};
}

void CUVPhotometryData::vResetPoints(int iFrom, int iTo, const CDoublePt& display) {
    for (auto p = static_cast<size_t>(std::max(iFrom, 0)); p < static_cast<size_t>(iTo); ++p) {
        m_vbMeasured[p] = 0;
        m_vbManual[p] = 0;
        m_vdManualValue[p] = 0.0;
        m_vdRatio[p] = 0.0;
        m_vdX[p] = 0.0;
        m_vdY[p] = 0.0;
        m_vPoints[p] = display;
    }
}

void CUVPhotometryData::vSizeRaw(int iNumReadings) {
    if (iNumReadings > m_iRawCapacity) {
        vGrowGeometrically(m_vdRawData, static_cast<size_t>(iNumReadings));
        // Storage left from an earlier, larger dimensioning may still hold its readings.
        std::fill(m_vdRawData.begin() + m_iRawCapacity, m_vdRawData.end(), 0.0);
        m_iRawCapacity = iNumReadings;
    }
}

bool CUVPhotometryData::bRoomFor(long long iNumSamp, long long iNumRep, long long iNumCoord,
                                 long long iNumActWave) {
    if (!detail::bDocumentFits(iNumSamp, iNumRep, iNumCoord, iNumActWave)) {
        return false;
    }
    const auto iPoints = static_cast<int>(iNumSamp * (iNumCoord > 0 ? iNumCoord : iNumRep));
    return bMakeRoom(static_cast<int>(iNumSamp), iPoints, iPoints * static_cast<int>(iNumActWave));
}

bool CUVPhotometryData::bMakeRoom(int iNumSamp, int iNumPoints, int iNumReadings) {
    using detail::vReserveRoom;
    const auto samples = static_cast<size_t>(std::max(iNumSamp, 0));
    const auto points = static_cast<size_t>(std::max(iNumPoints, 0));
    try {
        vReserveRoom(m_viSampleNo, samples);
        vReserveRoom(m_vdConc, samples);
        for (auto* values : {&m_vdSD, &m_vdMeanConc, &m_vdWeight, &m_vdDilution}) {
            vReserveRoom(*values, samples);
        }
        vReserveRoom(m_vbMeasured, points);
        vReserveRoom(m_vbManual, points);
        vReserveRoom(m_vdManualValue, points);
        for (auto* values : {&m_vdRatio, &m_vdX, &m_vdY}) {
            vReserveRoom(*values, points);
        }
        vReserveRoom(m_vPoints, points);
        vReserveRoom(m_vdRawData, static_cast<size_t>(std::max(iNumReadings, 0)));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

void CUVPhotometryData::vInitBaseState() {
    const CDataDisplayOptions options;
    m_sAbsUnit = options.GetAbsUnit(-1);
    m_dAbsNonPositiveT = options.m_iAbsForNonPositiveT;
    m_iAbsPrecision = options.m_iAbsDecimals;
    m_iPctTPrecision = options.m_iPctTDecimals;

    m_saXQuantity.RemoveAll();
    m_saXQuantity.Add(sModuleString(kConcentrationQuantity));
    m_saXUnits.RemoveAll();
    m_saXUnits.Add(sModuleString(kPercentUnit));
    m_saYQuantity.RemoveAll();
    m_saYUnits.RemoveAll();
    // By Y mode: transmittance, absorbance, two modes without names, reflectance.
    for (const auto& [quantity, unit] :
         {std::pair{sModuleString(kTransmittanceQuantity), sModuleString(kPercentTUnit)},
          std::pair{sModuleString(kAbsorbanceQuantity), m_sAbsUnit},
          std::pair{std::string(), std::string()}, std::pair{std::string(), std::string()},
          std::pair{sModuleString(kReflectanceQuantity), sModuleString(kReflectanceQuantity)}}) {
        m_saYQuantity.Add(quantity);
        m_saYUnits.Add(unit);
    }
    vSetYPrecision(4);
    iSetXMode(0);
    iSetYMode(kAbsorbanceMode);
}

void CUVPhotometryData::vRebuildPoints(bool bUseManual) {
    const int iNumPoints = m_iNumSamp * m_iNumRep;
    vResizePoints(iNumPoints);
    for (int p = 0; p < iNumPoints; ++p) {
        const auto i = static_cast<size_t>(p);
        m_vdX[i] = dGetConc(p / m_iNumRep);
        if (!bHasValue(m_vdX[i])) {
            m_vdX[i] = 0.0;
        }
        m_vdY[i] = m_iQuantType == kWavelengthQuant ? dStoredPointValue(p, bUseManual) : 0.0;
        vFillDisplayPoint(p);
    }
    m_iNumPts = iNumPoints;
    m_iNumPts2 = 0;
}

int CUVPhotometryData::iPointSlots() const {
    return m_iNumSamp * (m_iNumCoord > 0 ? m_iNumCoord : m_iNumRep);
}

int CUVPhotometryData::iIntakeCapacity() const {
    return std::min(m_iRawCapacity, iPointSlots() * m_iNumActWave);
}

bool CUVPhotometryData::bHasSample(int iSamp) const {
    return bIndexWithin(iSamp, m_iNumSamp, m_vdConc.size());
}

bool CUVPhotometryData::bHasPointSlot(int iPoint) const {
    return bIndexWithin(iPoint, iPointSlots(), m_vbMeasured.size());
}

// ---------------------------------------------------------------------------------------------
// Re-dimensioning

void CUVPhotometryData::vDimension(int iNumSamp, int iNumRep, int iNumCoord, int iNumActWave,
                                   int iNumMethodWave) {
    m_iNumSamp = std::max(iNumSamp, 0);
    m_iNumRep = std::max(iNumRep, 0);
    m_iNumCoord = std::max(iNumCoord, 0);
    m_iNumActWave = std::max(iNumActWave, 0);
    m_iNumMethodWave = std::clamp(iNumMethodWave, 0, kMaxMethodWaves);
    const int iNumPoints = iPointSlots();
    vSizeSamples(m_iNumSamp);
    vResetSamples(0, m_iNumSamp);
    vSizePoints(iNumPoints);
    vResetPoints(0, iNumPoints, EmptyDisplayPoint());
    vSizeRaw(iNumPoints * m_iNumActWave);
    std::fill(m_vdRawData.begin(), m_vdRawData.end(), 0.0);
    m_iCursor = 0;
    m_iNumPts = 0;
    m_iNumPts2 = 0;
}

int CUVPhotometryData::bSetEmpty(int iNumSamp, int iNumRep, int iNumActWave, int iNumMethodWave) {
    if (iNumMethodWave < 0 || !bRoomFor(iNumSamp, iNumRep, 0, iNumActWave)) {
        return 0;
    }
    vDimension(iNumSamp, iNumRep, 0, iNumActWave, iNumMethodWave);
    return 1;
}

int CUVPhotometryData::bSetEmpty(int iNumActWave, int iNumMethodWave) {
    if (bSetEmpty(0, 1, iNumActWave, iNumMethodWave) == 0) {
        return 0;
    }
    m_saUnkSampName.RemoveAll();
    return 1;
}

void CUVPhotometryData::vAddSample(int bKeep) {
    // The new sample's points follow the replicates, whatever the stage holds.
    const long long iNewSamp = m_iNumSamp + 1LL;
    if (!detail::bDocumentFits(iNewSamp, m_iNumRep, m_iNumCoord, m_iNumActWave) ||
        !bMakeRoom(static_cast<int>(iNewSamp), static_cast<int>(iNewSamp) * m_iNumRep,
                   static_cast<int>(iNewSamp) * m_iNumRep * m_iNumActWave)) {
        return;
    }
    const int iOldPoints = m_iNumSamp * m_iNumRep;
    const int iNewPoints = iOldPoints + m_iNumRep;
    vSizeSamples(m_iNumSamp + 1);
    vResetSamples(m_iNumSamp, m_iNumSamp + 1);
    vSizePoints(iNewPoints);
    // The new sample's display points are (0, 0), not the converted empty reading of a
    // re-dimensioned document.
    vResetPoints(iOldPoints, iNewPoints, CDoublePt());
    m_saUnkSampName.Add(std::string());
    if (bKeep != 0) {
        // Without replicates there is no point to keep: the count stays at 0, never -1.
        m_iNumPts = std::max(iNewPoints - 1, 0);
    }
    vSizeRaw(iNewPoints * m_iNumActWave);
    ++m_iNumSamp;
}

void CUVPhotometryData::vDelSample() {
    if (m_iNumSamp > 0) {
        --m_iNumSamp;
    }
}

void CUVPhotometryData::vSetEmpty(CUVMethod* pMethod, int iNumSamp) {
    if (pMethod == nullptr) {
        return;
    }
    CUVInstrParameters* pInst = pMethod->pGetInstrParam();
    const CMethodQuantParam* pQuant = pMethod->pGetQuantParam();
    CXYStageParam* pStage = pMethod->pGetXYStageParam();
    // The intake addresses s*R + r without stage positions, s*Q + c with them: size for that. A
    // method the document cannot be dimensioned for changes nothing.
    const int iNumCoord = std::max(pStage->iGetCoordNum(), 0);
    const int iNumWave = std::clamp(pQuant->m_iNumWave, 0, kMaxMethodWaves);
    if (!bRoomFor(iNumSamp, pQuant->m_iNumRep, iNumCoord, iNumWave)) {
        return;
    }

    vSetInstParam(pInst->pCopy());
    m_ReportParam = *pMethod->pGetReportParam();
    m_SipperParam.vCopy(*pMethod->pGetSipperParam());
    m_RackParam.vCopy(*pMethod->pGetRackParam());
    m_MZ700Param.vCopy(*pMethod->pGetMZ700Param());
    m_MultiCellParam.vCopy(*pMethod->pGetMultiCellParam());

    pStage->vGetCoordArray(m_aCoord);

    std::copy(std::begin(pQuant->m_dWave), std::end(pQuant->m_dWave), m_dWave);
    vSetQuantType(pQuant->m_iQuantType);
    vSetLoLimit(pQuant->m_dLoLimit);
    vSetHiLimit(pQuant->m_dHiLimit);
    vSetConcUnit(pQuant->m_sConcUnit);
    vSetConcPrecision(pQuant->m_iConcDecimals);
    vSetStatisticalMode(pQuant->m_bStatisticalMode);
    vSetStatisticsNum(pQuant->m_iStatisticsNum);
    vSetPhotomIntegTime(pQuant->m_dPhotomIntegTime);
    vSetPathLengthCorrect(pQuant->m_bPathLengthCorrect);
    vSetPathLength(pQuant->m_dPathLength);
    vSetZeroInst(pQuant->m_bZeroInst);
    vSetZeroWL(pQuant->m_dZeroWL);

    vDimension(iNumSamp, pQuant->m_iNumRep, iNumCoord, iNumWave, iNumWave);

    vSetXPrecision(pQuant->m_iConcDecimals);
    const int iMode = pInst->m_iDataMode;
    if (iMode != kTransmittanceMode && iMode != kAbsorbanceMode && iMode != kReflectanceMode) {
        pInst->m_iDataMode = kAbsorbanceMode;
    }
    iSetYMode(pInst->m_iDataMode);
}

// ---------------------------------------------------------------------------------------------
// Display conversion

double CUVPhotometryData::dAbsorbance(double dTransmittance) const {
    // Asked as "at or below zero", so that a NaN reading stays NaN and shows as unusable instead
    // of passing for a dark one.
    return dTransmittance <= kMinPositive ? m_dAbsNonPositiveT : std::log10(1.0 / dTransmittance);
}

double CUVPhotometryData::dPhotometricValue(const double* pdReadings, int iNumReadings) const {
    double dDiff = 0.0;
    switch (iNumReadings) {
        case 1:
            return pdReadings[0];
        case 2:
            dDiff = dAbsorbance(pdReadings[1]) - dAbsorbance(pdReadings[0]);
            break;
        case 3: {
            // Absorbance at the second wavelength above the baseline through the first and third.
            const double dSpan = std::fabs(m_dWave[0] - m_dWave[2]);
            dDiff = dSpan >= kEpsilon
                        ? dAbsorbance(pdReadings[1]) -
                              (std::fabs(m_dWave[1] - m_dWave[2]) * dAbsorbance(pdReadings[0]) +
                               std::fabs(m_dWave[0] - m_dWave[1]) * dAbsorbance(pdReadings[2])) /
                                  dSpan
                        : -kNoValue;
            break;
        }
        default:
            return 0.0;
    }
    return 1.0 / std::pow(10.0, dDiff);
}

double CUVPhotometryData::dStoredPointValue(int iPoint, bool bUseManual) const {
    if (bUseManual && bGetManualStd(iPoint) != 0) {
        return m_vdManualValue[static_cast<size_t>(iPoint)];
    }
    const long first = static_cast<long>(iPoint) * m_iNumActWave;
    if (iPoint < 0 || m_iNumActWave < 1 || m_iNumActWave > 3 ||
        first + m_iNumActWave > static_cast<long>(m_vdRawData.size())) {
        return 0.0;
    }
    return dPhotometricValue(m_vdRawData.data() + first, m_iNumActWave);
}

double CUVPhotometryData::dCalcY(double y) const {
    return dRoundDecimals(dDisplayValueUnrounded(y), m_iDataDecimals);
}

double CUVPhotometryData::dDisplayValueUnrounded(double y) const {
    if (bIsSpectrumQuant(m_iQuantType)) {
        return y;
    }
    switch (m_iYMode) {
        case kTransmittanceMode:
        case kReflectanceMode:
            return 100.0 * y;
        case kAbsorbanceMode: {
            if (std::fabs(y - kSkipMarker) < kEpsilon) {
                return y;
            }
            double dAbs = dAbsorbance(y);
            if (m_bPathLengthCorrect == 1) {
                dAbs = dAbs * 10.0 / m_dPathLength;
            }
            return dAbs;
        }
        default:
            return y;
    }
}

void CUVPhotometryData::vFillDisplayPoints(int iFrom, int iTo) {
    // A chunk at a time on the stack: a block of a million points needs no second array.
    constexpr int kChunk = 256;
    double display[kChunk];
    for (int iChunk = iFrom; iChunk < iTo; iChunk += kChunk) {
        const int m = std::min(kChunk, iTo - iChunk);
        for (int j = 0; j < m; ++j) {
            display[j] = dDisplayValueUnrounded(m_vdY[static_cast<size_t>(iChunk + j)]);
        }
        vRoundDecimals(display, static_cast<size_t>(m), m_iDataDecimals);
        for (int j = 0; j < m; ++j) {
            const auto k = static_cast<size_t>(iChunk + j);
            m_vPoints[k] = CDoublePt(dCalcX(m_vdX[k]), display[j]);
        }
    }
}

int CUVPhotometryData::iSetYMode(int mode) {
    const int iResult = CDataXY::iSetYMode(mode);
    m_iDataDecimals = m_pInstParam ? m_pInstParam->iGetPhotoDecimals() : 4;
    vSetYPrecision(mode == kAbsorbanceMode ? m_iAbsPrecision : m_iPctTPrecision);
    for (int i = 0; i < m_iNumPts && bHasPoint(i); ++i) {
        m_vPoints[static_cast<size_t>(i)].y = dCalcY(m_vdY[static_cast<size_t>(i)]);
    }
    vSetRangesFromData();
    return iResult;
}

void CUVPhotometryData::vSetAbsUnit(const std::string& unit) {
    m_sAbsUnit = unit;
    if (m_saYUnits.GetSize() > 1) {
        m_saYUnits.SetAt(1, unit);
    }
}

void CUVPhotometryData::vSetConcUnit(const std::string& unit) {
    m_saXUnits.RemoveAll();
    m_saXUnits.Add(unit);
}

// ---------------------------------------------------------------------------------------------
// Accessors

int CUVPhotometryData::bGetMeasured(int iPoint) const {
    return tReadChecked(m_vbMeasured, iPoint, iPointSlots(), 0);
}

void CUVPhotometryData::vSetMeasured(int iPoint, int bMeasured) {
    bWriteChecked(m_vbMeasured, iPoint, iPointSlots(), bMeasured);
}

int CUVPhotometryData::bGetManualStd(int iPoint) const {
    return tReadChecked(m_vbManual, iPoint, iPointSlots(), 0);
}

void CUVPhotometryData::vSetManualStd(int iPoint, int bManual) {
    bWriteChecked(m_vbManual, iPoint, iPointSlots(), bManual);
}

int CUVPhotometryData::iGetSampleNo(int iSamp) const {
    return tReadChecked(m_viSampleNo, iSamp, m_iNumSamp, 0);
}

void CUVPhotometryData::vSetSampleNo(int iSamp, int iSampleNo) {
    bWriteChecked(m_viSampleNo, iSamp, m_iNumSamp, iSampleNo);
}

double CUVPhotometryData::dGetConc(int iSamp) const {
    return tReadChecked(m_vdConc, iSamp, m_iNumSamp, kNoValue);
}

double CUVPhotometryData::dGetSD(int iSamp) const {
    return tReadChecked(m_vdSD, iSamp, m_iNumSamp, kNoValue);
}

double CUVPhotometryData::dGetMeanConc(int iSamp) const {
    return tReadChecked(m_vdMeanConc, iSamp, m_iNumSamp, kNoValue);
}

double CUVPhotometryData::dGetWeight(int iSamp) const {
    return tReadChecked(m_vdWeight, iSamp, m_iNumSamp, kNoValue);
}

void CUVPhotometryData::vSetWeight(int iSamp, double dWeight) {
    bWriteChecked(m_vdWeight, iSamp, m_iNumSamp, dWeight);
}

double CUVPhotometryData::dGetDilution(int iSamp) const {
    return tReadChecked(m_vdDilution, iSamp, m_iNumSamp, kNoValue);
}

void CUVPhotometryData::vSetDilution(int iSamp, double dDilution) {
    bWriteChecked(m_vdDilution, iSamp, m_iNumSamp, dDilution);
}

double CUVPhotometryData::dGetWavelength(int i) const {
    return i >= 0 && i < kMaxMethodWaves ? m_dWave[i] : kNoValue;
}

CDoublePt CUVPhotometryData::GetCoordPt(int iCoord) const {
    return iCoord >= 0 && iCoord < m_aCoord.GetSize() ? m_aCoord.GetAt(iCoord) : CDoublePt();
}

long CUVPhotometryData::iSampleListCeiling() const {
    return detail::iListCeiling(m_iNumSamp);
}

std::string CUVPhotometryData::GetSampName(int iSamp) const {
    return sListEntry(m_saSampName, iSamp);
}

void CUVPhotometryData::vSetSampName(const std::string& name, int iSamp) {
    vSetListEntry(m_saSampName, name, iSamp, iSampleListCeiling());
}

void CUVPhotometryData::vInsertSampName(const std::string& name, int iSamp) {
    vInsertListEntry(m_saSampName, name, iSamp, iSampleListCeiling());
}

std::string CUVPhotometryData::GetComment(int iSamp) const {
    return sListEntry(m_saComment, iSamp);
}

void CUVPhotometryData::vSetComment(const std::string& comment, int iSamp) {
    vSetListEntry(m_saComment, comment, iSamp, iSampleListCeiling());
}

void CUVPhotometryData::vInsertComment(const std::string& comment, int iSamp) {
    vInsertListEntry(m_saComment, comment, iSamp, iSampleListCeiling());
}

std::string CUVPhotometryData::GetDateTime(int iSamp, int iRep) const {
    const int iPerSample = m_iNumCoord > 0 ? m_iNumCoord : m_iNumRep;
    return iSamp < 0 || iRep < 0
               ? std::string()
               : sListEntry(m_saDateTime, static_cast<long>(iSamp) * iPerSample + iRep);
}

void CUVPhotometryData::vSetDateTime(const std::string& dateTime, int iSamp, int iRep) {
    const int iPerSample = m_iNumCoord > 0 ? m_iNumCoord : m_iNumRep;
    if (iSamp >= 0 && iRep >= 0) {
        vSetListEntry(m_saDateTime, dateTime, static_cast<long long>(iSamp) * iPerSample + iRep,
                      detail::iListCeiling(static_cast<long long>(m_iNumSamp) * iPerSample));
    }
}

std::string CUVPhotometryData::GetUnkSampName(int iSamp) const {
    return sListEntry(m_saUnkSampName, iSamp);
}

void CUVPhotometryData::vSetUnkSampName(const std::string& name, int iSamp) {
    vSetListEntry(m_saUnkSampName, name, iSamp, iSampleListCeiling());
}

void CUVPhotometryData::vInsertUnkSampName(const std::string& name, int iSamp) {
    vInsertListEntry(m_saUnkSampName, name, iSamp, iSampleListCeiling());
}
