// Method and instrument parameter reflection: the document's own copy of the instrument parameters
// it was measured with, its comparison with a method and the connected instrument, what it says
// about accessories, measurement type and path-length correction, and the exchange of dimensions,
// data and stage positions with the host's transfer object.
#include <algorithm>
#include <cstdlib>
#include <mutex>

#include "contracts/devkit/UVInstrument.h"
#include "contracts/paramkit/InstModel.h"
#include "contracts/paramkit/UVMethod.h"
#include "document/CheckedIndex.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// The devices whose settings a method must share with the document: the sipper, the multi-cell
// holder and device 4.
bool bIsAccessoryDevice(int iDevice) {
    return iDevice == kSipperDevice || iDevice == kMultiCellDevice || iDevice == 4;
}

bool bHasCellTemperatureControl(int iSelectType) {
    return iSelectType == 5 || iSelectType == 6 || iSelectType == 8;
}

bool bSipperTemperatureSet(const CUVSipperParameters& sipper) {
    return sipper.m_iTemperature >= 0;
}

bool bMultiCellTemperatureSet(const CMultiCellParam& cell) {
    return cell.m_dTemperature > 0.0;
}

template <class Values>
void vCopyFrom(const typename Values::value_type* pSource, Values& target, int n) {
    if (pSource != nullptr && n > 0) {
        std::copy(pSource, pSource + n, target.begin());
    }
}

}  // namespace

void CUVPhotometryData::vSetInstParam(CUVInstrParameters* pInstParam) {
    if (pInstParam == m_pInstParam.get()) {
        return;
    }
    m_pInstParam.reset(pInstParam);
    m_iDataDecimals = pInstParam != nullptr ? pInstParam->iGetPhotoDecimals() : 4;
    if (pInstParam != nullptr) {
        vSetAbsUnit(pInstParam->GetAbsUnitText(1));
    }
    for (int i = 0; i < m_iNumPts && bHasPoint(i); ++i) {
        m_vPoints[static_cast<size_t>(i)].y = dCalcY(m_vdY[static_cast<size_t>(i)]);
    }
    vSetRangesFromData();
}

int CUVPhotometryData::bInstrParamReflect(CUVMethod* pMethod, CUVInstrument* pInstrument) {
    // Without parameters of its own the document cannot vouch for its conditions.
    if (pMethod == nullptr || !m_pInstParam) {
        return kReflectOldVersion;
    }
    CUVInstrParameters& own = *m_pInstParam;
    const CUVInstrParameters& method = *pMethod->pGetInstrParam();

    std::string& version = own.m_sParamVersion;
    version = version.substr(0, version.find('.'));
    int iCode = std::atoi(version.c_str()) < 4 ? kReflectOldVersion : kReflectFits;

    const int iSelect = own.m_iSelectType;
    const bool bModelDiffers =
        pInstrument != nullptr && m_iInstModelType != pInstrument->bGetInstType();
    if (iSelect != method.m_iSelectType) {
        iCode = kReflectModelDiffers;
    } else if (iSelect >= 5 && iSelect <= 9) {
        if (bModelDiffers) {
            iCode = kReflectModelDiffers;
        }
    } else if (iSelect == 10 || iSelect == 12 || iSelect == 13) {
        if (own.m_iModelSubType != method.m_iModelSubType) {
            iCode = kReflectSubTypeDiffers;
        }
        if (iSelect == 12 && bModelDiffers) {
            iCode = kReflectModelDiffers;
        }
    }
    if (iCode != kReflectFits) {
        return iCode;
    }

    const int iDevice = own.m_iSamplingDevice;
    const int iMethodDevice = method.m_iSamplingDevice;
    if (!bIsAccessoryDevice(iDevice)) {
        return bIsAccessoryDevice(iMethodDevice) ? kReflectAccessoryDiffers : kReflectFits;
    }
    const bool bDiffers =
        iMethodDevice != iDevice ||
        (iDevice == kSipperDevice && bSipperTemperatureSet(m_SipperParam) !=
                                         bSipperTemperatureSet(*pMethod->pGetSipperParam())) ||
        (iDevice == kMultiCellDevice &&
         bMultiCellTemperatureSet(m_MultiCellParam) !=
             bMultiCellTemperatureSet(*pMethod->pGetMultiCellParam())) ||
        (iSelect == 3 && iDevice == kMultiCellDevice &&
         own.iGetAccessoryOption() != method.iGetAccessoryOption());
    return bDiffers ? kReflectAccessoryDiffers : kReflectFits;
}

int CUVPhotometryData::bHasTemperature(int iDevice) const {
    if (!m_pInstParam) {
        return 0;
    }
    const int iOwnDevice = m_pInstParam->m_iSamplingDevice;
    if (iDevice < 0) {
        iDevice = iOwnDevice;
    }
    if (iDevice != iOwnDevice) {
        return 0;
    }
    return (iDevice == kSipperDevice && bSipperTemperatureSet(m_SipperParam)) ||
           (iDevice == kMultiCellDevice &&
            bHasCellTemperatureControl(m_pInstParam->m_iSelectType) &&
            bMultiCellTemperatureSet(m_MultiCellParam));
}

int CUVPhotometryData::bHasOptionParam(int iDevice) const {
    if (!m_pInstParam) {
        return 0;
    }
    const int iOwnDevice = m_pInstParam->iGetSamplingDevice();
    if (iDevice == iOwnDevice) {
        return iOwnDevice != kMultiCellDevice ? 1 : bHasTemperature(kMultiCellDevice);
    }
    if (iDevice < 0) {
        return iOwnDevice == kSipperDevice || iOwnDevice == kAutosamplerDevice ||
               (iOwnDevice == kMultiCellDevice &&
                bHasCellTemperatureControl(m_pInstParam->m_iSelectType) &&
                bMultiCellTemperatureSet(m_MultiCellParam));
    }
    return 0;
}

std::string CUVPhotometryData::sGetMeasType() const {
    if (m_pInstParam && m_pInstParam->m_iMeasMode == kInPlaneMeasMode) {
        return sModuleString(kInPlaneMeasText);
    }
    std::string text = sModuleString(kPhotometryText);
    if (m_iQuantType == kWavelengthQuant) {
        text += ", " + sModuleString(kWavelengthMeasText);
    } else if (bIsSpectrumQuant(m_iQuantType)) {
        text += ", " + sModuleStringOf(kPeakAreaMeasText, m_iQuantType - kPeakAreaQuant, 3);
    } else if (m_iQuantType == kRatioQuant) {
        text += ", " + sModuleString(kRatioMeasText);
    }
    return text;
}

// Absorbance and the absorbance-like modes 5 and 6 are corrected to the path length.
int CUVPhotometryData::bIsPathLengthCorrect() const {
    return m_iYMode == kAbsorbanceMode || m_iYMode == 5 || m_iYMode == 6;
}

// Every mode but reflectance is read through the cell, whose path length the listing shows.
int CUVPhotometryData::bIsDspPathLength() const {
    return (m_iYMode >= kTransmittanceMode && m_iYMode <= 3) || m_iYMode == 5 || m_iYMode == 6;
}

std::string CUVPhotometryData::sGetPathLengthCorrect() const {
    if (!bIsPathLengthCorrect()) {
        return {};
    }
    const bool bOn = m_iYMode != kAbsorbanceMode || m_bPathLengthCorrect == 1;
    return sModuleString(bOn ? kOnText : kOffText);
}

std::string CUVPhotometryData::GetInstModelForSelectType() const {
    if (!m_pInstParam) {
        return m_sInstModel;
    }
    return ::GetInstModelForSelectType(m_pInstParam->m_iSelectType, m_iInstModelType,
                                       m_pInstParam->m_iModelSubType, m_sInstModel);
}

void CUVPhotometryData::vCopyCalibration(CPhotParamsObj* pParams) {
    // A negative count is no dimension at all: read as zero, a transfer of 2^27 samples of "-1"
    // replicates would have the document take gigabytes of per-sample storage for no point.
    if (pParams == nullptr || pParams->m_iNumSamp < 0 || pParams->m_iNumRep < 0) {
        return;
    }
    const int iNumSamp = pParams->m_iNumSamp;
    const int iNumRep = pParams->m_iNumRep;
    const long long iWidePoints = static_cast<long long>(iNumSamp) * iNumRep;
    const int iNumMethodWave = std::clamp(pParams->m_iNumMethodWave, 0, kMaxMethodWaves);
    long long iNumActWave =
        pParams->m_iNumRawData != 0 && iWidePoints > 0 ? pParams->m_iNumRawData / iWidePoints : 0;
    if (iNumActWave <= 0) {
        iNumActWave = iNumMethodWave;
    }
    // The transfer may bring more samples than the document was dimensioned for: room first, and
    // nothing changes when the document cannot take them.
    if (!detail::bDocumentFits(iNumSamp, iNumRep, m_iNumCoord, iNumActWave) ||
        !bMakeRoom(iNumSamp, static_cast<int>(iWidePoints),
                   static_cast<int>(iWidePoints * iNumActWave))) {
        return;
    }
    const auto iNumPoints = static_cast<int>(iWidePoints);
    const int iNumReadings = iNumPoints * static_cast<int>(iNumActWave);
    vSizeSamples(iNumSamp);
    vSizePoints(iNumPoints);
    vSizeRaw(iNumReadings);
    m_iQuantType = pParams->m_iQuantType;
    m_iNumSamp = iNumSamp;
    m_iNumRep = iNumRep;
    m_iNumMethodWave = iNumMethodWave;
    m_iNumActWave = static_cast<int>(iNumActWave);
    m_iRawCapacity = iNumReadings;
    m_iCursor = iNumReadings;

    vCopyFrom(pParams->m_pdConc, m_vdConc, iNumSamp);
    vCopyFrom(pParams->m_pbMeasured, m_vbMeasured, iNumPoints);
    vCopyFrom(pParams->m_pbManual, m_vbManual, iNumPoints);
    vCopyFrom(pParams->m_pdManualValue, m_vdManualValue, iNumPoints);
    vCopyFrom(pParams->m_pdRawData, m_vdRawData, iNumReadings);

    vRebuildPoints(true);
    iSetXMode(0);
    iSetYMode(kAbsorbanceMode);
    vSetRangesFromData();
    vFixYMode(kAbsorbanceMode);
}

void CUVPhotometryData::vSetCoordArray(CPhotParamsObj* pParams) {
    if (pParams == nullptr) {
        return;
    }
    const int iAvailable =
        pParams->m_pdCoordX != nullptr && pParams->m_pdCoordY != nullptr ? pParams->m_iNumCoord : 0;
    m_aCoord.RemoveAll();
    for (int c = 0; c < m_iNumCoord; ++c) {
        m_aCoord.Add(c < iAvailable ? CDoublePt(pParams->m_pdCoordX[c], pParams->m_pdCoordY[c])
                                    : CDoublePt());
    }
}

void CUVPhotometryData::vGetCoordArray(CPhotParamsObj* pParams) {
    if (pParams == nullptr) {
        return;
    }
    const int iNumCoord = std::clamp(pParams->m_iNumCoord, 0, static_cast<int>(m_aCoord.GetSize()));
    // The positions are handed back in any case; the document takes their count only when it
    // stays within its ceilings.
    if (detail::bDocumentFits(m_iNumSamp, m_iNumRep, iNumCoord, m_iNumActWave)) {
        m_iNumCoord = iNumCoord;
    }
    pParams->m_iNumCoord = iNumCoord;
    pParams->m_pdCoordX = new double[static_cast<size_t>(iNumCoord)];
    pParams->m_pdCoordY = new double[static_cast<size_t>(iNumCoord)];
    for (int c = 0; c < iNumCoord; ++c) {
        pParams->m_pdCoordX[c] = m_aCoord.GetAt(c).x;
        pParams->m_pdCoordY[c] = m_aCoord.GetAt(c).y;
    }
}

void CUVPhotometryData::vChangeConcVal(double dConc, int iSamp) {
    const std::lock_guard<std::recursive_mutex> lock(GetLock());
    if (!bWriteChecked(m_vdConc, iSamp, m_iNumSamp, dConc)) {
        return;
    }
    for (int r = 0; r < m_iNumRep; ++r) {
        const int iPoint = iSamp * m_iNumRep + r;
        if (iPoint < m_iNumPts && bHasPoint(iPoint)) {
            m_vdX[static_cast<size_t>(iPoint)] = dConc;
            m_vPoints[static_cast<size_t>(iPoint)].x = dCalcX(dConc);
        }
    }
}
