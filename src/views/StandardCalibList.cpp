#include "views/StandardCalibList.h"

#include <string>

#include "calibration/UVStandardData.h"
#include "contracts/uikit/UvDataStr.h"
#include "document/ReportText.h"
#include "resources/ModuleResources.h"

IMPLEMENT_DYNCREATE(CStandardCalibList, CPhotometryListView)

namespace {

enum : UINT {
    kCalibTypeLabel = 30,
    kCoeffLabel = 31,
    kYes = 35,
    kNo = 36,
    kFirstOrder = 46,  // then 2nd and 3rd order
    kForceZeroLabel = 49,
    kSegmented = 50,
    kRLabel = 83,
    kR2Label = 84,
};

constexpr int kSegmentedType = 4;

bool bIsPolynomialType(int iCalibType) {
    return iCalibType >= 1 && iCalibType <= 3;
}

std::string sCalibTypeText(int iCalibType) {
    if (bIsPolynomialType(iCalibType)) {
        return sModuleString(kFirstOrder + static_cast<UINT>(iCalibType) - 1);
    }
    return iCalibType == kSegmentedType ? sModuleString(kSegmented) : std::string();
}

}  // namespace

CStandardCalibList::CStandardCalibList() : CPhotometryListView(EListKind::kCalibration) {}

CUVStandardData* CStandardCalibList::GetDocument() const {
    return static_cast<CUVStandardData*>(m_pDocument);
}

void CStandardCalibList::vFillList() {
    const CUVStandardData& doc = *GetDocument();
    const int T = doc.iGetCalibType();
    vAppendParameterRow(sModuleString(kCalibTypeLabel), sCalibTypeText(T));
    vAppendParameterRow(sModuleString(kForceZeroLabel),
                        sModuleString(doc.bGetForceZero() != 0 ? kYes : kNo));
    if (!bIsPolynomialType(T)) {
        return;
    }
    // The curve's rows stand even before a calibration, with empty values. A type changed since
    // the last calibration reads the coefficients of the curve that calibration left.
    const CCalibList& list = *doc.pGetCalibList();
    const CCalibSegment* pCurve = list.GetSize() > 0 ? list.GetAt(0) : nullptr;
    for (int j = 0; j <= T; ++j) {
        vAppendParameterRow(sModuleString(kCoeffLabel) + " " + std::to_string(j),
                            pCurve != nullptr ? sCoefficientText(pCurve->m_dCoeff[j]) : "");
    }
    vAppendParameterRow(sModuleString(kRLabel), pCurve != nullptr ? UVDATASTR(pCurve->m_dR) : "");
    vAppendParameterRow(sModuleString(kR2Label), pCurve != nullptr ? UVDATASTR(pCurve->m_dR2) : "");
}
