#include "views/StandardCalibList.h"

#include <string>

#include "calibration/CalibTypeText.h"
#include "calibration/UVStandardData.h"
#include "contracts/uikit/UvDataStr.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

IMPLEMENT_DYNCREATE(CStandardCalibList, CPhotometryListView)

using namespace photoquant;
using namespace photoquant::detail;

CStandardCalibList::CStandardCalibList() : CPhotometryListView(EListKind::kCalibration) {}

CUVStandardData* CStandardCalibList::GetDocument() const {
    return static_cast<CUVStandardData*>(m_pDocument);
}

void CStandardCalibList::vFillList() {
    const CUVStandardData& doc = *GetDocument();
    const int iCalibType = doc.iGetCalibType();
    vAppendParameterRow(sModuleString(kCalibTypeLabel), sCalibTypeText(iCalibType));
    vAppendParameterRow(sModuleString(kForceZeroLabel),
                        sModuleString(doc.bGetForceZero() != 0 ? kYesText : kNoText));
    if (!bIsPolynomialCalib(iCalibType)) {
        return;
    }
    // The curve's rows stand even before a calibration, with empty values. A type changed since
    // the last calibration reads the coefficients of the curve that calibration left.
    const CCalibList& list = *doc.pGetCalibList();
    const CCalibSegment* pCurve = list.GetSize() > 0 ? list.GetAt(0) : nullptr;
    for (int j = 0; j <= iCalibType; ++j) {
        vAppendParameterRow(sModuleString(kCoeffLabel) + " " + std::to_string(j),
                            pCurve != nullptr ? sCoefficientText(pCurve->m_dCoeff[j]) : "");
    }
    // R and R^2 of a curve the host filled in itself may be anything: a value that is not a
    // usable number leaves its cell empty.
    auto sFitQuality = [pCurve](double CCalibSegment::*pdField) {
        return pCurve != nullptr && bIsUsable(pCurve->*pdField) ? UVDATASTR(pCurve->*pdField)
                                                                : std::string();
    };
    vAppendParameterRow(sModuleString(kCalibListRLabel), sFitQuality(&CCalibSegment::m_dR));
    vAppendParameterRow(sModuleString(kCalibListR2Label), sFitQuality(&CCalibSegment::m_dR2));
}
