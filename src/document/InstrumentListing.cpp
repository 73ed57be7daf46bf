// The listing of the measurement conditions, row by row in listing order. Each row's condition is
// written out beside it in terms of the instrument family and the quantitation type.
#include "document/InstrumentListing.h"

#include <cmath>
#include <initializer_list>
#include <sstream>

#include "document/PhotometricNumbers.h"
#include "document/QuantitationCodes.h"
#include "document/ReportText.h"
#include "document/UVPhotometryData.h"
#include "resources/ModuleResources.h"
#include "resources/ResourceIds.h"

namespace photoquant::detail {

namespace {

// The report text's lines are written in a buffer of 256 characters.
constexpr size_t kLineLimit = 255;

bool bIsOneOf(int value, std::initializer_list<int> set) {
    for (int member : set) {
        if (value == member) {
            return true;
        }
    }
    return false;
}

// Families with a near-infrared detector.
bool bHasNIR(int iSelectType) {
    return bIsOneOf(iSelectType, {9, 10, 12, 13});
}

// Families whose photomultiplier voltage is set by the method.
bool bHasPMTControl(int iSelectType) {
    return bIsOneOf(iSelectType, {7, 8, 9, 10, 12, 13});
}

// Families whose slit is a width (or a variable slit) rather than a coded choice.
bool bHasNumericSlit(int iSelectType) {
    return bIsOneOf(iSelectType, {1, 2, 3, 5, 6, 9, 10, 12, 13});
}

std::string sOnOff(bool bOn) {
    return sModuleString(bOn ? kOnText : kOffText);
}

std::string sIntegMethodText(int iMethod) {
    return sModuleString(iMethod == kTrapezoidIntegration ? kTrapezoidText
                         : iMethod == kRombergIntegration ? kRombergText
                                                          : kRectangularText);
}

// Peak sensitivity s selects 2^s as an integer. A negative s (a fraction below one) is 0; a large
// one is written in full rather than squeezed into an int.
std::string sSensitivityText(int iSensitivity) {
    const double dPower = iSensitivity < 0 ? 0.0 : std::ldexp(1.0, iSensitivity);
    std::string text(" ");
    return text.append(sFixed(dPower, 0));
}

class CListingBuilder {
public:
    CListingBuilder(const CUVPhotometryData& doc, CUVInstrParameters& inst, CListingStyle style)
        : m_doc(doc),
          m_inst(inst),
          m_style(style),
          m_iFamily(inst.m_iSelectType),
          m_iQuantType(doc.iGetQuantType()),
          m_iWaveDecimals(inst.iGetWaveDecimals()) {}

    std::vector<CListingRow> Rows() {
        vAdd(kMeasTypeLabel, m_doc.sGetMeasType());
        vAdd(kDataModeLabel, m_inst.GetDataModeText(m_inst.m_iDataMode));
        if (bIsSpectrumQuant(m_iQuantType)) {
            vScanRows();
        } else {
            vWavelengthRows();
        }
        vAdd(kDelayLabel, std::to_string(m_inst.m_iDelay) + " " + sModuleString(kSecondsUnit));
        vAutoZeroRows();
        vSlitWidthRow();
        vPMTRow();
        vLampChangeRows();
        vBaselineRow();
        vResolutionRow();
        vIntegTimeRow();
        vLampRows();
        vPathRows();
        vDataIntervalRow();
        vNIRRows();
        vUVSpeedChangeRows();
        vPeakRows();
        vDerivativeRows();
        return std::move(m_rows);
    }

private:
    void vAdd(const std::string& label, const std::string& value) {
        m_rows.push_back({sCell(label), sCell(value), false});
    }
    void vAdd(UINT label, const std::string& value) { vAdd(sModuleString(label), value); }
    void vAddHeader(UINT label) { m_rows.push_back({sCell(sModuleString(label)), "", true}); }

    std::string sCell(const std::string& text) const {
        return m_style.iCellLimit > 0 ? sCutToFit(text, static_cast<size_t>(m_style.iCellLimit))
                                      : text;
    }

    std::string sFixedNumber(double value, int n) {
        m_bFixedWritten = true;
        return sFixed(value, n);
    }
    std::string sNm(double dWavelength, int n) {
        return sFixedNumber(dWavelength, n) + " " + sModuleString(kNmUnit);
    }
    std::string sInLengthUnit(double value, int n) {
        return sFixedNumber(value, n) + " " + m_inst.m_sLengthUnit;
    }
    std::string sInWLUnit(double dWavelength) {
        return sFixedNumber(dWavelength, m_iWaveDecimals) + " " + m_inst.m_sWLUnit;
    }
    std::string sSpeed(const std::string& speed) const { return speed + " " + m_inst.m_sSpeedUnit; }

    void vScanRows() {
        vAdd(kStartWLLabel, sNm(m_inst.m_dStartWL, m_iWaveDecimals));
        vAdd(kEndWLLabel, sNm(m_inst.m_dEndWL, m_iWaveDecimals));
        // Families 7 and 9 name their fastest speed in words, without a unit.
        const std::string speed = m_inst.GetScanSpeedText(m_inst.m_iScanSpeed);
        const bool bSpeedInWords = bIsOneOf(m_iFamily, {7, 9}) && m_inst.m_iScanSpeed == 0;
        vAdd(kScanSpeedLabel, bSpeedInWords ? speed : sSpeed(speed));
        m_inst.vUpdateSamplingInterval();
        vAdd(kSamplingIntervalLabel, sNm(m_inst.m_dSamplingInterval, 4));
    }

    void vWavelengthRows() {
        const int iNumWaves = m_doc.iGetNumMethodWave();
        vAdd(kNumWavelengthsLabel, std::to_string(iNumWaves));
        for (int i = 1; i <= iNumWaves; ++i) {
            vAdd(sModuleString(kWavelengthLabel) + " " + std::to_string(i),
                 sNm(m_doc.dGetWavelength(i - 1), m_iWaveDecimals));
        }
    }

    void vAutoZeroRows() {
        if (!bIsOneOf(m_iFamily, {7, 9, 10, 12, 13}) && !bIsSpectrumQuant(m_iQuantType)) {
            return;
        }
        const bool bZeroOn = m_doc.bGetZeroInst() == 1;
        if (m_inst.bIsParamAvailable(kAutoZeroParam) == 1) {
            vAdd(kAutoZeroLabel, sOnOff(bZeroOn));
        }
        if (m_inst.bIsParamAvailable(kAutoZeroWLParam) == 1 && bZeroOn) {
            vAdd(kAutoZeroWLLabel, sInWLUnit(m_doc.dGetZeroWL()));
        }
    }

    void vSlitWidthRow() {
        std::string value;
        if (!bHasNumericSlit(m_iFamily)) {
            value = m_inst.GetSlitText(m_inst.m_iSlit) + " " + m_inst.m_sLengthUnit;
        } else if (m_inst.m_iSlitMode != 0) {
            value = m_inst.GetVariableSlitText(m_inst.m_iSlitMode);
        } else if (m_style.bSlitWidthInEarlierNotation && !m_bFixedWritten) {
            value = sGeneral(m_inst.m_dSlitWidth, 2) + " " + m_inst.m_sLengthUnit;
        } else {
            value = sInLengthUnit(m_inst.m_dSlitWidth, 2);
        }
        vAdd(kSlitWidthLabel, value);
    }

    void vPMTRow() {
        if (!bHasPMTControl(m_iFamily)) {
            return;
        }
        const int iMode = m_inst.m_iPMTMode;
        const bool bFixedVoltage = m_style.bPMTVoltageBelowOne ? iMode < 1 : iMode == 0;
        vAdd(kPMTVoltageLabel, bFixedVoltage ? std::to_string(m_inst.m_iPMTVoltage) + " V"
                                             : m_inst.GetPMTText(iMode));
    }

    void vLampChangeRows() {
        if (m_iFamily == 3) {
            return;
        }
        const int iMode = m_style.bLampChangeModeFromField ? m_inst.m_iLampChangeMode : -1;
        vAdd(kLampChangeModeLabel, m_inst.GetLampChangeModeText(iMode));
        if (m_iFamily == 4 || m_inst.m_bLampChangeWLMode == 0) {
            vAdd(kLampChangeWLLabel, sInLengthUnit(m_inst.m_dLampChangeWL, m_iWaveDecimals));
        }
    }

    void vBaselineRow() {
        if (bIsOneOf(m_iFamily, {2, 3, 6, 8}) && !bIsSpectrumQuant(m_iQuantType)) {
            return;
        }
        vAdd(kBaselineLabel, m_inst.GetBaselineText(m_inst.m_iBaseline));
    }

    void vResolutionRow() {
        if (!bIsSpectrumQuant(m_iQuantType) || m_iFamily == 1) {
            return;
        }
        const UINT label = bHasPMTControl(m_iFamily) ? kHighResolutionLabel : kResponseLabel;
        vAdd(label, m_inst.bIsParamAvailable(kResolutionParam) != 0
                        ? m_inst.GetValidParamValue(kResolutionParam, 0)
                        : m_inst.GetResponseText(m_inst.m_iResponse));
    }

    void vIntegTimeRow() {
        const bool bFixedWavelength =
            m_style.bIntegTimeForFixedWavelength
                ? (m_iQuantType == kWavelengthQuant || m_iQuantType == kRatioQuant)
                : !bIsSpectrumQuant(m_iQuantType);
        if (m_iFamily == 8 && bFixedWavelength) {
            vAdd(kIntegTimeLabel,
                 sFixedNumber(m_doc.dGetPhotomIntegTime(), 1) + " " + sModuleString(kSecondsUnit));
        }
    }

    void vLampRows() {
        if (m_inst.bIsParamAvailable(kD2LampParam) == 1) {
            vAdd(kD2LampLabel, m_inst.GetD2LampText(m_inst.m_iD2Lamp));
        }
        if (m_inst.bIsParamAvailable(kWILampParam) == 1) {
            vAdd(kWILampLabel, m_inst.GetWILampText(m_inst.m_iWILamp));
        }
        if (m_inst.bIsParamAvailable(kRSReverseParam) == 1) {
            vAdd(kRSReverseLabel, sOnOff(m_inst.m_bRSReverse != 0));
        }
    }

    void vPathRows() {
        if (!m_style.bPathRows) {
            return;
        }
        if (m_doc.bIsPathLengthCorrect() == 1) {
            vAdd(kPathCorrectLabel, m_doc.sGetPathLengthCorrect());
        }
        if (m_doc.bIsDspPathLength() == 1) {
            vAdd(kPathLengthLabel,
                 sFixedNumber(m_doc.dGetPathLength(), 1) + " " + sModuleString(kMmUnit));
        }
    }

    void vDataIntervalRow() {
        if (m_iFamily == 3 && bIsSpectrumQuant(m_iQuantType)) {
            vAdd(kDataIntervalLabel, m_inst.GetDataIntervalText());
        }
    }

    void vNIRRows() {
        const bool bNIRScan = bIsOneOf(m_iFamily, {10, 12, 13});
        if (bNIRScan) {
            vAdd(m_inst.GetMehodParamName(0, -1), m_inst.GetValidParamValue(0, 0));
        }
        if (!bHasNIR(m_iFamily)) {
            return;
        }
        if (m_inst.bIsParamAvailable(kDetZeroCorrectParam) != 0 &&
            m_iQuantType != kWavelengthQuant && m_iQuantType != kRatioQuant) {
            vAdd(kDetZeroCorrectLabel, m_inst.GetDetZeroCorrectText(m_inst.m_iDetZeroCorrect));
        }
        vAddHeader(kNIRHeader);
        if (bNIRScan && bIsSpectrumQuant(m_iQuantType)) {
            vAdd(kNIRScanSpeedLabel, sSpeed(m_inst.GetNIRScanSpeedText(m_inst.m_iNIRScanSpeed)));
        }
        vAdd(kNIRSlitLabel, sNIRSlitText());
        vAdd(m_inst.GetMehodParamName(1, -1), m_inst.GetValidParamValue(1, 0));
        vAdd(kDetChangeCorrectLabel, m_inst.GetDetChangeCorrectText(m_inst.m_iDetChangeCorrect));
        vAdd(kDetChangeWLLabel, sInLengthUnit(m_inst.m_dDetChangeWL, 1));
        if (m_iFamily == 10 || m_iFamily == 12) {
            vAdd(kLightControlLabel, m_inst.GetLightControlText(m_inst.m_iLightControl));
        }
        if (m_style.bNIRClosingRule) {
            vAddHeader(kNIRClosingRule);
        }
    }

    std::string sNIRSlitText() {
        if (m_inst.bIsParamAvailable(kNIRSlitParam) != 0) {
            return m_inst.GetValidParamValue(kNIRSlitParam, 0);
        }
        if (m_inst.m_iNIRSlitMode != 0) {
            return m_inst.GetNIRSlitText(m_inst.m_iNIRSlitMode);
        }
        if (m_style.bNIRSlitAsSlitText) {
            return m_inst.GetSlitText(iWholeSlitWidth()) + " " + m_inst.m_sLengthUnit;
        }
        return sInLengthUnit(m_inst.m_dNIRSlitWidth, 1);
    }

    // The NIR slit width as the code the page looks its slit text up with: cut toward zero. A
    // negative width, or one past the int range, asks with -1, a code that has no text.
    int iWholeSlitWidth() const {
        const double dWidth = std::trunc(m_inst.m_dNIRSlitWidth);
        return dWidth >= 0.0 && dWidth < 2147483647.0 ? static_cast<int>(dWidth) : -1;
    }

    void vUVSpeedChangeRows() {
        if (!bIsSpectrumQuant(m_iQuantType) || m_iFamily != 8 || m_inst.m_bUVSpeedChange != 1) {
            return;
        }
        vAddHeader(kUVSpeedChangeHeader);
        vAdd(kSpeedChangeWLLabel, sInWLUnit(m_inst.m_dSpeedChangeWL));
        vAdd(kUVScanSpeedLabel, sSpeed(m_inst.GetUVScanSpeedText(m_inst.m_iUVScanSpeed)));
    }

    void vPeakRows() {
        if (!bIsPeakQuant(m_iQuantType)) {
            return;
        }
        if (m_style.bSectionHeaders) {
            vAddHeader(kPeakDetectionHeader);
        }
        vAdd(kPeakApexLabel, sFixedNumber(m_doc.dGetPeakApex(), m_iWaveDecimals) + " +/- " +
                                 sInLengthUnit(m_doc.dGetPeakRange(), m_iWaveDecimals));
        if (m_iQuantType == kPeakAreaQuant || m_style.bIntegMethodForPeakHeight) {
            vAdd(kIntegMethodLabel, sIntegMethodText(m_doc.iGetIntegMethod()));
        }
        vAdd(kThresholdLabel, sFixedNumber(m_doc.dGetThreshold(), 4));
        vAdd(kSensitivityLabel, sSensitivityText(m_doc.iGetSensitivity()));
    }

    void vDerivativeRows() {
        if (m_iQuantType != kDerivativeQuant) {
            return;
        }
        if (m_style.bSectionHeaders) {
            vAddHeader(kDerivativeHeader);
        }
        vAdd(kDerivWLLabel, sInLengthUnit(m_doc.dGetPhotomDiffWL(), m_iWaveDecimals));
        vAdd(kDerivOrderLabel, std::to_string(m_doc.iGetDerivOrder()));
        vAdd(kSmoothOrderLabel, std::to_string(m_doc.iGetDerivSmoothOrder()));
        vAdd(kDerivPointsLabel, std::to_string(m_doc.iGetDerivWindow()));
    }

    const CUVPhotometryData& m_doc;
    CUVInstrParameters& m_inst;
    const CListingStyle m_style;
    const int m_iFamily;  // the instrument family: the parameters' select type
    const int m_iQuantType;
    const int m_iWaveDecimals;
    bool m_bFixedWritten = false;  // an earlier row wrote a number in fixed notation
    std::vector<CListingRow> m_rows;
};

// One report line. A line past the buffer is cut and keeps its line feed.
std::string sReportLine(const CListingRow& row) {
    std::ostringstream line;
    if (row.bHeader) {
        line << row.sLabel << '\n';
    } else {
        vWriteReportLine(line, row.sLabel, row.sValue);
    }
    const std::string text = line.str();
    return text.size() <= kLineLimit ? text : sCutToFit(text, kLineLimit - 1) + '\n';
}

}  // namespace

std::vector<CListingRow> InstrumentListingRows(const CUVPhotometryData& doc, CListingStyle style) {
    CUVInstrParameters* pInst = doc.pGetInstParam();
    if (pInst == nullptr) {
        return {};
    }
    return CListingBuilder(doc, *pInst, style).Rows();
}

std::string sInstrumentListingText(const CUVPhotometryData& doc) {
    std::string text;
    for (const CListingRow& row : InstrumentListingRows(doc, kConditionsTextStyle)) {
        text += sReportLine(row);
    }
    return text;
}

}  // namespace photoquant::detail
