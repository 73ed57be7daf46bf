// The unknowns document: construction, its own settings, the intake of readings and the axis
// ranges.
#include "unknowns/UVUnknownData.h"

#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "calibration/CalibOptions.h"
#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CUVUnknownData, CUVPhotometryData)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

constexpr int kCoeffCount = kMaxManualOrder + 1;
constexpr double kNoCorrection = 1.0;

// An intake and the calculation it triggers (the point's ratio or concentration, then the sample's
// statistics) hold the document's lock together: a second feeder can neither move the cursor
// between the store and the point it filled, nor store or calculate while the statistics of this
// one walk every sample. The lock is recursive, so the base's intake takes it again.
using IntakeLock = std::lock_guard<std::recursive_mutex>;

double dReadSetting(const std::vector<double>& values, int i) {
    return tReadChecked(values, i, static_cast<long>(values.size()), kNoValue);
}

void vWriteSetting(std::vector<double>& values, int i, double value) {
    bWriteChecked(values, i, static_cast<long>(values.size()), value);
}

}  // namespace

CUVUnknownData::CUVUnknownData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                               int iNumMethodWave)
    : CUVPhotometryData(iQuantType, iNumSamp, iNumRep, iNumActWave, iNumMethodWave) {
    vInitFields();
}

CUVUnknownData::CUVUnknownData(int iQuantType, int iNumSamp, int iNumRep, int iNumActWave,
                               int iNumMethodWave, double* pdRawData, double* pdWave,
                               int* pbMeasured, int* piSampleNo)
    : CUVPhotometryData(iQuantType, iNumSamp, iNumRep, iNumActWave, iNumMethodWave, pdRawData,
                        pdWave, pbMeasured, nullptr, nullptr, nullptr, piSampleNo) {
    vInitFields();
}

CUVUnknownData::CUVUnknownData(int iQuantType, int iNumSamp, int iNumCoord, int iNumRep,
                               int iNumActWave, int iNumMethodWave, double* pdRawData,
                               double* pdWave, int* pbMeasured, int* piSampleNo)
    : CUVPhotometryData(iQuantType, iNumSamp, iNumCoord, iNumRep, iNumActWave, iNumMethodWave,
                        pdRawData, pdWave, pbMeasured, piSampleNo) {
    vInitFields();
    vInitDistribution();
}

CUVUnknownData::~CUVUnknownData() = default;

void CUVUnknownData::vInitFields() {
    vSetName(sModuleString(kSamplesName));
    // The manual calibration reads in the laboratory's usual direction, like new standards.
    m_ManualSeg.m_iDirection = CCalibOptions().m_iValue;
    vSetEmptyConcCorrectInfo(m_iNumSamp);
}

// ---------------------------------------------------------------------------------------------
// Settings

double CUVUnknownData::dGetKFactor(int i) const {
    return i >= 0 && i < kKFactorCount ? dRoundDecimals(m_dKFactor[i], kSettingDecimals) : kNoValue;
}

void CUVUnknownData::vSetKFactor(int i, double dValue) {
    if (i >= 0 && i < kKFactorCount) {
        m_dKFactor[i] = dRoundDecimals(dValue, kSettingDecimals);
    }
}

double CUVUnknownData::dGetCoeff(int i) const {
    return i >= 0 && i < kCoeffCount ? dRoundDecimals(m_ManualSeg.m_dCoeff[i], kSettingDecimals)
                                     : kNoValue;
}

void CUVUnknownData::vSetCoeff(int i, double dValue) {
    if (i >= 0 && i < kCoeffCount) {
        m_ManualSeg.m_dCoeff[i] = dRoundDecimals(dValue, kSettingDecimals);
    }
}

void CUVUnknownData::vSetConc0Data(double dValue) {
    m_dConc0Data = dValue;
    m_bBlkOK = bIsUsable(dValue) ? 1 : 0;
}

void CUVUnknownData::vCalcConc0Data() {
    vSetConc0Data(m_ManualSeg.dCalcConc0Data());
}

double CUVUnknownData::dGetWeightSetting(int iSamp) const {
    return dReadSetting(m_vdWeightSetting, iSamp);
}

void CUVUnknownData::vSetWeightSetting(int iSamp, double dValue) {
    vWriteSetting(m_vdWeightSetting, iSamp, dValue);
}

double CUVUnknownData::dGetSolvent(int iSamp) const {
    return dReadSetting(m_vdSolvent, iSamp);
}

void CUVUnknownData::vSetSolvent(int iSamp, double dValue) {
    vWriteSetting(m_vdSolvent, iSamp, dValue);
}

double CUVUnknownData::dGetDilutionRatio(int iSamp) const {
    return dReadSetting(m_vdDilutionRatio, iSamp);
}

void CUVUnknownData::vSetDilutionRatio(int iSamp, double dValue) {
    vWriteSetting(m_vdDilutionRatio, iSamp, dValue);
}

double CUVUnknownData::dGetRevisionCoef(int iSamp) const {
    return dReadSetting(m_vdRevisionCoef, iSamp);
}

void CUVUnknownData::vSetRevisionCoef(int iSamp, double dValue) {
    vWriteSetting(m_vdRevisionCoef, iSamp, dValue);
}

void CUVUnknownData::vSetEmptyConcCorrectInfo(int n) {
    // A count past the array ceiling, or storage the system cannot give, changes nothing.
    const auto size = static_cast<size_t>(n > 0 ? n : 0);
    if (!detail::bArrayFits(n, sizeof(double))) {
        return;
    }
    try {
        std::vector<double> fresh[4];
        for (std::vector<double>& values : fresh) {
            values.assign(size, kNoCorrection);
        }
        m_vdWeightSetting.swap(fresh[0]);
        m_vdSolvent.swap(fresh[1]);
        m_vdDilutionRatio.swap(fresh[2]);
        m_vdRevisionCoef.swap(fresh[3]);
    } catch (const std::bad_alloc&) {
    }
}

void CUVUnknownData::vInSertConcCorrectInfo(int iPos) {
    if (iPos < 0 || iPos >= m_iNumSamp) {
        return;
    }
    const auto pos = static_cast<size_t>(iPos);
    for (auto* values : {&m_vdWeightSetting, &m_vdSolvent, &m_vdDilutionRatio, &m_vdRevisionCoef}) {
        // Old entries beyond what the new length holds are dropped; missing ones read 1.0.
        std::vector<double> grown(static_cast<size_t>(m_iNumSamp), kNoCorrection);
        for (size_t i = 0; i < values->size() && i + 1 < grown.size(); ++i) {
            grown[i < pos ? i : i + 1] = (*values)[i];
        }
        *values = std::move(grown);
    }
}

// ---------------------------------------------------------------------------------------------
// Intake

int CUVUnknownData::iLastPoint() const {
    return m_iNumActWave > 0 ? m_iCursor / m_iNumActWave - 1 : -1;
}

void CUVUnknownData::vCalcOnIntake(int iPoint, bool bWithRatio) {
    if (iPoint < 0 || m_iNumRep <= 0) {
        return;
    }
    const int iSamp = iPoint / m_iNumRep;
    const int iRep = iPoint % m_iNumRep;
    if (m_iResultType == kRatioResult && bWithRatio) {
        vCalcRatio(iSamp, iRep);
    } else if (m_iResultType == kConcResult && m_bManualCalib != 0) {
        vCalcConc(iSamp, iRep);
    }
}

int CUVUnknownData::iAddValues(const CDoublePt* pReadings, int n) {
    const IntakeLock lock(GetLock());
    if (m_iNumCoord >= 1) {
        return iAddXYValues(pReadings, n);
    }
    int iResult = 0;
    int iPoint = -1;
    if (!bRemeasurePending()) {
        iResult = CUVPhotometryData::iAddValues(pReadings, n);
        iPoint = iLastPoint();
    } else {
        iPoint = iRemeasurePoint();
        iResult = CUVPhotometryData::iSetValues(pReadings, n, iPoint);
    }
    vCalcOnIntake(iPoint, true);
    return iResult;
}

int CUVUnknownData::iAddValuesBlock(const double* pdReadings, const int* pbSkipped,
                                    int iNumPoints) {
    const IntakeLock lock(GetLock());
    if (m_iNumCoord >= 1 || !bTakesWholePoints() || bRemeasurePending()) {
        return iAddValuesOneByOne(pdReadings, pbSkipped, iNumPoints);
    }
    const int iFirst = m_iCursor / m_iNumActWave;
    const int iAdded = CUVPhotometryData::iAddValuesBlock(pdReadings, pbSkipped, iNumPoints);
    vCalcBlockOnIntake(iFirst, m_iCursor / m_iNumActWave);
    return iAdded;
}

void CUVUnknownData::vCalcBlockOnIntake(int iFirst, int iEnd) {
    // A skipped point has nothing to calculate: the single intake's calculation looks at measured
    // points only.
    if (m_iResultType == kRatioResult) {
        for (int p = iFirst; p < iEnd; ++p) {
            if (bGetMeasured(p) != 0) {
                vCalcPointRatio(p);
            }
        }
    } else if (m_iResultType == kConcResult && m_bManualCalib != 0) {
        for (int p = iFirst; p < iEnd; ++p) {
            if (bGetMeasured(p) != 0) {
                vCalcConcBlk(p, &m_ManualSeg);
            }
        }
    }
}

int CUVUnknownData::iAddPeakValues(CUVWaveData* pWaveData) {
    const IntakeLock lock(GetLock());
    int iResult = 0;
    int iPoint = -1;
    if (!bRemeasurePending()) {
        iResult = CUVPhotometryData::iAddPeakValues(pWaveData);
        iPoint = iLastPoint();
    } else {
        iPoint = iRemeasurePoint();
        iResult = CUVPhotometryData::iSetPeakValues(pWaveData, iPoint);
        m_iRemeasureSamp = -1;
        m_iRemeasureRep = -1;
    }
    // A spectrum reduces to one value per point: there is no second wavelength for a ratio.
    vCalcOnIntake(iPoint, false);
    return iResult;
}

void CUVUnknownData::vSkipData() {
    const IntakeLock lock(GetLock());
    CUVPhotometryData::vSkipData();
    vCalcOnIntake(iLastPoint(), true);
}

// ---------------------------------------------------------------------------------------------
// Axis ranges and the manual curve

void CUVUnknownData::vSetRangesFromData() {
    vSetRangesFromPoints();
    if (m_bManualCalib != 0) {
        vWidenYRangeOverCurve(m_dXMin, m_dXMax,
                              [this](double x) { return m_ManualSeg.dEvaluateY(x); });
    }
}

CDoublePt CUVUnknownData::GetPointFromX(double x, int* pFound) {
    if (m_bManualCalib == 0) {
        return CUVPhotometryData::GetPointFromX(x, pFound);
    }
    if (pFound != nullptr) {
        *pFound = 1;
    }
    return {x, m_ManualSeg.dEvaluateY(x)};
}
