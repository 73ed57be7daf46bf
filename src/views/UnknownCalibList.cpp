#include "views/UnknownCalibList.h"

#include <algorithm>
#include <string>

#include "document/PhotometricNumbers.h"
#include "resources/ModuleResources.h"
#include "unknowns/UVUnknownData.h"

IMPLEMENT_DYNCREATE(CUnknownCalibList, CPhotometryListView)

namespace {

enum : UINT {
    kManualCalibLabel = 29,
    kCalibTypeLabel = 30,
    kCoeffLabel = 31,
    kYes = 35,
    kNo = 36,
    kSubtractBackgroundLabel = 38,
    kKFactorLabel = 39,
    kOperandLabel = 42,
    kPlus = 43,        // then minus and times
    kFirstOrder = 46,  // then 2nd and 3rd order
};

constexpr int kConcentrationResult = 1;
constexpr int kRatioResult = 2;
constexpr int kSettingDecimals = 4;
// The manual segment holds the coefficients of a cubic at most.
constexpr int kMaxCoeffIndex = 3;
constexpr int kKFactorCount = 3;

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
    if (doc.iGetResultType() == kConcentrationResult && doc.bGetManualCalib() != 0) {
        vFillManualCalibration();
    } else if (doc.iGetResultType() == kRatioResult) {
        vFillRatioSettings();
    }
}

void CUnknownCalibList::vFillManualCalibration() {
    const CUVUnknownData& doc = *GetDocument();
    const int n = doc.iGetManualCalibOrder();
    vAppendParameterRow(sModuleString(kCalibTypeLabel), sModuleStringOf(kFirstOrder, n - 1, 3));
    vAppendParameterRow(sModuleString(kManualCalibLabel), sModuleString(kYes));
    for (int j = 0; j <= std::min(n, kMaxCoeffIndex); ++j) {
        vAppendParameterRow(sIndexedLabel(kCoeffLabel, j),
                            sFixed(doc.dGetCoeff(j), kSettingDecimals));
    }
}

void CUnknownCalibList::vFillRatioSettings() {
    const CUVUnknownData& doc = *GetDocument();
    const int W = doc.iGetNumActWave();
    const std::string background = W == 3   ? sModuleString(kYes)
                                   : W == 2 ? sModuleString(kNo)
                                            : std::string();
    vAppendParameterRow(sModuleString(kSubtractBackgroundLabel), background);
    for (int j = 0; j < kKFactorCount; ++j) {
        vAppendParameterRow(sIndexedLabel(kKFactorLabel, j),
                            sFixed(doc.dGetKFactor(j), kSettingDecimals));
    }
    vAppendParameterRow(sModuleString(kOperandLabel),
                        sModuleStringOf(kPlus, doc.iGetRatioOperand(), 3));
}
