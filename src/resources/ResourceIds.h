#pragma once
// The numbers of the module's resources, each under one name: the entries of the string table
// (resources/Strings.txt), the dialog templates and the controls on them. Code names an entry by
// what it says; the number is the table's. A text that the table holds under two numbers (the
// standards' "R" in the calibration list and in the calibration text, the three "Scan Speed"s) is
// two entries with two names.
//
// Texts that stand at consecutive entries and are chosen by a code (the calibration orders, the
// ratio operands, the column headers of the spectrum quantitations) are named by their first entry
// and read with sModuleStringOf (resources/ModuleResources.h).
#include "contracts/framework/WinTypes.h"

namespace photoquant {

// String-table entries.
enum : UINT {
    // Quantities, units and names of the documents' data.
    kConcentrationQuantity = 1,  // "concentration": the X quantity
    kPercentUnit = 2,
    kAbsorbanceQuantity = 3,
    kSamplesName = 5,    // the unknowns document's name
    kStandardsName = 6,  // the standards document's name
    kTransmittanceQuantity = 26,
    kPercentTUnit = 27,
    kReflectanceQuantity = 110,  // "%R", also its unit

    // Column headers of the result lists.
    kSampleHeader = 7,
    kConcHeader = 8,
    kStandardHeader = 9,
    kReplicateHeader = 10,
    kCorrText = 11,  // "corr", after the reading unit: the corrected reading
    kAvgConcHeader = 12,
    kRatioHeader = 13,
    kAvgRatioHeader = 28,
    kPeakAreaHeader = 56,  // then "Peak Height" and "Derivative", by quantitation type 1 to 3
    kDiffHeader = 86,
    kRelDiffHeader = 87,
    kTHeader = 88,
    kXCoordHeader = 495,
    kYCoordHeader = 496,

    // The two columns of every parameter list.
    kParameterHeader = 14,
    kValueHeader = 15,

    // Measurement type: "Photometry", then the quantitation's own word.
    kPhotometryText = 17,
    kPeakAreaMeasText = 59,  // then "Peak height" and "Derivative", by quantitation type 1 to 3
    kWavelengthMeasText = 344,
    kRatioMeasText = 493,
    kInPlaneMeasText = 502,  // the whole measurement type of an in-plane distribution

    // Calibration texts and lists.
    kManualCalibLabel = 29,
    kCalibTypeLabel = 30,
    kCoeffLabel = 31,  // "A", followed by the power
    kYesText = 35,
    kNoText = 36,
    kSubtractBackgroundLabel = 38,
    kKFactorLabel = 39,
    kOperandLabel = 42,
    kPlusText = 43,        // then "Minus" and "Times", by ratio operand 0 to 2
    kFirstOrderText = 46,  // then "2nd order" and "3rd order", by polynomial order 1 to 3
    kForceZeroLabel = 49,
    kSegmentedText = 50,
    kSegmentNumberLabel = 52,
    kSegmentStartLabel = 53,
    kSegmentEndLabel = 54,
    kCalibListRLabel = 83,  // R and R2 in the standards calibration list
    kCalibListR2Label = 84,
    kCalibTextRLabel = 93,  // R and R2 in the standards calibration text
    kCalibTextR2Label = 94,
    kUpperLimitLabel = 111,
    kLowerLimitLabel = 112,
    kMinConcLabel = 347,
    kMaxConcLabel = 348,

    // Result cells.
    kLowFlag = 85,
    kHighFlag = 89,
    kBlankLabel = 95,     // the number text of a blank sample
    kAverageLabel = 497,  // the stage statistics rows: average, max, min, range, 3 sigma
    kMaxLabel = 498,
    kMinLabel = 499,
    kRangeLabel = 500,
    kThreeSigmaLabel = 501,

    // The application profile's calibration option: section "Default", entry "Photometry
    // Calibration Type".
    kProfileEntry = 80,
    kProfileSection = 81,

    // The one message the module shows.
    kTooFewPointsMessage = 100,

    // Measurement conditions.
    kMeasTypeLabel = 16,
    kDataModeLabel = 18,
    kSlitWidthLabel = 19,
    kPMTVoltageLabel = 20,
    kBaselineLabel = 23,
    kNumWavelengthsLabel = 24,
    kWavelengthLabel = 25,
    kNmUnit = 51,
    kScanSpeedLabel = 62,
    kStartWLLabel = 63,
    kEndWLLabel = 64,
    kHighResolutionLabel = 65,
    kSamplingIntervalLabel = 66,
    kResponseLabel = 67,
    kPeakApexLabel = 68,
    kIntegMethodLabel = 69,
    kTrapezoidText = 70,
    kRombergText = 71,
    kRectangularText = 72,
    kThresholdLabel = 73,
    kDerivOrderLabel = 77,
    kSmoothOrderLabel = 78,
    kDerivPointsLabel = 79,
    kSensitivityLabel = 82,
    kPathLengthLabel = 90,
    kMmUnit = 91,
    kNIRHeader = 101,
    kNIRScanSpeedLabel = 102,
    kDetChangeCorrectLabel = 104,
    kDetChangeWLLabel = 105,
    kLightControlLabel = 106,
    kNIRSlitLabel = 108,
    kPathCorrectLabel = 109,
    kDataIntervalLabel = 113,
    kNIRClosingRule = 295,
    kSecondsUnit = 306,
    kLampChangeModeLabel = 323,
    kLampChangeWLLabel = 324,
    kD2LampLabel = 330,
    kWILampLabel = 331,
    kRSReverseLabel = 332,
    kOnText = 333,
    kOffText = 334,
    kUVSpeedChangeHeader = 335,
    kSpeedChangeWLLabel = 336,
    kUVScanSpeedLabel = 337,
    kPeakDetectionHeader = 338,
    kDerivativeHeader = 339,
    kDerivWLLabel = 340,
    kIntegTimeLabel = 341,
    kAutoZeroLabel = 342,
    kAutoZeroWLLabel = 343,
    kDelayLabel = 346,
    kDetZeroCorrectLabel = 494,

    // Accessory settings.
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
    kMinutesUnit = 307,
    kAutosamplerSection = 308,
    kSipperSection = 309,
    kRackSection = 310,
    kCellSection = 327,
};

// Dialog templates of the data property pages.
enum : UINT {
    kInfoDialog = 5001,
    kInstrumentDialog = 5002,
    kOptionDialog = 6004,
};

// Controls on the dialog templates.
enum : int {
    kInfoSampleList = 1000,
    kInfoCommentBox = 1001,
    kInfoAccessoryLabel = 1005,
    kInfoAccessoryBox = 1006,
    kInfoOperator = 1009,
    kInfoDateTime = 1010,
    kInfoModel = 1011,
    kInfoROMVersion = 1012,
    kInfoSerialNumber = 1013,
    kInfoNameBox = 1027,
    kInstrumentList = 1002,
    kOptionList = 1032,
};

}  // namespace photoquant
