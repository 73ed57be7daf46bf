// The standards calibration as tab-separated text for reports, the clipboard and text files:
//   Calibration type:<tab>1st order
//   Force through zero:<tab>No
//   then the segment table (segmented) or the fit's coefficients A0..Ak, R and R2,
//   then the document's concentration limits.
// The file also gives the fit's concentration range and ends with one zero byte.
#include <sstream>

#include "calibration/CalibTypeText.h"
#include "calibration/UVStandardData.h"
#include "contracts/uikit/UvDataStr.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

using namespace photoquant;
using namespace photoquant::detail;

void CUVStandardData::vWriteCalibration(std::ostream& out, bool bWithFitRange) const {
    const std::string unit = " (" + GetXUnits() + ")";
    const int iConcDecimals = m_iXPrecision;
    vWriteReportLine(out, sModuleString(kCalibTypeLabel), sCalibTypeText(m_iCalibType));
    vWriteReportLine(out, sModuleString(kForceZeroLabel),
                     sModuleString(m_bForceZero != 0 ? kYesText : kNoText));

    const std::string coefficient = sModuleString(kCoeffLabel);
    if (m_iCalibType == kSegmentedCalib) {
        out << sModuleString(kSegmentNumberLabel) << '\t' << sModuleString(kSegmentStartLabel)
            << unit << '\t' << sModuleString(kSegmentEndLabel) << unit << '\t' << coefficient << 0
            << '\t' << coefficient << 1 << '\n';
        for (INT_PTR i = 0; i < m_CalibList.GetSize(); ++i) {
            const CCalibSegment* pSegment = m_CalibList.GetAt(i);
            out << i + 1 << '\t' << sFixed(pSegment->m_dXMin, iConcDecimals) << '\t'
                << sFixed(pSegment->m_dXMax, iConcDecimals) << '\t'
                << sCoefficientText(pSegment->m_dCoeff[0]) << '\t'
                << sCoefficientText(pSegment->m_dCoeff[1]) << '\n';
        }
    } else if (bIsPolynomialCalib(m_iCalibType)) {
        const CCalibSegment* pFirst = m_CalibList.GetAt(0);
        if (bWithFitRange) {
            vWriteReportLine(out, sModuleString(kMinConcLabel) + unit,
                             sFixed(pFirst->m_dXMin, iConcDecimals));
            vWriteReportLine(out, sModuleString(kMaxConcLabel) + unit,
                             sFixed(pFirst->m_dXMax, iConcDecimals));
        }
        for (int i = 0; i <= m_iCalibType; ++i) {
            vWriteReportLine(out, coefficient + std::to_string(i),
                             sCoefficientText(pFirst->m_dCoeff[i]));
        }
        vWriteReportLine(out, sModuleString(kCalibTextRLabel), UVDATASTR(pFirst->m_dR));
        vWriteReportLine(out, sModuleString(kCalibTextR2Label), UVDATASTR(pFirst->m_dR2));
    }
    if (m_iCalibType != kNoCalib) {
        // These two labels carry a blank before the colon; the fit range lines do not.
        vWriteReportLine(out, sModuleString(kLowerLimitLabel) + unit + " ",
                         sFixed(dGetLoLimit(), iConcDecimals));
        vWriteReportLine(out, sModuleString(kUpperLimitLabel) + unit + " ",
                         sFixed(dGetHiLimit(), iConcDecimals));
    }
}

std::string CUVStandardData::GetCalibrationData() const {
    if (m_CalibList.IsEmpty()) {
        return {};
    }
    std::ostringstream text;
    vWriteCalibration(text, false);
    return text.str();
}

int CUVStandardData::bGetCalibrationData(const std::string& path) const {
    if (m_CalibList.IsEmpty()) {
        return 0;
    }
    return bWriteReportFile(path, [this](std::ostream& out) { vWriteCalibration(out, true); });
}
