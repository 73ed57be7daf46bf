#include "views/UnknownCalibList.h"

#include <algorithm>
#include <string>

#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "unknowns/UVUnknownData.h"

IMPLEMENT_DYNCREATE(CUnknownCalibList, CPhotometryListView)

using namespace photoquant;

namespace {

std::string sIndexedLabel(UINT word, int index) {
    return sModuleString(word) + " " + std::to_string(index);
}

}  // namespace

CUnknownCalibList::CUnknownCalibList() : CPhotometryListView(EListKind::kCalibration) {}

CUVUnknownData* CUnknownCalibList::GetDocument() const {
    return static_cast<CUVUnknownData*>(m_pDocument);
}

void CUnknownCalibList::vFillList() {
    const CUVUnknownData& doc = *GetDocument();
    if (doc.iGetResultType() == kConcResult && doc.bGetManualCalib() != 0) {
        vFillManualCalibration();
    } else if (doc.iGetResultType() == kRatioResult) {
        vFillRatioSettings();
    }
}

void CUnknownCalibList::vFillManualCalibration() {
    const CUVUnknownData& doc = *GetDocument();
    const int n = doc.iGetManualCalibOrder();
    vAppendParameterRow(sModuleString(kCalibTypeLabel), sModuleStringOf(kFirstOrderText, n - 1, 3));
    vAppendParameterRow(sModuleString(kManualCalibLabel), sModuleString(kYesText));
    for (int j = 0; j <= std::min(n, kMaxManualOrder); ++j) {
        vAppendParameterRow(sIndexedLabel(kCoeffLabel, j),
                            sFixedCell(doc.dGetCoeff(j), kSettingDecimals));
    }
}

void CUnknownCalibList::vFillRatioSettings() {
    const CUVUnknownData& doc = *GetDocument();
    const int iNumWaves = doc.iGetNumActWave();
    const std::string background = iNumWaves == 3   ? sModuleString(kYesText)
                                   : iNumWaves == 2 ? sModuleString(kNoText)
                                                    : std::string();
    vAppendParameterRow(sModuleString(kSubtractBackgroundLabel), background);
    for (int j = 0; j < kKFactorCount; ++j) {
        vAppendParameterRow(sIndexedLabel(kKFactorLabel, j),
                            sFixedCell(doc.dGetKFactor(j), kSettingDecimals));
    }
    vAppendParameterRow(sModuleString(kOperandLabel),
                        sModuleStringOf(kPlusText, doc.iGetRatioOperand(), 3));
}
