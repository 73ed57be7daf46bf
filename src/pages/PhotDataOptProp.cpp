#include "pages/PhotDataOptProp.h"

#include "document/PhotometricNumbers.h"
#include "document/ReportText.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"

IMPLEMENT_DYNAMIC(CPhotDataOptProp, CParameterListPage)

namespace {

constexpr UINT kOptionTemplate = 6004;
constexpr int kListId = 1032;

// Longest text a cell takes: its buffer holds 128 characters with the terminating zero.
constexpr size_t kCellLimit = 127;

enum : int {
    kSipperDevice = 1,
    kAutosamplerDevice = 2,
    kMultiCellDevice = 3,
};

enum : UINT {
    kSyringeCapacityLabel = 284,
    kSyringeSpeedLabel = 285,
    kFirstVialLabel = 286,
    kVolumeLabel = 287,
    kCycleTimeLabel = 288,
    kNeedleWashingsLabel = 289,
    kPortWashingsLabel = 290,
    kSippingTimeLabel = 291,
    kWaitTimeLabel = 292,
    kAirPurgeTimeLabel = 293,
    kTemperatureLabel = 294,
    kCelsiusUnit = 296,
    kMicrolitreUnit = 297,
    kRackX1Label = 298,
    kRackX2Label = 299,
    kVialsXLabel = 300,
    kNeedleHeightLabel = 301,
    kRackY1Label = 302,
    kRackY2Label = 303,
    kVialsYLabel = 304,
    kRackPatternLabel = 305,
    kSecondsUnit = 306,
    kMinutesUnit = 307,
    kAutosamplerSection = 308,
    kSipperSection = 309,
    kRackSection = 310,
    kCellSection = 327,
};

}  // namespace

CPhotDataOptProp::CPhotDataOptProp() : CParameterListPage(kOptionTemplate, kListId) {}

void CPhotDataOptProp::vFillData() {
    m_List.DeleteAllItems();
    const CUVInstrParameters* pInst = m_pDoc != nullptr ? m_pDoc->pGetInstParam() : nullptr;
    if (pInst == nullptr) {
        return;
    }
    switch (pInst->iGetSamplingDevice()) {
        case kSipperDevice:
            vSipperRows();
            break;
        case kAutosamplerDevice:
            vAutosamplerRows();
            vRackRows();
            break;
        case kMultiCellDevice:
            if (m_pDoc->bHasTemperature(kMultiCellDevice) == 1) {
                vCellRows();
            }
            break;
        default:
            break;
    }
}

void CPhotDataOptProp::vSipperRows() {
    const CUVSipperParameters* pSipper = m_pDoc->pGetSipperParam();
    vAddSection(kSipperSection);
    vAddRow(kSippingTimeLabel, sWithUnit(sFixed(pSipper->m_dSippingTime, 1), kSecondsUnit));
    vAddRow(kWaitTimeLabel, sWithUnit(sFixed(pSipper->m_dWaitTime, 1), kSecondsUnit));
    vAddRow(kAirPurgeTimeLabel, sWithUnit(sFixed(pSipper->m_dAirPurgeTime, 1), kSecondsUnit));
    if (pSipper->m_iTemperature >= 0) {
        vAddRow(kTemperatureLabel,
                sWithUnit(pSipper->GetTemperatureTxt(pSipper->m_iTemperature), kCelsiusUnit));
    }
}

void CPhotDataOptProp::vAutosamplerRows() {
    const CMZ700Parameters* pSampler = m_pDoc->pGetMZ700Param();
    // The selector names which of the two syringes the method draws with.
    const int iCapacity =
        pSampler->m_iSyringe == 1 ? pSampler->m_iSyringeCapacity1 : pSampler->m_iSyringeCapacity2;
    vAddSection(kAutosamplerSection);
    vAddRow(kSyringeCapacityLabel,
            sWithUnit(pSampler->GetSyringeCapacityTxt(iCapacity), kMicrolitreUnit));
    vAddRow(kSyringeSpeedLabel, pSampler->GetSyringeSpeedTxt(pSampler->m_iSyringeSpeed));
    vAddRow(kFirstVialLabel, pSampler->m_iFirstVial);
    vAddRow(kVolumeLabel, sWithUnit(sFixed(pSampler->m_dVolume, 0), kMicrolitreUnit));
    vAddRow(kCycleTimeLabel, sWithUnit(sFixed(pSampler->m_dCycleTime, 0), kMinutesUnit));
    vAddRow(kNeedleWashingsLabel, pSampler->m_iNeedleWashings);
    vAddRow(kPortWashingsLabel, pSampler->m_iPortWashings);
}

void CPhotDataOptProp::vRackRows() {
    const CRackParameters* pRack = m_pDoc->pGetRackParam();
    vAddSection(kRackSection);
    vAddRow(kRackX1Label, sFixed(pRack->m_dX1, 0));
    vAddRow(kRackX2Label, sFixed(pRack->m_dX2, 0));
    vAddRow(kVialsXLabel, pRack->m_iVialsX);
    vAddRow(kNeedleHeightLabel, sFixed(pRack->m_dZ, 0));
    vAddRow(kRackY1Label, sFixed(pRack->m_dY1, 0));
    vAddRow(kRackY2Label, sFixed(pRack->m_dY2, 0));
    vAddRow(kVialsYLabel, pRack->m_iVialsY);
    vAddRow(kRackPatternLabel, pRack->m_iPattern);
}

void CPhotDataOptProp::vCellRows() {
    const CMultiCellParam* pCell = m_pDoc->pGetMultiCellParam();
    vAddSection(kCellSection);
    vAddRow(kTemperatureLabel, sWithUnit(sFixed(pCell->m_dTemperature, 1), kCelsiusUnit));
}

void CPhotDataOptProp::vAddSection(UINT nameId) {
    const std::string text = "--- " + sModuleString(nameId) + " ---";
    m_List.InsertItem(m_List.GetItemCount(), sCutToFit(text, kCellLimit));
}

void CPhotDataOptProp::vAddRow(UINT parameterId, const std::string& value) {
    const int nItem =
        m_List.InsertItem(m_List.GetItemCount(), sCutToFit(sModuleString(parameterId), kCellLimit));
    m_List.SetItemText(nItem, 1, sCutToFit(value, kCellLimit));
}

void CPhotDataOptProp::vAddRow(UINT parameterId, int value) {
    vAddRow(parameterId, std::to_string(value));
}

std::string CPhotDataOptProp::sWithUnit(const std::string& number, UINT unitId) {
    return number + " " + sModuleString(unitId);
}
