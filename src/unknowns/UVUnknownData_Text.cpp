// The calculation settings of the unknowns as tab-separated report lines, and the sample labels.
//
// Ratio analysis:                       Manual calibration:
//   Subtract background:<tab>Yes          Calibration type:<tab>1st order
//   K-Factor 0:<tab>1.0000  (0 to 2)      Manual calibration:<tab>Yes
//   Operand:<tab>Times                    A0:<tab>0.0000  (A0 to the order)
//                                         Lower Concentration Limit (%) :<tab>0.0
//                                         Upper Concentration Limit (%) :<tab>1000000000.0
// Nothing for any other analysis. The string gives coefficients rounded to 4 decimals in fixed
// notation; the file gives them as stored with 4 significant digits, and ends with a zero byte.
#include <sstream>

#include "document/InstrumentListing.h"
#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"
#include "unknowns/UVUnknownData.h"

using namespace photoquant;
using namespace photoquant::detail;

namespace {

// Width of the number text in a sample label: the name starts in the seventh character.
constexpr size_t kNumberWidth = 6;

std::string sSettingText(double value) {
    return bIsUsable(value) ? sFixed(value, kSettingDecimals) : std::string(kUnusableText);
}

// Four significant digits, as an output text stream writes in its general notation.
std::string sFourDigits(double value) {
    return bIsUsable(value) ? sGeneral(value, 4) : std::string(kUnusableText);
}

}  // namespace

void CUVUnknownData::vWriteRatioSettings(std::ostream& out) const {
    vWriteReportLine(out, sModuleString(kSubtractBackgroundLabel),
                     sModuleString(m_iNumMethodWave == 3 ? kYesText : kNoText));
    for (int i = 0; i < kKFactorCount; ++i) {
        vWriteReportLine(out, sModuleString(kKFactorLabel) + " " + std::to_string(i),
                         sSettingText(m_dKFactor[i]));
    }
    vWriteReportLine(out, sModuleString(kOperandLabel),
                     sModuleStringOf(kPlusText, m_iRatioOperand, 3));
}

void CUVUnknownData::vWriteManualCalibration(std::ostream& out, bool bForFile) const {
    const int iOrder = m_ManualSeg.m_iOrder;
    vWriteReportLine(out, sModuleString(kCalibTypeLabel),
                     sModuleStringOf(kFirstOrderText, iOrder - 1, 3));
    vWriteReportLine(out, sModuleString(kManualCalibLabel), sModuleString(kYesText));
    // An order beyond the segment's four coefficients lists the four it has.
    for (int i = 0; i <= iOrder && i <= kMaxManualOrder; ++i) {
        const double dCoeff = m_ManualSeg.m_dCoeff[i];
        vWriteReportLine(out, sModuleString(kCoeffLabel) + std::to_string(i),
                         bForFile ? sFourDigits(dCoeff)
                                  : sSettingText(dRoundDecimals(dCoeff, kSettingDecimals)));
    }
    // These two labels carry a blank before the colon.
    const std::string unit = " (" + GetConcUnit() + ") ";
    const int iConcDecimals = iGetXPrecision();
    vWriteReportLine(out, sModuleString(kLowerLimitLabel) + unit,
                     sFixed(dGetLoLimit(), iConcDecimals));
    vWriteReportLine(out, sModuleString(kUpperLimitLabel) + unit,
                     sFixed(dGetHiLimit(), iConcDecimals));
}

void CUVUnknownData::vWriteCalibration(std::ostream& out, bool bForFile) const {
    if (m_iResultType == kRatioResult) {
        vWriteRatioSettings(out);
    } else if (m_iResultType == kConcResult && m_bManualCalib != 0) {
        vWriteManualCalibration(out, bForFile);
    }
}

std::string CUVUnknownData::GetCalibrationData() const {
    std::ostringstream text;
    vWriteCalibration(text, false);
    return text.str();
}

void CUVUnknownData::vGetCalibrationData(const std::string& path) const {
    bWriteReportFile(path, [this](std::ostream& out) { vWriteCalibration(out, true); });
}

std::string CUVUnknownData::sSampleNumberText(int iSamp) const {
    const long long n = iGetSampleNo(iSamp);
    if (n == kBlankSampleNo) {
        return sModuleString(kBlankLabel);
    }
    return std::to_string(n < 0 ? -n : n);
}

std::string CUVUnknownData::sGetUnkSampNoName(int iSamp) const {
    if (!bHasSample(iSamp)) {
        return {};
    }
    std::string label = sSampleNumberText(iSamp);
    if (label.size() < kNumberWidth) {
        label.append(kNumberWidth - label.size(), ' ');
    }
    return label + GetUnkSampName(iSamp);
}

std::string CUVUnknownData::sGetUnkSampName(int iSamp) const {
    if (!bHasSample(iSamp)) {
        return {};
    }
    return sSampleNumberText(iSamp) + " " + GetSampName(iSamp);
}

std::string CUVUnknownData::GetInstData() const {
    return sInstrumentListingText(*this);
}
