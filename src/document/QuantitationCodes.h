#pragma once
// The codes of a quantitation, each under one name. The documents, the parameter objects and the
// host's transfer object carry them as plain ints (a run file or a stored method gives the number);
// code reads them through these names and asks the predicates below rather than spelling out the
// numbers again.
namespace photoquant {

// Quantitation type: how the readings of a point become its photometric value
// (CMethodQuantParam::m_iQuantType, CUVPhotometryData::iGetQuantType).
inline constexpr int kWavelengthQuant = 0;  // fixed wavelengths, one to three readings a point
inline constexpr int kPeakAreaQuant = 1;
inline constexpr int kPeakHeightQuant = 2;
inline constexpr int kDerivativeQuant = 3;
inline constexpr int kRatioQuant = 4;  // two or three wavelengths, a ratio with K-factors

// Peak area, peak height and derivative work on whole spectra, each reduced to one value a point.
constexpr bool bIsSpectrumQuant(int iQuantType) {
    return iQuantType >= kPeakAreaQuant && iQuantType <= kDerivativeQuant;
}
// Peak area and peak height take their value from a peak found in the spectrum.
constexpr bool bIsPeakQuant(int iQuantType) {
    return iQuantType == kPeakAreaQuant || iQuantType == kPeakHeightQuant;
}

// Most method wavelengths a quantitation has (CMethodQuantParam::m_dWave).
inline constexpr int kMaxMethodWaves = 6;

// Result type of the unknowns (CUVUnknownData::iGetResultType).
inline constexpr int kReadingsResult = 0;
inline constexpr int kConcResult = 1;
inline constexpr int kRatioResult = 2;

// Ratio operand: how K0 joins the ratio (CUVUnknownData::iGetRatioOperand).
inline constexpr int kPlusOperand = 0;
inline constexpr int kMinusOperand = 1;
inline constexpr int kTimesOperand = 2;

// The unknowns' own settings: the K-factors K0 to K2 of a ratio and the coefficients of a manual
// calibration up to the cubic's, each kept to 4 decimal places.
inline constexpr int kKFactorCount = 3;
inline constexpr int kMaxManualOrder = 3;
inline constexpr int kSettingDecimals = 4;

// Calibration type of the standards (CUVStandardData::iGetCalibType): a polynomial of order 1 to 3
// fitted by least squares, or straight segments between neighbouring standards.
inline constexpr int kNoCalib = 0;
inline constexpr int kFirstOrderCalib = 1;
inline constexpr int kThirdOrderCalib = 3;
inline constexpr int kSegmentedCalib = 4;

constexpr bool bIsPolynomialCalib(int iCalibType) {
    return iCalibType >= kFirstOrderCalib && iCalibType <= kThirdOrderCalib;
}

// Weighting of a polynomial calibration (CUVStandardData::vSetWeighting, calibration/
// CalibWeighting.h).
inline constexpr int kWeightNone = 0;
inline constexpr int kWeightInverseConc = 1;            // 1/x
inline constexpr int kWeightInverseConcSquared = 2;     // 1/x^2
inline constexpr int kWeightInverseReading = 3;         // 1/y
inline constexpr int kWeightInverseReadingSquared = 4;  // 1/y^2
inline constexpr int kWeightInverseVariance = 5;        // 1/s^2 of each standard's replicates

// Why the last polynomial calibration built no curve (CUVStandardData::iGetCalibRefusal).
inline constexpr int kRefusalNone = 0;
inline constexpr int kRefusalTooFewPoints = 1;         // fewer measured points than coefficients
inline constexpr int kRefusalZeroConc = 2;             // a zero concentration under 1/x, 1/x^2
inline constexpr int kRefusalZeroReading = 3;          // a zero reading under 1/y, 1/y^2
inline constexpr int kRefusalTooFewReplicates = 4;     // a standard with one replicate, 1/s^2
inline constexpr int kRefusalIdenticalReplicates = 5;  // a standard without spread, 1/s^2
inline constexpr int kRefusalUnknownWeighting = 6;     // a weighting code outside 0..5
inline constexpr int kRefusalFitFailed = 7;            // no usable fit (flat readings, say)

// Conversion direction of a calibration segment (CCalibSegment::m_iDirection) and of the stored
// calibration option: which of concentration and reading the polynomial gives.
inline constexpr int kReadingFromConc = 0;  // reading = P(concentration)
inline constexpr int kConcFromReading = 1;  // concentration = P(reading)

// Data mode: the Y mode of the documents' display (CUVInstrParameters::m_iDataMode). Modes 2 and 3
// have no names; 5 and 6 are further absorbance-like modes.
inline constexpr int kTransmittanceMode = 0;  // %T
inline constexpr int kAbsorbanceMode = 1;
inline constexpr int kReflectanceMode = 4;  // %R

// Integration method of a peak area (CUVPhotometryData::iGetIntegMethod).
inline constexpr int kRectangularIntegration = 0;
inline constexpr int kTrapezoidIntegration = 1;
inline constexpr int kRombergIntegration = 2;

// Sample number of a blank (CUVPhotometryData::iGetSampleNo); a negative number excludes the
// sample from the statistics.
inline constexpr int kBlankSampleNo = 0;

// Sampling device of the instrument parameters (CUVInstrParameters::iGetSamplingDevice).
inline constexpr int kSipperDevice = 1;
inline constexpr int kAutosamplerDevice = 2;  // with its vial rack
inline constexpr int kMultiCellDevice = 3;

// Measurement mode of an in-plane distribution over the XY stage (CUVInstrParameters::m_iMeasMode).
inline constexpr int kInPlaneMeasMode = 7;

// Stage statistics: per sample or over all samples (CXYStageParam::iGetCalcSampunit).
inline constexpr int kPerSampleStatistics = 0;
inline constexpr int kAllSamplesStatistics = 1;

// Parameter ids of the instrument parameters' availability query
// (CUVInstrParameters::bIsParamAvailable).
inline constexpr int kAutoZeroParam = 0;
inline constexpr int kAutoZeroWLParam = 1;
inline constexpr int kD2LampParam = 2;
inline constexpr int kWILampParam = 3;
inline constexpr int kRSReverseParam = 4;
inline constexpr int kDetZeroCorrectParam = 5;
inline constexpr int kResolutionParam = 6;
inline constexpr int kNIRSlitParam = 7;

// Answers of CUVPhotometryData::bInstrParamReflect: whether the document's conditions fit a method
// and the instrument connected.
inline constexpr int kReflectFits = 0;
inline constexpr int kReflectOldVersion = 1;
inline constexpr int kReflectModelDiffers = 2;
inline constexpr int kReflectSubTypeDiffers = 3;
inline constexpr int kReflectAccessoryDiffers = 4;

}  // namespace photoquant
