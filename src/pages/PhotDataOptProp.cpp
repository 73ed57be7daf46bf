#include "pages/PhotDataOptProp.h"

#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNAMIC(CPhotDataOptProp, CParameterListPage)

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// Longest text a cell takes: its buffer holds 128 characters with the terminating zero.
constexpr size_t kCellLimit = 127;

}  // namespace

CPhotDataOptProp::CPhotDataOptProp() : CParameterListPage(kOptionDialog, kOptionList) {}

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
